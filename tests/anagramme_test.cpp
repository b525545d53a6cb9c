// The anagram on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/guide.h"
#include "games/wordplay/anagramme.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
const Mots kMots = {{"LOUPE", "POULE", "Elle pond.", "Cherchez un animal."}, {"RAME", "MARE", "Les canards y nagent.", ""}};
// Tiles to click, by index, to spell POULE from LOUPE, and a wrong order.
const std::vector<int> kPoule = {3, 1, 2, 0, 4};
const std::vector<int> kLoupe = {0, 1, 2, 3, 4};
constexpr int kCase = Anagramme::kTuiles;

struct Partie {
    explicit Partie(int score = 0, const Mots& mots = kMots, int position = 0) {
        b.ecrire_datas("1.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        b.etat().position_anagramme = Valeur(position);
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("anagramme");
    }
    void placer(const std::vector<int>& tuiles) {
        for (int i : tuiles) b.cliquer("reponse", i);
    }
    // The visible tiles (ligne 0) or slots (ligne 1) as one word.
    std::string rangee(int ligne) {
        std::string s;
        for (int i = 0; i < kCase && b.label("reponse", ligne * kCase + i).visible(); ++i)
            s += b.label("reponse", ligne * kCase + i).caption();
        return s;
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    std::pair<int, int> pointeur() { return {b.backend().pointer_x(), b.backend().pointer_y()}; }
    Bench b;
};

TEST(Anagramme, TheMenuOpensItOnTheTilesOfTheGivenWord) {
    Partie p(2);
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_anagramme");
    ASSERT_EQ(p.b.visible().name(), "anagramme");
    EXPECT_EQ(p.rangee(0), "LOUPE");
    EXPECT_EQ(p.rangee(1), "-----");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p.b.label("reponse", i).left(), 204 + 47 * i);
        EXPECT_EQ(p.b.label("reponse", kCase + i).left(), 204 + 47 * i);
        EXPECT_EQ(p.b.label("reponse", i).fore_color(), plat::couleurs::blanc);
    }
    EXPECT_EQ(p.commentaire(),
              "Pouvez-vous agencer les lettres du mot ci-dessous dans un ordre différent afin d'obtenir un autre "
              "mot ?\rCherchez un animal.");
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_EQ(utf8(p.b.label("achat_indice").caption()), "Acheter un indice\r(coût : 2 pièces)");
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("encore_anagram"));
    EXPECT_EQ(p.b.sons().names().back(), "1.ats");
    p.b.cliquer("fin_anagramme");
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.sons().names().back(), "7.ats");
}

TEST(Anagramme, EachTileGoesToTheNextSlotAndTheLastOneOffersTheCheck) {
    Partie p;
    p.placer({3});
    EXPECT_EQ(p.rangee(1), "P----");
    EXPECT_EQ(p.b.label("reponse", 3).caption(), "");
    EXPECT_FALSE(p.b.controle("reponse", 3).enabled());
    EXPECT_TRUE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("test"));
    p.b.cliquer("reponse", kCase + 2);  // a slot moves nothing
    EXPECT_EQ(p.rangee(1), "P----");
    p.placer({1, 2, 0, 4});
    EXPECT_EQ(p.rangee(1), "POULE");
    EXPECT_TRUE(p.actif("test"));
    EXPECT_EQ(p.pointeur(), std::pair(570, 315));
}

TEST(Anagramme, EraseTakesEveryLetterBack) {
    Partie p;
    p.placer({4, 0, 1, 2, 3});
    p.b.cliquer("effacer");
    EXPECT_EQ(p.b.sons().names().back(), "3.ats");
    EXPECT_EQ(p.rangee(0), "LOUPE");
    EXPECT_EQ(p.rangee(1), "-----");
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    p.placer(kPoule);
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().score, 5);
}

TEST(Anagramme, VerdictPointsAndMessages) {
    struct Cas {
        std::vector<int> tuiles;
        int score;
        bool indice;
        int reste;
        const char* message;
    };
    const std::vector<Cas> cas = {
        {kPoule, 0, false, 5,
         "phrase0 C'était bien POULE !\rEt ceci sans avoir besoin de l'indice qui était :\rElle pond."},
        {kPoule, 2, true, 5,
         "phrase0 C'était bien POULE !\rMais comme vous avez dépensé deux points pour consulter l'indice le gain "
         "final n'est que de 3 points !"},
        {kLoupe, 5, false, 3,
         "phrase7 Lisez la réponse !\rL'indice était : Elle pond.\rCette erreur vous fait perdre 2 points !"},
        {kLoupe, 4, true, 0,
         "phrase7 Lisez la réponse !\r Même en consultant l'indice vous n'avez pas trouvé ?\rCette erreur vous fait "
         "perdre 2 points !"},
        {kLoupe, 1, false, 0, "phrase7 Lisez la réponse !\rL'indice était : Elle pond.\rVous n'avez plus aucun point !"},
        {kLoupe, 0, false, 0, "phrase7 Lisez la réponse !\rL'indice était : Elle pond.\rVous n'avez plus aucun point !"},
    };
    for (const Cas& c : cas) {
        Partie p(c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.placer(c.tuiles);
        p.b.cliquer("test");
        EXPECT_EQ(p.b.etat().score, c.reste) << c.message;
        EXPECT_EQ(p.b.label("label_score").caption(), std::to_string(c.reste));
        EXPECT_EQ(p.commentaire(), c.message);
        EXPECT_EQ(p.b.etat().position_anagramme.nombre(), 1);
        EXPECT_EQ(p.rangee(0), "POULE");
        EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::jaune);
        EXPECT_TRUE(p.actif("encore_anagram"));
        EXPECT_FALSE(p.actif("test"));
        EXPECT_FALSE(p.actif("effacer"));
        EXPECT_EQ(p.pointeur(), std::pair(570, 410));
    }
}

// Each slot is green where it holds the solution's letter, red elsewhere.
TEST(Anagramme, SlotsAreColouredLetterByLetter) {
    Partie p;
    p.placer({3, 4, 2, 0, 1});  // PEULO
    p.b.cliquer("test");
    std::vector<plat::Couleur> attendu = {plat::couleurs::vert, plat::couleurs::rouge, plat::couleurs::vert,
                                          plat::couleurs::vert, plat::couleurs::rouge};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(p.b.label("reponse", kCase + i).fore_color(), attendu[i]) << i;
}

TEST(Anagramme, TheVerdictIgnoresCaseButTheColouringDoesNot) {
    Partie p(0, Mots{{"CHIEN", "chine", "Un grand pays.", ""}});
    p.placer({0, 1, 2, 4, 3});
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().score, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(p.b.label("reponse", kCase + i).fore_color(), plat::couleurs::rouge);
}

TEST(Anagramme, AfterTheVerdictTilesAndHintDoNothing) {
    Partie p(4);
    p.placer(kLoupe);
    p.b.cliquer("test");
    p.b.cliquer("reponse", 0);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.rangee(1), "LOUPE");
    EXPECT_EQ(p.b.etat().score, 2);
    EXPECT_EQ(std::ranges::count(p.b.sons().names(), "4.ats"), 0);
}

TEST(Anagramme, NextPuzzleAndWrapAtTheEndOfTheFile) {
    Partie p;
    p.placer(kPoule);
    p.b.cliquer("test");
    p.b.cliquer("encore_anagram");
    EXPECT_EQ(p.rangee(0), "RAME");
    EXPECT_EQ(p.rangee(1), "----");
    EXPECT_EQ(p.b.label("reponse", 4).visible(), false);
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::blanc);
    EXPECT_EQ(p.commentaire(),
              "Pouvez-vous agencer les lettres du mot ci-dessous dans un ordre différent afin d'obtenir un autre "
              "mot ?\r");
    EXPECT_FALSE(p.actif("encore_anagram"));
    p.placer({3, 1, 0, 2});
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().position_anagramme.nombre(), 2);
    p.b.cliquer("encore_anagram");
    EXPECT_EQ(p.rangee(0), "LOUPE");
    EXPECT_EQ(p.b.etat().position_anagramme.nombre(), 0);
}

TEST(Anagramme, APuzzleLeftWithoutVerdictComesBack) {
    Partie p;
    p.placer({0, 1});
    p.b.cliquer("fin_anagramme");
    p.b.ouvrir("anagramme");
    EXPECT_EQ(p.rangee(0), "LOUPE");
    EXPECT_EQ(p.rangee(1), "-----");
    EXPECT_EQ(p.b.etat().position_anagramme.nombre(), 0);
}

TEST(Anagramme, ASavedPositionBeyondTheFileWrapsWhileSkipping) {
    Partie p(0, kMots, 3);
    EXPECT_EQ(p.rangee(0), "RAME");
    EXPECT_EQ(p.b.etat().position_anagramme.nombre(), 0);
}

TEST(Anagramme, ZorvakCutsItsFramesAndRunsTwentySevenFramesOf40Ms) {
    EXPECT_EQ(cadre_guide(guides::anagramme, 6).x, 288);
    Partie p;
    std::uint32_t debut = p.b.maintenant();
    p.b.cliquer("zorvak");
    EXPECT_EQ(p.b.maintenant() - debut, 27u * 40u);
    EXPECT_EQ(p.b.sons().names().back(), "1.ats");
}

TEST(Anagramme, AWordTooLongForTheTilesLeavesThePlayerOnTheMenu) {
    Partie p(5, Mots{{"ANAGRAMME", "AMMANGRAE", "Trop long.", ""}});
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.etat().score, 5);
}

}  // namespace
