// The start-up, from the loading screen to the name screen.
#include <gtest/gtest.h>

#include <set>

#include "tests/bench.h"

namespace {

TEST(Demarrage, PlaysTheLoadingTuneThenTheFirstAmbienceAndShowsTheTitleBetween) {
    Bench b;
    std::vector<std::string> sons_au_titre;
    std::vector<std::string> ecrans;
    b.programme().chargement.on_activate = [&] { ecrans.push_back("chargement"); };
    b.programme().titre.on_activate = [&] {
        ecrans.push_back("titre");
        sons_au_titre = b.sons().names();
    };
    b.demarrer();
    EXPECT_EQ(sons_au_titre, std::vector<std::string>{"7.amb"});
    EXPECT_EQ(b.sons().names(), (std::vector<std::string>{"7.amb", "1.amb"}));
    EXPECT_EQ(ecrans, (std::vector<std::string>{"chargement", "titre"}));
    EXPECT_EQ(b.visible().name(), "demande_prenom");
    EXPECT_FALSE(b.programme().titre.visible());
    EXPECT_TRUE(b.backend().fullscreen());
    // The menu's ambient draw stays silent while the name is entered.
    EXPECT_TRUE(b.etat().en_jeu);
}

TEST(Demarrage, LoadsEveryPictureAndCutsTheGreyButtonFace) {
    Bench b;
    b.demarrer();
    const Divers& d = b.r().divers;
    ASSERT_TRUE(d.anim && d.anim2 && d.anim3 && d.inactif);
    EXPECT_GE(d.anim->width(), 840);
    EXPECT_EQ(std::pair(d.inactif->width(), d.inactif->height()), std::pair(105, 33));
    for (const plat::PicturePtr& gris : {d.moins_inactif, d.plus_inactif}) {
        ASSERT_TRUE(gris);
        EXPECT_EQ(std::pair(gris->width(), gris->height()), std::pair(36, 36));
    }
    for (plat::Form* f : b.app().forms())
        EXPECT_TRUE(f->name() == "chargement" || f->background()) << f->name();
}

// Every form as built: control names unique, everything on the 640 × 480
// screen, and every picture button that lies over a drawn face covers it.
TEST(Formes, EveryControlIsNamedOnceAndFitsTheScreen) {
    Bench b;
    for (plat::Form* f : b.app().forms()) {
        std::set<std::pair<std::string, int>> noms;
        for (plat::Control* c : f->controls()) {
            EXPECT_TRUE(noms.insert({c->name(), c->index()}).second) << f->name() << "." << c->name();
            plat::Rect r = c->bounds();
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= plat::kLargeurEcran && r.y + r.h <= plat::kHauteurEcran)
                << f->name() << "." << c->name() << "(" << c->index() << ")";
        }
    }
}

}  // namespace
