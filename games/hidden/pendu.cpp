#include "games/hidden/pendu.h"

#include <algorithm>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kEssais = 7;   // the seventh wrong letter loses
constexpr int kGain = 10;    // minus one point per wrong letter
constexpr int kPenalite = 2; // a lost word costs 2 points, never below 0
constexpr int kRobotRepos = 0;

// A found letter grows from 8 to 24 points, 3 ms a step.
constexpr int kTailleLettreDepart = 8;
constexpr int kTailleLettre = 24;
constexpr std::uint32_t kPasLettreMs = 3;
// After a wrong letter the counters shrink to 8 points and grow back to 14.
constexpr int kTailleCompteur = 14;
constexpr int kTailleCompteurMin = 8;
constexpr std::uint32_t kPasCompteurMs = 5;

constexpr int kYCellules = 150;
// Down to the letters' frame: a lost word's comment takes four lines.
constexpr plat::Rect kPlaceCommentaire{24, 204, 470, 116};
constexpr int kTailleCommentaire = 13;

const std::string kQuestion = cp1252("\rQuel est le mot qui se cache ci-dessus ?");

plat::Label& legende(plat::Label& l, int x, int y, int w, const char* texte) {
    l.place(x, y, w, 24);
    l.set_caption(cp1252(texte));
    l.set_font_size(11);
    l.set_word_wrap(false);
    return l;
}

void preparer_compteur(plat::Label& l, int x, int y) {
    l.place(x, y, 44, 28);
    l.set_font_size(kTailleCompteur);
    l.set_bold(true);
    l.set_word_wrap(false);
    l.set_fore_color(plat::couleurs::bleu);
}

}  // namespace

void Pendu::controler(const Enregistrement& e) { exiger_mot("11.bin", e[0].texte(), 1, kCellules); }

Pendu::Pendu(Routines& r) : plat::Form(r.app, "pendu"), clavier(*this, 24, 328), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    clavier.lettre.on_click([this](int i) { lettre_Click(i); });
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_pendu.on_click = [this] { encore_pendu_Click(); };
    fin_pendu.on_click = [this] { fin_pendu_Click(); };
    robot.on_click = [this] { robot_Click(); };
}

void Pendu::disposer() {
    placer_selon_dessin(robot);
    placer_selon_dessin(encore_pendu);
    placer_selon_dessin(fin_pendu);
    preparer_label_score(label_score);
    preparer_cellules(reponse, kYCellules);
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
    preparer_label_indice(achat_indice, 292, 406, 220);
    legende(Label1, 24, 420, 220, "Gain en cas de réussite -->");
    legende(Label2, 24, 448, 220, "Nombre d'erreurs permises -->");
    preparer_compteur(label_gain, 246, 418);
    preparer_compteur(Label_essais, 246, 446);
    clavier.alphabet.set_visible(false);
}

// ---------------------------------------------------------------- opening

void Pendu::Form_Activate() {
    indice_achete_ = false;
    r_.rendre_inactif(encore_pendu);
    poser_guide(r_, robot, guides::pendu, kRobotRepos);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!lire_mot(true)) return;
    essais_ = kEssais;
    gain_ = kGain;
    montrer_compteurs();
    commentaire.set_caption(kQuestion);
    montrer_tirets();
    r_.jouer_son("8.ats");
    animer_guide(r_, robot, guides::pendu);
    clavier.alphabet.set_visible(true);
}

// Reads the next word; a file that cannot be read sends the player back
// to the menu with the reason.
bool Pendu::lire_mot(bool premier) {
    try {
        if (premier) {
            lecteur_.emplace(r_.dossier_datas() / "11.bin", FormatEnregistrement{Champ::texte, Champ::texte},
                             r_.etat.position_pendu);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
        }
        Enregistrement e = premier ? lecteur_->reprendre() : lecteur_->suivant();
        controler(e);
        mot_ = e[0].texte();
        indice_ = e[1].texte();
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

void Pendu::montrer_tirets() {
    masque_.assign(mot_.size(), ' ');
    for (int i = 0; i < kCellules; ++i) {
        bool dans_le_mot = i < static_cast<int>(mot_.size());
        reponse[i].set_fore_color(plat::couleurs::bleu);
        reponse[i].set_caption("-");
        reponse[i].set_font_size(kTailleLettre);
        reponse[i].set_visible(dans_le_mot);
    }
    Routines::placer_reponse(static_cast<int>(mot_.size()), reponse);
}

void Pendu::montrer_compteurs() {
    label_gain.set_caption(std::to_string(gain_));
    Label_essais.set_caption(std::to_string(essais_));
}

// ---------------------------------------------------------------- a letter

void Pendu::lettre_Click(int index) {
    r_.jouer_son_touche();
    if (fin_pendu.enabled()) r_.rendre_inactif(fin_pendu);
    char lettre = Alphabet::lettre_de(index);
    clavier.lettre[index].set_enabled(false);
    bool erreur = mot_.find(lettre) == std::string::npos;
    if (!erreur) {
        commentaire.set_caption(cp1252("\rBravo, je rajoute donc la lettre ") + lettre +
                                cp1252(" à sa place dans le mot."));
    } else {
        --essais_;
        --gain_;
        commentaire.set_caption(cp1252("\rAh non ! La lettre ") + lettre + " ne fait pas partie du mot !");
        if (essais_ == 1) commentaire.set_caption(commentaire.caption() + "\r ATTENTION ! PAS D'AUTRE ERREUR !");
    }
    noter(lettre);
    regler_si_fini();
    reveler(lettre);
    if (masque_ == mot_)
        gagner();
    else if (essais_ > 0)
        pulser_compteurs(erreur);
    else
        perdre();
}

void Pendu::noter(char lettre) {
    for (std::size_t i = 0; i < mot_.size(); ++i)
        if (majuscule(mot_[i]) == majuscule(lettre)) masque_[i] = mot_[i];
}

// The letter that decides the word settles it before it shows: leaving or
// quitting while it grows then keeps what the word won or lost.
void Pendu::regler_si_fini() {
    if (masque_ == mot_) {
        r_.regler(gain_, r_.etat.position_pendu);
    } else if (essais_ == 0) {
        perte_ = std::min(r_.etat.score, kPenalite);
        r_.regler(-perte_, r_.etat.position_pendu);
    }
}

// Each place of the letter grows in turn. The alphabet refuses clicks
// meanwhile: a letter played inside the reveal would settle the word twice.
void Pendu::reveler(char lettre) {
    clavier.alphabet.set_enabled(false);
    for (std::size_t i = 0; i < mot_.size(); ++i) {
        if (majuscule(mot_[i]) != majuscule(lettre)) continue;
        r_.cacher_pointeur(kSurPlace);
        plat::Label& cellule = reponse[static_cast<int>(i)];
        cellule.set_caption(std::string(1, mot_[i]));
        for (int taille = kTailleLettreDepart; taille <= kTailleLettre; taille += 2) {
            cellule.set_font_size(taille);
            r_.app.wait_with_events(kPasLettreMs);
        }
        r_.montrer_pointeur();
    }
    clavier.alphabet.set_enabled(true);
}

void Pendu::pulser_compteurs(bool erreur) {
    r_.cacher_pointeur(kSurPlace);
    auto pas = [&](int taille) {
        r_.app.wait(kPasCompteurMs);
        if (!erreur) return;
        label_gain.set_font_size(taille);
        Label_essais.set_font_size(taille);
        label_gain.refresh();
    };
    for (int taille = kTailleCompteur; taille >= kTailleCompteurMin; --taille) pas(taille);
    montrer_compteurs();
    for (int taille = kTailleCompteurMin; taille <= kTailleCompteur; ++taille) pas(taille);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- the end of a word

namespace {
std::string rappel_indice(const std::string& indice) { return cp1252("L'indice était : ") + indice; }
}  // namespace

std::string Pendu::texte_victoire(const std::string& commentaire, const std::string& mot, const std::string& indice,
                                  bool indice_achete) {
    return commentaire + " Il s'agissait bien de " + mot + " !\r" +
           (indice_achete ? cp1252("L'indice vous a bien aidé !") : rappel_indice(indice));
}

std::string Pendu::texte_defaite(const std::string& commentaire, bool points_perdus, const std::string& indice,
                                 bool indice_achete) {
    std::string sur_l_indice =
        indice_achete ? cp1252("Apparemment l'indice ne vous a pas aidé !") : rappel_indice(indice);
    return commentaire + (points_perdus ? "\rVous perdez 2 points !\r" : "\rVous n'avez plus aucun point !\r") +
           sur_l_indice;
}

void Pendu::gagner() {
    r_.jouer_victoire();
    clavier.alphabet.set_visible(false);
    r_.cacher_pointeur(kSurPlace);
    commentaire.set_caption(texte_victoire(r_.commentaire(true), mot_, indice_, indice_achete_));
    indice_achete_ = true;
    r_.afficher_score(label_score);
    animer_guide(r_, robot, guides::pendu);
    r_.cacher_pointeur(kSurEncore);
    Routines::rendre_actif(encore_pendu);
    Routines::rendre_actif(fin_pendu);
    label_gain.set_caption(std::to_string(gain_));
    r_.montrer_pointeur();
}

void Pendu::perdre() {
    bool points_perdus = perte_ == kPenalite;
    r_.jouer_defaite();
    Label_essais.set_caption("0");
    clavier.alphabet.set_visible(false);
    commentaire.set_caption(texte_defaite(r_.commentaire(false), points_perdus, indice_, indice_achete_));
    indice_achete_ = true;
    r_.afficher_score(label_score);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
    for (std::size_t i = 0; i < mot_.size(); ++i) {
        plat::Label& cellule = reponse[static_cast<int>(i)];
        cellule.set_fore_color(cellule.caption() == "-" ? plat::couleurs::rouge : plat::couleurs::bleu);
        cellule.set_caption(std::string(1, mot_[i]));
    }
    Routines::rendre_actif(encore_pendu);
    Routines::rendre_actif(fin_pendu);
}

// ---------------------------------------------------------------- buttons

void Pendu::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void Pendu::encore_pendu_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    indice_achete_ = false;
    commentaire.set_caption(kQuestion);
    r_.preparer_indice(achat_indice);
    for (auto& cellule : reponse) cellule.set_visible(false);
    if (!lire_mot(false)) return;
    montrer_tirets();
    essais_ = kEssais;
    gain_ = kGain;
    montrer_compteurs();
    r_.rendre_inactif(fin_pendu);
    r_.rendre_inactif(encore_pendu);
    clavier.tout_activer();
    clavier.alphabet.set_visible(true);
    r_.montrer_pointeur();
}

void Pendu::fin_pendu_Click() {
    r_.retour_menu(*this);
    for (auto& cellule : reponse) cellule.set_visible(false);
    clavier.tout_activer();
    clavier.alphabet.set_visible(false);
    Routines::rendre_actif(fin_pendu);
    encore_pendu.set_enabled(false);
}

void Pendu::robot_Click() {
    r_.jouer_son("8.ats");
    animer_guide(r_, robot, guides::pendu);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Pendu>(r); });
}
