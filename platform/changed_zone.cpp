#include "platform/changed_zone.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace plat {

namespace {

const std::uint32_t* row(const SDL_Surface* s, int y) {
    return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch);
}

int down_to_square(int v) { return v / ChangedZone::kCarreau * ChangedZone::kCarreau; }
int up_to_square(int v) { return (v + ChangedZone::kCarreau - 1) / ChangedZone::kCarreau * ChangedZone::kCarreau; }

}  // namespace

std::optional<Rect> ChangedZone::since_last(const Picture& canvas, const Rect& drawn) {
    const SDL_Surface* s = canvas.surface();
    const int w = s->w, h = s->h;
    const std::size_t largeur = static_cast<std::size_t>(w);
    if (sent_.size() != largeur * static_cast<std::size_t>(h)) {
        sent_.resize(largeur * static_cast<std::size_t>(h));
        for (int y = 0; y < h; ++y) std::memcpy(&sent_[largeur * y], row(s, y), largeur * 4);
        return Rect{0, 0, w, h};
    }
    const Rect z = intersection(drawn, Rect{0, 0, w, h});
    const std::size_t octets = static_cast<std::size_t>(z.w) * 4;
    int gauche = w, droite = 0, haut = h, bas = 0;
    for (int y = z.y; y < z.y + z.h; ++y) {
        std::uint32_t* envoye = &sent_[largeur * y];
        const std::uint32_t* nouveau = row(s, y);
        if (std::memcmp(envoye + z.x, nouveau + z.x, octets) == 0) continue;
        int x0 = z.x, x1 = z.x + z.w;
        while (envoye[x0] == nouveau[x0]) ++x0;
        while (envoye[x1 - 1] == nouveau[x1 - 1]) --x1;
        gauche = std::min(gauche, x0);
        droite = std::max(droite, x1);
        haut = std::min(haut, y);
        bas = y + 1;
        std::memcpy(envoye + x0, nouveau + x0, static_cast<std::size_t>(x1 - x0) * 4);
    }
    if (bas == 0) return std::nullopt;
    int x = down_to_square(gauche), y = down_to_square(haut);
    return Rect{x, y, std::min(up_to_square(droite), w) - x, std::min(up_to_square(bas), h) - y};
}

}  // namespace plat
