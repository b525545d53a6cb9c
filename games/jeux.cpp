#include "games/jeux.h"

#include "games/hidden/pendu.h"

std::vector<std::unique_ptr<plat::Form>> creer_jeux(Routines& r) {
    std::vector<std::unique_ptr<plat::Form>> jeux;
    jeux.push_back(std::make_unique<Pendu>(r));
    return jeux;
}
