#pragma once
// The rules a game sets on each word it reads, the ones the build checks on
// its word list: a record breaking one closes the game the way an unreadable
// file does (FichierMotsErreur), with a message naming the file and the word.
// Games check only what their screen needs, so nothing the build accepts is
// refused.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/word_file.h"

// `regle` says, in French (UTF-8), what the word should have been.
void exiger(bool respectee, std::string_view fichier, const std::string& mot, std::string_view regle);

// A word the player types or counts: `min` to `max` capitals A to Z.
void exiger_mot(std::string_view fichier, const std::string& mot, std::size_t min, std::size_t max);

// A word the game only shows, accents and all: 1 to `max` characters.
void exiger_montre(std::string_view fichier, const std::string& mot, std::size_t max);
