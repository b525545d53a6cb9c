#include "platform/program_folder.h"

#include <SDL.h>

#include <cstdio>

namespace plat {

std::filesystem::path program_folder() {
    char* base = SDL_GetBasePath();
    std::filesystem::path dossier = base ? std::filesystem::path(base) : std::filesystem::current_path();
    SDL_free(base);
    return dossier;
}

void show_fatal_error(const std::string& message) {
    std::fprintf(stderr, "Lexirama : %s\n", message.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Lexirama", message.c_str(), nullptr);
}

}  // namespace plat
