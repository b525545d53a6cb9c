// Lexirama: fifteen French word games for children and families.
#include <SDL.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "platform/program_folder.h"
#include "shell/fichier_joueur.h"
#include "shell/programme.h"
#include "shell/verrou_joueur.h"

namespace {

Programme* programme_ouvert = nullptr;

// When the display goes away (a log-out, a shutdown), the X library ends the
// program through exit(): the player is saved on that way out too, silently,
// since there is no screen left to tell a failure on.
void sauver_en_sortant() {
    if (!programme_ouvert || !programme_ouvert->routines.etat.prenom_confirme) return;
    try {
        sauver_joueur(programme_ouvert->routines);
    } catch (const std::exception&) {
    }
}

// A closed terminal (SIGHUP) ends the game as SIGTERM does, through the
// window's close, which saves; SDL turns SIGTERM into that close.
void fermer_comme_sigterm(int) { std::raise(SIGTERM); }

struct ProgrammeOuvert {
    explicit ProgrammeOuvert(Programme& p) { programme_ouvert = &p; }
    ~ProgrammeOuvert() { programme_ouvert = nullptr; }
};

}  // namespace

int main(int, char**) {
    try {
        auto dossier = plat::program_folder();
        VerrouJoueur verrou(dossier_joueur(dossier / "datas"));
        if (!verrou.tenu()) {
            plat::show_fatal_error(kDejaOuvert);
            return 0;
        }
        auto graine = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        Programme programme(plat::make_window_backend(), plat::make_mixer_sound(dossier / "ats"), dossier, graine);
        ProgrammeOuvert ouvert(programme);
        std::atexit(sauver_en_sortant);
        std::signal(SIGHUP, fermer_comme_sigterm);
        programme.demarrer();
        programme.executer();
        return 0;
    } catch (const std::exception& e) {
        plat::show_fatal_error(e.what());
        return 1;
    }
}
