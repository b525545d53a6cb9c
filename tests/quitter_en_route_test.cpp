// Every game left in the middle of an animation, by its MENU button or by
// quitting the program: the game reopened at once looks exactly like a
// fresh opening, and score and progress hold what one settlement at most
// gave, whatever instant the player chose.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>

#include "games/wordplay/familles.h"
#include "tests/bench.h"

namespace {

using Mots = std::vector<std::vector<std::string>>;

constexpr int kScore = 40;  // enough to buy a hint and to bet
// Long enough for any opening or verdict to end.
constexpr std::uint32_t kLongtemps = 30'000;

// ---------------------------------------------------------------- the games

struct Jeu {
    const char* ecran;
    const char* fin;
    const char* personnage;
    const char* fichier;  // its word file, or nullptr
    // A small file whose answers the cases know, or the built file.
    std::function<std::string()> mots;
    Valeur EtatPartage::*position;  // nullptr for a game that keeps no progress
};

std::string fichier_construit(const char* nom) {
    std::ifstream f(std::filesystem::path(LEXIRAMA_BUILD_DIR) / "datas" / nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

auto petit(Mots mots) {
    return [mots] { return fichier_de_mots(mots); };
}
auto construit(const char* nom) {
    return [nom] { return fichier_construit(nom); };
}

const Jeu kPendu{"pendu", "fin_pendu", "bouton_pendu", "11.bin", petit({{"OUI", "Le contraire de non."}, {"CHAT", "Il miaule."}}),
                 &EtatPartage::position_pendu};
const Jeu kMotATrouver{"mot_a_trouver", "fin_mot", "bouton_mot", "13.bin",
                       petit({{"Il miaule.", "Il aime le lait.", "CHAT"}, {"Il aboie.", "Il garde la maison.", "CHIEN"}}), &EtatPartage::position_mot_a_trouver};
const Jeu kUnelettre{"unelettre", "fin_1lettre", "bouton_1lettre", "14.bin",
                     petit({{"MOUTON", "BOUTON", "Le premier donne de la laine.", "Il dit bêê."},
                            {"IL", "EL", "Deux petits mots.", "Le premier est un pronom."}}),
                     &EtatPartage::position_unelettre};
const Jeu kPhrase{"phrase", "fin_phrase", "bouton_phrase", "12.bin",
                  petit({{"le petit chat boit du lait dans son bol.", "aot"},
                         {"une poule sur un mur picore du pain dur.", "upd"}}), &EtatPartage::position_phrase};
const Jeu kMotMysterieux{"mot_mysterieux", "fin_mystere", "bouton_mystere", "9.bin",
                         petit({{"CHIEN", "Il aboie.", "Il garde la maison."}, {"LUNE", "Elle brille la nuit.", "On y a marché."}}),
                         &EtatPartage::position_mot_mysterieux};
const Jeu kAnagramme{"anagramme", "fin_anagramme", "bouton_anagramme", "1.bin",
                     petit({{"LOUPE", "POULE", "Elle pond.", "Cherchez un animal."}, {"RAME", "MARE", "Les canards y nagent.", ""}}),
                     &EtatPartage::position_anagramme};
const Jeu kLettreEnTrop{"lettre_en_trop", "fin_lettre", "bouton_lettre", "6.bin", construit("6.bin"),
                        &EtatPartage::position_lettre_en_trop};
const Jeu kDeuxMots{"deux_mots", "fin_2mots", "bouton_2mots", "2.bin",
                    petit({{"CHAT", "RIZ", "EAU", "SOL"},
                           {"PIED", "BOL", "CHATEAU", "Le roi y habite.", "CHÂTEAU"},
                           {"POT", "AGE", "LIT", "BUS", "NEZ", "VER"},
                           {"POTAGE", "On y plante des légumes.", "POTAGER"}}),
                    &EtatPartage::position_deux_mots};
// Four games' worth of pairs: a settled game skips its words twice over at
// the next opening, and the file must not run out under the next game.
std::string quatre_donnes() {
    Mots paires;
    for (int donne = 0; donne < 4; ++donne)
        paires.insert(paires.end(), {{"NEIGE", "FLOCON"}, {"MER", "VAGUE"}, {"ABEILLE", "MIEL"}, {"LIVRE", "PAGE"},
                                     {"CHAT", "SOURIS"}, {"LUNE", "ÉTOILE"}, {"PAIN", "BOULANGER"}});
    return fichier_de_mots(paires);
}
const Jeu kFamilles{"familles", "fin_familles", "bouton_familles", "5.bin", quatre_donnes,
                    &EtatPartage::position_familles};
const Jeu kMusique{"musique", "fin_musique", "bouton_musique", "8.bin", construit("8.bin"),
                   &EtatPartage::position_musique};
const Jeu kCodes{"codes", "fin_codes", "bouton_codes", "3.bin", construit("3.bin"), &EtatPartage::position_codes};
const Jeu kMasculin{"masculin", "fin_masculin", "bouton_masculin", "7.bin", construit("7.bin"),
                    &EtatPartage::position_masculin};
const Jeu kNbreLettres{"nbre_lettres", "fin_nombre", "bouton_nombre", "10.bin", construit("10.bin"),
                       &EtatPartage::position_nbre_lettres};
const Jeu kVoyelles{"voyelles", "fin_voyelles", "bouton_voyelles", nullptr, {}, nullptr};
const Jeu kBonneteau{"bonneteau", "fin_bonneteau", "bouton_bonneteau", "10.bin", construit("10.bin"), nullptr};

// ---------------------------------------------------------------- ways to a verdict

// The click that starts the animation under test.
struct Clic {
    std::string controle;
    int index = -1;
};
// Plays up to the last click of a verdict and names that click; none for
// the opening, which the character on the menu starts.
using Amener = std::function<Clic(Bench&)>;

void taper(Bench& b, const std::string& lettres) {
    for (char c : lettres) b.cliquer("lettre", c - 'A');
}

Amener taper_puis(std::string lettres, Clic dernier) {
    return [lettres, dernier](Bench& b) {
        taper(b, lettres);
        return dernier;
    };
}

Amener cliquer_puis(std::vector<Clic> avant, Clic dernier) {
    return [avant, dernier](Bench& b) {
        for (const Clic& c : avant) b.cliquer(c.controle, c.index);
        return dernier;
    };
}

// Each proposed letter goes to its place in CHIEN; the fifth one decides.
Clic chien_place(Bench& b) {
    const std::string mot = "CHIEN";
    auto case_de_la_proposee = [&] { return static_cast<int>(mot.find(b.label("reponse", 5).caption())); };
    for (int i = 0; i < 4; ++i) b.cliquer("reponse", case_de_la_proposee());
    return {"reponse", case_de_la_proposee()};
}

// One card of a pair, then a card of another.
Clic familles_ratee(Bench& b) {
    auto& jeu = dynamic_cast<Familles&>(b.visible());
    b.cliquer("label_carte", jeu.carte_du_mot(12));
    return {"label_carte", jeu.carte_du_mot(10)};
}

// Nine failed tries; the second card of the tenth one loses the deal.
Clic familles_perdue(Bench& b) {
    for (int essai = 0; essai < 9; ++essai) {
        Clic second = familles_ratee(b);
        b.cliquer(second.controle, second.index);
    }
    return familles_ratee(b);
}

// Hats still down are tried in turn; the fourth try, or the last hat once
// two words are found, ends the bet.
Clic bonneteau_fini(Bench& b) {
    auto trouves = [&] {
        int n = 0;
        for (int i = 0; i < 3; ++i) n += !b.label("bonnet", i).caption().empty();
        return n;
    };
    std::vector<int> tentes;
    for (int essais = 0;; ++essais) {
        int chapeau = 0;
        while (!b.label("bonnet", chapeau).caption().empty() || std::ranges::count(tentes, chapeau)) ++chapeau;
        if (essais == 3 || trouves() == 2) return {"bonnet", chapeau};
        int avant = trouves();
        b.cliquer("bonnet", chapeau);
        tentes.push_back(chapeau);
        if (trouves() > avant) tentes.clear();
    }
}

// ---------------------------------------------------------------- the table

struct Cas {
    const Jeu* jeu;
    const char* animation;
    Amener amener;  // empty for the opening
    std::vector<std::uint32_t> instants;
};

const std::vector<std::uint32_t> kDanse = {1, 700};
const std::vector<std::uint32_t> kVerdict = {1, 400, 1500};
// A bet's preparation: the dance, then the banner or the shuffle.
const std::vector<std::uint32_t> kPreparation = {1, 300, 2500, 5000};

std::vector<Cas> cas() {
    return {
        {&kPendu, "ouverture", {}, kDanse},
        {&kPendu, "mot trouvé", taper_puis("OU", {"lettre", 'I' - 'A'}), kVerdict},
        {&kMotATrouver, "ouverture", {}, kDanse},
        {&kMotATrouver, "mot juste", taper_puis("CHAT", {"test"}), kVerdict},
        {&kMotATrouver, "mot faux", taper_puis("CHIT", {"test"}), kVerdict},
        {&kUnelettre, "ouverture", {}, kDanse},
        {&kUnelettre, "mot juste", taper_puis("OUTON", {"test"}), kVerdict},
        {&kUnelettre, "mot faux", taper_puis("OUTEN", {"test"}), kVerdict},
        {&kPhrase, "ouverture", {}, kDanse},
        {&kPhrase, "phrase trouvée", taper_puis("AO", {"lettre", 'T' - 'A'}), kVerdict},
        {&kMotMysterieux, "ouverture", {}, kDanse},
        {&kMotMysterieux, "mot placé", chien_place, kVerdict},
        {&kAnagramme, "ouverture", {}, kDanse},
        {&kAnagramme, "mot juste", cliquer_puis({{"reponse", 3}, {"reponse", 1}, {"reponse", 2}, {"reponse", 0},
                                                 {"reponse", 4}},
                                                {"test"}),
         kVerdict},
        {&kAnagramme, "mot faux", cliquer_puis({{"reponse", 0}, {"reponse", 1}, {"reponse", 2}, {"reponse", 3},
                                                {"reponse", 4}},
                                               {"test"}),
         kVerdict},
        {&kLettreEnTrop, "ouverture", {}, kDanse},
        {&kLettreEnTrop, "première lettre", cliquer_puis({}, {"reponse", 0}), kVerdict},
        {&kLettreEnTrop, "deuxième lettre", cliquer_puis({}, {"reponse", 1}), kVerdict},
        {&kDeuxMots, "ouverture", {}, kDanse},
        {&kDeuxMots, "mot juste", cliquer_puis({{"label_mot", 0}, {"label_mot", 2}}, {"test"}), kVerdict},
        {&kDeuxMots, "mot faux", cliquer_puis({{"label_mot", 1}, {"label_mot", 3}}, {"test"}), kVerdict},
        {&kFamilles, "ouverture", {}, kDanse},
        {&kFamilles, "essai raté", familles_ratee, {1, 300, 1200}},
        {&kFamilles, "donne perdue", familles_perdue, kVerdict},
        {&kMusique, "ouverture", {}, kDanse},
        {&kMusique, "do", cliquer_puis({}, {"note", 0}), kVerdict},
        {&kMusique, "ré", cliquer_puis({}, {"note", 1}), kVerdict},
        {&kCodes, "ouverture", {}, kDanse},
        {&kCodes, "première proposition", cliquer_puis({}, {"mot_propose", 0}), kVerdict},
        {&kCodes, "deuxième proposition", cliquer_puis({}, {"mot_propose", 1}), kVerdict},
        {&kMasculin, "préparation", {}, kPreparation},
        {&kMasculin, "réponse", cliquer_puis({}, {"reponse1", 0}), kVerdict},
        {&kNbreLettres, "préparation", {}, kPreparation},
        {&kNbreLettres, "réponse", cliquer_puis({}, {"reponse", 0}), kVerdict},
        {&kVoyelles, "préparation", {}, kPreparation},
        {&kVoyelles, "réponse", cliquer_puis({}, {"reponse", 0}), kVerdict},
        {&kBonneteau, "préparation", {}, kPreparation},
        {&kBonneteau, "fin du pari", bonneteau_fini, kVerdict},
    };
}

std::string nom(const Cas& c, std::uint32_t ms) {
    return std::string(c.jeu->ecran) + ", " + c.animation + ", " + std::to_string(ms) + " ms";
}

// ---------------------------------------------------------------- a run

enum class Sortie { menu, quitter };

// What the player sees of a form: every control, and the pointer.
// Captions are left out: they follow the puzzle and chance.
std::vector<std::string> apparence(Bench& b, const plat::Form& ecran) {
    std::vector<std::string> vu;
    for (const plat::Control* c : ecran.controls()) {
        std::ostringstream s;
        s << c->name() << '[' << c->index() << "] visible " << c->visible() << " actif " << c->enabled();
        if (auto* l = dynamic_cast<const plat::Label*>(c))
            s << " encre " << l->fore_color().bgr << " taille " << l->font_size();
        if (auto* i = dynamic_cast<const plat::Image*>(c)) {
            std::uint32_t empreinte = 0;
            if (const auto& p = i->picture())
                for (int y = 0; y < p->height(); y += 2)
                    for (int x = 0; x < p->width(); x += 2) empreinte = empreinte * 31 + p->pixel_at(x, y).bgr;
            s << " image " << (i->picture() ? std::to_string(empreinte) : "aucune");
        }
        vu.push_back(s.str());
    }
    vu.push_back(std::string("pointeur ") + (b.backend().cursor_visible() ? "visible" : "caché"));
    return vu;
}

// The lines where a screen differs from the one expected.
std::string ecarts(const std::vector<std::string>& vu, const std::vector<std::string>& attendu) {
    std::string e;
    for (std::size_t i = 0; i < std::max(vu.size(), attendu.size()); ++i) {
        std::string v = i < vu.size() ? vu[i] : "", a = i < attendu.size() ? attendu[i] : "";
        if (v != a) e += "\n  vu      " + v + "\n  attendu " + a;
    }
    return e;
}

struct Bilan {
    std::int32_t score;
    int position;
};

class Partie {
public:
    Partie(const Jeu& jeu, int score = kScore, int position = 0) : jeu_(jeu) {
        if (jeu.fichier) b.ecrire_datas(jeu.fichier, jeu.mots());
        b.demarrer();
        b.etat().score = score;
        if (jeu.position) b.etat().*jeu.position = Valeur(position);
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        b.ouvrir("depart");
    }

    // Opens the game from the menu, or plays it up to its verdict; when
    // `sortie` is given, the player leaves `ms` into the animation.
    void jouer(const Cas& c, std::optional<Sortie> sortie = {}, std::uint32_t ms = 0) {
        Clic dernier{jeu_.personnage};
        if (c.amener) {
            b.cliquer(jeu_.personnage);
            b.attendre(kLongtemps);
            dernier = c.amener(b);
        }
        std::unique_ptr<plat::Timer> guet;
        if (sortie) guet = partir_dans(ms, *sortie);
        b.cliquer(dernier.controle, dernier.index);
        b.attendre(kLongtemps);
    }

    Bilan bilan() { return {b.etat().score, jeu_.position ? (b.etat().*jeu_.position).nombre() : 0}; }
    plat::Form& ecran() { return *b.app().form(jeu_.ecran); }
    std::vector<std::string> apparence() { return ::apparence(b, ecran()); }

    Bench b;
    bool menu_fige = false;  // the MENU button refused the click

private:
    // At the instant, MENU is clicked and the game's character on the menu
    // right after it (when MENU answers); or the window is closed.
    std::unique_ptr<plat::Timer> partir_dans(std::uint32_t ms, Sortie sortie) {
        auto guet = std::make_unique<plat::Timer>(ecran(), ms);
        guet->on_tick = [this, sortie, t = guet.get()] {
            t->set_enabled(false);
            if (sortie == Sortie::quitter) {
                b.backend().schedule(b.maintenant(), {plat::InputEvent::Kind::quit, 0, 0, 0});
                return;
            }
            menu_fige = !b.controle(jeu_.fin).live();
            b.cliquer_sur_dans(0, jeu_.ecran, jeu_.fin);
            if (!menu_fige) b.cliquer_sur_dans(0, "depart", jeu_.personnage);
        };
        guet->set_enabled(true);
        return guet;
    }

    const Jeu& jeu_;
};

// The same play without leaving: what one settlement gives, and how the
// screen ends.
struct Temoin {
    Bilan bilan;
    std::vector<std::string> apparence;
};
Temoin sans_quitter(const Cas& c) {
    Partie p(*c.jeu);
    p.jouer(c);
    return {p.bilan(), p.apparence()};
}

// A fresh opening of the game, from where the player stands.
std::vector<std::string> ouverture_fraiche(const Jeu& jeu, Bilan depuis) {
    Partie p(jeu, depuis.score, depuis.position);
    p.b.cliquer(jeu.personnage);
    p.b.attendre(kLongtemps);
    return p.apparence();
}

// The verdict is settled before its animation: all or nothing.
void verifier_reglement(const Cas& c, const Bilan& temoin, const Bilan& apres) {
    const Bilan avant{kScore, 0};
    bool regle = c.amener != nullptr;
    EXPECT_EQ(apres.score, regle ? temoin.score : avant.score);
    EXPECT_EQ(apres.position, regle ? temoin.position : avant.position);
}

TEST(QuitterEnRoute, LeavingByMenuAndComingBackOpensTheGameAfresh) {
    for (const Cas& c : cas()) {
        Temoin temoin = sans_quitter(c);
        for (std::uint32_t ms : c.instants) {
            SCOPED_TRACE(nom(c, ms));
            Partie p(*c.jeu);
            p.jouer(c, Sortie::menu, ms);
            ASSERT_EQ(p.b.visible().name(), c.jeu->ecran);
            Bilan apres = p.bilan();
            verifier_reglement(c, temoin.bilan, apres);
            // A MENU that refused the click leaves the animation to end as usual.
            auto attendu = p.menu_fige ? temoin.apparence : ouverture_fraiche(*c.jeu, apres);
            EXPECT_EQ(ecarts(p.apparence(), attendu), "");
        }
    }
}

TEST(QuitterEnRoute, QuittingInsideAnAnimationKeepsScoreAndProgressInStep) {
    for (const Cas& c : cas()) {
        Temoin temoin = sans_quitter(c);
        for (std::uint32_t ms : c.instants) {
            SCOPED_TRACE(nom(c, ms));
            Partie p(*c.jeu);
            p.jouer(c, Sortie::quitter, ms);
            ASSERT_TRUE(p.b.app().quitting());
            verifier_reglement(c, temoin.bilan, p.bilan());
        }
    }
}

}  // namespace
