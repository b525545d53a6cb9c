#include "shell/fichier_joueur.h"

void sauver_joueur(Routines&) {}
