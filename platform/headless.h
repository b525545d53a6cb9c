#pragma once
// The bench the tests run on: no window, a clock that moves only inside
// waits (instantly, to the deadline or to the next scripted event), and
// input scripted at given times.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace plat {

class HeadlessBackend : public Backend {
public:
    // Queues an event to arrive at the given time (events at equal times keep their order).
    void schedule(std::uint32_t at, InputEvent e);
    bool has_scheduled() const { return !scheduled_.empty(); }

    bool cursor_visible() const { return cursor_visible_; }
    int pointer_x() const { return pointer_x_; }
    int pointer_y() const { return pointer_y_; }
    bool fullscreen() const { return fullscreen_; }
    // How many times the program went to sleep: an idle wait sleeps once.
    int sleeps() const { return sleeps_; }

    std::uint32_t tick() override { return now_; }
    std::optional<InputEvent> poll() override;
    void sleep_until(std::uint32_t deadline, bool wake_on_input) override;
    bool displays() const override { return false; }
    void present(const Picture&, const Rect&) override {}
    void show_cursor(bool visible) override { cursor_visible_ = visible; }
    void warp_pointer(int x, int y) override;
    void set_fullscreen(bool f) override { fullscreen_ = f; }
    void alert(const std::string& message_utf8) override { alerts_.push_back(message_utf8); }
    const std::vector<std::string>& alerts() const { return alerts_; }

private:
    struct Scheduled {
        std::uint32_t at;
        InputEvent event;
    };
    std::deque<Scheduled> scheduled_;
    std::uint32_t now_ = 1000;  // a real tick counter is never 0 at start
    bool cursor_visible_ = true;
    bool fullscreen_ = false;
    int pointer_x_ = 0, pointer_y_ = 0;
    int sleeps_ = 0;
    std::vector<std::string> alerts_;
};

}  // namespace plat
