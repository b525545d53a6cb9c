#include "tools/pictures/layouts.h"

#include <stdexcept>

namespace pictures {

Layouts Layouts::read(const std::filesystem::path& art_dir) {
    Layouts layouts;
    for (const TableRow& row : read_table(art_dir / "menu_layout.csv")) layouts.add(kMenuForm, row);
    for (const TableRow& row : read_table(art_dir / "screen_layout.csv")) layouts.add(row.text("form"), row);
    return layouts;
}

void Layouts::add(const std::string& form, const TableRow& row) {
    if (!rects_.emplace(std::pair(form, row.text("control")), row.rect()).second) {
        throw std::runtime_error(row.where() + ": " + form + "." + row.text("control") + " is placed twice");
    }
}

PixelRect Layouts::rect(const std::string& form, const std::string& control) const {
    const auto found = rects_.find({form, control});
    if (found == rects_.end()) throw std::runtime_error("no position for " + form + "." + control + " in the layouts");
    return found->second;
}

}  // namespace pictures
