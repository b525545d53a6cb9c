// The letter too many on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/guide.h"
#include "games/wordplay/lettre_en_trop.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

struct Enigme {
    std::string mot, sans_lettre;
    int position;
    std::string indice, ligne;
};
const std::vector<Enigme> kEnigmes = {{"PLAGE", "PAGE", 1, "On la tourne.", "Il restera quatre lettres."},
                                      {"CHIEN", "CHIN", 4, "Un pays.", ""}};
constexpr int kJuste = 1;
constexpr int kFaux = 3;

// The position is a plain number in the file, never shifted like the texts.
std::string fichier(const std::vector<Enigme>& enigmes) {
    auto texte = [](const std::string& t) {
        std::string ligne = fichier_de_mots({{t}});
        return ligne.substr(0, ligne.size() - 2);
    };
    std::string octets;
    for (const Enigme& e : enigmes)
        octets += texte(e.mot) + "," + texte(e.sans_lettre) + "," + std::to_string(e.position) + "," +
                  texte(e.indice) + "," + texte(e.ligne) + "\r\n";
    return octets;
}

struct Partie {
    explicit Partie(int score = 0, const std::vector<Enigme>& enigmes = kEnigmes) {
        b.ecrire_datas("6.bin", fichier(enigmes));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("lettre_en_trop");
    }
    std::string tuiles() {
        std::string s;
        for (int i = 0; i < LettreEnTrop::kTuiles && b.label("reponse", i).visible(); ++i)
            s += b.label("reponse", i).caption();
        return s;
    }
    plat::Couleur couleur(int tuile) { return b.label("reponse", tuile).fore_color(); }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    long achats() { return std::ranges::count(b.sons().names(), "4.ats"); }
    Bench b;
};

TEST(LettreEnTrop, TheMenuOpensItOnTheTilesOfTheWord) {
    Partie p(2);
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_lettre");
    ASSERT_EQ(p.b.visible().name(), "lettre_en_trop");
    EXPECT_EQ(p.tuiles(), "PLAGE");
    EXPECT_EQ(p.b.label("reponse", 0).left(), 204);
    EXPECT_EQ(p.couleur(0), plat::couleurs::blanc);
    EXPECT_EQ(p.commentaire(),
              "Cliquez avec la souris sur la lettre à ôter au mot ci-dessus afin d'en obtenir un autre.\rIl restera "
              "quatre lettres.");
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.actif("encore_lettre"));
    EXPECT_EQ(p.b.sons().names().back(), "16.amb");
    p.b.cliquer("fin_lettre");
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.sons().names().back(), "7.ats");
}

TEST(LettreEnTrop, AnswerPointsAndMessages) {
    struct Cas {
        int tuile;
        int score;
        bool indice;
        int reste;
        const char* message;
    };
    const std::vector<Cas> cas = {
        {kJuste, 0, false, 5, "phrase0 Vous avez trouvé PAGE !\rVous gagnez 5 points !\rL'indice était : On la tourne."},
        {kJuste, 2, true, 5,
         "phrase0 Il s'agissait bien de PAGE.\rMais vous aviez consulté l'indice. Au total vous ne gagnez donc que 3 "
         "points seulement !"},
        {kFaux, 5, false, 3, "phrase7 Vous deviez trouver PAGE !\rVous perdez 2 points !\rL'indice était : On la tourne."},
        {kFaux, 4, true, 0,
         "phrase7 Vous deviez trouver PAGE !\rVous perdez 2 points !\rVous aviez pourtant consulté l'indice !"},
        {kFaux, 3, true, 0,
         "phrase7 Vous deviez trouver le mot PAGE !\rVous n'avez plus aucun point !\rVous aviez pourtant consulté "
         "l'indice !"},
        {kFaux, 1, false, 0,
         "phrase7 Vous deviez trouver le mot PAGE !\rVous n'avez plus aucun point !\rL'indice était : On la tourne."},
    };
    for (const Cas& c : cas) {
        Partie p(c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.b.cliquer("reponse", c.tuile);
        EXPECT_EQ(p.b.etat().score, c.reste) << c.message;
        EXPECT_EQ(p.b.label("label_score").caption(), std::to_string(c.reste));
        EXPECT_EQ(p.commentaire(), c.message);
        EXPECT_EQ(p.b.etat().position_lettre_en_trop.nombre(), 1);
        EXPECT_EQ(p.couleur(kJuste), plat::couleurs::vert);
        if (c.tuile == kFaux) {
            EXPECT_EQ(p.couleur(kFaux), plat::couleurs::rouge);
        }
        EXPECT_TRUE(p.actif("encore_lettre"));
        EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
        EXPECT_TRUE(p.b.backend().cursor_visible());
    }
}

TEST(LettreEnTrop, OnlyTheFirstClickCounts) {
    Partie p(10);
    p.b.cliquer("reponse", kFaux);
    p.b.cliquer("reponse", kJuste);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(p.b.etat().score, 8);
    EXPECT_EQ(p.b.etat().position_lettre_en_trop.nombre(), 1);
    EXPECT_EQ(p.achats(), 0);
}

// The right letter blinks for 1.6 s after a wrong one; a hint bought then
// used to take 2 more points, below 0.
TEST(LettreEnTrop, NoHintIsSoldWhileTheRightLetterBlinks) {
    for (auto [score, reste] : {std::pair{2, 0}, {3, 1}}) {
        Partie p(score);
        std::uint32_t debut = p.b.maintenant();
        p.b.cliquer_dans(500, "achat_indice");
        p.b.cliquer("reponse", kFaux);
        EXPECT_GE(p.b.maintenant() - debut, 8u * 200u);
        EXPECT_EQ(p.b.etat().score, reste) << score;
        EXPECT_EQ(p.achats(), 0);
        EXPECT_EQ(utf8(p.b.label("achat_indice").caption()), "Acheter un indice\r(coût : 2 pièces)");
        EXPECT_EQ(p.couleur(kJuste), plat::couleurs::vert);
    }
}

TEST(LettreEnTrop, NextPuzzleAndWrapAtTheEndOfTheFile) {
    Partie p(2);
    p.b.cliquer("reponse", kJuste);
    p.b.cliquer("encore_lettre");
    EXPECT_EQ(p.b.sons().names().back(), "9.ats");
    EXPECT_EQ(p.tuiles(), "CHIEN");
    EXPECT_EQ(p.couleur(kJuste), plat::couleurs::blanc);
    EXPECT_FALSE(p.actif("encore_lettre"));
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    p.b.cliquer("achat_indice");  // sold again for the new puzzle
    EXPECT_EQ(p.b.etat().score, 5);
    p.b.cliquer("reponse", 4);
    p.b.cliquer("encore_lettre");
    EXPECT_EQ(p.tuiles(), "PLAGE");
    EXPECT_EQ(p.b.etat().position_lettre_en_trop.nombre(), 0);
}

TEST(LettreEnTrop, NineLettersFillTheRow) {
    Partie p(0, {{"CHARMANTE", "CHARMANT", 8, "Tout plein de charme.", ""}});
    EXPECT_EQ(p.b.label("reponse", 0).left(), 108);
    EXPECT_EQ(p.b.label("reponse", 8).left(), 108 + 8 * 47);
    p.b.cliquer("reponse", 8);
    EXPECT_EQ(p.b.etat().score, 5);
}

TEST(LettreEnTrop, ALetterPositionOffTheWordLeavesThePlayerOnTheMenu) {
    Partie p(5, {{"PLAGE", "PAGE", 5, "On la tourne.", ""}});
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.etat().score, 5);
}

TEST(LettreEnTrop, TheGhostRestsOnFrameThreeAndPlaysItsSound) {
    EXPECT_EQ(cadre_guide(guides::lettre_en_trop, 3).x, 323);
    Partie p;
    std::uint32_t debut = p.b.maintenant();
    p.b.cliquer("fantome");
    EXPECT_EQ(p.b.maintenant() - debut, 13u * 130u);
    EXPECT_EQ(p.b.sons().names().back(), "16.amb");
}

}  // namespace
