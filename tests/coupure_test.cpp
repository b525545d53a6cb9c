// Where the text layout may break a line: never before closing punctuation
// nor inside guillemets, as French typography asks.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include "platform/canvas.h"
#include "platform/fonts.h"
#include "platform/text.h"

namespace {

const plat::TextStyle kStyle{13, true};

int largeur(const std::string& texte) {
    int w = 0, h = 0;
    TTF_SizeUTF8(plat::fonts().font(kStyle.size, kStyle.bold), texte.c_str(), &w, &h);
    return w;
}

// The right edge of the ink on the first line of the laid-out text.
int bord_droit_premiere_ligne(const std::string& texte, int largeur_boite) {
    plat::Canvas toile;
    toile.clear(plat::couleurs::blanc);
    toile.draw(*plat::render_text(cp1252(texte), kStyle, largeur_boite), 0, 0, {0, 0, plat::kLargeurEcran, 20});
    int bord = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < largeur_boite; ++x)
            if (toile.picture().pixel_at(x, y) != plat::couleurs::blanc) bord = std::max(bord, x + 1);
    return bord;
}

TEST(Coupure, PunctuationStaysWithItsWord) {
    struct Cas {
        const char* texte;
        const char* sans_regle;  // what the first line would hold without the rule
        const char* attendu;     // what it holds
    };
    for (const Cas& c : {Cas{"Oui Bravo !!!", "Oui Bravo", "Oui"},
                         Cas{"Tu le sais bien ?", "Tu le sais bien", "Tu le sais"},
                         Cas{"Il dit : miaou", "Il dit", "Il"},
                         Cas{"Voici le « mot » caché", "Voici le « mot", "Voici le"}}) {
        // Room for the words and the blank after them, not for the next sign.
        int boite = largeur(std::string(c.sans_regle) + " ") + 2;
        EXPECT_LE(bord_droit_premiere_ligne(c.texte, boite), largeur(c.attendu) + 1) << c.texte;
    }
}

}  // namespace
