#pragma once
// The whole program put together: the application, the shared routines,
// the shell's screens and the games. main() builds one with the real window
// and sound; the tests build one on the bench.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/routines.h"
#include "platform/application.h"
#include "shell/chargement.h"
#include "shell/choix_joueur.h"
#include "shell/demande_prenom.h"
#include "shell/depart.h"

class Programme {
public:
    Programme(std::unique_ptr<plat::Backend> backend, std::unique_ptr<plat::SoundBackend> sound,
              std::filesystem::path dossier, std::uint32_t graine);
    ~Programme();

    // The start-up up to the name screen, then the event loop until quit.
    void demarrer();
    void executer();
    // Writes the player file once a player is confirmed. A save that fails
    // is told once, in French, and tried again at the next one.
    void sauvegarder();

    plat::Application app;
    Routines routines;
    Chargement chargement{app};
    Titre titre{app};
    DemandePrenom demande_prenom;
    ChoixJoueur choix_joueur;
    Depart depart;
    std::vector<std::unique_ptr<plat::Form>> jeux;

private:
    bool echec_dit_ = false;  // the player knows that saving fails
};
