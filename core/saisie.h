#pragma once
// An answer typed on the on-screen alphabet, one letter after the other,
// with its check and erase buttons. Erasing is offered from the first typed
// letter and checking once the answer is full; while it is full the alphabet
// steps aside and the pointer waits over the check button.
#include <functional>

#include "core/alphabet.h"
#include "core/routines.h"
#include "platform/controls.h"

class Saisie {
public:
    Saisie(Routines& r, Alphabet& clavier, plat::Image& test, plat::Image& effacer);

    // A new answer of `longueur` letters, the first `donnees` of them given:
    // nothing typed yet, neither button offered.
    void commencer(int longueur, int donnees = 0);

    bool pleine() const { return suivante_ >= longueur_; }
    // Where the next typed letter goes.
    int suivante() const { return suivante_; }

    // The caller has just written a letter at suivante().
    void lettre_ecrite();
    // Back to the given letters: `remettre_a_blanc` redraws the answer while
    // the pointer waits at the centre.
    void effacer(const std::function<void()>& remettre_a_blanc);
    // The answer goes to the check: neither button is offered any more.
    void verifier();

private:
    Routines& r_;
    Alphabet& clavier_;
    plat::Image& test_;
    plat::Image& effacer_;
    int longueur_ = 0;
    int donnees_ = 0;
    int suivante_ = 0;
};
