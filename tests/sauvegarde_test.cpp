// The player saved as it is won: after every verdict, every change of
// player and at quit, and a save that fails is told and tried again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "shell/fichier_joueur.h"
#include "shell/profil_joueur.h"
#include "tests/bench.h"

namespace fs = std::filesystem;

namespace {

// A hangman word, a player named and confirmed, the hangman open.
struct Partie {
    explicit Partie(int score) {
        b.ecrire_datas("11.bin", fichier_de_mots({{"CHAT", "Il miaule."}, {"CHIEN", "Il aboie."}}));
        b.demarrer();
        b.cliquer("fin_mot");
        b.cliquer("personnage", 0);
        b.etat().fixer_score(score);
        b.ouvrir("pendu");
    }
    std::optional<ProfilJoueur> sauve() {
        std::ifstream flux(b.datas() / "4.bin", std::ios::binary);
        return lire_profil(std::string{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()});
    }
    Bench b;
};

TEST(Sauvegarde, AVerdictIsOnDiskBeforeItsEffectsAreOver) {
    Partie p(10);
    p.b.cliquer("achat_indice");
    ASSERT_TRUE(p.sauve());
    EXPECT_EQ(p.sauve()->score, 8);  // the hint
    std::optional<ProfilJoueur> pendant_la_fete;  // the file as the win starts to show
    auto guet = p.b.guetter(10, [&] {
        if (!pendant_la_fete && p.b.etat().score > 8) pendant_la_fete = p.sauve();
    });
    for (char lettre : {'C', 'H', 'A', 'T'}) p.b.cliquer("lettre", lettre - 'A');
    ASSERT_TRUE(pendant_la_fete);
    EXPECT_EQ(pendant_la_fete->score, p.b.etat().score);
    EXPECT_EQ(pendant_la_fete->compteurs[8], Valeur(1));  // the hangman's progress with it
}

TEST(Sauvegarde, AFailedSaveIsToldOnceAndTriedAgainAtTheNextVerdict) {
    Partie p(10);
    fs::create_directories(p.b.datas() / "4.bin.tmp");  // no save can be written
    p.b.cliquer("achat_indice");
    ASSERT_EQ(p.b.backend().alerts().size(), 1u);
    EXPECT_NE(p.b.backend().alerts()[0].find("n'a pas pu être enregistré"), std::string::npos);
    for (char lettre : {'X', 'Y'}) p.b.cliquer("lettre", lettre - 'A');  // no verdict yet
    fs::remove(p.b.datas() / "4.bin.tmp");
    for (char lettre : {'C', 'H', 'A', 'T'}) p.b.cliquer("lettre", lettre - 'A');
    EXPECT_EQ(p.b.backend().alerts().size(), 1u);
    EXPECT_EQ(p.sauve()->score, p.b.etat().score);
}

}  // namespace
