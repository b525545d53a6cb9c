#pragma once
// The sprite sheets of art/sheets.csv: every rectangle of art/sheet_rects.csv
// (the very rectangles the game cuts) receives its frame.

#include <filesystem>

#include "tools/pictures/art_sources.h"
#include "tools/pictures/backgrounds.h"

namespace pictures {

void draw_sheets(ArtSources& art, const Scenes& scenes, const std::filesystem::path& out_dir);

}  // namespace pictures
