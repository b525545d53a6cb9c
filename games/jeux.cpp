#include "games/jeux.h"

std::vector<std::unique_ptr<plat::Form>> creer_jeux(Routines&) {
    std::vector<std::unique_ptr<plat::Form>> jeux;
    return jeux;
}
