#pragma once
// One SVG source of art/, rasterised with librsvg. A character keeps all its
// frames in one document as groups ("frame0", "frame1", ...) drawn over the same
// viewBox, so that any one of them can be drawn alone at the same place.

#include <librsvg/rsvg.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "tools/pictures/art_table.h"
#include "tools/pictures/canvas.h"

namespace pictures {

// Words written {{name}} in a template, and what replaces them.
using TemplateValues = std::map<std::string, std::string>;

class SvgDocument {
public:
    explicit SvgDocument(const std::filesystem::path& file, const TemplateValues& values = {});

    // Draws the whole document (empty `layer`) or only the element with that id,
    // fitting the document's viewBox into `where`.
    void draw(Canvas& canvas, PixelRect where, const std::string& layer = {}) const;

private:
    std::filesystem::path file_;
    std::unique_ptr<RsvgHandle, decltype(&g_object_unref)> handle_;
};

// Every plain (non-template) document is parsed once.
class SvgLibrary {
public:
    explicit SvgLibrary(std::filesystem::path art_dir);

    const SvgDocument& document(const std::string& relative_path);

private:
    std::filesystem::path art_dir_;
    std::map<std::string, std::unique_ptr<SvgDocument>> documents_;
};

}  // namespace pictures
