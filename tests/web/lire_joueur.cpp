// Reads a player file with the program's own decoder and prints what the
// browser test checks, one "name value" pair per line:
//   prenom Lea / score 10 / position_pendu 1
// Bytes that are not a player file end it with the decoder's message.
//   lexirama_lire_joueur FICHIER
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "core/etat.h"
#include "platform/text.h"
#include "shell/fichier_joueur.h"
#include "shell/profil_joueur.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage : lexirama_lire_joueur FICHIER\n";
        return 2;
    }
    std::ifstream fichier(argv[1], std::ios::binary);
    const std::string octets{std::istreambuf_iterator<char>(fichier), {}};
    try {
        const auto profil = lire_profil(octets);
        if (!profil) {
            std::cerr << "aucun joueur dans " << argv[1] << '\n';
            return 1;
        }
        EtatPartage etat;
        reprendre_profil(*profil, etat);
        std::cout << "prenom " << utf8(profil->prenom) << "\nscore " << profil->score << "\nposition_pendu "
                  << etat.position_pendu.nombre() << '\n';
    } catch (const FichierJoueurIllisible& e) {
        std::cerr << argv[1] << " : " << e.what() << '\n';
        return 1;
    }
    return 0;
}
