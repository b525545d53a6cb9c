#include "platform/background.h"

namespace plat {

// Without threads, std::async's own thread would never start and its
// future never be ready.
std::future<void> in_background(std::function<void()> work) {
    std::packaged_task<void()> tache(std::move(work));
    tache();
    return tache.get_future();
}

}  // namespace plat
