// The stake rules of the betting games, without a screen.
#include <gtest/gtest.h>

#include "games/betting/regle_mise.h"
#include "platform/text.h"

namespace {

enum class Pression { montant, plus, moins };
constexpr bool kGauche = true;
constexpr bool kAutre = false;

// An open bet whose stake has been raised to `mise` ten by ten.
RegleMise pari_a(int mise) {
    RegleMise regle;
    regle.ouvrir();
    while (regle.mise() < mise) regle.presser_plus(kGauche, mise);
    return regle;
}

bool presser(RegleMise& regle, Pression p, bool gauche, int score) {
    switch (p) {
        case Pression::montant: return regle.presser_montant(gauche, score);
        case Pression::plus: return regle.presser_plus(gauche, score);
        case Pression::moins: return regle.presser_moins(gauche);
    }
    return false;
}

TEST(Mise, EveryPressKeepsTheStakeAMultipleOfTenBetweenTenAndTheScore) {
    struct Cas {
        int score, avant;
        Pression pression;
        bool gauche;
        bool comptee;
        const char* montant;
        int mise;
        const char* gains = nullptr;  // checked when given; a refused press leaves it as it was
    };
    const Cas cas[] = {
        {125, 10, Pression::montant, kGauche, true, " 120", 120},  // everything, rounded down
        {125, 120, Pression::montant, kAutre, true, "10", 10},     // back to 10, without the blank
        {15, 10, Pression::montant, kGauche, true, " 10", 10},
        {9, 10, Pression::montant, kGauche, false, "10", 10},      // too poor to bet
        {125, 120, Pression::plus, kGauche, false, " 120", 120},   // 130 > 125
        {130, 120, Pression::plus, kGauche, true, " 130", 130},
        {75, 30, Pression::plus, kAutre, false, " 30", 30},        // 80 > 75
        {80, 30, Pression::plus, kAutre, true, " 80", 80},
        {100, 10, Pression::moins, kGauche, false, "10", 10},
        {100, 10, Pression::moins, kAutre, false, "10", 10},
        {100, 50, Pression::moins, kAutre, false, " 50", 50},      // never clamps to 10
        {100, 50, Pression::moins, kGauche, true, " 40", 40, "Gain possible : 80 points\rPerte possible : 40 points"},
        {125, 10, Pression::montant, kAutre, true, "10", 10, "Gain possible : 20 points\rPerte possible : 10 points"},
    };
    for (const Cas& c : cas) {
        RegleMise regle = pari_a(c.avant);
        const std::string gains_avant = regle.texte_gains();
        SCOPED_TRACE(testing::Message() << "score " << c.score << ", mise " << c.avant << ", pression "
                                        << static_cast<int>(c.pression) << (c.gauche ? " gauche" : " autre"));
        EXPECT_EQ(presser(regle, c.pression, c.gauche, c.score), c.comptee);
        EXPECT_EQ(regle.texte_montant(), c.montant);
        EXPECT_EQ(regle.mise(), c.mise);
        if (c.gains) {
            EXPECT_EQ(regle.texte_gains(), c.gains);
        }
        if (!c.comptee) {
            EXPECT_EQ(regle.texte_gains(), gains_avant);
        }
    }
}

TEST(Mise, ALockedOrImpossibleStakeRefusesEveryPress) {
    RegleMise regle = pari_a(40);
    regle.bloquer();
    EXPECT_FALSE(regle.presser_montant(kGauche, 500));
    EXPECT_FALSE(regle.presser_plus(kGauche, 500));
    EXPECT_FALSE(regle.presser_moins(kGauche));
    EXPECT_EQ(regle.mise(), 40);
    regle.interdire(SansMise::apres_un_pari);
    EXPECT_EQ(regle.texte_montant(), "---");
    EXPECT_EQ(utf8(regle.texte_gains()), "Vous ne pouvez plus miser la somme nécessaire !");
    EXPECT_FALSE(regle.presser_montant(kGauche, 500));
    regle.interdire(SansMise::a_l_entree);
    EXPECT_EQ(utf8(regle.texte_gains()), "Vous ne pouvez pas miser la somme nécessaire !");
    regle.preparer();  // a new bet: back to 10, still locked until it opens
    EXPECT_EQ(regle.texte_montant(), "10");
    EXPECT_FALSE(regle.presser_plus(kGauche, 500));
}

TEST(Mise, NumbersInTextsTakeABlankOrTheirSign) {
    EXPECT_EQ(texte_nombre(20), " 20");
    EXPECT_EQ(texte_nombre(0), " 0");
    EXPECT_EQ(texte_nombre(-5), "-5");
}

}  // namespace
