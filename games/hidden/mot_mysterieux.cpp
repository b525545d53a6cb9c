#include "games/hidden/mot_mysterieux.h"

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/reponse_fausse.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kGain = 5;
constexpr int kTeteRepos = 0;
// No drawn position (1 to 5) is ever 7: the tag of a cell not yet in the order.
const std::string kSansPosition = "7";

constexpr plat::Rect kCommentaire{16, 64, 492, 112};
// A wrong answer's verdict takes four lines; the proposed letter it reaches
// over is hidden by then.
constexpr plat::Rect kQuestion{16, 178, 492, 100};
constexpr int kTailleTexte = 12;
constexpr int kXProposition = 298;
constexpr int kYProposition = 272;
constexpr int kYCellules = 334;
constexpr int kXIndice = 196;
constexpr int kYIndice = 404;
constexpr int kLargeurIndice = 306;

}  // namespace

void MotMysterieux::controler(const Enregistrement& e) { exiger_mot("9.bin", e[0].texte(), 1, kCellules); }

MotMysterieux::MotMysterieux(Routines& r)
    : plat::Form(r.app, "mot_mysterieux"),
      r_(r),
      enigmes_(r, *this, "9.bin", {Champ::texte, Champ::texte, Champ::texte}, r.etat.position_mot_mysterieux,
               controler) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    reponse.on_click([this](int i) { reponse_Click(i); });
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_mystere.on_click = [this] { encore_mystere_Click(); };
    fin_mystere.on_click = [this] { fin_mystere_Click(); };
    tete.on_click = [this] { tete_Click(); };
}

void MotMysterieux::disposer() {
    placer_selon_dessin(tete);
    placer_selon_dessin(encore_mystere);
    placer_selon_dessin(fin_mystere);
    preparer_label_score(label_score);
    preparer_texte(commentaire, kCommentaire, kTailleTexte);
    preparer_texte(question, kQuestion, kTailleTexte);
    preparer_cellules(reponse, kYCellules, kFondCelluleSombre);
    reponse[kProposition].set_left(kXProposition);
    reponse[kProposition].set_top(kYProposition);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
}

// ---------------------------------------------------------------- a new word

// Empty cells, no hint bought, the again button off until the verdict.
void MotMysterieux::preparer_nouveau_mot() {
    vider_cellules();
    placees_ = 0;
    indice_achete_ = false;
    r_.rendre_inactif(encore_mystere);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
}

void MotMysterieux::Form_Activate() {
    poser_guide(r_, tete, guides::mot_mysterieux, kTeteRepos);
    preparer_nouveau_mot();
    if (!poser_mot(true)) return;
    r_.jouer_son("10.ats");
    animer_guide(r_, tete, guides::mot_mysterieux);
}

void MotMysterieux::vider_cellules() {
    for (auto& cellule : reponse) {
        cellule.set_visible(false);
        cellule.set_caption("-");
        cellule.tag = kSansPosition;
        cellule.set_fore_color(plat::couleurs::blanc);
    }
    reponse[kProposition].set_visible(true);
}

// Reads the word, draws the order of its proposals and shows the first one,
// the instructions and the cells.
bool MotMysterieux::poser_mot(bool ouverture) {
    auto e = ouverture ? enigmes_.reprendre() : enigmes_.suivante();
    if (!e) return false;
    mot_ = (*e)[0].texte();
    aide_ = (*e)[1].texte();
    indice_ = (*e)[2].texte();
    commentaire.set_caption("");
    tirer_ordre();
    proposer(0);
    commentaire.set_caption(texte_ouverture(longueur(), aide_));
    masque_.assign(mot_.size(), ' ');
    for (int i = 0; i < longueur(); ++i) {
        reponse[i].set_visible(true);
        reponse[i].set_enabled(true);
    }
    Routines::placer_reponse(longueur(), reponse);
    return true;
}

// Cell i's tag is the position in the word of the letter proposed at turn
// i: positions are drawn until one is found that no cell holds yet.
void MotMysterieux::tirer_ordre() {
    auto deja_prise = [this](const std::string& position) {
        for (int i = 0; i <= longueur(); ++i)
            if (reponse[i].tag == position) return true;
        return false;
    };
    auto tirer_position = [this] { return std::to_string(r_.tirer(longueur()) + 1); };
    for (int i = 0; i < longueur(); ++i) {
        std::string position = tirer_position();
        while (deja_prise(position)) position = tirer_position();
        reponse[i].tag = position;
    }
}

void MotMysterieux::proposer(int numero) {
    char lettre = mot_[static_cast<std::size_t>(std::stoi(reponse[numero].tag) - 1)];
    reponse[kProposition].set_caption(std::string(1, lettre));
    question.set_caption(cp1252("Le sort vient de nous octroyer la lettre ") + lettre +
                         cp1252(".\rOù faut-il donc la placer ?"));
}

// ---------------------------------------------------------------- placing letters

void MotMysterieux::reponse_Click(int index) {
    if (index == kProposition || reponse[index].caption() != "-") return;
    r_.jouer_son_touche();
    const std::string& lettre = reponse[kProposition].caption();
    reponse[index].set_caption(lettre);
    masque_[static_cast<std::size_t>(index)] = lettre[0];
    ++placees_;
    if (fin_mystere.enabled()) r_.rendre_inactif(fin_mystere);
    if (placees_ < longueur())
        proposer(placees_);
    else
        juger();
}

void MotMysterieux::juger() {
    reponse[kProposition].set_visible(false);
    bool juste = egaux_sans_casse(masque_, mot_);
    int perte = perte_erreur(r_.etat);
    enigmes_.regler(juste ? kGain : -perte);
    if (juste)
        bonne_reponse();
    else
        mauvaise_reponse(perte);
    Routines::rendre_actif(encore_mystere);
    Routines::rendre_actif(fin_mystere);
    r_.montrer_pointeur();
}

void MotMysterieux::bonne_reponse() {
    r_.jouer_victoire();
    for (int i = 0; i < longueur(); ++i) reponse[i].set_fore_color(plat::couleurs::vert);
    question.set_caption(texte_reussite(r_.commentaire(true), mot_, indice_, indice_achete_));
    indice_achete_ = true;
    r_.afficher_score(label_score);
    animer_guide(r_, tete, guides::mot_mysterieux);
    r_.cacher_pointeur(kSurEncore);
}

void MotMysterieux::mauvaise_reponse(int perte) {
    r_.jouer_defaite();
    montrer_perte(r_, question, label_score, texte_erreur(r_.commentaire(false), indice_, indice_achete_), perte);
    r_.cacher_pointeur(kSurEncore);
    indice_achete_ = true;
    alterner_cellules(r_, reponse, masque_, mot_, plat::couleurs::jaune);
}

// ---------------------------------------------------------------- texts

std::string MotMysterieux::texte_ouverture(int longueur, const std::string& aide) {
    return cp1252("Je vais vous proposer une à une, mais dans le désordre, les ") + std::to_string(longueur) +
           cp1252(" lettres du mot caché ci-dessous. A vous de les placer !\rAide : ") + aide;
}

std::string MotMysterieux::texte_reussite(const std::string& commentaire, const std::string& mot,
                                          const std::string& indice, bool indice_achete) {
    return commentaire + cp1252(" Vous avez trouvé ") + mot + " !\r" +
           (indice_achete ? cp1252("Mais comme vous avez dépensé 2 points pour consulter l'indice, le "
                                   "gain final n'est que de 3 points !")
                          : cp1252("Et ceci sans avoir besoin de l'indice qui était :\r") + indice);
}

std::string MotMysterieux::texte_erreur(const std::string& commentaire, const std::string& indice,
                                        bool indice_achete) {
    return commentaire + cp1252(" Lisez donc la bonne réponse !\r") +
           (indice_achete ? cp1252(" Même en consultant l'indice vous n'avez pas trouvé ?")
                          : cp1252("L'indice était : ") + indice);
}

// ---------------------------------------------------------------- buttons

void MotMysterieux::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void MotMysterieux::encore_mystere_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    r_.rendre_inactif(fin_mystere);
    preparer_nouveau_mot();
    if (!poser_mot(false)) return;
    r_.montrer_pointeur();
}

void MotMysterieux::fin_mystere_Click() { r_.retour_menu(*this); }

void MotMysterieux::tete_Click() {
    r_.jouer_son("10.ats");
    animer_guide(r_, tete, guides::mot_mysterieux);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<MotMysterieux>(r); });
}
