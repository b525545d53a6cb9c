#pragma once
// One screen: a background picture and controls in drawing order. Forms are
// built once, shown and hidden through the application, never destroyed
// while the program runs.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/picture.h"

namespace plat {

class Application;

class Form {
public:
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    Application& app() const { return app_; }

    void set_background(PicturePtr picture) { background_ = std::move(picture); }
    const PicturePtr& background() const { return background_; }

    // Makes this the one visible form; its on_activate runs from the event loop.
    void show();
    void hide();
    bool visible() const;
    // Changes each time the form is shown or left: a handler begun in an
    // earlier showing knows its screen is gone.
    std::uint64_t affichage() const { return affichage_; }

    std::function<void()> on_activate;
    // The pointer moves over the form itself, outside every control.
    std::function<void()> on_mouse_move;

    // The topmost control under a point that takes the mouse, shown or not
    // enabled; nullptr when the point lies on the background.
    Control* control_at(int x, int y) const;
    // Looks a control up by its name and index (-1 for a single control).
    Control* find(const std::string& name, int index = -1) const;
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Timer*>& timers() const { return timers_; }

    void draw(Canvas& canvas) const;

private:
    friend class Application;
    friend class Control;
    friend class Timer;
    void add(Control* c) { controls_.push_back(c); }
    void add(Timer* t) { timers_.push_back(t); }
    void remove(Timer* t);

    Application& app_;
    std::string name_;
    PicturePtr background_;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    std::uint64_t affichage_ = 0;
};

}  // namespace plat
