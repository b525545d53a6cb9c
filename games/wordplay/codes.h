#pragma once
// The picture code: a hidden word spelled as a row of drawings, one per
// letter, the same drawing always for the same letter; the player picks it
// among four proposals. Puzzles come from datas/3.bin.
#include <array>
#include <string>

#include "core/enigmes.h"
#include "core/routines.h"
#include "platform/form.h"

class Codes : public plat::Form {
public:
    static constexpr int kDessins = 8;
    static constexpr int kPropositions = 4;

    explicit Codes(Routines& r);

    // Refuses a record of datas/3.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    plat::ControlArray<plat::Image> reponse{*this, "reponse", kDessins};
    plat::ControlArray<plat::Label> mot_propose{*this, "mot_propose", kPropositions};
    plat::Label commentaire{*this, "commentaire"};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_codes{*this, "encore_codes"};
    plat::Image fin_codes{*this, "fin_codes"};
    plat::Image perso{*this, "perso"};

    // Where the drawing of a capital letter lies on the sheet `anim`.
    static plat::Rect dessin_de(char lettre);

    // The verdicts: the comment phrase, the word, the puzzle's closing line
    // and a word on the hint.
    static std::string texte_trouve(const std::string& commentaire, const std::string& mot, const std::string& ligne,
                                    const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& mot, const std::string& ligne,
                                    const std::string& indice, bool indice_achete);

private:
    void Form_Activate();
    void mot_propose_Click(int index);
    void achat_indice_Click();
    void encore_codes_Click();
    void perso_Click();
    void fin_codes_Click();

    void disposer();
    void preparer_enigme();
    void poser_enigme(const Enregistrement& e);
    void dessiner_mot();
    void trouver(int index, bool indice_achete);
    void se_tromper(bool indice_achete, int perte);
    void clignoter_mot(int index);

    Routines& r_;
    Enigmes enigmes_;
    std::array<std::string, kPropositions> propositions_;
    int bonne_ = -1;           // the right proposal, none when the record names none
    std::string mot_travail_;  // the hidden word
    std::string ligne_;        // the closing line of the verdict
    std::string indice_;
    bool repondu_ = false;
    bool indice_achete_ = false;  // also set once answered: the hint is no longer sold
};
