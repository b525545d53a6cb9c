#pragma once
// The controls a form is built from, as a form design places them: labels,
// pictures, buttons, frames and timers. A control belongs to one form and
// registers itself there in drawing order; repeated controls form a
// ControlArray and their handlers receive the index.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/canvas.h"
#include "platform/fingerprint.h"
#include "platform/geometry.h"
#include "platform/picture.h"

namespace plat {

class Form;

class Control {
public:
    Control(Form& form, std::string name, int index = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Form& form() const { return form_; }

    Rect bounds() const { return bounds_; }
    void place(int x, int y, int w, int h) { bounds_ = {x, y, w, h}; }
    int left() const { return bounds_.x; }
    void set_left(int x) { bounds_.x = x; }
    int top() const { return bounds_.y; }
    void set_top(int y) { bounds_.y = y; }

    bool visible() const { return visible_; }
    void set_visible(bool v) { visible_ = v; }
    bool enabled() const { return enabled_; }
    void set_enabled(bool e) { enabled_ = e; }
    // Shown on screen: visible itself and inside a visible frame.
    bool shown() const;
    // Enabled itself and inside an enabled frame.
    bool active() const;
    // Receives the mouse: shown and active.
    bool live() const { return shown() && active(); }

    // A frame hides and disables what lies inside it.
    void put_in(const Control& frame) { parent_ = &frame; }

    std::string tag;
    std::string tooltip;

    std::function<void()> on_click;
    std::function<void()> on_mouse_move;
    std::function<void(int button)> on_mouse_down;

    virtual void draw(Canvas& canvas) const = 0;
    // Adds to `f` everything draw() reads, so that a change shows as a new
    // fingerprint.
    virtual void add_to(Fingerprint& f) const;
    // The part of its box the control paints over, hiding what lies below.
    virtual Rect covers() const { return bounds(); }
    // Frames only group others; they never take the mouse themselves.
    virtual bool takes_mouse() const { return true; }

private:
    Form& form_;
    std::string name_;
    int index_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    const Control* parent_ = nullptr;
};

// Mouse buttons as MouseDown reports them.
inline constexpr int kBoutonGauche = 1;
inline constexpr int kBoutonDroit = 2;
inline constexpr int kBoutonMilieu = 4;

class Label : public Control {
public:
    using Control::Control;

    const std::string& caption() const { return caption_; }
    void set_caption(std::string text) { caption_ = std::move(text); }
    int font_size() const { return style_.size; }
    void set_font_size(int points) { style_.size = points; }
    void set_bold(bool b) { style_.bold = b; }
    Couleur fore_color() const { return style_.color; }
    void set_fore_color(Couleur c) { style_.color = c; }
    void set_alignment(Align a) { style_.align = a; }
    void set_word_wrap(bool w) { style_.wrap = w; }
    // A label is transparent unless it is given a back colour.
    void set_back_color(Couleur c) { back_ = c; opaque_ = true; }
    void set_border(bool b) { border_ = b; }
    // With no caption, neither back nor border is drawn: what the background
    // shows there (the back of a card, a hat) stands for the hidden word.
    void set_hollow_when_empty(bool h) { hollow_when_empty_ = h; }
    // The letters are ringed with this colour, so that any ink reads on any
    // ground (a light green on cream).
    void set_outline(Couleur c) { outline_ = c; }
    // A caption too long for its box is drawn smaller, down to this size,
    // rather than lose a line; 0 keeps the font size whatever comes.
    void set_min_font_size(int points) { min_size_ = points; }
    // A one-line caption (the letter of a cell or a tile) sits with its
    // capitals in the middle of the box rather than at the top.
    void set_centred_on_capitals(bool c) { on_capitals_ = c; }
    // The caption keeps this far from each side: room for a picture laid on
    // the label's own back.
    void set_padding(int left, int top, int right, int bottom) { padding_ = {left, top, right, bottom}; }

    // The style the caption is drawn in: its own, or shrunk until it fits.
    TextStyle shown_style() const;
    // The caption shows whole: every line inside the box, no word cut.
    bool caption_fits() const;
    // Where the caption's letters are drawn: the inked part of the box.
    Rect caption_area() const;

    // Repaints the whole screen at once, as a label's Refresh does.
    void refresh();

    void draw(Canvas& canvas) const override;
    void add_to(Fingerprint& f) const override;
    Rect covers() const override;

private:
    // The caption drawn in its shown style, rendered again only when caption,
    // style or width changed.
    const PicturePtr& rendered() const;
    // The part of the box the caption is laid out in.
    Rect text_box() const;
    // Where the rendered caption's top-left corner goes.
    int rendered_left() const;
    int rendered_top() const;

    std::string caption_;
    TextStyle style_;
    Couleur back_{};
    bool opaque_ = false;
    bool border_ = false;
    bool hollow_when_empty_ = false;
    std::optional<Couleur> outline_;
    int min_size_ = 0;
    bool on_capitals_ = false;
    struct Padding {
        int left = 0, top = 0, right = 0, bottom = 0;
    } padding_;
    // Rendered text, kept until caption, style or width change.
    mutable PicturePtr rendered_;
    mutable std::string rendered_caption_;
    mutable TextStyle rendered_style_;
    mutable TextStyle rendered_shown_;
    mutable int rendered_width_ = -1;
    mutable PicturePtr rendered_outline_;
};

// An image or picture-box control: shows its picture from its top-left
// corner; with no picture it is transparent and the background shows through.
class Image : public Control {
public:
    using Control::Control;
    const PicturePtr& picture() const { return picture_; }
    void set_picture(PicturePtr p) { picture_ = std::move(p); }
    void clear_picture() { picture_.reset(); }
    void draw(Canvas& canvas) const override;
    void add_to(Fingerprint& f) const override;
    Rect covers() const override;

private:
    PicturePtr picture_;
};
using PictureBox = Image;

class Button : public Control {
public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void set_caption(std::string text) { caption_ = std::move(text); }
    void set_font_size(int points) { font_size_ = points; }
    // Its face, caption included, is drawn on the background: the button
    // itself only takes the clicks.
    void set_face_on_background(bool b) { face_on_background_ = b; }
    void draw(Canvas& canvas) const override;
    void add_to(Fingerprint& f) const override;

private:
    std::string caption_;
    int font_size_ = 12;
    bool face_on_background_ = false;
    mutable PicturePtr rendered_;
    mutable std::string rendered_caption_;
    mutable bool rendered_enabled_ = true;
};

class Frame : public Control {
public:
    using Control::Control;
    void draw(Canvas&) const override {}
    Rect covers() const override { return {}; }
    bool takes_mouse() const override { return false; }
};

// Fires on_tick every interval while enabled, on the interface thread, from
// the event loop and from inside waits that service events.
class Timer {
public:
    explicit Timer(Form& form, std::uint32_t interval_ms = 0);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    void set_enabled(bool e);
    std::uint32_t interval() const { return interval_; }
    void set_interval(std::uint32_t ms) { interval_ = ms; }
    // The next `ticks` ticks do not come: the program sleeps through them.
    // Disabling the timer forgets it.
    void skip(int ticks) { due_ += static_cast<std::uint32_t>(ticks) * interval_; }

    std::function<void()> on_tick;

    Form& form() const { return form_; }
    // Called by the application's loop.
    std::uint32_t due() const { return due_; }
    // Waiting for its next tick: enabled and not inside its own handler.
    bool pending() const { return enabled_ && !running_ && interval_ > 0; }
    bool due_at(std::uint32_t now) const { return pending() && now >= due_; }

private:
    // The application runs a due tick between these two: a tick never runs
    // inside its own handler, since a wait inside it would start it again.
    friend class Application;
    void begin_tick(std::uint32_t now) {
        due_ = now + interval_;
        running_ = true;
    }
    void end_tick() { running_ = false; }

    Form& form_;
    std::uint32_t interval_;
    bool enabled_ = false;
    bool running_ = false;
    std::uint32_t due_ = 0;
};

// Controls that repeat: built once, indexed from 0, handlers get the index.
template <class C>
class ControlArray {
public:
    ControlArray(Form& form, const std::string& name, int count) {
        for (int i = 0; i < count; ++i) items_.emplace_back(form, name, i);
    }
    C& operator[](int i) { return items_.at(static_cast<std::size_t>(i)); }
    const C& operator[](int i) const { return items_.at(static_cast<std::size_t>(i)); }
    int size() const { return static_cast<int>(items_.size()); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

    void on_click(std::function<void(int)> handler) {
        for (auto& c : items_) c.on_click = [handler, i = c.index()] { handler(i); };
    }
    void on_mouse_move(std::function<void(int)> handler) {
        for (auto& c : items_) c.on_mouse_move = [handler, i = c.index()] { handler(i); };
    }
    void on_mouse_down(std::function<void(int, int)> handler) {
        for (auto& c : items_) c.on_mouse_down = [handler, i = c.index()](int b) { handler(i, b); };
    }

private:
    std::deque<C> items_;  // a deque never moves its elements: the form keeps pointers
};

}  // namespace plat
