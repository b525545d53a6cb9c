#include "platform/redraw_zone.h"

#include <cstdint>

#include "platform/form.h"
#include "platform/tooltip.h"

namespace plat {

namespace {

constexpr Rect kEcran{0, 0, kLargeurEcran, kHauteurEcran};

Fingerprint screen_of(const Form* form) {
    Fingerprint f;
    f.add(reinterpret_cast<std::uintptr_t>(form));
    if (form) f.add(form->background() ? form->background()->id() : 0);
    return f;
}

}  // namespace

std::vector<RedrawZone::Piece> RedrawZone::pieces_of(const Form* form, const Tooltip& tip) {
    std::vector<Piece> pieces;
    if (form) {
        pieces.reserve(form->controls().size() + 1);
        for (const Control* c : form->controls()) {
            Piece p{{}, c->bounds()};
            c->add_to(p.drawn);
            pieces.push_back(p);
        }
    }
    Piece bulle{{}, tip.box()};
    tip.add_to(bulle.drawn);
    pieces.push_back(bulle);
    return pieces;
}

std::optional<Rect> RedrawZone::since_last(const Form* form, const Tooltip& tip) {
    Fingerprint screen = screen_of(form);
    std::vector<Piece> pieces = pieces_of(form, tip);
    const bool whole = !known_ || screen != screen_ || pieces.size() != pieces_.size();
    Rect zone;
    if (!whole)
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (pieces[i].drawn != pieces_[i].drawn) zone = bounding(bounding(zone, pieces_[i].box), pieces[i].box);
    known_ = true;
    screen_ = screen;
    pieces_ = std::move(pieces);
    if (whole) return kEcran;
    zone = intersection(zone, kEcran);
    if (zone.vide()) return std::nullopt;
    return zone;
}

}  // namespace plat
