#pragma once
// The name screen: a new player spells a first name on the on-screen
// alphabet and confirms it; the stored players are a click away.
#include <functional>
#include <string>

#include "core/alphabet.h"
#include "core/routines.h"
#include "platform/form.h"
#include "shell/regle_prenom.h"

class DemandePrenom : public plat::Form {
public:
    explicit DemandePrenom(Routines& r);

    // Shows the screen for a new player: whether there are stored players to
    // go back to, and what the robot says (Windows-1252; empty: its invitation).
    void ouvrir(bool joueurs_stockes, const std::string& message);

    // The name confirmed (Windows-1252), and the way back to the players.
    std::function<void(const std::string& prenom)> on_prenom;
    std::function<void()> on_retour;

    Alphabet clavier;  // the frame `alphabet` and the 26 buttons `lettre`
    plat::Button espace{*this, "espace"};
    plat::Image effacer{*this, "effacer"};
    plat::Label conserver{*this, "conserver"};
    plat::Label fin_mot{*this, "fin_mot"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", kLongueurPrenomMax};
    plat::Label label_score{*this, "label_score"};
    // Says so when the player file could not be read and was put aside.
    plat::Label avertissement{*this, "avertissement"};

private:
    void Form_Activate();
    void lettre_Click(int index);
    void espace_Click();
    void effacer_Click();
    void conserver_Click();
    void fin_mot_Click();

    void disposer();
    void ajouter_caractere(char c);
    void recommencer_saisie(const std::string& nom_montre);
    // Lays out the first n cells along the board.
    void placer_cellules(int n);
    CasesPrenom cases_montrees() const;

    Routines& r_;
    std::string saisie_;  // the letters typed, blanks elsewhere
    int nb_lettres_ = 0;  // letters typed since the last erase
};
