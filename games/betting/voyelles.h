#pragma once
// The missing-vowel bet: five of the six vowels A E I O U Y flash by in
// changing orders; the player stakes points on the one that was not shown.
// A right answer wins twice the stake, a wrong one loses it.
#include <string>

#include "core/routines.h"
#include "games/betting/mise.h"
#include "platform/form.h"

class Voyelles : public plat::Form {
public:
    explicit Voyelles(Routines& r);

    static constexpr int kVoyelles = 6;

    // The verdicts on the hidden vowel; a lost stake may leave too few
    // points for the next.
    static std::string texte_gain(const std::string& commentaire, char cachee, int mise);
    static std::string texte_perte(const std::string& commentaire, const std::string& choisie,
                                   const std::string& cachee, int mise, bool plus_de_mise);

    plat::Image aigle{*this, "aigle"};
    plat::Label mot_a_chercher{*this, "mot_a_chercher"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kVoyelles};
    CommandesMise mise;
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_voyelles{*this, "encore_voyelles"};
    plat::Image fin_voyelles{*this, "fin_voyelles"};

private:
    void Form_Activate();
    void encore_voyelles_Click();
    void reponse_Click(int index);
    void aigle_Click();
    void fin_voyelles_Click();

    void disposer();
    void fermer_le_pari();
    void cacher_une_voyelle();
    void montrer_voyelles();
    void melanger_voyelles(const std::string& montrees);
    void offrir_les_six();
    void ouvrir_le_pari();
    void gagner();
    void perdre(int index);
    void clore_le_pari();

    Routines& r_;
    int cachee_ = 0;  // the index of the hidden vowel in AEIOUY
    // Answers count only once the display is over and the stake is free.
    bool reponses_ouvertes_ = false;
};
