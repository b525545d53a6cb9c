#include "shell/chargement.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace {

struct Fond {
    std::string_view form;
    std::string_view fichier;
};

// Backgrounds in the order they load; a game not built yet still has its
// picture loaded so that a missing file shows up at start.
constexpr std::array<Fond, 8> kFondsAvantFeuilles = {{{"demande_prenom", "4"},
                                                      {"choix_joueur", "22"},
                                                      {"bonneteau", "5"},
                                                      {"voyelles", "6"},
                                                      {"familles", "7"},
                                                      {"lettre_en_trop", "8"},
                                                      {"masculin", "9"},
                                                      {"mot_mysterieux", "10"}}};
constexpr std::array<Fond, 8> kFondsSousLeTitre = {{{"musique", "14"},
                                                    {"nbre_lettres", "15"},
                                                    {"pendu", "16"},
                                                    {"phrase", "17"},
                                                    {"unelettre", "18"},
                                                    {"deux_mots", "19"},
                                                    {"codes", "20"},
                                                    {"mot_a_trouver", "21"}}};

// The grey face of an inactive button lies on the second sheet.
constexpr plat::Rect kInactif{522, 351, 105, 33};
// Beside it, the grey faces of the stake's - and + buttons.
constexpr plat::Rect kMoinsInactif{386, 110, 36, 36};
constexpr plat::Rect kPlusInactif{426, 110, 36, 36};
constexpr std::uint32_t kPauseTitreMs = 10;

void charger(Routines& r, const Fond& fond) {
    if (plat::Form* f = r.app.form(std::string(fond.form)))
        r.charger_fond(*f, std::string(fond.fichier));
    else
        r.image(std::string(fond.fichier));
}

template <std::size_t N>
void charger(Routines& r, const std::array<Fond, N>& fonds) {
    for (const Fond& f : fonds) charger(r, f);
}

constexpr std::array<std::string_view, 3> kFeuilles = {"11", "12", "13"};

// Everything read after the title picture and the first two backgrounds, in
// the order the start-up asks for it.
std::vector<std::string> a_lire_en_avance() {
    std::vector<std::string> noms;
    for (const Fond& f : kFondsAvantFeuilles) noms.emplace_back(f.fichier);
    for (std::string_view feuille : kFeuilles) noms.emplace_back(feuille);
    for (const Fond& f : kFondsSousLeTitre) noms.emplace_back(f.fichier);
    return noms;
}

void charger_feuilles(Routines& r) {
    r.divers.anim = r.image(std::string(kFeuilles[0]));
    r.divers.anim2 = r.image(std::string(kFeuilles[1]));
    r.divers.anim3 = r.image(std::string(kFeuilles[2]));
    r.divers.inactif = r.divers.anim2->clip(kInactif.x, kInactif.y, kInactif.w, kInactif.h);
    r.divers.moins_inactif = r.divers.anim2->clip(kMoinsInactif.x, kMoinsInactif.y, kMoinsInactif.w, kMoinsInactif.h);
    r.divers.plus_inactif = r.divers.anim2->clip(kPlusInactif.x, kPlusInactif.y, kPlusInactif.w, kPlusInactif.h);
}

}  // namespace

Chargement::Chargement(plat::Application& app) : plat::Form(app, "chargement") {
    Label1.set_caption(cp1252("Lexirama en cours de chargement... Merci de patienter un instant..."));
    Label1.place(20, 440, 600, 30);
    Label1.set_font_size(12);
    Label1.set_alignment(plat::Align::center);
    Label1.set_fore_color(plat::couleurs::blanc);
    logo.place(0, 0, plat::kLargeurEcran, 430);
}

void demarrer(Routines& r, Chargement& chargement, Titre& titre, const std::function<void()>& accueillir) {
    r.precharger_images(a_lire_en_avance());
    r.cacher_pointeur(kCentre);
    r.charger_fond(titre, "2");
    // The loading screen needs only the title picture: it is the first
    // thing the window shows, the rest loads behind it.
    chargement.logo.set_picture(r.image("2"));
    chargement.show();
    r.jouer_son("7.amb");
    r.app.do_events();
    charger(r, Fond{"depart", "1"});
    charger(r, Fond{"anagramme", "3"});
    charger(r, kFondsAvantFeuilles);
    charger_feuilles(r);
    r.charger_fond(titre, "2");
    chargement.hide();
    r.app.set_fullscreen(true);
    titre.show();
    r.app.wait_with_events(kPauseTitreMs);
    r.etat.en_jeu = false;
    r.etat.ambiance_bloquee = true;
    r.jouer_ambiance();
    r.etat.ambiance_bloquee = false;
    charger(r, kFondsSousLeTitre);
    // The menu's ambient draw stays silent while the name is entered.
    r.etat.en_jeu = true;
    accueillir();
    titre.hide();
}
