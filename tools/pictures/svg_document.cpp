#include "tools/pictures/svg_document.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pictures {
namespace {

std::string read_text(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(file.string() + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string fill_template(std::string text, const std::filesystem::path& file, const TemplateValues& values) {
    for (const auto& [name, value] : values) {
        const std::string placeholder = "{{" + name + "}}";
        for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
            text.replace(at, placeholder.size(), value);
            at += value.size();
        }
    }
    if (const std::size_t left = text.find("{{"); left != std::string::npos) {
        const std::string placeholder = text.substr(left, text.find("}}", left) - left + 2);
        throw std::runtime_error(file.string() + ": no value for " + placeholder);
    }
    return text;
}

RsvgHandle* parse(const std::filesystem::path& file, const std::string& text) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(text.data()), text.size(), &error);
    if (handle == nullptr) {
        const std::string message = error->message;
        g_error_free(error);
        throw std::runtime_error(file.string() + ": " + message);
    }
    return handle;
}

}  // namespace

SvgDocument::SvgDocument(const std::filesystem::path& file, const TemplateValues& values)
    : file_(file), handle_(parse(file, fill_template(read_text(file), file, values)), g_object_unref) {}

void SvgDocument::draw(Canvas& canvas, PixelRect where, const std::string& layer) const {
    const CairoContext context = canvas.context_clipped_to(where);
    const RsvgRectangle viewport{static_cast<double>(where.x), static_cast<double>(where.y),
                                 static_cast<double>(where.w), static_cast<double>(where.h)};
    GError* error = nullptr;
    const std::string id = "#" + layer;
    const bool drawn =
        layer.empty() ? rsvg_handle_render_document(handle_.get(), context.get(), &viewport, &error)
                      : rsvg_handle_render_layer(handle_.get(), context.get(), id.c_str(), &viewport, &error);
    if (!drawn) {
        const std::string message = error != nullptr ? error->message : "no element with id '" + layer + "'";
        if (error != nullptr) g_error_free(error);
        throw std::runtime_error(file_.string() + ": " + message);
    }
}

SvgLibrary::SvgLibrary(std::filesystem::path art_dir) : art_dir_(std::move(art_dir)) {}

const SvgDocument& SvgLibrary::document(const std::string& relative_path) {
    auto& document = documents_[relative_path];
    if (!document) document = std::make_unique<SvgDocument>(art_dir_ / relative_path);
    return *document;
}

}  // namespace pictures
