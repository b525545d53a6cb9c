#pragma once
// A picture loaded from a file of the data folder (its format is recognised
// by content, names have no extension), shared and never changed once made.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"

struct SDL_Surface;

namespace plat {

class Picture;
using PicturePtr = std::shared_ptr<const Picture>;

class Picture {
public:
    explicit Picture(SDL_Surface* surface);  // takes ownership
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Unique to this picture for the program's life, even once it is gone:
    // what a screen's fingerprint knows it by.
    std::uint64_t id() const { return id_; }

    int width() const;
    int height() const;
    SDL_Surface* surface() const { return surface_; }

    // The rectangle as a picture of its own, as a picture-clip control cuts it.
    PicturePtr clip(int x, int y, int w, int h) const;

    // The picture smoothly resized (icons of the installed program).
    PicturePtr scaled(int w, int h) const;

    // Colour of one pixel as 0xBBGGRR (tests and checks).
    Couleur pixel_at(int x, int y) const;
    // The same size and the same pixels (checks).
    bool same_pixels(const Picture& other) const;

private:
    SDL_Surface* surface_;
    std::uint64_t id_;
};

// Throws std::runtime_error with a French message naming the file.
PicturePtr load_picture(const std::filesystem::path& chemin);

void save_png(const Picture& image, const std::filesystem::path& chemin);

}  // namespace plat
