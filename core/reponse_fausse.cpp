#include "core/reponse_fausse.h"

#include <cstdint>

#include "core/verdict.h"
#include "platform/text.h"

namespace {
constexpr int kTours = 4;
constexpr std::uint32_t kPauseMs = 300;

void montrer_lettres(plat::ControlArray<plat::Label>& reponse, const std::string& lettres, const std::string& mot,
                     plat::Couleur couleur_faute) {
    for (std::size_t i = 0; i < mot.size(); ++i) {
        plat::Label& cellule = reponse[static_cast<int>(i)];
        cellule.set_caption(std::string(1, lettres[i]));
        cellule.set_fore_color(lettres[i] == mot[i] ? plat::couleurs::vert : couleur_faute);
    }
}
}  // namespace

std::string ligne_perte_erreur(int perte) {
    return perte == kPerteErreur ? cp1252("\rCette erreur vous fait perdre 2 points !")
                                        : cp1252("\rVous n'avez plus aucun point !");
}

void montrer_perte(Routines& r, plat::Label& verdict, plat::Label& label_score, const std::string& texte, int perte) {
    verdict.set_caption(texte);
    if (perte != 0) r.afficher_score(label_score);
    verdict.set_caption(texte + ligne_perte_erreur(perte));
}

void alterner(Routines& r, const std::function<void()>& reponse_du_joueur, const std::function<void()>& bonne_reponse,
              Cadence cadence) {
    auto regarder = [&](const std::function<void()>& montrer) {
        if (cadence == Cadence::pause_puis_image) r.app.wait_with_events(kPauseMs);
        montrer();
        if (cadence == Cadence::image_puis_pause) r.app.wait_with_events(kPauseMs);
    };
    for (int tour = 0; tour < kTours; ++tour) {
        regarder(reponse_du_joueur);
        regarder(bonne_reponse);
    }
}

void alterner_cellules(Routines& r, plat::ControlArray<plat::Label>& reponse, std::string du_joueur, std::string mot,
                       plat::Couleur couleur_faute) {
    alterner(
        r, [&] { montrer_lettres(reponse, du_joueur, mot, couleur_faute); },
        [&] { montrer_lettres(reponse, mot, mot, couleur_faute); });
}
