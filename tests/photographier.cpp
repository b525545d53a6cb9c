// Renders every screen of the program, as a player first sees it, to PNG
// files a reviewer can open:  lexirama_photos OUT_DIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tests/bench.h"

namespace fs = std::filesystem;

namespace {

// The built word files, so that each game opens on a real puzzle.
void copier_mots(Bench& b) {
    for (const auto& f : fs::directory_iterator(fs::path(LEXIRAMA_BUILD_DIR) / "datas")) {
        if (f.path().extension() != ".bin" || f.path().filename() == "4.bin") continue;
        std::ifstream in(f.path(), std::ios::binary);
        std::stringstream octets;
        octets << in.rdbuf();
        b.ecrire_datas(f.path().filename().string(), octets.str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage : lexirama_photos DOSSIER [SCORE]\n";
        return 2;
    }
    fs::path sortie = argv[1];
    fs::create_directories(sortie);
    Bench b;
    copier_mots(b);
    b.demarrer();
    b.enregistrer_png("demande_prenom", sortie / "demande_prenom.png");
    // The pointer at rest on the space bar brings up its tooltip.
    b.survoler("espace");
    b.attendre(plat::Tooltip::kRepos);
    b.enregistrer_png("demande_prenom", sortie / "demande_prenom_bulle.png");
    // A score given shows the widest numbers the game screens must hold.
    b.etat().score = argc == 3 ? std::stoll(argv[2]) : 12;
    for (plat::Form* f : b.app().forms()) {
        if (f->name() == "demande_prenom") continue;
        b.ouvrir(f->name());
        b.enregistrer_png(f->name(), sortie / (f->name() + ".png"));
        std::cout << (sortie / (f->name() + ".png")).string() << "\n";
    }
    return 0;
}
