#include "games/betting/regle_mise.h"

#include "platform/text.h"

std::string texte_nombre(std::int64_t n) { return (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -n : n); }

void RegleMise::preparer() {
    etat_ = EtatMise::bloquee;
    remettre_a_dix();
}

void RegleMise::ouvrir() {
    etat_ = EtatMise::vivante;
    remettre_a_dix();
}

void RegleMise::bloquer() {
    if (etat_ == EtatMise::vivante) etat_ = EtatMise::bloquee;
}

void RegleMise::interdire(SansMise quand) {
    etat_ = EtatMise::impossible;
    pourquoi_ = quand;
    texte_montant_ = "---";
}

bool RegleMise::presser_montant(bool bouton_gauche, std::int64_t score) {
    if (etat_ != EtatMise::vivante || !peut_miser(score)) return false;
    if (bouton_gauche)
        changer(static_cast<int>(score / kMinimum * kMinimum));
    else
        remettre_a_dix();
    return true;
}

bool RegleMise::presser_plus(bool bouton_gauche, std::int64_t score) {
    if (etat_ != EtatMise::vivante || mise_ + pas(bouton_gauche) > score) return false;
    changer(mise_ + pas(bouton_gauche));
    return true;
}

bool RegleMise::presser_moins(bool bouton_gauche) {
    if (etat_ != EtatMise::vivante || mise_ - pas(bouton_gauche) < kMinimum) return false;
    changer(mise_ - pas(bouton_gauche));
    return true;
}

std::string RegleMise::texte_gains() const {
    if (etat_ == EtatMise::impossible)
        return cp1252(pourquoi_ == SansMise::a_l_entree ? "Vous ne pouvez pas miser la somme nécessaire !"
                                                        : "Vous ne pouvez plus miser la somme nécessaire !");
    return "Gain possible :" + texte_nombre(2 * std::int64_t{mise_}) + " points\rPerte possible :" +
           texte_nombre(mise_) + " points";
}

// A reset writes the literal "10", without the blank of the other amounts.
void RegleMise::remettre_a_dix() {
    mise_ = kMinimum;
    texte_montant_ = "10";
}

void RegleMise::changer(int mise) {
    mise_ = mise;
    texte_montant_ = texte_nombre(mise);
}
