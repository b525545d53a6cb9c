// The word families on the bench: a memory game of 7 pairs, with a small
// word file of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/disposition.h"
#include "games/wordplay/familles.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
const Mots kPaires = {{"NEIGE", "FLOCON"}, {"MER", "VAGUE"},     {"ABEILLE", "MIEL"},    {"LIVRE", "PAGE"},
                      {"CHAT", "SOURIS"},  {"LUNE", "ÉTOILE"}, {"PAIN", "BOULANGER"}};

// The card sounds of a pair found and of a failed try, from a fresh start.
const std::vector<std::string> kSonsPaire = {"17", "18", "02", "32", "39", "46", "17", "18"};
const std::vector<std::string> kSonsEchec = {"12", "16", "20", "23", "24", "29", "03", "31", "33", "05", "12", "16"};

// A game of word families opened on the bench with a given word file and score.
struct Partie {
    explicit Partie(int score = 0, const Mots& paires = kPaires, std::uint32_t graine = 1) : b(graine) {
        b.ecrire_datas("5.bin", fichier_de_mots(paires));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("familles");
    }
    Familles& jeu() { return dynamic_cast<Familles&>(*b.app().form("familles")); }
    int carte(int mot) { return jeu().carte_du_mot(mot); }
    void retourner(int mot) { b.cliquer("label_carte", carte(mot)); }
    void essayer(int mot1, int mot2) {
        retourner(mot1);
        retourner(mot2);
    }
    void rater(int fois) {
        for (int i = 0; i < fois; ++i) essayer(12, 10);
    }
    void trouver_tout() {
        for (int mot = 0; mot < Familles::kCartes; mot += 2) essayer(mot, mot + 1);
    }
    plat::Label& carte_du(int mot) { return b.label("label_carte", carte(mot)); }
    std::string montre(int mot) { return utf8(carte_du(mot).caption()); }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    std::vector<std::string> derniers_sons(std::size_t n) {
        const auto& sons = b.sons().names();
        return {sons.end() - static_cast<std::ptrdiff_t>(std::min(n, sons.size())), sons.end()};
    }
    Bench b;
};

std::vector<int> donne(Partie& p) {
    std::vector<int> cartes;
    for (int mot = 0; mot < Familles::kCartes; ++mot) cartes.push_back(p.carte(mot));
    return cartes;
}

TEST(Familles, OpeningDealsEveryWordOnItsOwnFaceDownCard) {
    std::vector<std::vector<int>> donnes;
    for (std::uint32_t graine : {1u, 2u, 3u}) {
        Partie p(0, kPaires, graine);
        std::vector<int> cartes = donne(p);
        donnes.push_back(cartes);
        std::sort(cartes.begin(), cartes.end());
        std::vector<int> toutes(Familles::kCartes);
        std::iota(toutes.begin(), toutes.end(), 0);
        EXPECT_EQ(cartes, toutes);
        for (int mot = 0; mot < Familles::kCartes; ++mot) EXPECT_EQ(p.montre(mot), "");
        EXPECT_EQ(p.commentaire(),
                  "Trouvez deux mots évoquant la même idée !\rVous pouvez gagner au maximum 20 points.\r"
                  "Chaque essai infructueux vous enlève 2 points.");
        EXPECT_FALSE(p.b.controle("encore_familles").enabled());
        EXPECT_EQ(p.b.sons().names().back(), "11.amb");
    }
    EXPECT_NE(donnes[0], donnes[1]);
    EXPECT_NE(donnes[1], donnes[2]);
}

TEST(Familles, AMatchingPairStaysUpInBlueWhicheverCardComesFirst) {
    Partie p;
    p.retourner(1);
    EXPECT_EQ(p.montre(1), "FLOCON");
    EXPECT_EQ(p.commentaire(), "\rQuel mot pourrait évoquer FLOCON ?");
    p.retourner(0);
    EXPECT_EQ(p.commentaire(), "phrase0\rFLOCON fait penser à NEIGE !\rVous pouvez gagner 20 points.");
    EXPECT_EQ(p.derniers_sons(kSonsPaire.size()), kSonsPaire);
    for (int mot : {0, 1}) EXPECT_EQ(p.carte_du(mot).fore_color(), plat::couleurs::bleu);
    EXPECT_EQ(p.montre(0) + p.montre(1), "NEIGEFLOCON");
    std::size_t sons = p.b.sons().names().size();
    p.retourner(0);  // a found card no longer plays
    EXPECT_EQ(p.b.sons().names().size(), sons);
    EXPECT_TRUE(p.b.backend().cursor_visible());
}

TEST(Familles, AFailedTryTurnsBothCardsBackAndLowersThePrizeBy2) {
    Partie p;
    p.essayer(0, 2);
    EXPECT_EQ(p.commentaire(), "phrase7\rNEIGE n'évoque pas MER !\rVous pouvez gagner 18 points.");
    EXPECT_EQ(p.derniers_sons(kSonsEchec.size()), kSonsEchec);
    EXPECT_EQ(p.montre(0) + p.montre(2), "");
    EXPECT_EQ(p.carte_du(2).font_size(), 14);
    p.essayer(2, 3);  // both cards play again
    EXPECT_EQ(p.carte_du(3).fore_color(), plat::couleurs::bleu);
    EXPECT_EQ(p.commentaire(), "phrase1\rMER fait penser à VAGUE !\rVous pouvez gagner 18 points.");
}

TEST(Familles, TheTenthFailedTryLosesAndShowsTheSolution) {
    struct Cas {
        int score, reste;
        const char* ligne;
    };
    for (const Cas& c : {Cas{5, 3, "Vous perdez 2 points !"}, Cas{1, 0, "Vous n'avez plus aucun point !"}}) {
        Partie p(c.score);
        p.essayer(0, 1);
        p.rater(9);
        EXPECT_EQ(p.commentaire(), "phrase9\rPAIN n'évoque pas LUNE !\rVous pouvez gagner 2 points.");
        p.rater(1);
        EXPECT_EQ(p.commentaire(),
                  std::string("Dommage ! Voici la solution !\r") + c.ligne + "\rTentez donc à nouveau votre chance !");
        EXPECT_EQ(p.b.etat().score, c.reste);
        EXPECT_EQ(p.b.etat().position_familles.nombre(), 14);
        for (int mot = 0; mot < Familles::kCartes; ++mot) {
            EXPECT_EQ(p.montre(mot), kPaires[mot / 2][mot % 2]);
            EXPECT_EQ(p.carte_du(mot).fore_color(), mot < 2 ? plat::couleurs::bleu : plat::couleurs::rouge);
        }
        EXPECT_TRUE(p.b.controle("encore_familles").enabled());
        EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
        std::size_t sons = p.b.sons().names().size();
        p.retourner(4);  // the board is locked
        EXPECT_EQ(p.b.sons().names().size(), sons);
    }
}

TEST(Familles, SevenPairsWinTheRemainingPrize) {
    struct Cas {
        int echecs, gain;
        const char* phrase;
    };
    for (const Cas& c : {Cas{0, 20, "phrase0"}, Cas{3, 14, "phrase3"}}) {
        Partie p(5);
        p.rater(c.echecs);
        p.trouver_tout();
        EXPECT_EQ(p.b.etat().score, 5 + c.gain);
        EXPECT_EQ(p.b.label("label_score").caption(), std::to_string(5 + c.gain));
        EXPECT_EQ(p.commentaire(), std::string(c.phrase) + "\rCette victoire vous rapporte " +
                                       std::to_string(c.gain) + " points !\rUne autre petite partie ?");
        EXPECT_EQ(p.b.etat().position_familles.nombre(), 14);
        EXPECT_TRUE(p.b.controle("encore_familles").enabled());
        EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
    }
}

// A card taken while a try was still showing used to start a new try over
// it: the try's first card then stayed face up for good and the game could
// only be lost.
TEST(Familles, ACardClickedWhileATryShowsIsIgnored) {
    for (std::uint32_t pendant : {100u, 900u}) {  // before the verdict, inside the show of a pair
        Partie p;
        p.retourner(0);
        p.b.cliquer_dans(pendant, "label_carte", p.carte(4));
        std::size_t sons = p.b.sons().names().size();
        p.retourner(pendant < 300 ? 2 : 1);
        EXPECT_EQ(p.montre(4), "") << pendant;
        EXPECT_EQ(p.b.sons().names().size() - sons, 1 + (pendant < 300 ? kSonsEchec : kSonsPaire).size());
        p.essayer(4, 5);
        EXPECT_EQ(p.carte_du(5).fore_color(), plat::couleurs::bleu) << pendant;
        p.essayer(0, 1);
        EXPECT_EQ(p.carte_du(1).fore_color(), plat::couleurs::bleu) << pendant;
    }
}

// Saved positions count pairs of fields at opening and single words for a
// new game: the player files written so far rely on these units.
TEST(Familles, TheSavedPositionCountsInTheGamesOwnUnits) {
    Mots vingt_et_une;
    for (int i = 0; i < 21; ++i) vingt_et_une.push_back({"A" + std::to_string(i), "B" + std::to_string(i)});
    Partie p(0, vingt_et_une);
    p.trouver_tout();
    EXPECT_EQ(p.b.etat().position_familles.nombre(), 14);
    p.b.cliquer("encore_familles");
    EXPECT_EQ(p.b.etat().position_familles.nombre(), 28);
    EXPECT_FALSE(p.b.controle("encore_familles").enabled());
    EXPECT_EQ(p.commentaire().substr(0, 14), "Trouvez deux m");
    p.retourner(0);
    EXPECT_EQ(p.montre(0), "A7");
    p.b.cliquer("fin_familles");
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.sons().names().back(), "7.ats");
    p.b.ouvrir("familles");  // 28 pairs of fields skipped: 21 pairs, then 7 more
    p.retourner(0);
    EXPECT_EQ(p.montre(0), "A7");
}

// Leaving in the middle of a try and coming back deals a new game; the old
// try must not touch the new board when its waits end.
TEST(Familles, ATryCutShortByANewDealLeavesTheNewBoardAlone) {
    Partie p;
    p.retourner(0);
    p.b.cliquer_dans(100, "fin_familles");
    plat::Rect bouton = disposition::de("depart", "bouton_familles");
    for (auto kind : {plat::InputEvent::Kind::mouse_move, plat::InputEvent::Kind::mouse_down,
                      plat::InputEvent::Kind::mouse_up})
        p.b.backend().schedule(p.b.maintenant() + 150, {kind, bouton.x + bouton.w / 2, bouton.y + bouton.h / 2,
                                                         plat::kBoutonGauche});
    p.retourner(2);
    p.b.attendre(3000);
    ASSERT_EQ(p.b.visible().name(), "familles");
    for (int mot = 0; mot < Familles::kCartes; ++mot) {
        EXPECT_EQ(p.montre(mot), "");
        EXPECT_EQ(p.carte_du(mot).font_size(), 14);
    }
    p.essayer(0, 2);
    EXPECT_EQ(p.commentaire(), "phrase7\rNEIGE n'évoque pas MER !\rVous pouvez gagner 18 points.");
}

TEST(Familles, TheGuidePlaysItsSoundAndThirtyFourFramesOf60Ms) {
    Partie p;
    std::uint32_t debut = p.b.maintenant();
    p.b.cliquer("perso");
    EXPECT_EQ(p.b.maintenant() - debut, 34u * 60u);
    EXPECT_EQ(p.b.sons().names().back(), "11.amb");
}

TEST(Familles, AnOddWordFileLeavesThePlayerOnTheMenu) {
    Bench b;
    b.ecrire_datas("5.bin", fichier_de_mots({{"NEIGE"}}));
    b.demarrer();
    b.etat().position_familles = Valeur(1);
    b.ouvrir("familles");
    EXPECT_EQ(b.visible().name(), "depart");
}

}  // namespace
