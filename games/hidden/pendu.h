#pragma once
// The hangman: find the hidden word letter by letter before the seventh
// wrong letter. Words and hints come from datas/11.bin.
#include <optional>
#include <string>

#include "core/alphabet.h"
#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "platform/form.h"

class Pendu : public plat::Form {
public:
    explicit Pendu(Routines& r);

    // Refuses a record of datas/11.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    plat::PictureBox robot{*this, "robot"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kCellules};
    Alphabet clavier;
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label Label1{*this, "Label1"};
    plat::Label label_gain{*this, "label_gain"};
    plat::Label Label2{*this, "Label2"};
    plat::Label Label_essais{*this, "Label_essais"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_pendu{*this, "encore_pendu"};
    plat::Image fin_pendu{*this, "fin_pendu"};

    static constexpr int kCellules = 7;

    // The comment under a found word and under a lost one, after the
    // comment phrase of the turn.
    static std::string texte_victoire(const std::string& commentaire, const std::string& mot,
                                      const std::string& indice, bool indice_achete);
    static std::string texte_defaite(const std::string& commentaire, bool points_perdus, const std::string& indice,
                                     bool indice_achete);

private:
    void Form_Activate();
    void lettre_Click(int index);
    void achat_indice_Click();
    void encore_pendu_Click();
    void fin_pendu_Click();
    void robot_Click();

    void disposer();
    bool lire_mot(bool premier);
    void montrer_tirets();
    void montrer_compteurs();
    void noter(char lettre);
    void regler_si_fini();
    void reveler(char lettre);
    void pulser_compteurs(bool erreur);
    void gagner();
    void perdre();

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    std::string mot_, indice_, masque_;
    int essais_ = 0;
    int gain_ = 0;
    int perte_ = 0;  // what the lost word took
    bool indice_achete_ = false;
};
