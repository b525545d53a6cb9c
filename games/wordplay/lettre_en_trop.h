#pragma once
// The letter too many: a word shown on letter tiles, one of its letters too
// many; one click to find it. Puzzles come from datas/6.bin.
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "platform/form.h"

class LettreEnTrop : public plat::Form {
public:
    explicit LettreEnTrop(Routines& r);

    // Refuses a record of datas/6.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kTuiles = 9;  // the longest word

    // The verdicts, after the comment phrase of the turn.
    static std::string texte_reussite(const std::string& commentaire, const std::string& sans_lettre,
                                      const std::string& indice, bool indice_achete);
    static std::string texte_erreur(const std::string& commentaire, const std::string& sans_lettre,
                                    const std::string& indice, bool indice_achete, bool points_perdus);

    plat::Image fantome{*this, "fantome"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kTuiles};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_lettre{*this, "encore_lettre"};
    plat::Image fin_lettre{*this, "fin_lettre"};

private:
    void Form_Activate();
    void encore_lettre_Click();
    void reponse_Click(int index);
    void achat_indice_Click();
    void fantome_Click();
    void fin_lettre_Click();

    void disposer();
    bool lire_enigme(bool premiere);
    void poser_enigme();
    void trouver(bool indice_achete);
    void se_tromper(int index, bool indice_achete, int perte);
    void montrer_la_bonne_lettre();

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    std::string mot_, sans_lettre_, indice_, ligne_;
    int lettre_en_trop_ = 0;  // the tile to click, counted from 0
    bool repondu_ = false;
    bool indice_achete_ = false;
};
