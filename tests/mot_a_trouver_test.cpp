// The word from its definition on the bench, with a small word file.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
const Mots kMots = {{"Il miaule.", "Il aime le lait.", "CHAT"}, {"Il aboie.", "Il garde la maison.", "CHIEN"}};

struct Partie {
    explicit Partie(int score = 0, const Mots& mots = kMots) {
        b.ecrire_datas("13.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("mot_a_trouver");
    }
    void taper(const std::string& lettres) {
        for (char c : lettres) b.cliquer("lettre", c - 'A');
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    std::string cellules() {
        std::string s;
        for (int i = 0; i < 9 && b.label("reponse", i).visible(); ++i) s += b.label("reponse", i).caption();
        return s;
    }
    // Each cell's letter, in capitals when green and in lower case when red.
    std::string cellules_colorees() {
        std::string s;
        for (int i = 0; i < 9 && b.label("reponse", i).visible(); ++i) {
            const plat::Label& c = b.label("reponse", i);
            s += c.fore_color() == plat::couleurs::rouge ? minuscule(c.caption()[0]) : c.caption()[0];
        }
        return s;
    }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    Bench b;
};

TEST(MotATrouver, TheMenuOpensItOnTheDefinitionAndItsEndButtonComesBack) {
    Partie p(2);
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_mot");
    ASSERT_EQ(p.b.visible().name(), "mot_a_trouver");
    EXPECT_EQ(p.commentaire(),
              "Saurez-vous trouver le mot caché ci-dessous ?\rAllez, je vous aide un peu :\rIl miaule.");
    EXPECT_EQ(p.cellules(), "----");
    EXPECT_EQ(p.b.label("reponse", 0).left(), 226);
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("encore_mot"));
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    EXPECT_EQ(p.b.sons().names().back(), "4.amb");
    p.b.cliquer("fin_mot");
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.sons().names().back(), "7.ats");
}

TEST(MotATrouver, CheckIsOfferedOnceEveryCellIsFilledAndEraseTakesItBack) {
    Partie p;
    p.taper("CC");
    EXPECT_EQ(p.cellules(), "CC--");  // a letter may be used again
    EXPECT_TRUE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("test"));
    p.taper("CC");
    EXPECT_TRUE(p.actif("test"));
    EXPECT_FALSE(p.b.controle("alphabet").visible());
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 315));
    p.b.cliquer("effacer");
    EXPECT_EQ(p.b.sons().names().back(), "3.ats");
    EXPECT_EQ(p.cellules(), "----");
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    p.taper("CHAT");
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().score, 7);
}

TEST(MotATrouver, ARightAnswerAfterTheHintNamesAFinalGainOfFive) {
    Partie p(4);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.b.etat().score, 2);
    EXPECT_EQ(p.b.label("achat_indice").caption(), "Il aime le lait.");
    p.taper("CHAT");
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().score, 9);
    EXPECT_EQ(p.commentaire(),
              "phrase0 Vous avez trouvé CHAT !\rVous avez dépensé 2 points pour acheter un indice, "
              "donc le gain final n'est que de 5 points !");
    EXPECT_EQ(p.cellules_colorees(), "CHAT");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::vert);
    EXPECT_EQ(p.b.etat().position_mot_a_trouver.nombre(), 1);
    EXPECT_TRUE(p.actif("encore_mot"));
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
}

TEST(MotATrouver, ARightAnswerWithoutTheHintGivesItAway) {
    Partie p;
    p.taper("CHAT");
    p.b.cliquer("test");
    EXPECT_EQ(p.commentaire(),
              "phrase0 Vous avez trouvé CHAT !\rJe vous donne l'indice qui était disponible :\rIl aime le lait.");
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
    p.b.cliquer("achat_indice");  // nothing to buy after the check
    EXPECT_EQ(p.b.etat().score, 7);
}

TEST(MotATrouver, AWrongAnswerCostsTwoPointsButNeverGoesBelowZero) {
    struct Cas {
        int score;
        bool indice;
        int reste;
        const char* message;
    };
    for (const Cas& c :
         {Cas{5, false, 3,
              "phrase7 Voici la bonne réponse !\rVous auriez dû consulter l'indice qui était : Il aime le lait.\r"
              "Cette erreur vous fait perdre 2 points !"},
          Cas{4, true, 0,
              "phrase7 Voici la bonne réponse !\r Même en consultant l'indice vous n'avez pas trouvé ?\r"
              "Cette erreur vous fait perdre 2 points !"},
          Cas{1, false, 0,
              "phrase7 Voici la bonne réponse !\rVous auriez dû consulter l'indice qui était : Il aime le lait.\r"
              "Vous n'avez plus aucun point !"},
          Cas{0, false, 0,
              "phrase7 Voici la bonne réponse !\rVous auriez dû consulter l'indice qui était : Il aime le lait.\r"
              "Vous n'avez plus aucun point !"}}) {
        Partie p(c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.taper("CHAS");
        p.b.cliquer("test");
        EXPECT_EQ(p.b.etat().score, c.reste) << c.score;
        EXPECT_EQ(p.b.label("label_score").caption(), std::to_string(c.reste));
        EXPECT_EQ(p.commentaire(), c.message);
        EXPECT_EQ(p.b.etat().position_mot_a_trouver.nombre(), 1);
        EXPECT_EQ(p.b.etat().num_commentaire, 1);
    }
}

TEST(MotATrouver, AWrongAnswerAlternatesFourTimesWithTheRightWordAndEndsOnIt) {
    Partie p;
    p.taper("CHOU");
    std::vector<std::string> vues;
    auto noter = [&] {
        if (vues.empty() || vues.back() != p.cellules_colorees()) vues.push_back(p.cellules_colorees());
    };
    auto guet = p.b.guetter(20, noter);
    p.b.cliquer("test");
    noter();
    EXPECT_EQ(vues, (std::vector<std::string>{"CHOU", "CHou", "CHAT", "CHou", "CHAT", "CHou", "CHAT", "CHou", "CHAT"}));
    EXPECT_EQ(p.cellules_colorees(), "CHAT");
    EXPECT_TRUE(p.actif("encore_mot"));
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(MotATrouver, NextWordComesFromTheFileAndWrapsToTheTop) {
    Partie p(3);
    p.taper("CHAT");
    p.b.cliquer("test");
    p.b.cliquer("encore_mot");
    EXPECT_EQ(p.b.sons().names().back(), "9.ats");
    EXPECT_EQ(p.commentaire(),
              "Saurez-vous trouver le mot caché ci-dessous ?\rAllez, je vous aide un peu :\rIl aboie.");
    EXPECT_EQ(p.cellules(), "-----");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::blanc);
    EXPECT_EQ(p.b.label("achat_indice").caption(), cp1252("Acheter un indice\r(coût : 2 pièces)"));
    EXPECT_FALSE(p.actif("encore_mot"));
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    p.taper("CHIEN");
    p.b.cliquer("test");
    p.b.cliquer("encore_mot");
    EXPECT_EQ(p.cellules(), "----");
    EXPECT_EQ(p.b.etat().position_mot_a_trouver.nombre(), 0);
}

TEST(MotATrouver, LeavingBeforeTheCheckKeepsTheWord) {
    Partie p;
    p.taper("CHA");
    p.b.cliquer("fin_mot");
    p.b.ouvrir("mot_a_trouver");
    EXPECT_EQ(p.cellules(), "----");
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_EQ(p.b.etat().position_mot_a_trouver.nombre(), 0);
}

TEST(MotATrouver, AWordTooLongForTheCellsLeavesThePlayerOnTheMenu) {
    Partie p(5, Mots{{"Un grand animal.", "Il a une trompe.", "HIPPOPOTAME"}});
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.etat().score, 5);
}

// The end button stays live while a wrong answer flashes: a player who left
// and came straight back used to find the old word painted over the new one,
// and the next word offered before this one was played.
TEST(MotATrouver, ANewWordOpenedWhileTheLastOneFlashesIsLeftAlone) {
    Partie p;
    p.taper("CHOU");
    p.b.cliquer_dans(500, "fin_mot");
    p.b.cliquer_sur_dans(800, "depart", "bouton_mot");
    p.b.cliquer("test");
    p.b.attendre(1000);
    ASSERT_EQ(p.b.visible().name(), "mot_a_trouver");
    EXPECT_EQ(p.cellules(), "-----");  // CHIEN
    EXPECT_FALSE(p.actif("encore_mot"));
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    EXPECT_EQ(p.b.etat().position_mot_a_trouver.nombre(), 1);
}

}  // namespace
