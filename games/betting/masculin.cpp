#include "games/betting/masculin.h"

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "games/betting/scene.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kTeteRepos = 4;
constexpr int kGenre = 0;  // the question kind that asks the gender

// The two answers, side by side under the comment.
constexpr int kYReponses = 290;
constexpr int kXReponses = 64;
constexpr int kLargeurReponse = 190;
constexpr int kEcartReponses = 210;
constexpr int kHauteurReponse = 40;
constexpr int kTailleReponse = 18;
const plat::Couleur kFondReponse{0xF5E2FD};

constexpr std::uint32_t kLettreEpeleeMs = 250;
constexpr std::uint32_t kClignotementBanniereMs = 100;
constexpr int kClignotementsBanniere = 5;
constexpr std::uint32_t kClignotementReponseMs = 250;
constexpr int kClignotementsReponse = 4;

const std::string kPasDeReponse = "- - -";
const std::string kPatience = "             PATIENCE ... PATIENCE ...";

std::string choix_du_mot() { return cp1252("Je choisis au hasard un mot dans mon IMMENSE mémoire..."); }

}  // namespace

// The word scrolls through the banner; the right answer is one of the two buttons.
void Masculin::controler(const Enregistrement& e) {
    const std::string& mot = e[1].texte();
    exiger_montre("7.bin", mot, kLargeurBandeau);
    exiger(e[2].nombre() == 0 || e[2].nombre() == 1, "7.bin", mot, "il faut la réponse 0 ou 1");
}

Masculin::Masculin(Routines& r)
    : plat::Form(r.app, "masculin"), mise(*this, r, BoutonsBloques::grises), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    reponse1.on_click([this](int i) { reponse1_Click(i); });
    encore_masculin.on_click = [this] { encore_masculin_Click(); };
    fin_masculin.on_click = [this] { fin_masculin_Click(); };
    tete.on_click = [this] { tete_Click(); };
}

void Masculin::disposer() {
    placer_selon_dessin(tete);
    placer_selon_dessin(encore_masculin);
    placer_selon_dessin(fin_masculin);
    preparer_label_score(label_score);
    preparer_bandeau(mot_a_chercher);
    mot_a_chercher.set_fore_color(plat::couleurs::bleu);
    preparer_commentaire(commentaire);
    preparer_cases(reponse1, {{kXReponses, kYReponses, kLargeurReponse, kHauteurReponse}, kEcartReponses, kTailleReponse,
                              kFondReponse});
}

// ---------------------------------------------------------------- opening

void Masculin::Form_Activate() {
    mot_a_chercher.set_caption("");
    poser_guide(r_, tete, guides::masculin, kTeteRepos);
    r_.rendre_inactif(encore_masculin);
    pari_clos(fin_masculin, tete);
    label_score.set_caption(texte_nombre(r_.etat.score));
    fermer_le_pari();
    if (!RegleMise::peut_miser(r_.etat.score)) {
        accueillir_sans_mise();
        return;
    }
    if (!lire_mot(true)) return;
    pari_en_cours(r_, fin_masculin, tete);
    commentaire.set_caption(choix_du_mot());
    mise.preparer();
    r_.jouer_son("2.ats");
    animer_guide(r_, tete, guides::masculin);
    defiler_patience();
    poser_la_question();
    ouvrir_le_pari();
}

// No answer and no stake change until the word is chosen.
void Masculin::fermer_le_pari() {
    reponses_ouvertes_ = false;
    for (auto& reponse : reponse1) reponse.set_caption(kPasDeReponse);
    mise.bloquer();
}

void Masculin::accueillir_sans_mise() {
    refuser_le_pari(r_, commentaire, mise, "11.def", "GRAND JEU DU GENRE DES MOTS", [this](int i) {
        if (i < reponse1.size())
            reponse1[i].set_caption(au_revoir());
        else
            mot_a_chercher.set_caption(au_revoir());
    });
}

// Reads the next record; a file that cannot be read sends the player back
// to the menu with the reason.
bool Masculin::lire_mot(bool premier) {
    try {
        if (premier) {
            lecteur_.emplace(r_.dossier_datas() / "7.bin",
                             FormatEnregistrement{Champ::nombre, Champ::texte, Champ::nombre},
                             r_.etat.position_masculin);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
        }
        Enregistrement e = premier ? lecteur_->reprendre() : lecteur_->suivant();
        controler(e);
        cas_ = e[0].nombre();
        mot_ = e[1].texte();
        bonne_reponse_ = e[2].nombre();
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

void Masculin::defiler_patience() {
    r_.cacher_pointeur(kCentre);
    faire_defiler(r_, mot_a_chercher, kPatience, r_.tirer_son_victoire());
    clignoter(r_, mot_a_chercher, kClignotementsBanniere, plat::couleurs::rouge, plat::couleurs::bleu,
              kClignotementBanniereMs);
    mot_a_chercher.set_caption("BANZAI !");
    r_.montrer_pointeur();
}

void Masculin::poser_la_question() {
    bool genre = cas_ == kGenre;
    commentaire.set_caption(commentaire.caption() +
                            (genre ? "\rPensez-vous qu'il sera au MASCULIN ou au FEMININ ?"
                                   : "\rPensez-vous qu'il sera au SINGULIER ou au PLURIEL ?") +
                            misez_et_cliquez());
    reponse1[0].set_caption(genre ? "MASCULIN" : "SINGULIER");
    reponse1[1].set_caption(genre ? "FEMININ" : "PLURIEL");
}

// The answers and the stake open together, the stake at 10.
void Masculin::ouvrir_le_pari() {
    reponses_ouvertes_ = true;
    mise.ouvrir();
    tete.set_enabled(true);  // the guide may dance again while the bet waits
}

// ---------------------------------------------------------------- the answer

void Masculin::reponse1_Click(int index) {
    if (!reponses_ouvertes_) return;
    r_.cacher_pointeur(kSurEncore);
    reponses_ouvertes_ = false;
    mise.bloquer();
    pari_en_cours(r_, fin_masculin, tete);
    bool gagne = index == bonne_reponse_;
    r_.regler(gagne ? 2 * mise.mise() : -mise.mise(), r_.etat.position_masculin);
    epeler_le_mot();
    if (gagne)
        gagner(index);
    else
        perdre(index);
    clore_le_pari();
}

void Masculin::epeler_le_mot() {
    std::string son = r_.tirer_son();
    for (std::size_t i = 1; i <= mot_.size(); ++i) {
        r_.jouer_son(son);
        mot_a_chercher.set_caption(mot_.substr(0, i));
        r_.app.wait_with_events(kLettreEpeleeMs);
    }
}

std::string Masculin::texte_gain(const std::string& commentaire, const std::string& mot, const std::string& reponse,
                                 int mise) {
    return commentaire + "\r" + mot + " est bien un mot au " + reponse + " !" +
           cp1252("\rCe hasard bénéfique vous fait gagner") + texte_nombre(2 * static_cast<std::int64_t>(mise)) +
           " points !";
}

std::string Masculin::texte_perte(const std::string& commentaire, const std::string& mot, const std::string& reponse,
                                  int mise, bool plus_de_mise) {
    return commentaire + "\r" + mot + " n'est pas un mot au " + reponse + " !\r" + perte_de_la_mise(mise) +
           (plus_de_mise ? revenez_plus_tard() : "");
}

void Masculin::gagner(int index) {
    r_.jouer_victoire();
    commentaire.set_caption(texte_gain(r_.commentaire(true), mot_, reponse1[index].caption(), mise.mise()));
    reponse1[1 - bonne_reponse_].set_caption(kPasDeReponse);
    r_.afficher_score(label_score);
    animer_guide(r_, tete, guides::masculin);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

void Masculin::perdre(int index) {
    r_.jouer_defaite();
    commentaire.set_caption(texte_perte(r_.commentaire(false), mot_, reponse1[index].caption(), mise.mise(),
                                        !RegleMise::peut_miser(r_.etat.score)));
    reponse1[1 - bonne_reponse_].set_caption(kPasDeReponse);
    r_.afficher_score(label_score);
    r_.cacher_pointeur(kSurEncore);
    clignoter(r_, reponse1[bonne_reponse_], kClignotementsReponse, plat::couleurs::rouge, plat::couleurs::bleu,
              kClignotementReponseMs);
    reponse1[bonne_reponse_].set_fore_color(plat::couleurs::noir);
}

void Masculin::clore_le_pari() {
    if (!RegleMise::peut_miser(r_.etat.score)) {
        mise.interdire(SansMise::apres_un_pari);
    } else {
        Routines::rendre_actif(encore_masculin);
    }
    pari_clos(fin_masculin, tete);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- buttons

void Masculin::encore_masculin_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    compter_partie(r_.etat.parties_masculin);
    fermer_le_pari();
    if (!lire_mot(false)) return;
    r_.rendre_inactif(encore_masculin);
    pari_en_cours(r_, fin_masculin, tete);
    commentaire.set_caption(choix_du_mot());
    mise.preparer();
    defiler_patience();
    poser_la_question();
    ouvrir_le_pari();
    r_.montrer_pointeur();
}

void Masculin::fin_masculin_Click() { r_.retour_menu(*this); }

void Masculin::tete_Click() {
    r_.jouer_son("2.ats");
    animer_guide(r_, tete, guides::masculin);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Masculin>(r); });
}
