// Lexirama: fifteen French word games for children and families.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "platform/program_folder.h"
#include "shell/programme.h"

int main(int, char**) {
    try {
        auto dossier = plat::program_folder();
        auto graine = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        Programme programme(plat::make_window_backend(), plat::make_mixer_sound(dossier / "ats"), dossier, graine);
        programme.demarrer();
        programme.executer();
        return 0;
    } catch (const std::exception& e) {
        plat::show_fatal_error(e.what());
        return 1;
    }
}
