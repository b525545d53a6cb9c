// The music-note syllable on the bench, with a small word file of its own.
#include <gtest/gtest.h>

#include "games/wordplay/musique.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
enum Note { DO, RE, MI, FA, SOL, LA, SI };

// The number field of a record is written bare, the texts encoded.
std::string fichier(const std::vector<std::tuple<std::string, int, std::string, std::string>>& enigmes) {
    std::string octets;
    for (const auto& [a_trou, note, mot, indice] : enigmes) {
        std::string ligne = fichier_de_mots({{a_trou, mot, indice}});
        octets += ligne.insert(ligne.find(',') + 1, std::to_string(note) + ",");
    }
    return octets;
}

const auto kDomino = std::tuple{std::string("-MINO"), int{DO}, std::string("DOMINO"),
                                std::string("On aligne ses pièces sur la table.")};
const auto kTomate = std::tuple{std::string("TOMA-"), int{RE}, std::string("TOMATE"), std::string("Un fruit rouge.")};

struct Partie {
    explicit Partie(int score = 0, const std::string& mots = fichier({kDomino, kTomate})) {
        b.ecrire_datas("8.bin", mots);
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("musique");
    }
    std::string commentaire() { return utf8(b.label("commentaire").caption()); }
    std::string mot() { return b.label("mot_note").caption(); }
    // What the word shows a given time after a note is clicked.
    std::vector<std::string> vu_pendant(Note n, const std::vector<std::uint32_t>& instants) {
        std::vector<std::string> vu;
        b.controle("mot_note").on_click = [&] { vu.push_back(mot()); };
        for (std::uint32_t ms : instants) b.cliquer_dans(ms, "mot_note");
        b.cliquer("note", n);
        return vu;
    }
    Bench b;
};

TEST(Musique, OpeningShowsTheWordWithItsGap) {
    Partie p(2);
    EXPECT_EQ(p.mot(), "-MINO");
    EXPECT_EQ(p.commentaire(),
              "La syllabe manquante dans le mot ci-dessous correspond au nom d'une note de musique.\r"
              "Mais ... laquelle d'après vous ?");
    EXPECT_TRUE(p.b.label("achat_indice").visible());
    EXPECT_FALSE(p.b.controle("encore_musique").enabled());
    EXPECT_EQ(p.b.sons().names().back(), "5.ats");
    for (int n = DO; n <= SI; ++n) EXPECT_TRUE(p.b.controle("note", n).enabled());
}

TEST(Musique, TheRightNoteWinsFivePoints) {
    Partie p(3);
    p.b.cliquer("note", DO);
    EXPECT_EQ(p.mot(), "DOMINO");
    EXPECT_EQ(p.b.label("mot_note").fore_color(), plat::couleurs::bleu);
    EXPECT_EQ(p.b.etat().score, 8);
    EXPECT_EQ(p.commentaire(),
              "phrase0 On obtient DOMINO !\rVous gagnez 5 points !\rIndice : On aligne ses pièces sur la table.");
    EXPECT_EQ(p.b.etat().position_musique.nombre(), 1);
    EXPECT_TRUE(p.b.controle("encore_musique").enabled());
    EXPECT_FALSE(p.b.controle("note", RE).enabled());
    EXPECT_EQ(std::pair(p.b.backend().pointer_x(), p.b.backend().pointer_y()), std::pair(570, 410));
    p.b.cliquer("achat_indice");  // answered: the hint is no longer sold
    EXPECT_EQ(p.b.etat().score, 8);
}

TEST(Musique, AfterTheHintTheRightNoteNetsThreePoints) {
    Partie p(4);
    p.b.cliquer("achat_indice");
    EXPECT_EQ(utf8(p.b.label("achat_indice").caption()), "On aligne ses pièces sur la table.");
    p.b.cliquer("note", DO);
    EXPECT_EQ(p.b.etat().score, 7);
    EXPECT_EQ(p.commentaire(), "phrase0  On obtient DOMINO !\rMais vous aviez consulté l'indice. Au total vous ne "
                               "gagnez donc que 3 points seulement !");
}

TEST(Musique, AWrongNoteCostsTwoPointsNeverBelowZero) {
    struct Cas {
        int score;
        bool indice;
        int reste;
        const char* lignes;
    };
    for (const Cas& c : {Cas{5, false, 3, "Vous perdez 2 points !\rIndice : On aligne ses pièces sur la table."},
                         Cas{1, false, 0,
                             "Vous n'avez plus aucun point !\rIndice : On aligne ses pièces sur la table."},
                         Cas{4, true, 0, "Vous perdez 2 points !\rVous aviez pourtant consulté l'indice !"}}) {
        Partie p(c.score);
        if (c.indice) p.b.cliquer("achat_indice");
        p.b.cliquer("note", SOL);
        EXPECT_EQ(p.b.etat().score, c.reste) << c.score;
        EXPECT_EQ(p.commentaire(), std::string("phrase7 C'est DOMINO !\r") + c.lignes);
        EXPECT_EQ(p.b.etat().position_musique.nombre(), 1);
        EXPECT_TRUE(p.b.controle("encore_musique").enabled());
    }
}

// The wrong note goes into the gap, wherever it lies, and the word blinks
// with it for 3.2 s, the pointer hidden, to end right and blue.
TEST(Musique, AWrongNoteBlinksInTheGapThenTheRightWord) {
    struct Cas {
        const char* a_trou;
        int note;
        const char* mot;
        Note clic;
        const char* faux;
    };
    for (const Cas& c : {Cas{"-MINO", DO, "DOMINO", LA, "LAMINO"}, Cas{"TOMA-", RE, "TOMATE", SOL, "TOMASOL"},
                         Cas{"PA-PLUIE", RE, "PARAPLUIE", FA, "PAFAPLUIE"},
                         Cas{"MI-MI-", MI, "MIMIMI", SI, "MISIMI-"}}) {
        Partie p(10, fichier({{c.a_trou, c.note, c.mot, "Un indice."}}));
        std::uint32_t debut = p.b.maintenant();
        std::vector<std::string> vu = p.vu_pendant(c.clic, {200, 600, 2600, 3100});
        EXPECT_EQ(vu, (std::vector<std::string>{c.faux, c.mot, c.faux, c.mot})) << c.a_trou;
        EXPECT_GE(p.b.maintenant() - debut, 3200u);
        EXPECT_EQ(p.mot(), c.mot);
        EXPECT_EQ(p.b.label("mot_note").fore_color(), plat::couleurs::bleu);
        EXPECT_TRUE(p.b.backend().cursor_visible());
    }
}

TEST(Musique, NextPuzzleRestoresTheNotesAndWrapsAtTheEnd) {
    Partie p(0);
    p.b.cliquer("note", DO);
    p.b.cliquer("encore_musique");
    EXPECT_EQ(p.mot(), "TOMA-");
    EXPECT_EQ(p.b.label("mot_note").fore_color(), plat::couleurs::noir);
    EXPECT_TRUE(p.b.controle("note", SI).enabled());
    EXPECT_FALSE(p.b.controle("encore_musique").enabled());
    EXPECT_TRUE(p.b.label("achat_indice").visible());  // 5 points now
    p.b.cliquer("note", RE);
    EXPECT_EQ(p.b.etat().position_musique.nombre(), 2);
    p.b.cliquer("encore_musique");
    EXPECT_EQ(p.mot(), "-MINO");
    EXPECT_EQ(p.b.etat().position_musique.nombre(), 0);
}

TEST(Musique, AWordWithoutAGapLeavesThePlayerOnTheMenu) {
    Bench b;
    b.ecrire_datas("8.bin", fichier({{"DOMINO", DO, "DOMINO", "Un jeu."}}));
    b.demarrer();
    b.ouvrir("musique");
    EXPECT_EQ(b.visible().name(), "depart");
}

}  // namespace
