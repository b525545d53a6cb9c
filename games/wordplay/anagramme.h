#pragma once
// The anagram: the letters of a word on a row of tiles, to be clicked one by
// one into another word made of the same letters. Puzzles come from
// datas/1.bin.
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "platform/form.h"

class Anagramme : public plat::Form {
public:
    explicit Anagramme(Routines& r);

    // Refuses a record of datas/1.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kTuiles = 8;  // the longest word; slot i + 8 lies under tile i

    // The verdicts, a wrong one before the line of the points it cost.
    static std::string texte_reussite(const std::string& commentaire, const std::string& mot,
                                      const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete);

    plat::PictureBox zorvak{*this, "zorvak"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", 2 * kTuiles};
    plat::Image test{*this, "test"};
    plat::Image effacer{*this, "effacer"};
    plat::Image encore_anagram{*this, "encore_anagram"};
    plat::Image fin_anagramme{*this, "fin_anagramme"};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};

private:
    void Form_Activate();
    void encore_anagram_Click();
    void reponse_Click(int index);
    void effacer_Click();
    void test_Click();
    void achat_indice_Click();
    void zorvak_Click();
    void fin_anagramme_Click();

    void disposer();
    bool lire_enigme(bool premiere);
    void poser_enigme();
    void remettre_les_lettres();
    bool reste_une_tuile();
    void colorer_les_cases();
    void reussir();
    void echouer(int perte);

    int longueur() const { return static_cast<int>(mot_.size()); }

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    std::string mot_, solution_, indice_, ligne_;
    std::string reponse_;  // the answer being built, blanks where no letter is placed yet
    int case_suivante_ = kTuiles;
    bool juge_ = false;
    bool indice_achete_ = false;
};
