#include "games/hidden/mot_a_trouver.h"

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/reponse_fausse.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kGain = 7;
constexpr int kQuorixRepos = 0;

constexpr plat::Rect kCommentaire{20, 66, 484, 140};
constexpr int kTailleCommentaire = 13;
constexpr int kYCellules = 222;
// Under the alphabet's tray, clear of the book drawn at the left.
constexpr int kXIndice = 196;
constexpr int kYIndice = 410;
constexpr int kLargeurIndice = 306;

const std::string kQuestion = cp1252("Saurez-vous trouver le mot caché ci-dessous ?\rAllez, je vous aide un peu :\r");

}  // namespace

void MotATrouver::controler(const Enregistrement& e) { exiger_mot("13.bin", e[2].texte(), 1, kCellules); }

MotATrouver::MotATrouver(Routines& r)
    : plat::Form(r.app, "mot_a_trouver"),
      clavier(*this),
      r_(r),
      enigmes_(r, *this, "13.bin", {Champ::texte, Champ::texte, Champ::texte}, r.etat.position_mot_a_trouver,
               controler),
      saisie_(r, clavier, test, effacer) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    clavier.lettre.on_click([this](int i) { lettre_Click(i); });
    effacer.on_click = [this] { effacer_Click(); };
    test.on_click = [this] { test_Click(); };
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_mot.on_click = [this] { encore_mot_Click(); };
    fin_mot.on_click = [this] { fin_mot_Click(); };
    quorix.on_click = [this] { quorix_Click(); };
}

void MotATrouver::disposer() {
    placer_selon_dessin(quorix);
    placer_selon_dessin(test);
    placer_selon_dessin(effacer);
    placer_selon_dessin(encore_mot);
    placer_selon_dessin(fin_mot);
    preparer_label_score(label_score);
    preparer_cellules(reponse, kYCellules, kFondCelluleSombre);
    preparer_texte(commentaire, kCommentaire, kTailleCommentaire);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
    clavier.alphabet.set_visible(false);
}

// ---------------------------------------------------------------- a new word

void MotATrouver::Form_Activate() {
    poser_guide(r_, quorix, guides::mot_a_trouver, kQuorixRepos);
    vider_cellules();
    indice_achete_ = false;
    r_.rendre_inactif(encore_mot);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!poser_enigme(true)) return;
    r_.jouer_son("4.amb");
    animer_guide(r_, quorix, guides::mot_a_trouver);
    clavier.alphabet.set_visible(true);
}

void MotATrouver::vider_cellules() {
    for (auto& cellule : reponse) {
        cellule.set_fore_color(plat::couleurs::blanc);
        cellule.set_visible(false);
        cellule.set_caption("-");
    }
}

// Reads the word and shows its definition and one dash per letter.
bool MotATrouver::poser_enigme(bool ouverture) {
    auto e = ouverture ? enigmes_.reprendre() : enigmes_.suivante();
    if (!e) return false;
    indice_ = (*e)[1].texte();
    mot_ = (*e)[2].texte();
    commentaire.set_caption(kQuestion + (*e)[0].texte());
    int n = static_cast<int>(mot_.size());
    masque_.assign(mot_.size(), ' ');
    for (int i = 0; i < n; ++i) {
        reponse[i].set_visible(true);
        reponse[i].set_enabled(true);
    }
    Routines::placer_reponse(n, reponse);
    saisie_.commencer(n);
    return true;
}

// ---------------------------------------------------------------- the answer

void MotATrouver::lettre_Click(int index) {
    if (saisie_.pleine()) return;
    r_.jouer_son_touche();
    int i = saisie_.suivante();
    char lettre = Alphabet::lettre_de(index);
    reponse[i].set_caption(std::string(1, lettre));
    masque_[static_cast<std::size_t>(i)] = lettre;
    saisie_.lettre_ecrite();
}

void MotATrouver::effacer_Click() {
    saisie_.effacer([this] {
        for (auto& cellule : reponse) cellule.set_caption("-");
        masque_.assign(mot_.size(), ' ');
    });
}

void MotATrouver::test_Click() {
    saisie_.verifier();
    bool juste = egaux_sans_casse(masque_, mot_);
    int perte = perte_erreur(r_.etat);
    enigmes_.regler(juste ? kGain : -perte);
    if (juste)
        bonne_reponse();
    else
        mauvaise_reponse(perte);
    Routines::rendre_actif(encore_mot);
}

std::string MotATrouver::texte_reussite(const std::string& commentaire, const std::string& mot,
                                        const std::string& indice, bool indice_achete) {
    return commentaire + cp1252(" Vous avez trouvé ") + mot + " !\r" +
           (indice_achete ? cp1252("Vous avez dépensé 2 points pour acheter un indice, donc le gain final n'est que "
                                   "de 5 points !")
                          : cp1252("Je vous donne l'indice qui était disponible :\r") + indice);
}

std::string MotATrouver::texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete) {
    return commentaire + cp1252(" Voici la bonne réponse !\r") +
           (indice_achete ? cp1252(" Même en consultant l'indice vous n'avez pas trouvé ?")
                          : cp1252("Vous auriez dû consulter l'indice qui était : ") + indice);
}

void MotATrouver::bonne_reponse() {
    r_.jouer_victoire();
    for (std::size_t i = 0; i < mot_.size(); ++i) reponse[static_cast<int>(i)].set_fore_color(plat::couleurs::vert);
    commentaire.set_caption(texte_reussite(r_.commentaire(true), mot_, indice_, indice_achete_));
    indice_achete_ = true;
    r_.afficher_score(label_score);
    animer_guide(r_, quorix, guides::mot_a_trouver);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

void MotATrouver::mauvaise_reponse(int perte) {
    r_.jouer_defaite();
    montrer_perte(r_, commentaire, label_score, texte_erreur(r_.commentaire(false), indice_, indice_achete_), perte);
    indice_achete_ = true;
    r_.cacher_pointeur(kSurEncore);
    alterner_cellules(r_, reponse, masque_, mot_, plat::couleurs::rouge);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- buttons

void MotATrouver::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void MotATrouver::encore_mot_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    vider_cellules();
    indice_achete_ = false;
    r_.rendre_inactif(encore_mot);
    r_.preparer_indice(achat_indice);
    if (!poser_enigme(false)) return;
    clavier.alphabet.set_visible(true);
    r_.montrer_pointeur();
}

void MotATrouver::fin_mot_Click() {
    r_.retour_menu(*this);
    clavier.alphabet.set_visible(false);
}

void MotATrouver::quorix_Click() {
    r_.jouer_son("4.amb");
    animer_guide(r_, quorix, guides::mot_a_trouver);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<MotATrouver>(r); });
}
