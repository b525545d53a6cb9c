#pragma once
// The player file datas/4.bin on disk: read when the name screen opens,
// written back when the program quits. Its bytes are profil_joueur.h's.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/etat.h"
#include "core/routines.h"
#include "shell/profil_joueur.h"

inline constexpr std::string_view kFichierJoueur = "4.bin";
// An unreadable player file is kept under this name rather than written over.
inline constexpr std::string_view kFichierJoueurIllisible = "4.bin.illisible";

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

// A missing file is a first player. An unreadable one is renamed
// 4.bin.illisible, so that the next save does not destroy it, and play
// starts as for a first player.
LectureJoueur lire_fichier_joueur(const std::filesystem::path& dossier_datas);

// Writes a temporary file, then renames it over 4.bin: a crash mid-save keeps
// the last save whole, and no bytes of a longer earlier file remain.
void ecrire_fichier_joueur(const std::filesystem::path& dossier_datas, std::string_view octets);

// The profile as the shared state holds it now, and back.
ProfilJoueur profil_de(const EtatPartage& etat);
void reprendre_profil(const ProfilJoueur& profil, EtatPartage& etat);

// A new player starts every game from its first puzzle and every sound
// rotation from its start.
void remettre_progression_a_zero(EtatPartage& etat);

// The menu's quit: name, score, progress and sound rotations to datas/4.bin.
void sauver_joueur(Routines& r);
