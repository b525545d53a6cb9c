#include "platform/controls.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/form.h"

namespace plat {

namespace {
const Couleur kFaceBouton{0xE8D8C8};
const Couleur kBordBouton{0x6A4A2A};
const Couleur kTexteGrise{0x909090};
}  // namespace

Control::Control(Form& form, std::string name, int index) : form_(form), name_(std::move(name)), index_(index) {
    form_.add(this);
}

bool Control::shown() const { return visible_ && (!parent_ || parent_->shown()); }

bool Control::active() const { return enabled_ && (!parent_ || parent_->active()); }

void Control::add_to(Fingerprint& f) const {
    f.add(shown());
    f.add(enabled());
    for (int v : {bounds_.x, bounds_.y, bounds_.w, bounds_.h}) f.add(static_cast<std::uint64_t>(v));
}

void Label::add_to(Fingerprint& f) const {
    Control::add_to(f);
    f.add(caption_);
    for (int v : {style_.size, static_cast<int>(style_.bold), static_cast<int>(style_.color.bgr),
                  static_cast<int>(style_.align), static_cast<int>(style_.wrap), static_cast<int>(back_.bgr),
                  static_cast<int>(opaque_), static_cast<int>(border_), static_cast<int>(hollow_when_empty_),
                  outline_ ? static_cast<int>(outline_->bgr) : -1, min_size_, static_cast<int>(on_capitals_),
                  padding_.left, padding_.top, padding_.right, padding_.bottom})
        f.add(static_cast<std::uint64_t>(v));
}

void Image::add_to(Fingerprint& f) const {
    Control::add_to(f);
    f.add(picture_ ? picture_->id() : 0);
}

void Button::add_to(Fingerprint& f) const {
    Control::add_to(f);
    f.add(caption_);
    f.add(static_cast<std::uint64_t>(font_size_));
    f.add(face_on_background_);
}

void Label::refresh() { form().app().repaint(); }

Rect Label::text_box() const {
    Rect b = bounds();
    return {b.x + padding_.left, b.y + padding_.top, b.w - padding_.left - padding_.right,
            b.h - padding_.top - padding_.bottom};
}

TextStyle Label::shown_style() const {
    TextStyle style = style_;
    Rect t = text_box();
    while (style.size > min_size_ && min_size_ > 0 && !text_fits(caption_, style, t.w, t.h)) --style.size;
    return style;
}

bool Label::caption_fits() const {
    TextStyle style = shown_style();
    Rect t = text_box();
    // Centred on its capitals, a caption may lend its accents' room to the border.
    return text_fits(caption_, style, t.w, on_capitals_ ? kHauteurEcran : t.h);
}

const PicturePtr& Label::rendered() const {
    int w = text_box().w;
    if (caption_ != rendered_caption_ || !(style_ == rendered_style_) || w != rendered_width_) {
        rendered_shown_ = shown_style();
        rendered_ = render_text(caption_, rendered_shown_, w);
        rendered_caption_ = caption_;
        rendered_style_ = style_;
        rendered_width_ = w;
        rendered_outline_.reset();
        if (outline_) {
            TextStyle ring = rendered_shown_;
            ring.color = *outline_;
            rendered_outline_ = render_text(caption_, ring, w);
        }
    }
    return rendered_;
}

int Label::rendered_left() const {
    Rect b = text_box();
    if (style_.wrap || !rendered_) return b.x;
    if (style_.align == Align::center) return b.x + (b.w - rendered_->width()) / 2;
    if (style_.align == Align::right) return b.x + b.w - rendered_->width();
    return b.x;
}

int Label::rendered_top() const {
    Rect t = text_box();
    return t.y + (on_capitals_ ? capitals_centred_top(rendered_shown_, t.h) : 0);
}

void Label::draw(Canvas& canvas) const {
    Rect b = bounds();
    if (hollow_when_empty_ && caption_.empty()) return;
    if (opaque_) canvas.fill(b, back_);
    if (border_) canvas.outline(b, couleurs::noir);
    if (!rendered()) return;
    int x = rendered_left(), y = rendered_top();
    b = text_box();
    if (rendered_outline_) {
        constexpr int kEpaisseur = 2;
        for (int dy = -kEpaisseur; dy <= kEpaisseur; ++dy)
            for (int dx = -kEpaisseur; dx <= kEpaisseur; ++dx)
                if (dx != 0 || dy != 0) canvas.draw(*rendered_outline_, x + dx, y + dy, b);
    }
    canvas.draw(*rendered_, x, y, b);
}

Rect Label::caption_area() const {
    if (!rendered()) return {};
    Rect encre = ink_of(*rendered_);
    return intersection(text_box(), {rendered_left() + encre.x, rendered_top() + encre.y, encre.w, encre.h});
}

Rect Label::covers() const { return opaque_ || border_ ? bounds() : caption_area(); }

void Image::draw(Canvas& canvas) const {
    if (picture_) canvas.draw(*picture_, left(), top(), bounds());
}

Rect Image::covers() const {
    if (!picture_) return {};
    return intersection(bounds(), {left(), top(), picture_->width(), picture_->height()});
}

void Button::draw(Canvas& canvas) const {
    if (face_on_background_) return;
    Rect b = bounds();
    canvas.fill(b, kFaceBouton);
    canvas.outline(b, kBordBouton);
    if (caption_ != rendered_caption_ || enabled() != rendered_enabled_ || !rendered_) {
        TextStyle style{font_size_, true, enabled() ? kBordBouton : kTexteGrise, Align::center, false};
        rendered_ = render_text(caption_, style, b.w);
        rendered_caption_ = caption_;
        rendered_enabled_ = enabled();
    }
    if (rendered_)
        canvas.draw(*rendered_, b.x + (b.w - rendered_->width()) / 2, b.y + (b.h - rendered_->height()) / 2, b);
}

Timer::Timer(Form& form, std::uint32_t interval_ms) : form_(form), interval_(interval_ms) { form_.add(this); }

Timer::~Timer() { form_.remove(this); }

void Timer::set_enabled(bool e) {
    if (e && !enabled_) due_ = form_.app().tick() + interval_;
    enabled_ = e;
}

}  // namespace plat
