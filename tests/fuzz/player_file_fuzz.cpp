// Whatever bytes the player file holds, reading it gives a profile, no
// profile (a first player) or FichierJoueurIllisible naming the field at
// fault; it never crashes or throws anything else. A profile read is
// written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/profil_joueur.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    try {
        std::optional<ProfilJoueur> profil = lire_profil(octets);
        if (profil && lire_profil(ecrire_profil(*profil)) != profil) __builtin_trap();
    } catch (const FichierJoueurIllisible& erreur) {
        if (!std::string_view(erreur.what()).starts_with("champ ")) __builtin_trap();
    }
    return 0;
}
