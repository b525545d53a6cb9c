#pragma once
// The mystery word: the letters of a short hidden word are proposed one at
// a time in a random order, and the player clicks the cell where each one
// belongs. Words come from datas/9.bin.
#include <string>

#include "core/enigmes.h"
#include "core/routines.h"
#include "platform/form.h"

class MotMysterieux : public plat::Form {
public:
    explicit MotMysterieux(Routines& r);

    // Refuses a record of datas/9.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kCellules = 5;
    static constexpr int kProposition = 5;  // the label above the cells

    // The instructions over a new word, and the verdicts (a wrong one before
    // the line of the points it cost).
    static std::string texte_ouverture(int longueur, const std::string& aide);
    static std::string texte_reussite(const std::string& commentaire, const std::string& mot,
                                      const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete);

    plat::Image tete{*this, "tete"};
    plat::Label commentaire{*this, "commentaire"};
    plat::Label question{*this, "question"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kCellules + 1};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_mystere{*this, "encore_mystere"};
    plat::Image fin_mystere{*this, "fin_mystere"};

private:
    void Form_Activate();
    void reponse_Click(int index);
    void achat_indice_Click();
    void encore_mystere_Click();
    void fin_mystere_Click();
    void tete_Click();

    void disposer();
    void vider_cellules();
    void preparer_nouveau_mot();
    bool poser_mot(bool ouverture);
    void tirer_ordre();
    void proposer(int numero);
    int longueur() const { return static_cast<int>(mot_.size()); }
    void juger();
    void bonne_reponse();
    void mauvaise_reponse(int perte);

    Routines& r_;
    Enigmes enigmes_;
    std::string mot_, aide_, indice_, masque_;
    int placees_ = 0;
    bool indice_achete_ = false;
};
