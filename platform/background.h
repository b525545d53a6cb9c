#pragma once
#include <functional>
#include <future>

namespace plat {

// Runs the work on a second thread; the browser build has none, so there it
// is done before the call returns.
std::future<void> in_background(std::function<void()> work);

}  // namespace plat
