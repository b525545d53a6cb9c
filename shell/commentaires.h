#pragma once
// The comment phrases the games show after an answer, built on the
// player's name once it is confirmed.
#include <array>
#include <string>

#include "core/etat.h"

// Slots 0–6 praise a right answer, 7–13 comment a wrong one, slot 14 stays
// empty. `prenom` and the phrases are Windows-1252.
std::array<std::string, kNbCommentaires> commentaires_pour(const std::string& prenom);
