#include "games/betting/mise.h"

#include <utility>

#include "core/ecran_de_jeu.h"

namespace {
constexpr int kTailleMontant = 18;
constexpr int kTailleGains = 11;
// The amount sits between the drawn - and + buttons, which cannot move: a
// stake of eight or nine digits only fits there at 10 points, using the
// whole gap.
constexpr int kTailleMontantMin = 10;
constexpr int kMargeMontant = 3;
const plat::Couleur kEncreMontant{0x00407A};
const plat::Couleur kEncreGains{0x00407A};
}  // namespace

CommandesMise::CommandesMise(plat::Form& form, Routines& r, BoutonsBloques boutons_bloques)
    : label_mise(form, "label_mise"),
      moins(form, "moins"),
      plus(form, "plus"),
      gains(form, "gains"),
      r_(r),
      boutons_bloques_(boutons_bloques) {
    disposer();
    label_mise.on_mouse_down = [this](int bouton) { label_mise_MouseDown(bouton); };
    plus.on_mouse_down = [this](int bouton) { plus_MouseDown(bouton); };
    moins.on_mouse_down = [this](int bouton) { moins_MouseDown(bouton); };
    montrer();
}

void CommandesMise::disposer() {
    placer_selon_dessin(label_mise);
    placer_selon_dessin(moins);
    placer_selon_dessin(plus);
    int apres_moins = moins.left() + moins.bounds().w + kMargeMontant;
    label_mise.place(apres_moins, label_mise.top(), plus.left() - kMargeMontant - apres_moins, label_mise.bounds().h);
    placer_selon_dessin(gains);
    label_mise.set_font_size(kTailleMontant);
    label_mise.set_min_font_size(kTailleMontantMin);
    label_mise.set_bold(true);
    label_mise.set_alignment(plat::Align::center);
    label_mise.set_word_wrap(false);
    label_mise.set_fore_color(kEncreMontant);
    gains.set_font_size(kTailleGains);
    gains.set_bold(true);
    gains.set_fore_color(kEncreGains);
}

// ---------------------------------------------------------------- states

void CommandesMise::preparer() {
    regle_.preparer();
    if (boutons_bloques_ == BoutonsBloques::grises) activer_boutons(false);
    montrer();
}

void CommandesMise::ouvrir() {
    regle_.ouvrir();
    activer_boutons(true);
    montrer();
}

void CommandesMise::bloquer() {
    regle_.bloquer();
    if (boutons_bloques_ == BoutonsBloques::grises) activer_boutons(false);
}

void CommandesMise::interdire(SansMise quand) {
    regle_.interdire(quand);
    if (boutons_bloques_ == BoutonsBloques::grises || quand == SansMise::a_l_entree) activer_boutons(false);
    montrer();
}

// ---------------------------------------------------------------- presses

void CommandesMise::label_mise_MouseDown(int bouton) {
    apres_pression(regle_.presser_montant(bouton == plat::kBoutonGauche, r_.etat.score));
}

void CommandesMise::plus_MouseDown(int bouton) {
    apres_pression(regle_.presser_plus(bouton == plat::kBoutonGauche, r_.etat.score));
}

void CommandesMise::moins_MouseDown(int bouton) { apres_pression(regle_.presser_moins(bouton == plat::kBoutonGauche)); }

void CommandesMise::apres_pression(bool comptee) {
    if (!comptee) return;
    r_.jouer_son("4.ats");
    montrer();
}

void CommandesMise::montrer() {
    label_mise.set_caption(regle_.texte_montant());
    gains.set_caption(regle_.texte_gains());
}

// A locked - or + shows a grey face of its own round shape, not a corner
// of the grey face of the 105 x 33 buttons.
void CommandesMise::activer_boutons(bool actifs) {
    for (auto [bouton, gris] : {std::pair{&moins, r_.divers.moins_inactif}, std::pair{&plus, r_.divers.plus_inactif}}) {
        if (actifs) {
            Routines::rendre_actif(*bouton);
        } else {
            bouton->set_enabled(false);
            bouton->set_picture(gris);
        }
    }
}
