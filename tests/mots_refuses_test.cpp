// A record a game's screen cannot play, met in its word file: the game
// closes as for an unreadable file, the menu saying which file and which
// word, with the score and the progress left as they were. And every record
// of the built word files passes its game's rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/word_file_reader.h"
#include "games/betting/bonneteau.h"
#include "games/betting/masculin.h"
#include "games/betting/nbre_lettres.h"
#include "games/hidden/mot_a_trouver.h"
#include "games/hidden/mot_mysterieux.h"
#include "games/hidden/pendu.h"
#include "games/hidden/phrase.h"
#include "games/hidden/unelettre.h"
#include "games/wordplay/anagramme.h"
#include "games/wordplay/codes.h"
#include "games/wordplay/deux_mots.h"
#include "games/wordplay/familles.h"
#include "games/wordplay/lettre_en_trop.h"
#include "games/wordplay/musique.h"
#include "platform/text.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;
constexpr int kScore = 40;  // enough to bet: the betting games read at opening
const std::string kTropLong = "ANTICONSTITUTIONNELLEMENT";

// The record's fields, a bare number put in as field `place`.
std::string avec_nombre(const std::vector<std::string>& textes, std::size_t place, int nombre) {
    std::string octets = fichier_de_mots({textes});
    std::size_t debut = 0;
    for (std::size_t i = 0; i < place; ++i) debut = octets.find(',', debut) + 1;
    if (place == textes.size()) return octets.insert(octets.size() - 2, "," + std::to_string(nombre));
    return octets.insert(debut, std::to_string(nombre) + ",");
}

Mots sept_paires_dont(const std::string& mot) {
    return {{"NEIGE", "FLOCON"}, {"MER", "VAGUE"}, {"ABEILLE", "MIEL"}, {"LIVRE", "PAGE"},
            {"CHAT", "SOURIS"},  {"LUNE", mot},    {"PAIN", "BOULANGER"}};
}

struct Cas {
    const char* ecran;
    const char* fichier;
    std::string octets;
    Valeur EtatPartage::*position;  // nullptr for the shell game
    std::string dans_l_avis;        // UTF-8
};

TEST(MotsRefuses, ABadRecordSendsThePlayerBackToTheMenuWithTheReason) {
    const std::vector<Cas> cas = {
        {"anagramme", "1.bin", fichier_de_mots({{"LOUPE", "PAUSE", "x", ""}}), &EtatPartage::position_anagramme,
         "1.bin contient un mot que ce jeu ne peut pas jouer : « PAUSE »"},
        {"deux_mots", "2.bin", fichier_de_mots({{"CHAT", kTropLong, "EAU", "SOL", "PIED", "BOL", "CHATEAU", "x", "x"}}),
         &EtatPartage::position_deux_mots, "« " + kTropLong + " » (il faut de 1 à 8 caractères)"},
        {"deux_mots", "2.bin", fichier_de_mots({{"CHAT", "RIZ", "EAU", "SOL", "PIED", "BOL", "POTEAU", "x", "x"}}),
         &EtatPartage::position_deux_mots, "« POTEAU » (il faut deux des six mots l'un après l'autre)"},
        {"codes", "3.bin", avec_nombre({"LAPIN", "BAL-LE", "ROBOT", "CRAIE", "", "x"}, 0, 2), &EtatPartage::position_codes,
         "3.bin contient un mot que ce jeu ne peut pas jouer : « BAL-LE » (il faut de 1 à 8 lettres de A à Z)"},
        {"familles", "5.bin", fichier_de_mots(sept_paires_dont(kTropLong)), &EtatPartage::position_familles,
         "5.bin contient un mot que ce jeu ne peut pas jouer : « " + kTropLong + " »"},
        {"familles", "5.bin", fichier_de_mots(sept_paires_dont("")), &EtatPartage::position_familles, "«  » (il faut"},
        {"lettre_en_trop", "6.bin", avec_nombre({"PLAGE", "PAGE", "x", ""}, 2, 5), &EtatPartage::position_lettre_en_trop,
         "« PLAGE » (la lettre en trop doit être l'une des siennes)"},
        {"masculin", "7.bin", avec_nombre(std::vector<std::string>{kTropLong}, 1, 0).insert(0, "0,"),
         &EtatPartage::position_masculin, "7.bin contient un mot que ce jeu ne peut pas jouer : « " + kTropLong + " »"},
        {"musique", "8.bin", avec_nombre({"-MINO", "DOMINO", "x"}, 1, 9), &EtatPartage::position_musique,
         "« -MINO » (il faut une note de 0 à 6)"},
        {"bonneteau", "10.bin", fichier_de_mots({{kTropLong}}), nullptr, "10.bin contient un mot"},
        {"nbre_lettres", "10.bin", fichier_de_mots({{"ÉCOLES"}}), &EtatPartage::position_nbre_lettres,
         "« ÉCOLES » (il faut de 5 à 7 lettres de A à Z)"},
        {"phrase", "12.bin", fichier_de_mots({{"Le lait du chat.", "alt"}}), &EtatPartage::position_phrase,
         "« alt » (il faut trois lettres"},
        // A file cut in its last word: the word left would be another.
        {"mot_a_trouver", "13.bin", fichier_de_mots({{"Il miaule.", "Il aime le lait.", "CHAT"}}) + "Mp$ewxi,Mp$fezi,IWGE",
         &EtatPartage::position_mot_a_trouver, "13.bin est illisible (ligne 2 : fichier coupé)"},
    };
    for (const Cas& c : cas) {
        Bench b;
        b.ecrire_datas(c.fichier, c.octets);
        b.demarrer();
        b.etat().score = kScore;
        // The cut record is the second: the progress points at it.
        const Valeur position(c.fichier == std::string("13.bin") ? 1 : 0);
        if (c.position) b.etat().*c.position = position;
        b.ouvrir(c.ecran);
        EXPECT_EQ(b.visible().name(), "depart") << c.ecran;
        EXPECT_NE(utf8(b.label("label_epreuve").caption()).find(c.dans_l_avis), std::string::npos)
            << c.ecran << " : " << utf8(b.label("label_epreuve").caption());
        EXPECT_EQ(b.etat().score, kScore) << c.ecran;
        if (c.position) {
            EXPECT_EQ(b.etat().*c.position, position) << c.ecran;
        }
    }
}

// ---------------------------------------------------------------- the built files

struct Regles {
    const char* fichier;
    FormatEnregistrement format;
    std::function<void(const Enregistrement&)> controler;
};

TEST(MotsRefuses, EveryBuiltRecordPassesItsGamesRules) {
    constexpr Champ T = Champ::texte, N = Champ::nombre;
    const std::vector<Regles> regles = {
        {"1.bin", {T, T, T, T}, Anagramme::controler},
        {"2.bin", FormatEnregistrement(9, T), DeuxMots::controler},
        {"3.bin", {N, T, T, T, T, T, T}, Codes::controler},
        {"5.bin", {T, T}, Familles::controler},
        {"6.bin", {T, T, N, T, T}, LettreEnTrop::controler},
        {"7.bin", {N, T, N}, Masculin::controler},
        {"8.bin", {T, N, T, T}, Musique::controler},
        {"9.bin", {T, T, T}, MotMysterieux::controler},
        {"10.bin", {T}, NbreLettres::controler},
        {"10.bin", {T}, Bonneteau::controler},
        {"11.bin", {T, T}, Pendu::controler},
        {"12.bin", {T, T}, Phrase::controler},
        {"13.bin", {T, T, T}, MotATrouver::controler},
        {"14.bin", {T, T, T, T}, Unelettre::controler},
    };
    for (const auto& [fichier, format, controler] : regles) {
        FichierMots f = FichierMots::ouvrir(std::filesystem::path(LEXIRAMA_BUILD_DIR) / "datas" / fichier);
        int lus = 0;
        try {
            for (; !f.fin(); ++lus) {
                controler(f.lire(format));
                f.refuser_si_coupe();
            }
        } catch (const FichierMotsErreur& e) {
            ADD_FAILURE() << fichier << " record " << lus + 1 << " : " << utf8(e.what());
        }
        EXPECT_GT(lus, 0) << fichier;
    }
}

}  // namespace
