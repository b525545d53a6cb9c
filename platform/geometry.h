#pragma once
// Positions, sizes and colours as a form design gives them: pixels of the
// 640 × 480 canvas, colours as 0xBBGGRR numbers.
#include <cstdint>

namespace plat {

inline constexpr int kLargeurEcran = 640;
inline constexpr int kHauteurEcran = 480;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr bool contient(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    bool operator==(const Rect&) const = default;
    constexpr bool vide() const { return w <= 0 || h <= 0; }
};

// The part two rectangles share; empty when they do not meet.
constexpr Rect intersection(const Rect& a, const Rect& b) {
    int x = a.x > b.x ? a.x : b.x;
    int y = a.y > b.y ? a.y : b.y;
    int droite = a.x + a.w < b.x + b.w ? a.x + a.w : b.x + b.w;
    int bas = a.y + a.h < b.y + b.h ? a.y + a.h : b.y + b.h;
    return droite > x && bas > y ? Rect{x, y, droite - x, bas - y} : Rect{};
}

// The smallest rectangle that holds both; an empty one adds nothing.
constexpr Rect bounding(const Rect& a, const Rect& b) {
    if (a.vide()) return b;
    if (b.vide()) return a;
    int x = a.x < b.x ? a.x : b.x;
    int y = a.y < b.y ? a.y : b.y;
    int droite = a.x + a.w > b.x + b.w ? a.x + a.w : b.x + b.w;
    int bas = a.y + a.h > b.y + b.h ? a.y + a.h : b.y + b.h;
    return Rect{x, y, droite - x, bas - y};
}

// A colour written 0xBBGGRR: red 0x0000FF, green 0x00FF00, blue 0xFF0000.
struct Couleur {
    std::uint32_t bgr = 0;
    constexpr std::uint8_t r() const { return bgr & 0xFF; }
    constexpr std::uint8_t g() const { return (bgr >> 8) & 0xFF; }
    constexpr std::uint8_t b() const { return (bgr >> 16) & 0xFF; }
    bool operator==(const Couleur&) const = default;
};

namespace couleurs {
inline constexpr Couleur noir{0x000000};
inline constexpr Couleur blanc{0xFFFFFF};
inline constexpr Couleur rouge{0x0000FF};
inline constexpr Couleur vert{0x00FF00};
inline constexpr Couleur jaune{0x00FFFF};
inline constexpr Couleur bleu{0xFF0000};
}  // namespace couleurs

}  // namespace plat
