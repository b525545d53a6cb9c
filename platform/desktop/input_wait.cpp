#include "platform/input_wait.h"

#include <SDL.h>

namespace plat {

bool wait_for_input(std::uint32_t ms) { return SDL_WaitEventTimeout(nullptr, static_cast<int>(ms)) != 0; }

}  // namespace plat
