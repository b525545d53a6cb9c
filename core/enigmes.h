#pragma once
// A game's puzzles, read one after the other from its word file. The file
// opens with the game's screen and is dropped when the menu comes back (one
// word file open at a time). A file that cannot be read, or a puzzle that the
// screen cannot show, closes the game: the menu comes back and says why,
// with the score and the progress left as they were.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "platform/form.h"

class Enigmes {
public:
    // Throws FichierMotsErreur, with the French reason, for a record the
    // screen cannot show.
    using Controle = std::function<void(const Enregistrement&)>;

    // `fichier` is the file's name in the data folder ("13.bin"); `position`
    // is the game's progress counter in the shared state.
    Enigmes(Routines& r, plat::Form& jeu, std::string fichier, FormatEnregistrement format, Valeur& position,
            Controle controle);

    // The screen opens: the finished puzzles are skipped, the current one read.
    // Empty when the game had to close.
    std::optional<Enregistrement> reprendre();
    // The next puzzle, from the top of the file once it has run out.
    std::optional<Enregistrement> suivante();
    // The current puzzle is finished and its verdict moves the score by
    // `points`: both settled and saved at once (Routines::regler); the next
    // opening starts after it.
    void regler(std::int64_t points);

    const std::string& fichier() const { return fichier_; }

private:
    std::optional<Enregistrement> lire(bool ouverture);

    Routines& r_;
    plat::Form& jeu_;
    std::string fichier_;
    FormatEnregistrement format_;
    Valeur& position_;
    Controle controle_;
    std::optional<LecteurMots> lecteur_;
};
