// Word files: the field reader, the decoder, a game's resume and wrap, the
// encoder read back by the reader, the errors, and the word-list rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/word_file.h"
#include "core/word_file_reader.h"
#include "platform/text.h"
#include "tools/words/content_file.h"
#include "tools/words/content_rules.h"
#include "tools/words/word_encoder.h"

using namespace std::string_literals;

namespace {

constexpr Champ T = Champ::texte;
constexpr Champ N = Champ::nombre;

FichierMots fichier(std::string octets) { return FichierMots("11.bin", std::move(octets)); }

std::string erreur_de_lecture(std::string octets, const FormatEnregistrement& format) {
    try {
        FichierMots f = fichier(std::move(octets));
        for (;;) f.lire(format);  // reading past the end fails too
    } catch (const FichierMotsErreur& erreur) {
        return erreur.what();
    }
}

FormatEnregistrement format_de(const Enregistrement& enregistrement) {
    FormatEnregistrement format;
    for (const Valeur& champ : enregistrement) format.push_back(champ.est_nombre() ? N : T);
    return format;
}

}  // namespace

// ---------------------------------------------------------------------------
// Decoder and field syntax

TEST(Decoder, ShiftsEveryCodeDownByFourInPlace) {
    struct Cas {
        std::string stocke, sens;
    };
    for (auto [stocke, sens] : {Cas{"glex", "chat"}, Cas{"", ""}, Cas{"$", " "}, Cas{"\xE4", "\xE0"}}) {
        std::string texte = stocke;
        EXPECT_EQ(decoder(texte), sens) << stocke;
        EXPECT_EQ(texte, sens) << stocke;
    }
}

TEST(FieldReader, ReadsTheSyntaxOfWordFiles) {
    struct Cas {
        const char* quoi;
        std::string octets;
        FormatEnregistrement format;
        Enregistrement attendu;
    };
    const std::vector<Cas> cas = {
        {"comma and CR LF", "glex,glex\r\n", {T, T}, {"chat"s, "chat"s}},
        {"lone LF", "glex\nglex\n", {T, T}, {"chat"s, "chat"s}},
        {"blanks before, after", "  glex ,\t glex", {T, T}, {"chat"s, "chat"s}},
        {"quoted comma", "\"e0f\",\"glex\"\r\n", {T, T}, {"a,b"s, "chat"s}},
        {"quotes keep blanks", "\" glex \" ,e", {T, T}, {"\x1C" "chat\x1C"s, "a"s}},
        {"empty fields", "glex,,\"\",e", {T, T, T, T}, {"chat"s, ""s, ""s, "a"s}},
        {"one read across lines", "e\r\nf,g\r\n", {T, T, T}, {"a"s, "b"s, "c"s}},
        {"numbers", "12,-3, 7\r\n-32768,32767", {N, N, N, N, N}, {12, -3, 7, -32768, 32767}},
        {"number then texts", "2,PETMR,\"1QMRS\"\r\n", {N, T, T}, {2, "LAPIN"s, "-MINO"s}},
    };
    for (const auto& [quoi, octets, format, attendu] : cas) {
        FichierMots f = fichier(octets);
        EXPECT_EQ(f.lire(format), attendu) << quoi;
        EXPECT_TRUE(f.fin()) << quoi;
    }
}

TEST(FieldReader, IsAtItsEndRightAfterTheLastRecordOnly) {
    struct Cas {
        std::string octets;
        bool fin;
    };
    for (const auto& [octets, fin] : {Cas{"e,f\r\n", true}, Cas{"e,f", true}, Cas{"e,f\n", true},
                                      Cas{"e,f\r\n\r\n", false}, Cas{"e,f ", true}, Cas{"e,f\r\n ", false}}) {
        FichierMots f = fichier(octets);
        f.lire({T, T});
        EXPECT_EQ(f.fin(), fin) << octets;
    }
}

// ---------------------------------------------------------------------------
// A game's resume, next puzzle and wrap, on a file of three records

namespace {
const std::string trois_enregistrements = "e,1\r\nf,2\r\ng,3\r\n";  // a, b, c
const FormatEnregistrement texte_et_nombre = {T, N};

Enregistrement enregistrement(const char* texte, int nombre) { return {std::string(texte), nombre}; }
}  // namespace

TEST(WordFileReader, ResumesAfterTheFinishedPuzzlesAndWraps) {
    struct Cas {
        Valeur position;
        Enregistrement courant;
        Valeur position_reprise;
        Enregistrement suivant;
        Valeur position_suivant;
    };
    const auto a = enregistrement("a", 1), b = enregistrement("b", 2), c = enregistrement("c", 3);
    const std::vector<Cas> cas = {
        {Valeur(), a, Valeur(), b, Valeur()},  // a new player
        {1, b, 1, c, 1},
        {2, c, 2, a, 0},            // R - 1: the last record, then the first again
        {3, a, 0, b, 0},            // R: every record read, back to the first
        {5, c, 0, a, 0},            // R + 2: one turn, then record p - R + 1
        {7, b, 0, c, 0},            // more than two turns
        {1'000'000, b, 0, c, 0},    // a damaged count
        {-2, a, -2, b, -2},
    };
    for (const auto& [position, courant, position_reprise, suivant, position_suivant] : cas) {
        Valeur progression = position;
        LecteurMots lecteur(fichier(trois_enregistrements), texte_et_nombre, progression);
        EXPECT_EQ(lecteur.reprendre(), courant) << position.texte();
        EXPECT_EQ(progression, position_reprise) << position.texte();
        EXPECT_EQ(lecteur.suivant(), suivant) << position.texte();
        EXPECT_EQ(progression, position_suivant) << position.texte();
    }
}

TEST(WordFileReader, CountsFinishedPuzzlesOnlyWhenTold) {
    Valeur progression;
    LecteurMots lecteur(fichier(trois_enregistrements), texte_et_nombre, progression);
    lecteur.reprendre();
    lecteur.suivant();
    EXPECT_TRUE(progression.vide());
    lecteur.avancer();
    EXPECT_EQ(progression, Valeur(1));
    lecteur.avancer(14);
    EXPECT_EQ(progression, Valeur(15));
}

TEST(WordFileReader, SingleReadsWrapWithTheEndTestAfterEachRead) {
    Valeur progression = 1;  // one unit: one record of the format
    LecteurMots lecteur(fichier("e\r\nf\r\ng\r\n"), {T}, progression);
    lecteur.passer_enigmes_finies();
    std::string lus;
    for (int i = 0; i < 5; ++i) {
        lus += lecteur.fichier().lire_texte();
        lecteur.revenir_au_debut_si_fini();
        if (i == 1) {
            EXPECT_EQ(progression, Valeur(0)) << "back to the top after c";
        }
    }
    EXPECT_EQ(lus, "bcabc");
}

TEST(WordFileReader, OpensTheFileOnDisk) {
    const auto chemin = std::filesystem::path(testing::TempDir()) / "11.bin";
    std::ofstream(chemin, std::ios::binary) << trois_enregistrements;
    Valeur progression = 1;
    EXPECT_EQ(LecteurMots(chemin, texte_et_nombre, progression).reprendre(), enregistrement("b", 2));
    std::filesystem::remove(chemin);
}

// ---------------------------------------------------------------------------
// Encoder, against hand-made bytes and against the reader

TEST(WordEncoder, WritesWhatTheReaderReadsBack) {
    struct Cas {
        Enregistrement enregistrement;
        std::string ligne;
    };
    const std::vector<Cas> cas = {
        {{"SOLEIL"s, "Il brille dans le ciel le jour."s}, "WSPIMP,Mp$fvmppi$herw$pi$gmip$pi$nsyv2\r\n"},
        // A stored text that starts like a number is quoted.
        {{"-MINO"s, 0, "DOMINO"s, cp1252("On aligne ses pièces sur la table.")},
         "\"1QMRS\",0,HSQMRS,Sr$epmkri$wiw$tm\xECgiw$wyv$pe$xefpi2\r\n"},
        // A comma is stored as "0" and needs no quotes.
        {{2, "LAPIN"s, "BALLE"s, "ROBOT"s, "CRAIE"s, "Un ballon, c'est une grosse balle !"s, "On la lance au tennis."s},
         "2,PETMR,FEPPI,VSFSX,GVEMI,Yr$feppsr0$g+iwx$yri$kvswwi$feppi$%,Sr$pe$pergi$ey$xirrmw2\r\n"},
        // "(" is stored as a comma; empty is quoted to stay a field.
        {{"a(b"s, ""s, -7}, "\"e,f\",\"\",-7\r\n"},
    };
    for (const auto& [enregistrement, ligne] : cas) {
        EXPECT_EQ(ligne_stockee(enregistrement), ligne);
        EXPECT_EQ(fichier(ligne).lire(format_de(enregistrement)), enregistrement) << ligne;
    }
}

TEST(WordEncoder, EveryStorableCharacterComesBack) {
    std::string tous;
    for (int code = 0; code < 256; ++code)
        if (caractere_stockable(static_cast<char>(code))) tous += static_cast<char>(code);
    EXPECT_EQ(tous.size(), 0xFCu - 0x20u);
    const std::vector<Enregistrement> enregistrements = {{tous, 5}, {"x"s, 6}};
    FichierMots f = fichier(fichier_stocke(enregistrements));
    EXPECT_EQ(f.lire({T, N}), enregistrements[0]);
    EXPECT_EQ(f.lire({T, N}), enregistrements[1]);
    EXPECT_TRUE(f.fin());
}

TEST(WordEncoder, RefusesWhatCannotBeStored) {
    for (std::string texte : {cp1252("ü"), "\xFF"s, "a\tb"s, "\r"s}) EXPECT_THROW(encoder(texte), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// Errors: a clear French message naming the file and the line

TEST(FieldReader, NamesTheFileAndTheLineOfEveryFault) {
    struct Cas {
        std::string octets;
        FormatEnregistrement format;
        std::string message;
    };
    const std::string debut = "Le fichier de mots 11.bin est illisible (";
    const std::vector<Cas> cas = {
        {"", {T}, "fichier vide)."},
        {"glex,glex\r\nglex\r\n", {T, T}, "ligne 2 : champ manquant)."},
        {"glex,glex\r\n\r\n", {T, T}, "ligne 2 : champ manquant)."},
        {"1\r\n2\r\nz", {N}, "ligne 3 : nombre attendu)."},
        {"1.5", {N}, "ligne 1 : nombre attendu)."},
        {"e,\r\n", {T, N}, "ligne 1 : nombre attendu)."},
        {"32768", {N}, "ligne 1 : nombre hors limites)."},
        {"-32769", {N}, "ligne 1 : nombre hors limites)."},
        {"99999999999", {N}, "ligne 1 : nombre hors limites)."},
        {"e\r\ngl\x03x", {T}, "ligne 2 : code inférieur à 4)."},
        {"\"glex\r\n\"", {T}, "ligne 1 : guillemets non fermés)."},
        {"\"gl\"ex", {T}, "ligne 1 : caractère en trop après des guillemets)."},
    };
    for (const auto& [octets, format, message] : cas)
        EXPECT_EQ(utf8(erreur_de_lecture(octets, format)), debut + message) << octets;
}

TEST(FieldReader, NamesAMissingFile) {
    try {
        FichierMots::ouvrir(std::filesystem::path(testing::TempDir()) / "99.bin");
        FAIL();
    } catch (const FichierMotsErreur& erreur) {
        EXPECT_EQ(utf8(erreur.what()), "Le fichier de mots 99.bin est introuvable.");
    }
}

// ---------------------------------------------------------------------------
// Word lists: what each game's rule derives, and what it refuses

namespace {
const Jeu& jeu(int numero) { return *std::ranges::find(jeux(), numero, &Jeu::numero); }
}  // namespace

TEST(WordListRules, DeriveTheRecordTheGameReads) {
    struct Cas {
        int numero;
        Colonnes colonnes;
        Enregistrement attendu;
    };
    const std::vector<Cas> cas = {
        {11, {"école", "Où l'on apprend."}, {"ECOLE"s, cp1252("Où l'on apprend.")}},
        {11, {"cœur", "Il bat."}, {"COEUR"s, "Il bat."s}},
        {1, {"loupe", "poule", "Elle pond.", ""}, {"LOUPE"s, "POULE"s, "Elle pond."s, ""s}},
        {2, {"chat", "riz", "eau", "sol", "pied", "bol", "château", "Le roi."},
         {"CHAT"s, "RIZ"s, "EAU"s, "SOL"s, "PIED"s, "BOL"s, "CHATEAU"s, "Le roi."s, cp1252("CHÂTEAU")}},
        {3, {"2", "lapin", "balle", "robot", "craie", "", "Au tennis."},
         {2, "LAPIN"s, "BALLE"s, "ROBOT"s, "CRAIE"s, ""s, "Au tennis."s}},
        {5, {"lune", "étoile"}, {"LUNE"s, cp1252("ÉTOILE")}},
        {6, {"plage", "page", "Elle se tourne.", ""}, {"PLAGE"s, "PAGE"s, 1, "Elle se tourne."s, ""s}},
        {7, {"chemise", "féminin"}, {0, "CHEMISE"s, 1}},
        {7, {"chevaux", "pluriel"}, {1, "CHEVAUX"s, 1}},
        {8, {"-mino", "domino", "Un jeu."}, {"-MINO"s, 0, "DOMINO"s, "Un jeu."s}},
        {8, {"para-", "parasol", "Il protège."}, {"PARA-"s, 4, "PARASOL"s, cp1252("Il protège.")}},
        {9, {"lune", "La nuit.", "Ronde."}, {"LUNE"s, "La nuit."s, "Ronde."s}},
        {10, {"rythme"}, {"RYTHME"s}},
        {12, {"le chat boit du lait.", "aot"}, {"le chat boit du lait."s, "aot"s}},
        {13, {"Animal lent.", "Il bave.", "escargot"}, {"Animal lent."s, "Il bave."s, "ESCARGOT"s}},
        {14, {"mouton", "bouton", "Laine.", "Bêê."}, {"MOUTON"s, "BOUTON"s, "Laine."s, cp1252("Bêê.")}},
    };
    for (const auto& [numero, colonnes, attendu] : cas) EXPECT_EQ(jeu(numero).enigme(colonnes).champs, attendu) << colonnes[0];
}

TEST(WordListRules, RefuseWhatWouldBreakOrSpoilTheGame) {
    struct Cas {
        int numero;
        Colonnes colonnes;
        std::string motif;
    };
    const std::vector<Cas> cas = {
        {11, {"éléphants", "x"}, "a 9 lettres ; il en faut 4 à 7"},
        {11, {"porte-monnaie", "x"}, "« - » n'est pas une lettre de A à Z"},
        {11, {"chat", ""}, "« indice » est vide"},
        {11, {"chat", "über"}, "« ü » ne peut pas être stocké"},
        {11, {"chat", "a\tb"}, "caractère de contrôle"},
        {1, {"loupe", "poules", "x", ""}, "n'a pas exactement les lettres"},
        {1, {"loupe", "loupe", "x", ""}, "le mot donné lui-même"},
        {2, {"chat", "riz", "eau", "sol", "pied", "bol", "poteau", "x"}, "aucun des six mots"},
        {3, {"5", "lapin", "balle", "robot", "craie", "", "x"}, "n'est pas entre 1 et 4"},
        {3, {"2", "lapin", "balle", "pomme", "craie", "", "x"}, "mêmes lettres répétées"},
        {3, {"1", "lapin", "bal", "robot", "craie", "", "x"}, "n'ont pas toutes 5 lettres"},
        {6, {"balle", "bale", "x", ""}, "touche la même lettre"},
        {6, {"plage", "pale", "x", ""}, "n'est pas « plage » moins une lettre"},
        {7, {"nez", "singulier"}, "s, x ou z"},
        {7, {"table", "neutre"}, "écrivez masculin"},
        {8, {"sol-de", "solde", "x"}, "aucune note"},
        {8, {"-mi-o", "domino", "x"}, "un seul tiret"},
        {10, {"oiseau"}, "5 voyelles"},
        {12, {"Le lait du chat.", "alt"}, "« L » en capitale"},
        {12, {"le taxi.", "aet"}, "pas de x"},
        {12, {"le chat.", "aab"}, "trois lettres manquantes différentes"},
        {14, {"mouton", "boutin", "x", "y"}, "diffèrent ailleurs"},
    };
    for (const auto& [numero, colonnes, motif] : cas) {
        try {
            jeu(numero).enigme(colonnes);
            ADD_FAILURE() << "accepted: " << colonnes[0];
        } catch (const ErreurContenu& erreur) {
            EXPECT_NE(std::string(erreur.what()).find(motif), std::string::npos) << erreur.what();
        }
    }
}

TEST(WordListRules, BetsMayNotLeanOneWayOrFollowAPattern) {
    struct Cas {
        std::vector<std::int32_t> reponses;
        std::vector<int> lignes_signalees;  // 0: the whole file
    };
    const std::vector<Cas> cas = {
        {{0, 1, 1, 0, 0, 1}, {}},
        {{0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1}, {7, 13}},  // the sixth of a run
        {{0, 1, 0, 1, 0, 1, 0, 1, 1}, {8}},             // the seventh alternating
        {{1, 1, 1, 0, 1, 1, 1, 1, 0}, {0}},             // 0 under a third
        // balanced overall, but not over 20 bets in a row
        {{0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1,
          1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0},
         {21, 41}},
    };
    for (const auto& [reponses, lignes_signalees] : cas) {
        std::vector<Enigme> enigmes;
        for (std::int32_t reponse : reponses)
            enigmes.push_back({.ligne = static_cast<int>(enigmes.size()) + 2, .champs = {0, "MOT"s, reponse}});
        std::vector<int> lignes;
        for (const Probleme& probleme : jeu(7).regles_du_fichier(enigmes)) lignes.push_back(probleme.ligne);
        EXPECT_EQ(lignes, lignes_signalees);
    }
}

TEST(WordListRules, TheShortestOfTheSixWordsIsNotTheAnswerMoreThanHalfTheTime) {
    using Six = std::array<std::string, 7>;  // six words, then the answer
    const Six court_juste = {"CHAT", "EAU", "LAPIN", "ROBE", "POMME", "SALADE", "CHATEAU"};
    const Six court_leurre = {"CHAT", "EAU", "LAPIN", "DE", "POMME", "SALADE", "CHATEAU"};
    const Six ex_aequo = {"LA", "PIN", "ROBE", "DE", "POMME", "SALADE", "LAPIN"};  // right one time in two
    const Six eau_leurre = {"LA", "PIN", "EAU", "ROBE", "POMME", "SALADE", "LAPIN"};
    struct Cas {
        std::vector<Six> enigmes;
        std::size_t problemes;
    };
    const std::vector<Cas> cas = {
        {{court_juste, court_leurre}, 0},
        {{court_juste, court_juste, ex_aequo}, 1},
        {{court_juste, ex_aequo, ex_aequo, court_leurre}, 0},
        {{court_juste, court_leurre, court_leurre}, 1},  // EAU three times, never a decoy
        {{court_juste, court_leurre, court_leurre, eau_leurre}, 0},
        {{court_juste, court_juste, court_juste}, 2},
    };
    for (const auto& [enigmes, problemes] : cas) {
        std::vector<Enigme> fichier;
        for (const Six& six : enigmes) {
            Enregistrement champs(six.begin(), six.end());
            champs.insert(champs.end(), {"x"s, six.back()});
            fichier.push_back({.ligne = static_cast<int>(fichier.size()) + 2, .champs = std::move(champs)});
        }
        EXPECT_EQ(jeu(2).regles_du_fichier(fichier).size(), problemes) << enigmes.size() << " puzzles";
    }
}

TEST(WordListRules, ReportEveryBadLineOfAListWithItsNumber) {
    const auto dossier = std::filesystem::path(testing::TempDir()) / "content";
    std::filesystem::create_directories(dossier);
    const auto csv = dossier / "11_pendu.csv";
    std::ofstream(csv, std::ios::binary) << "\xEF\xBB\xBFmot,indice\r\n"
                                            "chat,\"Il dit \"\"miaou\"\", lui.\"\r\n"
                                            "Chat,Encore lui.\r\n"
                                            "loup\r\n"
                                            "\r\n";
    const Contenu contenu = lire_contenu(csv);
    ASSERT_FALSE(contenu.enigmes.empty());
    EXPECT_EQ(contenu.enigmes[0].champs[1], Valeur("Il dit \"miaou\", lui."s));
    std::vector<std::string> rapport;
    for (const Probleme& probleme : contenu.problemes) rapport.push_back(signaler(csv, probleme));
    EXPECT_EQ(rapport, (std::vector<std::string>{"content/11_pendu.csv:3: « CHAT » est déjà à la ligne 2",
                                                 "content/11_pendu.csv:4: 1 champ au lieu de 2 (mot,indice)",
                                                 "content/11_pendu.csv:5: ligne vide"}));
    std::filesystem::remove_all(dossier);
}
