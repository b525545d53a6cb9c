#include "platform/canvas.h"

#include <SDL.h>

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

}  // namespace

Canvas::Canvas() : image_(nouvelle_surface(kLargeurEcran, kHauteurEcran)) {}

void Canvas::clear(Couleur couleur) { fill({0, 0, kLargeurEcran, kHauteurEcran}, couleur); }

void Canvas::fill(const Rect& zone, Couleur couleur) {
    SDL_Rect r = sdl(zone);
    SDL_FillRect(image_.surface(), &r, valeur_pixel(image_.surface(), couleur));
}

void Canvas::outline(const Rect& z, Couleur couleur) {
    fill({z.x, z.y, z.w, 1}, couleur);
    fill({z.x, z.y + z.h - 1, z.w, 1}, couleur);
    fill({z.x, z.y, 1, z.h}, couleur);
    fill({z.x + z.w - 1, z.y, 1, z.h}, couleur);
}

void Canvas::draw(const Picture& image, int x, int y, const Rect& limite) {
    SDL_Rect clip = sdl(limite);
    SDL_SetClipRect(image_.surface(), &clip);
    SDL_Rect dest{x, y, image.width(), image.height()};
    SDL_BlitSurface(image.surface(), nullptr, image_.surface(), &dest);
    SDL_SetClipRect(image_.surface(), nullptr);
}

PicturePtr render_text(const std::string& texte, const TextStyle& style, int largeur) {
    std::string u = utf8(texte);
    for (char& c : u)
        if (c == '\r') c = '\n';
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

}  // namespace plat
