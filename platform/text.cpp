#include "platform/text.h"

#include <array>
#include <cstdint>

namespace {

// 0x80–0x9F are the only codes where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> kPlage80 = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t vers_unicode(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kPlage80[c - 0x80];
    return c;
}

char vers_cp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < kPlage80.size(); ++i)
        if (kPlage80[i] == u && u != 0xFFFD) return static_cast<char>(0x80 + i);
    return '?';
}

void ecrire_utf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

constexpr char kInsecable = '\xA0';
constexpr char kGuillemetOuvrant = '\xAB';
constexpr char kGuillemetFermant = '\xBB';

// Signs that belong to the word before them: a line never starts with one.
bool ponctuation_fermante(char c) {
    return std::string_view("!?:;.,)").find(c) != std::string_view::npos || c == kGuillemetFermant ||
           c == '\x85';  // the ellipsis
}

bool blanc_lie(std::string_view s, std::size_t i) {
    bool avant_ponctuation = i + 1 < s.size() && ponctuation_fermante(s[i + 1]);
    bool apres_guillemet = i > 0 && s[i - 1] == kGuillemetOuvrant;
    return avant_ponctuation || apres_guillemet;
}

}  // namespace

std::string lier_ponctuation(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == ' ' && blanc_lie(s, i)) out[i] = kInsecable;
    return out;
}

std::string cp1252(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int suite = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t u = suite == 0 ? c : c & (0x3F >> suite);
        for (int k = 1; k <= suite && i + k < s.size(); ++k) u = (u << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += vers_cp1252(u);
        i += suite + 1;
    }
    return out;
}

std::string utf8(std::string_view s) {
    std::string out;
    for (char c : s) ecrire_utf8(out, vers_unicode(static_cast<unsigned char>(c)));
    return out;
}

char majuscule(char c) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    if (u == 0x9C) return static_cast<char>(0x8C);  // œ
    return c;
}

char minuscule(char c) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    if (u == 0x8C) return static_cast<char>(0x9C);
    return c;
}

bool egaux_sans_casse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (majuscule(a[i]) != majuscule(b[i])) return false;
    return true;
}
