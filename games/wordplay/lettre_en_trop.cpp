#include "games/wordplay/lettre_en_trop.h"

#include <cstdint>
#include <utility>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/tuiles.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kFantomeRepos = 3;

// Nine tiles reach under the guide's frame: the row starts below it.
constexpr int kYTuiles = 172;
constexpr plat::Rect kPlaceCommentaire{16, 228, 488, 128};
constexpr int kTailleCommentaire = 13;
constexpr int kXIndice = 24;
constexpr int kYIndice = 360;
constexpr int kLargeurIndice = 470;

// After a wrong click the right letter blinks red and green, 4 times.
constexpr int kClignotements = 4;
constexpr std::uint32_t kClignotementMs = 200;

const std::string kConsigne =
    cp1252("Cliquez avec la souris sur la lettre à ôter au mot ci-dessus afin d'en obtenir un autre.");

}  // namespace

// The letter to click must be one of the tiles shown.
void LettreEnTrop::controler(const Enregistrement& e) {
    const std::string& mot = e[0].texte();
    exiger_montre("6.bin", mot, kTuiles);
    const std::int32_t place = e[2].nombre();
    exiger(place >= 0 && place < static_cast<std::int32_t>(mot.size()), "6.bin", mot,
           "la lettre en trop doit être l'une des siennes");
}

LettreEnTrop::LettreEnTrop(Routines& r) : plat::Form(r.app, "lettre_en_trop"), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    reponse.on_click([this](int i) { reponse_Click(i); });
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_lettre.on_click = [this] { encore_lettre_Click(); };
    fin_lettre.on_click = [this] { fin_lettre_Click(); };
    fantome.on_click = [this] { fantome_Click(); };
}

void LettreEnTrop::disposer() {
    placer_selon_dessin(fantome);
    placer_selon_dessin(encore_lettre);
    placer_selon_dessin(fin_lettre);
    preparer_label_score(label_score);
    preparer_cellules(reponse, kYTuiles, kFondCelluleSombre);
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
}

// ---------------------------------------------------------------- opening

void LettreEnTrop::Form_Activate() {
    r_.jouer_son("16.amb");
    poser_guide(r_, fantome, guides::lettre_en_trop, kFantomeRepos);
    ranger_tuiles(reponse);
    indice_achete_ = false;
    repondu_ = false;
    r_.rendre_inactif(encore_lettre);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!lire_enigme(true)) return;
    poser_enigme();
    animer_guide(r_, fantome, guides::lettre_en_trop);
}

// Reads the next puzzle; a file that cannot be read sends the player back
// to the menu with the reason.
bool LettreEnTrop::lire_enigme(bool premiere) {
    try {
        if (premiere) {
            lecteur_.emplace(r_.dossier_datas() / "6.bin",
                             FormatEnregistrement{Champ::texte, Champ::texte, Champ::nombre, Champ::texte,
                                                  Champ::texte},
                             r_.etat.position_lettre_en_trop);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
        }
        Enregistrement e = premiere ? lecteur_->reprendre() : lecteur_->suivant();
        controler(e);
        mot_ = e[0].texte();
        sans_lettre_ = e[1].texte();
        lettre_en_trop_ = e[2].nombre();
        indice_ = e[3].texte();
        ligne_ = e[4].texte();
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

void LettreEnTrop::poser_enigme() {
    commentaire.set_caption(kConsigne + "\r" + ligne_);
    poser_lettres(reponse, mot_);
}

void LettreEnTrop::encore_lettre_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    repondu_ = false;
    indice_achete_ = false;
    ranger_tuiles(reponse);
    r_.preparer_indice(achat_indice);
    if (!lire_enigme(false)) return;
    poser_enigme();
    r_.rendre_inactif(encore_lettre);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- the one click

void LettreEnTrop::reponse_Click(int index) {
    if (repondu_) return;
    repondu_ = true;
    // The hint is no longer sold from the answer on: bought during the blink
    // that follows a wrong letter, it would take the score below 0.
    bool indice_achete = std::exchange(indice_achete_, true);
    bool juste = index == lettre_en_trop_;
    int perte = perte_erreur(r_.etat);
    r_.regler(juste ? kGainEnigme : -perte, r_.etat.position_lettre_en_trop);
    if (juste)
        trouver(indice_achete);
    else
        se_tromper(index, indice_achete, perte);
    r_.montrer_pointeur();
    Routines::rendre_actif(encore_lettre);
}

void LettreEnTrop::trouver(bool indice_achete) {
    r_.jouer_victoire();
    reponse[lettre_en_trop_].set_fore_color(plat::couleurs::vert);
    commentaire.set_caption(texte_reussite(r_.commentaire(true), sans_lettre_, indice_, indice_achete));
    r_.afficher_score(label_score);
    animer_guide(r_, fantome, guides::lettre_en_trop);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

void LettreEnTrop::se_tromper(int index, bool indice_achete, int perte) {
    r_.jouer_defaite();
    reponse[index].set_fore_color(plat::couleurs::rouge);
    if (perte != 0) r_.afficher_score(label_score);
    commentaire.set_caption(
        texte_erreur(r_.commentaire(false), sans_lettre_, indice_, indice_achete, perte == kPerteErreur));
    r_.cacher_pointeur(kSurEncore);
    montrer_la_bonne_lettre();
}

std::string LettreEnTrop::texte_reussite(const std::string& commentaire, const std::string& sans_lettre,
                                         const std::string& indice, bool indice_achete) {
    std::string annonce = indice_achete ? cp1252(" Il s'agissait bien de ") + sans_lettre + "."
                                        : cp1252(" Vous avez trouvé ") + sans_lettre + " !";
    return commentaire + annonce + "\r" + bilan_reussite(indice_achete, indice);
}

std::string LettreEnTrop::texte_erreur(const std::string& commentaire, const std::string& sans_lettre,
                                       const std::string& indice, bool indice_achete, bool points_perdus) {
    std::string annonce = points_perdus ? " Vous deviez trouver " : " Vous deviez trouver le mot ";
    return commentaire + annonce + sans_lettre + " !\r" + bilan_erreur(points_perdus, indice_achete, indice);
}

// The waits service events: the player may click meanwhile, which is why the
// answer and the hint are locked before.
void LettreEnTrop::montrer_la_bonne_lettre() {
    plat::Label& tuile = reponse[lettre_en_trop_];
    for (int i = 0; i < kClignotements; ++i)
        for (plat::Couleur couleur : {plat::couleurs::rouge, plat::couleurs::vert}) {
            tuile.set_fore_color(couleur);
            r_.app.wait_with_events(kClignotementMs);
        }
}

// ---------------------------------------------------------------- buttons

void LettreEnTrop::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void LettreEnTrop::fantome_Click() {
    r_.jouer_son("16.amb");
    animer_guide(r_, fantome, guides::lettre_en_trop);
}

void LettreEnTrop::fin_lettre_Click() { r_.retour_menu(*this); }

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<LettreEnTrop>(r); });
}
