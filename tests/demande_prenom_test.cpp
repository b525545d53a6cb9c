// The name screen on the bench: a new player's name spelt on the on-screen
// alphabet and confirmed, and the way back to the stored players.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "platform/text.h"
#include "shell/fichier_joueur.h"
#include "tests/bench.h"

namespace {

constexpr int kPositionPendu = 8;  // among the counters of the player file

// Jean has 37 points and has done three hangman puzzles.
std::string fichier_de_jean() {
    ProfilJoueur jean{Valeur(1), 37, "Jean", {}};
    jean.compteurs[kPositionPendu] = Valeur(3);
    return ecrire_profil(jean);
}

struct EcranDuPrenom {
    // With a stored player the program opens on the players: a new one is asked for.
    explicit EcranDuPrenom(const std::optional<std::string>& fichier_joueur = std::nullopt) {
        if (fichier_joueur) b.ecrire_datas("4.bin", *fichier_joueur);
        b.demarrer();
        if (b.visible().name() == "choix_joueur") b.cliquer("nouveau");
    }
    // The name confirmed and a picture picked: the menu opens.
    void confirmer(int personnage = 0) {
        b.cliquer("fin_mot");
        b.cliquer("personnage", personnage);
    }
    // Letters as on the alphabet; a blank is the space button, '<' the erase picture.
    void taper(std::string_view touches) {
        for (char c : touches) {
            if (c == ' ')
                b.cliquer("espace");
            else if (c == '<')
                b.cliquer("effacer");
            else
                b.cliquer("lettre", c - 'A');
        }
    }
    std::string cellules() {
        std::string s;
        for (int i = 0; i < kLongueurPrenomMax; ++i)
            if (b.label("reponse", i).visible()) s += b.label("reponse", i).caption();
        return s;
    }
    std::string caption(const std::string& label) { return utf8(b.label(label).caption()); }
    std::optional<std::string> fichier(const std::string& nom) {
        std::ifstream flux(b.datas() / nom, std::ios::binary);
        if (!flux) return std::nullopt;
        return std::string{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }
    Bench b;
};

TEST(DemandePrenom, TheNameIsRebuiltTrimmedAndCapitalised) {
    struct Cas {
        bool jean_stocke;
        std::string_view touches;
        std::string_view prenom;
    };
    const Cas cas[] = {
        {false, "JEAN", "Jean"},
        {false, " ANNE", "Anne"},              // the leading blank is trimmed
        {false, "JEAN  PAUL", "Jean Paul"},    // blanks in one place become one
        {false, "A B C", "A B C"},             // blanks in two places keep every word
        {false, "", "Inconnu"},                // a first player who types nothing
        {true, "", "Inconnu"},                 // a new player beside a stored one
        {true, "MARC", "Marc"},
        {true, "<", "Inconnu"},                // erased, nothing typed
        {false, "ABCDEFGHIJKLMN", "Abcdefghijklm"},  // the 14th letter is ignored
    };
    for (const Cas& c : cas) {
        EcranDuPrenom e(c.jean_stocke ? std::optional(fichier_de_jean()) : std::nullopt);
        e.taper(c.touches);
        e.confirmer();
        EXPECT_EQ(e.b.etat().prenom, c.prenom) << c.touches;
    }
}

TEST(DemandePrenom, ThirteenCellsHoldTheNameAndFurtherLettersOnlyClick) {
    EcranDuPrenom e;
    EXPECT_EQ(e.cellules(), "INCONNU");
    e.taper("ABCDEFGHIJKLM");
    std::size_t sons = e.b.sons().names().size();
    e.taper("N");
    EXPECT_EQ(e.cellules(), "ABCDEFGHIJKLM");
    EXPECT_EQ(e.b.label("reponse", 0).left(), 29);  // laid out for 13
    EXPECT_EQ(e.b.sons().names().size(), sons + 1);
}

// The drawn board has rounded ends from x = 24 and to x = 616 on: a name
// of any length stands between them, its cells apart and its letters whole.
TEST(DemandePrenom, EveryNameStandsBetweenTheRoundedEndsOfTheBoard) {
    constexpr int kDebutPlanche = 24, kFinPlanche = 616;
    for (int longueur : {1, 7, 12, 13}) {
        EcranDuPrenom e;
        e.taper(std::string(static_cast<std::size_t>(longueur), 'W'));
        int fin_precedente = kDebutPlanche;
        for (int i = 0; i < longueur; ++i) {
            plat::Label& cellule = e.b.label("reponse", i);
            EXPECT_GE(cellule.left(), fin_precedente) << longueur << " lettres, cellule " << i;
            EXPECT_TRUE(cellule.caption_fits()) << longueur << " lettres, cellule " << i;
            fin_precedente = cellule.left() + cellule.bounds().w;
        }
        EXPECT_LE(fin_precedente, kFinPlanche) << longueur << " lettres";
    }
}

TEST(DemandePrenom, AFirstPlayerCannotGoBackToAStoredOne) {
    EcranDuPrenom e;
    EXPECT_EQ(e.caption("conserver"), "Vous êtes le premier joueur");
    EXPECT_FALSE(e.b.controle("conserver").enabled());
    EXPECT_EQ(e.caption("label_score"), "0");
    EXPECT_FALSE(e.b.label("avertissement").visible());
    std::size_t sons = e.b.sons().names().size();
    e.b.cliquer("conserver");
    EXPECT_EQ(e.b.sons().names().size(), sons);
    EXPECT_EQ(e.caption("conserver"), "Vous êtes le premier joueur");
}

TEST(DemandePrenom, ANewPlayerBesideAStoredOneStartsAfreshAndCanGoBack) {
    EcranDuPrenom e(fichier_de_jean());
    EXPECT_EQ(e.cellules(), "INCONNU");
    EXPECT_EQ(e.caption("label_score"), "0");
    EXPECT_EQ(e.caption("conserver"), "Revenir aux joueurs");
    e.b.cliquer("conserver");
    EXPECT_EQ(e.b.visible().name(), "choix_joueur");
    EXPECT_EQ(e.b.sons().names().back(), "6.ats");

    e.b.cliquer("nouveau");
    e.taper("LEA");
    e.confirmer(4);
    EXPECT_EQ(e.b.visible().name(), "depart");
    EXPECT_EQ(e.b.etat().prenom, "Lea");
    EXPECT_EQ(e.b.etat().score, 0);
    for (const Valeur& compteur : profil_de(e.b.etat()).compteurs) EXPECT_EQ(compteur, Valeur(0));
    for (std::string fichier : {"joueurs/Lea-4.bin", "4.bin"}) {
        std::optional<ProfilJoueur> sauve = lire_profil(e.fichier(fichier).value_or(""));
        ASSERT_TRUE(sauve) << fichier;
        EXPECT_EQ(sauve->prenom, "Lea");
        EXPECT_EQ(sauve->score, 0);
    }
    EXPECT_EQ(lire_profil(e.fichier("joueurs/Jean-13.bin").value_or("")), lire_profil(fichier_de_jean()));
}

TEST(DemandePrenom, ConfirmingOpensTheMenuWithTheCommentPhrasesOnTheName) {
    EcranDuPrenom e;
    e.taper("JEAN");
    e.confirmer();
    EXPECT_EQ(e.b.visible().name(), "depart");
    EXPECT_TRUE(e.b.etat().prenom_confirme);
    const std::array<std::string, kNbCommentaires> attendus = {
        "Bravo Jean !", "C'est juste Jean !", "Félicitations Jean !", "Super Jean !", "C'est bien ça !",
        "Chapeau Jean !", "Pas mal du tout !", "Pas du tout Jean !", "Ah non ! Pas question !",
        "Ce n'est pas ça du tout !", "C'est tout  faux !", "A côté de la plaque !",
        "Fallait chercher plus longtemps !", "Vous êtes vraiment sûr ?", ""};
    for (int i = 0; i < kNbCommentaires; ++i) EXPECT_EQ(utf8(e.b.etat().commentaires[i]), attendus[i]) << i;
}

TEST(DemandePrenom, AnUnreadableFileIsKeptAsideAndSaidOnScreen) {
    EcranDuPrenom e(std::string("\x09\x00", 2));
    EXPECT_TRUE(e.b.label("avertissement").visible());
    EXPECT_EQ(e.caption("avertissement"),
              "Le fichier du joueur 4.bin était illisible (champ 1 : type de valeur inconnu (9)).\r"
              "Il est gardé à part (4.bin.illisible). Vous commencez comme premier joueur.");
    EXPECT_EQ(e.caption("conserver"), "Vous êtes le premier joueur");
    EXPECT_EQ(e.fichier("4.bin"), std::nullopt);
    EXPECT_EQ(e.fichier("4.bin.illisible"), std::string("\x09\x00", 2));
}

TEST(DemandePrenom, TheSpaceBarExplainsItselfWhenThePointerRestsOnIt) {
    EcranDuPrenom e;
    const plat::Tooltip& bulle = e.b.app().tooltip();
    e.b.survoler("lettre", 0);
    e.b.attendre(plat::Tooltip::kRepos);
    EXPECT_FALSE(bulle.shown());
    e.b.survoler("espace");
    e.b.attendre(plat::Tooltip::kRepos);
    EXPECT_TRUE(bulle.shown());
    e.b.cliquer("espace");
    EXPECT_FALSE(bulle.shown());
}

TEST(DemandePrenom, NothingIsSavedUntilANameIsConfirmed) {
    EcranDuPrenom avant;
    avant.taper("JEAN");
    avant.b.app().on_close_request();
    EXPECT_EQ(avant.fichier("4.bin"), std::nullopt);

    EcranDuPrenom sans_image;
    sans_image.taper("JEAN");
    sans_image.b.cliquer("fin_mot");
    sans_image.b.app().on_close_request();
    EXPECT_EQ(sans_image.fichier("4.bin"), std::nullopt);

    EcranDuPrenom apres;
    apres.taper("JEAN");
    apres.confirmer();
    apres.b.app().on_close_request();
    std::optional<std::string> sauve = apres.fichier("4.bin");
    ASSERT_TRUE(sauve);
    std::optional<ProfilJoueur> profil = lire_profil(*sauve);
    ASSERT_TRUE(profil);
    EXPECT_EQ(profil->prenom, "Jean");
    EXPECT_EQ(profil->profil_existant, Valeur(1));
}

}  // namespace
