// The window runtime on the bench: waits, timers, mouse routing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/application.h"
#include "platform/changed_zone.h"
#include "platform/headless.h"

namespace {

struct Ecran : plat::Form {
    explicit Ecran(plat::Application& app) : plat::Form(app, "ecran") {
        bouton.place(10, 10, 100, 30);
        dessus.place(10, 10, 50, 30);  // covers the left half of the button
        cache.place(200, 200, 50, 50);
        cache.set_visible(false);
    }
    plat::Image bouton{*this, "bouton"};
    plat::Image dessus{*this, "dessus"};
    plat::Image cache{*this, "cache"};
    plat::Timer minuterie{*this, 100};
};

class PlatformTest : public ::testing::Test {
protected:
    PlatformTest() {
        auto b = std::make_unique<plat::HeadlessBackend>();
        backend_ = b.get();
        app_ = std::make_unique<plat::Application>(std::move(b), std::make_unique<plat::RecordingSound>());
        ecran_ = std::make_unique<Ecran>(*app_);
        ecran_->show();
        app_->do_events();
    }
    void cliquer(int x, int y, std::uint32_t quand) {
        using K = plat::InputEvent::Kind;
        backend_->schedule(quand, {K::mouse_down, x, y, 1});
        backend_->schedule(quand, {K::mouse_up, x, y, 1});
    }
    plat::HeadlessBackend* backend_;
    std::unique_ptr<plat::Application> app_;
    std::unique_ptr<Ecran> ecran_;
};

TEST_F(PlatformTest, AClickInsideAWaitRunsBeforeTheWaitEnds) {
    std::uint32_t debut = app_->tick();
    std::uint32_t clic = 0;
    ecran_->bouton.on_click = [&] { clic = app_->tick(); };
    cliquer(80, 20, debut + 120);
    app_->wait_with_events(300);
    EXPECT_EQ(clic, debut + 120);
    EXPECT_EQ(app_->tick(), debut + 300);
}

TEST_F(PlatformTest, PlainWaitRunsNoHandler) {
    int clics = 0;
    ecran_->bouton.on_click = [&] { ++clics; };
    cliquer(80, 20, app_->tick() + 10);
    app_->wait(50);
    EXPECT_EQ(clics, 0);
    app_->do_events();
    EXPECT_EQ(clics, 1);
}

TEST_F(PlatformTest, DisabledHiddenAndCoveredControlsReceiveNothing) {
    int bouton = 0, dessus = 0, cache = 0;
    ecran_->bouton.on_click = [&] { ++bouton; };
    ecran_->dessus.on_click = [&] { ++dessus; };
    ecran_->cache.on_click = [&] { ++cache; };
    cliquer(20, 20, app_->tick());   // the top control takes it
    cliquer(220, 220, app_->tick()); // hidden
    app_->do_events();
    ecran_->dessus.set_enabled(false);
    cliquer(20, 20, app_->tick());   // disabled, and the button below gets nothing either
    app_->do_events();
    EXPECT_EQ(std::tuple(bouton, dessus, cache), std::tuple(0, 1, 0));
}

TEST_F(PlatformTest, TimersTickWhileEnabledAndNeverInsideThemselves) {
    int ticks = 0;
    ecran_->minuterie.on_tick = [&] {
        ++ticks;
        app_->wait_with_events(250);  // longer than the interval
    };
    ecran_->minuterie.set_enabled(true);
    app_->wait_with_events(1000);
    EXPECT_GE(ticks, 2);
    EXPECT_LE(ticks, 4);
    ecran_->minuterie.set_enabled(false);
    int avant = ticks;
    app_->wait_with_events(1000);
    EXPECT_EQ(ticks, avant);
}

// Idle costs one wake-up per timer tick: the sound status notice rides on
// them, and alone it wakes the program every two periods.
TEST_F(PlatformTest, TheSoundStatusAddsNoWakeUpOfItsOwn) {
    constexpr std::uint32_t kPeriode = plat::Application::kPeriodeStatutSon;
    std::vector<std::uint32_t> statuts;
    app_->on_sound_status = [&] { statuts.push_back(app_->tick()); };
    plat::Timer menu{*ecran_, 750};
    menu.set_enabled(true);
    int sommes = backend_->sleeps();
    app_->wait_with_events(30'000);
    EXPECT_EQ(backend_->sleeps() - sommes, 40);  // the 40 ticks
    ASSERT_GE(statuts.size(), 17u);
    for (std::size_t i = 1; i < statuts.size(); ++i) {
        EXPECT_GE(statuts[i] - statuts[i - 1], kPeriode);
        EXPECT_LE(statuts[i] - statuts[i - 1], kPeriode + 750);
    }

    menu.set_enabled(false);
    statuts.clear();
    sommes = backend_->sleeps();
    app_->wait_with_events(30'000);
    EXPECT_EQ(backend_->sleeps() - sommes, 15);
    EXPECT_EQ(statuts.size(), 15u);
}

TEST_F(PlatformTest, QuitEndsEveryWaitAtOnce) {
    ecran_->bouton.on_click = [&] { app_->quit(); };
    std::uint32_t debut = app_->tick();
    cliquer(80, 20, debut + 10);
    app_->wait_with_events(5000);
    EXPECT_EQ(app_->tick(), debut + 10);
}

}  // namespace

namespace {

// A window that counts the pictures sent to it, and keeps the part drawn
// again for the last one.
struct EcranQuiCompte : plat::HeadlessBackend {
    bool displays() const override { return true; }
    void present(const plat::Picture&, const plat::Rect& zone) override {
        ++images;
        redessine = zone;
    }
    int images = 0;
    plat::Rect redessine;
};

TEST(Redessin, OnlyAChangeOnScreenOrALostWindowSendsAPictureAgain) {
    auto b = std::make_unique<EcranQuiCompte>();
    EcranQuiCompte* fenetre = b.get();
    plat::Application app(std::move(b), std::make_unique<plat::RecordingSound>());
    Ecran ecran(app);
    plat::Label texte{ecran, "texte"};
    texte.place(100, 100, 80, 20);
    ecran.show();
    app.do_events();
    const int au_debut = fenetre->images;
    const plat::Rect tout{0, 0, 640, 480};
    EXPECT_EQ(fenetre->redessine, tout);

    ecran.minuterie.on_tick = [] {};
    ecran.minuterie.set_enabled(true);
    app.wait_with_events(1000);  // ten ticks that change nothing
    EXPECT_EQ(fenetre->images, au_debut);

    int n = 0;
    ecran.minuterie.on_tick = [&] { texte.set_caption(std::to_string(++n)); };
    app.wait_with_events(1000);
    EXPECT_EQ(fenetre->images, au_debut + 10);
    EXPECT_EQ(fenetre->redessine, (plat::Rect{100, 100, 80, 20})) << "only the label is drawn again";

    ecran.minuterie.set_enabled(false);
    fenetre->schedule(app.tick(), {plat::InputEvent::Kind::expose, 0, 0, 0});
    app.do_events();
    EXPECT_EQ(fenetre->images, au_debut + 11);
    EXPECT_EQ(fenetre->redessine, tout);
}

}  // namespace

namespace {

// The window is sent only the squares that changed, whole squares, and the
// whole canvas the first time and after it lost its picture.
TEST(Redessin, OnlyTheSquaresThatChangedAreSentAgain) {
    struct Cas {
        const char* quoi;
        std::vector<plat::Rect> peints;
        std::optional<plat::Rect> zone;
    };
    const std::vector<Cas> cas = {
        {"nothing", {}, std::nullopt},
        {"top-left pixel", {{0, 0, 1, 1}}, plat::Rect{0, 0, 40, 40}},
        {"bottom-right pixel", {{639, 479, 1, 1}}, plat::Rect{600, 440, 40, 40}},
        {"across a border", {{39, 41, 2, 1}}, plat::Rect{0, 40, 80, 40}},
        {"two far apart", {{5, 5, 1, 1}, {300, 200, 1, 1}}, plat::Rect{0, 0, 320, 240}},
    };
    const plat::Rect ecran{0, 0, 640, 480};
    for (const Cas& c : cas) {
        plat::Canvas toile;
        toile.clear(plat::couleurs::blanc);
        plat::ChangedZone zone;
        EXPECT_EQ(zone.since_last(toile.picture(), ecran), (plat::Rect{0, 0, 640, 480})) << c.quoi;
        for (const plat::Rect& r : c.peints) toile.fill(r, plat::couleurs::noir);
        EXPECT_EQ(zone.since_last(toile.picture(), ecran), c.zone) << c.quoi;
        EXPECT_EQ(zone.since_last(toile.picture(), ecran), std::nullopt) << c.quoi;
        zone.forget();
        EXPECT_EQ(zone.since_last(toile.picture(), ecran), (plat::Rect{0, 0, 640, 480})) << c.quoi;
    }
}

}  // namespace
