#include "games/betting/nbre_lettres.h"

#include <algorithm>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "games/betting/scene.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kOeilRepos = 0;

// The counts offered: 5, 6, 7 letters or 2, 3, 4 vowels.
constexpr int kPremiereLongueur = 5;
constexpr int kPremierNombreDeVoyelles = 2;
constexpr std::string_view kVoyelles = "AEIOUY";

// The three counts, side by side under the comment.
constexpr int kYReponses = 290;
constexpr int kXReponses = 104;
constexpr int kEcartReponses = 120;
constexpr int kCoteReponse = 80;
constexpr int kHauteurReponse = 48;
constexpr int kTailleReponse = 24;
const plat::Couleur kFondReponse{0xD1F6FF};

constexpr std::uint32_t kLettreEpeleeMs = 250;
constexpr std::uint32_t kClignotementBanniereMs = 100;
constexpr int kClignotementsBanniere = 5;
constexpr std::uint32_t kClignotementReponseMs = 250;
constexpr int kClignotementsReponse = 4;

const std::string kPatience = "             PATIENCE ... PATIENCE ...";

int compter_voyelles(const std::string& mot) {
    auto voyelle = [](char c) { return kVoyelles.find(c) != kVoyelles.npos; };
    return static_cast<int>(std::count_if(mot.begin(), mot.end(), voyelle));
}

// Every word must make one of the offered counts right, whichever the question.
bool se_compte(const std::string& mot) {
    int longueur = static_cast<int>(mot.size());
    int voyelles = compter_voyelles(mot);
    return longueur >= kPremiereLongueur && longueur < kPremiereLongueur + NbreLettres::kReponses &&
           voyelles >= kPremierNombreDeVoyelles && voyelles < kPremierNombreDeVoyelles + NbreLettres::kReponses;
}

}  // namespace

// The right counts must be among the three offered.
void NbreLettres::controler(const Enregistrement& e) {
    const std::string& mot = e[0].texte();
    exiger_mot("10.bin", mot, kPremiereLongueur, kPremiereLongueur + kReponses - 1);
    exiger(se_compte(mot), "10.bin", mot, "il faut de 2 à 4 voyelles");
}

NbreLettres::NbreLettres(Routines& r)
    : plat::Form(r.app, "nbre_lettres"), mise(*this, r, BoutonsBloques::grises), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    reponse.on_click([this](int i) { reponse_Click(i); });
    encore_nombre.on_click = [this] { encore_nombre_Click(); };
    fin_nombre.on_click = [this] { fin_nombre_Click(); };
    oeil.on_click = [this] { oeil_Click(); };
}

void NbreLettres::disposer() {
    placer_selon_dessin(oeil);
    placer_selon_dessin(encore_nombre);
    placer_selon_dessin(fin_nombre);
    preparer_label_score(label_score);
    preparer_bandeau(mot_a_chercher);
    mot_a_chercher.set_fore_color(plat::couleurs::bleu);
    preparer_commentaire(commentaire);
    preparer_cases(reponse, {{kXReponses, kYReponses, kCoteReponse, kHauteurReponse}, kEcartReponses, kTailleReponse,
                             kFondReponse});
}

// ---------------------------------------------------------------- opening

void NbreLettres::Form_Activate() {
    mot_a_chercher.set_caption("");
    poser_guide(r_, oeil, guides::nbre_lettres, kOeilRepos);
    r_.rendre_inactif(encore_nombre);
    pari_clos(fin_nombre, oeil);
    label_score.set_caption(texte_nombre(r_.etat.score));
    fermer_le_pari();
    if (!RegleMise::peut_miser(r_.etat.score)) {
        accueillir_sans_mise();
        return;
    }
    if (!lire_mot(true)) return;
    pari_en_cours(r_, fin_nombre, oeil);
    annoncer_le_choix();
    r_.jouer_son("2.amb");
    animer_guide(r_, oeil, guides::nbre_lettres);
    defiler_patience();
    poser_la_question();
    ouvrir_le_pari();
}

// No answer and no stake change until the word is chosen.
void NbreLettres::fermer_le_pari() {
    reponses_ouvertes_ = false;
    for (auto& compte : reponse) {
        compte.set_fore_color(plat::couleurs::noir);
        compte.set_caption("-");
    }
    mise.bloquer();
}

void NbreLettres::accueillir_sans_mise() {
    refuser_le_pari(r_, commentaire, mise, "13.def", "GRAND JEU DU NOMBRE DE LETTRES");
    mot_a_chercher.set_caption(au_revoir());
}

// Reads the next word; a file that cannot be read sends the player back to
// the menu with the reason.
bool NbreLettres::lire_mot(bool premier) {
    try {
        if (premier) {
            lecteur_.emplace(r_.dossier_datas() / "10.bin", FormatEnregistrement{Champ::texte},
                             r_.etat.position_nbre_lettres);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
        }
        Enregistrement e = premier ? lecteur_->reprendre() : lecteur_->suivant();
        controler(e);
        mot_ = e[0].texte();
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

void NbreLettres::annoncer_le_choix() {
    commentaire.set_caption("Un instant ... je choisis un mot dans mon ENORME grimoire...");
    mise.preparer();
}

void NbreLettres::defiler_patience() {
    r_.cacher_pointeur(kCentre);
    faire_defiler(r_, mot_a_chercher, kPatience, r_.tirer_son());
    std::string victoire = r_.tirer_son_victoire();
    for (int i = 0; i < kClignotementsBanniere; ++i) {
        r_.jouer_son(victoire);
        clignoter_une_fois(r_, mot_a_chercher, plat::couleurs::rouge, plat::couleurs::bleu, kClignotementBanniereMs);
    }
    r_.jouer_son(victoire);
    mot_a_chercher.set_caption("BANZAI !");
    r_.montrer_pointeur();
}

void NbreLettres::poser_la_question() {
    voyelles_ = r_.tirer(2) != 0;
    compte_ = voyelles_ ? compter_voyelles(mot_) : static_cast<int>(mot_.size());
    int premier = voyelles_ ? kPremierNombreDeVoyelles : kPremiereLongueur;
    commentaire.set_caption(commentaire.caption() +
                            (voyelles_ ? "\rCombien de VOYELLES comporte ce mot ?"
                                       : "\rCombien de LETTRES comporte ce mot ?") +
                            misez_et_cliquez());
    for (auto& compte : reponse) compte.set_caption(std::to_string(premier + compte.index()));
}

// The answers and the stake open together, the stake at 10.
void NbreLettres::ouvrir_le_pari() {
    reponses_ouvertes_ = true;
    mise.ouvrir();
    oeil.set_enabled(true);  // the guide may dance again while the bet waits
}

// ---------------------------------------------------------------- the answer

void NbreLettres::reponse_Click(int index) {
    if (!reponses_ouvertes_) return;
    r_.cacher_pointeur(kSurEncore);
    reponses_ouvertes_ = false;
    mise.bloquer();
    pari_en_cours(r_, fin_nombre, oeil);
    bool gagne = reponse[index].caption() == std::to_string(compte_);
    r_.regler(gagne ? 2 * mise.mise() : -mise.mise(), r_.etat.position_nbre_lettres);
    epeler_le_mot();
    if (gagne)
        gagner(index);
    else
        perdre(index);
    clore_le_pari();
}

void NbreLettres::epeler_le_mot() {
    std::string son = r_.tirer_son();
    for (std::size_t i = 1; i <= mot_.size(); ++i) {
        r_.jouer_son(son);
        mot_a_chercher.set_caption(mot_.substr(0, i));
        r_.app.wait_with_events(kLettreEpeleeMs);
    }
}

std::string NbreLettres::texte_gain(const std::string& commentaire, const std::string& mot, bool voyelles,
                                    int compte, int mise) {
    return commentaire + "\r" + mot +
           (voyelles ? " comporte bien" + texte_nombre(compte) + " voyelles !"
                     : " est bien un mot de" + texte_nombre(compte) + " lettres !") +
           cp1252("\rVous avez un ordinateur dans la tête ? Gain :") +
           texte_nombre(2 * static_cast<std::int64_t>(mise)) + " points !";
}

std::string NbreLettres::texte_perte(const std::string& commentaire, const std::string& mot, bool voyelles,
                                     int compte, const std::string& reponse, int mise, bool plus_de_mise) {
    return commentaire + "\r" + mot + " comporte " + texte_nombre(compte) +
           (voyelles ? " voyelles et non " : " lettres et non ") + reponse + " !\r" + perte_de_la_mise(mise) +
           (plus_de_mise ? revenez_plus_tard() : "");
}

void NbreLettres::gagner(int index) {
    r_.jouer_victoire();
    reponse[index].set_fore_color(plat::couleurs::bleu);
    commentaire.set_caption(texte_gain(r_.commentaire(true), mot_, voyelles_, compte_, mise.mise()));
    r_.afficher_score(label_score);
    animer_guide(r_, oeil, guides::nbre_lettres);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

void NbreLettres::perdre(int index) {
    r_.jouer_defaite();
    reponse[index].set_fore_color(plat::couleurs::rouge);
    commentaire.set_caption(texte_perte(r_.commentaire(false), mot_, voyelles_, compte_, reponse[index].caption(),
                                        mise.mise(), !RegleMise::peut_miser(r_.etat.score)));
    r_.afficher_score(label_score);
    r_.cacher_pointeur(kSurEncore);
    plat::Label& juste = reponse[compte_ - (voyelles_ ? kPremierNombreDeVoyelles : kPremiereLongueur)];
    clignoter(r_, juste, kClignotementsReponse, plat::couleurs::vert, plat::couleurs::bleu, kClignotementReponseMs);
}

void NbreLettres::clore_le_pari() {
    if (!RegleMise::peut_miser(r_.etat.score)) {
        mise.interdire(SansMise::apres_un_pari);
        mot_a_chercher.set_caption(au_revoir());
    } else {
        Routines::rendre_actif(encore_nombre);
    }
    pari_clos(fin_nombre, oeil);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- buttons

void NbreLettres::encore_nombre_Click() {
    r_.jouer_son("9.ats");
    compter_partie(r_.etat.parties_nbre_lettres);
    r_.cacher_pointeur(kCentre);
    fermer_le_pari();
    if (!lire_mot(false)) return;
    r_.rendre_inactif(encore_nombre);
    pari_en_cours(r_, fin_nombre, oeil);
    annoncer_le_choix();
    defiler_patience();
    poser_la_question();
    ouvrir_le_pari();
    r_.montrer_pointeur();
}

void NbreLettres::fin_nombre_Click() { r_.retour_menu(*this); }

void NbreLettres::oeil_Click() {
    r_.jouer_son("2.amb");
    animer_guide(r_, oeil, guides::nbre_lettres);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<NbreLettres>(r); });
}
