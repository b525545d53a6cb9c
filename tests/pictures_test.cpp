// Every picture the game loads has been drawn into the datas folder at its
// size; every rectangle the game cuts from a sprite sheet holds a drawing; the
// frames of each character differ, so that it visibly moves; a frame pasted
// over its screen leaves no seam; the layout tables keep the controls where
// the game needs them.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/pictures/art_table.h"

namespace {

using pictures::PixelRect;
using pictures::read_table;
using pictures::TableRow;

const std::filesystem::path kDatas = std::filesystem::path(LEXIRAMA_BUILD_DIR) / "datas";
const std::filesystem::path kArt = std::filesystem::path(LEXIRAMA_SOURCE_DIR) / "art";

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// A drawing has outlines, fills and their smoothed edges: far more colours
// than a flat or nearly flat patch.
constexpr std::size_t kFewestColoursOfADrawing = 8;

class Picture {
public:
    explicit Picture(const std::string& name)
        : surface_(cairo_image_surface_create_from_png((kDatas / name).c_str()), cairo_surface_destroy) {
        cairo_surface_flush(surface_.get());
    }

    bool loaded() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface_.get()); }
    int height() const { return cairo_image_surface_get_height(surface_.get()); }

    std::uint32_t pixel(int x, int y) const {
        const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                                   static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_.get());
        return reinterpret_cast<const std::uint32_t*>(row)[x];
    }

    std::vector<std::uint32_t> area(PixelRect r) const {
        std::vector<std::uint32_t> pixels;
        for (int y = r.y; y < r.y + r.h; ++y) {
            for (int x = r.x; x < r.x + r.w; ++x) pixels.push_back(pixel(x, y));
        }
        return pixels;
    }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
};

// The picture files of the sheets the game cuts frames from.
const std::map<std::string, std::string> kSheetPictures = {{"anim", "11"}, {"anim2", "12"}, {"anim3", "13"}};

const std::vector<TableRow>& sheet_rects() {
    static const std::vector<TableRow> rows = read_table(kArt / "sheet_rects.csv");
    return rows;
}

// One picture per sheet, opened once for the whole suite.
const Picture& sheet(const std::string& name) {
    static std::map<std::string, Picture> opened;
    return opened.try_emplace(name, kSheetPictures.at(name)).first->second;
}

// The frames of one owner ("guide:pendu", "menu:bouton_pendu", "letters"...), in table order.
std::map<std::string, std::vector<const TableRow*>> frames_by_owner() {
    std::map<std::string, std::vector<const TableRow*>> owners;
    for (const TableRow& cell : sheet_rects()) owners[cell.text("owner")].push_back(&cell);
    return owners;
}

std::vector<std::uint32_t> frame_pixels(const TableRow& cell) { return sheet(cell.text("sheet")).area(cell.rect()); }

std::map<std::string, PixelRect> menu_layout() {
    std::map<std::string, PixelRect> places;
    for (const TableRow& row : read_table(kArt / "menu_layout.csv")) places[row.text("control")] = row.rect();
    return places;
}

PixelRect screen_place(const std::string& form, const std::string& control) {
    for (const TableRow& row : read_table(kArt / "screen_layout.csv")) {
        if (row.text("form") == form && row.text("control") == control) return row.rect();
    }
    ADD_FAILURE() << "art/screen_layout.csv places no " << form << "." << control;
    return {};
}

// Drawing the same frame at two places may round a smoothed edge or a
// gradient differently by a step or two of a channel; no eye sees that.
constexpr int kUnseenChannelStep = 2;

bool look_alike(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            const int step = static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF);
            if (std::abs(step) > kUnseenChannelStep) return false;
        }
    }
    return true;
}

bool overlap(PixelRect a, PixelRect b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool contains(PixelRect r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

TEST(Pictures, EveryBackgroundIsAFullScreenPicture) {
    for (const char* name : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "14", "15", "16", "17", "18", "19",
                             "20", "21", "22"}) {
        SCOPED_TRACE(std::string("picture ") + name);
        const Picture picture(name);
        ASSERT_TRUE(picture.loaded()) << "missing or not a PNG: " << (kDatas / name);
        EXPECT_EQ(picture.width(), kScreenWidth);
        EXPECT_EQ(picture.height(), kScreenHeight);
    }
}

TEST(Pictures, EverySheetHoldsEveryRectangleCutFromIt) {
    for (const auto& [name, file] : kSheetPictures) ASSERT_TRUE(sheet(name).loaded()) << "sheet " << file;
    for (const TableRow& cell : sheet_rects()) {
        const Picture& picture = sheet(cell.text("sheet"));
        const PixelRect r = cell.rect();
        EXPECT_LE(r.x + r.w, picture.width()) << cell.where();
        EXPECT_LE(r.y + r.h, picture.height()) << cell.where();
    }
}

TEST(Pictures, EveryRectangleHoldsADrawing) {
    for (const TableRow& cell : sheet_rects()) {
        const std::vector<std::uint32_t> pixels = frame_pixels(cell);
        const std::set<std::uint32_t> colours(pixels.begin(), pixels.end());
        EXPECT_GE(colours.size(), kFewestColoursOfADrawing)
            << cell.where() << ": " << cell.text("owner") << " frame " << cell.text("frame") << " is nearly flat";
    }
}

TEST(Pictures, EveryCharacterMovesAndEveryLetterHasItsOwnDrawing) {
    for (const auto& [owner, cells] : frames_by_owner()) {
        if (cells.size() < 2) continue;
        std::set<std::vector<std::uint32_t>> different;
        for (const TableRow* cell : cells) different.insert(frame_pixels(*cell));
        if (owner == "letters") {
            EXPECT_EQ(different.size(), cells.size()) << "two letters of the picture code share a drawing";
        } else {
            EXPECT_GT(different.size(), 1u) << owner << ": all its frames are the same picture";
        }
    }
}

// The menu clears a twitch after 300 ms: one of the character's frames must be
// the very drawing of the menu under its picture, and none may show a seam.
TEST(Pictures, OneMenuFrameOfEachCharacterIsTheMenuDrawingItself) {
    const Picture menu("1");
    ASSERT_TRUE(menu.loaded());
    const std::map<std::string, PixelRect> places = menu_layout();
    for (const auto& [owner, cells] : frames_by_owner()) {
        if (owner.rfind("menu:", 0) != 0) continue;
        const std::string control = owner.substr(owner.find(':') + 1);
        ASSERT_TRUE(places.contains(control)) << "art/menu_layout.csv places no " << control;
        const std::vector<std::uint32_t> on_menu = menu.area(places.at(control));
        const bool found = std::any_of(cells.begin(), cells.end(),
                                       [&](const TableRow* cell) { return look_alike(frame_pixels(*cell), on_menu); });
        EXPECT_TRUE(found) << control << ": no frame matches the menu picture under it";
    }
}

// A guide frame covers the guide's picture on its screen: its top corners
// show the screen's own backdrop there, so the rectangle does not stand out.
TEST(Pictures, GuideFramesBlendIntoTheirScreen) {
    const std::map<std::string, std::string> guides = {
        {"pendu", "robot"},       {"lettre_en_trop", "fantome"}, {"anagramme", "zorvak"},
        {"mot_a_trouver", "quorix"}, {"mot_mysterieux", "tete"},  {"codes", "perso"},
        {"familles", "perso"},    {"deux_mots", "ilvaria"},      {"musique", "perso"},
        {"masculin", "tete"},     {"nbre_lettres", "oeil"},      {"unelettre", "crane"},
        {"voyelles", "aigle"},    {"phrase", "tete"},            {"bonneteau", "cage"}};
    std::map<std::string, std::string> picture_of_form;
    for (const TableRow& row : read_table(kArt / "backgrounds.csv")) {
        picture_of_form[row.text("form")] = row.text("picture");
    }
    for (const auto& [owner, cells] : frames_by_owner()) {
        if (owner.rfind("guide:", 0) != 0) continue;
        const std::string form = owner.substr(owner.find(':') + 1);
        const Picture screen(picture_of_form.at(form));
        const PixelRect place = screen_place(form, guides.at(form));
        for (const TableRow* cell : cells) {
            const PixelRect frame = cell->rect();
            ASSERT_EQ(frame.w, place.w) << cell->where();
            ASSERT_EQ(frame.h, place.h) << cell->where();
            const Picture& strip = sheet(cell->text("sheet"));
            for (const int dx : {0, frame.w - 1}) {
                EXPECT_TRUE(look_alike({strip.pixel(frame.x + dx, frame.y)}, {screen.pixel(place.x + dx, place.y)}))
                    << cell->where();
            }
        }
    }
}

// Pointer parked at (250, 240) after every return to the menu: it must not
// land on a character, or the menu would greet the player with a hover.
TEST(MenuLayout, PicturesLeaveTheParkedPointerAloneAndDoNotOverlap) {
    constexpr int kParkX = 250;
    constexpr int kParkY = 240;
    const std::map<std::string, PixelRect> places = menu_layout();
    for (const auto& [control, place] : places) {
        if (control == "label_epreuve") continue;
        EXPECT_FALSE(contains(place, kParkX, kParkY)) << control;
        for (const auto& [other, other_place] : places) {
            if (other == control || other == "label_epreuve") continue;
            EXPECT_FALSE(overlap(place, other_place)) << control << " / " << other;
        }
    }
}

// The grey resting face (105 x 33) must cover the check, erase, again and end
// faces exactly, in the one column where the pointer parks over them.
TEST(ScreenLayout, ButtonFacesStandInTheRightHandColumn) {
    constexpr int kColumnX = 516;
    const std::map<std::string, int> row_of_kind = {{"test", 295}, {"effacer", 343}, {"encore_", 391}, {"fin_", 439}};
    const PixelRect inactif = [] {
        for (const TableRow& cell : sheet_rects()) {
            if (cell.text("owner") == "inactif") return cell.rect();
        }
        return PixelRect{};
    }();
    for (const TableRow& row : read_table(kArt / "screen_layout.csv")) {
        if (row.text("form") == "demande_prenom" || row.text("form") == "titre") continue;
        for (const auto& [kind, y] : row_of_kind) {
            if (row.text("control").rfind(kind, 0) != 0) continue;
            const PixelRect face = row.rect();
            EXPECT_EQ(face.x, kColumnX) << row.where();
            EXPECT_EQ(face.y, y) << row.where();
            EXPECT_EQ(face.w, inactif.w) << row.where();
            EXPECT_EQ(face.h, inactif.h) << row.where();
        }
    }
}

}  // namespace
