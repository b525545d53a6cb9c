#include "games/betting/voyelles.h"

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "games/betting/scene.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kAigleRepos = 0;
const std::string kToutes = "AEIOUY";
constexpr int kMontrees = Voyelles::kVoyelles - 1;

// During the display the five vowels stand centred; the six answers stand a
// little further left.
constexpr int kXAffichage = 156;
constexpr int kXReponses = 120;
constexpr int kEcart = 70;
constexpr int kYVoyelles = 290;
constexpr int kLargeurVoyelle = 56;
constexpr int kHauteurVoyelle = 54;
constexpr int kTailleVoyelle = 28;
// White letters, as green or red ones after the answer, read on a dark tile.
const plat::Couleur kFondVoyelle{0x4A2F2B};

constexpr int kEtapesAffichage = 13;  // a countdown from 12 to 0
constexpr std::uint32_t kPasAffichageMs = 100;
constexpr std::uint32_t kClignotementBanniereMs = 100;
constexpr int kClignotementsBanniere = 5;
constexpr std::uint32_t kClignotementReponseMs = 250;
constexpr int kClignotementsReponse = 4;

const std::string kAttention = "             ATTENTION ... PREPAREZ-VOUS ...";

}  // namespace

Voyelles::Voyelles(Routines& r) : plat::Form(r.app, "voyelles"), mise(*this, r, BoutonsBloques::grises), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    reponse.on_click([this](int i) { reponse_Click(i); });
    encore_voyelles.on_click = [this] { encore_voyelles_Click(); };
    fin_voyelles.on_click = [this] { fin_voyelles_Click(); };
    aigle.on_click = [this] { aigle_Click(); };
}

void Voyelles::disposer() {
    placer_selon_dessin(aigle);
    placer_selon_dessin(encore_voyelles);
    placer_selon_dessin(fin_voyelles);
    preparer_label_score(label_score);
    preparer_bandeau(mot_a_chercher);
    mot_a_chercher.set_fore_color(plat::couleurs::bleu);
    preparer_commentaire(commentaire);
    preparer_cases(reponse, {{kXReponses, kYVoyelles, kLargeurVoyelle, kHauteurVoyelle}, kEcart, kTailleVoyelle,
                             kFondVoyelle, false});
}

// ---------------------------------------------------------------- opening

void Voyelles::Form_Activate() {
    mot_a_chercher.set_caption("");
    poser_guide(r_, aigle, guides::voyelles, kAigleRepos);
    r_.rendre_inactif(encore_voyelles);
    pari_clos(fin_voyelles, aigle);
    label_score.set_caption(texte_nombre(r_.etat.score));
    fermer_le_pari();
    if (!RegleMise::peut_miser(r_.etat.score)) {
        refuser_le_pari(r_, commentaire, mise, "12.def", "GRAND JEU DES VOYELLES");
        mot_a_chercher.set_caption(au_revoir());
        return;
    }
    pari_en_cours(r_, fin_voyelles, aigle);
    cacher_une_voyelle();
    r_.jouer_son("6.amb");
    animer_guide(r_, aigle, guides::voyelles);
    montrer_voyelles();
    ouvrir_le_pari();
}

// No answer and no stake change until the display is over.
void Voyelles::fermer_le_pari() {
    reponses_ouvertes_ = false;
    for (auto& voyelle : reponse) voyelle.set_fore_color(plat::couleurs::blanc);
    mise.bloquer();
}

void Voyelles::cacher_une_voyelle() {
    cachee_ = r_.tirer(kVoyelles);
    commentaire.set_caption("Je vais vous montrer rapidement 5 voyelles parmi les 6.");
    mise.preparer();
}

void Voyelles::montrer_voyelles() {
    r_.cacher_pointeur(kCentre);
    faire_defiler(r_, mot_a_chercher, kAttention, r_.tirer_son());
    reponse[kMontrees].set_visible(false);
    std::string montrees = kToutes;
    montrees.erase(static_cast<std::size_t>(cachee_), 1);
    for (int i = 0; i < kMontrees; ++i) reponse[i].set_left(kXAffichage + kEcart * i);
    std::string son = r_.tirer_son();
    for (int etape = 0; etape < kEtapesAffichage; ++etape) {
        r_.jouer_son(son);
        mot_a_chercher.set_caption(texte_nombre(kEtapesAffichage - 1 - etape));
        melanger_voyelles(montrees);
        r_.app.wait_with_events(kPasAffichageMs);
    }
    offrir_les_six();
    mot_a_chercher.set_caption("BANZAI !");
    commentaire.set_caption(commentaire.caption() + cp1252("\rQuelle voyelle ne faisait pas partie de la série ?") +
                            misez_et_cliquez());
    r_.jouer_son(son);
    clignoter(r_, mot_a_chercher, kClignotementsBanniere, plat::couleurs::rouge, plat::couleurs::bleu,
              kClignotementBanniereMs);
    r_.montrer_pointeur();
}

// The five shown vowels in a new random order.
void Voyelles::melanger_voyelles(const std::string& montrees) {
    std::vector<int> ordre = tirages_distincts(r_, kMontrees, kMontrees);
    for (int i = 0; i < kMontrees; ++i)
        reponse[i].set_caption(std::string(1, montrees[static_cast<std::size_t>(ordre[static_cast<std::size_t>(i)])]));
}

void Voyelles::offrir_les_six() {
    for (auto& voyelle : reponse) {
        voyelle.set_left(kXReponses + kEcart * voyelle.index());
        voyelle.set_caption(std::string(1, kToutes[static_cast<std::size_t>(voyelle.index())]));
        voyelle.set_visible(true);
    }
}

// The answers and the stake open together, the stake at 10.
void Voyelles::ouvrir_le_pari() {
    reponses_ouvertes_ = true;
    mise.ouvrir();
    aigle.set_enabled(true);  // the guide may dance again while the bet waits
}

// ---------------------------------------------------------------- the answer

void Voyelles::reponse_Click(int index) {
    if (!reponses_ouvertes_) return;
    reponses_ouvertes_ = false;
    mise.bloquer();
    pari_en_cours(r_, fin_voyelles, aigle);
    r_.regler(index == cachee_ ? 2 * mise.mise() : -mise.mise());
    if (index == cachee_)
        gagner();
    else
        perdre(index);
    r_.cacher_pointeur(kSurEncore);
    if (index != cachee_)
        clignoter(r_, reponse[cachee_], kClignotementsReponse, plat::couleurs::bleu, plat::couleurs::vert,
                  kClignotementReponseMs);
    clore_le_pari();
}

std::string Voyelles::texte_gain(const std::string& commentaire, char cachee, int mise) {
    return commentaire + cp1252("\rLa voyelle cachée était bien ") + cachee + " !\rVous avez un oeil d'aigle ! Vous gagnez" +
           texte_nombre(2 * static_cast<std::int64_t>(mise)) + " points !";
}

std::string Voyelles::texte_perte(const std::string& commentaire, const std::string& choisie,
                                  const std::string& cachee, int mise, bool plus_de_mise) {
    return commentaire + "\r Ce n'est pas " + choisie + " mais " + cachee + cp1252(" qu'il fallait désigner !\r") +
           perte_de_la_mise(mise) + (plus_de_mise ? revenez_plus_tard() : "");
}

void Voyelles::gagner() {
    r_.jouer_victoire();
    mot_a_chercher.set_caption("GAGNE !");
    commentaire.set_caption(texte_gain(r_.commentaire(true), kToutes[static_cast<std::size_t>(cachee_)], mise.mise()));
    reponse[cachee_].set_fore_color(plat::couleurs::vert);
    r_.afficher_score(label_score);
    animer_guide(r_, aigle, guides::voyelles);
}

void Voyelles::perdre(int index) {
    r_.jouer_defaite();
    mot_a_chercher.set_caption("PERDU !");
    reponse[index].set_fore_color(plat::couleurs::rouge);
    commentaire.set_caption(texte_perte(r_.commentaire(false), reponse[index].caption(), reponse[cachee_].caption(),
                                        mise.mise(), !RegleMise::peut_miser(r_.etat.score)));
    r_.afficher_score(label_score);
}

void Voyelles::clore_le_pari() {
    if (!RegleMise::peut_miser(r_.etat.score)) {
        mise.interdire(SansMise::apres_un_pari);
        mot_a_chercher.set_caption(au_revoir());
    } else {
        Routines::rendre_actif(encore_voyelles);
    }
    pari_clos(fin_voyelles, aigle);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- buttons

void Voyelles::encore_voyelles_Click() {
    r_.jouer_son("9.ats");
    compter_partie(r_.etat.parties_voyelles);
    r_.cacher_pointeur(kCentre);
    fermer_le_pari();
    r_.rendre_inactif(encore_voyelles);
    pari_en_cours(r_, fin_voyelles, aigle);
    cacher_une_voyelle();
    montrer_voyelles();
    ouvrir_le_pari();
    r_.montrer_pointeur();
}

void Voyelles::fin_voyelles_Click() { r_.retour_menu(*this); }

void Voyelles::aigle_Click() {
    r_.jouer_son("6.amb");
    animer_guide(r_, aigle, guides::voyelles);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Voyelles>(r); });
}
