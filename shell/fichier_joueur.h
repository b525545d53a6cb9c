#pragma once
// The player file datas/4.bin: name, score, progress and sound rotations.
#include "core/routines.h"

// Writes the player file atomically: a crash mid-save keeps the last save.
void sauver_joueur(Routines& r);
