#include "platform/canvas.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

#include "platform/fonts.h"
#include "platform/text.h"

namespace plat {

namespace {

SDL_Surface* nouvelle_surface(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) throw std::runtime_error(SDL_GetError());
    return s;
}

Uint32 valeur_pixel(SDL_Surface* s, Couleur c) { return SDL_MapRGB(s->format, c.r(), c.g(), c.b()); }

SDL_Rect sdl(const Rect& r) { return SDL_Rect{r.x, r.y, r.w, r.h}; }

// What SDL_ttf lays out: UTF-8, its lines broken by '\n', tied blanks kept.
std::string texte_pour_ttf(const std::string& texte) {
    std::string u = utf8(lier_ponctuation(texte));
    for (char& c : u)
        if (c == '\r') c = '\n';
    return u;
}

bool mot_trop_large(const std::string& texte, const TextStyle& style, int largeur) {
    TTF_Font* police = fonts().font(style.size, style.bold);
    std::string lie = lier_ponctuation(texte);
    std::size_t debut = 0;
    while (debut <= lie.size()) {
        std::size_t fin = lie.find_first_of(style.wrap ? " \r" : "\r", debut);
        if (fin == std::string::npos) fin = lie.size();
        int w = 0, h = 0;
        std::string mot = utf8(lie.substr(debut, fin - debut));
        if (!mot.empty() && TTF_SizeUTF8(police, mot.c_str(), &w, &h) == 0 && w > largeur) return true;
        debut = fin + 1;
    }
    return false;
}

}  // namespace

Canvas::Canvas() : image_(nouvelle_surface(kLargeurEcran, kHauteurEcran)) {}

void Canvas::clear(Couleur couleur) { fill({0, 0, kLargeurEcran, kHauteurEcran}, couleur); }

void Canvas::fill(const Rect& zone, Couleur couleur) {
    SDL_Rect r = sdl(intersection(zone, zone_));
    if (r.w == 0) return;
    SDL_FillRect(image_.surface(), &r, valeur_pixel(image_.surface(), couleur));
}

void Canvas::outline(const Rect& z, Couleur couleur) {
    fill({z.x, z.y, z.w, 1}, couleur);
    fill({z.x, z.y + z.h - 1, z.w, 1}, couleur);
    fill({z.x, z.y, 1, z.h}, couleur);
    fill({z.x + z.w - 1, z.y, 1, z.h}, couleur);
}

void Canvas::draw(const Picture& image, int x, int y, const Rect& limite) {
    SDL_Rect clip = sdl(intersection(limite, zone_));
    if (clip.w == 0) return;
    SDL_SetClipRect(image_.surface(), &clip);
    SDL_Rect dest{x, y, image.width(), image.height()};
    SDL_BlitSurface(image.surface(), nullptr, image_.surface(), &dest);
    SDL_SetClipRect(image_.surface(), nullptr);
}

PicturePtr render_text(const std::string& texte, const TextStyle& style, int largeur) {
    std::string u = texte_pour_ttf(texte);
    if (u.empty()) return nullptr;
    TTF_Font* police = fonts().font(style.size, style.bold);
    TTF_SetFontWrappedAlign(police, style.align == Align::center   ? TTF_WRAPPED_ALIGN_CENTER
                                    : style.align == Align::right ? TTF_WRAPPED_ALIGN_RIGHT
                                                                             : TTF_WRAPPED_ALIGN_LEFT);
    SDL_Color couleur{style.color.r(), style.color.g(), style.color.b(), 255};
    SDL_Surface* s = style.wrap ? TTF_RenderUTF8_Blended_Wrapped(police, u.c_str(), couleur, largeur)
                                        : TTF_RenderUTF8_Blended(police, u.c_str(), couleur);
    if (!s) return nullptr;
    SDL_Surface* convertie = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    SDL_SetSurfaceBlendMode(convertie, SDL_BLENDMODE_BLEND);
    return std::make_shared<Picture>(convertie);
}

Rect ink_of(const Picture& rendu) {
    SDL_Surface* s = rendu.surface();
    SDL_LockSurface(s);
    int gauche = s->w, droite = 0, haut = s->h, bas = 0;
    for (int y = 0; y < s->h; ++y) {
        const auto* ligne = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x)
            if (ligne[x] >> 24) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x + 1);
                haut = std::min(haut, y);
                bas = y + 1;
            }
    }
    SDL_UnlockSurface(s);
    return bas == 0 ? Rect{} : Rect{gauche, haut, droite - gauche, bas - haut};
}

bool text_fits(const std::string& texte, const TextStyle& style, int largeur, int hauteur) {
    if (mot_trop_large(texte, style, largeur)) return false;
    PicturePtr rendu = render_text(texte, style, largeur);
    if (!rendu) return true;
    // The line boxes hold room below the letters that the box may cut: what
    // must show is every inked row.
    Rect e = ink_of(*rendu);
    return e.y + e.h <= hauteur;
}

int capitals_centred_top(const TextStyle& style, int hauteur) {
    TTF_Font* police = fonts().font(style.size, style.bold);
    int minx = 0, maxx = 0, miny = 0, hauteur_capitale = 0, avance = 0;
    if (TTF_GlyphMetrics32(police, 'H', &minx, &maxx, &miny, &hauteur_capitale, &avance) != 0) return 0;
    return (hauteur - hauteur_capitale) / 2 - (TTF_FontAscent(police) - hauteur_capitale);
}

}  // namespace plat
