#include "tools/pictures/sheets.h"

#include <map>
#include <stdexcept>
#include <vector>

namespace pictures {
namespace {

// A rectangle that is one picture, not one frame of a series.
constexpr const char* kSingleFrame = "-";

std::map<std::string, TableRow> read_owners(const std::filesystem::path& art_dir) {
    std::map<std::string, TableRow> owners;
    for (const TableRow& owner : read_table(art_dir / "sheet_art.csv")) owners.emplace(owner.text("owner"), owner);
    return owners;
}

std::string size_text(PixelRect rect) { return std::to_string(rect.w) + " x " + std::to_string(rect.h); }

// The backdrop of a frame is the scene under the control that shows it.
void paint_backdrop(const ArtSources& art, const Scenes& scenes, const TableRow& owner, const TableRow& cell,
                    Canvas& sheet) {
    const std::string& form = owner.text("backdrop");
    if (form.empty()) return;
    const PixelRect control = art.layouts.rect(form, owner.text("control"));
    const PixelRect where = cell.rect();
    if (control.w != where.w || control.h != where.h) {
        throw std::runtime_error(cell.where() + ": the frame is " + size_text(where) + " but " + form + "." +
                                 owner.text("control") + " is " + size_text(control));
    }
    const auto scene = scenes.find(form);
    if (scene == scenes.end()) throw std::runtime_error(owner.where() + ": no background for form " + form);
    sheet.copy_area_to(scene->second, control, where);
}

void draw_cell(ArtSources& art, const Scenes& scenes, const TableRow& owner, const TableRow& cell, Canvas& sheet) {
    paint_backdrop(art, scenes, owner, cell, sheet);
    const std::string& frame = cell.text("frame");
    const std::string layer = frame == kSingleFrame ? owner.text("layer") : owner.text("layer") + frame;
    art.library.document(owner.text("source")).draw(sheet, cell.rect(), layer);
}

}  // namespace

void draw_sheets(ArtSources& art, const Scenes& scenes, const std::filesystem::path& out_dir) {
    const std::map<std::string, TableRow> owners = read_owners(art.dir);
    const std::vector<TableRow> cells = read_table(art.dir / "sheet_rects.csv");
    for (const TableRow& sheet_row : read_table(art.dir / "sheets.csv")) {
        Canvas sheet(sheet_row.number("width"), sheet_row.number("height"));
        sheet.fill(sheet_row.text("fill"));
        for (const TableRow& cell : cells) {
            if (cell.text("sheet") != sheet_row.text("sheet")) continue;
            const auto owner = owners.find(cell.text("owner"));
            if (owner == owners.end()) {
                throw std::runtime_error(cell.where() + ": no art for " + cell.text("owner"));
            }
            draw_cell(art, scenes, owner->second, cell, sheet);
        }
        sheet.save_png(out_dir / sheet_row.text("picture"));
    }
}

}  // namespace pictures
