#include "platform/trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace plat {

void trace(std::string_view event, std::string_view name) {
    static const bool enabled = std::getenv("LEXIRAMA_TRACE") != nullptr;
    if (!enabled) return;
    auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                  std::chrono::system_clock::now().time_since_epoch())
                  .count();
    std::fprintf(stderr, "%.*s %.*s %lld\n", static_cast<int>(event.size()), event.data(),
                 static_cast<int>(name.size()), name.data(), static_cast<long long>(ns));
}

}  // namespace plat
