#pragma once
// What every game screen shares: the row of answer cells, the score label,
// the hint offer, and the picture buttons that lie over faces drawn on the
// background (placed from the same table the background is drawn from).
#include "platform/controls.h"

// The answer cells: bold 24 point letters, one 47-pixel box each, laid out
// across the screen by placer_reponse. Light boxes suit dark letters; the
// games whose letters are white, green, red or yellow take dark boxes.
inline constexpr plat::Couleur kFondCelluleClair{0xF4FBFF};
inline constexpr plat::Couleur kFondCelluleSombre{0x5C2234};
void preparer_cellules(plat::ControlArray<plat::Label>& reponse, int y, plat::Couleur fond = kFondCelluleClair);

// Puts a control where the background draws it (its form and own name).
void placer_selon_dessin(plat::Control& controle);

// A text of the game screens (comment, banner, word): bold and centred, at
// its place and size.
void preparer_texte(plat::Label& label, const plat::Rect& place, int taille);

// The score label at the top right, 18 point at rest.
void preparer_label_score(plat::Label& label_score);

// The hint offer label: two lines that become the hint once it is bought.
void preparer_label_indice(plat::Label& achat_indice, int x, int y, int largeur);
