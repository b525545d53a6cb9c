#pragma once
// The music-note syllable: a word with one syllable missing, a note of the
// scale; the player clicks one of the seven notes. Puzzles come from
// datas/8.bin.
#include <string>
#include <string_view>

#include "core/enigmes.h"
#include "core/routines.h"
#include "platform/form.h"

class Musique : public plat::Form {
public:
    static constexpr int kNotes = 7;

    // The verdicts: the comment phrase, the word the right note makes and a
    // word on the hint.
    static std::string texte_trouve(const std::string& commentaire, const std::string& mot, const std::string& indice,
                                    bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& mot, const std::string& indice,
                                    bool indice_achete, bool points_perdus);

    explicit Musique(Routines& r);

    // Refuses a record of datas/8.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    plat::ControlArray<plat::Image> note{*this, "note", kNotes};  // DO RE MI FA SOL LA SI
    plat::Label commentaire{*this, "commentaire"};
    plat::Label mot_note{*this, "mot_note"};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_musique{*this, "encore_musique"};
    plat::Label fin_musique{*this, "fin_musique"};
    plat::Image perso{*this, "perso"};

private:
    void Form_Activate();
    void note_Click(int index);
    void achat_indice_Click();
    void encore_musique_Click();
    void perso_Click();
    void fin_musique_Click();

    void disposer();
    void preparer_enigme();
    void poser_enigme(const Enregistrement& e);
    void activer_notes(bool actives);
    void trouver(bool indice_achete);
    void se_tromper(int index, bool indice_achete, int perte);

    Routines& r_;
    Enigmes enigmes_;
    std::string mot_;          // the word with its gap, "-"
    std::string mot_travail_;  // the word in full
    std::string indice_;
    int bonne_note_ = 0;
    bool indice_achete_ = false;  // also set once answered: the hint is no longer sold
};
