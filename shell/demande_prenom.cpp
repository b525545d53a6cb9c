#include "shell/demande_prenom.h"

#include <algorithm>
#include <string_view>

#include "core/disposition.h"
#include "core/ecran_de_jeu.h"
#include "platform/text.h"

namespace {

constexpr std::string_view kNomEcran = "demande_prenom";

// What the cells show before a name is typed, for a first or a new player.
const std::string kInconnu = "INCONNU";
const std::string kSaisieVide(kLongueurPrenomMax, ' ');

const std::string kSonEffacer = "3.ats";
const std::string kSonBascule = "6.ats";  // the way back to the players and the confirmation

const std::string kRetourAuxJoueurs = cp1252("Revenir aux joueurs");
const std::string kPremierJoueur = cp1252("Vous êtes le premier joueur");

constexpr int kTailleBascule = 11;
// A caption starts a little below the plaque's rim, so that one line does not
// hug it, keeps clear of its rounded ends, and ends above the lower rim (the
// drawing's box also holds the plaque's shadow); a caption too long for two
// lines there is drawn smaller.
constexpr int kMargeBascule = 3;
constexpr int kBordsBascule = 10;
constexpr int kOmbreBascule = 8;
constexpr int kTailleBasculeMin = 9;
const plat::Couleur kEncreBascule{0xA85F1F};  // the blue of the plaque's rim
constexpr int kTailleEspace = 14;
constexpr int kTailleAvertissement = 9;  // four lines fit in the bubble
const plat::Couleur kEncreAvertissement{0x1A1AB0};
const plat::Couleur kBlancDeLaBulle = plat::couleurs::blanc;
// The score's badge has a star at its left.
constexpr int kLargeurEtoile = 28;

// The cells stand on the drawn board between its rounded ends; a name too
// long for the usual pitch gets narrower cells, centred.
constexpr int kDebutPlanche = 24;
constexpr int kFinPlanche = 616;
constexpr int kEcartCellules = 3;

int haut_des_cellules() { return disposition::de(kNomEcran, "reponse").y; }

}  // namespace

DemandePrenom::DemandePrenom(Routines& r)
    : plat::Form(r.app, std::string(kNomEcran)), clavier(*this), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    clavier.lettre.on_click([this](int i) { lettre_Click(i); });
    espace.on_click = [this] { espace_Click(); };
    effacer.on_click = [this] { effacer_Click(); };
    conserver.on_click = [this] { conserver_Click(); };
    fin_mot.on_click = [this] { fin_mot_Click(); };
}

void DemandePrenom::disposer() {
    clavier.alphabet.set_visible(false);

    placer_selon_dessin(espace);
    espace.set_caption("ESPACE");
    espace.set_font_size(kTailleEspace);
    espace.set_face_on_background(true);  // the glossy bar drawn beside the other faces
    espace.tooltip = cp1252("Cliquez ici pour insérer un espace");
    espace.set_visible(false);

    placer_selon_dessin(effacer);
    placer_selon_dessin(fin_mot);

    placer_selon_dessin(conserver);
    plat::Rect plaque = conserver.bounds();
    conserver.place(plaque.x + kBordsBascule, plaque.y + kMargeBascule, plaque.w - 2 * kBordsBascule,
                    plaque.h - kMargeBascule - kOmbreBascule);
    conserver.set_caption(kPremierJoueur);
    conserver.set_font_size(kTailleBascule);
    conserver.set_min_font_size(kTailleBasculeMin);
    conserver.set_bold(true);
    conserver.set_fore_color(kEncreBascule);
    conserver.set_alignment(plat::Align::center);
    conserver.set_centred_on_capitals(true);

    preparer_cellules(reponse, haut_des_cellules());

    preparer_label_score(label_score);
    placer_selon_dessin(label_score);
    plat::Rect badge = label_score.bounds();
    label_score.place(badge.x + kLargeurEtoile, badge.y, badge.w - kLargeurEtoile, badge.h);

    // The robot says the warning: it covers the drawn invitation inside the
    // speech bubble, on the bubble's own white.
    placer_selon_dessin(avertissement);
    avertissement.set_back_color(kBlancDeLaBulle);
    avertissement.set_font_size(kTailleAvertissement);
    avertissement.set_bold(true);
    avertissement.set_fore_color(kEncreAvertissement);
    avertissement.set_alignment(plat::Align::center);
    avertissement.set_visible(false);
}

// ---------------------------------------------------------------- opening

// With nobody to go back to, the plaque says so and cannot be pressed.
void DemandePrenom::ouvrir(bool joueurs_stockes, const std::string& message) {
    conserver.set_caption(joueurs_stockes ? kRetourAuxJoueurs : kPremierJoueur);
    conserver.set_enabled(joueurs_stockes);
    avertissement.set_caption(message);
    avertissement.set_visible(!message.empty());
    label_score.set_caption("0");
    recommencer_saisie(kInconnu);
    show();
}

void DemandePrenom::Form_Activate() {
    r_.etat.survol = false;
    r_.montrer_pointeur();
    clavier.alphabet.set_visible(true);
    espace.set_visible(true);
}

// ---------------------------------------------------------------- spelling

void DemandePrenom::lettre_Click(int index) { ajouter_caractere(Alphabet::lettre_de(index)); }

void DemandePrenom::espace_Click() { ajouter_caractere(' '); }

// The first character typed replaces the name shown; at 13 characters
// further presses only click.
void DemandePrenom::ajouter_caractere(char c) {
    r_.jouer_son_touche();
    if (nb_lettres_ == 0)
        for (int i = 1; i < reponse.size(); ++i) reponse[i].set_visible(false);
    if (nb_lettres_ >= kLongueurPrenomMax) return;
    saisie_[static_cast<std::size_t>(nb_lettres_)] = c;
    reponse[nb_lettres_].set_caption(std::string(1, c));
    placer_cellules(nb_lettres_ + 1);
    reponse[nb_lettres_].set_visible(true);
    ++nb_lettres_;
}

void DemandePrenom::effacer_Click() {
    r_.jouer_son(kSonEffacer);
    recommencer_saisie(kInconnu);
}

void DemandePrenom::conserver_Click() {
    r_.jouer_son(kSonBascule);
    if (on_retour) on_retour();
}

// The player is made, or found, on the players' screen.
void DemandePrenom::fin_mot_Click() {
    r_.jouer_son(kSonBascule);
    if (on_prenom) on_prenom(prenom_confirme(saisie_, cases_montrees()));
}

// ---------------------------------------------------------------- cells

// Shows a name in the cells, nothing typed yet.
void DemandePrenom::recommencer_saisie(const std::string& nom_montre) {
    nb_lettres_ = 0;
    saisie_ = kSaisieVide;
    for (auto& cellule : reponse) {
        cellule.set_visible(false);
        cellule.set_caption({});
    }
    int n = static_cast<int>(nom_montre.size());
    placer_cellules(n);
    for (int i = 0; i < n; ++i) {
        reponse[i].set_caption(std::string(1, nom_montre[static_cast<std::size_t>(i)]));
        reponse[i].set_visible(true);
    }
}

void DemandePrenom::placer_cellules(int n) {
    int pas = std::min(Routines::kPasReponse, (kFinPlanche - kDebutPlanche + kEcartCellules) / std::max(n, 1));
    for (auto& cellule : reponse) {
        plat::Rect b = cellule.bounds();
        cellule.place(b.x, b.y, pas - kEcartCellules, b.h);
    }
    if (pas == Routines::kPasReponse) {
        Routines::placer_reponse(n, reponse);
        return;
    }
    int debut = kDebutPlanche + (kFinPlanche - kDebutPlanche - (n * pas - kEcartCellules)) / 2;
    for (int i = 0; i < n; ++i) reponse[i].set_left(debut + pas * i);
}

CasesPrenom DemandePrenom::cases_montrees() const {
    CasesPrenom cases;
    for (int i = 0; i < reponse.size(); ++i)
        if (reponse[i].visible()) cases[static_cast<std::size_t>(i)] = reponse[i].caption();
    return cases;
}
