#pragma once
// What the application needs from the machine: a clock, the mouse, a screen
// to show the canvas on and the pointer. The window backend uses SDL; the
// headless backend of the tests runs on a virtual clock with scripted input.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/picture.h"

namespace plat {

struct InputEvent {
    // expose: the window lost its picture (uncovered, resized) and needs it again.
    // pointer_left: the pointer went out of the window.
    enum class Kind { mouse_move, mouse_down, mouse_up, quit, expose, pointer_left };
    Kind kind = Kind::mouse_move;
    int x = 0, y = 0;  // canvas pixels
    int button = 1;    // kBoutonGauche, kBoutonDroit, kBoutonMilieu
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual std::uint32_t tick() = 0;
    virtual std::optional<InputEvent> poll() = 0;
    // Sleeps until the deadline or, when wake_on_input, until input arrives.
    virtual void sleep_until(std::uint32_t deadline, bool wake_on_input) = 0;
    // Whether anything is shown: the headless backend skips drawing.
    virtual bool displays() const = 0;
    // The canvas was drawn again inside `changed`; the rest is as last sent.
    virtual void present(const Picture& canvas, const Rect& changed) = 0;
    virtual void show_cursor(bool visible) = 0;
    virtual void warp_pointer(int x, int y) = 0;
    virtual void set_fullscreen(bool fullscreen) = 0;
    // Tells the player something that cannot wait (UTF-8), over whatever
    // the screen shows; the game goes on once it is read.
    virtual void alert(const std::string& message_utf8) = 0;
};

// A full-screen window with a letterboxed 640 × 480 canvas.
std::unique_ptr<Backend> make_window_backend();

}  // namespace plat
