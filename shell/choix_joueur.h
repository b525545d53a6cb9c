#pragma once
// Who plays? The stored players as cards, each with its picture, its name
// and its score: one click plays, a right click offers to remove the
// player. A new player spells a name on the name screen, then picks a
// picture here among the menu's characters. A name already taken is asked
// about, with that player's picture, before anyone takes over its game.
#include <functional>
#include <string>

#include "core/routines.h"
#include "platform/form.h"
#include "shell/joueurs.h"

class ChoixJoueur : public plat::Form {
public:
    static constexpr int kCartesParPage = 6;

    explicit ChoixJoueur(Routines& r);

    // At start-up: the stored players, or the name screen when there are none.
    void accueillir();
    // The stored players, from the page last shown.
    void montrer_joueurs();
    // The name screen confirmed this name (Windows-1252).
    void prenom_choisi(const std::string& prenom);

    // Called to open the name screen for a new player: whether there are
    // players to come back to, and what to say in its bubble.
    std::function<void(bool joueurs_stockes, const std::string& message)> ouvrir_ecran_du_prenom;

    plat::Label consigne{*this, "consigne"};
    // A card: the name over the score, and the picture at its left.
    plat::ControlArray<plat::Label> carte{*this, "carte", kCartesParPage};
    plat::ControlArray<plat::Image> visage{*this, "visage", kCartesParPage};
    plat::ControlArray<plat::Image> personnage{*this, "personnage", kNbPersonnages};
    plat::Image grand_visage{*this, "grand_visage"};
    plat::Button oui{*this, "oui"};
    plat::Button non{*this, "non"};
    plat::Button precedent{*this, "precedent"};
    plat::Button suivant{*this, "suivant"};
    plat::Label nouveau{*this, "nouveau"};

private:
    enum class Question { aucune, supprimer, reprendre };

    void disposer();
    void relire_joueurs();
    void relier_carte(int i);

    void montrer_page();
    void montrer_personnages();
    void poser_question(Question question, const Joueur& joueur, const std::string& texte);
    void tout_cacher();

    void carte_Click(int i);
    void carte_MouseDown(int i, int bouton);
    void precedent_Click();
    void suivant_Click();
    void nouveau_Click();
    void personnage_Click(int i);
    void oui_Click();
    void non_Click();

    // Opens the menu as this player, saved at once.
    void jouer(const Joueur& joueur);
    void creer_joueur(int personnage);
    void entrer_dans_le_menu();
    void ouvrir_le_nom(const std::string& message);

    plat::PicturePtr portrait(int personnage, int largeur, int hauteur);
    void montrer_portrait(plat::Image& image, int personnage, plat::Rect boite);

    Routines& r_;
    ListeJoueurs liste_;
    int page_ = 0;
    std::string prenom_nouveau_;
    Question question_ = Question::aucune;
    Joueur joueur_en_question_;
};
