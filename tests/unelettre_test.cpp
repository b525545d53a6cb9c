// One-letter-apart words on the bench, with a small word file.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
const Mots kMots = {{"MOUTON", "BOUTON", "Le premier donne de la laine, le second ferme une chemise.",
                     "Le premier dit bêê dans le pré."},
                    {"IL", "EL", "Deux petits mots.", "Le premier est un pronom."}};

struct Partie {
    explicit Partie(int score = 0, const Mots& mots = kMots) {
        b.ecrire_datas("14.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("unelettre");
    }
    void taper(const std::string& lettres) {
        for (char c : lettres) b.cliquer("lettre", c - 'A');
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    std::string mots() { return b.label("reponse", 0).caption() + " / " + b.label("reponse", 1).caption(); }
    // The two words, in lower case while they are red.
    std::string mots_colores() {
        std::string s = mots();
        if (b.label("reponse", 0).fore_color() == plat::couleurs::rouge)
            for (char& c : s) c = minuscule(c);
        return s;
    }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    Bench b;
};

TEST(Unelettre, TheMenuOpensItOnBothFirstLettersAndItsEndButtonComesBack) {
    Partie p;
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_1lettre");
    ASSERT_EQ(p.b.visible().name(), "unelettre");
    EXPECT_EQ(p.mots(), "M - - - - - / B - - - - -");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::noir);
    EXPECT_EQ(p.commentaire(),
              "Seule leur première lettre est différente...\rAllez, je vous aide un peu : \r"
              "Le premier donne de la laine, le second ferme une chemise.");
    EXPECT_FALSE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("encore_1lettre"));
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    EXPECT_TRUE(p.b.backend().cursor_visible());
    EXPECT_EQ(p.b.sons().names().back(), "15.amb");
    p.b.cliquer("fin_1lettre");
    EXPECT_EQ(p.b.visible().name(), "depart");
}

TEST(Unelettre, EachLetterGoesIntoBothWordsAndEraseStartsAgain) {
    Partie p;
    p.taper("OU");
    EXPECT_EQ(p.mots(), "MOU - - - / BOU - - -");
    EXPECT_TRUE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("test"));
    p.b.cliquer("effacer");
    EXPECT_EQ(p.mots(), "M - - - - - / B - - - - -");
    EXPECT_EQ(p.commentaire(),
              "Seule leur première lettre est différente...\rAllez, je vous aide un peu :\r"
              "Le premier donne de la laine, le second ferme une chemise.");
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    p.taper("OUTON");
    EXPECT_EQ(p.mots(), "MOUTON / BOUTON");
    EXPECT_TRUE(p.actif("test"));
    EXPECT_FALSE(p.b.controle("alphabet").visible());
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 315));
}

TEST(Unelettre, TwoLetterWordsAreCompleteAfterOneLetter) {
    Partie p(0, Mots{{"IL", "EL", "Deux petits mots.", "Un pronom."}});
    p.taper("L");
    EXPECT_EQ(p.mots(), "IL / EL");
    EXPECT_EQ(p.commentaire(),
              "Vous avez entré les 2 lettres des mots !\rVérifiez votre réponse et utilisez ensuite "
              "les boutons EFFACER ou TESTER.");
    EXPECT_TRUE(p.actif("test"));
    p.taper("L");  // the alphabet is away and the answer full: nothing more goes in
    EXPECT_EQ(p.mots(), "IL / EL");
}

TEST(Unelettre, ARightAnswerWinsSevenPointsOrFiveOnceTheHintIsBought) {
    struct Cas {
        bool indice;
        int score;
        const char* message;
    };
    for (const Cas& c : {Cas{false, 7,
                             "phrase0 Vous avez trouvé !\rIndice : Le premier dit bêê dans le pré.\rCliquez sur le "
                             "bouton ENCORE pour continuer."},
                         Cas{true, 5,
                             "phrase0 Vous avez trouvé !\rSuite à l'achat de l'indice vous ne gagnez que 5 "
                             "points !"}}) {
        Partie p(2);
        if (c.indice) p.b.cliquer("achat_indice");
        p.taper("OUTON");
        p.b.cliquer("test");
        EXPECT_EQ(p.b.etat().score, 2 + c.score);
        EXPECT_EQ(p.commentaire(), c.message);
        EXPECT_EQ(p.b.label("reponse", 1).fore_color(), plat::couleurs::bleu);
        EXPECT_EQ(p.b.etat().position_unelettre.nombre(), 1);
        EXPECT_TRUE(p.actif("encore_1lettre"));
        EXPECT_FALSE(p.actif("effacer"));
    }
}

TEST(Unelettre, AWrongAnswerAlternatesFourTimesAndEndsOnTheRightWordsInBlue) {
    Partie p(1);
    p.taper("OUTEN");
    std::vector<std::string> vues;
    auto noter = [&] {
        if (vues.empty() || vues.back() != p.mots_colores()) vues.push_back(p.mots_colores());
    };
    auto guet = p.b.guetter(20, noter);
    p.b.cliquer("test");
    noter();
    std::vector<std::string> attendues = {"MOUTEN / BOUTEN"};
    for (int i = 0; i < 4; ++i) {
        attendues.push_back("mouten / bouten");
        attendues.push_back("MOUTON / BOUTON");
    }
    EXPECT_EQ(vues, attendues);
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::bleu);
    EXPECT_EQ(p.commentaire(), "phrase7\rIndice : Le premier dit bêê dans le pré.\rVous n'avez plus aucun point !");
    EXPECT_EQ(p.b.etat().score, 0);
    EXPECT_TRUE(p.actif("encore_1lettre"));
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(Unelettre, NextPairStartsBlackAndWrapsToTheTop) {
    Partie p;
    p.taper("OUTEN");
    p.b.cliquer("test");
    p.b.cliquer("encore_1lettre");
    EXPECT_EQ(p.mots(), "I - / E -");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::noir);
    EXPECT_FALSE(p.actif("encore_1lettre"));
    p.taper("L");
    p.b.cliquer("test");
    p.b.cliquer("encore_1lettre");
    EXPECT_EQ(p.mots(), "M - - - - - / B - - - - -");
    EXPECT_EQ(p.b.etat().position_unelettre.nombre(), 0);
}

TEST(Unelettre, APairThatDiffersAfterItsFirstLetterLeavesThePlayerOnTheMenu) {
    Partie p(0, Mots{{"CHAT", "CHIEN", "Deux animaux.", "Ils miaulent et aboient."}});
    EXPECT_EQ(p.b.visible().name(), "depart");
}

// The end button stays live while a wrong answer flashes: a player who left
// and came straight back used to find the old words painted over the new ones.
TEST(Unelettre, ANewPairOpenedWhileTheLastOneFlashesIsLeftAlone) {
    Partie p;
    p.taper("OUTEN");
    p.b.cliquer_dans(500, "fin_1lettre");
    p.b.cliquer_sur_dans(800, "depart", "bouton_1lettre");
    p.b.cliquer("test");
    p.b.attendre(1000);
    ASSERT_EQ(p.b.visible().name(), "unelettre");
    EXPECT_EQ(p.mots(), "I - / E -");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::noir);
    EXPECT_FALSE(p.actif("encore_1lettre"));
}

}  // namespace
