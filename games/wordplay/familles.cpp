#include "games/wordplay/familles.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kPersoRepos = 3;
constexpr int kPaires = Familles::kCartes / 2;

constexpr int kGainMaximum = 20;
constexpr int kPerteEssai = 2;  // a failed try lowers the prize; 10 of them lose the game
constexpr int kPertePartie = 2;  // a lost game costs 2 more points, never below 0

// Three columns of cards, wide enough for a word of 10 letters; the short
// last row sits in the middle.
constexpr int kColonnes = 3;
constexpr int kXCartes = 20;
constexpr int kYCartes = 72;
constexpr int kLargeurCarte = 152;
constexpr std::size_t kLettresParCarte = 10;
constexpr int kHauteurCarte = 36;
constexpr int kPasXCartes = 160;
constexpr int kPasYCartes = 40;
constexpr int kTailleCarte = 14;
constexpr plat::Couleur kFondCarte{0xD8F4FF};

constexpr plat::Rect kPlaceCommentaire{20, 278, 474, 106};
constexpr int kTailleCommentaire = 13;

// The second card of a try shows for a moment before the verdict.
constexpr std::uint32_t kAvantVerdictMs = 300;
// A pair found: the two words swap places and colours, 4 times, 200 ms each.
constexpr int kEchangesPaire = 4;
constexpr std::uint32_t kEchangeMs = 200;
// A failed try: both cards shrink to 8 points and grow back, 3 times.
constexpr int kSecoussesEchec = 3;
constexpr int kTailleEchecMin = 8;
constexpr int kPasTailleEchec = 2;
constexpr std::uint32_t kSecousseMs = 5;

const std::string kConsigne = cp1252(
    "Trouvez deux mots évoquant la même idée !\rVous pouvez gagner au maximum 20 points.\r"
    "Chaque essai infructueux vous enlève 2 points.");
const std::string kSolution = cp1252("Dommage ! Voici la solution !");

std::string points_a_gagner(int gain) { return "\rVous pouvez gagner " + std::to_string(gain) + " points."; }

}  // namespace

Familles::Familles(Routines& r) : plat::Form(r.app, "familles"), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    label_carte.on_click([this](int i) { label_carte_Click(i); });
    encore_familles.on_click = [this] { encore_familles_Click(); };
    fin_familles.on_click = [this] { fin_familles_Click(); };
    perso.on_click = [this] { perso_Click(); };
}

void Familles::disposer() {
    placer_selon_dessin(perso);
    placer_selon_dessin(encore_familles);
    placer_selon_dessin(fin_familles);
    preparer_label_score(label_score);
    for (int i = 0; i < kCartes; ++i) {
        int ligne = i / kColonnes;
        int dans_la_ligne = std::min(kColonnes, kCartes - ligne * kColonnes);
        int marge = (kColonnes - dans_la_ligne) * kPasXCartes / 2;
        plat::Label& carte = label_carte[i];
        carte.place(kXCartes + marge + kPasXCartes * (i % kColonnes), kYCartes + kPasYCartes * ligne, kLargeurCarte,
                    kHauteurCarte);
        carte.set_font_size(kTailleCarte);
        carte.set_bold(true);
        carte.set_alignment(plat::Align::center);
        carte.set_word_wrap(false);
        carte.set_back_color(kFondCarte);
        carte.set_border(true);
        carte.set_hollow_when_empty(true);  // a face-down card shows the back drawn on the background
    }
    preparer_texte(commentaire, kPlaceCommentaire, kTailleCommentaire);
}

// ---------------------------------------------------------------- a new game

void Familles::Form_Activate() {
    r_.rendre_inactif(encore_familles);
    poser_guide(r_, perso, guides::familles, kPersoRepos);
    if (!lire_mots(true)) return;
    donner_cartes();
    commencer_partie();
    r_.jouer_son("11.amb");
    animer_guide(r_, perso, guides::familles);
}

void Familles::encore_familles_Click() {
    r_.jouer_son("9.ats");
    r_.cacher_pointeur(kCentre);
    r_.rendre_inactif(encore_familles);
    if (!lire_mots(false)) return;
    donner_cartes();
    commencer_partie();
    r_.montrer_pointeur();
}

// The 14 words of a game, one field each. The saved position counts pairs
// of fields when the screen opens, and grows by one per word read for a new
// game; a file that cannot be read sends the player back to the menu.
bool Familles::lire_mots(bool ouverture) {
    try {
        if (ouverture || !lecteur_) {
            lecteur_.emplace(r_.dossier_datas() / "5.bin", FormatEnregistrement(2, Champ::texte),
                             r_.etat.position_familles);
            r_.ouvrir_fichier([this] { lecteur_.reset(); });
            lecteur_->passer_enigmes_finies();
        }
        for (std::size_t i = 0; i < mots_.size(); ++i) {
            mots_[i] = lire_mot(i % 2 == 0);
            if (!ouverture) lecteur_->avancer();
            lecteur_->revenir_au_debut_si_fini();
        }
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

// Pairs start at even fields: a file ending on the first word of a pair
// has lost the second, which a game would pair with the top of the file.
std::string Familles::lire_mot(bool premier_de_paire) {
    FichierMots& fichier = lecteur_->fichier();
    std::string mot = fichier.lire_texte();
    fichier.refuser_si_coupe();
    controler({mot});
    exiger(!premier_de_paire || !fichier.fin(), "5.bin", mot, "il faut le second mot de sa paire");
    return mot;
}

void Familles::controler(const Enregistrement& e) {
    for (const Valeur& mot : e) exiger_montre("5.bin", mot.texte(), kLettresParCarte);
}

// Every order of the cards is equally likely.
void Familles::donner_cartes() {
    essai_en_cours_ = false;
    premiere_carte_.reset();
    std::iota(carte_du_mot_.begin(), carte_du_mot_.end(), 0);
    std::shuffle(carte_du_mot_.begin(), carte_du_mot_.end(), r_.generateur());
    for (int m = 0; m < kCartes; ++m) mot_de_carte_[carte_du_mot_[m]] = m;
    for (int i = 0; i < kCartes; ++i) {
        label_carte[i].set_fore_color(plat::couleurs::noir);
        label_carte[i].set_font_size(kTailleCarte);  // a shake cut short leaves its card small
        label_carte[i].set_caption("");
        label_carte[i].set_enabled(true);
        carte_libre_[i] = true;
    }
}

void Familles::commencer_partie() {
    commentaire.set_caption(kConsigne);
    label_score.set_caption(std::to_string(r_.etat.score));
    gain_ = kGainMaximum;
    paires_trouvees_ = 0;
}

// ---------------------------------------------------------------- a try

void Familles::label_carte_Click(int index) {
    // From the second card of a try until its show ends, no card plays: a
    // card taken then would start a new try over the running one, and the
    // first card of that one would stay face up for good.
    if (essai_en_cours_ || !carte_libre_[index]) return;
    r_.jouer_son_touche();
    carte_libre_[index] = false;
    if (premiere_carte_) {
        retourner_seconde(index);
    } else {
        premiere_carte_ = index;
        label_carte[index].set_caption(mot(index));
        commentaire.set_caption(cp1252("\rQuel mot pourrait évoquer ") + mot(index) + " ?");
    }
    if (gain_ == 0) perdre();
}

void Familles::retourner_seconde(int seconde) {
    int premiere = *std::exchange(premiere_carte_, std::nullopt);
    essai_en_cours_ = true;
    r_.cacher_pointeur(kSurPlace);
    label_carte[seconde].set_caption(mot(seconde));
    label_carte[seconde].refresh();
    // Words 2k and 2k+1 of a game make pair k.
    bool paire = mot_de_carte_[premiere] / 2 == mot_de_carte_[seconde] / 2;
    if (paire)
        ++paires_trouvees_;
    else
        gain_ -= kPerteEssai;
    regler_si_finie();
    r_.app.wait_with_events(kAvantVerdictMs);
    if (paire)
        montrer_paire(premiere, seconde);
    else
        montrer_echec(premiere, seconde);
    essai_en_cours_ = false;
    if (paire && paires_trouvees_ == kPaires) gagner();
}

void Familles::montrer(int carte, plat::Couleur couleur, int mot_montre) {
    label_carte[carte].set_fore_color(couleur);
    label_carte[carte].set_caption(mots_[mot_montre]);
}

const std::string& Familles::mot(int carte) const { return mots_[mot_de_carte_[carte]]; }

std::string Familles::texte_paire(const std::string& commentaire, const std::string& mot,
                                  const std::string& autre, int gain) {
    return commentaire + "\r" + mot + cp1252(" fait penser à ") + autre + " !" + points_a_gagner(gain);
}

// The last try that leaves nothing to win shows the solution instead.
std::string Familles::texte_echec(const std::string& commentaire, const std::string& mot,
                                  const std::string& autre, int gain) {
    if (gain <= 0) return kSolution;
    return commentaire + "\r" + mot + cp1252(" n'évoque pas ") + autre + " !" + points_a_gagner(gain);
}

std::string Familles::texte_victoire(const std::string& commentaire, int gain) {
    return commentaire + "\rCette victoire vous rapporte " + std::to_string(gain) + " points !\rUne autre petite partie ?";
}

void Familles::montrer_paire(int premiere, int seconde) {
    commentaire.set_caption(texte_paire(r_.commentaire(true), mot(premiere), mot(seconde), gain_));
    int m1 = mot_de_carte_[premiere];
    int m2 = mot_de_carte_[seconde];
    for (int i = 0; i < kEchangesPaire; ++i) {
        r_.app.wait_with_events(kEchangeMs);
        r_.jouer_son_liste(1);
        montrer(premiere, plat::couleurs::rouge, m2);
        montrer(seconde, plat::couleurs::noir, m1);
        r_.app.wait_with_events(kEchangeMs);
        r_.jouer_son_liste(1);
        montrer(premiere, plat::couleurs::noir, m1);
        montrer(seconde, plat::couleurs::rouge, m2);
    }
    label_carte[premiere].set_fore_color(plat::couleurs::bleu);
    label_carte[seconde].set_fore_color(plat::couleurs::bleu);
    r_.montrer_pointeur();
}

void Familles::montrer_echec(int premiere, int seconde) {
    commentaire.set_caption(texte_echec(r_.commentaire(false), mot(premiere), mot(seconde), gain_));
    auto taille = [&](int points) {
        label_carte[premiere].set_font_size(points);
        label_carte[seconde].set_font_size(points);
        label_carte[seconde].refresh();
        r_.app.wait_with_events(kSecousseMs);
    };
    for (int i = 0; i < kSecoussesEchec; ++i) {
        for (int points = kTailleCarte; points >= kTailleEchecMin; points -= kPasTailleEchec) {
            r_.jouer_son_liste(0);
            taille(points);
        }
        for (int points = kTailleEchecMin; points <= kTailleCarte; points += kPasTailleEchec) taille(points);
    }
    r_.montrer_pointeur();
    for (int carte : {premiere, seconde}) {
        carte_libre_[carte] = true;
        label_carte[carte].set_caption("");
    }
}

// ---------------------------------------------------------------- the end of a game

// The try that ends the game settles it before its show: leaving or
// quitting during the show then keeps what it won or lost.
void Familles::regler_si_finie() {
    if (paires_trouvees_ == kPaires) {
        r_.regler(gain_, r_.etat.position_familles, kCartes);
    } else if (gain_ == 0) {
        perte_ = std::min(r_.etat.score, kPertePartie);
        r_.regler(-perte_, r_.etat.position_familles, kCartes);
    }
}

void Familles::gagner() {
    r_.jouer_victoire();
    label_score.set_caption(std::to_string(r_.etat.score));
    // The phrase after the one the last pair used, the rotation left as it is.
    commentaire.set_caption(texte_victoire(r_.commentaire_du_tour(true), gain_));
    r_.afficher_score(label_score);
    animer_guide(r_, perso, guides::familles);
    r_.cacher_pointeur(kSurEncore);
    r_.montrer_pointeur();
    Routines::rendre_actif(encore_familles);
}

// The board is revealed, the cards never found in red, and locked.
void Familles::perdre() {
    bool points_perdus = perte_ == kPertePartie;
    r_.jouer_defaite();
    for (int i = 0; i < kCartes; ++i) {
        if (label_carte[i].caption().empty()) label_carte[i].set_fore_color(plat::couleurs::rouge);
        label_carte[i].set_caption(mot(i));
        carte_libre_[i] = false;
    }
    std::string texte = kSolution + (points_perdus ? "\rVous perdez 2 points !" : "\rVous n'avez plus aucun point !");
    commentaire.set_caption(texte + cp1252("\rTentez donc à nouveau votre chance !"));
    r_.afficher_score(label_score);
    r_.cacher_pointeur(kSurEncore);
    Routines::rendre_actif(encore_familles);
    r_.montrer_pointeur();
}

// ---------------------------------------------------------------- buttons

void Familles::perso_Click() {
    r_.jouer_son("11.amb");
    animer_guide(r_, perso, guides::familles);
}

void Familles::fin_familles_Click() { r_.retour_menu(*this); }

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Familles>(r); });
}
