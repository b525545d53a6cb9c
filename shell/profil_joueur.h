#pragma once
// The player file's bytes: 24 fields, one after the other from the first
// byte, no header. Pure conversion between bytes and a profile, with no
// file access, so that any bytes can be tried on it.
//
//   1  whether a player is stored   tagged value
//   2  the score, scrambled         plain 32-bit: (score × 4 − 123) × 2
//   3  the first name               tagged text: name & "Lexirama", every code + 4
//   4–24  the 21 counters           tagged values (games played, progress, sounds)
//
// A tagged value is a 2-byte type code, then: nothing for 0 (empty), 2 bytes
// for 2 (a number that fits 16 bits), 4 bytes for 3 (a larger number), a
// 2-byte length and the Windows-1252 bytes for 8 (a text). Numbers are
// little-endian, two's complement.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/valeur.h"
#include "shell/regle_prenom.h"

inline constexpr int kNbCompteurs = 21;  // fields 4 to 24

struct ProfilJoueur {
    Valeur profil_existant;
    std::int32_t score = 0;
    std::string prenom;  // Windows-1252, without the suffix
    // Fields 4 to 24 in file order: a counter never touched stays empty.
    std::array<Valeur, kNbCompteurs> compteurs;

    bool operator==(const ProfilJoueur&) const = default;
};

// Bytes that are not a player file. what() names the field and the fault in
// French (UTF-8): "champ 5 : type de valeur inconnu (7)".
class FichierJoueurIllisible : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string ecrire_profil(const ProfilJoueur& profil);

// No profile when nobody has played yet: no bytes at all, or a first field
// that is empty or 0. Bytes after field 24 are ignored. Throws
// FichierJoueurIllisible on anything else that is not a player file.
std::optional<ProfilJoueur> lire_profil(std::string_view octets);

// Field 2. Reading rounds each division to the nearest whole number, halves
// to the even one, so that the score written always comes back exactly.
std::int32_t brouiller_score(std::int32_t score);
std::int64_t debrouiller_score(std::int32_t brouille);
