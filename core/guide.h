#pragma once
// The guide character of every game screen comes alive by showing frames
// cut from a sprite sheet, one after another. One routine, fifteen sets of
// constants.
#include <cstdint>
#include <string_view>

#include "core/routines.h"
#include "platform/controls.h"

struct Guide {
    std::string_view images;  // digit d = the frame at x = pas × d + base
    Feuille feuille;
    int pas, base, y, largeur, hauteur;
    std::uint32_t ms_par_image;
};

namespace guides {
//                                  frames                              sheet           step base  y  width height ms
inline constexpr Guide pendu{"0123450123450", Feuille::anim, 30, 1, 6, 29, 58, 130};
inline constexpr Guide lettre_en_trop{"2100123456543", Feuille::anim, 46, 185, 1, 45, 41, 130};
inline constexpr Guide anagramme{"544332221110066611122233445", Feuille::anim, 48, 0, 71, 47, 95, 40};
inline constexpr Guide mot_a_trouver{"123321001233210", Feuille::anim, 64, 340, 110, 63, 82, 130};
inline constexpr Guide mot_mysterieux{"11221100110011221100", Feuille::anim, 62, 87, 180, 61, 62, 80};
inline constexpr Guide codes{"221100112233221100112233", Feuille::anim, 69, 2, 371, 68, 94, 60};
inline constexpr Guide familles{"2211000011223300113322003311330033", Feuille::anim, 47, 274, 196, 46, 43, 60};
inline constexpr Guide deux_mots{"11223332211001122333221100", Feuille::anim, 40, 341, 60, 39, 44, 60};
inline constexpr Guide musique{"221100112233445566554433", Feuille::anim, 50, 280, 372, 49, 80, 60};
inline constexpr Guide masculin{"33221100112233443322110011223344", Feuille::anim2, 34, 1, 257, 33, 35, 50};
inline constexpr Guide nbre_lettres{"112233443322110", Feuille::anim2, 76, 1, 77, 75, 74, 90};
inline constexpr Guide unelettre{"00112233445544332211005", Feuille::anim3, 74, 1, 78, 73, 75, 60};
inline constexpr Guide voyelles{"112233445566554433221100112233445566554433221100", Feuille::anim3, 84, 1, 210, 83, 51,
                                30};
inline constexpr Guide phrase{"1122221111221100", Feuille::anim2, 58, 383, 1, 57, 50, 80};
inline constexpr Guide bonneteau{"110022001100220", Feuille::anim3, 106, 321, 264, 105, 77, 80};
}  // namespace guides

// The rectangle of one frame on its sheet.
plat::Rect cadre_guide(const Guide& g, int chiffre);

// Shows one frame in the guide's picture control (a form's resting frame).
void poser_guide(const Routines& r, plat::Image& perso, const Guide& g, int chiffre);

// Plays the whole frame string, the pointer hidden and parked at the centre.
// Each frame lasts its time from the start of its step, so drawing never
// makes the run drift; events are serviced between frames, and a click on
// the guide during its own run plays a nested run first.
void animer_guide(Routines& r, plat::Image& perso, const Guide& g);
