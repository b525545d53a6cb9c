#include "shell/choix_joueur.h"

#include <algorithm>

#include "core/disposition.h"
#include "core/ecran_de_jeu.h"
#include "platform/text.h"
#include "shell/commentaires.h"
#include "shell/depart.h"
#include "shell/fichier_joueur.h"

static_assert(kNbPersonnages == static_cast<int>(kPersonnages.size()));

namespace {

const std::string kSonChoix = "6.ats";  // as the name screen's confirmation

const plat::Couleur kEncre{0x2A3B4A};
const plat::Couleur kEncrePlaque{0xA85F1F};  // the blue of the plaque's rim
const plat::Couleur kFondCarte = plat::couleurs::blanc;

constexpr plat::Rect kConsigne{24, 66, 592, 46};
constexpr int kTailleConsigne = 15;

// Two columns of three cards on the board; in each, the picture at the left,
// then the name over the score.
constexpr int kColonnes = 2;
constexpr int kGaucheCartes = 24, kHautCartes = 116, kLargeurCarte = 288, kHauteurCarte = 90;
constexpr int kPasCartesX = 304, kPasCartesY = 98;
constexpr int kMargeCarte = 5, kLargeurVisage = 96;
constexpr int kTailleCarte = 17;

// The fifteen characters in three rows of five.
constexpr int kColonnesPersonnages = 5;
constexpr int kGauchePersonnages = 24, kHautPersonnages = 114, kPasPersonnagesX = 120, kPasPersonnagesY = 98;
constexpr int kLargeurPersonnage = 112, kHauteurPersonnage = 92;

constexpr plat::Rect kGrandVisage{220, 112, 200, 180};
constexpr plat::Rect kOui{180, 320, 120, 44};
constexpr plat::Rect kNon{340, 320, 120, 44};
constexpr plat::Rect kPrecedent{20, 420, 170, 36};
constexpr plat::Rect kSuivant{450, 420, 170, 36};
constexpr int kTailleBoutons = 14;
// The caption keeps clear of the plaque's rim, rounded ends and shadow.
constexpr int kBordsPlaque = 10, kMargePlaque = 3, kOmbrePlaque = 8;
constexpr int kTaillePlaque = 14;

// A small character is not blown up beyond this, so that it stays crisp.
constexpr double kAgrandissementMax = 2.0;

const char* const kConsigneListe = "Cliquez sur votre personnage pour jouer !";
const char* const kNouveauJoueur = "NOUVEAU JOUEUR";
const char* const kChangerDePrenom = "CHANGER DE PRÉNOM";

void placer(plat::Control& c, plat::Rect r) { c.place(r.x, r.y, r.w, r.h); }

plat::Rect place_carte(int i) {
    return {kGaucheCartes + (i % kColonnes) * kPasCartesX, kHautCartes + (i / kColonnes) * kPasCartesY,
            kLargeurCarte, kHauteurCarte};
}

plat::Rect place_visage(int i) {
    plat::Rect c = place_carte(i);
    return {c.x + kMargeCarte, c.y + kMargeCarte, kLargeurVisage, kHauteurCarte - 2 * kMargeCarte};
}

plat::Rect place_personnage(int i) {
    return {kGauchePersonnages + (i % kColonnesPersonnages) * kPasPersonnagesX,
            kHautPersonnages + (i / kColonnesPersonnages) * kPasPersonnagesY, kLargeurPersonnage, kHauteurPersonnage};
}

// An alert's text is UTF-8, its lines ended by "\n".
std::string texte_d_alerte(const std::string& texte) {
    std::string lignes = utf8(texte);
    std::replace(lignes.begin(), lignes.end(), '\r', '\n');
    return lignes;
}

std::string points(std::int32_t score) { return std::to_string(score) + cp1252(score > 1 ? " pièces" : " pièce"); }

}  // namespace

ChoixJoueur::ChoixJoueur(Routines& r) : plat::Form(r.app, "choix_joueur"), r_(r) {
    disposer();
    for (int i = 0; i < kCartesParPage; ++i) relier_carte(i);
    personnage.on_click([this](int i) { personnage_Click(i); });
    precedent.on_click = [this] { precedent_Click(); };
    suivant.on_click = [this] { suivant_Click(); };
    nouveau.on_click = [this] { nouveau_Click(); };
    oui.on_click = [this] { oui_Click(); };
    non.on_click = [this] { non_Click(); };
}

void ChoixJoueur::disposer() {
    placer(consigne, kConsigne);
    consigne.set_font_size(kTailleConsigne);
    consigne.set_min_font_size(11);
    consigne.set_bold(true);
    consigne.set_fore_color(kEncre);
    consigne.set_alignment(plat::Align::center);

    for (int i = 0; i < kCartesParPage; ++i) {
        placer(carte[i], place_carte(i));
        carte[i].set_back_color(kFondCarte);
        carte[i].set_border(true);
        carte[i].set_padding(kMargeCarte * 3 + kLargeurVisage, kMargeCarte * 2, kMargeCarte, kMargeCarte * 2);
        carte[i].set_font_size(kTailleCarte);
        carte[i].set_min_font_size(11);
        carte[i].set_bold(true);
        carte[i].set_fore_color(kEncre);
        placer(visage[i], place_visage(i));
    }
    for (int i = 0; i < kNbPersonnages; ++i) placer(personnage[i], place_personnage(i));
    placer(grand_visage, kGrandVisage);
    for (auto [bouton, place, texte] : {std::tuple{&oui, kOui, "OUI"}, {&non, kNon, "NON"},
                                        {&precedent, kPrecedent, "Page précédente"},
                                        {&suivant, kSuivant, "Page suivante"}}) {
        placer(*bouton, place);
        bouton->set_caption(cp1252(texte));
        bouton->set_font_size(kTailleBoutons);
    }

    placer_selon_dessin(nouveau);
    plat::Rect plaque = nouveau.bounds();
    nouveau.place(plaque.x + kBordsPlaque, plaque.y + kMargePlaque, plaque.w - 2 * kBordsPlaque,
                  plaque.h - kMargePlaque - kOmbrePlaque);
    nouveau.set_font_size(kTaillePlaque);
    nouveau.set_min_font_size(11);
    nouveau.set_bold(true);
    nouveau.set_fore_color(kEncrePlaque);
    nouveau.set_alignment(plat::Align::center);
    nouveau.set_centred_on_capitals(true);
    tout_cacher();
}

// The card and its picture answer alike.
void ChoixJoueur::relier_carte(int i) {
    for (plat::Control* c : std::initializer_list<plat::Control*>{&carte[i], &visage[i]}) {
        c->on_click = [this, i] { carte_Click(i); };
        c->on_mouse_down = [this, i](int bouton) { carte_MouseDown(i, bouton); };
    }
}

// ---------------------------------------------------------------- screens

void ChoixJoueur::accueillir() {
    r_.fermer_fichiers();
    page_ = 0;
    montrer_joueurs();
}

void ChoixJoueur::relire_joueurs() {
    liste_ = lire_joueurs(dossier_joueur(r_.dossier_datas()), r_.dossier_datas());
}

void ChoixJoueur::tout_cacher() {
    for (plat::Control* c : controls()) c->set_visible(false);
    nouveau.set_visible(true);
    nouveau.set_enabled(true);
    consigne.set_visible(true);
}

// An unreadable file, put aside, is told once the others are on screen;
// with nobody left, the name screen's robot tells it.
void ChoixJoueur::montrer_joueurs() {
    question_ = Question::aucune;
    relire_joueurs();
    if (liste_.joueurs.empty()) {
        ouvrir_le_nom(liste_.avertissement);
        return;
    }
    show();
    int pages = (static_cast<int>(liste_.joueurs.size()) + kCartesParPage - 1) / kCartesParPage;
    page_ = std::clamp(page_, 0, pages - 1);
    montrer_page();
    r_.montrer_pointeur();
    if (!liste_.avertissement.empty()) r_.app.alert(texte_d_alerte(liste_.avertissement));
}

void ChoixJoueur::montrer_page() {
    tout_cacher();
    consigne.set_caption(cp1252(kConsigneListe));
    nouveau.set_caption(cp1252(kNouveauJoueur));
    int nb = static_cast<int>(liste_.joueurs.size());
    for (int i = 0; i < kCartesParPage; ++i) {
        int n = page_ * kCartesParPage + i;
        if (n >= nb) break;
        const Joueur& j = liste_.joueurs[static_cast<std::size_t>(n)];
        carte[i].set_visible(true);
        montrer_portrait(visage[i], j.personnage, place_visage(i));
        carte[i].set_caption(j.profil.prenom + "\r" + points(j.profil.score));
    }
    bool plusieurs_pages = nb > kCartesParPage;
    precedent.set_visible(plusieurs_pages);
    suivant.set_visible(plusieurs_pages);
    precedent.set_enabled(page_ > 0);
    suivant.set_enabled((page_ + 1) * kCartesParPage < nb);
}

void ChoixJoueur::montrer_personnages() {
    tout_cacher();
    consigne.set_caption(prenom_nouveau_ + cp1252(", choisissez votre personnage !"));
    nouveau.set_caption(cp1252(kChangerDePrenom));
    for (int i = 0; i < kNbPersonnages; ++i) montrer_portrait(personnage[i], i, place_personnage(i));
    r_.montrer_pointeur();
}

void ChoixJoueur::poser_question(Question question, const Joueur& joueur, const std::string& texte) {
    question_ = question;
    joueur_en_question_ = joueur;
    tout_cacher();
    consigne.set_caption(texte);
    montrer_portrait(grand_visage, joueur.personnage, kGrandVisage);
    oui.set_visible(true);
    non.set_visible(true);
    nouveau.set_caption(joueur.profil.prenom);
    nouveau.set_enabled(false);
}

// ---------------------------------------------------------------- handlers

void ChoixJoueur::carte_Click(int i) {
    jouer(liste_.joueurs.at(static_cast<std::size_t>(page_ * kCartesParPage + i)));
}

// Removing a player takes a right click, then a yes.
void ChoixJoueur::carte_MouseDown(int i, int bouton) {
    if (bouton != plat::kBoutonDroit) return;
    const Joueur& j = liste_.joueurs.at(static_cast<std::size_t>(page_ * kCartesParPage + i));
    r_.jouer_son(kSonChoix);
    poser_question(Question::supprimer, j,
                   cp1252("Supprimer le joueur ") + j.profil.prenom +
                       cp1252(" ?\rTous ses points seront perdus."));
}

void ChoixJoueur::precedent_Click() {
    r_.jouer_son_touche();
    --page_;
    montrer_page();
}

void ChoixJoueur::suivant_Click() {
    r_.jouer_son_touche();
    ++page_;
    montrer_page();
}

void ChoixJoueur::nouveau_Click() {
    r_.jouer_son(kSonChoix);
    ouvrir_le_nom({});
}

void ChoixJoueur::prenom_choisi(const std::string& prenom) {
    relire_joueurs();
    prenom_nouveau_ = prenom;
    show();
    if (const Joueur* deja = joueur_nomme(liste_, prenom))
        poser_question(Question::reprendre, *deja,
                       cp1252("Le prénom ") + prenom + cp1252(" est déjà pris.\rÊtes-vous bien ") + prenom + " ?");
    else
        montrer_personnages();
}

void ChoixJoueur::personnage_Click(int i) { creer_joueur(i); }

void ChoixJoueur::oui_Click() {
    r_.jouer_son(kSonChoix);
    if (question_ == Question::reprendre) {
        jouer(joueur_en_question_);
        return;
    }
    supprimer_joueur(joueur_en_question_);
    montrer_joueurs();
}

void ChoixJoueur::non_Click() {
    r_.jouer_son(kSonChoix);
    if (question_ == Question::reprendre)
        ouvrir_le_nom(cp1252("Ce prénom est déjà pris : ajoutez une lettre ou choisissez-en un autre."));
    else
        montrer_joueurs();
}

// ---------------------------------------------------------------- playing

void ChoixJoueur::jouer(const Joueur& joueur) {
    r_.jouer_son(kSonChoix);
    reprendre_profil(joueur.profil, r_.etat);
    r_.etat.prenom = joueur.profil.prenom;
    r_.etat.personnage = joueur.personnage;
    entrer_dans_le_menu();
}

// A new player starts every game from its first puzzle, with no points.
void ChoixJoueur::creer_joueur(int choisi) {
    r_.jouer_son(kSonChoix);
    r_.etat.fixer_score(0);
    remettre_progression_a_zero(r_.etat);
    r_.etat.profil_existant = Valeur(1);
    r_.etat.prenom = prenom_nouveau_;
    r_.etat.personnage = choisi;
    entrer_dans_le_menu();
}

// Saved before the menu shows: from now on every way out keeps this player.
void ChoixJoueur::entrer_dans_le_menu() {
    r_.cacher_pointeur(kMenu);
    r_.etat.commentaires = commentaires_pour(r_.etat.prenom);
    r_.etat.prenom_confirme = true;
    r_.sauvegarder();
    if (plat::Form* menu = r_.app.form("depart")) menu->show();
    hide();
}

void ChoixJoueur::ouvrir_le_nom(const std::string& message) {
    question_ = Question::aucune;
    if (ouvrir_ecran_du_prenom) ouvrir_ecran_du_prenom(!liste_.joueurs.empty(), message);
    hide();
}

// ---------------------------------------------------------------- pictures

// The character as the menu shows it at rest, on its own bit of land,
// shrunk (or a little enlarged) to fit the box, its proportions kept.
plat::PicturePtr ChoixJoueur::portrait(int numero, int largeur, int hauteur) {
    const Personnage& p = kPersonnages.at(static_cast<std::size_t>(numero));
    plat::Rect place = disposition::de("depart", p.bouton);
    plat::PicturePtr menu = r_.image("1");
    double echelle = std::min({static_cast<double>(largeur) / place.w, static_cast<double>(hauteur) / place.h,
                               kAgrandissementMax});
    return menu->clip(place.x, place.y, place.w, place.h)
        ->scaled(static_cast<int>(place.w * echelle), static_cast<int>(place.h * echelle));
}

void ChoixJoueur::montrer_portrait(plat::Image& image, int numero, plat::Rect boite) {
    plat::PicturePtr p = portrait(numero, boite.w, boite.h);
    image.place(boite.x + (boite.w - p->width()) / 2, boite.y + (boite.h - p->height()) / 2, p->width(),
                p->height());
    image.set_picture(std::move(p));
    image.set_visible(true);
}
