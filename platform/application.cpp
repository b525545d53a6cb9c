#include "platform/application.h"

#include <algorithm>
#include <stdexcept>

#include "platform/trace.h"

namespace plat {

// Handlers are copied before they run: a handler may replace itself. A
// handler whose screen was left while it waited unwinds back to here.
template <class F, class... A>
void Application::call(const Form* owner, const F& handler, A... args) {
    ++handlers_run_;
    if (!handler) return;
    F copy = handler;
    struct Pile {
        std::vector<Contexte>& contextes;
        ~Pile() { contextes.pop_back(); }
    } pile{contextes_};
    contextes_.push_back({owner, owner ? owner->affichage() : 0});
    try {
        copy(args...);
    } catch (const EcranQuitte&) {
    }
}

Application::Application(std::unique_ptr<Backend> backend, std::unique_ptr<SoundBackend> sound)
    : backend_(std::move(backend)), sound_(std::move(sound)) {
    status_due_ = tick() + kPeriodeStatutSon;
}

Application::~Application() = default;

void Application::unregister_form(Form& f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &f), forms_.end());
    to_activate_.erase(std::remove(to_activate_.begin(), to_activate_.end(), &f), to_activate_.end());
    if (visible_ == &f) visible_ = nullptr;
}

// ---------------------------------------------------------------- waits

void Application::wait_with_events(std::uint32_t ms) {
    service_until(tick() + ms, true);
    unwind_if_left();
}

void Application::wait(std::uint32_t ms) {
    service_until(tick() + ms, false);
    unwind_if_left();
}

// Outside every handler (start-up) a wait simply returns.
void Application::unwind_if_left() const {
    if (contextes_.empty()) return;
    const Contexte& courant = contextes_.back();
    bool quitte = courant.form && courant.form->affichage() != courant.affichage;
    if (quitting_ || quitte) throw EcranQuitte{};
}

// The screen is repainted when the wait starts and after anything ran, not
// when the deadline comes: a frame drawn then would make every wait end late.
void Application::service_until(std::uint32_t deadline, bool with_events) {
    bool first = true;
    while (!quitting_) {
        std::uint64_t before = handlers_run_;
        if (with_events) dispatch_pending();
        if (first || handlers_run_ != before) repaint();
        first = false;
        if (quitting_ || tick() >= deadline) return;
        sound_->rest_if_silent();
        backend_->sleep_until(with_events ? next_due(deadline) : deadline, with_events);
    }
}

void Application::do_events() {
    dispatch_pending();
    repaint();
    unwind_if_left();
}

void Application::run() {
    constexpr std::uint32_t kLongtemps = 60'000;
    repaint();
    while (!quitting_) {
        std::uint64_t before = handlers_run_;
        dispatch_pending();
        if (handlers_run_ != before) repaint();
        if (quitting_) break;
        sound_->rest_if_silent();
        backend_->sleep_until(next_due(tick() + kLongtemps), true);
    }
}

std::uint32_t Application::next_due(std::uint32_t deadline) const {
    std::uint32_t due = deadline;
    // The status notice is not worth a wake of its own: it rides on the
    // wake-ups of timers and input, and wakes the program itself only once
    // it is a whole period late.
    if (on_sound_status && !in_status_) due = std::min(due, status_due_ + kPeriodeStatutSon);
    for (const Form* f : forms_)
        for (const Timer* t : f->timers())
            if (t->pending()) due = std::min(due, t->due());
    if (auto tip = tooltip_.due()) due = std::min(due, *tip);
    return due;
}

// ---------------------------------------------------------------- dispatch

void Application::dispatch_pending() {
    run_activations();
    while (!quitting_) {
        auto e = backend_->poll();
        if (!e) break;
        handle(*e);
        run_activations();
    }
    if (quitting_) return;
    fire_timers();
    fire_sound_status();
    if (tooltip_.show_if_due(visible_, tick())) ++handlers_run_;
}

void Application::run_activations() {
    while (!to_activate_.empty() && !quitting_) {
        Form* f = to_activate_.front();
        to_activate_.pop_front();
        call(f, f->on_activate);
        activated_ = f->affichage();
    }
}

void Application::handle(const InputEvent& e) {
    switch (e.kind) {
        case InputEvent::Kind::quit:
            if (on_close_request)
                call(nullptr, on_close_request);
            else
                quit();
            break;
        case InputEvent::Kind::mouse_move: mouse_move(e.x, e.y); break;
        case InputEvent::Kind::mouse_down: mouse_down(e.x, e.y, e.button); break;
        case InputEvent::Kind::mouse_up: mouse_up(e.x, e.y, e.button); break;
        case InputEvent::Kind::expose:
            window_stale_ = true;
            ++handlers_run_;
            break;
        case InputEvent::Kind::pointer_left: hide_tooltip(); break;
    }
}

// A disabled control takes the mouse away from what lies under it but runs
// nothing; the background of the form gets what falls outside every control.
void Application::mouse_move(int x, int y) {
    if (!visible_) return;
    Control* c = visible_->control_at(x, y);
    // A hidden pointer rests nowhere: it brings no tip.
    if (tooltip_.pointer_at(pointer_count_ >= 0 ? c : nullptr, x, y, tick())) ++handlers_run_;
    if (!c)
        call(visible_, visible_->on_mouse_move);
    else if (c->active())
        call(&c->form(), c->on_mouse_move);
}

void Application::mouse_down(int x, int y, int button) {
    hide_tooltip();
    if (!visible_) return;
    Control* c = visible_->control_at(x, y);
    pressed_ = c && c->active() ? c : nullptr;
    if (pressed_) call(&pressed_->form(), pressed_->on_mouse_down, button);
}

void Application::mouse_up(int x, int y, int button) {
    if (!visible_) return;
    Control* pressed = pressed_;
    pressed_ = nullptr;
    Control* c = visible_->control_at(x, y);
    if (c && c == pressed && c->live() && button == kBoutonGauche && &c->form() == visible_) call(&c->form(), c->on_click);
}

void Application::fire_timers() {
    std::uint32_t now = tick();
    std::vector<Timer*> all;
    for (Form* f : forms_) all.insert(all.end(), f->timers().begin(), f->timers().end());
    for (Timer* t : all) {
        if (quitting_) return;
        if (!t->due_at(now)) continue;
        t->begin_tick(now);
        call(&t->form(), t->on_tick);
        t->end_tick();
    }
}

void Application::hide_tooltip() {
    if (tooltip_.dismiss()) ++handlers_run_;
}

void Application::fire_sound_status() {
    if (!on_sound_status || in_status_ || tick() < status_due_) return;
    status_due_ = tick() + kPeriodeStatutSon;
    in_status_ = true;
    call(nullptr, on_sound_status);
    in_status_ = false;
}

// ---------------------------------------------------------------- forms

void Application::show(Form& form) {
    pressed_ = nullptr;
    tooltip_.dismiss();
    if (visible_ && visible_ != &form) new_showing(*visible_);
    new_showing(form);
    visible_ = &form;
    to_activate_.push_back(&form);
    repaint();
}

void Application::hide(Form& form) {
    if (visible_ != &form) return;
    tooltip_.dismiss();
    new_showing(form);
    visible_ = nullptr;
}

// Showing a form and leaving it both start a new showing.
void Application::new_showing(Form& form) { form.affichage_ = ++affichages_; }

Form* Application::form(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

// ---------------------------------------------------------------- screen

// Most repaints (a timer that ticked and changed nothing, the pointer that
// moved over the background) would draw the picture already on screen; the
// others draw again only the controls that changed.
void Application::repaint() {
    if (!backend_->displays() && !check_skips_) return;
    if (window_stale_) redraw_.forget();
    window_stale_ = false;
    std::optional<Rect> zone = redraw_.since_last(visible_, tooltip_);
    if (!zone) {
        if (check_skips_) check_against_afresh("a repaint was skipped while the screen changed on ");
    } else {
        draw_screen(canvas_, *zone);
        if (check_skips_) check_against_afresh("a repaint of part of the screen left a change outside it on ");
        if (backend_->displays()) backend_->present(canvas_.picture(), *zone);
    }
    if (visible_) trace_frames(*visible_);
}

// The visible form, and the tip over it, drawn again inside the zone only.
void Application::draw_screen(Canvas& canvas, const Rect& zone) const {
    canvas.limit_to(zone);
    if (visible_) {
        visible_->draw(canvas);
        tooltip_.draw(canvas);
    } else {
        canvas.clear(couleurs::noir);
    }
    canvas.limit_to({0, 0, kLargeurEcran, kHauteurEcran});
}

void Application::check_against_afresh(const std::string& fault) {
    if (!afresh_) afresh_ = std::make_unique<Canvas>();
    draw_screen(*afresh_, {0, 0, kLargeurEcran, kHauteurEcran});
    if (!afresh_->picture().same_pixels(canvas_.picture())) throw std::logic_error(fault + form_name());
}

std::string Application::form_name() const { return visible_ ? visible_->name() : std::string("no form"); }

// The measurements of bench/ read when each screen first reached the
// display, and when it did complete, once its on_activate had run.
void Application::trace_frames(const Form& shown) {
    if (&shown != traced_) trace("premiere-image", shown.name());
    traced_ = &shown;
    if (shown.affichage() != activated_) return;
    trace("image-complete", shown.name());
    activated_ = 0;
}

// A tip is drawn last, over every control. The canvas then no longer
// holds the screen shown: the next repaint draws it whole.
const Picture& Application::render(const Form& form) {
    redraw_.forget();
    form.draw(canvas_);
    if (&form == visible_) tooltip_.draw(canvas_);
    return canvas_.picture();
}

// ---------------------------------------------------------------- pointer

int Application::hide_pointer_once() {
    --pointer_count_;
    if (pointer_count_ < 0) hide_tooltip();
    backend_->show_cursor(pointer_count_ >= 0);
    return pointer_count_;
}

int Application::show_pointer_once() {
    ++pointer_count_;
    backend_->show_cursor(pointer_count_ >= 0);
    return pointer_count_;
}

}  // namespace plat
