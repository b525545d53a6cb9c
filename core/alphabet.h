#pragma once
// The on-screen alphabet: 26 square letter buttons A–Z in two rows of 13
// inside their frame, one handler receiving the letter's index.
#include "platform/controls.h"
#include "platform/form.h"

class Alphabet {
public:
    static constexpr int kNbLettres = 26;
    static constexpr int kParRangee = 13;
    static constexpr int kCote = 34;  // a finger-friendly square
    static constexpr int kPas = 36;
    static constexpr int kLargeur = kParRangee * kPas - (kPas - kCote);
    static constexpr int kHauteur = kPas + kCote;

    // The top-left corner of the first row.
    Alphabet(plat::Form& form, int x, int y);
    // Centred on the tray that the form's background draws for it.
    explicit Alphabet(plat::Form& form);

    plat::Frame alphabet;
    plat::ControlArray<plat::Button> lettre;

    static char lettre_de(int index) { return static_cast<char>('A' + index); }
    void tout_activer();
};
