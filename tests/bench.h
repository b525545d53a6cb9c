#pragma once
// The headless bench: the real program on a virtual clock, with scripted
// mouse input and a record of every sound played. Pictures come from the
// build; word files and the player file are small fixtures of each test.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/sound.h"
#include "shell/programme.h"

// A word file as the game reads it: one record per line, every text
// field shifted by 4 codes (texts given in UTF-8).
std::string fichier_de_mots(const std::vector<std::vector<std::string>>& enregistrements);

class Bench {
public:
    explicit Bench(std::uint32_t graine = 1);
    ~Bench();

    // Writes a file into the bench's data folder (a word file, a player file).
    void ecrire_datas(const std::string& nom, const std::string& octets);
    std::filesystem::path datas() const { return dossier_ / "datas"; }

    // Runs the start-up up to the players' or the name screen.
    void demarrer();
    // The program ended (as the quit picture ends it) and started again on
    // the same folders.
    void relancer();
    // Shows a form as the menu does and lets its opening run to its end.
    void ouvrir(const std::string& form);

    // Mouse on a control of the visible form, by name and index, now; the
    // handlers run to their end (their waits move the virtual clock).
    void cliquer(const std::string& controle, int index = -1);
    void survoler(const std::string& controle, int index = -1);
    void appuyer(const std::string& controle, int index, int bouton);
    void survoler_fond(int x, int y);
    // The same, arriving ms from now: inside whatever wait runs then.
    void cliquer_dans(std::uint32_t ms, const std::string& controle, int index = -1);
    // A click ms from now on a control of a form that is not on screen yet.
    void cliquer_sur_dans(std::uint32_t ms, const std::string& form, const std::string& controle);

    // Lets the virtual clock run, servicing events and timers.
    void attendre(std::uint32_t ms);
    // Follows an effect as it unfolds: `regarder` runs every `ms` of the
    // virtual clock, inside whatever wait runs then, for as long as the
    // returned timer lives.
    std::unique_ptr<plat::Timer> guetter(std::uint32_t ms, std::function<void()> regarder);
    std::uint32_t maintenant() { return app().tick(); }

    plat::Form& visible();
    plat::Control& controle(const std::string& nom, int index = -1);
    plat::Label& label(const std::string& nom, int index = -1);
    void enregistrer_png(const std::string& form, const std::filesystem::path& chemin);

    plat::Application& app() { return programme_->app; }
    Routines& r() { return programme_->routines; }
    EtatPartage& etat() { return programme_->routines.etat; }
    Programme& programme() { return *programme_; }
    plat::HeadlessBackend& backend() { return *backend_; }
    plat::RecordingSound& sons() { return *sons_; }

private:
    void construire(std::uint32_t graine);
    void planifier(std::uint32_t quand, const std::string& controle, int index, bool clic, int bouton);
    void planifier(std::uint32_t quand, plat::Rect zone, bool clic, int bouton);
    std::filesystem::path dossier_;
    plat::HeadlessBackend* backend_;
    plat::RecordingSound* sons_;
    std::unique_ptr<Programme> programme_;
};
