#pragma once
// How the spelt first name becomes the player's name: what the letter cells
// show, trimmed, each word capitalised, one blank between words.
#include <array>
#include <string>

// The name screen has 13 letter cells.
inline constexpr int kLongueurPrenomMax = 13;

// What each of the 13 cells shows: its one letter, "" when the cell is hidden.
using CasesPrenom = std::array<std::string, kLongueurPrenomMax>;

// `saisie` holds the letters typed, blanks elsewhere (kLongueurPrenomMax
// characters); a shown cell that is not blank fills its place, so that a
// name shown and not retyped counts too. Nothing left gives "Inconnu".
// Every run of blanks becomes one blank: a name typed with blanks in two
// places keeps all of its words.
std::string prenom_confirme(std::string saisie, const CasesPrenom& cases);
