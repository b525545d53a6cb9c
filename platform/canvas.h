#pragma once
// The 640 × 480 drawing surface every form paints on. The window shows it
// scaled; the bench saves it to PNG. Drawing is software only, so a frame
// looks the same on every machine.
#include <string>

#include "platform/geometry.h"
#include "platform/picture.h"

namespace plat {

enum class Align { left, right, center };

struct TextStyle {
    int size = 12;  // points at 96 dpi, as a form design gives font sizes
    bool bold = false;
    Couleur color = couleurs::noir;
    Align align = Align::left;
    bool wrap = true;  // wrap inside the width
    bool operator==(const TextStyle&) const = default;
};

class Canvas {
public:
    Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Drawing changes only the pixels inside this zone (the whole canvas
    // unless told): a repaint draws again only what changed.
    void limit_to(const Rect& zone) { zone_ = zone; }

    void clear(Couleur couleur);
    void fill(const Rect& zone, Couleur couleur);
    void outline(const Rect& zone, Couleur couleur);
    void draw(const Picture& image, int x, int y, const Rect& limite);

    const Picture& picture() const { return image_; }

private:
    Picture image_;
    Rect zone_{0, 0, kLargeurEcran, kHauteurEcran};
};

// Text drawn once into a picture (the caller caches it): Windows-1252 text,
// character 13 breaks the line; lines never break before closing punctuation.
PicturePtr render_text(const std::string& texte_cp1252, const TextStyle& style, int largeur);

// The smallest rectangle of a rendered text that holds all its inked pixels
// (empty when nothing is inked), in the picture's own coordinates.
Rect ink_of(const Picture& rendu);

// Whether the text, laid out as render_text lays it, shows whole in a box of
// that size: every line inside the height, and no word wider than the box
// (wrapping would cut it, a single line would run over the sides).
bool text_fits(const std::string& texte_cp1252, const TextStyle& style, int largeur, int hauteur);

// How far below the top of a box of that height a one-line text starts so
// that its capitals sit in the middle: the font's ascent holds room for
// accents above the capitals, which would otherwise push them low.
int capitals_centred_top(const TextStyle& style, int hauteur);

}  // namespace plat
