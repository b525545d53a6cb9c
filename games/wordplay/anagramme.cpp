#include "games/wordplay/anagramme.h"

#include <algorithm>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "core/reponse_fausse.h"
#include "core/tuiles.h"
#include "core/verdict.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kZorvakRepos = 5;
constexpr int kPremiereCase = Anagramme::kTuiles;

constexpr int kYTuiles = 196;
constexpr int kYCases = 256;
constexpr plat::Rect kPlaceCommentaire{16, 66, 488, 124};
constexpr int kTailleCommentaire = 13;
constexpr int kXIndice = 24;
constexpr int kYIndice = 316;
constexpr int kLargeurIndice = 470;

const std::string kConsigne =
    cp1252("Pouvez-vous agencer les lettres du mot ci-dessous dans un ordre différent afin d'obtenir un autre mot ?");

bool meme_lettre(char a, char b) { return majuscule(a) == majuscule(b); }

}  // namespace

// Without a tile the puzzle could never be judged; beyond eight, no room;
// a solution made of other letters could never be spelled with the tiles
// (the verdict ignores case).
void Anagramme::controler(const Enregistrement& e) {
    const std::string& mot = e[0].texte();
    exiger_montre("1.bin", mot, kTuiles);
    const std::string& solution = e[1].texte();
    const bool memes_lettres = std::is_permutation(mot.begin(), mot.end(), solution.begin(), solution.end(), meme_lettre);
    exiger(memes_lettres, "1.bin", solution, "il faut les lettres de " + utf8(mot) + " dans un autre ordre");
}

Anagramme::Anagramme(Routines& r) : plat::Form(r.app, "anagramme"), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    reponse.on_click([this](int i) { reponse_Click(i); });
    test.on_click = [this] { test_Click(); };
    effacer.on_click = [this] { effacer_Click(); };
    encore_anagram.on_click = [this] { encore_anagram_Click(); };
    fin_anagramme.on_click = [this] { fin_anagramme_Click(); };
    achat_indice.on_click = [this] { achat_indice_Click(); };
    zorvak.on_click = [this] { zorvak_Click(); };
}

void Anagramme::disposer() {
    for (plat::Control* c : std::initializer_list<plat::Control*>{&zorvak, &test, &effacer, &encore_anagram,
                                                                  &fin_anagramme})
        placer_selon_dessin(*c);
    preparer_label_score(label_score);
    preparer_cellules(reponse, kYTuiles, kFondCelluleSombre);
    for (int i = kPremiereCase; i < reponse.size(); ++i) reponse[i].set_top(kYCases);
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
    preparer_label_indice(achat_indice, kXIndice, kYIndice, kLargeurIndice);
}

// ---------------------------------------------------------------- opening

void Anagramme::Form_Activate() {
    juge_ = false;
    poser_guide(r_, zorvak, guides::anagramme, kZorvakRepos);
    ranger_tuiles(reponse);
    r_.rendre_inactif(test);
    r_.rendre_inactif(effacer);
    indice_achete_ = false;
    r_.rendre_inactif(encore_anagram);
    r_.preparer_indice(achat_indice);
    label_score.set_caption(std::to_string(r_.etat.score));
    if (!lire_enigme(true)) return;
    poser_enigme();
    r_.jouer_son("1.ats");
    animer_guide(r_, zorvak, guides::anagramme);
}

// Reads the next puzzle; a file that cannot be read sends the player back
// to the menu with the reason.
bool Anagramme::lire_enigme(bool premiere) {
    try {
        if (premiere) {
            lecteur_.emplace(r_.dossier_datas() / "1.bin", FormatEnregistrement(4, Champ::texte),
                             r_.etat.position_anagramme);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
        }
        Enregistrement e = premiere ? lecteur_->reprendre() : lecteur_->suivant();
        controler(e);
        mot_ = e[0].texte();
        solution_ = e[1].texte();
        indice_ = e[2].texte();
        ligne_ = e[3].texte();
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

void Anagramme::poser_enigme() {
    case_suivante_ = kPremiereCase;
    commentaire.set_caption(kConsigne + "\r" + ligne_);
    reponse_.assign(mot_.size(), ' ');
    poser_lettres(reponse, mot_);
    for (int i = 0; i < longueur(); ++i) {
        plat::Label& case_ = reponse[kPremiereCase + i];
        case_.set_visible(true);
        case_.set_enabled(true);
        case_.set_caption("-");
        case_.set_left(reponse[i].left());
    }
}

void Anagramme::encore_anagram_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    juge_ = false;
    indice_achete_ = false;
    ranger_tuiles(reponse);
    r_.preparer_indice(achat_indice);
    if (!lire_enigme(false)) return;
    poser_enigme();
    r_.rendre_inactif(encore_anagram);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- spelling the answer

void Anagramme::reponse_Click(int index) {
    if (juge_ || index >= kPremiereCase) return;
    r_.jouer_son_touche();
    plat::Label& tuile = reponse[index];
    reponse[case_suivante_].set_caption(tuile.caption());
    ++case_suivante_;
    tuile.set_enabled(false);
    tuile.set_caption("");
    reponse_[static_cast<std::size_t>(case_suivante_ - kPremiereCase - 1)] = mot_[static_cast<std::size_t>(index)];
    if (!reste_une_tuile()) {
        Routines::rendre_actif(test);
        r_.cacher_pointeur(kSurVerifier);
        r_.montrer_pointeur();
    } else if (test.enabled()) {
        r_.rendre_inactif(test);
    }
    if (!effacer.enabled()) Routines::rendre_actif(effacer);
}

bool Anagramme::reste_une_tuile() {
    for (int i = 0; i < longueur(); ++i)
        if (reponse[i].enabled()) return true;
    return false;
}

void Anagramme::effacer_Click() {
    r_.cacher_pointeur(kCentre);
    r_.jouer_son("3.ats");
    if (test.enabled()) r_.rendre_inactif(test);
    r_.rendre_inactif(effacer);
    remettre_les_lettres();
    r_.montrer_pointeur();
}

void Anagramme::remettre_les_lettres() {
    case_suivante_ = kPremiereCase;
    reponse_.assign(mot_.size(), ' ');
    for (int i = 0; i < longueur(); ++i) {
        reponse[i].set_enabled(true);
        reponse[i].set_caption(std::string(1, mot_[static_cast<std::size_t>(i)]));
        reponse[kPremiereCase + i].set_caption("-");
    }
}

// ---------------------------------------------------------------- the verdict

void Anagramme::test_Click() {
    r_.rendre_inactif(test);
    r_.rendre_inactif(effacer);
    for (int i = 0; i < kTuiles; ++i) {
        reponse[i].set_enabled(true);
        reponse[i].set_fore_color(plat::couleurs::jaune);
        if (i < longueur()) reponse[i].set_caption(std::string(1, solution_[static_cast<std::size_t>(i)]));
    }
    juge_ = true;
    bool juste = egaux_sans_casse(reponse_, solution_);
    int perte = perte_erreur(r_.etat);
    r_.regler(juste ? kGainEnigme : -perte, r_.etat.position_anagramme);
    colorer_les_cases();
    if (juste)
        reussir();
    else
        echouer(perte);
    Routines::rendre_actif(encore_anagram);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
}

// Each slot is checked against the solution's letter exactly, case included.
void Anagramme::colorer_les_cases() {
    for (int i = 0; i < kTuiles; ++i) {
        std::string attendue = i < longueur() ? std::string(1, solution_[static_cast<std::size_t>(i)]) : "";
        plat::Label& case_ = reponse[kPremiereCase + i];
        case_.set_fore_color(case_.caption() == attendue ? plat::couleurs::vert : plat::couleurs::rouge);
    }
}

std::string Anagramme::texte_reussite(const std::string& commentaire, const std::string& mot,
                                      const std::string& indice, bool indice_achete) {
    return commentaire + cp1252(" C'était bien ") + mot + " !\r" +
           (indice_achete ? cp1252("Mais comme vous avez dépensé deux points pour consulter l'indice le gain final "
                                   "n'est que de 3 points !")
                          : cp1252("Et ceci sans avoir besoin de l'indice qui était :\r") + indice);
}

std::string Anagramme::texte_erreur(const std::string& commentaire, const std::string& indice, bool indice_achete) {
    return commentaire + cp1252(" Lisez la réponse !\r") +
           (indice_achete ? cp1252(" Même en consultant l'indice vous n'avez pas trouvé ?")
                          : cp1252("L'indice était : ") + indice);
}

void Anagramme::reussir() {
    r_.jouer_victoire();
    commentaire.set_caption(texte_reussite(r_.commentaire(true), solution_, indice_, indice_achete_));
    r_.afficher_score(label_score);
    indice_achete_ = true;
    animer_guide(r_, zorvak, guides::anagramme);
}

void Anagramme::echouer(int perte) {
    r_.jouer_defaite();
    std::string texte = texte_erreur(r_.commentaire(false), indice_, indice_achete_);
    indice_achete_ = true;
    montrer_perte(r_, commentaire, label_score, texte, perte);
}

// ---------------------------------------------------------------- buttons

void Anagramme::achat_indice_Click() { r_.acheter_indice(indice_achete_, achat_indice, label_score, indice_); }

void Anagramme::zorvak_Click() {
    r_.jouer_son("1.ats");
    animer_guide(r_, zorvak, guides::anagramme);
}

void Anagramme::fin_anagramme_Click() { r_.retour_menu(*this); }

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Anagramme>(r); });
}
