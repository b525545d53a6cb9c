#include "tools/pictures/canvas.h"

#include <stdexcept>

namespace pictures {
namespace {

constexpr double kChannelMax = 255.0;

double channel(const std::string& colour, std::size_t first_digit) {
    return std::stoi(colour.substr(first_digit, 2), nullptr, 16) / kChannelMax;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy) {
    if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height));
    }
}

int Canvas::width() const { return cairo_image_surface_get_width(surface_.get()); }

int Canvas::height() const { return cairo_image_surface_get_height(surface_.get()); }

CairoContext Canvas::context_clipped_to(PixelRect area) {
    CairoContext context(cairo_create(surface_.get()), cairo_destroy);
    cairo_rectangle(context.get(), area.x, area.y, area.w, area.h);
    cairo_clip(context.get());
    return context;
}

void Canvas::fill(const std::string& colour) {
    if (colour.size() != 7 || colour[0] != '#') throw std::runtime_error("colour '" + colour + "' is not #rrggbb");
    const CairoContext context = context_clipped_to({0, 0, width(), height()});
    cairo_set_source_rgb(context.get(), channel(colour, 1), channel(colour, 3), channel(colour, 5));
    cairo_paint(context.get());
}

void Canvas::copy_area(const Canvas& from, PixelRect area) { copy_area_to(from, area, area); }

void Canvas::copy_area_to(const Canvas& from, PixelRect area, PixelRect to) {
    const CairoContext context = context_clipped_to(to);
    cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(context.get(), from.surface_.get(), to.x - area.x, to.y - area.y);
    cairo_paint(context.get());
}

void Canvas::save_png(const std::filesystem::path& file) const {
    if (cairo_surface_write_to_png(surface_.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(file.string() + ": cannot be written");
    }
}

}  // namespace pictures
