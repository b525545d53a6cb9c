#pragma once
// The stake board of the betting screens: the amount between a − and a +
// button, and the gains line beside it. The board lies on a face drawn on
// the background; the rules live in RegleMise, this class shows them.
#include "core/routines.h"
#include "games/betting/regle_mise.h"
#include "platform/controls.h"
#include "platform/form.h"

// While the stake is locked, three games grey − and + out; the shell game
// leaves them as they are, without effect, and greys them only when the
// player comes in without the points to bet.
enum class BoutonsBloques { grises, inertes };

class CommandesMise {
public:
    CommandesMise(plat::Form& form, Routines& r, BoutonsBloques boutons_bloques);

    plat::Label label_mise;
    plat::Image moins;
    plat::Image plus;
    plat::Label gains;

    // The states of the board (see RegleMise).
    void preparer();
    void ouvrir();
    void bloquer();
    void interdire(SansMise quand);

    int mise() const { return regle_.mise(); }
    EtatMise etat() const { return regle_.etat(); }

private:
    void disposer();
    void label_mise_MouseDown(int bouton);
    void plus_MouseDown(int bouton);
    void moins_MouseDown(int bouton);
    // A press that counted: the coin sound and the new amounts.
    void apres_pression(bool comptee);
    void montrer();
    void activer_boutons(bool actifs);

    Routines& r_;
    BoutonsBloques boutons_bloques_;
    RegleMise regle_;
};
