#include "games/wordplay/codes.h"

#include <algorithm>
#include <span>
#include <string>
#include <utility>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kPersoRepos = 3;

// The letter drawings on the sheet: A to K on the upper row, L to Z below.
constexpr int kLargeurDessin = 56;
constexpr int kHauteurDessin = 62;
constexpr int kLettresRangHaut = 11;
constexpr int kYRangHaut = 244;
constexpr int kYRangBas = 306;

// Rows of 5, 6 and 7 drawings are centred on the screen; others start at
// the left edge.
constexpr int kYDessins = 172;
int debut_rangee(int lettres) {
    switch (lettres) {
        case 7: return 124;
        case 6: return 152;
        case 5: return 180;
        default: return 0;
    }
}

constexpr plat::Rect kPlaceCommentaire{20, 66, 474, 100};
constexpr int kTailleCommentaire = 13;

// The proposals, two by two.
constexpr int kXPropositions = 40;
constexpr int kYPropositions = 248;
constexpr int kPasXPropositions = 224;
constexpr int kPasYPropositions = 52;
constexpr int kLargeurProposition = 210;
constexpr int kHauteurProposition = 44;
constexpr int kTailleProposition = 20;
constexpr plat::Couleur kFondProposition{0xE8F8EC};

constexpr int kXIndice = 20;
constexpr int kYIndice = 356;
constexpr int kLargeurIndice = 474;

// After a wrong answer the right proposal blinks red and blue, 4 times.
constexpr int kClignotements = 4;
constexpr std::uint32_t kClignotementMs = 200;

const std::string kConsigne = cp1252(
    "Chacun de ces dessins représente une lettre. Pouvez-vous me désigner le mot qui se cache ci-dessous ?");

}  // namespace

// Every proposal fits its label; the hidden word needs a drawing of its own
// for each letter, and only its own proposal may be right. A number naming
// no proposal stays a puzzle where nothing is right, as the rules say.
void Codes::controler(const Enregistrement& e) {
    const auto propositions = std::span(e).subspan(1, kPropositions);
    for (const Valeur& proposition : propositions) exiger_montre("3.bin", proposition.texte(), kDessins);
    const std::int32_t numero = e[0].nombre();
    if (numero < 1 || numero > kPropositions) return;
    const Valeur& cache = e[static_cast<std::size_t>(numero)];
    exiger_mot("3.bin", cache.texte(), 1, kDessins);
    exiger(std::count(propositions.begin(), propositions.end(), cache) == 1, "3.bin", cache.texte(),
           "les autres propositions doivent en différer");
}

Codes::Codes(Routines& r)
    : plat::Form(r.app, "codes"),
      r_(r),
      enigmes_(r, *this, "3.bin",
               {Champ::nombre, Champ::texte, Champ::texte, Champ::texte, Champ::texte, Champ::texte, Champ::texte},
               r.etat.position_codes, controler) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    mot_propose.on_click([this](int i) { mot_propose_Click(i); });
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_codes.on_click = [this] { encore_codes_Click(); };
    fin_codes.on_click = [this] { fin_codes_Click(); };
    perso.on_click = [this] { perso_Click(); };
}

plat::Rect Codes::dessin_de(char lettre) {
    int c = lettre - 'A';
    if (c < kLettresRangHaut) return {kLargeurDessin * c, kYRangHaut, kLargeurDessin, kHauteurDessin};
    return {kLargeurDessin * (c - kLettresRangHaut), kYRangBas, kLargeurDessin, kHauteurDessin};
}

void Codes::disposer() {
    placer_selon_dessin(perso);
    placer_selon_dessin(encore_codes);
    placer_selon_dessin(fin_codes);
    preparer_label_score(label_score);
    for (auto& dessin : reponse) dessin.place(0, kYDessins, kLargeurDessin, kHauteurDessin);
    for (int i = 0; i < kPropositions; ++i) {
        plat::Label& mot = mot_propose[i];
        mot.place(kXPropositions + kPasXPropositions * (i % 2), kYPropositions + kPasYPropositions * (i / 2),
                  kLargeurProposition, kHauteurProposition);
        mot.set_font_size(kTailleProposition);
        mot.set_bold(true);
        mot.set_alignment(plat::Align::center);
        mot.set_word_wrap(false);
        mot.set_back_color(kFondProposition);
        mot.set_border(true);
    }
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
}

// ---------------------------------------------------------------- a puzzle

void Codes::Form_Activate() {
    r_.cacher_pointeur(kCentre);
    poser_guide(r_, perso, guides::codes, kPersoRepos);
    preparer_enigme();
    label_score.set_caption(std::to_string(r_.etat.score));
    std::optional<Enregistrement> e = enigmes_.reprendre();
    if (!e) return;
    poser_enigme(*e);
    r_.jouer_son("5.amb");
    animer_guide(r_, perso, guides::codes);
}

void Codes::encore_codes_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    preparer_enigme();
    std::optional<Enregistrement> e = enigmes_.suivante();
    if (!e) return;
    poser_enigme(*e);
    r_.montrer_pointeur();
}

void Codes::preparer_enigme() {
    for (auto& dessin : reponse) {
        dessin.set_visible(false);
        dessin.clear_picture();
    }
    indice_achete_ = false;
    r_.rendre_inactif(encore_codes);
    r_.preparer_indice(achat_indice);
}

// A number outside 1 to 4 names no proposal: nothing is drawn and no
// answer is right.
void Codes::poser_enigme(const Enregistrement& e) {
    int numero = e[0].nombre();
    for (int i = 0; i < kPropositions; ++i) propositions_[i] = e[i + 1].texte();
    ligne_ = e[5].texte();
    indice_ = e[6].texte();
    bonne_ = numero >= 1 && numero <= kPropositions ? numero - 1 : -1;
    mot_travail_ = bonne_ >= 0 ? propositions_[bonne_] : "";
    commentaire.set_caption(kConsigne);
    dessiner_mot();
    for (int i = 0; i < kPropositions; ++i) {
        mot_propose[i].set_enabled(true);
        mot_propose[i].set_fore_color(plat::couleurs::noir);
        mot_propose[i].set_caption(propositions_[i]);
    }
    repondu_ = false;
}

void Codes::dessiner_mot() {
    int n = static_cast<int>(mot_travail_.size());
    for (int i = 0; i < n; ++i) {
        plat::Rect d = dessin_de(mot_travail_[i]);
        plat::Image& dessin = reponse[i];
        dessin.set_picture(r_.divers.anim->clip(d.x, d.y, d.w, d.h));
        dessin.set_left(debut_rangee(n) + kLargeurDessin * i);
        dessin.set_visible(true);
    }
}

// ---------------------------------------------------------------- the answer

std::string Codes::texte_trouve(const std::string& commentaire, const std::string& mot, const std::string& ligne,
                                const std::string& indice, bool indice_achete) {
    std::string bilan = indice_achete ? cp1252("L'achat d'indice ne vous laisse que 3 points !")
                                      : cp1252("L'indice était : ") + indice;
    return commentaire + cp1252(" C'était ") + mot + ".\r" + bilan + "\r" + ligne;
}

std::string Codes::texte_erreur(const std::string& commentaire, const std::string& mot, const std::string& ligne,
                                const std::string& indice, bool indice_achete) {
    std::string rappel = indice_achete ? cp1252("Vous aviez pourtant consulté l'indice !")
                                       : cp1252("L'indice était : ") + indice;
    return commentaire + " C'est " + mot + " !\r" + ligne + "\r" + rappel;
}

void Codes::mot_propose_Click(int index) {
    // Once answered, only the right proposal stays enabled, and it only
    // sends the pointer to the again button.
    if (!repondu_) {
        repondu_ = true;
        bool juste = index == bonne_;
        int perte = perte_erreur(r_.etat);
        enigmes_.regler(juste ? kGainEnigme : -perte);
        r_.cacher_pointeur(kSurPlace);
        for (int i = 0; i < kPropositions; ++i)
            if (i != bonne_) mot_propose[i].set_enabled(false);
        bool indice_achete = std::exchange(indice_achete_, true);
        if (juste)
            trouver(index, indice_achete);
        else
            se_tromper(indice_achete, perte);
        Routines::rendre_actif(encore_codes);
    }
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

void Codes::trouver(int index, bool indice_achete) {
    r_.jouer_victoire();
    commentaire.set_caption(texte_trouve(r_.commentaire(true), mot_travail_, ligne_, indice_, indice_achete));
    mot_propose[index].set_fore_color(plat::couleurs::bleu);
    r_.afficher_score(label_score);
    animer_guide(r_, perso, guides::codes);
}

// The comment does not mention the points a wrong answer costs.
void Codes::se_tromper(bool indice_achete, int perte) {
    r_.jouer_defaite();
    if (perte != 0) r_.afficher_score(label_score);
    commentaire.set_caption(texte_erreur(r_.commentaire(false), mot_travail_, ligne_, indice_, indice_achete));
    r_.cacher_pointeur(kSurEncore);
    if (bonne_ >= 0) clignoter_mot(bonne_);
}

void Codes::clignoter_mot(int index) {
    for (int i = 0; i < kClignotements; ++i)
        for (plat::Couleur couleur : {plat::couleurs::rouge, plat::couleurs::bleu}) {
            r_.app.wait_with_events(kClignotementMs);
            mot_propose[index].set_fore_color(couleur);
        }
}

// ---------------------------------------------------------------- buttons

void Codes::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void Codes::perso_Click() {
    r_.jouer_son("5.amb");
    animer_guide(r_, perso, guides::codes);
}

void Codes::fin_codes_Click() { r_.retour_menu(*this); }

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Codes>(r); });
}
