#include "tools/pictures/backgrounds.h"

#include <sstream>
#include <vector>

namespace pictures {
namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr PixelRect kScreen{0, 0, kScreenWidth, kScreenHeight};

// The layers column lists SVG templates, bottom first; each is filled with the
// record's own columns (title, colours...).
Canvas draw_scene(const TableRow& background, const std::filesystem::path& art_dir) {
    Canvas scene(kScreenWidth, kScreenHeight);
    std::istringstream layers(background.text("layers"));
    for (std::string layer; layers >> layer;) {
        SvgDocument(art_dir / layer, background.cells()).draw(scene, kScreen);
    }
    return scene;
}

void place_drawings(ArtSources& art, const std::string& form, const std::vector<TableRow>& drawings, Canvas& picture) {
    for (const TableRow& drawing : drawings) {
        if (drawing.text("form") != form) continue;
        const PixelRect where = art.layouts.rect(form, drawing.text("control"));
        art.library.document(drawing.text("source")).draw(picture, where, drawing.text("layer"));
    }
}

}  // namespace

Scenes draw_backgrounds(ArtSources& art, const std::filesystem::path& out_dir) {
    const std::vector<TableRow> drawings = read_table(art.dir / "drawings.csv");
    Scenes scenes;
    for (const TableRow& background : read_table(art.dir / "backgrounds.csv")) {
        const std::string& form = background.text("form");
        Canvas scene = draw_scene(background, art.dir);
        Canvas picture(kScreenWidth, kScreenHeight);
        picture.copy_area(scene, kScreen);
        place_drawings(art, form, drawings, picture);
        picture.save_png(out_dir / background.text("picture"));
        scenes.emplace(form, std::move(scene));
    }
    return scenes;
}

}  // namespace pictures
