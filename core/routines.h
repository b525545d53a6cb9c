#pragma once
// The routines every screen shares: sounds, pointer, pictures, the score
// pulse, the answer row, the comment phrases, the hint purchase and the
// picture buttons. One object, made at start-up and passed to every form.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/banque_images.h"
#include "core/etat.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/picture.h"

// The pictures of the hidden store form: the three sprite sheets, the grey
// face of an inactive button and those of the stake's round - and +.
struct Divers {
    plat::PicturePtr anim, anim2, anim3, inactif, moins_inactif, plus_inactif;
};

enum class Feuille { anim, anim2, anim3 };

// Where the pointer is parked while it is hidden, by mode.
enum ModePointeur : int {
    kSurPlace = 0,       // hide without moving
    kCentre = 1,         // (320, 240)
    kMenu = 2,           // (250, 240)
    kSurEncore = 3,      // (570, 410), over the again button
    kSurVerifier = 4,    // (570, 315), over the check button
};

class Routines {
public:
    Routines(plat::Application& app, std::filesystem::path dossier_programme, std::uint32_t graine);

    plat::Application& app;
    EtatPartage etat;
    Divers divers;

    // ---- folders ----
    std::filesystem::path dossier_datas() const { return dossier_ / "datas"; }
    std::filesystem::path dossier_ats() const { return dossier_ / "ats"; }

    // ---- pointer ----
    void cacher_pointeur(int mode);
    void montrer_pointeur();

    // ---- sounds ----
    void jouer_son(const std::string& nom);
    void jouer_ambiance();
    void jouer_son_touche();
    void jouer_victoire();
    void jouer_defaite();
    void jouer_son_liste(int choix);
    std::string tirer_son();
    std::string tirer_son_victoire();

    // ---- pictures ----
    plat::PicturePtr image(const std::string& nom) { return images_.image(nom); }
    void precharger_images(const std::vector<std::string>& noms) { images_.precharger(noms); }
    void charger_fond(plat::Form& f, const std::string& nom);
    const plat::PicturePtr& feuille(Feuille f) const;

    // ---- chance: one generator for the whole program, seeded once ----
    double rnd();
    int tirer(int n);  // the integer part of n × rnd()
    std::mt19937& generateur() { return hasard_; }

    // ---- settlement: what a verdict changes, in one step ----
    // The score moves by `points` (kept between 0 and its maximum) and the
    // game's progress `position` moves on by `enigmes` puzzles, then the
    // player is saved. Whatever shows the verdict (sound, pulse, blink,
    // dance) comes after: leaving or quitting in the middle of it then
    // loses nothing and pays nothing twice.
    void regler(std::int64_t points, Valeur& position, int enigmes = 1);
    // A change of score alone (a hint bought, a wrong letter), saved as well.
    void regler(std::int64_t points);
    // Saves the player now (nothing to save before a name is confirmed).
    void sauvegarder();
    // How the player is saved; set by the shell.
    std::function<void()> sauvegarde;

    // ---- screens shared by every game ----
    // The score label pulses and ends on the score as it stands.
    void afficher_score(plat::Label& label_score);
    static void placer_reponse(int n, plat::ControlArray<plat::Label>& reponse);
    static constexpr int kPasReponse = 47;  // from one answer cell to the next
    // The next comment phrase for a right or wrong answer, in rotation.
    const std::string& commentaire(bool juste);
    // The phrase of the current turn, the rotation left where it stands.
    const std::string& commentaire_du_tour(bool juste) const;
    void preparer_indice(plat::Label& achat_indice) const;
    // Buys the hint once per puzzle: 2 points, settled before the hint shows.
    void acheter_indice(bool& achete, plat::Label& achat_indice, plat::Label& label_score, const std::string& indice);
    void rendre_inactif(plat::Image& bouton) const;
    static void rendre_actif(plat::Image& bouton);
    // Back to the menu: the leaving sound, the menu shown, every file closed.
    void retour_menu(plat::Form& jeu);

    // A word file that cannot be read: the game closes, the menu comes back
    // and says why; score and progress stay as they were.
    void quitter_sur_erreur(plat::Form& jeu, const std::string& message);
    // The message the menu shows once in place of its resting caption.
    std::string prendre_avis() { return std::exchange(avis_menu_, {}); }

    // ---- files: one open at a time ----
    // The game that opens its word file says how to close it.
    void ouvrir_fichier(std::function<void()> fermer);
    void fermer_fichiers();

private:
    void effet(const std::string& nom);
    std::filesystem::path dossier_;
    std::mt19937 hasard_;
    BanqueImages images_;
    std::function<void()> fermer_fichier_ouvert_;
    int park_x_ = 0, park_y_ = 0;
    std::string avis_menu_;
};

// Texts of the hint label.
inline constexpr int kCoutIndice = 2;
