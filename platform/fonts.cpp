#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <stdexcept>

namespace plat {

namespace {

// Form designs give font sizes in points on a 96 dpi screen.
constexpr unsigned kDpi = 96;

std::string trouver(const char* famille, bool gras) {
    FcPattern* motif = FcNameParse(reinterpret_cast<const FcChar8*>(famille));
    FcPatternAddInteger(motif, FC_WEIGHT, gras ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, motif, FcMatchPattern);
    FcDefaultSubstitute(motif);
    FcResult resultat;
    FcPattern* trouve = FcFontMatch(nullptr, motif, &resultat);
    std::string chemin;
    FcChar8* fichier = nullptr;
    FcChar8* nom = nullptr;
    if (trouve && FcPatternGetString(trouve, FC_FILE, 0, &fichier) == FcResultMatch &&
        FcPatternGetString(trouve, FC_FAMILY, 0, &nom) == FcResultMatch &&
        std::string(reinterpret_cast<char*>(nom)) == famille)
        chemin = reinterpret_cast<char*>(fichier);
    if (trouve) FcPatternDestroy(trouve);
    FcPatternDestroy(motif);
    return chemin;
}

std::string trouver_police(bool gras) {
    for (const char* famille : {"Andika", "DejaVu Sans"}) {
        std::string chemin = trouver(famille, gras);
        if (!chemin.empty()) return chemin;
    }
    throw std::runtime_error("Aucune police trouvée : installez fonts-sil-andika ou fonts-dejavu-core.");
}

}  // namespace

Fonts::Fonts() {
    if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
    fichier_normal_ = trouver_police(false);
    fichier_gras_ = trouver_police(true);
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
