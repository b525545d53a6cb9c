#include "platform/input_wait.h"

#include <SDL.h>
#include <emscripten.h>

#include <algorithm>

namespace plat {

namespace {

// The browser hands input over only while the program sleeps, and SDL's own
// wait would wake every millisecond to look: this sleeps in short naps, each
// one long enough to leave the page idle and short enough that a click is
// answered before a child sees the delay. Naps of 40 ms rather than 15 took
// a fifth off the idle page's CPU.
constexpr std::uint32_t kSieste = 40;

bool input_queued() { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0; }

}  // namespace

bool wait_for_input(std::uint32_t ms) {
    const std::uint32_t fin = SDL_GetTicks() + ms;
    for (std::uint32_t now = SDL_GetTicks(); now < fin; now = SDL_GetTicks()) {
        emscripten_sleep(std::min(fin - now, kSieste));
        if (input_queued()) return true;
    }
    return input_queued();
}

}  // namespace plat
