#pragma once
// The menu: fifteen characters, one per game, over background "1"; pointing
// at one makes it twitch and shows its invitation, clicking it opens the game.
// While the player idles, random characters twitch with a click and now and
// then an ambient sound plays. The picture `fin` quits the program.
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>

#include "core/routines.h"
#include "platform/form.h"

// One character of the menu: the picture over it, the game it opens, where
// its frames lie on the sheet, and its invitation (part 1 & name & part 2).
struct Personnage {
    std::string_view bouton;
    std::string_view jeu;
    Feuille feuille;
    int images;  // frames 0 to images - 1
    int base, pas, y, largeur, hauteur;  // frame r lies at x = base + r × pas
    // A hover that draws this frame shows the other one instead.
    int image_evitee, image_remplacante;
    // The idle timer twitches this character when it draws this value.
    int tirage_timer;
    std::string_view invitation_avant_prenom, invitation_apres_prenom;  // UTF-8
};

inline constexpr std::array<Personnage, 15> kPersonnages = {{
    {"bouton_voyelles", "voyelles", Feuille::anim3, 7, 1, 84, 156, 83, 51, 0, 3, 1,
     "Pour quelques points exercez votre sens de l'observation et découvrez la lettre qui n'apparaît pas ",
     " !"},
    {"bouton_1lettre", "unelettre", Feuille::anim3, 5, 1, 74, 1, 73, 75, 0, 3, 3,
     "Retrouvez deux mots dont seule la première lettre est différente. On y va quand vous voulez ", " !"},
    {"bouton_2mots", "deux_mots", Feuille::anim2, 4, 172, 40, 248, 39, 44, 0, 3, 5, "Finie la plaisanterie ",
     " ! Etes-vous capable de réunir deux mots pour en former un troisième ?"},
    {"bouton_anagramme", "anagramme", Feuille::anim2, 6, 1, 48, 152, 47, 94, 5, 0, 7,
     "J'ai formé un mot avec les lettres d'un autre. Pas mal hein ? Saurez-vous reconstituer le mot original ",
     " ?"},
    {"bouton_bonneteau", "bonneteau", Feuille::anim3, 3, 1, 106, 264, 105, 77, 0, 1, 9,
     "Avez-vous assez de points pour jouer au MONNETEAU ", " ? Vous ne connaissez pas ? Venez donc !"},
    {"bouton_codes", "codes", Feuille::anim2, 4, 363, 69, 385, 68, 94, 3, 1, 11,
     "Je suis un spécialiste du codage ! A vous de décrypter les mots issus de mon fabuleux cerveau ", " !"},
    {"bouton_familles", "familles", Feuille::anim2, 4, 333, 47, 219, 46, 43, 3, 1, 13,
     "Les mots forment une grande famille ! Vous en voulez la preuve ", " ?"},
    {"bouton_lettre", "lettre_en_trop", Feuille::anim2, 7, 1, 46, 294, 45, 41, 3, 5, 15,
     "Votre intelligence est-elle à mon niveau ", " ? Prouvez-le en trouvant la lettre en trop dans un mot !"},
    {"bouton_masculin", "masculin", Feuille::anim2, 4, 386, 34, 348, 33, 35, 3, 1, 17,
     "Vivez donc dangereusement ! Venez gaspiller vos points en devinant le genre des mots ", " !"},
    {"bouton_mot", "mot_a_trouver", Feuille::anim2, 4, 352, 64, 264, 63, 82, 0, 3, 19,
     "Mon antre cache les définitions d'une multitude de mots. Avez-vous le niveau pour les découvrir ", " ?"},
    {"bouton_musique", "musique", Feuille::anim2, 7, 1, 50, 337, 49, 80, 3, 6, 2, "Venez avec moi ",
     ", je suis un artiste et je connais la musique des mots ! Vous aussi ? Ah bon..."},
    {"bouton_mystere", "mot_mysterieux", Feuille::anim2, 3, 182, 60, 419, 59, 60, 2, 1, 4,
     "Je suis le Grand Maître du Mystère et personne n'a jamais découvert mes mots ",
     " ! Serez-vous le premier ?"},
    {"bouton_nombre", "nbre_lettres", Feuille::anim2, 5, 1, 76, 1, 75, 74, 0, 1, 6,
     "Grr ... Avez-vous envie de dépenser vos points durement acquis au Grand Jeu des Nombres ", " ?"},
    {"bouton_pendu", "pendu", Feuille::anim2, 6, 1, 30, 421, 29, 58, 0, 3, 8, "Salut ",
     " ! Avec moi, retrouvez le mot caché en proposant des lettres ! Mais en êtes-vous capable ?"},
    {"bouton_phrase", "phrase", Feuille::anim2, 3, 383, 58, 54, 57, 50, 0, 2, 10,
     "Le temps a effacé certaines lettres dans mes textes. Aidez-moi à les reconstituer ", " !"},
}};

class Depart : public plat::Form {
public:
    static constexpr std::uint32_t kIntervalleTimer = 750;

    explicit Depart(Routines& r);

    // The quit picture's path, also taken when the window is closed.
    void quitter();
    // The sound device's periodic status notice: now and then an ambient sound.
    void sons_StatusUpdate();

    plat::Timer Timer{*this, kIntervalleTimer};
    plat::Label label_epreuve{*this, "label_epreuve"};
    plat::Image fin{*this, "fin"};
    // One picture per character, in the order of kPersonnages.
    std::deque<plat::Image> boutons;

private:
    void Form_Activate();
    void Form_MouseMove();
    void Timer_Timer();
    void fin_MouseMove();
    void bouton_MouseMove(const Personnage& p, plat::Image& bouton);
    void bouton_Click(const Personnage& p);

    void arreter_tressaillements();
    void prevoir_tressaillement();
    void jouer_ambiance();
    void prevoir_ambiance();
    void animer_bouton(const Personnage& p, plat::Image& bouton);
    void montrer_image(const Personnage& p, int image, plat::Image& bouton);
    void afficher_repos();
    void afficher_invitation(std::string_view avant_prenom, std::string_view apres_prenom);

    Routines& r_;
    // The character the timer's next tick twitches, drawn ahead.
    std::optional<std::size_t> tressaillement_prevu_;
    bool ambiance_prevue_ = false;  // the next status notice on the idle menu plays it
};
