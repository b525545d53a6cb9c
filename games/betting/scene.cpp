#include "games/betting/scene.h"

#include <algorithm>

#include "core/ecran_de_jeu.h"
#include "platform/text.h"

namespace {
constexpr plat::Rect kPlaceBandeau{24, 72, 480, 48};
constexpr int kTailleBandeau = 28;
const plat::Couleur kContourBandeau{0x40232D};  // #2d2340, the outline of the drawings
constexpr plat::Rect kPlaceCommentaire{16, 126, 490, 140};
constexpr int kTailleCommentaire = 12;
constexpr std::uint32_t kClignotementAdieuMs = 200;
constexpr int kClignotementsAdieu = 4;
}  // namespace

void preparer_bandeau(plat::Label& mot_a_chercher) {
    preparer_texte(mot_a_chercher, kPlaceBandeau, kTailleBandeau);
    mot_a_chercher.set_word_wrap(false);
    // The inks the games name (a light green among them) ringed in the dark of
    // the outlines: they read on the cream of the page.
    mot_a_chercher.set_outline(kContourBandeau);
}

void preparer_commentaire(plat::Label& commentaire) {
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
}

void preparer_cases(plat::ControlArray<plat::Label>& cases, const RangeeDeCases& rangee) {
    for (auto& c : cases) {
        const plat::Rect& r = rangee.premiere;
        c.place(r.x + rangee.ecart * c.index(), r.y, r.w, r.h);
        c.set_font_size(rangee.taille);
        c.set_bold(true);
        c.set_alignment(plat::Align::center);
        c.set_word_wrap(false);
        c.set_back_color(rangee.fond);
        c.set_border(rangee.bordure);
    }
}

// ---------------------------------------------------------------- the banner

void faire_defiler(Routines& r, plat::Label& bandeau, std::string_view texte, const std::string& son) {
    for (std::size_t debut = 0; debut + kLargeurBandeau <= texte.size(); ++debut) {
        r.jouer_son(son);
        bandeau.set_caption(std::string(texte.substr(debut, kLargeurBandeau)));
        r.app.wait_with_events(kPasBandeauMs);
    }
}

void clignoter_une_fois(Routines& r, plat::Label& label, plat::Couleur premiere, plat::Couleur seconde,
                        std::uint32_t ms) {
    label.set_fore_color(premiere);
    r.app.wait_with_events(ms);
    label.set_fore_color(seconde);
    r.app.wait_with_events(ms);
}

void clignoter(Routines& r, plat::Label& label, int fois, plat::Couleur premiere, plat::Couleur seconde,
               std::uint32_t ms) {
    for (int i = 0; i < fois; ++i) clignoter_une_fois(r, label, premiere, seconde, ms);
}

// ---------------------------------------------------------------- texts

std::string misez_et_cliquez() { return cp1252("\rMisez l'argent désiré et cliquez sur votre choix."); }

std::string perte_de_la_mise(int mise) { return "Vous perdez votre mise de" + texte_nombre(mise) + " points !"; }

std::string revenez_plus_tard() { return " Revenez plus tard !"; }

std::string au_revoir() { return "AU REVOIR !"; }

// ---------------------------------------------------------------- no stake

void refuser_le_pari(Routines& r, plat::Label& commentaire, CommandesMise& mise, const std::string& son,
                     const std::string& titre, const std::function<void(int)>& apres_clignotement) {
    r.jouer_son(son);
    r.cacher_pointeur(kSurEncore);
    commentaire.set_caption(titre +
                            cp1252("\rLa mise MINIMALE est de 10 points et ... vous ne les avez PAS !!!"
                                   "\rAllez d'abord gagner des points aux autres jeux. A tout à l'heure !"));
    mise.interdire(SansMise::a_l_entree);
    for (int i = 0; i < kClignotementsAdieu; ++i) {
        clignoter_une_fois(r, commentaire, plat::couleurs::rouge, plat::couleurs::bleu, kClignotementAdieuMs);
        if (apres_clignotement) apres_clignotement(i);
    }
    commentaire.set_fore_color(plat::couleurs::noir);
    r.montrer_pointeur();
}

// ---------------------------------------------------------------- chance

std::vector<int> tirages_distincts(Routines& r, int combien, int parmi) {
    std::vector<int> tirages;
    while (static_cast<int>(tirages.size()) < combien) {
        int t = r.tirer(parmi);
        if (std::find(tirages.begin(), tirages.end(), t) == tirages.end()) tirages.push_back(t);
    }
    return tirages;
}

void pari_en_cours(Routines& r, plat::Image& fin, plat::Image& guide) {
    r.rendre_inactif(fin);
    guide.set_enabled(false);
}

void pari_clos(plat::Image& fin, plat::Image& guide) {
    Routines::rendre_actif(fin);
    guide.set_enabled(true);
}

void compter_partie(Valeur& parties) { parties = Valeur(parties.nombre() + 1); }
