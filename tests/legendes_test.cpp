// Every caption the program can produce shows whole in its label, drawn
// with the real font and layout: every record of the built word files, every
// comment phrase with the longest name, every score and every stake.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

#include "core/reponse_fausse.h"
#include "core/verdict.h"
#include "core/word_file.h"
#include "games/betting/bonneteau.h"
#include "games/betting/masculin.h"
#include "games/betting/nbre_lettres.h"
#include "games/betting/regle_mise.h"
#include "games/betting/voyelles.h"
#include "games/hidden/mot_a_trouver.h"
#include "games/hidden/mot_mysterieux.h"
#include "games/hidden/pendu.h"
#include "games/hidden/phrase.h"
#include "games/hidden/unelettre.h"
#include "games/wordplay/deux_mots.h"
#include "games/wordplay/familles.h"
#include "games/wordplay/anagramme.h"
#include "games/wordplay/codes.h"
#include "games/wordplay/lettre_en_trop.h"
#include "games/wordplay/musique.h"
#include "platform/text.h"
#include "shell/choix_joueur.h"
#include "shell/commentaires.h"
#include "shell/joueurs.h"
#include "shell/demande_prenom.h"
#include "shell/regle_prenom.h"
#include "tests/bench.h"

namespace {

constexpr std::int64_t kScoreMax = 268'435'486;

// The comment phrases with the widest name a player can type.
const auto kPhrases = commentaires_pour(std::string(kLongueurPrenomMax, 'W'));
constexpr int kPremierReproche = 7;
std::vector<std::string> phrases(bool juste) {
    return {kPhrases.begin() + (juste ? 0 : kPremierReproche), kPhrases.begin() + (juste ? kPremierReproche : 14)};
}

std::filesystem::path fichier_construit(int numero) {
    return std::filesystem::path(LEXIRAMA_BUILD_DIR) / "datas" / (std::to_string(numero) + ".bin");
}

// Every record of a built word file, its texts decoded.
std::vector<std::vector<std::string>> enregistrements(int numero, int champs) {
    auto fichier = FichierMots::ouvrir(fichier_construit(numero));
    std::vector<std::vector<std::string>> tous;
    while (!fichier.fin()) {
        std::vector<std::string> e;
        for (int i = 0; i < champs; ++i) e.push_back(fichier.lire_texte());
        tous.push_back(e);
    }
    return tous;
}

// Numbers of every length up to the score's maximum, in the widest digits.
std::vector<std::string> nombres() {
    std::vector<std::string> tous{std::to_string(kScoreMax)};
    for (std::size_t n = 1; n <= tous[0].size(); ++n)
        for (char chiffre = '0'; chiffre <= '9'; ++chiffre) tous.emplace_back(n, chiffre);
    return tous;
}

class Legendes : public ::testing::Test {
protected:
    Legendes() { b_.demarrer(); }

    // Puts each text in the label as the game would and notes those that do
    // not show whole, or whose letters a control drawn above them hides.
    void verifier(const std::string& form, const std::string& label, const std::vector<std::string>& textes,
                  int index = -1) {
        auto& l = dynamic_cast<plat::Label&>(*b_.app().form(form)->find(label, index));
        std::string avant = l.caption();
        for (const std::string& texte : textes) {
            l.set_caption(texte);
            std::string lieu = form + "." + label;
            if (!l.caption_fits()) fautes_.push_back(lieu + ": " + utf8(texte));
            if (const plat::Control* dessus = cache(l))
                fautes_.push_back(lieu + " sous " + dessus->name() + ": " + utf8(texte));
        }
        l.set_caption(avant);
    }
    // A shown control that paints where the label's letters are: drawn
    // above, it hides them; drawn below, it muddles them.
    static const plat::Control* cache(const plat::Label& l) {
        for (const plat::Control* c : l.form().controls())
            if (c != &l && c->shown() && !plat::intersection(l.caption_area(), c->covers()).vide()) return c;
        return nullptr;
    }
    void verifier_tel_quel(const std::string& form, const std::string& label, int index = -1) {
        auto& l = dynamic_cast<plat::Label&>(*b_.app().form(form)->find(label, index));
        verifier(form, label, {l.caption()}, index);
    }
    void TearDown() override {
        std::string liste;
        for (const auto& f : fautes_) liste += f + "\n";
        EXPECT_TRUE(fautes_.empty()) << fautes_.size() << " légendes ne tiennent pas :\n" << liste;
    }

    Bench b_;
    std::vector<std::string> fautes_;
};

TEST_F(Legendes, ScoresAndStakes) {
    for (plat::Form* f : b_.app().forms())
        if (f->find("label_score")) verifier(f->name(), "label_score", nombres());
    for (const char* jeu : {"masculin", "nbre_lettres", "voyelles", "bonneteau"}) {
        for (const std::string& n : nombres()) {
            RegleMise regle;
            regle.ouvrir();
            regle.presser_montant(true, std::stoll(n));
            verifier(jeu, "label_mise", {regle.texte_montant()});
            verifier(jeu, "gains", {regle.texte_gains()});
        }
    }
}

TEST_F(Legendes, HintsOfEveryFile) {
    struct Source {
        const char* form;
        int fichier, champs, indice;
    };
    for (const Source& s : {Source{"anagramme", 1, 4, 2}, Source{"deux_mots", 2, DeuxMots::kChampsParEnigme, 7}, Source{"codes", 3, 7, 6},
                            Source{"lettre_en_trop", 6, 5, 3}, Source{"musique", 8, 4, 3},
                            Source{"mot_mysterieux", 9, 3, 2}, Source{"pendu", 11, 2, 1},
                            Source{"mot_a_trouver", 13, 3, 1}, Source{"unelettre", 14, 4, 3}}) {
        std::vector<std::string> indices;
        for (const auto& e : enregistrements(s.fichier, s.champs)) indices.push_back(e[s.indice]);
        verifier(s.form, "achat_indice", indices);
    }
}

TEST_F(Legendes, HangmanComments) {
    std::vector<std::string> textes;
    for (const auto& e : enregistrements(11, 2))
        for (bool achete : {false, true}) {
            for (const auto& c : phrases(true)) textes.push_back(Pendu::texte_victoire(c, e[0], e[1], achete));
            for (const auto& c : phrases(false))
                for (bool points_perdus : {false, true})
                    textes.push_back(Pendu::texte_defaite(c, points_perdus, e[1], achete));
        }
    verifier("pendu", "commentaire", textes);
}

TEST_F(Legendes, MysteryWordTexts) {
    std::vector<std::string> ouvertures, verdicts;
    for (const auto& e : enregistrements(9, 3)) {
        ouvertures.push_back(MotMysterieux::texte_ouverture(static_cast<int>(e[0].size()), e[1]));
        for (bool achete : {false, true}) {
            for (const auto& c : phrases(true)) verdicts.push_back(MotMysterieux::texte_reussite(c, e[0], e[2], achete));
            for (const auto& c : phrases(false))
                for (int perte : {0, 1, 2})
                    verdicts.push_back(MotMysterieux::texte_erreur(c, e[2], achete) + ligne_perte_erreur(perte));
        }
    }
    verifier("mot_mysterieux", "commentaire", ouvertures);
    verifier("mot_mysterieux", "question", verdicts);
}

TEST_F(Legendes, LetterTooManyVerdicts) {
    std::vector<std::string> textes;
    for (const auto& e : enregistrements(6, 5))
        for (bool achete : {false, true}) {
            for (const auto& c : phrases(true)) textes.push_back(LettreEnTrop::texte_reussite(c, e[1], e[3], achete));
            for (const auto& c : phrases(false))
                for (bool points_perdus : {false, true})
                    textes.push_back(LettreEnTrop::texte_erreur(c, e[1], e[3], achete, points_perdus));
        }
    verifier("lettre_en_trop", "commentaire", textes);
}

// Shown on a real puzzle, so that the row of drawings stands below the verdict.
TEST_F(Legendes, PictureCodeVerdicts) {
    std::ifstream construit(fichier_construit(3), std::ios::binary);
    b_.ecrire_datas("3.bin", std::string(std::istreambuf_iterator<char>(construit), {}));
    b_.ouvrir("codes");
    auto fichier = FichierMots::ouvrir(fichier_construit(3));
    std::vector<std::string> textes;
    while (!fichier.fin()) {
        Enregistrement e = fichier.lire({Champ::nombre, Champ::texte, Champ::texte, Champ::texte, Champ::texte,
                                         Champ::texte, Champ::texte});
        int numero = e[0].nombre();
        std::string mot = numero >= 1 && numero <= Codes::kPropositions ? e[static_cast<std::size_t>(numero)].texte() : "";
        std::string ligne = e[5].texte(), indice = e[6].texte();
        for (bool achete : {false, true}) {
            for (const auto& c : phrases(true)) textes.push_back(Codes::texte_trouve(c, mot, ligne, indice, achete));
            for (const auto& c : phrases(false)) textes.push_back(Codes::texte_erreur(c, mot, ligne, indice, achete));
        }
    }
    verifier("codes", "commentaire", textes);
}

// The games whose verdict is the comment phrase, the word and a word on the
// hint, with the points a wrong answer took.
TEST_F(Legendes, WordGameVerdicts) {
    using Champs = std::vector<std::string>;
    struct Jeu {
        const char* form;
        int fichier, champs;
        std::function<std::string(const Champs&, const std::string&, bool)> reussite;
        std::function<std::string(const Champs&, const std::string&, bool, int)> erreur;
    };
    const Jeu jeux[] = {
        {"anagramme", 1, 4,
         [](const Champs& e, const std::string& c, bool a) { return Anagramme::texte_reussite(c, e[1], e[2], a); },
         [](const Champs& e, const std::string& c, bool a, int p) {
             return Anagramme::texte_erreur(c, e[2], a) + ligne_perte_erreur(p);
         }},
        {"mot_a_trouver", 13, 3,
         [](const Champs& e, const std::string& c, bool a) { return MotATrouver::texte_reussite(c, e[2], e[1], a); },
         [](const Champs& e, const std::string& c, bool a, int p) {
             return MotATrouver::texte_erreur(c, e[1], a) + ligne_perte_erreur(p);
         }},
        {"unelettre", 14, 4,
         [](const Champs& e, const std::string& c, bool a) { return Unelettre::texte_reussite(c, e[3], a); },
         [](const Champs& e, const std::string& c, bool a, int p) {
             return Unelettre::texte_erreur(c, e[3], a) + ligne_perte_erreur(p);
         }},
        {"deux_mots", 2, DeuxMots::kChampsParEnigme,
         [](const Champs& e, const std::string& c, bool a) { return DeuxMots::texte_reussite(c, e[8], e[7], a); },
         [](const Champs& e, const std::string& c, bool a, int p) {
             return DeuxMots::texte_erreur(c, e[8], e[7], a, p == kPerteErreur);
         }},
        {"musique", 8, 4,
         [](const Champs& e, const std::string& c, bool a) { return Musique::texte_trouve(c, e[2], e[3], a); },
         [](const Champs& e, const std::string& c, bool a, int p) {
             return Musique::texte_erreur(c, e[2], e[3], a, p == kPerteErreur);
         }},
    };
    for (const Jeu& jeu : jeux) {
        std::vector<std::string> textes;
        for (const auto& e : enregistrements(jeu.fichier, jeu.champs))
            for (bool achete : {false, true}) {
                for (const auto& c : phrases(true)) textes.push_back(jeu.reussite(e, c, achete));
                for (const auto& c : phrases(false))
                    for (int perte : {0, kPerteErreur}) textes.push_back(jeu.erreur(e, c, achete, perte));
            }
        verifier(jeu.form, "commentaire", textes);
    }
}

// Any two cards can be a wrong pair: the longest word of the file meets every other.
TEST_F(Legendes, WordFamilyVerdicts) {
    std::vector<std::string> mots;
    for (const auto& e : enregistrements(5, 1)) mots.push_back(e[0]);
    const std::string long_mot = *std::max_element(
        mots.begin(), mots.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
    constexpr int kGainLePlusLong = 18;
    std::vector<std::string> textes;
    for (std::size_t i = 0; i + 1 < mots.size(); i += 2)
        for (const auto& c : phrases(true)) {
            textes.push_back(Familles::texte_paire(c, mots[i], mots[i + 1], kGainLePlusLong));
            textes.push_back(Familles::texte_victoire(c, kGainLePlusLong));
        }
    for (const auto& m : mots)
        for (const auto& c : phrases(false)) {
            textes.push_back(Familles::texte_echec(c, long_mot, m, kGainLePlusLong));
            textes.push_back(Familles::texte_echec(c, m, long_mot, kGainLePlusLong));
        }
    verifier("familles", "commentaire", textes);
}

// The sentence's verdicts hold only a phrase, letters and a count: the
// widest capitals stand for the letters of every sentence.
TEST_F(Legendes, SentenceVerdicts) {
    const std::string manquantes = "WMW";
    std::vector<std::string> textes{Phrase::texte_perdue(manquantes)};
    for (bool juste : {true, false})
        for (const auto& c : phrases(juste)) {
            if (juste) textes.push_back(Phrase::texte_complete(c, manquantes));
            for (int essais = 0; essais < Phrase::kEssais; ++essais)
                textes.push_back(Phrase::texte_lettre(c, 'W', juste, essais));
        }
    verifier("phrase", "commentaire", textes);
}

// Every word with the largest stake, which a win doubles.
TEST_F(Legendes, BettingVerdicts) {
    constexpr int kMise = static_cast<int>(kScoreMax);
    std::vector<std::string> genres, comptes;
    auto fichier = FichierMots::ouvrir(fichier_construit(7));
    while (!fichier.fin()) {
        const std::string mot = fichier.lire({Champ::nombre, Champ::texte, Champ::nombre})[1].texte();
        for (const char* reponse : {"MASCULIN", "FEMININ", "SINGULIER", "PLURIEL"}) {
            for (const auto& c : phrases(true)) genres.push_back(Masculin::texte_gain(c, mot, reponse, kMise));
            for (const auto& c : phrases(false))
                for (bool plus_de_mise : {false, true})
                    genres.push_back(Masculin::texte_perte(c, mot, reponse, kMise, plus_de_mise));
        }
    }
    for (const auto& e : enregistrements(10, 1))
        for (bool voyelles : {false, true}) {
            const int compte = static_cast<int>(e[0].size());
            for (const auto& c : phrases(true)) comptes.push_back(NbreLettres::texte_gain(c, e[0], voyelles, compte, kMise));
            for (const auto& c : phrases(false))
                for (bool plus_de_mise : {false, true})
                    comptes.push_back(NbreLettres::texte_perte(c, e[0], voyelles, compte, "8", kMise, plus_de_mise));
        }
    std::vector<std::string> voyelles, chapeaux{Bonneteau::texte_perte(kMise)};
    for (const auto& c : phrases(true)) {
        chapeaux.push_back(Bonneteau::texte_gain(c, kMise));
        for (char v : {'A', 'Y'}) voyelles.push_back(Voyelles::texte_gain(c, v, kMise));
    }
    for (const auto& c : phrases(false))
        for (bool plus_de_mise : {false, true}) voyelles.push_back(Voyelles::texte_perte(c, "A", "Y", kMise, plus_de_mise));
    verifier("voyelles", "commentaire", voyelles);
    verifier("bonneteau", "commentaire", chapeaux);
    verifier("masculin", "commentaire", genres);
    verifier("nbre_lettres", "commentaire", comptes);
}

TEST_F(Legendes, NameAndPlayersScreens) {
    const std::string prenom = "W" + std::string(kLongueurPrenomMax - 1, 'w');
    const std::filesystem::path fichier = fichier_du_joueur(b_.datas(), prenom, 0);
    std::filesystem::create_directories(fichier.parent_path());
    std::ofstream(fichier, std::ios::binary) << ecrire_profil({Valeur(1), kScoreMax, prenom, {}});
    ChoixJoueur& choix = b_.programme().choix_joueur;
    choix.accueillir();
    for (const char* label : {"consigne", "nouveau"}) verifier_tel_quel("choix_joueur", label);
    verifier_tel_quel("choix_joueur", "carte", 0);
    b_.appuyer("carte", 0, plat::kBoutonDroit);  // removing asks
    for (const char* label : {"consigne", "nouveau"}) verifier_tel_quel("choix_joueur", label);
    b_.cliquer("non");
    choix.prenom_choisi(prenom);  // the name is taken
    verifier_tel_quel("choix_joueur", "consigne");
    b_.cliquer("non");
    for (const char* label : {"conserver", "avertissement"}) verifier_tel_quel("demande_prenom", label);
    choix.prenom_choisi("V" + std::string(kLongueurPrenomMax - 1, 'w'));  // a new name: the pictures to pick from
    for (const char* label : {"consigne", "nouveau"}) verifier_tel_quel("choix_joueur", label);
    verifier("demande_prenom", "conserver", {cp1252("Vous êtes le premier joueur")});
}

}  // namespace
