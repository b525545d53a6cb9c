// Timing of the platform under a real window: the guide animation as the
// screen receives it, drawing the canvas and a full redraw. Prints figures;
// judges nothing.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <vector>

#include "core/guide.h"
#include "core/routines.h"
#include "platform/application.h"
#include "platform/backend.h"
#include "platform/program_folder.h"
#include "platform/sound.h"
#include "platform/text.h"

namespace {

using Horloge = std::chrono::steady_clock;

// The window, noting when a picture other than the last one was sent to
// it: a repaint that changes nothing is not a frame the eye can see.
class ImagesEnvoyees : public plat::Backend {
public:
    explicit ImagesEnvoyees(std::unique_ptr<plat::Backend> fenetre) : fenetre_(std::move(fenetre)) {}

    std::vector<Horloge::time_point> instants;

    std::uint32_t tick() override { return fenetre_->tick(); }
    std::optional<plat::InputEvent> poll() override { return fenetre_->poll(); }
    void sleep_until(std::uint32_t deadline, bool wake_on_input) override {
        fenetre_->sleep_until(deadline, wake_on_input);
    }
    bool displays() const override { return true; }
    void present(const plat::Picture& canvas, const plat::Rect& changed) override {
        fenetre_->present(canvas, changed);
        if (change(canvas)) instants.push_back(Horloge::now());
    }
    void show_cursor(bool visible) override { fenetre_->show_cursor(visible); }
    void warp_pointer(int x, int y) override { fenetre_->warp_pointer(x, y); }
    void set_fullscreen(bool fullscreen) override { fenetre_->set_fullscreen(fullscreen); }
    void alert(const std::string& message_utf8) override { fenetre_->alert(message_utf8); }

private:
    bool change(const plat::Picture& canvas) {
        const SDL_Surface* s = canvas.surface();
        const auto* pixels = static_cast<const std::byte*>(s->pixels);
        std::size_t taille = static_cast<std::size_t>(s->pitch) * static_cast<std::size_t>(s->h);
        if (derniere_.size() == taille && std::memcmp(derniere_.data(), pixels, taille) == 0) return false;
        derniere_.assign(pixels, pixels + taille);
        return true;
    }

    std::unique_ptr<plat::Backend> fenetre_;
    std::vector<std::byte> derniere_;
};

struct Ecran : plat::Form {
    explicit Ecran(plat::Application& app) : plat::Form(app, "mesure") {
        titre.place(20, 20, 600, 80);
        titre.set_caption(cp1252("Lexirama : mesure du dessin complet de l'écran"));
        for (auto& l : lettres) l.place(20 + 36 * (l.index() % 13), 300 + 36 * (l.index() / 13), 34, 34);
        perso.place(300, 150, guides::pendu.largeur, guides::pendu.hauteur);
    }
    plat::Label titre{*this, "titre"};
    plat::ControlArray<plat::Label> lettres{*this, "lettres", 26};
    plat::Image perso{*this, "perso"};
};

ImagesEnvoyees* images_envoyees = nullptr;

plat::Application& application() {
    static plat::Application app(
        [] {
            auto fenetre = std::make_unique<ImagesEnvoyees>(plat::make_window_backend());
            images_envoyees = fenetre.get();
            return fenetre;
        }(),
        plat::make_mixer_sound("/nonexistent"));
    return app;
}

// The sheets lie in datas/ beside the program, one folder up from bench/.
Routines& routines() {
    static Routines r(application(), (plat::program_folder() / "..").lexically_normal(), 1);
    if (!r.divers.anim) r.divers.anim = r.image("11");
    return r;
}

Ecran& ecran_affiche() {
    static Ecran ecran(application());
    ecran.show();
    return ecran;
}

double millisecondes(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The hangman's guide, 13 frames of 130 ms, run by the games' own routine:
// how many frames reached the window, how long the run lasted and how the
// frames were spaced.
void AnimationDuGuide(benchmark::State& state) {
    auto& ecran = ecran_affiche();
    auto& r = routines();
    std::vector<double> images, durees, ecarts;
    for (auto _ : state) {
        // The guide's place empty first, so that every frame of the run changes the picture.
        ecran.perso.clear_picture();
        application().repaint();
        images_envoyees->instants.clear();
        auto debut = Horloge::now();
        animer_guide(r, ecran.perso, guides::pendu);
        durees.push_back(millisecondes(Horloge::now() - debut));
        const auto& t = images_envoyees->instants;
        images.push_back(static_cast<double>(t.size()));
        for (std::size_t i = 1; i < t.size(); ++i) ecarts.push_back(millisecondes(t[i] - t[i - 1]));
    }
    state.counters["images"] = mediane(images);
    state.counters["duree_ms"] = mediane(durees);
    if (ecarts.empty()) return;
    state.counters["ecart_min_ms"] = *std::min_element(ecarts.begin(), ecarts.end());
    state.counters["ecart_median_ms"] = mediane(ecarts);
    state.counters["ecart_max_ms"] = *std::max_element(ecarts.begin(), ecarts.end());
}
BENCHMARK(AnimationDuGuide)->Iterations(3)->Unit(benchmark::kMillisecond);

// The canvas alone: what our drawing code costs.
void DessinDuCanevas(benchmark::State& state) {
    auto& ecran = ecran_affiche();
    for (auto _ : state) benchmark::DoNotOptimize(application().render(ecran));
}
BENCHMARK(DessinDuCanevas)->Unit(benchmark::kMicrosecond);

// A change on screen and its way to it through SDL and the X server: the
// title changes colour each time, and only its box is drawn again and sent.
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
