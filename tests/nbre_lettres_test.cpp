// The letter-count bet on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include <memory>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
// Six letters, three vowels: label 1 is right whichever the question.
const Mots kMots = {{"CAMION"}, {"STYLO"}};

struct Partie {
    Partie(int score, const Mots& mots, std::uint32_t graine) : b(graine) {
        b.ecrire_datas("10.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("nbre_lettres");
    }
    std::string texte(const std::string& label, int index = -1) { return utf8(b.label(label, index).caption()); }
    bool actif(const std::string& controle) { return b.controle(controle).enabled(); }
    bool demande_les_voyelles() { return texte("commentaire").find("VOYELLES") != std::string::npos; }
    Bench b;
};

// The question is drawn at random: the first seed that asks the wanted one.
std::unique_ptr<Partie> partie_sur(bool voyelles, int score, const Mots& mots = kMots) {
    for (std::uint32_t graine = 1;; ++graine) {
        auto p = std::make_unique<Partie>(score, mots, graine);
        if (p->demande_les_voyelles() == voyelles) return p;
    }
}

TEST(NbreLettres, TheQuestionOffersThreeCounts) {
    struct Cas {
        bool voyelles;
        const char* question;
        const char* comptes;
    };
    for (const Cas& c : {Cas{false, "Combien de LETTRES comporte ce mot ?", "567"},
                         Cas{true, "Combien de VOYELLES comporte ce mot ?", "234"}}) {
        auto p = partie_sur(c.voyelles, 40);
        EXPECT_EQ(p->texte("commentaire"), std::string("Un instant ... je choisis un mot dans mon ENORME grimoire...\r") +
                                               c.question + "\rMisez l'argent désiré et cliquez sur votre choix.");
        EXPECT_EQ(p->texte("reponse", 0) + p->texte("reponse", 1) + p->texte("reponse", 2), c.comptes);
        EXPECT_EQ(p->texte("mot_a_chercher"), "BANZAI !");
        EXPECT_EQ(p->texte("label_mise"), "10");
        EXPECT_TRUE(p->actif("plus"));
        EXPECT_FALSE(p->actif("fin_nombre"));  // the bet ends before the player leaves
        EXPECT_FALSE(p->actif("encore_nombre"));
    }
}

TEST(NbreLettres, ARightCountWinsTwiceTheStakeAndAWrongOneLosesIt) {
    struct Cas {
        bool voyelles;
        int clic, plus, apres;
        const char* commentaire;
    };
    const Cas cas[] = {
        {false, 1, 3, 120,
         "phrase0\rCAMION est bien un mot de 6 lettres !\rVous avez un ordinateur dans la tête ? Gain : 80 points !"},
        {true, 1, 0, 60,
         "phrase0\rCAMION comporte bien 3 voyelles !\rVous avez un ordinateur dans la tête ? Gain : 20 points !"},
        {false, 0, 0, 30,
         "phrase7\rCAMION comporte  6 lettres et non 5 !\rVous perdez votre mise de 10 points !"},
        {true, 2, 1, 20,
         "phrase7\rCAMION comporte  3 voyelles et non 4 !\rVous perdez votre mise de 20 points !"},
    };
    for (const Cas& c : cas) {
        auto p = partie_sur(c.voyelles, 40);
        for (int i = 0; i < c.plus; ++i) p->b.appuyer("plus", -1, plat::kBoutonGauche);
        p->b.cliquer("reponse", c.clic);
        bool gagne = c.apres > 40;
        EXPECT_EQ(p->b.etat().score, c.apres) << c.commentaire;
        EXPECT_EQ(p->texte("commentaire"), c.commentaire);
        EXPECT_EQ(p->texte("mot_a_chercher"), "CAMION");
        EXPECT_EQ(p->b.label("reponse", c.clic).fore_color(), gagne ? plat::couleurs::bleu : plat::couleurs::rouge);
        EXPECT_EQ(p->b.label("reponse", 1).fore_color(), plat::couleurs::bleu);  // the right count
        EXPECT_EQ(p->b.etat().position_nbre_lettres.nombre(), 1);
        EXPECT_TRUE(p->actif("encore_nombre"));
        EXPECT_TRUE(p->actif("fin_nombre"));
        p->b.cliquer("reponse", 1);  // answered: nothing more
        EXPECT_EQ(p->b.etat().score, c.apres);
    }
}

TEST(NbreLettres, AYIsAVowel) {
    auto p = partie_sur(true, 40, Mots{{"STYLO"}});
    p->b.cliquer("reponse", 0);
    EXPECT_EQ(p->b.etat().score, 60);
}

TEST(NbreLettres, LosingBelowTenSaysGoodbye) {
    auto p = partie_sur(false, 15);
    p->b.cliquer("reponse", 2);
    EXPECT_EQ(p->b.etat().score, 5);
    EXPECT_EQ(p->texte("commentaire"), "phrase7\rCAMION comporte  6 lettres et non 7 !\r"
                                       "Vous perdez votre mise de 10 points ! Revenez plus tard !");
    EXPECT_EQ(p->texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_EQ(p->texte("label_mise"), "---");
    EXPECT_EQ(p->texte("gains"), "Vous ne pouvez plus miser la somme nécessaire !");
    EXPECT_FALSE(p->actif("encore_nombre"));
    EXPECT_TRUE(p->actif("fin_nombre"));
}

TEST(NbreLettres, WithoutTenPointsThePlayerIsSentAway) {
    Partie p(9, kMots, 1);
    EXPECT_EQ(p.b.sons().names().back(), "13.def");
    EXPECT_EQ(p.texte("commentaire"),
              "GRAND JEU DU NOMBRE DE LETTRES\r"
              "La mise MINIMALE est de 10 points et ... vous ne les avez PAS !!!\r"
              "Allez d'abord gagner des points aux autres jeux. A tout à l'heure !");
    EXPECT_EQ(p.texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_EQ(p.texte("gains"), "Vous ne pouvez pas miser la somme nécessaire !");
    EXPECT_EQ(p.texte("reponse", 0), "-");
    EXPECT_FALSE(p.actif("moins"));
    EXPECT_FALSE(p.actif("encore_nombre"));
    p.b.cliquer("reponse", 0);
    EXPECT_EQ(p.b.etat().score, 9);
}

// A count clicked while the next word was being chosen used to be settled
// at once, with the stake of the bet before.
TEST(NbreLettres, AnAnswerDuringThePreparationIsRefused) {
    auto p = partie_sur(false, 100);
    p->b.appuyer("label_mise", -1, plat::kBoutonGauche);
    p->b.cliquer("reponse", 1);
    ASSERT_EQ(p->b.etat().score, 300);
    p->b.cliquer_dans(500, "reponse", 0);
    p->b.cliquer("encore_nombre");
    EXPECT_EQ(p->b.etat().score, 300);
    EXPECT_EQ(p->b.etat().parties_nbre_lettres.nombre(), 1);
    EXPECT_EQ(p->b.etat().position_nbre_lettres.nombre(), 1);
    EXPECT_EQ(p->texte("label_mise"), "10");
    EXPECT_EQ(p->b.label("reponse", 0).fore_color(), plat::couleurs::noir);
    p->b.cliquer("reponse", 2);  // STYLO: 5 letters or 2 vowels, never the third label
    EXPECT_EQ(p->b.etat().score, 290);
    EXPECT_EQ(p->texte("mot_a_chercher"), "STYLO");
}

TEST(NbreLettres, AWordNoCountFitsLeavesThePlayerOnTheMenu) {
    Bench b;
    b.ecrire_datas("10.bin", fichier_de_mots({{"OISEAUX"}}));  // five vowels
    b.demarrer();
    b.etat().score = 40;
    b.ouvrir("nbre_lettres");
    EXPECT_EQ(b.visible().name(), "depart");
    EXPECT_EQ(b.etat().score, 40);
}

}  // namespace
