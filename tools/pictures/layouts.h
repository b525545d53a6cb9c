#pragma once
// Where every control of every screen lies: art/menu_layout.csv for the menu
// and art/screen_layout.csv for the other screens. The form code copies the same
// positions, so what is drawn under a control is where the control is.

#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "tools/pictures/art_table.h"

namespace pictures {

inline constexpr const char* kMenuForm = "depart";

class Layouts {
public:
    static Layouts read(const std::filesystem::path& art_dir);

    // Throws when the form has no such control.
    PixelRect rect(const std::string& form, const std::string& control) const;

private:
    void add(const std::string& form, const TableRow& row);

    std::map<std::pair<std::string, std::string>, PixelRect> rects_;
};

}  // namespace pictures
