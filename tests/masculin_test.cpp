// The gender and number bet on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/guide.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

struct Question {
    int cas;  // 0 asks the gender, 1 the number
    std::string mot;
    int reponse;
};

// The record as the game reads it: the numbers stored as they are, the word encoded.
std::string fichier_masculin(const std::vector<Question>& questions) {
    std::string octets;
    for (const Question& q : questions) {
        std::string mot = fichier_de_mots({{q.mot}});
        mot.resize(mot.size() - 2);  // the encoded word without its line end
        octets += std::to_string(q.cas) + "," + mot + "," + std::to_string(q.reponse) + "\r\n";
    }
    return octets;
}

const std::vector<Question> kMots = {{0, "CHEMISE", 1}, {1, "CHEVAUX", 1}};

struct Partie {
    explicit Partie(int score, const std::vector<Question>& questions = kMots) {
        b.ecrire_datas("7.bin", fichier_masculin(questions));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("masculin");
    }
    std::string texte(const std::string& label, int index = -1) { return utf8(b.label(label, index).caption()); }
    bool actif(const std::string& controle) { return b.controle(controle).enabled(); }
    std::pair<int, int> pointeur() { return {b.backend().pointer_x(), b.backend().pointer_y()}; }
    Bench b;
};

TEST(Masculin, TheWordStaysHiddenWhileTheQuestionIsAsked) {
    Partie p(40);
    EXPECT_EQ(p.texte("commentaire"),
              "Je choisis au hasard un mot dans mon IMMENSE mémoire...\r"
              "Pensez-vous qu'il sera au MASCULIN ou au FEMININ ?\r"
              "Misez l'argent désiré et cliquez sur votre choix.");
    EXPECT_EQ(p.texte("reponse1", 0), "MASCULIN");
    EXPECT_EQ(p.texte("reponse1", 1), "FEMININ");
    EXPECT_EQ(p.texte("mot_a_chercher"), "BANZAI !");
    EXPECT_EQ(p.texte("label_mise"), "10");
    EXPECT_EQ(p.texte("gains"), "Gain possible : 20 points\rPerte possible : 10 points");
    EXPECT_EQ(p.texte("label_score"), " 40");
    EXPECT_TRUE(p.actif("plus"));
    EXPECT_FALSE(p.actif("fin_masculin"));  // the bet ends before the player leaves
    EXPECT_FALSE(p.actif("encore_masculin"));
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(Masculin, ARightGuessWinsTwiceTheStakeAndAWrongOneLosesIt) {
    struct Cas {
        int score, plus, clic, apres;
        const char* commentaire;
        const char* reste;  // the answer left on screen
    };
    for (const Cas& c : {Cas{40, 2, 1, 100,
                             "phrase0\rCHEMISE est bien un mot au FEMININ !\r"
                             "Ce hasard bénéfique vous fait gagner 60 points !",
                             "FEMININ"},
                         Cas{40, 1, 0, 20,
                             "phrase7\rCHEMISE n'est pas un mot au MASCULIN !\rVous perdez votre mise de 20 points !",
                             "FEMININ"}}) {
        Partie p(c.score);
        for (int i = 0; i < c.plus; ++i) p.b.appuyer("plus", -1, plat::kBoutonGauche);
        p.b.cliquer("reponse1", c.clic);
        EXPECT_EQ(p.b.etat().score, c.apres) << c.commentaire;
        EXPECT_EQ(p.texte("label_score"), std::to_string(c.apres));
        EXPECT_EQ(p.texte("commentaire"), c.commentaire);
        EXPECT_EQ(p.texte("mot_a_chercher"), "CHEMISE");
        EXPECT_EQ(p.texte("reponse1", 0), "- - -");
        EXPECT_EQ(p.texte("reponse1", 1), c.reste);
        EXPECT_EQ(p.b.label("reponse1", 1).fore_color(), plat::couleurs::noir);
        EXPECT_EQ(p.b.etat().position_masculin.nombre(), 1);
        EXPECT_TRUE(p.actif("encore_masculin"));
        EXPECT_TRUE(p.actif("fin_masculin"));
        EXPECT_FALSE(p.actif("plus"));
        EXPECT_EQ(p.pointeur(), std::pair(570, 410));
        p.b.cliquer("reponse1", c.clic);  // answered: a second click does nothing
        EXPECT_EQ(p.b.etat().score, c.apres);
    }
}

TEST(Masculin, LosingTheLastTenPointsClosesTheBets) {
    Partie p(10);
    p.b.cliquer("reponse1", 0);
    EXPECT_EQ(p.b.etat().score, 0);
    EXPECT_EQ(p.texte("commentaire"), "phrase7\rCHEMISE n'est pas un mot au MASCULIN !\r"
                                      "Vous perdez votre mise de 10 points ! Revenez plus tard !");
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_EQ(p.texte("gains"), "Vous ne pouvez plus miser la somme nécessaire !");
    EXPECT_FALSE(p.actif("encore_masculin"));
    EXPECT_TRUE(p.actif("fin_masculin"));
    p.b.appuyer("label_mise", -1, plat::kBoutonGauche);
    EXPECT_EQ(p.texte("label_mise"), "---");
}

TEST(Masculin, WithoutTenPointsThePlayerIsSentAway) {
    Partie p(9);
    EXPECT_EQ(p.b.sons().names().back(), "11.def");
    EXPECT_EQ(p.texte("commentaire"),
              "GRAND JEU DU GENRE DES MOTS\r"
              "La mise MINIMALE est de 10 points et ... vous ne les avez PAS !!!\r"
              "Allez d'abord gagner des points aux autres jeux. A tout à l'heure !");
    EXPECT_EQ(p.b.label("commentaire").fore_color(), plat::couleurs::noir);
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_EQ(p.texte("gains"), "Vous ne pouvez pas miser la somme nécessaire !");
    EXPECT_EQ(p.texte("reponse1", 0), "AU REVOIR !");
    EXPECT_EQ(p.texte("reponse1", 1), "AU REVOIR !");
    EXPECT_EQ(p.texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_FALSE(p.actif("plus"));
    EXPECT_FALSE(p.actif("encore_masculin"));
    EXPECT_TRUE(p.actif("fin_masculin"));
    EXPECT_EQ(p.pointeur(), std::pair(570, 410));
    p.b.cliquer("reponse1", 1);
    EXPECT_EQ(p.b.etat().score, 9);
    EXPECT_EQ(p.b.etat().position_masculin.nombre(), 0);
}

// An answer clicked while the next word was being chosen used to be settled
// at once, with the stake of the bet before, which may exceed the score.
TEST(Masculin, AnAnswerDuringThePreparationIsRefused) {
    Partie p(100);
    p.b.appuyer("label_mise", -1, plat::kBoutonGauche);  // everything: 100
    p.b.cliquer("reponse1", 1);
    ASSERT_EQ(p.b.etat().score, 300);
    p.b.cliquer_dans(500, "reponse1", 0);    // CHEVAUX is plural: this one would lose
    p.b.cliquer_dans(600, "label_mise");     // and this would stake everything
    p.b.cliquer("encore_masculin");
    EXPECT_EQ(p.b.etat().score, 300);
    EXPECT_EQ(p.texte("reponse1", 0), "SINGULIER");
    EXPECT_EQ(p.texte("label_mise"), "10");
    EXPECT_EQ(p.texte("gains"), "Gain possible : 20 points\rPerte possible : 10 points");
    p.b.cliquer("reponse1", 0);
    EXPECT_EQ(p.b.etat().score, 290);
}

TEST(Masculin, NextBetAsksTheNumberAndWrapsToTheTop) {
    Partie p(100);
    p.b.cliquer("reponse1", 1);
    p.b.cliquer("encore_masculin");
    const auto sons = p.b.sons().names();
    EXPECT_NE(std::ranges::find(sons, "9.ats"), sons.end());
    EXPECT_EQ(p.b.etat().parties_masculin.nombre(), 1);
    EXPECT_FALSE(p.actif("fin_masculin"));
    EXPECT_EQ(p.texte("commentaire"),
              "Je choisis au hasard un mot dans mon IMMENSE mémoire...\r"
              "Pensez-vous qu'il sera au SINGULIER ou au PLURIEL ?\r"
              "Misez l'argent désiré et cliquez sur votre choix.");
    p.b.cliquer("reponse1", 1);
    EXPECT_EQ(p.texte("commentaire"), "phrase1\rCHEVAUX est bien un mot au PLURIEL !\r"
                                      "Ce hasard bénéfique vous fait gagner 20 points !");
    EXPECT_EQ(p.b.etat().position_masculin.nombre(), 2);
    p.b.cliquer("encore_masculin");
    EXPECT_EQ(p.b.etat().position_masculin.nombre(), 0);
    EXPECT_EQ(p.texte("reponse1", 1), "FEMININ");
}

TEST(Masculin, TheHeadNodsAtAClick) {
    Partie p(40);
    std::uint32_t debut = p.b.maintenant();
    p.b.cliquer("tete");
    EXPECT_EQ(p.b.sons().names().back(), "2.ats");
    EXPECT_EQ(p.b.maintenant() - debut, guides::masculin.images.size() * guides::masculin.ms_par_image);
}

}  // namespace
