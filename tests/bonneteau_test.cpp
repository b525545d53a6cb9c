// The word shell game on the bench: a watch on the screen notes under which
// hat each word was shown before the shuffle.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "platform/text.h"
#include "tests/bench.h"

namespace {

constexpr int kChapeaux = 3;
constexpr std::uint32_t kGuetMs = 50;

// 450 different words, so that the three words of a bet always differ.
std::vector<std::vector<std::string>> mots_differents() {
    std::vector<std::vector<std::string>> mots;
    for (int i = 0; i < 450; ++i)
        mots.push_back({std::string{'M', static_cast<char>('A' + i / 26 % 26), static_cast<char>('A' + i % 26), 'O'}});
    return mots;
}

struct Partie {
    explicit Partie(int score) {
        b.ecrire_datas("10.bin", fichier_de_mots(mots_differents()));
        b.demarrer();
        b.etat().score = score;
        for (int i = 0; i < kNbCommentaires - 1; ++i) b.etat().commentaires[i] = "phrase" + std::to_string(i);
        guet.on_tick = [this] { noter(); };
        guet.set_enabled(true);
        b.ouvrir("bonneteau");
    }
    // Before the shuffle the three hats show their own words.
    void noter() {
        if (b.app().visible_form() != &ecran || !places.empty()) return;
        std::map<std::string, int> vues;
        for (int i = 0; i < kChapeaux; ++i) vues[b.label("bonnet", i).caption()] = i;
        if (!vues.contains("") && !vues.contains("AU REVOIR !")) places = vues;
    }
    void nouveau_pari() {
        places.clear();
        b.cliquer("encore_bonneteau");
    }
    int chapeau_du_mot_demande() { return places.at(b.label("mot_a_chercher").caption()); }
    // A hat still down that hides another word, not tried yet for this word.
    int autre_chapeau() {
        std::string demande = b.label("mot_a_chercher").caption();
        for (int i = 0; i < kChapeaux; ++i)
            if (i != chapeau_du_mot_demande() && b.label("bonnet", i).caption().empty() &&
                !rates.contains({demande, i}))
                return i;
        throw std::logic_error("plus de chapeau à rater");
    }
    void trouver() { b.cliquer("bonnet", chapeau_du_mot_demande()); }
    void rater() {
        int chapeau = autre_chapeau();
        rates.insert({b.label("mot_a_chercher").caption(), chapeau});
        b.cliquer("bonnet", chapeau);
    }
    // Both wrong hats for the first word, the first word found, one wrong
    // hat for the second: the four tries are gone.
    void perdre() {
        rater();
        rater();
        trouver();
        rater();
    }
    std::string texte(const std::string& label, int index = -1) { return utf8(b.label(label, index).caption()); }
    bool actif(const std::string& controle) { return b.controle(controle).enabled(); }

    Bench b;
    plat::Form& ecran = *b.app().form("bonneteau");
    plat::Timer guet{ecran, kGuetMs};
    std::map<std::string, int> places;  // word -> hat
    std::set<std::pair<std::string, int>> rates;  // (word asked, hat tried in vain)
};

TEST(Bonneteau, TheWordsAreHiddenAndAskedForOneByOne) {
    Partie p(40);
    ASSERT_EQ(p.places.size(), 3u);
    for (int i = 0; i < kChapeaux; ++i) EXPECT_EQ(p.texte("bonnet", i), "");
    std::string mot = p.b.label("mot_a_chercher").caption();
    EXPECT_TRUE(p.places.contains(mot));
    EXPECT_EQ(p.b.label("mot_a_chercher").fore_color(), plat::couleurs::vert);
    EXPECT_EQ(p.texte("commentaire"), "A vous de retrouver les mots à présent !\rNous allons commencer par le mot " +
                                          mot + ". Où est-il ?\rEssais disponibles : 4");
    EXPECT_EQ(p.texte("label_mise"), "10");
    EXPECT_FALSE(p.actif("fin_bonneteau"));  // the bet is under way: it ends before the player leaves
    EXPECT_FALSE(p.actif("encore_bonneteau"));
}

TEST(Bonneteau, MissThenThreeHitsWinsOnTheLastTry) {
    Partie p(40);
    p.b.appuyer("plus", -1, plat::kBoutonGauche);  // 20
    p.rater();
    EXPECT_TRUE(p.texte("commentaire").starts_with("Désolé ! "));
    EXPECT_TRUE(p.texte("commentaire").ends_with(
        " ne se trouve pas ici !\rLa chance n'est pas au rendez-vous on dirait !\rEssais disponibles : 3"));
    EXPECT_FALSE(p.actif("fin_bonneteau"));
    std::string premier = p.b.label("mot_a_chercher").caption();
    p.trouver();
    EXPECT_EQ(p.texte("bonnet", p.places.at(premier)), premier);
    EXPECT_EQ(p.b.label("commentaire").caption(),
              "Vous venez de trouver la place de " + premier + " !\rNous allons continuer par le mot " +
                  p.b.label("mot_a_chercher").caption() + cp1252(". Où est-il ?") + "\rEssais disponibles : 2");
    p.trouver();
    p.trouver();
    EXPECT_EQ(p.b.etat().score, 80);
    EXPECT_EQ(p.texte("commentaire"),
              "phrase0\rVous aviez regardé sous les cases ? Allez, avouez-le !\rVous venez de gagner 40 points !");
    EXPECT_EQ(p.texte("mot_a_chercher"), "GAGNE !");
    EXPECT_EQ(p.b.label("mot_a_chercher").fore_color(), plat::couleurs::vert);
    EXPECT_TRUE(p.actif("encore_bonneteau"));
    EXPECT_TRUE(p.actif("fin_bonneteau"));
    for (int i = 0; i < kChapeaux; ++i) p.b.cliquer("bonnet", i);  // the bet is over
    EXPECT_EQ(p.b.etat().score, 80);
}

TEST(Bonneteau, AfterTheFourthTryTheSolutionShowsInRed) {
    Partie p(40);
    int rate = p.autre_chapeau();
    p.rater();
    p.b.cliquer("bonnet", rate);  // the same wrong hat again, as a double click: no second try lost
    p.rater();
    std::string trouve = p.b.label("mot_a_chercher").caption();
    p.trouver();
    p.b.cliquer("bonnet", p.places.at(trouve));  // a lifted hat costs no try
    EXPECT_TRUE(p.texte("commentaire").ends_with("Essais disponibles : 1"));
    p.rater();
    EXPECT_EQ(p.b.etat().score, 30);
    EXPECT_EQ(p.texte("commentaire"), "Il ne vous reste plus aucune tentative !\rJe vous donne donc la solution !\r"
                                      "Naturellement vous perdez votre mise de 10 points !");
    EXPECT_EQ(p.texte("mot_a_chercher"), "PERDU !");
    EXPECT_EQ(p.b.label("mot_a_chercher").fore_color(), plat::couleurs::rouge);
    for (const auto& [mot, chapeau] : p.places) {
        EXPECT_EQ(p.b.label("bonnet", chapeau).caption(), mot);
        EXPECT_EQ(p.b.label("bonnet", chapeau).fore_color(),
                  mot == trouve ? plat::couleurs::bleu : plat::couleurs::rouge);
    }
    EXPECT_TRUE(p.actif("encore_bonneteau"));
    EXPECT_TRUE(p.actif("fin_bonneteau"));
}

TEST(Bonneteau, TheFirstClickOnAHatLocksTheStake) {
    Partie p(100);
    p.b.appuyer("plus", -1, plat::kBoutonDroit);
    EXPECT_EQ(p.texte("label_mise"), " 60");
    p.rater();
    p.b.appuyer("plus", -1, plat::kBoutonGauche);
    p.b.appuyer("label_mise", -1, plat::kBoutonGauche);
    EXPECT_EQ(p.texte("label_mise"), " 60");
    EXPECT_TRUE(p.actif("plus"));  // left enabled, without effect
    p.rater();
    p.trouver();
    p.rater();
    EXPECT_EQ(p.b.etat().score, 40);
}

TEST(Bonneteau, LosingBelowTenSaysGoodbye) {
    Partie p(10);
    p.perdre();
    EXPECT_EQ(p.b.etat().score, 0);
    EXPECT_EQ(p.texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_EQ(p.texte("gains"), "Vous ne pouvez plus miser la somme nécessaire !");
    EXPECT_FALSE(p.actif("encore_bonneteau"));
    EXPECT_TRUE(p.actif("fin_bonneteau"));
}

TEST(Bonneteau, WithoutTenPointsThePlayerIsSentAway) {
    Partie p(9);
    EXPECT_EQ(p.b.sons().names().back(), "13.def");
    EXPECT_EQ(p.texte("commentaire"),
              "GRAND JEU DU MONNETEAU\r"
              "La mise MINIMALE est de 10 points et ... vous ne les avez PAS !!!\r"
              "Allez d'abord gagner des points aux autres jeux. A tout à l'heure !");
    for (int i = 0; i < kChapeaux; ++i) EXPECT_EQ(p.texte("bonnet", i), "AU REVOIR !");
    EXPECT_EQ(p.texte("mot_a_chercher"), "AU REVOIR !");
    EXPECT_EQ(p.texte("label_mise"), "---");
    EXPECT_EQ(p.texte("gains"), "Vous ne pouvez pas miser la somme nécessaire !");
    EXPECT_FALSE(p.actif("plus"));
    EXPECT_FALSE(p.actif("encore_bonneteau"));
    EXPECT_TRUE(p.b.backend().cursor_visible());
    p.b.cliquer("bonnet", 0);
    EXPECT_EQ(p.texte("bonnet", 0), "AU REVOIR !");
    EXPECT_EQ(p.b.etat().score, 9);
}

// A hat clicked during the shuffle used to count, and a stake chosen then
// showed on the board while 10 was settled.
TEST(Bonneteau, DuringTheShuffleNeitherHatsNorStakeMove) {
    Partie p(100);
    p.trouver();
    p.trouver();
    p.trouver();
    ASSERT_EQ(p.b.etat().score, 120);
    for (std::uint32_t ms : {1000u, 5000u, 6000u}) {
        p.b.cliquer_dans(ms, "bonnet", 0);
        p.b.cliquer_dans(ms + 10, "label_mise");
    }
    p.nouveau_pari();
    EXPECT_EQ(p.b.etat().parties_bonneteau.nombre(), 1);
    EXPECT_TRUE(p.texte("commentaire").ends_with("Essais disponibles : 4"));
    for (int i = 0; i < kChapeaux; ++i) EXPECT_EQ(p.texte("bonnet", i), "");
    EXPECT_EQ(p.texte("label_mise"), "10");
    const auto sons = p.b.sons().names();
    EXPECT_EQ(std::ranges::count(sons, "4.ats"), 0);  // no stake press counted
    EXPECT_FALSE(p.actif("fin_bonneteau"));
    p.perdre();
    EXPECT_EQ(p.b.etat().score, 110);
}

}  // namespace
