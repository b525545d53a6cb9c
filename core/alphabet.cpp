#include "core/alphabet.h"

#include "core/disposition.h"

namespace {
// The top-left corner that centres the letters on the form's tray.
plat::Rect centre_du_plateau(const plat::Form& form) {
    plat::Rect plateau = disposition::de(form.name(), "alphabet");
    return {plateau.x + (plateau.w - Alphabet::kLargeur) / 2, plateau.y + (plateau.h - Alphabet::kHauteur) / 2,
            Alphabet::kLargeur, Alphabet::kHauteur};
}
}  // namespace

Alphabet::Alphabet(plat::Form& form, int x, int y)
    : alphabet(form, "alphabet"), lettre(form, "lettre", kNbLettres) {
    alphabet.place(x, y, kLargeur, kHauteur);
    for (auto& bouton : lettre) {
        int i = bouton.index();
        bouton.place(x + (i % kParRangee) * kPas, y + (i / kParRangee) * kPas, kCote, kCote);
        bouton.set_caption(std::string(1, lettre_de(i)));
        bouton.set_font_size(14);
        bouton.put_in(alphabet);
    }
}

Alphabet::Alphabet(plat::Form& form) : Alphabet(form, centre_du_plateau(form).x, centre_du_plateau(form).y) {}

void Alphabet::tout_activer() {
    for (auto& bouton : lettre) bouton.set_enabled(true);
}
