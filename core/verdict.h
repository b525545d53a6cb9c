#pragma once
// What the puzzle games share once an answer is judged: a right answer wins
// 5 points, a wrong one costs 2 without taking the score below 0, and the
// lines that tell the player so.
#include <string>

#include "core/routines.h"
#include "platform/controls.h"

inline constexpr int kGainEnigme = 5;
inline constexpr int kPerteErreur = 2;

// The points a wrong answer takes: 2, or all that is left below 2.
int perte_erreur(const EtatPartage& etat);

// The lines under a right answer: the 5 points and the hint the player did
// without, or the 3 points left once the hint was bought.
std::string bilan_reussite(bool indice_achete, const std::string& indice);

// The lines under a wrong answer: the points lost (or none left), then the
// hint, or a reminder that it had been bought.
std::string bilan_erreur(bool points_perdus, bool indice_achete, const std::string& indice);
