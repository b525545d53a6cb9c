#include "platform/font_files.h"

#include <fontconfig/fontconfig.h>

#include <stdexcept>

namespace plat {

namespace {

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

FontFiles font_files() { return {trouver_police(false), trouver_police(true)}; }

}  // namespace plat
