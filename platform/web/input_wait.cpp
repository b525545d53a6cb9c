#include "platform/input_wait.h"

#include <SDL.h>
#include <emscripten.h>

namespace plat {

namespace {

// The browser hands input over only while the program sleeps. The program
// sleeps until its deadline or until SDL queues an event: the page's input,
// or the end of a sound. SDL's own wait would wake every millisecond to look.
// The wake-up comes from a timer of its own, never from inside SDL's event
// call: the program must not resume while that call is on the stack.
EM_ASYNC_JS(void, dormir, (int ms), {
    await new Promise(function(fini) {
        var minuteur = setTimeout(fini, ms);
        Module.lexiramaReveil = function() {
            clearTimeout(minuteur);
            setTimeout(fini, 0);
        };
    });
    Module.lexiramaReveil = null;
});

int SDLCALL reveiller(void*, SDL_Event*) {
    EM_ASM({
        if (Module.lexiramaReveil) Module.lexiramaReveil();
    });
    return 0;
}

bool input_queued() { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0; }

}  // namespace

bool wait_for_input(std::uint32_t ms) {
    [[maybe_unused]] static const bool ecoute = (SDL_AddEventWatch(reveiller, nullptr), true);
    dormir(static_cast<int>(ms));
    return input_queued();
}

}  // namespace plat
