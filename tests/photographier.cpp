// Renders every screen of the program, as a player first sees it, to PNG
// files a reviewer can open:  lexirama_photos OUT_DIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "shell/joueurs.h"
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

// Seven players, so that the players' screen shows a second page, with the
// longest name and the largest score among them.
void ecrire_joueurs(const Bench& b) {
    const std::pair<const char*, std::int32_t> joueurs[] = {
        {"Lea", 37}, {"Wwwwwwwwwwwww", 268'435'486}, {"Jean Paul", 0}, {"Nour", 1}, {"Zoe", 512}, {"Tom", 88},
        {"Ines", 3}};
    int personnage = 0;
    for (auto [prenom, score] : joueurs) {
        fs::path fichier = fichier_du_joueur(b.datas(), prenom, personnage++ * 2);
        fs::create_directories(fichier.parent_path());
        std::ofstream(fichier, std::ios::binary) << ecrire_profil({Valeur(1), score, prenom, {}});
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
    ecrire_joueurs(b);
    b.demarrer();
    b.enregistrer_png("choix_joueur", sortie / "choix_joueur.png");
    b.appuyer("carte", 1, plat::kBoutonDroit);
    b.enregistrer_png("choix_joueur", sortie / "choix_joueur_supprimer.png");
    b.cliquer("non");
    b.cliquer("nouveau");
    b.enregistrer_png("demande_prenom", sortie / "demande_prenom.png");
    // The pointer at rest on the space bar brings up its tooltip.
    b.survoler("espace");
    b.attendre(plat::Tooltip::kRepos);
    b.enregistrer_png("demande_prenom", sortie / "demande_prenom_bulle.png");
    for (char c : std::string("WWWWWWWWWWWWW")) b.cliquer("lettre", c - 'A');
    b.cliquer("fin_mot");
    b.enregistrer_png("choix_joueur", sortie / "choix_joueur_reprendre.png");
    b.cliquer("non");
    b.enregistrer_png("demande_prenom", sortie / "demande_prenom_pris.png");
    b.cliquer("fin_mot");
    b.enregistrer_png("choix_joueur", sortie / "choix_joueur_personnages.png");
    // A score given shows the widest numbers the game screens must hold.
    b.etat().score = argc == 3 ? std::stoll(argv[2]) : 12;
    for (plat::Form* f : b.app().forms()) {
        if (f->name() == "demande_prenom" || f->name() == "choix_joueur") continue;
        b.ouvrir(f->name());
        b.enregistrer_png(f->name(), sortie / (f->name() + ".png"));
        std::cout << (sortie / (f->name() + ".png")).string() << "\n";
    }
    return 0;
}
