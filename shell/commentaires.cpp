#include "shell/commentaires.h"

#include <string_view>

#include "platform/text.h"

std::array<std::string, kNbCommentaires> commentaires_pour(const std::string& prenom) {
    auto au_joueur = [&prenom](std::string_view debut) { return cp1252(debut) + prenom + " !"; };
    return {au_joueur("Bravo "),
            au_joueur("C'est juste "),
            au_joueur("Félicitations "),
            au_joueur("Super "),
            cp1252("C'est bien ça !"),
            au_joueur("Chapeau "),
            cp1252("Pas mal du tout !"),
            au_joueur("Pas du tout "),
            cp1252("Ah non ! Pas question !"),
            cp1252("Ce n'est pas ça du tout !"),
            cp1252("C'est tout  faux !"),  // two blanks, as the game has always shown it
            cp1252("A côté de la plaque !"),
            cp1252("Fallait chercher plus longtemps !"),
            cp1252("Vous êtes vraiment sûr ?"),
            ""};
}
