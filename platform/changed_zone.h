#pragma once
// What the window was last sent, so that only the part of the canvas that
// changed is scaled onto it again: a character that twitches on the menu
// changes a few thousand pixels of a million.
#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/picture.h"

namespace plat {

class ChangedZone {
public:
    // The zone covers whole squares of this side: a side that 640 × 480 and
    // every usual enlargement (× 1.25, 1.5, 1.6, 2.25…) map to whole pixels,
    // so a zone scaled alone lands exactly where the whole canvas would.
    static constexpr int kCarreau = 40;

    // The squares where the canvas differs from what was sent before (all of
    // it the first time), and remembers the canvas; nothing if it is the same.
    // Only the pixels inside `drawn` are compared: the rest was not drawn again.
    std::optional<Rect> since_last(const Picture& canvas, const Rect& drawn);
    // The window lost its picture: the next canvas is sent whole.
    void forget() { sent_.clear(); }

private:
    std::vector<std::uint32_t> sent_;
};

}  // namespace plat
