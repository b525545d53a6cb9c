#pragma once
// A control's tooltip, shown as a desktop shows one: once the pointer has
// rested a moment on a live control that has one, a small box just below the
// pointer, over everything else; gone as soon as the pointer leaves the
// control, a button is pressed or the screen changes.
#include <cstdint>
#include <optional>

#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/fingerprint.h"
#include "platform/geometry.h"
#include "platform/picture.h"

namespace plat {

class Form;

class Tooltip {
public:
    static constexpr std::uint32_t kRepos = 700;  // how long the pointer rests before it shows

    // The pointer is at (x, y), over c (nullptr: over the background).
    // True when a shown tip went away.
    bool pointer_at(const Control* c, int x, int y, std::uint32_t now);
    // Hides it until the pointer moves again. True when a shown tip went away.
    bool dismiss();

    // When the tip waiting for the pointer to rest shows; none when no tip waits.
    std::optional<std::uint32_t> due() const;
    // Shows the waiting tip once its time has come, if its control is still
    // live under the pointer on the visible form. True when it appeared.
    bool show_if_due(const Form* visible, std::uint32_t now);

    bool shown() const;
    // Where the box is drawn, whole inside the picture.
    Rect box() const { return box_; }
    void draw(Canvas& canvas) const;
    void add_to(Fingerprint& f) const;

private:
    Rect place() const;

    const Control* control_ = nullptr;
    int x_ = 0, y_ = 0;
    std::uint32_t due_ = 0;
    bool shown_ = false;
    PicturePtr texte_;
    Rect encre_;  // where the letters are inked in texte_
    Rect box_;
};

}  // namespace plat
