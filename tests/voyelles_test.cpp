// The missing-vowel bet on the bench: a watch on the screen notes what the
// display shows, and so which vowel it hides.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

const std::string kToutes = "AEIOUY";
constexpr std::uint32_t kGuetMs = 50;

struct Partie {
    explicit Partie(int score) {
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        guet.on_tick = [this] { noter(); };
        guet.set_enabled(true);
        b.ouvrir("voyelles");
    }
    // While the sixth label is hidden, the five others show the display.
    void noter() {
        if (b.app().visible_form() != &ecran || b.label("reponse", 5).visible()) return;
        std::string vues;
        for (int i = 0; i < 5; ++i) vues += b.label("reponse", i).caption();
        if (affichages.empty() || affichages.back() != vues) affichages.push_back(vues);
        std::string compte = b.label("mot_a_chercher").caption();
        if (decompte.empty() || decompte.back() != compte) decompte.push_back(compte);
    }
    // The vowel no step of the last display showed.
    int cachee() const {
        std::set<char> vues;
        for (const std::string& a : affichages) vues.insert(a.begin(), a.end());
        for (int i = 0; i < 6; ++i)
            if (!vues.contains(kToutes[static_cast<std::size_t>(i)])) return i;
        return -1;
    }
    void nouveau_pari() {
        affichages.clear();
        decompte.clear();
        b.cliquer("encore_voyelles");
    }
    std::string texte(const std::string& label, int index = -1) { return utf8(b.label(label, index).caption()); }
    bool actif(const std::string& controle) { return b.controle(controle).enabled(); }

    Bench b;
    plat::Form& ecran = *b.app().form("voyelles");
    plat::Timer guet{ecran, kGuetMs};
    std::vector<std::string> affichages;
    std::vector<std::string> decompte;
};

TEST(Voyelles, TheDisplayShowsTheFiveOtherVowelsInChangingOrders) {
    Partie p(40);
    ASSERT_GE(p.affichages.size(), 2u);
    int cachee = p.cachee();
    ASSERT_NE(cachee, -1);
    std::string montrees = kToutes;
    montrees.erase(static_cast<std::size_t>(cachee), 1);
    for (std::string a : p.affichages) {
        std::ranges::sort(a);
        EXPECT_EQ(a, montrees);
    }
    EXPECT_EQ(p.decompte.front(), " 12");
    EXPECT_EQ(p.decompte.back(), " 0");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p.texte("reponse", i), std::string(1, kToutes[static_cast<std::size_t>(i)]));
        EXPECT_EQ(p.b.label("reponse", i).left(), 120 + 70 * i);
        EXPECT_TRUE(p.b.label("reponse", i).visible());
    }
    EXPECT_EQ(p.texte("commentaire"), "Je vais vous montrer rapidement 5 voyelles parmi les 6.\r"
                                      "Quelle voyelle ne faisait pas partie de la série ?\r"
                                      "Misez l'argent désiré et cliquez sur votre choix.");
    EXPECT_EQ(p.texte("mot_a_chercher"), "BANZAI !");
    EXPECT_EQ(p.texte("label_mise"), "10");
    EXPECT_TRUE(p.actif("plus"));
    EXPECT_FALSE(p.actif("fin_voyelles"));  // no leaving while a bet is open
}

TEST(Voyelles, ARightAnswerWinsTwiceTheStakeAndAWrongOneLosesIt) {
    for (bool juste : {true, false}) {
        Partie p(40);
        int cachee = p.cachee();
        int clic = juste ? cachee : (cachee + 1) % 6;
        p.b.appuyer("plus", -1, plat::kBoutonGauche);  // 20
        p.b.cliquer("reponse", clic);
        std::string cachee_texte(1, kToutes[static_cast<std::size_t>(cachee)]);
        std::string clic_texte(1, kToutes[static_cast<std::size_t>(clic)]);
        if (juste) {
            EXPECT_EQ(p.b.etat().score, 80);
            EXPECT_EQ(p.texte("mot_a_chercher"), "GAGNE !");
            EXPECT_EQ(p.texte("commentaire"), "phrase0\rLa voyelle cachée était bien " + cachee_texte +
                                                  " !\rVous avez un oeil d'aigle ! Vous gagnez 40 points !");
        } else {
            EXPECT_EQ(p.b.etat().score, 20);
            EXPECT_EQ(p.texte("mot_a_chercher"), "PERDU !");
            EXPECT_EQ(p.texte("commentaire"), "phrase7\r Ce n'est pas " + clic_texte + " mais " + cachee_texte +
                                                  " qu'il fallait désigner !\rVous perdez votre mise de 20 points !");
            EXPECT_EQ(p.b.label("reponse", clic).fore_color(), plat::couleurs::rouge);
        }
        EXPECT_EQ(p.b.label("reponse", cachee).fore_color(), plat::couleurs::vert);
        EXPECT_TRUE(p.actif("encore_voyelles"));
        EXPECT_TRUE(p.actif("fin_voyelles"));
        EXPECT_FALSE(p.actif("moins"));
        p.b.cliquer("reponse", cachee);  // answered: nothing more
        EXPECT_EQ(p.b.etat().score, juste ? 80 : 20);
    }
}

TEST(Voyelles, LosingBelowTenSaysGoodbye) {
    Partie p(10);
    p.b.cliquer("reponse", (p.cachee() + 1) % 6);
    EXPECT_EQ(p.b.etat().score, 0);
    EXPECT_TRUE(p.texte("commentaire").ends_with("Vous perdez votre mise de 10 points ! Revenez plus tard !"));
    EXPECT_EQ(p.texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_FALSE(p.actif("encore_voyelles"));
    EXPECT_TRUE(p.actif("fin_voyelles"));
}

TEST(Voyelles, WithoutTenPointsThePlayerIsSentAway) {
    Partie p(0);
    EXPECT_TRUE(p.affichages.empty());
    EXPECT_EQ(p.b.sons().names().back(), "12.def");
    EXPECT_EQ(p.texte("commentaire"),
              "GRAND JEU DES VOYELLES\r"
              "La mise MINIMALE est de 10 points et ... vous ne les avez PAS !!!\r"
              "Allez d'abord gagner des points aux autres jeux. A tout à l'heure !");
    EXPECT_EQ(p.texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_EQ(p.texte("gains"), "Vous ne pouvez pas miser la somme nécessaire !");
    EXPECT_TRUE(p.actif("fin_voyelles"));
    EXPECT_FALSE(p.actif("encore_voyelles"));
    for (int i = 0; i < 6; ++i) p.b.cliquer("reponse", i);
    EXPECT_EQ(p.b.etat().score, 0);
}

// A vowel clicked while the next display ran used to be settled at once,
// with the stake of the bet before.
TEST(Voyelles, AnAnswerDuringTheDisplayIsRefused) {
    Partie p(100);
    p.b.appuyer("label_mise", -1, plat::kBoutonGauche);
    p.b.cliquer("reponse", p.cachee());
    ASSERT_EQ(p.b.etat().score, 300);
    for (int i = 0; i < 6; ++i) p.b.cliquer_dans(500 + 100 * static_cast<std::uint32_t>(i), "reponse", i);
    p.nouveau_pari();
    EXPECT_EQ(p.b.etat().score, 300);
    EXPECT_EQ(p.b.etat().parties_voyelles.nombre(), 1);
    EXPECT_EQ(p.texte("label_mise"), "10");
    p.b.cliquer("reponse", p.cachee());
    EXPECT_EQ(p.b.etat().score, 320);
}

// The eagle clicked during a display used to dance over it, the display
// held still meanwhile.
TEST(Voyelles, TheEagleKeepsStillDuringTheDisplay) {
    Partie p(100);
    p.b.cliquer("reponse", p.cachee());
    for (std::uint32_t ms : {1u, 500u, 1500u}) p.b.cliquer_dans(ms, "aigle");
    p.nouveau_pari();
    const auto& sons = p.b.sons().names();
    EXPECT_EQ(std::count(sons.begin(), sons.end(), "6.amb"), 1);  // the opening's only
    EXPECT_TRUE(p.actif("aigle"));  // free again while the bet waits
}

}  // namespace
