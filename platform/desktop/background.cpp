#include "platform/background.h"

namespace plat {

std::future<void> in_background(std::function<void()> work) { return std::async(std::launch::async, std::move(work)); }

}  // namespace plat
