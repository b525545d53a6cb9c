#include "platform/form.h"

#include <algorithm>

#include "platform/application.h"

namespace plat {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) { app_.register_form(*this); }

Form::~Form() { app_.unregister_form(*this); }

void Form::show() { app_.show(*this); }
void Form::hide() { app_.hide(*this); }
bool Form::visible() const { return app_.visible_form() == this; }

void Form::remove(Timer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

Control* Form::control_at(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (c->takes_mouse() && c->shown() && c->bounds().contient(x, y)) return c;
    }
    return nullptr;
}

Control* Form::find(const std::string& name, int index) const {
    for (Control* c : controls_)
        if (c->name() == name && c->index() == index) return c;
    return nullptr;
}

void Form::draw(Canvas& canvas) const {
    if (background_)
        canvas.draw(*background_, 0, 0, {0, 0, kLargeurEcran, kHauteurEcran});
    else
        canvas.clear(couleurs::noir);
    for (const Control* c : controls_)
        if (c->shown()) c->draw(canvas);
}

}  // namespace plat
