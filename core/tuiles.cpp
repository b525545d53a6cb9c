#include "core/tuiles.h"

#include "core/routines.h"

void ranger_tuiles(plat::ControlArray<plat::Label>& tuiles) {
    for (auto& tuile : tuiles) {
        tuile.set_fore_color(plat::couleurs::blanc);
        tuile.set_visible(false);
    }
}

void poser_lettres(plat::ControlArray<plat::Label>& tuiles, const std::string& mot) {
    const int n = static_cast<int>(mot.size());
    for (int i = 0; i < n && i < tuiles.size(); ++i) {
        plat::Label& tuile = tuiles[i];
        tuile.set_visible(true);
        tuile.set_enabled(true);
        tuile.set_caption(std::string(1, mot[static_cast<std::size_t>(i)]));
    }
    Routines::placer_reponse(n, tuiles);
}
