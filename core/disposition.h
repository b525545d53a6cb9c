#pragma once
// Where the controls that sit over a drawn background go: the same table
// draws the backgrounds (art/*_layout.csv), so a button always lies on its
// face.
#include <string_view>

#include "platform/geometry.h"

namespace disposition {

struct Place {
    std::string_view form;
    std::string_view control;
    plat::Rect rect;
};

// The rectangle of a control; throws when the table lacks it.
plat::Rect de(std::string_view form, std::string_view control);

}  // namespace disposition
