#include "platform/tooltip.h"

#include <algorithm>

#include "platform/form.h"

namespace plat {

namespace {
const Couleur kFond{0xE1FFFF};  // a pale yellow, as tips are on a desktop
const Couleur kBord{0x505050};
const Couleur kEncre{0x202020};
constexpr int kTaille = 11;
constexpr int kLargeurMax = 280;  // a longer tip wraps
// The margins hold round the letters' ink, not their line boxes, which keep
// room above for accents the text may not have.
constexpr int kMarge = 4;
// The box starts below the arrow's tip, clear of the arrow itself; with no
// room below, it goes above the pointer.
constexpr int kSousLePointeur = 20;
constexpr int kSurLePointeur = 4;
}  // namespace

bool Tooltip::pointer_at(const Control* c, int x, int y, std::uint32_t now) {
    // A shown tip stays while the pointer moves on its control, as on a desktop.
    if (shown() && c == control_) return false;
    bool parti = dismiss();
    if (c && c->live() && !c->tooltip.empty()) {
        control_ = c;
        x_ = x;
        y_ = y;
        due_ = now + kRepos;
    }
    return parti;
}

bool Tooltip::dismiss() {
    bool etait = shown();
    shown_ = false;
    control_ = nullptr;
    texte_.reset();
    return etait;
}

std::optional<std::uint32_t> Tooltip::due() const {
    if (!control_ || shown_) return std::nullopt;
    return due_;
}

bool Tooltip::show_if_due(const Form* visible, std::uint32_t now) {
    if (!control_ || shown_ || now < due_) return false;
    bool encore_la = visible && &control_->form() == visible && visible->control_at(x_, y_) == control_;
    if (encore_la && control_->live())
        texte_ = render_text(control_->tooltip, {kTaille, false, kEncre, Align::left, true}, kLargeurMax);
    if (!texte_) {
        dismiss();
        return false;
    }
    encre_ = ink_of(*texte_);
    box_ = place();
    shown_ = true;
    return true;
}

// A control hidden or disabled under a shown tip takes its tip away with it.
bool Tooltip::shown() const { return shown_ && control_->live(); }

Rect Tooltip::place() const {
    int w = encre_.w + 2 * kMarge;
    int h = encre_.h + 2 * kMarge;
    int y = y_ + kSousLePointeur;
    if (y + h > kHauteurEcran) y = y_ - kSurLePointeur - h;
    return {std::max(0, std::min(x_, kLargeurEcran - w)), std::max(0, std::min(y, kHauteurEcran - h)), w, h};
}

void Tooltip::draw(Canvas& canvas) const {
    if (!shown()) return;
    canvas.fill(box_, kFond);
    canvas.outline(box_, kBord);
    canvas.draw(*texte_, box_.x + kMarge - encre_.x, box_.y + kMarge - encre_.y, box_);
}

void Tooltip::add_to(Fingerprint& f) const {
    f.add(shown());
    if (!shown()) return;
    for (int v : {box_.x, box_.y, box_.w, box_.h}) f.add(static_cast<std::uint64_t>(v));
    f.add(texte_ ? texte_->id() : 0);
}

}  // namespace plat
