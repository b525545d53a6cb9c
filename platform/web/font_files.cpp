#include "platform/font_files.h"

#include "platform/program_folder.h"

namespace plat {

// scripts/web.sh puts them there, picked as fontconfig picks them on the desktop.
FontFiles font_files() {
    const auto polices = program_folder() / "polices";
    return {(polices / "normale.ttf").string(), (polices / "grasse.ttf").string()};
}

}  // namespace plat
