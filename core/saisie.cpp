#include "core/saisie.h"

Saisie::Saisie(Routines& r, Alphabet& clavier, plat::Image& test, plat::Image& effacer)
    : r_(r), clavier_(clavier), test_(test), effacer_(effacer) {}

void Saisie::commencer(int longueur, int donnees) {
    longueur_ = longueur;
    donnees_ = donnees;
    suivante_ = donnees;
    r_.rendre_inactif(test_);
    r_.rendre_inactif(effacer_);
}

void Saisie::lettre_ecrite() {
    if (!effacer_.enabled()) Routines::rendre_actif(effacer_);
    ++suivante_;
    if (!pleine()) return;
    clavier_.alphabet.set_visible(false);
    Routines::rendre_actif(test_);
    r_.cacher_pointeur(kSurVerifier);
    r_.montrer_pointeur();
}

void Saisie::effacer(const std::function<void()>& remettre_a_blanc) {
    r_.jouer_son("3.ats");
    r_.cacher_pointeur(kCentre);
    clavier_.alphabet.set_visible(true);
    remettre_a_blanc();
    suivante_ = donnees_;
    r_.rendre_inactif(effacer_);
    r_.rendre_inactif(test_);
    r_.montrer_pointeur();
}

void Saisie::verifier() {
    r_.rendre_inactif(test_);
    r_.rendre_inactif(effacer_);
}
