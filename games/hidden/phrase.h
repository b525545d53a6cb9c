#pragma once
// The sentence with missing letters: three letters are taken out of a
// sentence and shown as X; three attempts to put them back, one letter click
// or one bought letter each. Sentences come from datas/12.bin.
#include <string>

#include "core/alphabet.h"
#include "core/enigmes.h"
#include "core/routines.h"
#include "platform/form.h"

class Phrase : public plat::Form {
public:
    explicit Phrase(Routines& r);

    // Refuses a record of datas/12.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kEssais = 3;

    // The verdicts of a tried letter and of the end of a sentence.
    static std::string texte_lettre(const std::string& commentaire, char lettre, bool juste, int essais);
    static std::string texte_complete(const std::string& eloge, const std::string& manquantes);
    static std::string texte_perdue(const std::string& manquantes);

    plat::PictureBox tete{*this, "tete"};
    plat::Label commentaire{*this, "commentaire"};
    plat::Label phrases{*this, "phrases"};
    Alphabet clavier;
    plat::Label achat_indice{*this, "achat_indice"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_phrase{*this, "encore_phrase"};
    plat::Image fin_phrase{*this, "fin_phrase"};

private:
    void Form_Activate();
    void lettre_Click(int index);
    void achat_indice_Click();
    void encore_phrase_Click();
    void fin_phrase_Click();
    void tete_Click();

    void disposer();
    void offrir_lettre();
    bool poser_phrase(bool ouverture);
    void replacer(char lettre);
    void montrer_phrase(const std::string& texte, plat::Couleur couleur);
    void verifier_phrase(const std::string& eloge);
    void phrase_complete(const std::string& eloge);
    void phrase_perdue();
    std::string lettres_manquantes() const;

    Routines& r_;
    Enigmes enigmes_;
    std::string mot_, mot2_, masque_;
    int essais_ = 0;
    bool finie_ = false;  // a letter was bought, or the sentence is over: nothing more to buy
};
