#pragma once
// A picture being composed: an ARGB cairo surface that can be painted on,
// copied from pixel for pixel, and written as PNG.

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tools/pictures/art_table.h"

namespace pictures {

using CairoContext = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

class Canvas {
public:
    Canvas(int width, int height);
    Canvas(Canvas&&) = default;
    Canvas& operator=(Canvas&&) = default;

    int width() const;
    int height() const;

    // A drawing context clipped to `area`, so nothing spills onto a neighbour.
    CairoContext context_clipped_to(PixelRect area);
    // Fills everything with a colour written as "#rrggbb".
    void fill(const std::string& colour);
    // Copies the pixels of `from` inside `area` to the same place on this canvas.
    void copy_area(const Canvas& from, PixelRect area);
    // Copies the pixels of `from` inside `area` to `to` (same size) on this canvas.
    void copy_area_to(const Canvas& from, PixelRect area, PixelRect to);
    void save_png(const std::filesystem::path& file) const;

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
};

}  // namespace pictures
