// Whatever bytes a word file holds, a game's reader returns records or throws
// FichierMotsErreur with its French message; it never crashes, hangs or
// throws anything else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/word_file.h"
#include "core/word_file_reader.h"

namespace {

// The input starts with the record format and the stored progress.
constexpr std::size_t octets_de_reglage = 3;
constexpr int lectures_par_maniere = 16;

// Low 3 bits: the number of fields less one; the other bits: which are numbers.
FormatEnregistrement format_tire(std::uint8_t octet) {
    FormatEnregistrement format;
    const int champs = (octet & 7) + 1;
    for (int i = 0; i < champs; ++i) format.push_back((octet >> (3 + i % 5)) & 1 ? Champ::nombre : Champ::texte);
    return format;
}

// The game's three ways of reading: resume, next puzzle, and single fields
// with the end test after each (`familles`).
void lire_comme_les_jeux(LecteurMots& lecteur) {
    lecteur.reprendre();
    for (int i = 0; i < lectures_par_maniere; ++i) lecteur.suivant();
    for (int i = 0; i < lectures_par_maniere; ++i) {
        lecteur.fichier().lire_texte();
        lecteur.revenir_au_debut_si_fini();
        lecteur.avancer();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < octets_de_reglage) return 0;
    Valeur position(static_cast<std::int16_t>(donnees[1] << 8 | donnees[2]));
    std::string contenu(reinterpret_cast<const char*>(donnees) + octets_de_reglage, taille - octets_de_reglage);
    try {
        LecteurMots lecteur(FichierMots("fuzz.bin", std::move(contenu)), format_tire(donnees[0]), position);
        lire_comme_les_jeux(lecteur);
    } catch (const FichierMotsErreur& erreur) {
        if (!std::string_view(erreur.what()).starts_with("Le fichier de mots fuzz.bin est illisible (")) __builtin_trap();
    }
    return 0;
}
