// The player file: its bytes both ways, and the file on disk.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "shell/fichier_joueur.h"
#include "shell/profil_joueur.h"

namespace fs = std::filesystem;

namespace {

std::string octets(std::initializer_list<int> valeurs) {
    std::string s;
    for (int v : valeurs) s += static_cast<char>(v);
    return s;
}

// Jean, 37 points, three puzzles of the hangman done, the shell game never
// opened, a large and a negative count, the key clicks at 5.
const std::string kJean =
    octets({0x02, 0x00, 0x01, 0x00}) +                // a player is stored
    octets({0x32, 0x00, 0x00, 0x00}) +                // (37 × 4 − 123) × 2 = 50
    octets({0x08, 0x00, 0x0C, 0x00}) + "NierPi|mveqe" +  // "JeanLexirama", every code + 4
    octets({0x02, 0x00, 0x04, 0x00}) +                // parties_nbre_lettres 4
    octets({0x02, 0x00, 0xFF, 0xFF}) +                // parties_masculin −1
    octets({0x00, 0x00}) +                            // parties_bonneteau never touched
    octets({0x03, 0x00, 0x70, 0x11, 0x01, 0x00}) +    // parties_voyelles 70000
    octets({0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}) +
    octets({0x02, 0x00, 0x03, 0x00}) +                // position_pendu 3
    octets({0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
            0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00}) +
    octets({0x02, 0x00, 0x05, 0x00}) +                // num_son_touche 5
    octets({0x00, 0x00, 0x00, 0x00, 0x00, 0x00});     // the other sound rotations never started

ProfilJoueur jean() {
    ProfilJoueur p{Valeur(1), 37, "Jean", {}};
    for (Valeur& v : p.compteurs) v = Valeur(0);
    p.compteurs[0] = Valeur(4);
    p.compteurs[1] = Valeur(-1);
    p.compteurs[2] = Valeur();
    p.compteurs[3] = Valeur(70000);
    p.compteurs[8] = Valeur(3);
    p.compteurs[17] = Valeur(5);
    p.compteurs[18] = p.compteurs[19] = p.compteurs[20] = Valeur();
    return p;
}

TEST(ProfilJoueur, AKnownPlayerReadsAndWritesByteForByte) {
    EXPECT_EQ(lire_profil(kJean), jean());
    EXPECT_EQ(ecrire_profil(jean()), kJean);
}

TEST(ProfilJoueur, EveryKindOfValueComesBackAsWritten) {
    ProfilJoueur p{Valeur(7), 12, "Marie Claire", {}};
    const std::array<Valeur, 6> valeurs = {Valeur(), Valeur(0), Valeur(32767), Valeur(32768), Valeur(-32769),
                                           Valeur(INT32_MIN)};
    for (std::size_t i = 0; i < p.compteurs.size(); ++i) p.compteurs[i] = valeurs[i % valeurs.size()];
    EXPECT_EQ(lire_profil(ecrire_profil(p)), p);
}

TEST(ProfilJoueur, ScoreIsScrambledAndReadBackRoundingHalvesToEven) {
    EXPECT_EQ(brouiller_score(37), 50);
    EXPECT_EQ(brouiller_score(0), -246);
    EXPECT_EQ(brouiller_score(kScoreMaximum), 2147483642);  // still within 32 bits
    // stored, read: halves at either division go to the even neighbour
    for (auto [brouille, score] : {std::pair{50, 37}, {-246, 0}, {5, 31}, {7, 32}, {6, 32}, {14, 32}})
        EXPECT_EQ(debrouiller_score(brouille), score) << brouille;
    // a hand-made extreme score is brought back within what can be saved again
    std::string fort = kJean;
    fort.replace(4, 4, octets({0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(lire_profil(fort)->score, kScoreMaximum);
    // and a negative one, which no game can reach any more, to 0
    fort.replace(4, 4, octets({0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(lire_profil(fort)->score, 0);
}

TEST(ProfilJoueur, NobodyHasPlayedYetWhenTheFirstFieldIsEmptyOrZero) {
    for (const std::string& debut : {std::string(), octets({0x00, 0x00}), octets({0x02, 0x00, 0x00, 0x00, 0x42})})
        EXPECT_EQ(lire_profil(debut), std::nullopt);
}

TEST(ProfilJoueur, BytesLeftAfterTheLastFieldAreIgnored) {
    EXPECT_EQ(lire_profil(kJean + "reste d'un fichier plus long"), jean());
}

TEST(ProfilJoueur, BytesThatAreNoPlayerFileNameTheFieldAtFault) {
    auto avec_prenom = [](const std::string& code) {
        return kJean.substr(0, 8) + octets({0x08, 0x00, static_cast<int>(code.size()), 0x00}) + code +
               kJean.substr(24);
    };
    const std::pair<std::string, std::string> cas[] = {
        {kJean.substr(0, 1), "champ 1 : fichier trop court"},
        {kJean.substr(0, 6), "champ 2 : fichier trop court"},
        {kJean.substr(0, 20), "champ 3 : fichier trop court"},
        {kJean.substr(0, kJean.size() - 1), "champ 24 : fichier trop court"},
        {octets({0x08, 0x00, 0x01, 0x00, 'x'}), "champ 1 : nombre attendu"},
        {kJean.substr(0, 28) + octets({0x07, 0x00}), "champ 5 : type de valeur inconnu (7)"},
        {kJean.substr(0, 8) + octets({0x02, 0x00, 0x01, 0x00}), "champ 3 : prénom attendu"},
        {avec_prenom("NierPi|mveq"), "champ 3 : prénom sans sa marque"},
        {avec_prenom("NNNNNNNNNNNNNNPi|mveqe"), "champ 3 : prénom de plus de 13 lettres"},
        {avec_prenom("N5erPi|mveqe"), "champ 3 : prénom fait d'autre chose que de lettres"},
        {kJean.substr(0, 24) + octets({0x08, 0x00, 0x00, 0x00}), "champ 4 : nombre attendu"},
    };
    for (const auto& [octets_lus, raison] : cas) {
        try {
            lire_profil(octets_lus);
            ADD_FAILURE() << "accepted: " << raison;
        } catch (const FichierJoueurIllisible& e) {
            EXPECT_EQ(std::string(e.what()), raison);
        }
    }
}

// A counter that was reset is told apart from one never touched.
TEST(ProfilJoueur, ANewPlayerHasEveryCounterAtZeroNotEmpty) {
    EtatPartage etat;
    etat.position_pendu = Valeur(9);
    EXPECT_TRUE(profil_de(etat).compteurs[1].vide());
    remettre_progression_a_zero(etat);
    for (const Valeur& v : profil_de(etat).compteurs) EXPECT_EQ(v, Valeur(0));
}

TEST(ProfilJoueur, TheSharedStateGivesAndTakesTheWholeProfile) {
    EtatPartage etat;
    reprendre_profil(jean(), etat);
    EXPECT_EQ(etat.score, 37);
    EXPECT_EQ(etat.score_charge, 37);
    EXPECT_EQ(etat.position_pendu, Valeur(3));
    EXPECT_EQ(etat.num_son_touche, Valeur(5));
    EXPECT_TRUE(etat.parties_bonneteau.vide());
    EXPECT_EQ(etat.parties_masculin, Valeur(0));  // stored as -1: a count is never below 0
    etat.prenom = "Jean";
    ProfilJoueur attendu = jean();
    attendu.compteurs[1] = Valeur(0);
    EXPECT_EQ(profil_de(etat), attendu);
}

// ---------------------------------------------------------------- on disk

class FichierJoueurTest : public ::testing::Test {
protected:
    FichierJoueurTest() : dossier_(fs::temp_directory_path() / ("lexirama-joueur-" + std::to_string(::getpid()))) {
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
    }
    ~FichierJoueurTest() override { fs::remove_all(dossier_); }

    void ecrire(const std::string& nom, const std::string& contenu) {
        std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
    }
    std::string lire(const std::string& nom) {
        std::ifstream flux(dossier_ / nom, std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> fichiers() {
        std::vector<std::string> noms;
        for (const auto& f : fs::directory_iterator(dossier_)) noms.push_back(f.path().filename().string());
        std::sort(noms.begin(), noms.end());
        return noms;
    }

    fs::path dossier_;
};

TEST_F(FichierJoueurTest, AMissingFileIsAFirstPlayer) {
    LectureJoueur lecture = lire_fichier_joueur(dossier_);
    EXPECT_EQ(lecture.profil, std::nullopt);
    EXPECT_EQ(lecture.avertissement, "");
    EXPECT_TRUE(fichiers().empty());
}

TEST_F(FichierJoueurTest, AnUnreadableFileIsKeptAsideAndThePlayerTold) {
    const std::string abime = kJean.substr(0, 30);
    ecrire("4.bin", abime);
    LectureJoueur lecture = lire_fichier_joueur(dossier_);
    EXPECT_EQ(lecture.profil, std::nullopt);
    EXPECT_EQ(lecture.avertissement,
              "Le fichier du joueur 4.bin \xE9tait illisible (champ 5 : fichier trop court).\r"
              "Il est gard\xE9 \xE0 part (4.bin.illisible). Vous commencez comme premier joueur.");
    EXPECT_EQ(fichiers(), std::vector<std::string>{"4.bin.illisible"});
    EXPECT_EQ(lire("4.bin.illisible"), abime);
}

TEST_F(FichierJoueurTest, SavingReplacesTheWholeFileAndLeavesNothingElse) {
    ecrire("4.bin", std::string(500, 'x'));
    ecrire_fichier_joueur(dossier_, kJean);
    EXPECT_EQ(lire("4.bin"), kJean);
    EXPECT_EQ(fichiers(), std::vector<std::string>{"4.bin"});
    EXPECT_EQ(lire_fichier_joueur(dossier_).profil, jean());
}

TEST_F(FichierJoueurTest, AFailedSaveKeepsTheLastOne) {
    ecrire("4.bin", kJean);
    fs::create_directories(dossier_ / "4.bin.tmp");  // the temporary file cannot be made
    EXPECT_THROW(ecrire_fichier_joueur(dossier_, "autre chose"), std::exception);
    EXPECT_EQ(lire("4.bin"), kJean);
}

// Bytes and folders left by a damaged disk, an older version or a program
// ended in the middle of a save: the player read, and nothing destroyed.
TEST_F(FichierJoueurTest, WhatIsLeftOnDiskIsReadWithoutLosingAnything) {
    // a second unreadable file does not replace the first one put aside
    ecrire("4.bin", "abime 1");
    lire_fichier_joueur(dossier_);
    ecrire("4.bin", "abime 2");
    EXPECT_NE(lire_fichier_joueur(dossier_).avertissement.find("4.bin.illisible-2"), std::string::npos);
    EXPECT_EQ(lire("4.bin.illisible"), "abime 1");
    EXPECT_EQ(lire("4.bin.illisible-2"), "abime 2");
    fs::remove(dossier_ / "4.bin.illisible");
    fs::remove(dossier_ / "4.bin.illisible-2");

    // a folder in place of the file is put aside with a French reason
    fs::create_directories(dossier_ / "4.bin");
    EXPECT_NE(lire_fichier_joueur(dossier_).avertissement.find("ce n'est pas un fichier"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dossier_ / "4.bin.illisible"));
    fs::remove_all(dossier_ / "4.bin.illisible");

    // a whole save whose rename was cut short is the newest: it is taken
    ecrire("4.bin.tmp", kJean);
    EXPECT_EQ(lire_fichier_joueur(dossier_).profil, jean());
    EXPECT_EQ(fichiers(), std::vector<std::string>{"4.bin"});

    // a save cut short in its writing is dropped, the last one kept
    ecrire("4.bin.tmp", kJean.substr(0, 20));
    EXPECT_EQ(lire_fichier_joueur(dossier_).profil, jean());
    EXPECT_EQ(fichiers(), std::vector<std::string>{"4.bin"});

    // a huge file is read only as far as a player file can go
    ecrire("4.bin", kJean + std::string(8 << 20, '\0'));
    EXPECT_EQ(lire_fichier_joueur(dossier_).profil, jean());
}

// An installed program may not write beside itself: the player it kept
// there is carried into the user's folder, the program's folder untouched.
TEST_F(FichierJoueurTest, ThePlayerBesideAReadOnlyProgramMovesToTheUsersFolder) {
    fs::path ancien = dossier_ / "programme";
    fs::path utilisateur = dossier_ / "utilisateur";
    fs::create_directories(ancien);
    fs::create_directories(utilisateur);
    ecrire("programme/4.bin", kJean);
    EXPECT_EQ(lire_fichier_joueur(utilisateur, ancien).profil, jean());
    EXPECT_EQ(lire("utilisateur/4.bin"), kJean);
    EXPECT_EQ(lire("programme/4.bin"), kJean);
    ecrire("utilisateur/4.bin", kJean.substr(0, 4) + octets({0x00, 0x00, 0x00, 0x00}) + kJean.substr(8));
    EXPECT_EQ(lire_fichier_joueur(utilisateur, ancien).profil->score, 31);  // the user's own file wins from then on
}

}  // namespace
