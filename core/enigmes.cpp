#include "core/enigmes.h"

#include <utility>

Enigmes::Enigmes(Routines& r, plat::Form& jeu, std::string fichier, FormatEnregistrement format, Valeur& position,
                 Controle controle)
    : r_(r),
      jeu_(jeu),
      fichier_(std::move(fichier)),
      format_(std::move(format)),
      position_(position),
      controle_(std::move(controle)) {}

std::optional<Enregistrement> Enigmes::reprendre() { return lire(true); }

// The file is open as long as the screen is shown; should it have been
// dropped meanwhile, it is opened again where the player stands.
std::optional<Enregistrement> Enigmes::suivante() { return lire(!lecteur_); }

std::optional<Enregistrement> Enigmes::lire(bool ouverture) {
    try {
        if (ouverture) {
            lecteur_.emplace(r_.dossier_datas() / fichier_, format_, position_);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
        }
        Enregistrement e = ouverture ? lecteur_->reprendre() : lecteur_->suivant();
        controle_(e);
        return e;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(jeu_, e.what());
        return std::nullopt;
    }
}

void Enigmes::regler(std::int64_t points) { r_.regler(points, position_); }
