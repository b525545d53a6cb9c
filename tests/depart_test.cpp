// The menu: invitations, twitching characters, idle timer, quitting.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

// A sheet whose every column has its own colour, so that the colour of a
// cut picture tells the column it was cut from, whatever the art looks like.
plat::PicturePtr feuille_par_colonnes() {
    plat::Canvas feuille;
    for (int x = 0; x < plat::kLargeurEcran; ++x)
        feuille.fill({x, 0, 1, plat::kHauteurEcran}, plat::Couleur{static_cast<std::uint32_t>(x)});
    return feuille.picture().clip(0, 0, plat::kLargeurEcran, plat::kHauteurEcran);
}

// Looks at the menu every few milliseconds and notes the frames each
// character shows.
class Camera : public plat::Form {
public:
    explicit Camera(Depart& menu) : plat::Form(menu.app(), "camera"), menu_(menu) {
        prise_.on_tick = [this] { regarder(); };
        prise_.set_enabled(true);
    }
    std::set<int> images(std::string_view bouton) { return vues_[bouton]; }
    bool rien_vu() const { return vues_.empty(); }
    void oublier() { vues_.clear(); }
    // Its looks wake the program: off, they leave the menu's wake-ups to count.
    void filmer(bool oui) { prise_.set_enabled(oui); }

private:
    static constexpr std::uint32_t kPeriodeMs = 20;
    void regarder() {
        for (std::size_t i = 0; i < kPersonnages.size(); ++i) {
            const plat::PicturePtr& image = menu_.boutons[i].picture();
            if (!image) continue;
            const Personnage& p = kPersonnages[i];
            int colonne = static_cast<int>(image->pixel_at(0, 0).bgr);
            ASSERT_EQ((colonne - p.base) % p.pas, 0) << p.bouton << " cut off its frames at x " << colonne;
            vues_[p.bouton].insert((colonne - p.base) / p.pas);
        }
    }
    Depart& menu_;
    plat::Timer prise_{*this, kPeriodeMs};
    std::map<std::string_view, std::set<int>> vues_;
};

const Personnage& personnage(std::string_view bouton) {
    for (const Personnage& p : kPersonnages)
        if (p.bouton == bouton) return p;
    throw std::invalid_argument(std::string(bouton));
}

// Moves the one generator on until its next draws give these values
// (n, value: the integer part of n × a uniform number), to stage a twitch.
void preparer_tirages(Routines& r, std::initializer_list<std::pair<int, int>> tirages) {
    for (;;) {
        std::mt19937 avant = r.generateur();
        bool voulus = true;
        for (auto [n, valeur] : tirages) voulus = voulus && r.tirer(n) == valeur;
        r.generateur() = avant;
        if (voulus) return;
        r.generateur().discard(1);
    }
}

class DepartTest : public ::testing::Test {
protected:
    DepartTest() {
        b.etat().prenom = "Jean";
        b.r().divers.anim2 = b.r().divers.anim3 = feuille_par_colonnes();
        ouvrir_menu();
        fond_ = {b.backend().pointer_x(), b.backend().pointer_y()};
    }
    void ouvrir_menu() {
        menu().show();
        b.app().do_events();
    }
    Depart& menu() { return b.programme().depart; }
    std::string invitation() { return b.label("label_epreuve").caption(); }
    // The menu parks the pointer on its background each time it opens.
    void revenir_au_fond() { b.survoler_fond(fond_.first, fond_.second); }

    Bench b;
    Camera camera{b.programme().depart};
    std::pair<int, int> fond_;
};

TEST_F(DepartTest, CharacterPicturesCoverTheirFramesAndThePointerParksOnTheBackground) {
    for (std::size_t i = 0; i < kPersonnages.size(); ++i) {
        plat::Rect place = menu().boutons[i].bounds();
        EXPECT_EQ(std::pair(place.w, place.h), std::pair(kPersonnages[i].largeur, kPersonnages[i].hauteur))
            << kPersonnages[i].bouton << ": art/menu_layout.csv must give it the size of its frames";
    }
    EXPECT_EQ(menu().control_at(fond_.first, fond_.second), nullptr)
        << "a control under the parked pointer would be hovered at every return to the menu";
}

TEST_F(DepartTest, OnlyTheBackgroundEndsAHover) {
    b.survoler("bouton_pendu");
    EXPECT_EQ(invitation(),
              cp1252("Salut Jean ! Avec moi, retrouvez le mot caché en proposant des lettres ! Mais en êtes-vous "
                     "capable ?"));
    EXPECT_EQ(camera.images("bouton_pendu").size(), 1u);

    b.survoler("bouton_anagramme");
    EXPECT_EQ(invitation().substr(0, 6), "Salut ");
    EXPECT_TRUE(camera.images("bouton_anagramme").empty());

    revenir_au_fond();
    EXPECT_EQ(invitation().substr(0, 15), "Votre objectif ");
    b.survoler("bouton_anagramme");
    EXPECT_EQ(invitation().substr(0, 6), "J'ai f");
    EXPECT_EQ(camera.images("bouton_anagramme").size(), 1u);
}

// A character clicked while its hover frame shows opens its game at once;
// back on the menu, no frame is left standing over the background.
TEST_F(DepartTest, TheMenuComesBackWithEveryCharacterAtRest) {
    b.ecrire_datas("11.bin", fichier_de_mots({{"CHAT", "Il miaule."}}));
    b.r().divers.anim = feuille_par_colonnes();
    b.cliquer_dans(100, "bouton_pendu");
    b.survoler("bouton_pendu");
    ASSERT_EQ(b.visible().name(), "pendu");
    ouvrir_menu();
    for (const plat::Image& bouton : menu().boutons) EXPECT_FALSE(bouton.picture()) << bouton.name();
}

TEST_F(DepartTest, AnagramHoverNeverShowsFrameFiveButItsIdleTwitchCan) {
    b.etat().ambiance_bloquee = true;  // no ambient draw between the staged ones

    preparer_tirages(b.r(), {{6, 5}});
    b.survoler("bouton_anagramme");
    EXPECT_EQ(camera.images("bouton_anagramme"), std::set<int>{0});

    revenir_au_fond();  // restarts the idle timer
    camera.oublier();
    b.sons().clear();
    preparer_tirages(b.r(), {{50, personnage("bouton_anagramme").tirage_timer}, {6, 5}});
    b.attendre(Depart::kIntervalleTimer);
    EXPECT_EQ(camera.images("bouton_anagramme"), std::set<int>{5});
    EXPECT_EQ(b.sons().names(), std::vector<std::string>{"1"});  // the first key click
}

// 15 of the 50 values of a tick's draw twitch a character; the idle ticks
// are drawn ahead and slept through. A hover forgets a twitch drawn ahead.
TEST_F(DepartTest, IdleTwitchesKeepTheirOddsAndWakeTheMenuOnlyForThemselves) {
    b.etat().ambiance_bloquee = true;
    b.sons().clear();
    camera.filmer(false);
    int sommes = b.backend().sleeps();
    b.attendre(400 * Depart::kIntervalleTimer);
    long tressaillements = static_cast<long>(b.sons().names().size());  // one click each
    EXPECT_NEAR(tressaillements, 120, 30);
    // Each twitch wakes the menu twice, to show its frame and to take it
    // away; the sound status rides on those wake-ups or comes alone.
    EXPECT_LT(b.backend().sleeps() - sommes, 400) << "the ticks that twitch nothing must be slept through";

    b.survoler("bouton_pendu");
    revenir_au_fond();
    camera.filmer(true);
    camera.oublier();
    preparer_tirages(b.r(), {{50, personnage("bouton_anagramme").tirage_timer}, {6, 5}});
    b.attendre(Depart::kIntervalleTimer);
    EXPECT_EQ(camera.images("bouton_anagramme"), std::set<int>{5});
    for (const Personnage& p : kPersonnages) {
        if (p.bouton == "bouton_anagramme" || p.bouton == "bouton_pendu") continue;
        EXPECT_TRUE(camera.images(std::string(p.bouton)).empty()) << p.bouton;
    }
}

TEST_F(DepartTest, IdleTimerAndAmbientSoundKeepStillWhileAGameIsOpen) {
    // As a click on a game leaves it, with the timer left running.
    menu().hide();
    b.etat().en_jeu = true;
    menu().Timer.set_enabled(true);
    b.sons().clear();
    b.attendre(60'000);  // 80 ticks: some would twitch a character on the menu
    EXPECT_TRUE(camera.rien_vu());
    EXPECT_TRUE(b.sons().names().empty());
}

TEST_F(DepartTest, AmbientSoundComesOnlyToTheIdleMenu) {
    struct Cas {
        const char* comment;
        bool en_jeu, ambiance_bloquee, joue;
    };
    for (Cas c : {Cas{"idle menu", false, false, true}, Cas{"a game or the name screen open", true, false, false},
                  Cas{"ambient sounds held back", false, true, false}}) {
        menu().Timer.set_enabled(false);  // its draws would come between
        b.etat().en_jeu = c.en_jeu;
        b.etat().ambiance_bloquee = c.ambiance_bloquee;
        b.sons().clear();
        preparer_tirages(b.r(), {{200, 7}});  // the one draw in 200 that starts a sound
        b.attendre(plat::Application::kPeriodeStatutSon);
        EXPECT_EQ(b.sons().names(), c.joue ? std::vector<std::string>{"1.amb"} : std::vector<std::string>{})
            << c.comment;
    }
}

// One status notice in 200 starts an ambient sound; the notices between
// are drawn ahead and slept through. The twitches, which each ambient sound
// starts again, never tick here: only the notices wake the menu.
TEST_F(DepartTest, AmbientSoundsKeepTheirOddsAndTheIdleNoticesAreSleptThrough) {
    menu().Timer.set_interval(0);
    b.sons().clear();
    camera.filmer(false);
    int sommes = b.backend().sleeps();
    b.attendre(2000 * plat::Application::kPeriodeStatutSon);
    const auto& noms = b.sons().names();
    long ambiances = std::count_if(noms.begin(), noms.end(), [](const std::string& n) { return n.ends_with(".amb"); });
    EXPECT_NEAR(ambiances, 10, 7);
    EXPECT_LT(b.backend().sleeps() - sommes, 5 * (ambiances + 1)) << "notices that play nothing must be slept through";
}

TEST_F(DepartTest, AGameThatCannotReadItsWordsIsExplainedUntilTheNextHover) {
    plat::Form jeu(b.app(), "jeu");
    jeu.show();
    b.app().do_events();
    b.r().quitter_sur_erreur(jeu, "11.bin est illisible.");
    b.app().do_events();
    EXPECT_EQ(invitation(), "11.bin est illisible.");
    b.survoler("bouton_pendu");
    revenir_au_fond();
    EXPECT_EQ(invitation().substr(0, 15), "Votre objectif ");
}

TEST_F(DepartTest, AnEmptyNameLeavesTwoBlanksInTheRestingCaption) {
    b.etat().prenom.clear();
    ouvrir_menu();
    EXPECT_EQ(invitation(), cp1252("Votre objectif  est de choisir un personnage afin de résoudre l'épreuve qu'il "
                                   "vous confie !"));
}

struct Sortie {
    const char* comment;
    bool prenom_confirme;
    std::function<void(Bench&)> partir;
    bool fichier_ecrit;
};

void cliquer_fin(Bench& b) { b.cliquer("fin"); }
void fermer_la_fenetre(Bench& b) {
    b.backend().schedule(b.maintenant(), {plat::InputEvent::Kind::quit});
    b.app().do_events();
}

TEST(DepartQuitter, EveryWayOutSavesTheConfirmedPlayerAndLeavesFullScreen) {
    for (const Sortie& d : {Sortie{"the quit picture", true, cliquer_fin, true},
                             Sortie{"the window closed", true, fermer_la_fenetre, true},
                             Sortie{"the window closed before a name", false, fermer_la_fenetre, false}}) {
        Bench b;
        b.etat().prenom = "Jean";
        b.etat().prenom_confirme = d.prenom_confirme;
        b.programme().depart.show();
        b.app().do_events();
        b.backend().set_fullscreen(true);
        d.partir(b);
        EXPECT_TRUE(b.app().quitting()) << d.comment;
        EXPECT_FALSE(b.backend().fullscreen()) << d.comment;
        ASSERT_FALSE(b.sons().names().empty()) << d.comment;
        EXPECT_EQ(b.sons().names().back(), "7.ats") << d.comment;
        EXPECT_EQ(std::filesystem::exists(b.datas() / "4.bin"), d.fichier_ecrit) << d.comment;
    }
}

}  // namespace
