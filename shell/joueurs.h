#pragma once
// The players kept on this computer: one player file each, in the folder
// joueurs/ beside 4.bin, in 4.bin's own format. A file's name gives the
// player's name and the menu character picked as their picture when the
// player was created ("Lea-3.bin"), so a parent can tell the files apart.
// 4.bin keeps holding the last player: an earlier version finds it there,
// and on the first start of this one it becomes the first stored player.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/profil_joueur.h"

inline constexpr std::string_view kDossierJoueurs = "joueurs";
// A player's picture is one of the menu's characters.
inline constexpr int kNbPersonnages = 15;
// The picture of a player brought from a version that had none: the hangman's
// friendly boy.
inline constexpr int kPersonnageParDefaut = 13;

struct Joueur {
    std::filesystem::path fichier;
    ProfilJoueur profil;
    int personnage = kPersonnageParDefaut;  // among the menu's characters, from 0
};

struct ListeJoueurs {
    std::vector<Joueur> joueurs;  // by name
    // Windows-1252 sentences, one per unreadable file put aside; empty otherwise.
    std::string avertissement;
};

// Every stored player of the player folder `dossier`. On the first start,
// before joueurs/ exists, the player of 4.bin (or of `ancien`, see
// lire_fichier_joueur) becomes its first file. An unreadable file is put
// aside and said, and the others are listed all the same.
ListeJoueurs lire_joueurs(const std::filesystem::path& dossier, const std::filesystem::path& ancien = {});

// Where the player of this name and picture is kept.
std::filesystem::path fichier_du_joueur(const std::filesystem::path& dossier, const std::string& prenom,
                                        int personnage);

// The stored player with this name, if any.
const Joueur* joueur_nomme(const ListeJoueurs& liste, const std::string& prenom);

void supprimer_joueur(const Joueur& joueur);
