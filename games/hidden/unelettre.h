#pragma once
// One-letter-apart words: two hidden words that differ only in their first
// letter, both given; every letter typed on the alphabet goes into both.
// Puzzles come from datas/14.bin.
#include <string>

#include "core/alphabet.h"
#include "core/enigmes.h"
#include "core/routines.h"
#include "core/saisie.h"
#include "platform/form.h"

class Unelettre : public plat::Form {
public:
    explicit Unelettre(Routines& r);

    // Refuses a record of datas/14.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kMots = 2;
    static constexpr std::size_t kLettresMax = 8;

    // The verdicts, a wrong one before the line of the points it cost.
    static std::string texte_reussite(const std::string& commentaire, const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete);

    plat::PictureBox crane{*this, "crane"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kMots};
    Alphabet clavier;
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image test{*this, "test"};
    plat::Image effacer{*this, "effacer"};
    plat::Image encore_1lettre{*this, "encore_1lettre"};
    plat::Image fin_1lettre{*this, "fin_1lettre"};

private:
    void Form_Activate();
    void lettre_Click(int index);
    void effacer_Click();
    void test_Click();
    void achat_indice_Click();
    void encore_1lettre_Click();
    void fin_1lettre_Click();
    void crane_Click();

    void disposer();
    bool poser_enigme(bool ouverture);
    void montrer_mots(const std::string& premier, const std::string& second, plat::Couleur couleur);
    void montrer_saisie();
    void bonne_reponse();
    void mauvaise_reponse(int perte);

    Routines& r_;
    Enigmes enigmes_;
    Saisie saisie_;
    std::string mot_, mot2_, aide_, indice_;
    std::string tapees_;  // the letters after the first, common to both words
    bool indice_achete_ = false;
};
