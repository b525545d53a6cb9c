#pragma once
// One game's puzzles: its word file read record after record, resuming where
// the player stopped and starting again at the top when the file runs out.
//
// The progress counter `position_<game>` belongs to the shared state and
// counts the puzzles finished. Reading does not move it; only avancer() and
// the return to the top of the file (which sets it to 0) do. So puzzles
// skipped without being finished come back at the next opening.
//
// The program keeps one word file open at a time, the one of the game on
// screen: the game opens it on activation and it is dropped (the reader
// destroyed) when the menu comes back. The file's bytes are loaded at opening,
// so no system handle stays open meanwhile.
#include <filesystem>

#include "core/valeur.h"
#include "core/word_file.h"

class LecteurMots {
public:
    // `position` is the game's progress counter; it must outlive the reader.
    LecteurMots(FichierMots fichier, FormatEnregistrement format, Valeur& position);
    LecteurMots(const std::filesystem::path& chemin, FormatEnregistrement format, Valeur& position);

    // Opening: drops the finished puzzles from the top of the file, then
    // reads the current one.
    Enregistrement reprendre();
    // Next puzzle: goes back to the top if the file is at its end, then reads.
    Enregistrement suivant();
    // A puzzle is finished (`familles` counts 14 at the end of a game).
    void avancer(int enigmes = 1);

    // For the games that read their record one field at a time.
    // passer_enigmes_finies() is the first half of reprendre(), each puzzle
    // being one record of `format`; revenir_au_debut_si_fini() is the end test
    // they make around their single reads of fichier().
    void passer_enigmes_finies();
    void revenir_au_debut_si_fini();
    FichierMots& fichier() { return fichier_; }

private:
    Enregistrement lire();

    FichierMots fichier_;
    FormatEnregistrement format_;
    Valeur& position_;
};
