#pragma once
// The French hunspell dictionary, asked about the words of the word lists.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

class Dictionnaire {
public:
    // `dic` is the .dic file; its .aff sits beside it.
    explicit Dictionnaire(const std::filesystem::path& dic);
    ~Dictionnaire();

    bool connait(const std::string& mot_utf8) const;

    // What the dictionary says of the word as a noun: one entry per
    // reading, such as "is:fem is:sg" (is:epi for either gender,
    // is:inv for either number). Empty when it knows no such noun.
    std::vector<std::string> lectures_comme_nom(const std::string& mot_utf8) const;

private:
    std::unique_ptr<Hunspell> hunspell_;
};

// The words of a text (UTF-8) as the dictionary takes them: letters joined
// by hyphens and apostrophes (« porte-monnaie », « l'eau »).
std::vector<std::string> mots_du_texte(std::string_view utf8_texte);
