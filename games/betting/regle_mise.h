#pragma once
// The rules of the stake that the four betting games share, apart from any
// screen: a stake is a multiple of 10 between 10 and the score; a press on
// the amount takes everything (left button) or goes back to 10 (other
// button); + and − step by 10 (left button) or 50 (other button) and refuse,
// without a sound, a stake above the score or below 10.
//
// The amount shown, the gains shown and the stake settled always change
// together, so the player is always settled on the stake they read.
#include <cstdint>
#include <string>

// A number as the betting games write it in a text: one blank before the
// digits, or the minus sign in its place (" 20", "-5").
std::string texte_nombre(std::int64_t n);

enum class EtatMise {
    vivante,    // the player chooses the stake
    bloquee,    // a bet is being prepared or has been answered
    impossible  // the score is below the minimum stake
};

// Why no stake is possible: the player came in with too few points, or has
// just lost them.
enum class SansMise { a_l_entree, apres_un_pari };

class RegleMise {
public:
    static constexpr int kMinimum = 10;
    static constexpr int kPasGauche = 10;
    static constexpr int kPasAutreBouton = 50;

    static bool peut_miser(std::int64_t score) { return score >= kMinimum; }

    // A new bet: the stake goes back to 10 and stays there while the bet is prepared.
    void preparer();
    // The bet is open: the stake is 10 and the player may change it.
    void ouvrir();
    // The answer is given: the stake can no longer change.
    void bloquer();
    void interdire(SansMise quand);

    // Each press says whether it counted; a press that does not count
    // changes nothing at all.
    bool presser_montant(bool bouton_gauche, std::int64_t score);
    bool presser_plus(bool bouton_gauche, std::int64_t score);
    bool presser_moins(bool bouton_gauche);

    EtatMise etat() const { return etat_; }
    int mise() const { return mise_; }
    // What the amount label shows: "10" after a reset, " 40" after a change,
    // "---" when no stake is possible.
    const std::string& texte_montant() const { return texte_montant_; }
    // The two lines of the gains label, or why no stake is possible.
    std::string texte_gains() const;

private:
    static int pas(bool bouton_gauche) { return bouton_gauche ? kPasGauche : kPasAutreBouton; }
    void remettre_a_dix();
    void changer(int mise);

    EtatMise etat_ = EtatMise::bloquee;
    SansMise pourquoi_ = SansMise::a_l_entree;
    int mise_ = kMinimum;
    std::string texte_montant_ = "10";
};
