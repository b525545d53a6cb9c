#include "shell/demande_prenom.h"

DemandePrenom::DemandePrenom(Routines& r) : plat::Form(r.app, "demande_prenom"), r_(r) {}
