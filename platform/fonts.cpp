#include "platform/fonts.h"

#include <stdexcept>
#include <utility>

#include "platform/font_files.h"

namespace plat {

namespace {

// Form designs give font sizes in points on a 96 dpi screen.
constexpr unsigned kDpi = 96;

}  // namespace

Fonts::Fonts() {
    if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
    FontFiles fichiers = font_files();
    fichier_normal_ = std::move(fichiers.regular);
    fichier_gras_ = std::move(fichiers.bold);
}

Fonts::~Fonts() {
    for (auto& [cle, police] : ouvertes_) TTF_CloseFont(police);
}

TTF_Font* Fonts::font(int taille, bool gras) {
    auto& police = ouvertes_[{taille, gras}];
    if (!police) {
        police = TTF_OpenFontDPI((gras ? fichier_gras_ : fichier_normal_).c_str(), taille, kDpi, kDpi);
        if (!police) throw std::runtime_error(TTF_GetError());
    }
    return police;
}

Fonts& fonts() {
    static Fonts instance;
    return instance;
}

}  // namespace plat
