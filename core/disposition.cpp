#include "core/disposition.h"

#include <stdexcept>
#include <string>

#include "disposition_table.h"

namespace disposition {

plat::Rect de(std::string_view form, std::string_view control) {
    for (const Place& p : kTable)
        if (p.form == form && p.control == control) return p.rect;
    throw std::logic_error("art/screen_layout.csv ne place pas " + std::string(form) + "." + std::string(control));
}

}  // namespace disposition
