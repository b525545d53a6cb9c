#pragma once
// Everything the builder reads from art/: the layouts and the SVG documents.

#include <filesystem>

#include "tools/pictures/layouts.h"
#include "tools/pictures/svg_document.h"

namespace pictures {

struct ArtSources {
    explicit ArtSources(const std::filesystem::path& art_dir)
        : dir(art_dir), layouts(Layouts::read(art_dir)), library(art_dir) {}

    std::filesystem::path dir;
    Layouts layouts;
    SvgLibrary library;
};

}  // namespace pictures
