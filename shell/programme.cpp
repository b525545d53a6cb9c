#include "shell/programme.h"

#include <exception>
#include <string>
#include <utility>

#include "games/jeux.h"
#include "shell/fichier_joueur.h"

Programme::Programme(std::unique_ptr<plat::Backend> backend, std::unique_ptr<plat::SoundBackend> sound,
                     std::filesystem::path dossier, std::uint32_t graine)
    : app(std::move(backend), std::move(sound)),
      routines(app, std::move(dossier), graine),
      demande_prenom(routines),
      choix_joueur(routines),
      depart(routines),
      jeux(creer_jeux(routines)) {
    // Closing the window or SIGTERM leaves the way the quit picture does.
    app.on_close_request = [this] { depart.quitter(); };
    // The menu carries the sound device, whose status notice drives the ambient sound.
    app.on_sound_status = [this] { depart.sons_StatusUpdate(); };
    routines.sauvegarde = [this] { sauvegarder(); };
    choix_joueur.ouvrir_ecran_du_prenom = [this](bool joueurs_stockes, const std::string& message) {
        demande_prenom.ouvrir(joueurs_stockes, message);
    };
    demande_prenom.on_prenom = [this](const std::string& prenom) { choix_joueur.prenom_choisi(prenom); };
    demande_prenom.on_retour = [this] { choix_joueur.montrer_joueurs(); };
}

Programme::~Programme() = default;

void Programme::demarrer() { ::demarrer(routines, chargement, titre, [this] { choix_joueur.accueillir(); }); }

void Programme::executer() { app.run(); }

void Programme::sauvegarder() {
    if (!routines.etat.prenom_confirme) return;
    try {
        sauver_joueur(routines);
        echec_dit_ = false;
    } catch (const std::exception& e) {
        if (std::exchange(echec_dit_, true)) return;
        app.alert(std::string(e.what()) +
                  "\n\nLa partie continue : elle sera enregistrée de nouveau à chaque point gagné ou perdu.");
    }
}
