// Tooltips on the bench: when they show, what takes them away, where they go.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/application.h"
#include "platform/headless.h"
#include "platform/text.h"

namespace {

using K = plat::InputEvent::Kind;
constexpr std::uint32_t kRepos = plat::Tooltip::kRepos;
const plat::Rect kImage{0, 0, plat::kLargeurEcran, plat::kHauteurEcran};

// Controls with no picture on no background: the screen is black but for the tip.
struct Ecran : plat::Form {
    Ecran(plat::Application& app, const std::string& nom) : plat::Form(app, nom) {
        bouton.place(10, 10, 100, 30);
        bouton.tooltip = "Cliquez ici";
        voisin.place(120, 10, 100, 30);
        voisin.tooltip = "Le voisin";
        muet.place(10, 100, 100, 30);
        coin.place(540, 400, 100, 80);
        coin.tooltip =
            cp1252("Une aide bien trop longue pour une seule ligne : elle revient à la ligne dans sa bulle");
    }
    plat::Image bouton{*this, "bouton"};
    plat::Image voisin{*this, "voisin"};
    plat::Image muet{*this, "muet"};
    plat::Image coin{*this, "coin"};
};

struct Banc {
    Banc() {
        auto b = std::make_unique<plat::HeadlessBackend>();
        backend = b.get();
        app = std::make_unique<plat::Application>(std::move(b), std::make_unique<plat::RecordingSound>());
        ecran = std::make_unique<Ecran>(*app, "ecran");
        autre = std::make_unique<Ecran>(*app, "autre");
        ecran->show();
        app->do_events();
    }
    void envoyer(plat::InputEvent e) {
        backend->schedule(app->tick(), e);
        app->do_events();
    }
    void poser(int x, int y) { envoyer({K::mouse_move, x, y, 0}); }
    bool montree() const { return app->tooltip().shown(); }
    // Whether the picture shows the tip's box: pale inside, where all is black without it.
    bool dessinee(plat::Rect boite) {
        return !(app->render(*ecran).pixel_at(boite.x + boite.w / 2, boite.y + 1) == plat::couleurs::noir);
    }
    plat::HeadlessBackend* backend;
    std::unique_ptr<plat::Application> app;
    std::unique_ptr<Ecran> ecran, autre;
};

TEST(Bulle, ShowsOnceThePointerHasRestedAndWakesNothingMore) {
    Banc b;
    b.poser(50, 20);
    b.app->wait_with_events(kRepos - 1);
    EXPECT_FALSE(b.montree());
    b.poser(52, 21);  // it moved: the rest starts again
    b.app->wait_with_events(kRepos - 1);
    EXPECT_FALSE(b.montree());
    b.app->wait_with_events(1);
    ASSERT_TRUE(b.montree());
    EXPECT_TRUE(b.dessinee(b.app->tooltip().box()));

    // A long wait wakes for the tip, then not again until its end.
    b.poser(150, 20);
    int sommes = b.backend->sleeps();
    b.app->wait_with_events(10'000);
    EXPECT_TRUE(b.montree());
    EXPECT_EQ(b.backend->sleeps() - sommes, 2);
    sommes = b.backend->sleeps();
    b.app->wait_with_events(60'000);
    EXPECT_EQ(b.backend->sleeps() - sommes, 1);
}

TEST(Bulle, GoesWhenThePointerLeavesAButtonIsPressedOrTheScreenChanges) {
    struct Cas {
        const char* quoi;
        std::function<void(Banc&)> faire;
        bool reste;
    };
    const Cas cas[] = {
        {"moved on its control", [](Banc& b) { b.poser(90, 30); }, true},
        {"moved onto the background", [](Banc& b) { b.poser(300, 300); }, false},
        {"moved onto another control", [](Banc& b) { b.poser(150, 20); }, false},
        {"left button pressed", [](Banc& b) { b.envoyer({K::mouse_down, 50, 20, plat::kBoutonGauche}); }, false},
        {"right button pressed", [](Banc& b) { b.envoyer({K::mouse_down, 50, 20, plat::kBoutonDroit}); }, false},
        {"left the window", [](Banc& b) { b.envoyer({K::pointer_left}); }, false},
        {"another screen", [](Banc& b) { b.autre->show(); }, false},
        {"same screen shown afresh", [](Banc& b) { b.ecran->show(); }, false},
        {"pointer hidden", [](Banc& b) { b.app->hide_pointer_once(); }, false},
        {"control hidden", [](Banc& b) { b.ecran->bouton.set_visible(false); }, false},
        {"control disabled", [](Banc& b) { b.ecran->bouton.set_enabled(false); }, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        Banc b;
        b.poser(50, 20);
        b.app->wait_with_events(kRepos);
        ASSERT_TRUE(b.montree());
        plat::Rect boite = b.app->tooltip().box();
        c.faire(b);
        b.app->do_events();
        EXPECT_EQ(b.montree(), c.reste);
        EXPECT_EQ(b.dessinee(boite), c.reste);
    }
}

TEST(Bulle, NeverForAControlWithoutOneDisabledOrUnderAHiddenPointer) {
    struct Cas {
        const char* quoi;
        std::function<void(Banc&)> preparer;
        int x, y;
    };
    const Cas cas[] = {
        {"no tooltip", [](Banc&) {}, 50, 110},
        {"background", [](Banc&) {}, 300, 300},
        {"disabled", [](Banc& b) { b.ecran->bouton.set_enabled(false); }, 50, 20},
        {"pointer hidden", [](Banc& b) { b.app->hide_pointer_once(); }, 50, 20},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        Banc b;
        c.preparer(b);
        b.poser(c.x, c.y);
        b.app->wait_with_events(3 * kRepos);
        EXPECT_FALSE(b.montree());
    }
}

// Below the pointer, clear of its arrow; near an edge it stays whole in the
// picture, and a long tip wraps.
TEST(Bulle, StaysWholeInsideThePictureNearItsEdges) {
    struct Cas {
        int x, y;
        bool dessous;
    };
    const Cas cas[] = {{20, 20, true}, {215, 35, true}, {560, 420, false}, {639, 479, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        Banc b;
        b.poser(c.x, c.y);
        b.app->wait_with_events(kRepos);
        ASSERT_TRUE(b.montree());
        plat::Rect boite = b.app->tooltip().box();
        EXPECT_EQ(plat::intersection(boite, kImage), boite);
        EXPECT_FALSE(boite.contient(c.x, c.y));
        EXPECT_EQ(boite.y > c.y, c.dessous);
        EXPECT_LE(boite.x, c.x);
        EXPECT_TRUE(b.dessinee(boite));
    }
}

TEST(Bulle, ALongTipWrapsIntoANarrowBox) {
    Banc b;
    b.poser(600, 450);
    b.app->wait_with_events(kRepos);
    ASSERT_TRUE(b.montree());
    plat::Rect boite = b.app->tooltip().box();
    EXPECT_LE(boite.w, plat::kLargeurEcran / 2);
    EXPECT_GT(boite.h, 40);  // more than one line
}

}  // namespace
