#pragma once
// Two words make a third: six words on offer; two of them, picked in the
// right order, join into another word. Puzzles come from datas/2.bin.
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "platform/form.h"

class DeuxMots : public plat::Form {
public:
    explicit DeuxMots(Routines& r);

    // Refuses a record of datas/2.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kMots = 6;
    static constexpr int kChampsParEnigme = 9;

    // The verdicts: the comment phrase on the joined word, then the hint line.
    static std::string texte_reussite(const std::string& commentaire, const std::string& mot,
                                      const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& mot,
                                    const std::string& indice, bool indice_achete, bool points_perdus);

    plat::Image ilvaria{*this, "ilvaria"};
    plat::ControlArray<plat::Label> label_mot{*this, "label_mot", kMots};
    plat::Label reponse{*this, "reponse"};
    plat::Label commentaire{*this, "commentaire"};
    plat::Image test{*this, "test"};
    plat::Image effacer{*this, "effacer"};
    plat::Image encore_2mots{*this, "encore_2mots"};
    plat::Label fin_2mots{*this, "fin_2mots"};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};

private:
    void Form_Activate();
    void label_mot_Click(int index);
    void test_Click();
    void effacer_Click();
    void encore_2mots_Click();
    void achat_indice_Click();
    void ilvaria_Click();
    void fin_2mots_Click();

    void disposer();
    bool lire_enigme(bool premiere);
    void lire_champs();
    void choisir_second(plat::Label& mot);
    void choisir_premier(plat::Label& mot);
    void reussir(bool indice_achete);
    void echouer(bool indice_achete, int perte);

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    std::string mot_joint_;   // what the two picks must make, letter for letter
    std::string indice_;
    std::string mot_montre_;  // the same word as it is written, accents included
    std::string reponse_;     // the picks joined so far
    int choix_ = 0;           // words picked: 0, 1 or 2
    bool indice_achete_ = false;
};
