#include "core/etat.h"

#include <algorithm>

void EtatPartage::fixer_score(std::int64_t points) {
    score = static_cast<std::int32_t>(std::clamp(points, kScoreMinimum, kScoreMaximum));
}

void EtatPartage::ajouter_au_score(std::int64_t points) { fixer_score(std::int64_t{score} + points); }
