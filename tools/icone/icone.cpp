// The icon of the installed program: the one-eyed character of the menu,
// cut from the menu picture and drawn at every size a desktop asks for.
//   lexirama_icone MENU_PICTURE OUT_DIR
#include <cstdio>
#include <filesystem>

#include "platform/picture.h"

namespace {
// A square around the character of the letter-count bet on the menu.
constexpr int kX = 410, kY = 166, kCote = 95;
constexpr int kTailles[] = {32, 48, 64, 128, 256};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : lexirama_icone IMAGE_DU_MENU DOSSIER\n");
        return 2;
    }
    try {
        std::filesystem::path sortie = argv[2];
        std::filesystem::create_directories(sortie);
        auto visage = plat::load_picture(argv[1])->clip(kX, kY, kCote, kCote);
        for (int taille : kTailles)
            plat::save_png(*visage->scaled(taille, taille), sortie / ("lexirama-" + std::to_string(taille) + ".png"));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lexirama_icone : %s\n", e.what());
        return 1;
    }
    return 0;
}
