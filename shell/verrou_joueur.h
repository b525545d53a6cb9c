#pragma once
// One copy of the program at a time per player file: two copies would each
// save their own state over the other's. The lock is the system's, on a
// file beside the player file, and goes with the process however it ends.
#include <filesystem>

class VerrouJoueur {
public:
    explicit VerrouJoueur(const std::filesystem::path& dossier_joueur);
    ~VerrouJoueur();
    VerrouJoueur(const VerrouJoueur&) = delete;
    VerrouJoueur& operator=(const VerrouJoueur&) = delete;

    // False when another copy already plays on this player file.
    bool tenu() const { return tenu_; }

private:
    int fd_ = -1;
    bool tenu_ = false;
};

// What a second copy says before it ends (UTF-8).
inline constexpr const char* kDejaOuvert =
    "Lexirama est déjà ouvert sur cet ordinateur.\n\nRetrouvez sa fenêtre dans la barre des tâches : "
    "une seule partie à la fois garde bien les points de chacun.";
