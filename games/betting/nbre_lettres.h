#pragma once
// The letter-count bet: the player stakes points on how many letters, or
// how many vowels, the next word of datas/10.bin has; the word is spelled
// out only after the answer. A right count wins twice the stake, a wrong
// one loses it.
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "games/betting/mise.h"
#include "platform/form.h"

class NbreLettres : public plat::Form {
public:
    explicit NbreLettres(Routines& r);

    // Refuses a record of datas/10.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kReponses = 3;

    // The verdicts on the word, its count and the answer picked; a lost
    // stake may leave too few points for the next.
    static std::string texte_gain(const std::string& commentaire, const std::string& mot, bool voyelles, int compte,
                                  int mise);
    static std::string texte_perte(const std::string& commentaire, const std::string& mot, bool voyelles, int compte,
                                   const std::string& reponse, int mise, bool plus_de_mise);

    plat::Image oeil{*this, "oeil"};
    plat::Label mot_a_chercher{*this, "mot_a_chercher"};
    plat::Label commentaire{*this, "commentaire"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kReponses};
    CommandesMise mise;
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_nombre{*this, "encore_nombre"};
    plat::Image fin_nombre{*this, "fin_nombre"};

private:
    void Form_Activate();
    void encore_nombre_Click();
    void reponse_Click(int index);
    void oeil_Click();
    void fin_nombre_Click();

    void disposer();
    void fermer_le_pari();
    void accueillir_sans_mise();
    bool lire_mot(bool premier);
    void annoncer_le_choix();
    void defiler_patience();
    void poser_la_question();
    void ouvrir_le_pari();
    void epeler_le_mot();
    void gagner(int index);
    void perdre(int index);
    void clore_le_pari();

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    std::string mot_;
    bool voyelles_ = false;  // the question counts the vowels, not the letters
    int compte_ = 0;         // the right count
    // Answers count only once the word is chosen and the stake is free.
    bool reponses_ouvertes_ = false;
};
