#include "tests/bench.h"

#include <fstream>
#include <stdexcept>

#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

fs::path dossier_temporaire() {
    static int compteur = 0;
    fs::path d = fs::temp_directory_path() / ("lexirama-banc-" + std::to_string(::getpid()) + "-" +
                                              std::to_string(compteur++));
    fs::remove_all(d);
    fs::create_directories(d / "datas");
    return d;
}

// The built pictures are shared by every bench; word files are not.
void lier_images(const fs::path& datas) {
    fs::path construites = fs::path(LEXIRAMA_BUILD_DIR) / "datas";
    for (int i = 1; i <= 22; ++i) {
        fs::path image = construites / std::to_string(i);
        if (fs::exists(image)) fs::create_symlink(image, datas / std::to_string(i));
    }
}

}  // namespace

std::string fichier_de_mots(const std::vector<std::vector<std::string>>& enregistrements) {
    std::string octets;
    for (const auto& champs : enregistrements) {
        if (!octets.empty()) octets += "\r\n";
        for (std::size_t i = 0; i < champs.size(); ++i) {
            std::string code = cp1252(champs[i]);
            for (char& c : code) c = static_cast<char>(static_cast<unsigned char>(c) + 4);
            octets += (i ? "," : "") + ('"' + code + '"');
        }
    }
    return octets + "\r\n";
}

Bench::Bench(std::uint32_t graine) : dossier_(dossier_temporaire()) {
    lier_images(datas());
    construire(graine);
}

void Bench::construire(std::uint32_t graine) {
    auto backend = std::make_unique<plat::HeadlessBackend>();
    auto sons = std::make_unique<plat::RecordingSound>();
    backend_ = backend.get();
    sons_ = sons.get();
    programme_ = std::make_unique<Programme>(std::move(backend), std::move(sons), dossier_, graine);
    programme_->app.check_skipped_repaints();
}

Bench::~Bench() {
    programme_.reset();
    std::error_code ignore;
    fs::remove_all(dossier_, ignore);
}

void Bench::ecrire_datas(const std::string& nom, const std::string& octets) {
    std::ofstream(datas() / nom, std::ios::binary) << octets;
}

void Bench::relancer() {
    programme_->depart.quitter();
    programme_.reset();
    construire(1);
    demarrer();
}

void Bench::demarrer() {
    programme_->demarrer();
    app().do_events();
}

void Bench::ouvrir(const std::string& form) {
    plat::Form* f = app().form(form);
    if (!f) throw std::runtime_error("pas d'écran " + form);
    f->show();
    app().do_events();
}

plat::Form& Bench::visible() {
    plat::Form* f = app().visible_form();
    if (!f) throw std::runtime_error("aucun écran visible");
    return *f;
}

plat::Control& Bench::controle(const std::string& nom, int index) {
    plat::Control* c = visible().find(nom, index);
    if (!c) throw std::runtime_error("pas de contrôle " + nom + " sur " + visible().name());
    return *c;
}

plat::Label& Bench::label(const std::string& nom, int index) {
    return dynamic_cast<plat::Label&>(controle(nom, index));
}

void Bench::planifier(std::uint32_t quand, const std::string& nom, int index, bool clic, int bouton) {
    planifier(quand, controle(nom, index).bounds(), clic, bouton);
}

void Bench::planifier(std::uint32_t quand, plat::Rect b, bool clic, int bouton) {
    int x = b.x + b.w / 2, y = b.y + b.h / 2;
    using K = plat::InputEvent::Kind;
    backend_->schedule(quand, {K::mouse_move, x, y, 0});
    if (!clic) return;
    backend_->schedule(quand, {K::mouse_down, x, y, bouton});
    backend_->schedule(quand, {K::mouse_up, x, y, bouton});
}

void Bench::cliquer(const std::string& nom, int index) {
    planifier(maintenant(), nom, index, true, plat::kBoutonGauche);
    app().do_events();
}

void Bench::survoler(const std::string& nom, int index) {
    planifier(maintenant(), nom, index, false, 0);
    app().do_events();
}

void Bench::appuyer(const std::string& nom, int index, int bouton) {
    planifier(maintenant(), nom, index, true, bouton);
    app().do_events();
}

void Bench::survoler_fond(int x, int y) {
    backend_->schedule(maintenant(), {plat::InputEvent::Kind::mouse_move, x, y, 0});
    app().do_events();
}

void Bench::cliquer_dans(std::uint32_t ms, const std::string& nom, int index) {
    planifier(maintenant() + ms, nom, index, true, plat::kBoutonGauche);
}

void Bench::cliquer_sur_dans(std::uint32_t ms, const std::string& form, const std::string& nom) {
    plat::Form* f = app().form(form);
    plat::Control* c = f ? f->find(nom) : nullptr;
    if (!c) throw std::runtime_error("pas de contrôle " + nom + " sur " + form);
    planifier(maintenant() + ms, c->bounds(), true, plat::kBoutonGauche);
}

void Bench::attendre(std::uint32_t ms) { app().wait_with_events(ms); }

std::unique_ptr<plat::Timer> Bench::guetter(std::uint32_t ms, std::function<void()> regarder) {
    auto guet = std::make_unique<plat::Timer>(visible(), ms);
    guet->on_tick = std::move(regarder);
    guet->set_enabled(true);
    return guet;
}

void Bench::enregistrer_png(const std::string& form, const fs::path& chemin) {
    plat::Form* f = app().form(form);
    if (!f) throw std::runtime_error("pas d'écran " + form);
    plat::save_png(app().render(*f), chemin);
}
