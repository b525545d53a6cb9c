#pragma once
// What the four betting screens share besides the stake board: the banner
// label that scrolls, counts down and blinks, the comment label, the goodbye
// of a player without the points to bet, and the draws of distinct numbers.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/routines.h"
#include "games/betting/mise.h"
#include "platform/controls.h"

// ---- layout shared by the four screens ----
void preparer_bandeau(plat::Label& mot_a_chercher);
void preparer_commentaire(plat::Label& commentaire);
// A row of answer boxes: one line of bold centred text on a coloured ground,
// the first box at `premiere`, each next one `ecart` pixels to its right.
struct RangeeDeCases {
    plat::Rect premiere;
    int ecart = 0;
    int taille = 0;
    plat::Couleur fond{};
    bool bordure = true;
};
void preparer_cases(plat::ControlArray<plat::Label>& cases, const RangeeDeCases& rangee);

// ---- the banner ----
// The banner shows 12 characters at a time.
inline constexpr std::size_t kLargeurBandeau = 12;
inline constexpr std::uint32_t kPasBandeauMs = 100;
// Scrolls a text through the banner one character every 100 ms, the sound
// played at each step.
void faire_defiler(Routines& r, plat::Label& bandeau, std::string_view texte, const std::string& son);
// The label takes one colour then the other, each for `ms`.
void clignoter_une_fois(Routines& r, plat::Label& label, plat::Couleur premiere, plat::Couleur seconde,
                        std::uint32_t ms);
void clignoter(Routines& r, plat::Label& label, int fois, plat::Couleur premiere, plat::Couleur seconde,
               std::uint32_t ms);

// ---- texts shared by the bets ----
std::string misez_et_cliquez();           // "\rMisez l'argent désiré et cliquez sur votre choix."
std::string perte_de_la_mise(int mise);   // "Vous perdez votre mise de 10 points !"
std::string revenez_plus_tard();          // " Revenez plus tard !", after a loss below the minimum stake
std::string au_revoir();                  // "AU REVOIR !"

// ---- a player who comes in without the points to bet ----
// The sound, the reason in the comment (under the game's title), the board
// showing "---", then four red and blue blinks of the comment; after each
// blink `apres_clignotement(i)`, when given, says goodbye somewhere on the screen.
void refuser_le_pari(Routines& r, plat::Label& commentaire, CommandesMise& mise, const std::string& son,
                     const std::string& titre, const std::function<void(int)>& apres_clignotement = {});

// ---- a bet under way ----
// From the preparation of a bet to the end of its verdict, neither the way
// back to the menu nor the guide answers: the display is never held still
// or left half-way, and a stake is settled before the player can leave.
void pari_en_cours(Routines& r, plat::Image& fin, plat::Image& guide);
// The verdict is over: both answer again.
void pari_clos(plat::Image& fin, plat::Image& guide);

// ---- chance ----
// `combien` draws from 0 to parmi − 1, each drawn again until it differs
// from the draws before it.
std::vector<int> tirages_distincts(Routines& r, int combien, int parmi);

// One more game started, for the player file.
void compter_partie(Valeur& parties);
