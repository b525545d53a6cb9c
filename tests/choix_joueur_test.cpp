// Several children on one computer: each keeps a player file of their own,
// picked by its card; nobody takes over another's game without being asked,
// and removing a player asks first.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

#include "platform/text.h"
#include "shell/fichier_joueur.h"
#include "shell/joueurs.h"
#include "tests/bench.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPositionPendu = 8;  // among the counters of the player file

std::string lire(const fs::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

struct Famille {
    Famille() { b.ecrire_datas("11.bin", fichier_de_mots({{"CHAT", "Il miaule."}, {"CHIEN", "Il aboie."}})); }

    void ranger_joueur(const std::string& prenom, std::int32_t score, int personnage) {
        fs::path fichier = fichier_du_joueur(b.datas(), prenom, personnage);
        fs::create_directories(fichier.parent_path());
        std::ofstream(fichier, std::ios::binary) << ecrire_profil({Valeur(1), score, prenom, {}});
    }
    void creer(std::string_view prenom, int personnage) {
        for (char c : prenom) b.cliquer("lettre", c - 'A');
        b.cliquer("fin_mot");
        b.cliquer("personnage", personnage);
    }
    // The hangman's first word, won letter by letter.
    void gagner_un_mot() {
        b.ouvrir("pendu");
        for (char c : {'C', 'H', 'A', 'T'}) b.cliquer("lettre", c - 'A');
    }
    std::string fiche(int i) { return utf8(b.label("carte", i).caption()); }
    std::string consigne() { return utf8(b.label("consigne").caption()); }
    int cartes() {
        int n = 0;
        for (int i = 0; i < ChoixJoueur::kCartesParPage; ++i) n += b.controle("carte", i).visible();
        return n;
    }
    Bench b;
};

TEST(ChoixJoueur, TwoPlayersEachFindTheirOwnScoreAndProgressAfterARestart) {
    Famille f;
    f.b.demarrer();
    f.creer("LEA", 3);
    f.gagner_un_mot();
    const std::int32_t score_de_lea = f.b.etat().score;
    ASSERT_GT(score_de_lea, 0);

    f.b.relancer();
    ASSERT_EQ(f.b.visible().name(), "choix_joueur");
    f.b.cliquer("nouveau");
    f.creer("TOM", 7);
    EXPECT_EQ(f.b.etat().score, 0);
    EXPECT_EQ(f.b.etat().position_pendu, Valeur(0));
    f.b.etat().fixer_score(5);
    f.gagner_un_mot();
    const std::int32_t score_de_tom = f.b.etat().score;

    f.b.relancer();
    EXPECT_EQ(f.cartes(), 2);
    EXPECT_EQ(f.fiche(0), "Lea\r" + std::to_string(score_de_lea) + " pièces");
    EXPECT_EQ(f.fiche(1), "Tom\r" + std::to_string(score_de_tom) + " pièces");
    f.b.cliquer("carte", 0);
    EXPECT_EQ(f.b.visible().name(), "depart");
    EXPECT_EQ(f.b.etat().prenom, "Lea");
    EXPECT_EQ(f.b.etat().score, score_de_lea);
    EXPECT_EQ(f.b.etat().position_pendu, Valeur(1));
    EXPECT_EQ(f.b.etat().personnage, 3);
    EXPECT_EQ(lire_profil(lire(f.b.datas() / "4.bin"))->prenom, "Lea");  // the last player
}

TEST(ChoixJoueur, ANameTypedOverAStoredNameAsksBeforeTakingOver) {
    Famille f;
    f.ranger_joueur("Jean", 37, 5);
    const std::string fichier_de_jean = lire(fichier_du_joueur(f.b.datas(), "Jean", 5));
    f.b.demarrer();
    f.b.cliquer("nouveau");
    for (char c : std::string_view("JEAN")) f.b.cliquer("lettre", c - 'A');
    f.b.cliquer("fin_mot");
    ASSERT_EQ(f.b.visible().name(), "choix_joueur");
    EXPECT_EQ(f.consigne(), "Le prénom Jean est déjà pris.\rÊtes-vous bien Jean ?");
    EXPECT_TRUE(f.b.controle("grand_visage").visible());

    f.b.cliquer("non");
    ASSERT_EQ(f.b.visible().name(), "demande_prenom");
    EXPECT_NE(utf8(f.b.label("avertissement").caption()).find("déjà pris"), std::string::npos);
    EXPECT_EQ(lire(fichier_du_joueur(f.b.datas(), "Jean", 5)), fichier_de_jean);
    EXPECT_FALSE(f.b.etat().prenom_confirme);

    for (char c : std::string_view("JEAN")) f.b.cliquer("lettre", c - 'A');
    f.b.cliquer("fin_mot");
    f.b.cliquer("oui");
    EXPECT_EQ(f.b.visible().name(), "depart");
    EXPECT_EQ(f.b.etat().score, 37);
    EXPECT_EQ(f.b.etat().personnage, 5);
}

TEST(ChoixJoueur, RemovingAPlayerTakesARightClickAndAYes) {
    Famille f;
    f.ranger_joueur("Jean", 37, 5);
    f.ranger_joueur("Lea", 12, 2);
    f.b.demarrer();
    f.b.cliquer("carte", 0);  // a left click plays: back to the start for the rest
    f.b.relancer();

    f.b.appuyer("carte", 0, plat::kBoutonDroit);
    EXPECT_EQ(f.consigne(), "Supprimer le joueur Jean ?\rTous ses points seront perdus.");
    f.b.cliquer("non");
    EXPECT_EQ(f.cartes(), 2);
    EXPECT_TRUE(fs::exists(fichier_du_joueur(f.b.datas(), "Jean", 5)));

    f.b.appuyer("carte", 0, plat::kBoutonDroit);
    f.b.cliquer("oui");
    EXPECT_EQ(f.cartes(), 1);
    EXPECT_FALSE(fs::exists(fichier_du_joueur(f.b.datas(), "Jean", 5)));
    EXPECT_EQ(f.fiche(0), "Lea\r12 pièces");

    f.b.appuyer("carte", 0, plat::kBoutonDroit);
    f.b.cliquer("oui");
    EXPECT_EQ(f.b.visible().name(), "demande_prenom");
    EXPECT_EQ(utf8(f.b.label("conserver").caption()), "Vous êtes le premier joueur");
}

TEST(ChoixJoueur, ThePlayerOfAnEarlierVersionBecomesTheFirstStoredPlayerFieldForField) {
    Famille f;
    ProfilJoueur jean{Valeur(1), 37, "Jean", {}};
    jean.compteurs[kPositionPendu] = Valeur(3);
    jean.compteurs[20] = Valeur(70'000);  // a value on four bytes
    f.b.ecrire_datas("4.bin", ecrire_profil(jean));
    f.b.demarrer();
    EXPECT_EQ(lire(fichier_du_joueur(f.b.datas(), "Jean", kPersonnageParDefaut)), ecrire_profil(jean));
    EXPECT_EQ(f.cartes(), 1);
    EXPECT_EQ(f.fiche(0), "Jean\r37 pièces");

    // Once only: a player removed later does not come back from 4.bin.
    f.b.appuyer("carte", 0, plat::kBoutonDroit);
    f.b.cliquer("oui");
    f.b.relancer();
    EXPECT_EQ(f.b.visible().name(), "demande_prenom");
}

TEST(ChoixJoueur, AnUnreadablePlayerIsSetAsideAndTheOthersStay) {
    Famille f;
    f.ranger_joueur("Jean", 37, 5);
    f.b.ecrire_datas("joueurs/Zoe-1.bin", std::string("\x09\x00", 2));
    f.b.demarrer();
    EXPECT_EQ(f.cartes(), 1);
    ASSERT_EQ(f.b.backend().alerts().size(), 1u);
    EXPECT_NE(f.b.backend().alerts()[0].find("Zoe-1.bin.illisible"), std::string::npos);
    EXPECT_EQ(lire(f.b.datas() / "joueurs/Zoe-1.bin.illisible"), std::string("\x09\x00", 2));
}

TEST(ChoixJoueur, ThirtyPlayersAreShownSixAPage) {
    Famille f;
    for (int i = 0; i < 31; ++i) f.ranger_joueur(std::string("Joueur ") + char('A' + i / 26) + char('a' + i % 26), i, i % 15);
    f.b.demarrer();
    EXPECT_FALSE(f.b.controle("precedent").enabled());
    std::set<std::string> vus;
    for (int page = 0;; ++page) {
        for (int i = 0; i < f.cartes(); ++i) vus.insert(f.fiche(i));
        if (!f.b.controle("suivant").enabled()) break;
        f.b.cliquer("suivant");
    }
    EXPECT_EQ(vus.size(), 31u);
    EXPECT_EQ(f.cartes(), 1);
    f.b.cliquer("precedent");
    EXPECT_EQ(f.cartes(), 6);
}

}  // namespace
