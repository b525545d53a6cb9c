#pragma once
// The word families: a memory game of 14 face-down cards holding 7 pairs of
// words that evoke the same idea. The prize starts at 20 points and loses 2
// per failed try; at 0 the game is lost. Words come from datas/5.bin, 14 per
// game.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file_reader.h"
#include "platform/form.h"

class Familles : public plat::Form {
public:
    static constexpr int kCartes = 14;

    explicit Familles(Routines& r);

    // Refuses the words, one record or one word at a time, of datas/5.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    // The verdicts of a try and of a won game, with the prize still to win.
    static std::string texte_paire(const std::string& commentaire, const std::string& mot,
                                   const std::string& autre, int gain);
    static std::string texte_echec(const std::string& commentaire, const std::string& mot,
                                   const std::string& autre, int gain);
    static std::string texte_victoire(const std::string& commentaire, int gain);

    plat::ControlArray<plat::Label> label_carte{*this, "label_carte", kCartes};
    plat::Label commentaire{*this, "commentaire"};
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_familles{*this, "encore_familles"};
    plat::Label fin_familles{*this, "fin_familles"};
    plat::Image perso{*this, "perso"};

    // The card that holds word `mot` (0 to 13) in the current deal.
    int carte_du_mot(int mot) const { return carte_du_mot_[mot]; }

private:
    void Form_Activate();
    void label_carte_Click(int index);
    void encore_familles_Click();
    void perso_Click();
    void fin_familles_Click();

    void disposer();
    bool lire_mots(bool ouverture);
    std::string lire_mot(bool premier_de_paire);
    void donner_cartes();
    void commencer_partie();
    void retourner_seconde(int seconde);
    void montrer_paire(int premiere, int seconde);
    void montrer_echec(int premiere, int seconde);
    void regler_si_finie();
    void montrer(int carte, plat::Couleur couleur, int mot_montre);
    const std::string& mot(int carte) const;
    void gagner();
    void perdre();

    Routines& r_;
    std::optional<LecteurMots> lecteur_;
    std::array<std::string, kCartes> mots_;  // words 2k and 2k+1 form pair k
    std::array<int, kCartes> carte_du_mot_{};
    std::array<int, kCartes> mot_de_carte_{};
    std::array<bool, kCartes> carte_libre_{};  // face down and playable
    std::optional<int> premiere_carte_;        // the card turned first in this try
    bool essai_en_cours_ = false;              // a try's second card until its show ends
    int gain_ = 0;
    int paires_trouvees_ = 0;
    int perte_ = 0;  // what the lost game took
};
