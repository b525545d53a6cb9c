#pragma once
// The one typeface of the program, opened at each size it is asked for.
#include <map>
#include <string>
#include <utility>

#include <SDL_ttf.h>

namespace plat {

class Fonts {
public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    TTF_Font* font(int taille_points, bool gras);

private:
    std::string fichier_normal_, fichier_gras_;
    std::map<std::pair<int, bool>, TTF_Font*> ouvertes_;
};

Fonts& fonts();

}  // namespace plat
