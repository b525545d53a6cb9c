#include "core/routines.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "core/sound_catalog.h"
#include "platform/text.h"

namespace {

struct Position {
    int x, y;
};
constexpr std::array<Position, 5> kPositionsPointeur = {{{0, 0}, {320, 240}, {250, 240}, {570, 410}, {570, 315}}};

// The score label pulses down to 8 points and back, 5 ms a step.
constexpr std::array<int, 6> kTaillesPulsation = {18, 16, 14, 12, 10, 8};
constexpr std::uint32_t kPasPulsationMs = 5;

// Answer rows: letter boxes 47 pixels apart, centred on the screen.
constexpr std::array<int, 14> kDebutReponse = {0, 296, 273, 250, 226, 204, 180, 157, 132, 108, 85, 62, 38, 15};

// The next value of a rotation counter that runs from 1 to n; a counter
// outside that range (a damaged player file) starts again at 1.
int suivant(Valeur& compteur, int n) {
    int k = compteur.nombre();
    k = k >= 1 && k < n ? k + 1 : 1;
    compteur = Valeur(k);
    return k;
}

// Entry i of a list of two-digit entries, as a number written back: "02" gives "2".
std::string entree_sans_zero(std::string_view liste, int i) {
    return std::to_string(std::stoi(std::string(liste.substr(static_cast<std::size_t>(2 * i), 2))));
}

}  // namespace

Routines::Routines(plat::Application& a, std::filesystem::path dossier_programme, std::uint32_t graine)
    : app(a), dossier_(std::move(dossier_programme)), hasard_(graine), images_(dossier_datas()) {}

// ---------------------------------------------------------------- pointer

// Hides until the display count is below 0, so nested hides never pile up:
// one montrer_pointeur undoes any number of them.
void Routines::cacher_pointeur(int mode) {
    while (app.hide_pointer_once() >= 0) {
    }
    if (mode >= 1 && mode <= 4) {
        park_x_ = kPositionsPointeur[static_cast<std::size_t>(mode)].x;
        park_y_ = kPositionsPointeur[static_cast<std::size_t>(mode)].y;
    }
    if (mode > 0) app.move_pointer(park_x_, park_y_);
}

void Routines::montrer_pointeur() {
    while (app.show_pointer_once() < 0) {
    }
}

// ---------------------------------------------------------------- sounds

// Every effect first silences the ambient sound.
void Routines::effet(const std::string& nom) {
    app.sound().stop_device();
    app.sound().play_effect(nom);
}

void Routines::jouer_son(const std::string& nom) { effet(nom); }

void Routines::jouer_ambiance() {
    int n = suivant(etat.num_ambiance, sons::nb_ambiances);
    app.sound().close_device();
    app.sound().play_device(std::to_string(n) + ".amb");
}

void Routines::jouer_son_touche() { effet(std::to_string(suivant(etat.num_son_touche, sons::nb_touches))); }

void Routines::jouer_victoire() { effet(std::to_string(suivant(etat.num_victoire, sons::nb_victoires)) + ".vic"); }

void Routines::jouer_defaite() { effet(std::to_string(suivant(etat.num_defaite, sons::nb_defaites)) + ".def"); }

// The two card lists share one position; names keep their leading zero.
void Routines::jouer_son_liste(int choix) {
    std::string_view liste = choix != 0 ? sons::liste_cartes_paire : sons::liste_cartes_echec;
    int& pos = etat.pos_son_carte;  // 1-based character position of the entry
    pos += 2;
    if (pos >= static_cast<int>(liste.size())) pos = 1;
    effet(std::string(liste.substr(static_cast<std::size_t>(pos - 1), 2)));
}

std::string Routines::tirer_son() {
    return entree_sans_zero(sons::tirage_tics, tirer(static_cast<int>(sons::tirage_tics.size() / 2)));
}

std::string Routines::tirer_son_victoire() {
    return entree_sans_zero(sons::tirage_victoires, tirer(static_cast<int>(sons::tirage_victoires.size() / 2))) +
           ".vic";
}

// ---------------------------------------------------------------- pictures

void Routines::charger_fond(plat::Form& f, const std::string& nom) { f.set_background(image(nom)); }

const plat::PicturePtr& Routines::feuille(Feuille f) const {
    switch (f) {
        case Feuille::anim: return divers.anim;
        case Feuille::anim2: return divers.anim2;
        case Feuille::anim3: return divers.anim3;
    }
    throw std::logic_error("feuille inconnue");
}

// ---------------------------------------------------------------- chance

double Routines::rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(hasard_); }

int Routines::tirer(int n) { return static_cast<int>(std::floor(n * rnd())); }

// ---------------------------------------------------------------- settlement

void Routines::regler(std::int64_t points, Valeur& position, int enigmes) {
    etat.ajouter_au_score(points);
    position = Valeur(position.nombre() + enigmes);
    sauvegarder();
}

void Routines::regler(std::int64_t points) {
    etat.ajouter_au_score(points);
    sauvegarder();
}

void Routines::sauvegarder() {
    if (sauvegarde) sauvegarde();
}

// ---------------------------------------------------------------- shared screens

void Routines::afficher_score(plat::Label& label_score) {
    cacher_pointeur(kSurPlace);
    for (int taille : kTaillesPulsation) {
        app.wait(kPasPulsationMs);
        label_score.set_font_size(taille);
        label_score.refresh();
    }
    label_score.set_caption(std::to_string(etat.score));
    for (auto it = kTaillesPulsation.rbegin(); it != kTaillesPulsation.rend(); ++it) {
        app.wait(kPasPulsationMs);
        label_score.set_font_size(*it);
        label_score.refresh();
    }
    montrer_pointeur();
}

void Routines::placer_reponse(int n, plat::ControlArray<plat::Label>& reponse) {
    int debut = n >= 1 && n <= 13 ? kDebutReponse[static_cast<std::size_t>(n)] : 0;
    for (int i = 0; i < n && i < reponse.size(); ++i) reponse[i].set_left(debut + kPasReponse * i);
}

const std::string& Routines::commentaire(bool juste) {
    const std::string& phrase = commentaire_du_tour(juste);
    int k = etat.num_commentaire;
    etat.num_commentaire = k + 1 == kPremierReproche ? 0 : k + 1;
    return phrase;
}

const std::string& Routines::commentaire_du_tour(bool juste) const {
    int k = etat.num_commentaire;
    return etat.commentaires[static_cast<std::size_t>(juste ? k : k + kPremierReproche)];
}

void Routines::preparer_indice(plat::Label& achat_indice) const {
    achat_indice.set_caption(cp1252("Acheter un indice\r(coût : 2 pièces)"));
    achat_indice.set_visible(etat.score >= kCoutIndice);
}

void Routines::acheter_indice(bool& achete, plat::Label& achat_indice, plat::Label& label_score,
                              const std::string& indice) {
    if (achete) return;
    achete = true;
    regler(-kCoutIndice);
    jouer_son("4.ats");
    achat_indice.set_caption(indice);
    afficher_score(label_score);
}

void Routines::rendre_inactif(plat::Image& bouton) const {
    bouton.set_enabled(false);
    bouton.set_picture(divers.inactif);
}

void Routines::rendre_actif(plat::Image& bouton) {
    bouton.set_enabled(true);
    bouton.clear_picture();
}

void Routines::retour_menu(plat::Form& jeu) {
    jouer_son("7.ats");
    if (plat::Form* menu = app.form("depart")) menu->show();
    jeu.hide();
    fermer_fichiers();
}

void Routines::quitter_sur_erreur(plat::Form& jeu, const std::string& message) {
    avis_menu_ = message;
    if (plat::Form* menu = app.form("depart")) menu->show();
    jeu.hide();
    fermer_fichiers();
    montrer_pointeur();
}

// ---------------------------------------------------------------- files

void Routines::ouvrir_fichier(std::function<void()> fermer) {
    fermer_fichiers();
    fermer_fichier_ouvert_ = std::move(fermer);
}

void Routines::fermer_fichiers() {
    if (auto fermer = std::exchange(fermer_fichier_ouvert_, nullptr)) fermer();
}
