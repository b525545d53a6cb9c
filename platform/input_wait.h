#pragma once
#include <cstdint>

namespace plat {

// Sleeps at most `ms` milliseconds, less when input arrives; true if it did.
bool wait_for_input(std::uint32_t ms);

}  // namespace plat
