#include "platform/program_folder.h"

#include <SDL.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace plat {

std::filesystem::path program_folder() {
    char* base = SDL_GetBasePath();
    std::filesystem::path dossier = base ? std::filesystem::path(base) : std::filesystem::current_path();
    SDL_free(base);
    return dossier;
}

bool folder_writable(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

std::filesystem::path user_data_folder(const std::string& name) {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return std::filesystem::path(xdg) / name;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/tmp") / ".local" / "share" / name;
}

void show_fatal_error(const std::string& message) {
    std::fprintf(stderr, "Lexirama : %s\n", message.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Lexirama", message.c_str(), nullptr);
}

}  // namespace plat
