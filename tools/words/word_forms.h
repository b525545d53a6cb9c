#pragma once
// From a word list, written in UTF-8 as French writes it, to the
// Windows-1252 forms the games show. Each function throws ErreurContenu,
// saying which character is at fault, when the text cannot become that form.
#include <string>
#include <string_view>

#include "tools/words/content_error.h"

// The text as it is, in Windows-1252, every character storable.
std::string texte_stockable(std::string_view utf8_texte);

// The capitals A to Z the player types or counts: accents dropped,
// ligatures spread (« cœur » → COEUR). Letters only.
std::string capitales_a_z(std::string_view utf8_mot);

// The capitals the game only shows: accents kept, ligatures spread
// (« étoile » → ÉTOILE), other characters as they are.
std::string majuscules_affichees(std::string_view utf8_mot);

// "« mot »", a Windows-1252 text quoted in UTF-8 for a message.
std::string cite(std::string_view texte);
