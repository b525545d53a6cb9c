#include "core/regles_mots.h"

#include <algorithm>

#include "platform/text.h"

namespace {

std::string de_a(std::size_t min, std::size_t max, std::string_view quoi) {
    const std::string nombre = min == max ? std::to_string(max) : "de " + std::to_string(min) + " à " + std::to_string(max);
    return "il faut " + nombre + " " + std::string(quoi);
}

}  // namespace

void exiger(bool respectee, std::string_view fichier, const std::string& mot, std::string_view regle) {
    if (respectee) return;
    throw FichierMotsErreur(cp1252("Le fichier de mots ") + std::string(fichier) +
                            cp1252(" contient un mot que ce jeu ne peut pas jouer : « ") + mot + cp1252(" » (") +
                            cp1252(regle) + ").");
}

void exiger_mot(std::string_view fichier, const std::string& mot, std::size_t min, std::size_t max) {
    const bool en_capitales = std::all_of(mot.begin(), mot.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    exiger(en_capitales && mot.size() >= min && mot.size() <= max, fichier, mot, de_a(min, max, "lettres de A à Z"));
}

void exiger_montre(std::string_view fichier, const std::string& mot, std::size_t max) {
    exiger(!mot.empty() && mot.size() <= max, fichier, mot, de_a(1, max, "caractères"));
}
