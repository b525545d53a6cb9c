#pragma once
// Every word file and the rules its game sets on a record: lengths, letter
// sets, how the fields relate, number ranges. One small rule function per
// game turns the columns of a word-list line into the record the game reads.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/word_file.h"
#include "tools/words/content_error.h"

class Dictionnaire;

using Colonnes = std::vector<std::string>;  // one line of a word list, UTF-8

struct Enigme {
    int ligne = 0;
    Colonnes source{};
    Enregistrement champs{};          // as stored, Windows-1252, not yet encoded
    std::string cle{};                // no two puzzles of a file share it ("" = no such rule)
    std::vector<std::string> mots{};  // UTF-8 texts whose words the dictionary must know
};

struct Jeu {
    int numero;                       // of the file N.bin
    std::string_view nom;             // the word list is N_nom.csv
    std::vector<std::string_view> colonnes;
    // Throws ErreurContenu saying what is wrong.
    Enigme (*enigme)(const Colonnes& colonnes);
    std::size_t enigmes_minimum = 1;
    // Rules on the whole file, beyond the count and the keys.
    std::vector<Probleme> (*regles_du_fichier)(const std::vector<Enigme>& enigmes) = nullptr;
    // A rule only the dictionary can check; returns what is wrong.
    std::optional<std::string> (*regle_du_dictionnaire)(const Dictionnaire& dictionnaire,
                                                        const Enigme& enigme) = nullptr;
};

const std::vector<Jeu>& jeux();
