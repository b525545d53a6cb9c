#include "core/word_file_reader.h"

#include <cstdint>
#include <utility>

LecteurMots::LecteurMots(FichierMots fichier, FormatEnregistrement format, Valeur& position)
    : fichier_(std::move(fichier)), format_(std::move(format)), position_(position) {}

LecteurMots::LecteurMots(const std::filesystem::path& chemin, FormatEnregistrement format, Valeur& position)
    : LecteurMots(FichierMots::ouvrir(chemin), std::move(format), position) {}

Enregistrement LecteurMots::reprendre() {
    passer_enigmes_finies();
    // No end test here: the skip never stops at the end, it goes back to the top.
    return lire();
}

Enregistrement LecteurMots::suivant() {
    revenir_au_debut_si_fini();
    return lire();
}

Enregistrement LecteurMots::lire() {
    Enregistrement enregistrement = fichier_.lire(format_);
    fichier_.refuser_si_coupe();
    return enregistrement;
}

void LecteurMots::avancer(int enigmes) { position_ = Valeur(position_.nombre() + enigmes); }

void LecteurMots::passer_enigmes_finies() {
    fichier_.rembobiner();
    // The count is taken once: going back to the top resets the counter, not the count.
    std::int32_t a_passer = position_.nombre();
    std::int32_t passees = 0;
    while (a_passer > 0) {
        fichier_.lire(format_);
        --a_passer;
        ++passees;
        if (fichier_.fin()) {
            revenir_au_debut_si_fini();
            // A damaged player file may ask for millions of records: once the
            // whole file has been read, full turns of it change nothing.
            a_passer %= passees;
        }
    }
}

void LecteurMots::revenir_au_debut_si_fini() {
    if (!fichier_.fin()) return;
    fichier_.rembobiner();
    position_ = Valeur(0);
}
