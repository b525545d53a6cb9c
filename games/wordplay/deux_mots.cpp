#include "games/wordplay/deux_mots.h"

#include <utility>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/reponse_fausse.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kIlvariaRepos = 0;
constexpr std::size_t kLettresParCarte = 8;

// The six words: two rows of three cards.
constexpr int kColonnes = 3;
constexpr int kXMots = 24;
constexpr int kYMots = 72;
constexpr int kPasXMots = 160;
constexpr int kPasYMots = 44;
constexpr int kLargeurMot = 150;
constexpr int kHauteurMot = 38;
constexpr int kTailleMot = 18;
// A card dark enough for a green word, light enough for a black one.
constexpr plat::Couleur kFondMot{0x7A44B8};

constexpr plat::Rect kPlaceReponse{24, 162, 470, 42};
constexpr int kTailleReponse = 26;
// Room for four lines under the blank line most messages start with.
constexpr plat::Rect kPlaceCommentaire{16, 206, 488, 142};
constexpr int kTailleCommentaire = 13;
constexpr int kXIndice = 24;
constexpr int kYIndice = 352;
constexpr int kLargeurIndice = 470;

const std::string kConsigne = cp1252("\rChoisissez deux de ces mots afin d'en former un troisième.");

void placer(plat::Label& l, const plat::Rect& r) { l.place(r.x, r.y, r.w, r.h); }

}  // namespace

DeuxMots::DeuxMots(Routines& r) : plat::Form(r.app, "deux_mots"), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    label_mot.on_click([this](int i) { label_mot_Click(i); });
    test.on_click = [this] { test_Click(); };
    effacer.on_click = [this] { effacer_Click(); };
    encore_2mots.on_click = [this] { encore_2mots_Click(); };
    fin_2mots.on_click = [this] { fin_2mots_Click(); };
    achat_indice.on_click = [this] { achat_indice_Click(); };
    ilvaria.on_click = [this] { ilvaria_Click(); };
}

void DeuxMots::disposer() {
    placer_selon_dessin(ilvaria);
    placer_selon_dessin(test);
    placer_selon_dessin(effacer);
    placer_selon_dessin(encore_2mots);
    placer_selon_dessin(fin_2mots);
    preparer_label_score(label_score);
    for (int i = 0; i < kMots; ++i) {
        plat::Label& mot = label_mot[i];
        mot.place(kXMots + kPasXMots * (i % kColonnes), kYMots + kPasYMots * (i / kColonnes), kLargeurMot,
                  kHauteurMot);
        mot.set_font_size(kTailleMot);
        mot.set_bold(true);
        mot.set_alignment(plat::Align::center);
        mot.set_word_wrap(false);
        mot.set_back_color(kFondMot);
        mot.set_border(true);
    }
    placer(reponse, kPlaceReponse);
    reponse.set_font_size(kTailleReponse);
    reponse.set_bold(true);
    reponse.set_alignment(plat::Align::center);
    reponse.set_word_wrap(false);
    placer(commentaire, kPlaceCommentaire);
    commentaire.set_font_size(kTailleCommentaire);
    commentaire.set_bold(true);
    commentaire.set_alignment(plat::Align::center);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
}

// ---------------------------------------------------------------- opening

void DeuxMots::Form_Activate() {
    poser_guide(r_, ilvaria, guides::deux_mots, kIlvariaRepos);
    r_.rendre_inactif(encore_2mots);
    reponse.set_fore_color(plat::couleurs::noir);
    r_.rendre_inactif(test);
    reponse.set_caption("");
    r_.rendre_inactif(effacer);
    r_.preparer_indice(achat_indice);
    if (!lire_enigme(true)) return;
    commentaire.set_caption(kConsigne);
    choix_ = 0;
    indice_achete_ = false;
    label_score.set_caption(std::to_string(r_.etat.score));
    r_.jouer_son("3.amb");
    animer_guide(r_, ilvaria, guides::deux_mots);
}

// Reads the next puzzle one field at a time, as nine fields make one; a file
// that cannot be read sends the player back to the menu with the reason.
bool DeuxMots::lire_enigme(bool premiere) {
    try {
        if (premiere) {
            lecteur_.emplace(r_.dossier_datas() / "2.bin", FormatEnregistrement(kChampsParEnigme, Champ::texte),
                             r_.etat.position_deux_mots);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
            lecteur_->passer_enigmes_finies();
        } else {
            lecteur_->revenir_au_debut_si_fini();
        }
        lire_champs();
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

// The nine fields, read one after the other, are checked before any shows.
void DeuxMots::lire_champs() {
    FichierMots& fichier = lecteur_->fichier();
    const Enregistrement e = fichier.lire(FormatEnregistrement(kChampsParEnigme, Champ::texte));
    fichier.refuser_si_coupe();
    controler(e);
    for (int i = 0; i < kMots; ++i) {
        label_mot[i].set_fore_color(plat::couleurs::noir);
        label_mot[i].set_caption(e[static_cast<std::size_t>(i)].texte());
    }
    mot_joint_ = e[kMots].texte();
    indice_ = e[kMots + 1].texte();
    mot_montre_ = e[kMots + 2].texte();
}

// Each word fits its card, and two of them, in some order, make the word to
// find. Case is left to the verdict, which compares exactly.
void DeuxMots::controler(const Enregistrement& e) {
    const std::string& joint = e[kMots].texte();
    bool paire = false;
    for (std::size_t a = 0; a < std::size_t{kMots}; ++a) {
        exiger_montre("2.bin", e[a].texte(), kLettresParCarte);
        for (std::size_t b = 0; b < std::size_t{kMots}; ++b)
            paire |= a != b && egaux_sans_casse(e[a].texte() + e[b].texte(), joint);
    }
    exiger(paire, "2.bin", joint, "il faut deux des six mots l'un après l'autre");
}

void DeuxMots::encore_2mots_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    reponse.set_fore_color(plat::couleurs::noir);
    indice_achete_ = false;
    r_.rendre_inactif(encore_2mots);
    reponse.set_caption("");
    r_.preparer_indice(achat_indice);
    if (!lire_enigme(false)) return;
    commentaire.set_caption(kConsigne);
    choix_ = 0;
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- picking

// A word already picked (green) stays where it is; a third pick is refused.
void DeuxMots::label_mot_Click(int index) {
    plat::Label& mot = label_mot[index];
    if (mot.fore_color() != plat::couleurs::noir) return;
    if (choix_ == 1)
        choisir_second(mot);
    else if (choix_ == 0)
        choisir_premier(mot);
}

void DeuxMots::choisir_premier(plat::Label& mot) {
    r_.jouer_son_touche();
    mot.set_fore_color(plat::couleurs::vert);
    Routines::rendre_actif(effacer);
    choix_ = 1;
    reponse.set_caption(mot.caption());
    reponse_ = reponse.caption();
    commentaire.set_caption(cp1252("\rQuel mot allez-vous associer à ") + reponse_ + " pour former un autre mot ?");
}

void DeuxMots::choisir_second(plat::Label& mot) {
    r_.cacher_pointeur(kSurVerifier);
    r_.jouer_son_touche();
    Routines::rendre_actif(test);
    choix_ = 2;
    mot.set_fore_color(plat::couleurs::vert);
    reponse.set_caption(reponse.caption() + mot.caption());
    commentaire.set_caption(cp1252("\rEn rajoutant ") + mot.caption() + cp1252(" à ") + reponse_ +
                            " vous obtenez " + reponse.caption() +
                            ", d'accord ? Cliquez sur le bouton TESTER pour confirmer.");
    reponse_ = reponse.caption();
    r_.montrer_pointeur();
}

void DeuxMots::effacer_Click() {
    r_.jouer_son("3.ats");
    r_.cacher_pointeur(kCentre);
    commentaire.set_caption(kConsigne);
    choix_ = 0;
    reponse.set_caption("");
    reponse_.clear();
    r_.rendre_inactif(effacer);
    r_.rendre_inactif(test);
    // A bought hint is not given back: the offer returns only while unsold.
    if (r_.etat.score >= kCoutIndice) {
        if (!achat_indice.visible() && !indice_achete_) achat_indice.set_visible(true);
    } else if (achat_indice.visible()) {
        achat_indice.set_visible(false);
    }
    for (auto& mot : label_mot) mot.set_fore_color(plat::couleurs::noir);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- the verdict

void DeuxMots::test_Click() {
    r_.rendre_inactif(test);
    r_.rendre_inactif(effacer);
    // No hint is sold once the pair is judged, nor while the answer blinks.
    bool indice_achete = std::exchange(indice_achete_, true);
    bool juste = reponse_ == mot_joint_;
    int perte = perte_erreur(r_.etat);
    r_.regler(juste ? kGainEnigme : -perte, r_.etat.position_deux_mots);
    if (juste)
        reussir(indice_achete);
    else
        echouer(indice_achete, perte);
    r_.montrer_pointeur();
    Routines::rendre_actif(encore_2mots);
}

std::string DeuxMots::texte_reussite(const std::string& commentaire, const std::string& mot,
                                     const std::string& indice, bool indice_achete) {
    return commentaire + " " + mot + " !\r" + bilan_reussite(indice_achete, indice);
}

std::string DeuxMots::texte_erreur(const std::string& commentaire, const std::string& mot,
                                   const std::string& indice, bool indice_achete, bool points_perdus) {
    return commentaire + " " + mot + " !\r" + bilan_erreur(points_perdus, indice_achete, indice);
}

void DeuxMots::reussir(bool indice_achete) {
    r_.jouer_victoire();
    commentaire.set_caption(texte_reussite(r_.commentaire(true), mot_montre_, indice_, indice_achete));
    r_.afficher_score(label_score);
    reponse.set_fore_color(plat::couleurs::bleu);
    animer_guide(r_, ilvaria, guides::deux_mots);
    r_.cacher_pointeur(kSurEncore);
}

void DeuxMots::echouer(bool indice_achete, int perte) {
    r_.jouer_defaite();
    if (perte != 0) r_.afficher_score(label_score);
    bool points_perdus = perte == kPerteErreur;
    commentaire.set_caption(texte_erreur(r_.commentaire(false), mot_montre_, indice_, indice_achete, points_perdus));
    r_.cacher_pointeur(kSurEncore);
    auto montrer = [this](plat::Couleur couleur, const std::string& texte) {
        reponse.set_fore_color(couleur);
        reponse.set_caption(texte);
    };
    alterner(r_, [&] { montrer(plat::couleurs::rouge, reponse_); }, [&] { montrer(plat::couleurs::bleu, mot_joint_); });
}

// ---------------------------------------------------------------- buttons

void DeuxMots::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void DeuxMots::ilvaria_Click() {
    r_.jouer_son("3.amb");
    animer_guide(r_, ilvaria, guides::deux_mots);
}

void DeuxMots::fin_2mots_Click() { r_.retour_menu(*this); }

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<DeuxMots>(r); });
}
