#pragma once
// A digest of everything a piece of the screen is drawn from: a control's
// place, state, caption and picture, or the form and its background. Two
// equal digests draw the same pixels, so a repaint draws again only the
// pieces whose digest changed since the last one.
#include <cstdint>
#include <string_view>

namespace plat {

class Fingerprint {
public:
    void add(std::uint64_t value) {
        for (int i = 0; i < 8; ++i) mix(static_cast<unsigned char>(value >> (8 * i)));
    }
    void add(std::string_view text) {
        add(text.size());
        for (char c : text) mix(static_cast<unsigned char>(c));
    }
    bool operator==(const Fingerprint&) const = default;

private:
    // FNV-1a: quick, and a chance collision over 64 bits is out of reach.
    void mix(unsigned char byte) {
        hash_ ^= byte;
        hash_ *= 1099511628211ull;
    }
    std::uint64_t hash_ = 14695981039346656037ull;
};

}  // namespace plat
