#include "core/alphabet.h"

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

void Alphabet::tout_activer() {
    for (auto& bouton : lettre) bouton.set_enabled(true);
}
