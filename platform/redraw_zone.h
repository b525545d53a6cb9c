#pragma once
// What a repaint must draw again: the boxes of the controls whose drawing
// changed since the last repaint, before and after the change. A character
// that twitches on the menu is a few thousand pixels of a screen of three
// hundred thousand; drawing and comparing only those keeps the idle menu
// cheap.
#include <optional>
#include <vector>

#include "platform/fingerprint.h"
#include "platform/geometry.h"

namespace plat {

class Form;
class Tooltip;

class RedrawZone {
public:
    // The part of the screen to draw again for this form and the tip over
    // it: the whole screen for another form, another background, the first
    // time or after forget(); nothing when nothing changed.
    std::optional<Rect> since_last(const Form* form, const Tooltip& tip);
    // The picture shown is lost or unknown: the next repaint draws it all.
    void forget() { known_ = false; }

private:
    struct Piece {
        Fingerprint drawn;  // everything the piece is drawn from
        Rect box;           // where it draws
    };
    static std::vector<Piece> pieces_of(const Form* form, const Tooltip& tip);

    bool known_ = false;
    Fingerprint screen_;  // the form and its background
    std::vector<Piece> pieces_;
};

}  // namespace plat
