// The mystery word on the bench, with a small word file.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
const Mots kMots = {{"CHIEN", "Il aboie.", "Il garde la maison."}, {"LUNE", "Elle brille la nuit.", "On y a marché."}};

struct Partie {
    explicit Partie(int score = 0, const Mots& mots = kMots) {
        b.ecrire_datas("9.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("mot_mysterieux");
    }
    std::string proposee() { return b.label("reponse", 5).caption(); }
    // Puts the first `combien` proposed letters where they belong in `mot`
    // (letters all different), or each in the first free cell; returns the
    // letters proposed.
    std::string placer(const std::string& mot, bool a_sa_place, std::size_t combien = 5) {
        std::string proposees;
        for (std::size_t i = 0; i < std::min(combien, mot.size()); ++i) {
            proposees += proposee();
            std::size_t cellule = a_sa_place ? mot.find(proposee()) : i;
            b.cliquer("reponse", static_cast<int>(cellule));
        }
        return proposees;
    }
    std::string cellules() {
        std::string s;
        for (int i = 0; i < 5 && b.label("reponse", i).visible(); ++i) s += b.label("reponse", i).caption();
        return s;
    }
    // Each cell's letter, in lower case while it is yellow.
    std::string cellules_colorees() {
        std::string s;
        for (int i = 0; i < 5 && b.label("reponse", i).visible(); ++i) {
            const plat::Label& c = b.label("reponse", i);
            s += c.fore_color() == plat::couleurs::jaune ? minuscule(c.caption()[0]) : c.caption()[0];
        }
        return s;
    }
    std::string question() { return utf8(b.label("question").caption()); }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    Bench b;
};

TEST(MotMysterieux, TheMenuOpensItOnTheFirstProposalAndItsEndButtonComesBack) {
    Partie p(2);
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_mystere");
    ASSERT_EQ(p.b.visible().name(), "mot_mysterieux");
    EXPECT_EQ(p.cellules(), "-----");
    EXPECT_EQ(utf8(p.b.label("commentaire").caption()),
              "Je vais vous proposer une à une, mais dans le désordre, les 5 lettres du mot caché ci-dessous. A vous "
              "de les placer !\rAide : Il aboie.");
    EXPECT_EQ(p.question(),
              "Le sort vient de nous octroyer la lettre " + p.proposee() + ".\rOù faut-il donc la placer ?");
    EXPECT_TRUE(p.b.label("reponse", 5).visible());
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.actif("encore_mystere"));
    EXPECT_EQ(p.b.sons().names().back(), "10.ats");
    p.b.cliquer("fin_mystere");
    EXPECT_EQ(p.b.visible().name(), "depart");
}

TEST(MotMysterieux, EveryPositionIsProposedOnceInAnOrderDrawnForEachWord) {
    Mots chiens(6, kMots[0]);
    Partie p(0, chiens);
    std::set<std::string> ordres;
    for (std::size_t mot = 0; mot < chiens.size(); ++mot) {
        std::string tags;
        for (int i = 0; i < 5; ++i) tags += p.b.label("reponse", i).tag;
        std::string tries = tags;
        std::sort(tries.begin(), tries.end());
        EXPECT_EQ(tries, "12345");
        std::string proposees = p.placer("CHIEN", true);
        std::sort(proposees.begin(), proposees.end());
        EXPECT_EQ(proposees, "CEHIN");
        ordres.insert(tags);
        p.b.cliquer("encore_mystere");
    }
    EXPECT_GT(ordres.size(), 1u);
}

TEST(MotMysterieux, LettersInTheirPlacesWinFivePoints) {
    Partie p(1);
    p.placer("CHIEN", true);
    EXPECT_EQ(p.cellules(), "CHIEN");
    EXPECT_EQ(p.b.label("reponse", 0).fore_color(), plat::couleurs::vert);
    EXPECT_FALSE(p.b.label("reponse", 5).visible());
    EXPECT_EQ(p.b.etat().score, 6);
    EXPECT_EQ(
        p.question(),
        "phrase0 Vous avez trouvé CHIEN !\rEt ceci sans avoir besoin de l'indice qui était :\rIl garde la maison.");
    EXPECT_EQ(p.b.etat().position_mot_mysterieux.nombre(), 1);
    EXPECT_TRUE(p.actif("encore_mystere"));
    EXPECT_TRUE(p.actif("fin_mystere"));
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
}

TEST(MotMysterieux, ARightAnswerAfterTheHintNamesAFinalGainOfThree) {
    Partie p(2);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.b.etat().score, 0);
    p.placer("CHIEN", true);
    EXPECT_EQ(p.b.etat().score, 5);
    EXPECT_EQ(p.question(),
              "phrase0 Vous avez trouvé CHIEN !\rMais comme vous avez dépensé 2 points pour consulter "
              "l'indice, le gain final n'est que de 3 points !");
}

TEST(MotMysterieux, AWrongAnswerFlashesTheMisplacedLettersInYellowAndEndsOnTheWord) {
    Partie p(3);
    std::string proposees = p.placer("CHIEN", false, 4);
    proposees += p.proposee();
    std::string marquees;  // the misplaced letters in lower case
    for (std::size_t i = 0; i < proposees.size(); ++i)
        marquees += proposees[i] == "CHIEN"[i] ? proposees[i] : minuscule(proposees[i]);
    std::vector<std::string> vues;
    auto noter = [&] {
        if (vues.empty() || vues.back() != p.cellules_colorees()) vues.push_back(p.cellules_colorees());
    };
    auto guet = p.b.guetter(20, noter);
    p.b.cliquer("reponse", 4);
    noter();
    std::vector<std::string> attendues = {proposees};
    for (int i = 0; i < 4; ++i) {
        attendues.push_back(marquees);
        attendues.push_back("CHIEN");
    }
    EXPECT_EQ(vues, attendues);
    EXPECT_EQ(p.b.etat().score, 1);
    EXPECT_EQ(p.question(),
              "phrase7 Lisez donc la bonne réponse !\rL'indice était : Il garde la maison.\rCette erreur "
              "vous fait perdre 2 points !");
    EXPECT_EQ(p.b.etat().position_mot_mysterieux.nombre(), 1);
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(MotMysterieux, FilledCellsAndTheProposalRefuseClicks) {
    Partie p;
    std::string premiere = p.proposee();
    p.b.cliquer("reponse", 2);
    std::string seconde = p.proposee();
    p.b.cliquer("reponse", 2);
    p.b.cliquer("reponse", 5);
    EXPECT_EQ(p.cellules(), "--" + premiere + "--");
    EXPECT_EQ(p.proposee(), seconde);
    EXPECT_FALSE(p.actif("fin_mystere"));  // no leaving once a word is under way
}

TEST(MotMysterieux, AOneLetterWordIsRightAtOnce) {
    Partie p(0, Mots{{"A", "La première lettre.", "Avant B."}});
    EXPECT_EQ(p.b.label("reponse", 0).left(), 296);
    p.b.cliquer("reponse", 0);
    EXPECT_EQ(p.b.etat().score, 5);
}

TEST(MotMysterieux, ARepeatedLetterIsRightInEitherOfItsCells) {
    for (bool croise : {false, true}) {
        Partie p(0, Mots{{"ALLO", "Au téléphone.", "On le dit en décrochant."}});
        int libres[] = {1, 2};
        for (int i = 0; i < 4; ++i) {
            std::string l = p.proposee();
            int cellule = l == "A" ? 0 : l == "O" ? 3 : libres[croise ? 1 : 0];
            if (l == "L") std::swap(libres[0], libres[1]);
            p.b.cliquer("reponse", cellule);
        }
        EXPECT_EQ(p.b.etat().score, 5) << croise;
    }
}

TEST(MotMysterieux, NextWordLocksTheEndButtonUntilItsVerdictAndWraps) {
    Partie p;
    p.placer("CHIEN", true);
    p.b.cliquer("encore_mystere");
    EXPECT_EQ(p.cellules(), "----");
    EXPECT_TRUE(p.b.label("reponse", 5).visible());
    EXPECT_FALSE(p.actif("fin_mystere"));
    EXPECT_FALSE(p.actif("encore_mystere"));
    p.placer("LUNE", true);
    EXPECT_TRUE(p.actif("fin_mystere"));
    p.b.cliquer("encore_mystere");
    EXPECT_EQ(p.cellules(), "-----");
    EXPECT_EQ(p.b.etat().position_mot_mysterieux.nombre(), 0);
}

}  // namespace
