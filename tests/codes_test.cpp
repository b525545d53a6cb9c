// The picture code on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include "games/wordplay/codes.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

struct Enigme {
    int numero;
    std::vector<std::string> propositions;
    std::string ligne = "Un ballon, c'est une grosse balle !";
    std::string indice = "On la lance au tennis.";
};
const Enigme kBalle{2, {"LAPIN", "BALLE", "ROBOT", "CRAIE"}};
const Enigme kZigzag{4, {"CHEVAL", "BATEAU", "GIRAFE", "ZIGZAG"}, "Comme un Z !", "Une ligne qui tourne."};

// The number field of a record comes first, bare; the texts are encoded.
std::string fichier(const std::vector<Enigme>& enigmes) {
    std::string octets;
    for (const Enigme& e : enigmes) {
        std::vector<std::string> textes = e.propositions;
        textes.push_back(e.ligne);
        textes.push_back(e.indice);
        octets += std::to_string(e.numero) + "," + fichier_de_mots({textes});
    }
    return octets;
}

struct Partie {
    explicit Partie(int score = 0, const std::vector<Enigme>& enigmes = {kBalle, kZigzag}) {
        b.ecrire_datas("3.bin", fichier(enigmes));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("codes");
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    plat::Image& dessin(int i) { return dynamic_cast<plat::Image&>(b.controle("reponse", i)); }
    int dessins_visibles() {
        int n = 0;
        while (n < Codes::kDessins && dessin(n).visible()) ++n;
        return n;
    }
    std::pair<int, int> pointeur() { return {b.backend().pointer_x(), b.backend().pointer_y()}; }
    Bench b;
};

// The sheet's drawings: A to K on the upper row, L to Z on the lower one.
plat::Rect cellule(char lettre) {
    int c = lettre - 'A';
    return c < 11 ? plat::Rect{56 * c, 244, 56, 62} : plat::Rect{56 * (c - 11), 306, 56, 62};
}

bool meme_image(const plat::Picture& dessin, const plat::Picture& feuille, const plat::Rect& r) {
    if (dessin.width() != r.w || dessin.height() != r.h) return false;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if (!(dessin.pixel_at(x, y) == feuille.pixel_at(r.x + x, r.y + y))) return false;
    return true;
}

TEST(Codes, LettersComeFromTheUpperRowUpToKAndTheLowerRowFromL) {
    for (auto [lettre, x, y] : {std::tuple{'A', 0, 244}, {'K', 560, 244}, {'L', 0, 306}, {'Z', 784, 306}}) {
        plat::Rect r = Codes::dessin_de(lettre);
        EXPECT_EQ(std::tuple(r.x, r.y, r.w, r.h), std::tuple(x, y, 56, 62)) << lettre;
    }
}

TEST(Codes, TheHiddenWordIsDrawnLetterByLetterCentredFor5To7Letters) {
    struct Cas {
        const char* mot;
        int debut;
    };
    for (const Cas& c : {Cas{"KAYAK", 180}, Cas{"ZIGZAG", 152}, Cas{"ABRICOT", 124}, Cas{"ELEPHANT", 0},
                         Cas{"LOUP", 0}}) {
        std::string mot = c.mot;
        Partie p(0, {Enigme{3, {"AAAAAAAA", "BBBBBBBB", mot, "CCCCCCCC"}}});
        ASSERT_EQ(p.dessins_visibles(), static_cast<int>(mot.size())) << mot;
        for (std::size_t i = 0; i < mot.size(); ++i) {
            plat::Image& d = p.dessin(static_cast<int>(i));
            EXPECT_EQ(d.left(), c.debut + 56 * static_cast<int>(i)) << mot;
            EXPECT_TRUE(meme_image(*d.picture(), *p.b.r().divers.anim, cellule(mot[i]))) << mot << " " << mot[i];
        }
    }
}

TEST(Codes, OpeningOffersFourProposals) {
    Partie p(2);
    EXPECT_EQ(p.commentaire(), "Chacun de ces dessins représente une lettre. Pouvez-vous me désigner le mot qui se "
                               "cache ci-dessous ?");
    std::vector<std::string> vus;
    for (int i = 0; i < Codes::kPropositions; ++i) vus.push_back(p.b.label("mot_propose", i).caption());
    EXPECT_EQ(vus, kBalle.propositions);
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.b.controle("encore_codes").enabled());
    EXPECT_EQ(p.b.sons().names().back(), "5.amb");
}

TEST(Codes, TheRightProposalWinsAndClickedAgainOnlyParksThePointer) {
    Partie p(3);
    p.b.cliquer("mot_propose", 1);
    const std::string verdict =
        "phrase0 C'était BALLE.\rL'indice était : On la lance au tennis.\rUn ballon, c'est une grosse balle !";
    EXPECT_EQ(p.commentaire(), verdict);
    EXPECT_EQ(p.b.etat().score, 8);
    EXPECT_EQ(p.b.label("mot_propose", 1).fore_color(), plat::couleurs::bleu);
    for (int i : {0, 2, 3}) EXPECT_FALSE(p.b.controle("mot_propose", i).enabled());
    EXPECT_EQ(p.b.etat().position_codes.nombre(), 1);
    EXPECT_TRUE(p.b.controle("encore_codes").enabled());
    EXPECT_EQ(p.pointeur(), std::pair(570, 410));

    p.b.r().cacher_pointeur(kCentre);
    p.b.r().montrer_pointeur();
    std::size_t sons = p.b.sons().names().size();
    p.b.cliquer("mot_propose", 1);
    EXPECT_EQ(p.pointeur(), std::pair(570, 410));
    EXPECT_EQ(p.b.etat().score, 8);
    EXPECT_EQ(p.b.etat().position_codes.nombre(), 1);
    EXPECT_EQ(p.commentaire(), verdict);
    EXPECT_EQ(p.b.sons().names().size(), sons);
    EXPECT_EQ(p.b.etat().num_commentaire, 1);
}

TEST(Codes, AfterTheHintTheRightProposalNetsThreePoints) {
    Partie p(4);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.b.label("achat_indice").caption(), "On la lance au tennis.");
    p.b.cliquer("mot_propose", 1);
    EXPECT_EQ(p.b.etat().score, 7);
    EXPECT_EQ(p.commentaire(),
              "phrase0 C'était BALLE.\rL'achat d'indice ne vous laisse que 3 points !\rUn ballon, c'est une grosse "
              "balle !");
}

TEST(Codes, AWrongProposalCostsTwoPointsNeverBelowZero) {
    struct Cas {
        int score;
        bool indice;
        int reste;
        const char* rappel;
    };
    for (const Cas& c : {Cas{5, false, 3, "L'indice était : On la lance au tennis."},
                         Cas{1, false, 0, "L'indice était : On la lance au tennis."},
                         Cas{4, true, 0, "Vous aviez pourtant consulté l'indice !"}}) {
        Partie p(c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.b.cliquer("mot_propose", 3);
        EXPECT_EQ(p.b.etat().score, c.reste);
        EXPECT_EQ(p.commentaire(),
                  std::string("phrase7 C'est BALLE !\rUn ballon, c'est une grosse balle !\r") + c.rappel);
        for (int i : {0, 2, 3}) EXPECT_FALSE(p.b.controle("mot_propose", i).enabled());
        EXPECT_TRUE(p.b.controle("mot_propose", 1).enabled());
        EXPECT_EQ(p.b.label("mot_propose", 3).fore_color(), plat::couleurs::noir);
        EXPECT_EQ(p.b.etat().position_codes.nombre(), 1);
        EXPECT_TRUE(p.b.controle("encore_codes").enabled());
    }
}

TEST(Codes, AfterAWrongProposalTheRightOneBlinksRedAndBlue) {
    Partie p(0);
    std::vector<plat::Couleur> vu;
    p.b.controle("mot_propose", 1).on_click = [&] { vu.push_back(p.b.label("mot_propose", 1).fore_color()); };
    for (std::uint32_t ms : {100u, 300u, 500u, 1500u, 1700u}) p.b.cliquer_dans(ms, "mot_propose", 1);
    p.b.cliquer("mot_propose", 0);
    p.b.attendre(200);
    EXPECT_EQ(vu, (std::vector<plat::Couleur>{plat::couleurs::noir, plat::couleurs::rouge, plat::couleurs::bleu,
                                              plat::couleurs::rouge, plat::couleurs::bleu}));
    EXPECT_EQ(p.b.label("mot_propose", 1).fore_color(), plat::couleurs::bleu);
}

TEST(Codes, ANumberNamingNoProposalDrawsNothingAndNothingIsRight) {
    Partie p(5, {Enigme{0, kBalle.propositions}});
    EXPECT_EQ(p.dessins_visibles(), 0);
    p.b.cliquer("mot_propose", 1);
    EXPECT_EQ(p.b.etat().score, 3);
    for (int i = 0; i < Codes::kPropositions; ++i) EXPECT_FALSE(p.b.controle("mot_propose", i).enabled());
}

TEST(Codes, NextPuzzleRedrawsAndWrapsAtTheEnd) {
    Partie p(0);
    p.b.cliquer("mot_propose", 1);
    p.b.cliquer("encore_codes");
    EXPECT_EQ(p.dessins_visibles(), 6);
    EXPECT_EQ(p.dessin(0).left(), 152);
    EXPECT_EQ(p.b.label("mot_propose", 3).caption(), "ZIGZAG");
    EXPECT_EQ(p.b.label("mot_propose", 1).fore_color(), plat::couleurs::noir);
    EXPECT_TRUE(p.b.controle("mot_propose", 0).enabled());
    EXPECT_FALSE(p.b.controle("encore_codes").enabled());
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    p.b.cliquer("mot_propose", 3);
    EXPECT_EQ(p.b.etat().position_codes.nombre(), 2);
    p.b.cliquer("encore_codes");
    EXPECT_EQ(p.b.label("mot_propose", 0).caption(), "LAPIN");
    EXPECT_EQ(p.b.etat().position_codes.nombre(), 0);
}

TEST(Codes, AHiddenWordWithoutDrawingsLeavesThePlayerOnTheMenu) {
    for (const char* mot : {"Balle", "ELEPHANTS"}) {
        Bench b;
        b.ecrire_datas("3.bin", fichier({Enigme{1, {mot, "LAPIN", "ROBOT", "CRAIE"}}}));
        b.demarrer();
        b.ouvrir("codes");
        EXPECT_EQ(b.visible().name(), "depart") << mot;
    }
}

}  // namespace
