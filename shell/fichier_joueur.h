#pragma once
// The player file 4.bin on disk: read when the name screen opens, written
// after every verdict, every change of player and at quit. Its bytes are
// profil_joueur.h's.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/etat.h"
#include "core/routines.h"
#include "shell/profil_joueur.h"

inline constexpr std::string_view kFichierJoueur = "4.bin";
// An unreadable player file is kept under its name and this suffix rather
// than written over; a second one gets "4.bin.illisible-2", and so on.
inline constexpr std::string_view kSuffixeIllisible = ".illisible";
// A save is written beside the file under this suffix, flushed to the disk,
// then renamed over it.
inline constexpr std::string_view kSuffixeProvisoire = ".tmp";
// No player file is larger; bytes beyond are never read.
inline constexpr std::size_t kTailleMaxFichierJoueur = 64 * 1024;

// The folder of the player file: the data folder beside the program when
// this user may write there (a build run in place), otherwise the user's own
// data folder (an installed program), created when missing.
std::filesystem::path dossier_joueur(const std::filesystem::path& dossier_datas);

// What the name screen finds when it opens the player file.
struct LectureJoueur {
    std::optional<ProfilJoueur> profil;  // none: a first player
    // Windows-1252 sentence telling the player that the file was unreadable
    // and put aside; empty otherwise.
    std::string avertissement;
};

// Reads the player of `dossier`. A missing file is a first player; an
// unreadable one (or a folder in its place) is put aside under a name of its
// own, so that the next save does not destroy it, and play starts as for a
// first player. A save cut short by the end of the program, complete in its
// temporary file and newer than 4.bin, is taken first. When `dossier` holds
// no player yet and `ancien` (the data folder beside a program that may not
// write there) holds one, that player is copied into `dossier`: nothing is
// lost and nothing is written beside the program.
LectureJoueur lire_fichier_joueur(const std::filesystem::path& dossier, const std::filesystem::path& ancien = {});

// One player file anywhere, read and set aside as lire_fichier_joueur does.
LectureJoueur lire_joueur(const std::filesystem::path& chemin);

// Writes the temporary file, flushes it to the disk, then renames it over
// 4.bin: an end of the program or of the power at any instant keeps a whole
// save, the last one or the new one. Throws, with a French message, when the
// file cannot be written; the last save is then left as it was.
void ecrire_fichier_joueur(const std::filesystem::path& dossier, std::string_view octets);
void ecrire_joueur(const std::filesystem::path& chemin, std::string_view octets);

// The profile as the shared state holds it now, and back. Values out of
// their range (a negative progress or counter) are read as 0.
ProfilJoueur profil_de(const EtatPartage& etat);
void reprendre_profil(const ProfilJoueur& profil, EtatPartage& etat);

// A new player starts every game from its first puzzle and every sound
// rotation from its start.
void remettre_progression_a_zero(EtatPartage& etat);

// Name, score, progress and sound rotations to the player's own file, then
// to 4.bin.
void sauver_joueur(Routines& r);
