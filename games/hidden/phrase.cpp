#include "games/hidden/phrase.h"

#include <algorithm>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/reponse_fausse.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kGain = 5;
constexpr int kPenalite = 2;
constexpr int kCoutLettre = 2;
constexpr int kTeteRepos = 0;
constexpr char kMasque = 'X';

constexpr plat::Rect kCommentaire{20, 66, 484, 130};
constexpr int kTailleCommentaire = 13;
constexpr plat::Rect kPhrase{20, 200, 484, 110};
constexpr int kTaillePhrase = 17;
constexpr int kXIndice = 196;
constexpr int kYIndice = 410;
constexpr int kLargeurIndice = 306;

const std::string kConsigne = cp1252(
    "Saurez-vous retrouver les trois lettres manquantes (marquées par des X) dans la phrase ci-dessous ?\r"
    "VOUS N'AVEZ PAS DROIT A L'ERREUR !");

std::string en_capitales(std::string texte) {
    for (char& c : texte) c = majuscule(c);
    return texte;
}

// The room the sentence has on screen.
constexpr std::size_t kLargeurPhrase = 80;

}  // namespace

// The three letters must be three different letters a to z other than x,
// each found in the sentence and never in capitals there: anything else
// could never be put back, or would be given away.
void Phrase::controler(const Enregistrement& e) {
    const std::string phrase = e[0].texte(), lettres = e[1].texte();
    exiger_montre("12.bin", phrase, kLargeurPhrase);
    bool jouables = lettres.size() == kEssais;
    for (std::size_t i = 0; jouables && i < lettres.size(); ++i) {
        char c = lettres[i];
        jouables = c >= 'a' && c <= 'z' && c != 'x' && lettres.find(c) == i && phrase.find(c) != std::string::npos &&
                   phrase.find(majuscule(c)) == std::string::npos;
    }
    exiger(jouables, "12.bin", lettres,
           "il faut trois lettres différentes de a à z, sauf x, toutes dans la phrase et jamais en capitale");
}

Phrase::Phrase(Routines& r)
    : plat::Form(r.app, "phrase"),
      clavier(*this),
      r_(r),
      enigmes_(r, *this, "12.bin", {Champ::texte, Champ::texte}, r.etat.position_phrase,
               controler) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    clavier.lettre.on_click([this](int i) { lettre_Click(i); });
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_phrase.on_click = [this] { encore_phrase_Click(); };
    fin_phrase.on_click = [this] { fin_phrase_Click(); };
    tete.on_click = [this] { tete_Click(); };
}

void Phrase::disposer() {
    placer_selon_dessin(tete);
    placer_selon_dessin(encore_phrase);
    placer_selon_dessin(fin_phrase);
    preparer_label_score(label_score);
    preparer_texte(commentaire, kCommentaire, kTailleCommentaire);
    preparer_texte(phrases, kPhrase, kTaillePhrase);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
    clavier.alphabet.set_visible(false);
}

// ---------------------------------------------------------------- a new sentence

void Phrase::Form_Activate() {
    clavier.tout_activer();
    finie_ = false;
    r_.rendre_inactif(encore_phrase);
    Routines::rendre_actif(fin_phrase);
    poser_guide(r_, tete, guides::phrase, kTeteRepos);
    // A verdict left half-way may have turned the sentence blue.
    phrases.set_fore_color(plat::couleurs::noir);
    offrir_lettre();
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!poser_phrase(true)) return;
    r_.jouer_son("6.amb");
    animer_guide(r_, tete, guides::phrase);
    clavier.alphabet.set_visible(true);
}

void Phrase::offrir_lettre() {
    achat_indice.set_caption(cp1252("Acheter une lettre\r(2 pièces + 1 essai)"));
    achat_indice.set_visible(r_.etat.score >= kCoutLettre);
}

// Reads the sentence and shows it with its three letters masked.
bool Phrase::poser_phrase(bool ouverture) {
    auto e = ouverture ? enigmes_.reprendre() : enigmes_.suivante();
    if (!e) return false;
    mot_ = (*e)[0].texte();
    mot2_ = (*e)[1].texte();
    essais_ = kEssais;
    commentaire.set_caption(kConsigne);
    masque_ = mot_;
    std::replace_if(
        masque_.begin(), masque_.end(), [this](char c) { return mot2_.find(c) != std::string::npos; }, kMasque);
    phrases.set_caption(masque_);
    return true;
}

void Phrase::replacer(char lettre) {
    for (std::size_t i = 0; i < mot_.size(); ++i)
        if (mot_[i] == lettre) masque_[i] = lettre;
    phrases.set_caption(masque_);
}

void Phrase::montrer_phrase(const std::string& texte, plat::Couleur couleur) {
    phrases.set_caption(texte);
    phrases.set_fore_color(couleur);
}

std::string Phrase::lettres_manquantes() const { return en_capitales(mot2_); }

// ---------------------------------------------------------------- letters

std::string Phrase::texte_lettre(const std::string& commentaire, char lettre, bool juste, int essais) {
    std::string texte = juste ? commentaire + " Je place la lettre " + lettre + " dans la phrase."
                              : commentaire + " " + lettre + " ne fait pas partie de la phrase !";
    return texte + "\rNombre de tentatives disponibles : " + std::to_string(essais);
}

void Phrase::lettre_Click(int index) {
    if (fin_phrase.enabled()) r_.rendre_inactif(fin_phrase);
    r_.jouer_son_touche();
    clavier.lettre[index].set_enabled(false);
    if (essais_ == 0) return;
    char lettre = Alphabet::lettre_de(index);
    bool juste = mot2_.find(minuscule(lettre)) != std::string::npos;
    const std::string& phrase_du_tour = r_.commentaire(juste);
    if (juste) replacer(minuscule(lettre));
    --essais_;
    commentaire.set_caption(texte_lettre(phrase_du_tour, lettre, juste, essais_));
    verifier_phrase(phrase_du_tour);
}

void Phrase::achat_indice_Click() {
    if (finie_) return;
    finie_ = true;
    r_.regler(-kCoutLettre);
    r_.jouer_son("4.ats");
    if (fin_phrase.enabled()) r_.rendre_inactif(fin_phrase);
    auto achetee =
        std::find_if(mot2_.begin(), mot2_.end(), [this](char c) { return masque_.find(c) == std::string::npos; });
    char lettre = *achetee;
    r_.afficher_score(label_score);
    --essais_;
    achat_indice.set_caption(cp1252("La phrase contient la lettre ") + majuscule(lettre) + ".");
    clavier.lettre[majuscule(lettre) - 'A'].set_enabled(false);
    replacer(lettre);
    commentaire.set_caption(cp1252(" Je place la lettre ") + majuscule(lettre) +
                            cp1252(" que vous venez d'acheter dans la phrase.\rNombre de tentatives disponibles : ") +
                            std::to_string(essais_));
    verifier_phrase(r_.commentaire_du_tour(true));
}

// ---------------------------------------------------------------- the end of a sentence

void Phrase::verifier_phrase(const std::string& eloge) {
    if (egaux_sans_casse(masque_, mot_))
        phrase_complete(eloge);
    else if (essais_ == 0)
        phrase_perdue();
}

std::string Phrase::texte_complete(const std::string& eloge, const std::string& manquantes) {
    return eloge + cp1252("\rVous avez à présent la phrase complète !\rIl manquait effectivement les lettres ") +
           manquantes + ".";
}

std::string Phrase::texte_perdue(const std::string& manquantes) {
    return cp1252("Trop tard ! Il ne vous reste plus aucun essai !\rVoici les lettres manquantes : ") + manquantes +
           ".";
}

void Phrase::phrase_complete(const std::string& eloge) {
    finie_ = true;
    enigmes_.regler(kGain);
    r_.jouer_victoire();
    phrases.set_fore_color(plat::couleurs::bleu);
    commentaire.set_caption(texte_complete(eloge, lettres_manquantes()));
    clavier.alphabet.set_visible(false);
    r_.afficher_score(label_score);
    animer_guide(r_, tete, guides::phrase);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
    Routines::rendre_actif(encore_phrase);
    Routines::rendre_actif(fin_phrase);
}

void Phrase::phrase_perdue() {
    finie_ = true;
    enigmes_.regler(-kPenalite);  // the score stops at 0
    r_.jouer_defaite();
    clavier.alphabet.set_visible(false);
    commentaire.set_caption(texte_perdue(lettres_manquantes()));
    r_.afficher_score(label_score);
    r_.cacher_pointeur(kSurEncore);
    alterner(
        r_, [this] { montrer_phrase(masque_, plat::couleurs::rouge); },
        [this] { montrer_phrase(mot_, plat::couleurs::bleu); }, Cadence::image_puis_pause);
    Routines::rendre_actif(encore_phrase);
    Routines::rendre_actif(fin_phrase);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- buttons

void Phrase::encore_phrase_Click() {
    r_.jouer_son("9.ats");
    r_.rendre_inactif(fin_phrase);
    clavier.tout_activer();
    finie_ = false;
    r_.rendre_inactif(encore_phrase);
    offrir_lettre();
    if (!poser_phrase(false)) return;
    clavier.alphabet.set_visible(true);
}

void Phrase::fin_phrase_Click() { r_.retour_menu(*this); }

void Phrase::tete_Click() {
    r_.jouer_son("6.amb");
    animer_guide(r_, tete, guides::phrase);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Phrase>(r); });
}
