// Two words make a third on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/guide.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
// Nine fields a puzzle, read one by one: the line breaks fall anywhere.
const Mots kDeuxEnigmes = {{"CHAT", "RIZ", "EAU", "SOL"},
                           {"PIED", "BOL", "CHATEAU", "Le roi y habite.", "CHÂTEAU"},
                           {"POT", "AGE", "LIT", "BUS", "NEZ", "VER"},
                           {"POTAGE", "On y plante des légumes.", "POTAGER"}};
constexpr int kChat = 0, kRiz = 1, kEau = 2, kSol = 3, kPied = 4;
const char* const kConsigne = "\rChoisissez deux de ces mots afin d'en former un troisième.";

struct Partie {
    explicit Partie(int score = 0, int position = 0, const Mots& mots = kDeuxEnigmes) {
        b.ecrire_datas("2.bin", fichier_de_mots(mots));
        b.demarrer();
        b.etat().score = score;
        b.etat().position_deux_mots = Valeur(position);
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("deux_mots");
    }
    void choisir(std::initializer_list<int> mots) {
        for (int i : mots) b.cliquer("label_mot", i);
    }
    std::string mots() {
        std::string s;
        for (int i = 0; i < 6; ++i) s += (i ? " " : "") + b.label("label_mot", i).caption();
        return s;
    }
    plat::Couleur couleur(int mot) { return b.label("label_mot", mot).fore_color(); }
    std::string reponse() { return b.label("reponse").caption(); }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    bool actif(const std::string& bouton) { return b.controle(bouton).enabled(); }
    Bench b;
};

TEST(DeuxMots, TheMenuOpensItOnSixBlackWords) {
    Partie p(2);
    p.b.ouvrir("depart");
    p.b.cliquer("bouton_2mots");
    ASSERT_EQ(p.b.visible().name(), "deux_mots");
    EXPECT_EQ(p.mots(), "CHAT RIZ EAU SOL PIED BOL");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.couleur(i), plat::couleurs::noir);
    EXPECT_EQ(p.reponse(), "");
    EXPECT_EQ(p.commentaire(), kConsigne);
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("encore_2mots"));
    EXPECT_EQ(p.b.sons().names().back(), "3.amb");
    p.b.cliquer("fin_2mots");
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.sons().names().back(), "7.ats");
}

TEST(DeuxMots, TwoPicksJoinedInOrderAndNoThird) {
    Partie p;
    p.choisir({kChat});
    EXPECT_EQ(p.couleur(kChat), plat::couleurs::vert);
    EXPECT_EQ(p.reponse(), "CHAT");
    EXPECT_EQ(p.commentaire(), "\rQuel mot allez-vous associer à CHAT pour former un autre mot ?");
    EXPECT_TRUE(p.actif("effacer"));
    EXPECT_FALSE(p.actif("test"));
    p.choisir({kChat});  // already picked
    EXPECT_EQ(p.reponse(), "CHAT");
    p.choisir({kEau});
    EXPECT_EQ(p.reponse(), "CHATEAU");
    EXPECT_EQ(p.commentaire(),
              "\rEn rajoutant EAU à CHAT vous obtenez CHATEAU, d'accord ? Cliquez sur le bouton TESTER pour "
              "confirmer.");
    EXPECT_TRUE(p.actif("test"));
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 315));
    p.choisir({kSol});
    EXPECT_EQ(p.reponse(), "CHATEAU");
    EXPECT_EQ(p.couleur(kSol), plat::couleurs::noir);
}

TEST(DeuxMots, EraseFreesTheWordsButKeepsABoughtHint) {
    Partie p(2);
    p.choisir({kRiz, kSol});
    p.b.cliquer("achat_indice");
    p.b.cliquer("effacer");
    EXPECT_EQ(p.b.sons().names().back(), "3.ats");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.couleur(i), plat::couleurs::noir);
    EXPECT_EQ(p.reponse(), "");
    EXPECT_EQ(p.commentaire(), kConsigne);
    EXPECT_FALSE(p.actif("test"));
    EXPECT_FALSE(p.actif("effacer"));
    EXPECT_FALSE(p.b.label("achat_indice").visible());  // 0 points left
    EXPECT_EQ(p.b.etat().score, 0);
    p.choisir({kChat, kEau});
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().score, 5);
}

TEST(DeuxMots, VerdictPointsAndMessages) {
    struct Cas {
        int premier, second;
        int score;
        bool indice;
        int reste;
        const char* message;
    };
    const std::vector<Cas> cas = {
        {kChat, kEau, 0, false, 5, "phrase0 CHÂTEAU !\rVous gagnez 5 points !\rL'indice était : Le roi y habite."},
        {kChat, kEau, 2, true, 5,
         "phrase0 CHÂTEAU !\rMais vous aviez consulté l'indice. Au total vous ne gagnez donc que 3 points "
         "seulement !"},
        {kEau, kChat, 5, false, 3, "phrase7 CHÂTEAU !\rVous perdez 2 points !\rL'indice était : Le roi y habite."},
        {kRiz, kSol, 4, true, 0, "phrase7 CHÂTEAU !\rVous perdez 2 points !\rVous aviez pourtant consulté l'indice !"},
        {kRiz, kSol, 1, false, 0,
         "phrase7 CHÂTEAU !\rVous n'avez plus aucun point !\rL'indice était : Le roi y habite."},
    };
    for (const Cas& c : cas) {
        Partie p(c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.choisir({c.premier, c.second});
        p.b.cliquer("test");
        EXPECT_EQ(p.b.etat().score, c.reste) << c.message;
        EXPECT_EQ(p.b.label("label_score").caption(), std::to_string(c.reste));
        EXPECT_EQ(p.commentaire(), c.message);
        EXPECT_EQ(p.b.etat().position_deux_mots.nombre(), 1);
        // Either way the label ends on the word to make, in blue.
        EXPECT_EQ(p.reponse(), "CHATEAU");
        EXPECT_EQ(p.b.label("reponse").fore_color(), plat::couleurs::bleu);
        EXPECT_TRUE(p.actif("encore_2mots"));
        EXPECT_FALSE(p.actif("test"));
        EXPECT_FALSE(p.actif("effacer"));
        EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
        p.choisir({kPied});  // judged: no more picks
        EXPECT_EQ(p.couleur(kPied), plat::couleurs::noir);
    }
}

// A wrong pair shows the player's answer in red and the right word in blue
// by turns, 300 ms each; the hint is no longer sold meanwhile.
TEST(DeuxMots, AWrongPairBlinksAgainstTheRightWord) {
    Partie p(4);
    std::uint32_t debut = p.b.maintenant();
    p.choisir({kEau, kChat});
    p.b.cliquer_dans(400, "achat_indice");
    p.b.cliquer("test");
    EXPECT_GE(p.b.maintenant() - debut, 8u * 300u);
    EXPECT_EQ(p.b.etat().score, 2);
    EXPECT_EQ(std::ranges::count(p.b.sons().names(), "4.ats"), 0);
}

// The joined word is compared exactly: case and accents count.
TEST(DeuxMots, TheJoinedWordMustMatchLetterForLetter) {
    Partie p(0, 0, Mots{{"chat", "RIZ", "EAU", "SOL", "PIED", "BOL", "CHATEAU", "Le roi y habite.", "CHÂTEAU"}});
    p.choisir({0, 2});
    EXPECT_EQ(p.reponse(), "chatEAU");
    p.b.cliquer("test");
    EXPECT_EQ(p.b.etat().score, 0);
}

TEST(DeuxMots, NextPuzzleReadsNineFieldsAndWrapsAtTheEnd) {
    Partie p(0, 1);
    EXPECT_EQ(p.mots(), "POT AGE LIT BUS NEZ VER");
    p.choisir({0, 1});
    p.b.cliquer("test");
    EXPECT_EQ(p.commentaire(), "phrase0 POTAGER !\rVous gagnez 5 points !\rL'indice était : On y plante des légumes.");
    EXPECT_EQ(p.b.etat().position_deux_mots.nombre(), 2);
    p.b.cliquer("encore_2mots");
    EXPECT_EQ(p.b.sons().names().back(), "9.ats");
    EXPECT_EQ(p.b.etat().position_deux_mots.nombre(), 0);
    EXPECT_EQ(p.mots(), "CHAT RIZ EAU SOL PIED BOL");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.couleur(i), plat::couleurs::noir);
    EXPECT_EQ(p.reponse(), "");
    EXPECT_EQ(p.b.label("reponse").fore_color(), plat::couleurs::noir);
    EXPECT_EQ(p.commentaire(), kConsigne);
    EXPECT_FALSE(p.actif("encore_2mots"));
    p.choisir({kChat, kEau});
    EXPECT_TRUE(p.actif("test"));
}

TEST(DeuxMots, APuzzleLeftWithoutVerdictComesBack) {
    Partie p;
    p.choisir({kChat, kEau});
    p.b.cliquer("fin_2mots");
    p.b.ouvrir("deux_mots");
    EXPECT_EQ(p.mots(), "CHAT RIZ EAU SOL PIED BOL");
    EXPECT_EQ(p.reponse(), "");
    EXPECT_FALSE(p.actif("test"));
}

TEST(DeuxMots, IlvariaRestsOnFrameZeroAndPlaysItsSound) {
    EXPECT_EQ(cadre_guide(guides::deux_mots, 0).x, 341);
    Partie p;
    std::uint32_t debut = p.b.maintenant();
    p.b.cliquer("ilvaria");
    EXPECT_EQ(p.b.maintenant() - debut, 26u * 60u);
    EXPECT_EQ(p.b.sons().names().back(), "3.amb");
}

TEST(DeuxMots, AShortLastPuzzleLeavesThePlayerOnTheMenu) {
    Partie p(5, 0, Mots{{"CHAT", "RIZ", "EAU", "SOL", "PIED", "BOL", "CHATEAU"}});
    EXPECT_EQ(p.b.visible().name(), "depart");
    EXPECT_EQ(p.b.etat().score, 5);
}

}  // namespace
