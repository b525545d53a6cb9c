// The window runtime on the bench: waits, timers, mouse routing.
#include <gtest/gtest.h>

#include "platform/application.h"
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

TEST_F(PlatformTest, QuitEndsEveryWaitAtOnce) {
    ecran_->bouton.on_click = [&] { app_->quit(); };
    std::uint32_t debut = app_->tick();
    cliquer(80, 20, debut + 10);
    app_->wait_with_events(5000);
    EXPECT_EQ(app_->tick(), debut + 10);
}

}  // namespace

// ---------------------------------------------------------------- repaint

namespace {

// A bench backend that keeps a fingerprint of every picture sent to it.
class AfficheurEmpreinte : public plat::HeadlessBackend {
public:
    bool displays() const override { return true; }
    void present(const plat::Picture& p) override {
        std::uint64_t h = 1469598103934665603ull;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) h = (h ^ p.pixel_at(x, y).bgr) * 1099511628211ull;
        empreinte = h;
    }
    std::uint64_t empreinte = 0;
};

plat::PicturePtr aplat(plat::Couleur c) {
    plat::Canvas toile;
    toile.clear(c);
    return toile.picture().clip(0, 0, 40, 40);
}

struct Scene : plat::Form {
    explicit Scene(plat::Application& app) : plat::Form(app, "scene") {
        set_background(aplat(plat::Couleur{0xFFFFFF})->scaled(plat::kLargeurEcran, plat::kHauteurEcran));
        texte.place(10, 10, 200, 40);
        texte.set_caption("BONJOUR");
        image.place(300, 10, 40, 40);
        image.set_picture(aplat(plat::Couleur{0x0000FF}));
        bouton.place(10, 100, 105, 33);
        bouton.set_caption("OK");
        cadre.place(300, 100, 100, 100);
        dedans.place(310, 110, 40, 40);
        dedans.set_picture(aplat(plat::Couleur{0x00FF00}));
        dedans.put_in(cadre);
    }
    plat::Label texte{*this, "texte"};
    plat::Image image{*this, "image"};
    plat::Button bouton{*this, "bouton"};
    plat::Frame cadre{*this, "cadre"};
    plat::Image dedans{*this, "dedans"};
};

}  // namespace

// The screen is drawn again only when something on it changed: every way of
// changing how a control looks must therefore reach the window.
TEST(Redessin, EveryChangeOfAControlReachesTheWindow) {
    struct Cas {
        const char* quoi;
        std::function<void(Scene&)> changer;
    };
    const std::vector<Cas> cas = {
        {"caption", [](Scene& s) { s.texte.set_caption("AU REVOIR"); }},
        {"ink", [](Scene& s) { s.texte.set_fore_color(plat::Couleur{0x0000FF}); }},
        {"font size", [](Scene& s) { s.texte.set_font_size(20); }},
        {"back colour", [](Scene& s) { s.texte.set_back_color(plat::Couleur{0x00FFFF}); }},
        {"label hidden", [](Scene& s) { s.texte.set_visible(false); }},
        {"picture", [](Scene& s) { s.image.set_picture(aplat(plat::Couleur{0xFF0000})); }},
        {"picture removed", [](Scene& s) { s.image.clear_picture(); }},
        {"moved", [](Scene& s) { s.image.set_left(400); }},
        {"button disabled", [](Scene& s) { s.bouton.set_enabled(false); }},
        {"button caption", [](Scene& s) { s.bouton.set_caption("NON"); }},
        {"frame hidden", [](Scene& s) { s.cadre.set_visible(false); }},
        {"background", [](Scene& s) { s.set_background(aplat(plat::Couleur{0x000000})->scaled(640, 480)); }},
    };
    for (const Cas& c : cas) {
        auto b = std::make_unique<AfficheurEmpreinte>();
        AfficheurEmpreinte& ecran = *b;
        plat::Application app(std::move(b), std::make_unique<plat::RecordingSound>());
        Scene scene(app);
        scene.show();
        app.do_events();
        std::uint64_t avant = ecran.empreinte;
        c.changer(scene);
        app.do_events();
        EXPECT_NE(ecran.empreinte, avant) << c.quoi;
    }
}

// Photographing another form draws over the canvas; the visible form is then
// drawn again rather than the photograph sent to the window.
TEST(Redessin, APhotographDoesNotReachTheWindow) {
    auto b = std::make_unique<AfficheurEmpreinte>();
    AfficheurEmpreinte& ecran = *b;
    plat::Application app(std::move(b), std::make_unique<plat::RecordingSound>());
    Scene scene(app);
    Ecran autre(app);
    scene.show();
    app.do_events();
    std::uint64_t avant = ecran.empreinte;
    app.render(autre);
    app.do_events();
    EXPECT_EQ(ecran.empreinte, avant);
}
