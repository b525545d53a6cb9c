// build_pictures ART_DIR OUT_DIR: rasterises the SVG art into the pictures the
// game loads, "1" to "22" (no extension): backgrounds first, then the sprite
// sheets, whose frames are painted over the backgrounds' scenes.

#include <exception>
#include <filesystem>
#include <iostream>

#include "tools/pictures/art_sources.h"
#include "tools/pictures/backgrounds.h"
#include "tools/pictures/sheets.h"

int main(int argc, char** argv) {
    using namespace pictures;
    if (argc != 3) {
        std::cerr << "usage: build_pictures ART_DIR OUT_DIR\n";
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[2]);
        ArtSources art(argv[1]);
        const Scenes scenes = draw_backgrounds(art, argv[2]);
        draw_sheets(art, scenes, argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "build_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
