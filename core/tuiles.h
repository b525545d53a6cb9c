#pragma once
// Letter tiles the player clicks (the anagram, the letter too many): a word
// spelt on a row of answer cells, one letter a tile.
#include <string>

#include "platform/controls.h"

// Every tile hidden, back to the white of a fresh tile.
void ranger_tuiles(plat::ControlArray<plat::Label>& tuiles);

// The letters of the word on the first tiles, shown and clickable, the row
// centred as an answer row.
void poser_lettres(plat::ControlArray<plat::Label>& tuiles, const std::string& mot);
