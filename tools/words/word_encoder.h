#pragma once
// Writing word files: the reverse of the reader of core/word_file.h.
// Texts are Windows-1252; each record becomes one line ending in CR LF, so the
// file is at its end right after its last record.
#include <string>
#include <string_view>
#include <vector>

#include "core/word_file.h"

// Whether a text may hold this character. Control characters would be stored
// as separators, quotes or skipped blanks; the last four codes (ü ý þ ÿ)
// would go past 255.
bool caractere_stockable(char c);

// Shifts every code up by 4. Throws std::invalid_argument for a character
// that cannot be stored.
std::string encoder(std::string_view texte);

// One field as stored: a text encoded, quoted when its stored form holds a
// comma, is empty, or could be taken for a number; a number in plain digits.
std::string champ_stocke(const Valeur& champ);

// The fields joined by commas, ending in CR LF.
std::string ligne_stockee(const Enregistrement& enregistrement);

std::string fichier_stocke(const std::vector<Enregistrement>& enregistrements);
