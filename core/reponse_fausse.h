#pragma once
// What a wrong answer does in the games where the player spells a word: the
// points it costs, and the player's answer shown in turn with the right one
// so that the difference catches the eye.
#include <functional>
#include <string>

#include "core/routines.h"
#include "platform/controls.h"

// The line that tells what a wrong answer took (perte_erreur), a line break
// first, to add to the verdict.
std::string ligne_perte_erreur(int perte);
// A wrong answer's verdict in its label: the text, the score pulsing when
// points were taken, then the line that says what was taken.
void montrer_perte(Routines& r, plat::Label& verdict, plat::Label& label_score, const std::string& texte, int perte);

// Whether each look comes after its pause of 300 ms, or before it.
enum class Cadence { pause_puis_image, image_puis_pause };

// Four turns of the player's answer then the right one, 300 ms each: the
// screen ends on the right answer. Events are serviced during the pauses.
void alterner(Routines& r, const std::function<void()>& reponse_du_joueur, const std::function<void()>& bonne_reponse,
              Cadence cadence = Cadence::pause_puis_image);

// The same on a row of letter cells: the player's letters, in
// `couleur_faute` where they differ from the word's and in green where they
// match, then the word's letters in green.
void alterner_cellules(Routines& r, plat::ControlArray<plat::Label>& reponse, std::string du_joueur, std::string mot,
                       plat::Couleur couleur_faute);
