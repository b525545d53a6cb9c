#pragma once
// Moments the measurements of bench/ read, written to stderr as
// "event name nanoseconds-since-the-epoch" when LEXIRAMA_TRACE is set, so
// that they compare with the clock the program was started by.
#include <string_view>

namespace plat {

void trace(std::string_view event, std::string_view name);

}  // namespace plat
