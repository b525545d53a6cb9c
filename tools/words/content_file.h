#pragma once
// One word list read and checked: its game found from the file name, its
// header, every line through its game's rule, then the rules on the whole file.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/words/content_rules.h"

struct Contenu {
    const Jeu* jeu = nullptr;
    std::vector<Enigme> enigmes;
    std::vector<Probleme> problemes;  // in line order
};

Contenu lire_contenu(const std::filesystem::path& csv);

// "content/11_pendu.csv:12: what is wrong" (no line number for line 0).
std::string signaler(const std::filesystem::path& csv, const Probleme& probleme);
