// The sentence with missing letters on the bench, with a small word file.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Phrases = std::vector<std::vector<std::string>>;
const Phrases kPhrases = {{"le petit chat boit du lait dans son bol.", "aot"},
                          {"une poule sur un mur picore du pain dur.", "upd"}};
const std::string kMasquee = "le peXiX chXX bXiX du lXiX dXns sXn bXl.";

struct Partie {
    explicit Partie(int score = 0, const Phrases& phrases = kPhrases) {
        b.ecrire_datas("12.bin", fichier_de_mots(phrases));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("phrase");
    }
    void cliquer(const std::string& lettres) {
        for (char c : lettres) b.cliquer("lettre", c - 'A');
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    std::string phrase() { return b.label("phrases").caption(); }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    Bench b;
};

TEST(Phrase, TheMenuOpensItOnTheMaskedSentenceAndItsEndButtonComesBack) {
    Partie p(2);
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_phrase");
    ASSERT_EQ(p.b.visible().name(), "phrase");
    EXPECT_EQ(p.phrase(), kMasquee);
    EXPECT_EQ(p.commentaire(),
              "Saurez-vous retrouver les trois lettres manquantes (marquées par des X) dans la phrase "
              "ci-dessous ?\rVOUS N'AVEZ PAS DROIT A L'ERREUR !");
    EXPECT_EQ(utf8(p.b.label("achat_indice").caption()), "Acheter une lettre\r(2 pièces + 1 essai)");
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.actif("encore_phrase"));
    EXPECT_TRUE(p.actif("fin_phrase"));
    EXPECT_EQ(p.b.sons().names().back(), "6.amb");
    p.b.cliquer("fin_phrase");
    EXPECT_EQ(p.b.visible().name(), "depart");
}

TEST(Phrase, OneClickPutsALetterBackEverywhereAndCostsAnAttempt) {
    Partie p;
    p.cliquer("T");
    EXPECT_EQ(p.phrase(), "le petit chXt bXit du lXit dXns sXn bXl.");
    EXPECT_EQ(p.commentaire(), "phrase0 Je place la lettre T dans la phrase.\rNombre de tentatives disponibles : 2");
    EXPECT_FALSE(p.b.controle("lettre", 'T' - 'A').enabled());
    EXPECT_FALSE(p.actif("fin_phrase"));  // no leaving once the sentence is under way
    p.cliquer("Z");
    EXPECT_EQ(p.commentaire(), "phrase8 Z ne fait pas partie de la phrase !\rNombre de tentatives disponibles : 1");
}

TEST(Phrase, TheThirdRightClickCompletesTheSentence) {
    Partie p(1);
    p.cliquer("TA");
    EXPECT_EQ(p.b.etat().position_phrase.nombre(), 0);
    p.cliquer("O");
    EXPECT_EQ(p.phrase(), "le petit chat boit du lait dans son bol.");
    EXPECT_EQ(p.b.label("phrases").fore_color(), plat::couleurs::bleu);
    EXPECT_EQ(p.commentaire(),
              "phrase2\rVous avez à présent la phrase complète !\rIl manquait effectivement les lettres AOT.");
    EXPECT_EQ(p.b.etat().score, 6);
    EXPECT_EQ(p.b.etat().position_phrase.nombre(), 1);
    EXPECT_EQ(p.b.etat().num_commentaire, 3);
    EXPECT_FALSE(p.b.controle("alphabet").visible());
    EXPECT_TRUE(p.actif("encore_phrase"));
    EXPECT_TRUE(p.actif("fin_phrase"));
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
}

TEST(Phrase, OneWrongClickLosesTheSentenceOnTheLastAttempt) {
    struct Cas {
        int score, reste;
    };
    for (const Cas& c : {Cas{3, 1}, Cas{2, 0}, Cas{1, 0}, Cas{0, 0}}) {
        Partie p(c.score);
        p.cliquer("ZT");
        EXPECT_EQ(p.b.etat().position_phrase.nombre(), 0);
        p.cliquer("A");
        EXPECT_EQ(p.commentaire(),
                  "Trop tard ! Il ne vous reste plus aucun essai !\rVoici les lettres manquantes : AOT.");
        EXPECT_EQ(p.b.etat().score, c.reste) << c.score;
        EXPECT_EQ(p.b.etat().position_phrase.nombre(), 1);
        EXPECT_EQ(p.phrase(), "le petit chat boit du lait dans son bol.");
        EXPECT_TRUE(p.actif("encore_phrase"));
        EXPECT_TRUE(p.actif("fin_phrase"));
    }
}

TEST(Phrase, ALostSentenceFlashesRedAndBlueFourTimesAndEndsOnTheFullSentence) {
    Partie p;
    std::vector<std::string> vues;
    auto noter = [&] {
        bool rouge = p.b.label("phrases").fore_color() == plat::couleurs::rouge;
        std::string vue = (rouge ? "rouge " : "bleu ") + p.phrase();
        if (p.b.label("phrases").fore_color() != plat::couleurs::noir && (vues.empty() || vues.back() != vue))
            vues.push_back(vue);
    };
    p.cliquer("ZT");
    auto guet = p.b.guetter(20, noter);
    p.cliquer("A");
    noter();
    std::vector<std::string> attendues;
    for (int i = 0; i < 4; ++i) {
        attendues.push_back("rouge le petit chat bXit du lait dans sXn bXl.");
        attendues.push_back("bleu le petit chat boit du lait dans son bol.");
    }
    EXPECT_EQ(vues, attendues);
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(Phrase, ABoughtLetterThatCompletesTheSentenceWinsAtOnce) {
    Partie p(4);
    p.cliquer("TA");
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.b.label("achat_indice").caption(), "La phrase contient la lettre O.");
    EXPECT_FALSE(p.b.controle("lettre", 'O' - 'A').enabled());
    EXPECT_EQ(p.b.etat().score, 4 - 2 + 5);
    EXPECT_EQ(p.commentaire(),
              "phrase2\rVous avez à présent la phrase complète !\rIl manquait effectivement les lettres AOT.");
    EXPECT_EQ(p.b.etat().num_commentaire, 2);  // a purchase is not a turn
}

TEST(Phrase, OnlyOneLetterIsSoldPerSentence) {
    Partie p(6);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.phrase(), "le peXiX chaX bXiX du laiX dans sXn bXl.");
    EXPECT_EQ(p.commentaire(),
              " Je place la lettre A que vous venez d'acheter dans la phrase.\rNombre de tentatives "
              "disponibles : 2");
    EXPECT_FALSE(p.actif("fin_phrase"));
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.b.etat().score, 4);
    EXPECT_EQ(p.phrase(), "le peXiX chaX bXiX du laiX dans sXn bXl.");
    p.cliquer("TO");
    EXPECT_EQ(p.b.etat().score, 9);
}

TEST(Phrase, NextSentenceKeepsTheBlueAndTheEndButtonWaitsForItsEnd) {
    Partie p;
    p.cliquer("TAO");
    p.b.cliquer("encore_phrase");
    EXPECT_EQ(p.phrase(), "Xne XoXle sXr Xn mXr Xicore XX Xain XXr.");
    EXPECT_EQ(p.b.label("phrases").fore_color(), plat::couleurs::bleu);
    EXPECT_FALSE(p.actif("fin_phrase"));
    EXPECT_FALSE(p.actif("encore_phrase"));
    EXPECT_TRUE(p.b.controle("lettre", 'T' - 'A').enabled());
    EXPECT_TRUE(p.b.controle("alphabet").visible());
    p.cliquer("UPD");
    p.b.cliquer("encore_phrase");
    EXPECT_EQ(p.phrase(), kMasquee);
    EXPECT_EQ(p.b.etat().position_phrase.nombre(), 0);
}

TEST(Phrase, LettersThatCannotBePutBackLeaveThePlayerOnTheMenu) {
    for (const char* lettres : {"aox", "aat", "ab", "aoz"}) {
        Partie p(0, Phrases{{"le petit chat boit du lait dans son bol.", lettres}});
        EXPECT_EQ(p.b.visible().name(), "depart") << lettres;
    }
}

}  // namespace
