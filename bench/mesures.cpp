// Timing of the platform under a real window: the guide animation's waits,
// drawing the canvas and a full redraw. Prints figures; judges nothing.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "core/guide.h"
#include "platform/application.h"
#include "platform/backend.h"
#include "platform/program_folder.h"
#include "platform/sound.h"
#include "platform/text.h"

namespace {

struct Ecran : plat::Form {
    explicit Ecran(plat::Application& app) : plat::Form(app, "mesure") {
        titre.place(20, 20, 600, 80);
        titre.set_caption(cp1252("Lexirama : mesure du dessin complet de l'écran"));
        for (auto& l : lettres) l.place(20 + 36 * (l.index() % 13), 300 + 36 * (l.index() / 13), 34, 34);
    }
    plat::Label titre{*this, "titre"};
    plat::ControlArray<plat::Label> lettres{*this, "lettres", 26};
};

plat::Application& application() {
    static plat::Application app(plat::make_window_backend(), plat::make_mixer_sound("/nonexistent"));
    return app;
}

// Thirteen frames of 130 ms, each timed from the start of its step as the
// guide animation times them.
void AnimationDuRobot(benchmark::State& state) {
    auto& app = application();
    for (auto _ : state) {
        std::uint32_t debut = app.tick();
        for (int i = 0; i < 13; ++i) {
            std::uint32_t t0 = app.tick();
            app.repaint();
            std::uint32_t ecoule = app.tick() - t0;
            if (ecoule < guides::pendu.ms_par_image) app.wait_with_events(guides::pendu.ms_par_image - ecoule);
        }
        state.counters["duree_ms"] = static_cast<double>(app.tick() - debut);
    }
}
BENCHMARK(AnimationDuRobot)->Iterations(3)->Unit(benchmark::kMillisecond);

Ecran& ecran_affiche() {
    static Ecran ecran(application());
    ecran.show();
    return ecran;
}

// The canvas alone: what our drawing code costs.
void DessinDuCanevas(benchmark::State& state) {
    auto& ecran = ecran_affiche();
    for (auto _ : state) benchmark::DoNotOptimize(application().render(ecran));
}
BENCHMARK(DessinDuCanevas)->Unit(benchmark::kMicrosecond);

// The canvas and its way to the screen through SDL and the X server. The
// title changes colour each time: a picture that did not change is not sent.
void RedessinComplet(benchmark::State& state) {
    auto& ecran = ecran_affiche();
    bool clair = false;
    for (auto _ : state) {
        clair = !clair;
        ecran.titre.set_back_color(clair ? plat::couleurs::blanc : plat::couleurs::jaune);
        application().repaint();
    }
}
BENCHMARK(RedessinComplet)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
