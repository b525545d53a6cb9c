#include "platform/picture.h"

#include <atomic>
#include <cstring>

#include <SDL.h>
#include <SDL_image.h>

#include <stdexcept>

namespace plat {

namespace {
// Every picture is kept in one pixel format so blits never convert.
constexpr Uint32 kFormat = SDL_PIXELFORMAT_ARGB8888;
}

namespace {
std::atomic<std::uint64_t> pictures_made{0};  // pictures are decoded on two threads
}  // namespace

Picture::Picture(SDL_Surface* surface) : surface_(surface), id_(++pictures_made) {}
Picture::~Picture() { SDL_FreeSurface(surface_); }

int Picture::width() const { return surface_->w; }
int Picture::height() const { return surface_->h; }

PicturePtr Picture::clip(int x, int y, int w, int h) const {
    SDL_Surface* part = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, kFormat);
    if (!part) throw std::runtime_error(SDL_GetError());
    SDL_Rect src{x, y, w, h};
    SDL_SetSurfaceBlendMode(surface_, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(surface_, &src, part, nullptr);
    return std::make_shared<Picture>(part);
}

PicturePtr Picture::scaled(int w, int h) const {
    SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, kFormat);
    if (!out || SDL_SoftStretchLinear(surface_, nullptr, out, nullptr) != 0)
        throw std::runtime_error(SDL_GetError());
    return std::make_shared<Picture>(out);
}

Couleur Picture::pixel_at(int x, int y) const {
    auto* ligne = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch;
    Uint32 valeur = reinterpret_cast<const Uint32*>(ligne)[x];
    Uint8 r, g, b;
    SDL_GetRGB(valeur, surface_->format, &r, &g, &b);
    return Couleur{static_cast<std::uint32_t>(r | (g << 8) | (b << 16))};
}

PicturePtr load_picture(const std::filesystem::path& chemin) {
    // SDL_image sets its PNG decoder up on first use without a lock; C++ runs
    // this once, whichever thread comes first, so two threads may load at once.
    static const int decodeurs = IMG_Init(IMG_INIT_PNG);
    (void)decodeurs;
    SDL_Surface* brute = IMG_Load(chemin.string().c_str());
    if (!brute) throw std::runtime_error("Image introuvable ou illisible : " + chemin.string());
    SDL_Surface* convertie = SDL_ConvertSurfaceFormat(brute, kFormat, 0);
    SDL_FreeSurface(brute);
    if (!convertie) throw std::runtime_error("Image illisible : " + chemin.string());
    return std::make_shared<Picture>(convertie);
}

void save_png(const Picture& image, const std::filesystem::path& chemin) {
    if (IMG_SavePNG(image.surface(), chemin.string().c_str()) != 0)
        throw std::runtime_error("Impossible d'écrire " + chemin.string());
}

bool Picture::same_pixels(const Picture& other) const {
    const SDL_Surface* a = surface_;
    const SDL_Surface* b = other.surface_;
    if (a->w != b->w || a->h != b->h || a->format->format != b->format->format) return false;
    const std::size_t ligne = static_cast<std::size_t>(a->w) * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<const std::byte*>(a->pixels) + static_cast<std::ptrdiff_t>(y) * a->pitch,
                        static_cast<const std::byte*>(b->pixels) + static_cast<std::ptrdiff_t>(y) * b->pitch, ligne) != 0)
            return false;
    return true;
}

}  // namespace plat
