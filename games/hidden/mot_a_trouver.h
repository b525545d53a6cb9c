#pragma once
// The word from its definition: the player spells the hidden word on the
// alphabet, may erase it and start again, then asks for the check. Words,
// definitions and hints come from datas/13.bin.
#include <string>

#include "core/alphabet.h"
#include "core/enigmes.h"
#include "core/routines.h"
#include "core/saisie.h"
#include "platform/form.h"

class MotATrouver : public plat::Form {
public:
    explicit MotATrouver(Routines& r);

    // Refuses a record of datas/13.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kCellules = 9;

    // The verdicts, a wrong one before the line of the points it cost.
    static std::string texte_reussite(const std::string& commentaire, const std::string& mot,
                                      const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete);

    plat::PictureBox quorix{*this, "quorix"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kCellules};
    Alphabet clavier;
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image test{*this, "test"};
    plat::Image effacer{*this, "effacer"};
    plat::Image encore_mot{*this, "encore_mot"};
    plat::Label fin_mot{*this, "fin_mot"};

private:
    void Form_Activate();
    void lettre_Click(int index);
    void effacer_Click();
    void test_Click();
    void achat_indice_Click();
    void encore_mot_Click();
    void fin_mot_Click();
    void quorix_Click();

    void disposer();
    void vider_cellules();
    bool poser_enigme(bool ouverture);
    void bonne_reponse();
    void mauvaise_reponse(int perte);

    Routines& r_;
    Enigmes enigmes_;
    Saisie saisie_;
    std::string mot_, indice_, masque_;
    bool indice_achete_ = false;
};
