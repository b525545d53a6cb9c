#pragma once
// The full-screen backgrounds of art/backgrounds.csv.

#include <filesystem>
#include <map>
#include <string>

#include "tools/pictures/art_sources.h"
#include "tools/pictures/canvas.h"

namespace pictures {

// A form's scene: its background before the drawings of art/drawings.csv are
// placed on it. Frames shown over a control are painted on the scene under that
// control, so that pasting one over the background leaves no seam.
using Scenes = std::map<std::string, Canvas>;

// Writes every background into `out_dir` and returns the scenes, by form.
Scenes draw_backgrounds(ArtSources& art, const std::filesystem::path& out_dir);

}  // namespace pictures
