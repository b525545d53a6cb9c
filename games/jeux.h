#pragma once
// Builds the form of every game. The menu opens a game by its form's name,
// so nothing outside games/ includes a game's header.
#include <memory>
#include <vector>

#include "core/routines.h"
#include "platform/form.h"

std::vector<std::unique_ptr<plat::Form>> creer_jeux(Routines& r);
