#pragma once
// A word list as written: UTF-8 CSV, a header line, then one record per line.
// Fields are separated by commas; a field holding a comma or a double quote
// is quoted, its quotes doubled, as spreadsheets write them; blanks around a
// field are dropped.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tools/words/content_error.h"

struct LigneSource {
    int numero;                       // line number in the file, from 1
    std::vector<std::string> champs;  // UTF-8
};

struct Source {
    std::vector<std::string> entete;
    std::vector<LigneSource> lignes;
    std::vector<Probleme> problemes;  // lines that could not be split
};

Source lire_source(const std::filesystem::path& chemin);

// One line split into its fields; throws ErreurContenu on a broken quote.
std::vector<std::string> champs_csv(std::string_view ligne);
