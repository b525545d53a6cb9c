#include "core/ecran_de_jeu.h"

#include "core/disposition.h"
#include "platform/form.h"

namespace {
constexpr int kLargeurCellule = 47;
constexpr int kHauteurCellule = 44;
constexpr int kTailleCellule = 24;
constexpr int kTailleScoreRepos = 18;
// No text of the game screens is drawn smaller: a long one shrinks down to it.
constexpr int kTailleMinimale = 11;
// Room for a hint of three short lines.
constexpr int kHauteurIndice = 66;
// Every game shows the score in the same place, top right, inside its drawn
// badge and right of the star at its left end.
constexpr plat::Rect kPlaceScore{541, 14, 77, 34};
// The badge is a drawn picture that cannot grow: a nine-digit score
// (the largest is 268435486) only fits it at 10 points.
constexpr int kTailleScoreMin = 10;
const plat::Couleur kEncreIndice{0x5A2D8C};
}  // namespace

void preparer_cellules(plat::ControlArray<plat::Label>& reponse, int y, plat::Couleur fond) {
    for (auto& cellule : reponse) {
        cellule.place(0, y, kLargeurCellule - 3, kHauteurCellule);
        cellule.set_font_size(kTailleCellule);
        cellule.set_bold(true);
        cellule.set_alignment(plat::Align::center);
        cellule.set_word_wrap(false);
        cellule.set_centred_on_capitals(true);
        cellule.set_back_color(fond);
        cellule.set_border(true);
        cellule.set_visible(false);
    }
}

void placer_selon_dessin(plat::Control& c) {
    plat::Rect r = disposition::de(c.form().name(), c.name());
    c.place(r.x, r.y, r.w, r.h);
}

void preparer_texte(plat::Label& label, const plat::Rect& place, int taille) {
    label.place(place.x, place.y, place.w, place.h);
    label.set_font_size(taille);
    label.set_min_font_size(kTailleMinimale);
    label.set_bold(true);
    label.set_alignment(plat::Align::center);
}

void preparer_label_score(plat::Label& label_score) {
    preparer_texte(label_score, kPlaceScore, kTailleScoreRepos);
    label_score.set_min_font_size(kTailleScoreMin);
    label_score.set_word_wrap(false);
}

void preparer_label_indice(plat::Label& achat_indice, int x, int y, int largeur) {
    achat_indice.place(x, y, largeur, kHauteurIndice);
    achat_indice.set_font_size(11);
    achat_indice.set_bold(true);
    achat_indice.set_fore_color(kEncreIndice);
    achat_indice.set_alignment(plat::Align::center);
}
