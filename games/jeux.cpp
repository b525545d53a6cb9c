#include "games/jeux.h"

namespace {
std::vector<FabriqueJeu>& fabriques() {
    static std::vector<FabriqueJeu> toutes;
    return toutes;
}
}  // namespace

bool enregistrer_jeu(FabriqueJeu fabrique) {
    fabriques().push_back(fabrique);
    return true;
}

std::vector<std::unique_ptr<plat::Form>> creer_jeux(Routines& r) {
    std::vector<std::unique_ptr<plat::Form>> jeux;
    for (FabriqueJeu fabrique : fabriques()) jeux.push_back(fabrique(r));
    return jeux;
}
