#include "platform/resting_device.h"

#include <emscripten.h>

namespace plat {

// SDL keeps its audio context in Module.SDL2 (its emscripten audio driver).
// A suspended context stops calling the program for samples; resuming it
// takes a few milliseconds, well within a click's sound. Either may be
// refused when the context closes meanwhile (the program ends): nothing to do.
bool rest_open_device() {
    EM_ASM({
        var sdl = Module['SDL2'];
        if (sdl && sdl.audioContext) sdl.audioContext.suspend().catch(function() {});
    });
    return true;
}

void wake_resting_device() {
    EM_ASM({
        var sdl = Module['SDL2'];
        if (sdl && sdl.audioContext) sdl.audioContext.resume().catch(function() {});
    });
}

}  // namespace plat
