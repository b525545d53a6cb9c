#include "platform/headless.h"

#include <algorithm>

namespace plat {

void HeadlessBackend::schedule(std::uint32_t at, InputEvent e) {
    auto after = std::upper_bound(scheduled_.begin(), scheduled_.end(), at,
                                  [](std::uint32_t t, const Scheduled& s) { return t < s.at; });
    scheduled_.insert(after, {at, e});
}

std::optional<InputEvent> HeadlessBackend::poll() {
    if (scheduled_.empty() || scheduled_.front().at > now_) return std::nullopt;
    InputEvent e = scheduled_.front().event;
    scheduled_.pop_front();
    if (e.kind == InputEvent::Kind::mouse_move) {
        pointer_x_ = e.x;
        pointer_y_ = e.y;
    }
    return e;
}

void HeadlessBackend::sleep_until(std::uint32_t deadline, bool wake_on_input) {
    ++sleeps_;
    std::uint32_t until = deadline;
    if (wake_on_input && !scheduled_.empty()) until = std::min(until, scheduled_.front().at);
    now_ = std::max(now_, until);
}

void HeadlessBackend::warp_pointer(int x, int y) {
    // A real warp moves the pointer without a click; the form sees it move there.
    pointer_x_ = x;
    pointer_y_ = y;
    schedule(now_, {InputEvent::Kind::mouse_move, x, y, 0});
}

}  // namespace plat
