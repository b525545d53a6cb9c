#include "games/wordplay/musique.h"

#include <array>
#include <utility>

#include "core/disposition.h"
#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kPersoRepos = 3;

// The names the notes put into the gap, in the order of the xylophone.
constexpr std::array<std::string_view, Musique::kNotes> kNomsNotes = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};

constexpr plat::Rect kPlaceCommentaire{20, 66, 474, 100};
constexpr int kTailleCommentaire = 13;
constexpr plat::Rect kPlaceMot{20, 166, 474, 54};
constexpr int kTailleMot = 28;
constexpr int kXIndice = 20;
constexpr int kYIndice = 228;
constexpr int kLargeurIndice = 474;

// A wrong note: the word with that note in red, then the right word in blue,
// 4 times, 400 ms each; the word ends right.
constexpr int kClignotements = 4;
constexpr std::uint32_t kClignotementMs = 400;

const std::string kConsigne = cp1252(
    "La syllabe manquante dans le mot ci-dessous correspond au nom d'une note de musique.\r"
    "Mais ... laquelle d'après vous ?");

// The word with a note's name in its gap; only the first "-" takes it.
std::string avec_la_note(std::string a_trou, std::string_view nom) {
    return a_trou.replace(a_trou.find('-'), 1, nom);
}

}  // namespace

// The gap is what every note fills; a note outside the seven is never right.
void Musique::controler(const Enregistrement& e) {
    const std::string& a_trou = e[0].texte();
    exiger(a_trou.find('-') != std::string::npos, "8.bin", a_trou, "il faut un tiret à la place de la note");
    const std::int32_t note = e[1].nombre();
    exiger(note >= 0 && note < kNotes, "8.bin", a_trou, "il faut une note de 0 à 6");
}

Musique::Musique(Routines& r)
    : plat::Form(r.app, "musique"),
      r_(r),
      enigmes_(r, *this, "8.bin", {Champ::texte, Champ::nombre, Champ::texte, Champ::texte}, r.etat.position_musique,
               controler) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    note.on_click([this](int i) { note_Click(i); });
    achat_indice.on_click = [this] { achat_indice_Click(); };
    encore_musique.on_click = [this] { encore_musique_Click(); };
    fin_musique.on_click = [this] { fin_musique_Click(); };
    perso.on_click = [this] { perso_Click(); };
}

void Musique::disposer() {
    placer_selon_dessin(perso);
    placer_selon_dessin(encore_musique);
    placer_selon_dessin(fin_musique);
    // The notes lie over the xylophone drawn on the background.
    for (int i = 0; i < kNotes; ++i) {
        plat::Rect r = disposition::de(name(), "note_" + std::to_string(i));
        note[i].place(r.x, r.y, r.w, r.h);
    }
    preparer_label_score(label_score);
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
    preparer_texte(mot_note, kPlaceMot, kTailleMot);
    mot_note.set_word_wrap(false);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
}

// ---------------------------------------------------------------- a puzzle

void Musique::Form_Activate() {
    poser_guide(r_, perso, guides::musique, kPersoRepos);
    preparer_enigme();
    label_score.set_caption(std::to_string(r_.etat.score));
    std::optional<Enregistrement> e = enigmes_.reprendre();
    if (!e) return;
    poser_enigme(*e);
    r_.jouer_son("5.ats");
    animer_guide(r_, perso, guides::musique);
}

void Musique::encore_musique_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kMenu);
    preparer_enigme();
    std::optional<Enregistrement> e = enigmes_.suivante();
    if (!e) return;
    poser_enigme(*e);
    r_.montrer_pointeur();
}

void Musique::preparer_enigme() {
    indice_achete_ = false;
    r_.rendre_inactif(encore_musique);
    mot_note.set_fore_color(plat::couleurs::noir);
    activer_notes(true);
    r_.preparer_indice(achat_indice);
}

void Musique::poser_enigme(const Enregistrement& e) {
    mot_ = e[0].texte();
    bonne_note_ = e[1].nombre();
    mot_travail_ = e[2].texte();
    indice_ = e[3].texte();
    commentaire.set_caption(kConsigne);
    mot_note.set_caption(mot_);
}

void Musique::activer_notes(bool actives) {
    for (auto& n : note) n.set_enabled(actives);
}

// ---------------------------------------------------------------- the answer

void Musique::note_Click(int index) {
    activer_notes(false);
    // Once answered, the hint is no longer sold.
    bool indice_achete = std::exchange(indice_achete_, true);
    bool juste = index == bonne_note_;
    int perte = perte_erreur(r_.etat);
    enigmes_.regler(juste ? kGainEnigme : -perte);
    if (juste)
        trouver(indice_achete);
    else
        se_tromper(index, indice_achete, perte);
    r_.montrer_pointeur();
    Routines::rendre_actif(encore_musique);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

std::string Musique::texte_trouve(const std::string& commentaire, const std::string& mot, const std::string& indice,
                                  bool indice_achete) {
    if (indice_achete)
        return commentaire + "  On obtient " + mot +
               cp1252(" !\rMais vous aviez consulté l'indice. Au total vous ne gagnez donc que 3 points seulement !");
    return commentaire + " On obtient " + mot + " !\rVous gagnez 5 points !\rIndice : " + indice;
}

std::string Musique::texte_erreur(const std::string& commentaire, const std::string& mot, const std::string& indice,
                                  bool indice_achete, bool points_perdus) {
    std::string points = points_perdus ? "Vous perdez 2 points !" : "Vous n'avez plus aucun point !";
    std::string rappel = indice_achete ? cp1252("Vous aviez pourtant consulté l'indice !") : "Indice : " + indice;
    return commentaire + " C'est " + mot + " !\r" + points + "\r" + rappel;
}

void Musique::trouver(bool indice_achete) {
    r_.jouer_victoire();
    mot_note.set_fore_color(plat::couleurs::bleu);
    mot_note.set_caption(mot_travail_);
    commentaire.set_caption(texte_trouve(r_.commentaire(true), mot_travail_, indice_, indice_achete));
    r_.afficher_score(label_score);
    animer_guide(r_, perso, guides::musique);
}

void Musique::se_tromper(int index, bool indice_achete, int perte) {
    r_.jouer_defaite();
    if (perte != 0) r_.afficher_score(label_score);
    commentaire.set_caption(
        texte_erreur(r_.commentaire(false), mot_travail_, indice_, indice_achete, perte == kPerteErreur));
    std::string faux = avec_la_note(mot_, kNomsNotes[index]);
    r_.cacher_pointeur(kSurPlace);
    for (int i = 0; i < kClignotements; ++i) {
        mot_note.set_fore_color(plat::couleurs::rouge);
        mot_note.set_caption(faux);
        r_.app.wait_with_events(kClignotementMs);
        mot_note.set_fore_color(plat::couleurs::bleu);
        mot_note.set_caption(mot_travail_);
        r_.app.wait_with_events(kClignotementMs);
    }
}

// ---------------------------------------------------------------- buttons

void Musique::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void Musique::perso_Click() {
    r_.jouer_son("5.ats");
    animer_guide(r_, perso, guides::musique);
}

void Musique::fin_musique_Click() { r_.retour_menu(*this); }

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Musique>(r); });
}
