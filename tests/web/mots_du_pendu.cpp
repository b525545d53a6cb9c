// Prints the first words of the hangman's word file, decoded by the program's
// own reader, one per line: the words a new player meets in that order.
//   lexirama_mots_du_pendu DATAS/11.bin NOMBRE
#include <iostream>
#include <string>

#include "core/valeur.h"
#include "core/word_file_reader.h"
#include "platform/text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage : lexirama_mots_du_pendu FICHIER NOMBRE\n";
        return 2;
    }
    Valeur position{0};
    LecteurMots lecteur(argv[1], FormatEnregistrement{Champ::texte, Champ::texte}, position);
    const int nombre = std::stoi(argv[2]);
    for (int n = 0; n < nombre; ++n) std::cout << utf8((n == 0 ? lecteur.reprendre() : lecteur.suivant())[0].texte()) << '\n';
    return 0;
}
