#pragma once
// The application: the forms, the one visible form, the event loop and the
// waits. Everything runs on one thread; a wait that services events runs
// other handlers inside the handler that waits, as the games expect.
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/redraw_zone.h"
#include "platform/sound.h"
#include "platform/tooltip.h"

namespace plat {

// Thrown out of a wait whose handler's screen was left (or shown afresh)
// while it waited, or when the program is quitting: the handler unwinds to
// where the application called it, and touches nothing more. Deliberately
// not a std::exception, so that no game's error handling can swallow it.
struct EcranQuitte {};

class Application {
public:
    Application(std::unique_ptr<Backend> backend, std::unique_ptr<SoundBackend> sound);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // ---- clock and waits ----
    std::uint32_t tick() { return backend_->tick(); }
    // Services events (handlers may run inside) until ms have passed.
    // Inside a handler whose screen is left meanwhile, or once quitting,
    // throws EcranQuitte instead of returning (so do the two below).
    void wait_with_events(std::uint32_t ms);
    // Repaints but runs no handler until ms have passed.
    void wait(std::uint32_t ms);
    // Runs whatever is pending once, as DoEvents does.
    void do_events();
    // The main loop, until quit().
    void run();
    // Every wait returns at once from now on, and run() ends.
    void quit() { quitting_ = true; }
    bool quitting() const { return quitting_; }
    // Closing the window or SIGTERM: the shell saves before it quits.
    std::function<void()> on_close_request;

    // ---- forms ----
    void show(Form& form);
    void hide(Form& form);
    Form* visible_form() const { return visible_; }
    Form* form(const std::string& name) const;
    const std::vector<Form*>& forms() const { return forms_; }

    // ---- screen ----
    void repaint();
    // Draws a form as it would look now, its tooltip included, for PNG files and the bench.
    const Picture& render(const Form& form);
    void set_fullscreen(bool f) {
        window_stale_ = true;
        backend_->set_fullscreen(f);
    }
    // Tests: every repaint that is skipped because nothing changed, or that
    // draws only part of the screen, is checked against the whole screen
    // drawn afresh, and throws if they differ.
    void check_skipped_repaints() { check_skips_ = true; }
    void alert(const std::string& message_utf8) { backend_->alert(message_utf8); }
    const Tooltip& tooltip() const { return tooltip_; }

    // ---- pointer: a display count as the system keeps one ----
    int hide_pointer_once();
    int show_pointer_once();
    void move_pointer(int x, int y) { backend_->warp_pointer(x, y); }

    // ---- sound ----
    SoundBackend& sound() { return *sound_; }
    // Raised at the first wake-up a status period after the last one (two
    // periods at most) while set: the ambient sound's status notice.
    std::function<void()> on_sound_status;
    static constexpr std::uint32_t kPeriodeStatutSon = 1000;
    // The next `periods` status notices are known to do nothing: the
    // program sleeps through them.
    void skip_sound_status(int periods) { status_due_ += static_cast<std::uint32_t>(periods) * kPeriodeStatutSon; }

private:
    friend class Form;
    void register_form(Form& f) { forms_.push_back(&f); }
    void unregister_form(Form& f);

    // The screen a running handler belongs to, and which showing of it.
    struct Contexte {
        const Form* form;
        std::uint64_t affichage;
    };
    template <class F, class... A>
    void call(const Form* owner, const F& handler, A... args);
    void unwind_if_left() const;
    void new_showing(Form& form);
    void dispatch_pending();
    void run_activations();
    void handle(const InputEvent& e);
    void mouse_move(int x, int y);
    void mouse_down(int x, int y, int button);
    void mouse_up(int x, int y, int button);
    void fire_timers();
    void fire_sound_status();
    void hide_tooltip();
    std::uint32_t next_due(std::uint32_t deadline) const;
    void service_until(std::uint32_t deadline, bool with_events);
    void trace_frames(const Form& shown);
    void draw_screen(Canvas& canvas, const Rect& zone) const;
    void check_against_afresh(const std::string& fault);
    std::string form_name() const;

    std::unique_ptr<Backend> backend_;
    std::unique_ptr<SoundBackend> sound_;
    Canvas canvas_;
    std::vector<Form*> forms_;
    Form* visible_ = nullptr;
    const Form* traced_ = nullptr;
    std::uint64_t activated_ = 0;  // the showing whose on_activate ran last
    std::deque<Form*> to_activate_;
    Control* pressed_ = nullptr;
    Tooltip tooltip_;
    int pointer_count_ = 0;
    std::uint32_t status_due_ = 0;
    bool in_status_ = false;
    bool quitting_ = false;
    std::uint64_t handlers_run_ = 0;  // grows when the screen may need a new picture
    std::uint64_t affichages_ = 0;    // numbers every showing and every leaving of a form
    std::vector<Contexte> contextes_;  // the handlers running, innermost last
    RedrawZone redraw_;                 // what changed since the picture on screen
    bool window_stale_ = false;         // the window lost its pixels (exposed, resized)
    bool check_skips_ = false;
    std::unique_ptr<Canvas> afresh_;    // the whole screen drawn again, only to check repaints
};

}  // namespace plat
