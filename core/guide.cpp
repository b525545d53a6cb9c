#include "core/guide.h"

plat::Rect cadre_guide(const Guide& g, int chiffre) {
    return {g.pas * chiffre + g.base, g.y, g.largeur, g.hauteur};
}

void poser_guide(const Routines& r, plat::Image& perso, const Guide& g, int chiffre) {
    plat::Rect c = cadre_guide(g, chiffre);
    perso.set_picture(r.feuille(g.feuille)->clip(c.x, c.y, c.w, c.h));
}

void animer_guide(Routines& r, plat::Image& perso, const Guide& g) {
    r.cacher_pointeur(kCentre);
    for (char chiffre : g.images) {
        std::uint32_t debut = r.app.tick();
        poser_guide(r, perso, g, chiffre - '0');
        std::uint32_t ecoule = r.app.tick() - debut;
        if (ecoule < g.ms_par_image) r.app.wait_with_events(g.ms_par_image - ecoule);
    }
    r.montrer_pointeur();
}
