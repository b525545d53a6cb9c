// Builds the word files from the word lists of content/, or checks their
// words against the French dictionary.
//
//   build_words LIST.csv OUT.bin                 check LIST and write the file the game reads
//   build_words --dictionnaire FOLDER DICT.dic   look every word of every list up
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>

#include "tools/words/content_file.h"
#include "tools/words/dictionary.h"
#include "tools/words/word_encoder.h"

namespace {

namespace fs = std::filesystem;

constexpr int echec = 1;

bool afficher(const fs::path& csv, const std::vector<Probleme>& problemes) {
    for (const Probleme& probleme : problemes) std::cerr << signaler(csv, probleme) << '\n';
    return problemes.empty();
}

// Written beside and renamed, so that a failed build leaves no half file.
void ecrire(const fs::path& sortie, const std::string& octets) {
    fs::path provisoire = sortie;
    provisoire += ".tmp";
    std::ofstream(provisoire, std::ios::binary) << octets;
    fs::rename(provisoire, sortie);
}

int construire(const fs::path& csv, const fs::path& sortie) {
    const Contenu contenu = lire_contenu(csv);
    if (!afficher(csv, contenu.problemes)) return echec;
    std::vector<Enregistrement> enregistrements;
    for (const Enigme& enigme : contenu.enigmes) enregistrements.push_back(enigme.champs);
    ecrire(sortie, fichier_stocke(enregistrements));
    return 0;
}

std::vector<Probleme> problemes_de_dictionnaire(const Dictionnaire& dictionnaire, const Contenu& contenu) {
    std::vector<Probleme> problemes;
    for (const Enigme& enigme : contenu.enigmes) {
        for (const std::string& texte : enigme.mots)
            for (const std::string& mot : mots_du_texte(texte))
                if (!dictionnaire.connait(mot))
                    problemes.push_back({enigme.ligne, "« " + mot + " » n'est pas dans le dictionnaire"});
        if (contenu.jeu->regle_du_dictionnaire)
            if (auto defaut = contenu.jeu->regle_du_dictionnaire(dictionnaire, enigme))
                problemes.push_back({enigme.ligne, *defaut});
    }
    return problemes;
}

int verifier_dictionnaire(const fs::path& dossier, const fs::path& dic) {
    const Dictionnaire dictionnaire(dic);
    std::vector<fs::path> listes;
    for (const auto& entree : fs::directory_iterator(dossier))
        if (entree.path().extension() == ".csv") listes.push_back(entree.path());
    std::ranges::sort(listes);
    bool propre = true;
    for (const fs::path& csv : listes) {
        const Contenu contenu = lire_contenu(csv);
        std::vector<Probleme> problemes = contenu.problemes;
        if (contenu.jeu) std::ranges::move(problemes_de_dictionnaire(dictionnaire, contenu), std::back_inserter(problemes));
        std::ranges::stable_sort(problemes, {}, &Probleme::ligne);
        propre &= afficher(csv, problemes);
    }
    return propre ? 0 : echec;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        if (arguments.size() == 3 && arguments[0] == "--dictionnaire")
            return verifier_dictionnaire(arguments[1], arguments[2]);
        if (arguments.size() == 2) return construire(arguments[0], arguments[1]);
    } catch (const std::exception& erreur) {
        std::cerr << "build_words: " << erreur.what() << '\n';
        return echec;
    }
    std::cerr << "usage: build_words LIST.csv OUT.bin\n"
                 "       build_words --dictionnaire FOLDER DICT.dic\n";
    return echec;
}
