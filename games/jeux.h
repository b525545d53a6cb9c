#pragma once
// The registry of games. Each game registers the maker of its form from its
// own file; the program builds them all at start. The menu then opens a game
// by its form's name, so nothing outside a game includes the game's header.
#include <memory>
#include <vector>

#include "core/routines.h"
#include "platform/form.h"

using FabriqueJeu = std::unique_ptr<plat::Form> (*)(Routines&);

// Called once per game, at static initialisation:
//   const bool enregistre = enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { ... });
bool enregistrer_jeu(FabriqueJeu fabrique);

std::vector<std::unique_ptr<plat::Form>> creer_jeux(Routines& r);
