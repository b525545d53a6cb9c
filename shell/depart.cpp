#include "shell/depart.h"

#include "shell/fichier_joueur.h"

Depart::Depart(Routines& r) : plat::Form(r.app, "depart"), r_(r) {
    fin.on_click = [this] { quitter(); };
}

void Depart::quitter() {
    r_.jouer_son("7.ats");
    r_.app.set_fullscreen(false);
    if (r_.etat.prenom_confirme) sauver_joueur(r_);
    r_.fermer_fichiers();
    r_.app.quit();
}
