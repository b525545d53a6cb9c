#pragma once
// The gender and number bet: the player stakes points on whether the next
// word of datas/7.bin, still hidden, is masculine or feminine (or singular
// or plural); only then is it spelled out. A right guess wins twice the
// stake, a wrong one loses it.
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "games/betting/mise.h"
#include "platform/form.h"

class Masculin : public plat::Form {
public:
    explicit Masculin(Routines& r);

    // Refuses a record of datas/7.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    // The verdicts on the word and the answer picked; a lost stake may leave
    // too few points for the next.
    static std::string texte_gain(const std::string& commentaire, const std::string& mot, const std::string& reponse,
                                  int mise);
    static std::string texte_perte(const std::string& commentaire, const std::string& mot, const std::string& reponse,
                                   int mise, bool plus_de_mise);

    plat::Image tete{*this, "tete"};
    plat::Label mot_a_chercher{*this, "mot_a_chercher"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse1{*this, "reponse1", 2};
    CommandesMise mise;
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_masculin{*this, "encore_masculin"};
    plat::Image fin_masculin{*this, "fin_masculin"};

private:
    void Form_Activate();
    void encore_masculin_Click();
    void reponse1_Click(int index);
    void tete_Click();
    void fin_masculin_Click();

    void disposer();
    void fermer_le_pari();
    void accueillir_sans_mise();
    bool lire_mot(bool premier);
    void defiler_patience();
    void poser_la_question();
    void ouvrir_le_pari();
    void epeler_le_mot();
    void gagner(int index);
    void perdre(int index);
    void clore_le_pari();

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    // The record: the question (0 asks the gender), the word, the right answer.
    int cas_ = 0;
    std::string mot_;
    int bonne_reponse_ = 0;
    // Answers count only once the word is chosen and the stake is free.
    bool reponses_ouvertes_ = false;
};
