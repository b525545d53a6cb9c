#include "games/hidden/unelettre.h"

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/reponse_fausse.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kGain = 7;
constexpr int kCraneRepos = 5;

constexpr plat::Rect kCommentaire{20, 66, 484, 140};
constexpr int kTailleCommentaire = 13;
// The two words side by side, each on its plaque.
constexpr int kXMots = 22;
constexpr int kYMots = 222;
constexpr int kLargeurMot = 232;
constexpr int kHauteurMot = 50;
constexpr int kEcartMots = 12;
constexpr int kTailleMot = 24;
constexpr int kXIndice = 196;
constexpr int kYIndice = 410;
constexpr int kLargeurIndice = 306;

const std::string kConsigne = cp1252("Seule leur première lettre est différente...\r");

// A word as far as it is known: its known letters, then " -" per letter still missing.
std::string mot_en_cours(const std::string& connues, std::size_t longueur) {
    std::string texte = connues;
    for (std::size_t i = connues.size(); i < longueur; ++i) texte += " -";
    return texte;
}

}  // namespace

// The ending is typed once for both words.
void Unelettre::controler(const Enregistrement& e) {
    const std::string mot = e[0].texte(), mot2 = e[1].texte();
    exiger_mot("14.bin", mot, 2, kLettresMax);
    exiger_mot("14.bin", mot2, mot.size(), mot.size());
    exiger(mot.substr(1) == mot2.substr(1), "14.bin", mot2, "il doit finir comme " + utf8(mot));
}

Unelettre::Unelettre(Routines& r)
    : plat::Form(r.app, "unelettre"),
      clavier(*this),
      r_(r),
      enigmes_(r, *this, "14.bin", {Champ::texte, Champ::texte, Champ::texte, Champ::texte}, r.etat.position_unelettre,
               controler),
      saisie_(r, clavier, test, effacer) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    clavier.lettre.on_click([this](int i) { lettre_Click(i); });
    effacer.on_click = [this] { effacer_Click(); };
    test.on_click = [this] { test_Click(); };
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_1lettre.on_click = [this] { encore_1lettre_Click(); };
    fin_1lettre.on_click = [this] { fin_1lettre_Click(); };
    crane.on_click = [this] { crane_Click(); };
}

void Unelettre::disposer() {
    placer_selon_dessin(crane);
    placer_selon_dessin(test);
    placer_selon_dessin(effacer);
    placer_selon_dessin(encore_1lettre);
    placer_selon_dessin(fin_1lettre);
    preparer_label_score(label_score);
    preparer_texte(commentaire, kCommentaire, kTailleCommentaire);
    for (auto& mot : reponse) {
        mot.place(kXMots + mot.index() * (kLargeurMot + kEcartMots), kYMots, kLargeurMot, kHauteurMot);
        mot.set_font_size(kTailleMot);
        mot.set_bold(true);
        mot.set_alignment(plat::Align::center);
        mot.set_word_wrap(false);
        mot.set_back_color(kFondCelluleClair);
        mot.set_border(true);
    }
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
    clavier.alphabet.set_visible(false);
}

// ---------------------------------------------------------------- a new pair

void Unelettre::Form_Activate() {
    r_.cacher_pointeur(kCentre);
    poser_guide(r_, crane, guides::unelettre, kCraneRepos);
    r_.etat.survol = false;
    indice_achete_ = false;
    r_.rendre_inactif(encore_1lettre);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!poser_enigme(true)) return;
    r_.jouer_son("15.amb");
    animer_guide(r_, crane, guides::unelettre);
    clavier.alphabet.set_visible(true);
}

// Reads the pair and shows both first letters, the help and the dashes.
bool Unelettre::poser_enigme(bool ouverture) {
    auto e = ouverture ? enigmes_.reprendre() : enigmes_.suivante();
    if (!e) return false;
    mot_ = (*e)[0].texte();
    mot2_ = (*e)[1].texte();
    aide_ = (*e)[2].texte();
    indice_ = (*e)[3].texte();
    commentaire.set_caption(kConsigne + cp1252("Allez, je vous aide un peu : \r") + aide_);
    tapees_.clear();
    montrer_saisie();
    saisie_.commencer(static_cast<int>(mot_.size()), 1);
    return true;
}

void Unelettre::montrer_mots(const std::string& premier, const std::string& second, plat::Couleur couleur) {
    reponse[0].set_caption(premier);
    reponse[1].set_caption(second);
    for (auto& mot : reponse) mot.set_fore_color(couleur);
}

void Unelettre::montrer_saisie() {
    montrer_mots(mot_en_cours(mot_.substr(0, 1) + tapees_, mot_.size()),
                 mot_en_cours(mot2_.substr(0, 1) + tapees_, mot2_.size()), plat::couleurs::noir);
}

// ---------------------------------------------------------------- the answer

void Unelettre::lettre_Click(int index) {
    if (saisie_.pleine()) return;
    r_.jouer_son_touche();
    tapees_ += Alphabet::lettre_de(index);
    montrer_saisie();
    saisie_.lettre_ecrite();
    if (saisie_.pleine())
        commentaire.set_caption(cp1252("Vous avez entré les ") + std::to_string(mot_.size()) +
                                cp1252(" lettres des mots !\rVérifiez votre réponse et utilisez ensuite les "
                                       "boutons EFFACER ou TESTER."));
}

void Unelettre::effacer_Click() {
    saisie_.effacer([this] {
        commentaire.set_caption(kConsigne + cp1252("Allez, je vous aide un peu :\r") + aide_);
        tapees_.clear();
        montrer_saisie();
    });
}

void Unelettre::test_Click() {
    r_.cacher_pointeur(kSurEncore);
    saisie_.verifier();
    bool juste = egaux_sans_casse(reponse[0].caption(), mot_);
    int perte = perte_erreur(r_.etat);
    enigmes_.regler(juste ? kGain : -perte);
    if (juste)
        bonne_reponse();
    else
        mauvaise_reponse(perte);
    Routines::rendre_actif(encore_1lettre);
    r_.montrer_pointeur();
}

std::string Unelettre::texte_reussite(const std::string& commentaire, const std::string& indice, bool indice_achete) {
    return commentaire + cp1252(" Vous avez trouvé !\r") +
           (indice_achete ? cp1252("Suite à l'achat de l'indice vous ne gagnez que 5 points !")
                          : cp1252("Indice : ") + indice + cp1252("\rCliquez sur le bouton ENCORE pour continuer."));
}

std::string Unelettre::texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete) {
    return commentaire + "\r" +
           (indice_achete ? cp1252(" Même en consultant l'indice vous n'avez pas trouvé ?")
                          : cp1252("Indice : ") + indice);
}

void Unelettre::bonne_reponse() {
    r_.jouer_victoire();
    for (auto& mot : reponse) mot.set_fore_color(plat::couleurs::bleu);
    commentaire.set_caption(texte_reussite(r_.commentaire(true), indice_, indice_achete_));
    indice_achete_ = true;
    r_.afficher_score(label_score);
    animer_guide(r_, crane, guides::unelettre);
    r_.cacher_pointeur(kSurEncore);
}

void Unelettre::mauvaise_reponse(int perte) {
    r_.jouer_defaite();
    montrer_perte(r_, commentaire, label_score, texte_erreur(r_.commentaire(false), indice_, indice_achete_), perte);
    r_.cacher_pointeur(kSurEncore);
    indice_achete_ = true;
    std::string premier = reponse[0].caption(), second = reponse[1].caption();
    alterner(
        r_, [&] { montrer_mots(premier, second, plat::couleurs::rouge); },
        [&] { montrer_mots(mot_, mot2_, plat::couleurs::bleu); });
}

// ---------------------------------------------------------------- buttons

void Unelettre::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void Unelettre::encore_1lettre_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    clavier.alphabet.set_visible(true);
    r_.etat.survol = false;
    indice_achete_ = false;
    r_.rendre_inactif(encore_1lettre);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!poser_enigme(false)) return;
    r_.montrer_pointeur();
}

void Unelettre::fin_1lettre_Click() {
    r_.retour_menu(*this);
    clavier.alphabet.set_visible(false);
}

void Unelettre::crane_Click() {
    r_.jouer_son("15.amb");
    animer_guide(r_, crane, guides::unelettre);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Unelettre>(r); });
}
