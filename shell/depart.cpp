#include "shell/depart.h"

#include <string>
#include <utility>

#include "core/ecran_de_jeu.h"
#include "platform/text.h"

namespace {

// A twitch shows one frame for this long, whether pointed at or idle.
constexpr std::uint32_t kDureeTressaillementMs = 300;
// The idle timer draws among this many values; each character owns one.
constexpr int kTiragesTimer = 50;
// The status notice starts an ambient sound when it draws kTirageAmbiance
// among kTiragesAmbiance, then the characters keep still while it plays.
constexpr int kTiragesAmbiance = 200;
constexpr int kTirageAmbiance = 7;
constexpr std::uint32_t kPauseAmbianceMs = 2000;

constexpr std::string_view kReposAvantPrenom = "Votre objectif ";
constexpr std::string_view kReposApresPrenom =
    " est de choisir un personnage afin de résoudre l'épreuve qu'il vous confie !";
constexpr std::string_view kQuitterAvantPrenom = "Vous voulez déjà nous quitter ";
constexpr std::string_view kQuitterApresPrenom = " ? Vous êtes vraiment sans coeur !";

constexpr int kTailleInvitation = 13;
// The caption keeps clear of the rounded ends of the band drawn under it.
constexpr int kMargeInvitation = 12;
const plat::Couleur kEncreInvitation{0x4A2A12};

// The character that owns a value of the idle timer's draw, if any.
std::optional<std::size_t> personnage_du_tirage(int tirage) {
    for (std::size_t i = 0; i < kPersonnages.size(); ++i)
        if (kPersonnages[i].tirage_timer == tirage) return i;
    return std::nullopt;
}

}  // namespace

Depart::Depart(Routines& r) : plat::Form(r.app, "depart"), r_(r) {
    r_.etat.en_jeu = false;

    placer_selon_dessin(label_epreuve);
    plat::Rect bande = label_epreuve.bounds();
    label_epreuve.place(bande.x + kMargeInvitation, bande.y, bande.w - 2 * kMargeInvitation, bande.h);
    label_epreuve.set_font_size(kTailleInvitation);
    label_epreuve.set_bold(true);
    label_epreuve.set_fore_color(kEncreInvitation);
    label_epreuve.set_alignment(plat::Align::center);

    placer_selon_dessin(fin);
    fin.on_mouse_move = [this] { fin_MouseMove(); };
    fin.on_click = [this] { quitter(); };

    for (const Personnage& p : kPersonnages) {
        plat::Image& bouton = boutons.emplace_back(*this, std::string(p.bouton));
        placer_selon_dessin(bouton);
        bouton.on_mouse_move = [this, &p, &bouton] { bouton_MouseMove(p, bouton); };
        bouton.on_click = [this, &p] { bouton_Click(p); };
    }

    on_activate = [this] { Form_Activate(); };
    on_mouse_move = [this] { Form_MouseMove(); };
    Timer.on_tick = [this] { Timer_Timer(); };
}

// Every return from a game comes through here: the game's file is closed
// and the menu is idle again, the pointer back where the player expects it.
void Depart::Form_Activate() {
    r_.fermer_fichiers();
    // A twitch left half-way when a game opened leaves no frame behind.
    for (plat::Image& bouton : boutons) bouton.clear_picture();
    Timer.set_enabled(true);
    afficher_repos();
    // A game whose word file could not be read says why, until the next hover.
    if (std::string avis = r_.prendre_avis(); !avis.empty()) label_epreuve.set_caption(avis);
    r_.cacher_pointeur(kMenu);
    r_.montrer_pointeur();
    r_.etat.en_jeu = false;
}

// The pointer is back on the background: the invitation gives way to the
// resting caption and the idle twitches resume.
void Depart::Form_MouseMove() {
    Timer.set_enabled(true);
    if (!r_.etat.survol) return;
    afficher_repos();
    r_.etat.en_jeu = false;
}

// Moving from one character straight to another shows nothing new: only
// the background ends a hover.
void Depart::bouton_MouseMove(const Personnage& p, plat::Image& bouton) {
    if (r_.etat.survol) return;
    arreter_tressaillements();
    r_.etat.survol = true;
    afficher_invitation(p.invitation_avant_prenom, p.invitation_apres_prenom);
    int image = r_.tirer(p.images);
    if (image == p.image_evitee) image = p.image_remplacante;
    montrer_image(p, image, bouton);
}

void Depart::bouton_Click(const Personnage& p) {
    plat::Form* jeu = r_.app.form(std::string(p.jeu));
    if (!jeu) return;
    arreter_tressaillements();
    jeu->show();
    hide();
    r_.etat.en_jeu = true;
}

void Depart::fin_MouseMove() {
    r_.etat.survol = true;
    afficher_invitation(kQuitterAvantPrenom, kQuitterApresPrenom);
    r_.etat.en_jeu = false;
}

void Depart::Timer_Timer() {
    std::optional<std::size_t> qui = std::exchange(tressaillement_prevu_, std::nullopt);
    if (!qui) qui = personnage_du_tirage(r_.tirer(kTiragesTimer));
    if (qui) animer_bouton(kPersonnages[*qui], boutons[*qui]);
    prevoir_tressaillement();
}

// Most ticks draw a value that belongs to no character and do nothing. The
// draws of the ticks to come are made now, and the timer sleeps through the
// idle ones to the tick that twitches: the menu wakes a third as often.
void Depart::prevoir_tressaillement() {
    if (!Timer.enabled()) return;  // a hover or a game stopped it during the twitch
    int ticks_vides = 0;
    while (!(tressaillement_prevu_ = personnage_du_tirage(r_.tirer(kTiragesTimer)))) ++ticks_vides;
    Timer.skip(ticks_vides);
}

// A twitch drawn ahead belongs to the ticks that stopping cancels.
void Depart::arreter_tressaillements() {
    Timer.set_enabled(false);
    tressaillement_prevu_.reset();
}

// The timer may still tick while a game has the screen: the menu keeps still.
void Depart::animer_bouton(const Personnage& p, plat::Image& bouton) {
    if (r_.etat.en_jeu) return;
    int image = r_.tirer(p.images);
    r_.jouer_son_touche();
    montrer_image(p, image, bouton);
}

void Depart::sons_StatusUpdate() {
    if (r_.etat.en_jeu || r_.etat.ambiance_bloquee) return;
    if (std::exchange(ambiance_prevue_, false) || r_.tirer(kTiragesAmbiance) == kTirageAmbiance) jouer_ambiance();
    prevoir_ambiance();
}

void Depart::jouer_ambiance() {
    arreter_tressaillements();
    r_.jouer_ambiance();
    r_.app.wait_with_events(kPauseAmbianceMs);
    Timer.set_enabled(true);
}

// As with the twitches: the draws of the notices to come are made now, and
// the program sleeps through those that draw no ambient sound.
void Depart::prevoir_ambiance() {
    int notices_vides = 0;
    while (r_.tirer(kTiragesAmbiance) != kTirageAmbiance) ++notices_vides;
    ambiance_prevue_ = true;
    r_.app.skip_sound_status(notices_vides);
}

// Saved first: whatever ends the program next, nothing is lost.
void Depart::quitter() {
    r_.sauvegarder();
    r_.jouer_son("7.ats");
    r_.app.set_fullscreen(false);
    r_.fermer_fichiers();
    r_.app.quit();
}

// The frame flashes over the character drawn on the background, then the
// background shows through again.
void Depart::montrer_image(const Personnage& p, int image, plat::Image& bouton) {
    const plat::PicturePtr& feuille = r_.feuille(p.feuille);
    bouton.set_picture(feuille->clip(p.base + image * p.pas, p.y, p.largeur, p.hauteur));
    r_.app.wait_with_events(kDureeTressaillementMs);
    bouton.clear_picture();
}

void Depart::afficher_repos() {
    r_.etat.survol = false;
    afficher_invitation(kReposAvantPrenom, kReposApresPrenom);
}

void Depart::afficher_invitation(std::string_view avant_prenom, std::string_view apres_prenom) {
    label_epreuve.set_caption(cp1252(avant_prenom) + r_.etat.prenom + cp1252(apres_prenom));
}
