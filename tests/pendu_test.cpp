// The hangman on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include "core/guide.h"
#include "games/hidden/pendu.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
const Mots kOui = {{"OUI", "Le contraire de non."}, {"CHAT", "Il miaule."}};

// A hangman opened on the bench with a given word file and score.
struct Partie {
    explicit Partie(const Mots& mots, int score = 0) {
        b.ecrire_datas("11.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("pendu");
    }
    void jouer(const std::string& lettres) {
        for (char c : lettres) b.cliquer("lettre", c - 'A');
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    std::string cellules() {
        std::string s;
        for (int i = 0; i < Pendu::kCellules && b.label("reponse", i).visible(); ++i)
            s += b.label("reponse", i).caption();
        return s;
    }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    std::string caption(const std::string& label) { return b.label(label).caption(); }
    Bench b;
};

TEST(Pendu, OpeningShowsOneDashPerLetterAndTheOffer) {
    Partie p(Mots{{"LAPIN", "Il a de longues oreilles."}}, 2);
    ASSERT_EQ(p.b.visible().name(), "pendu");
    EXPECT_EQ(p.cellules(), "-----");
    EXPECT_EQ(p.commentaire(), "\rQuel est le mot qui se cache ci-dessus ?");
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_EQ(utf8(p.caption("achat_indice")), "Acheter un indice\r(coût : 2 pièces)");
    EXPECT_FALSE(p.actif("encore_pendu"));
    EXPECT_TRUE(p.actif("fin_pendu"));
    EXPECT_EQ(p.caption("label_gain"), "10");
    EXPECT_EQ(p.caption("Label_essais"), "7");
    EXPECT_EQ(p.b.sons().names().back(), "8.ats");
    EXPECT_TRUE(p.b.controle("alphabet").visible());
}

TEST(Pendu, ARepeatedLetterIsRevealedEverywhereAtNoCost) {
    Partie p(Mots{{"ANANAS", "Un fruit."}});
    p.jouer("A");
    EXPECT_EQ(p.cellules(), "A-A-A-");
    EXPECT_EQ(p.caption("Label_essais"), "7");
    EXPECT_EQ(p.caption("label_gain"), "10");
    EXPECT_EQ(p.commentaire(), "\rBravo, je rajoute donc la lettre A à sa place dans le mot.");
    EXPECT_FALSE(p.b.controle("lettre", 0).enabled());
}

TEST(Pendu, SixthWrongLetterWarnsAndSeventhLoses) {
    Partie p(kOui, 10);
    p.jouer("ABCDEF");
    EXPECT_EQ(p.commentaire(), "\rAh non ! La lettre F ne fait pas partie du mot !\r ATTENTION ! PAS D'AUTRE ERREUR !");
    EXPECT_EQ(p.caption("Label_essais"), "1");
    EXPECT_EQ(p.caption("label_gain"), "4");
    p.jouer("G");
    EXPECT_EQ(p.caption("Label_essais"), "0");
    EXPECT_EQ(p.caption("label_gain"), "4");  // not refreshed on the losing letter
    EXPECT_EQ(p.commentaire(), "phrase7\rVous perdez 2 points !\rL'indice était : Le contraire de non.");
    EXPECT_EQ(p.b.etat().score, 8);
    EXPECT_EQ(p.b.etat().position_pendu.nombre(), 1);
    EXPECT_FALSE(p.b.controle("alphabet").visible());
    EXPECT_TRUE(p.actif("encore_pendu"));
}

TEST(Pendu, AWinBringsTenPointsLessOnePerWrongLetter) {
    for (auto [lettres, gain] : {std::pair{"OUI", 10}, {"ABCDEFOUI", 4}}) {
        Partie p(kOui, 3);
        p.jouer(lettres);
        EXPECT_EQ(p.b.etat().score, 3 + gain) << lettres;
        EXPECT_EQ(p.caption("label_score"), std::to_string(3 + gain));
        EXPECT_EQ(p.commentaire(), "phrase0 Il s'agissait bien de OUI !\rL'indice était : Le contraire de non.");
        EXPECT_EQ(p.b.etat().position_pendu.nombre(), 1);
        EXPECT_TRUE(p.actif("encore_pendu"));
        EXPECT_TRUE(p.actif("fin_pendu"));
        EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
    }
}

TEST(Pendu, LossesNeverGoBelowZero) {
    struct Cas {
        int score;
        bool indice;
        int reste;
        const char* message;
    };
    for (const Cas& c : {Cas{2, true, 0, "phrase7\rVous n'avez plus aucun point !\rApparemment l'indice ne vous a pas aidé !"},
                         Cas{2, false, 0, "phrase7\rVous perdez 2 points !\rL'indice était : Le contraire de non."},
                         Cas{1, false, 0, "phrase7\rVous n'avez plus aucun point !\rL'indice était : Le contraire de non."}}) {
        Partie p(kOui, c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.jouer("ABCDEFG");
        EXPECT_EQ(p.b.etat().score, c.reste) << c.message;
        EXPECT_EQ(p.commentaire(), c.message);
    }
}

TEST(Pendu, AfterALossFoundLettersAreBlueAndMissingOnesRed) {
    Partie p(kOui);
    p.jouer("OABCDEFG");
    EXPECT_EQ(p.cellules(), "OUI");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::bleu);
    EXPECT_EQ(p.b.label("reponse", 1).fore_color(), plat::couleurs::rouge);
    EXPECT_EQ(p.b.label("reponse", 2).fore_color(), plat::couleurs::rouge);
    p.b.cliquer("achat_indice");  // the puzzle is over: the hint is no longer sold
    EXPECT_EQ(p.b.etat().score, 0);
}

TEST(Pendu, AOneLetterWordIsCentredAndWonByItsLetter) {
    Partie p(Mots{{"Y", "La lettre avant Z."}});
    EXPECT_EQ(p.b.label("reponse", 0).left(), 296);
    p.jouer("Y");
    EXPECT_EQ(p.b.etat().score, 10);
}

TEST(Pendu, LeavingBeforeTheFirstLetterKeepsTheWord) {
    Partie p(kOui);
    p.b.cliquer("fin_pendu");
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.sons().names().back(), "7.ats");
    p.b.ouvrir("pendu");
    EXPECT_EQ(p.cellules(), "---");
    p.jouer("O");
    EXPECT_FALSE(p.actif("fin_pendu"));  // no leaving in the middle of a word
    p.jouer("UI");
    EXPECT_TRUE(p.actif("fin_pendu"));
    p.b.cliquer("encore_pendu");
    EXPECT_EQ(p.cellules(), "----");  // CHAT
    EXPECT_FALSE(p.actif("fin_pendu"));
    EXPECT_FALSE(p.actif("encore_pendu"));
    EXPECT_TRUE(p.b.controle("lettre", 14).enabled());
}

TEST(Pendu, NextWordWrapsToTheTopAndResetsTheProgress) {
    Partie p(kOui);
    p.jouer("OUI");
    p.b.cliquer("encore_pendu");
    p.jouer("CHAT");
    EXPECT_EQ(p.b.etat().position_pendu.nombre(), 2);
    p.b.cliquer("encore_pendu");
    EXPECT_EQ(p.cellules(), "---");
    EXPECT_EQ(p.b.etat().position_pendu.nombre(), 0);
}

// A letter clicked while another one is being revealed used to settle the
// word a second time (a word skipped, or a win after a loss).
TEST(Pendu, AClickDuringARevealSettlesNothingTwice) {
    Partie p(kOui, 10);
    p.jouer("ABCDEF");
    p.b.cliquer_dans(2, "lettre", 'G' - 'A');
    p.jouer("O");
    p.b.attendre(100);
    EXPECT_EQ(p.b.etat().position_pendu.nombre(), 0);
    EXPECT_TRUE(p.b.controle("lettre", 'G' - 'A').enabled());
    p.jouer("UI");
    EXPECT_EQ(p.b.etat().score, 14);
    EXPECT_EQ(p.b.etat().position_pendu.nombre(), 1);
}

TEST(Pendu, TheRobotCutsItsFramesAndRunsThirteenFramesOf130Ms) {
    std::vector<int> x;
    for (int d = 0; d <= 5; ++d) x.push_back(cadre_guide(guides::pendu, d).x);
    EXPECT_EQ(x, (std::vector<int>{1, 31, 61, 91, 121, 151}));
    Partie p(kOui);
    std::uint32_t debut = p.b.maintenant();
    p.b.cliquer("robot");
    EXPECT_EQ(p.b.maintenant() - debut, 13u * 130u);
    EXPECT_EQ(p.b.sons().names().back(), "8.ats");
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(Pendu, AnUnreadableWordFileLeavesThePlayerOnTheMenu) {
    Bench b;
    b.ecrire_datas("11.bin", "");
    b.demarrer();
    b.etat().score = 5;
    b.ouvrir("pendu");
    EXPECT_EQ(b.visible().name(), "depart");
    EXPECT_EQ(b.etat().score, 5);
}

}  // namespace
