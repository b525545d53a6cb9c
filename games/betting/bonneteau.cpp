#include "games/betting/bonneteau.h"

#include "core/ecran_de_jeu.h"
#include "core/guide.h"
#include "games/betting/scene.h"
#include "games/jeux.h"
#include "platform/text.h"

namespace {

constexpr int kCageRepos = 0;
// Each word lies 1 to 200 records after the one before.
constexpr int kEcartMaximum = 200;

// The three hats, side by side under the comment.
constexpr int kXChapeaux = 21;
constexpr int kEcartChapeaux = 162;
constexpr int kYChapeaux = 280;
constexpr int kLargeurChapeau = 156;
constexpr int kHauteurChapeau = 44;
constexpr int kTailleChapeau = 18;
const plat::Couleur kFondChapeau{0xE0E0FF};

constexpr int kEtapesMelange = 21;  // a countdown from 20 to 0
constexpr std::uint32_t kPasMelangeMs = 150;
constexpr std::uint32_t kClignotementBanniereMs = 100;
constexpr int kClignotementsBanniere = 6;

const std::string kAttention = "             ATTENTION ... PREPAREZ-VOUS ...            ";

std::string essais_disponibles(int essais) { return "\rEssais disponibles :" + texte_nombre(essais); }

}  // namespace

// A word must fit under its hat: the file's longest words have 7 letters.
void Bonneteau::controler(const Enregistrement& e) { exiger_montre("10.bin", e[0].texte(), 7); }

Bonneteau::Bonneteau(Routines& r)
    : plat::Form(r.app, "bonneteau"), mise(*this, r, BoutonsBloques::inertes), r_(r) {
    disposer();
    on_activate = [this] { Form_Activate(); };
    bonnet.on_click([this](int i) { bonnet_Click(i); });
    encore_bonneteau.on_click = [this] { encore_bonneteau_Click(); };
    fin_bonneteau.on_click = [this] { fin_bonneteau_Click(); };
    cage.on_click = [this] { cage_Click(); };
}

void Bonneteau::disposer() {
    placer_selon_dessin(cage);
    placer_selon_dessin(encore_bonneteau);
    placer_selon_dessin(fin_bonneteau);
    preparer_label_score(label_score);
    preparer_bandeau(mot_a_chercher);
    preparer_commentaire(commentaire);
    preparer_cases(bonnet, {{kXChapeaux, kYChapeaux, kLargeurChapeau, kHauteurChapeau}, kEcartChapeaux, kTailleChapeau,
                            kFondChapeau});
    // A hat with no word shows the hat drawn on the background.
    for (auto& chapeau : bonnet) chapeau.set_hollow_when_empty(true);
}

// ---------------------------------------------------------------- opening

void Bonneteau::Form_Activate() {
    r_.rendre_inactif(encore_bonneteau);
    pari_clos(fin_bonneteau, cage);
    r_.cacher_pointeur(kCentre);
    poser_guide(r_, cage, guides::bonneteau, kCageRepos);
    recommencer();
    label_score.set_caption(texte_nombre(r_.etat.score));
    for (auto& chapeau : bonnet) {
        chapeau.set_fore_color(plat::couleurs::bleu);
        chapeau.set_caption("");
    }
    mot_a_chercher.set_caption("");
    if (!RegleMise::peut_miser(r_.etat.score)) {
        accueillir_sans_mise();
        return;
    }
    if (!tirer_les_mots(true)) return;
    pari_en_cours(r_, fin_bonneteau, cage);
    montrer_les_mots();
    r_.jouer_son("12.def");
    animer_guide(r_, cage, guides::bonneteau);
    melanger_mots();
    ouvrir_le_pari();
    r_.montrer_pointeur();
}

// A new bet: four tries, nothing found, no hat counts and the stake stays
// at 10 until the words are hidden.
void Bonneteau::recommencer() {
    mot_a_chercher.set_fore_color(plat::couleurs::noir);
    etape_ = 0;
    essais_ = kEssais;
    trouves_ = 0;
    en_preparation_ = true;
    compte_.fill(false);
    mise.preparer();
}

void Bonneteau::accueillir_sans_mise() {
    en_preparation_ = false;
    refuser_le_pari(r_, commentaire, mise, "13.def", "GRAND JEU DU MONNETEAU", [this](int i) {
        if (i < kChapeaux)
            bonnet[i].set_caption(au_revoir());
        else
            mot_a_chercher.set_caption(au_revoir());
    });
}

// Three distinct gaps, each word read that many records after the one
// before, round the end of the file. A file that cannot be read sends the
// player back to the menu with the reason.
bool Bonneteau::tirer_les_mots(bool premier) {
    try {
        if (premier) {
            fichier_.emplace(FichierMots::ouvrir(r_.dossier_datas() / "10.bin"));
            r_.ouvrir_fichier([this] { fichier_.reset(); });
        }
        std::vector<int> ecarts = tirages_distincts(r_, kChapeaux, kEcartMaximum);
        for (int i = 0; i < kChapeaux; ++i)
            for (int lus = 0; lus <= ecarts[static_cast<std::size_t>(i)]; ++lus) {
                mots_[static_cast<std::size_t>(i)] = fichier_->lire_texte();
                fichier_->refuser_si_coupe();
                controler({mots_[static_cast<std::size_t>(i)]});
                if (fichier_->fin()) fichier_->rembobiner();
            }
        return true;
    } catch (const FichierMotsErreur& e) {
        r_.quitter_sur_erreur(*this, e.what());
        return false;
    }
}

void Bonneteau::montrer_les_mots() {
    commentaire.set_caption(cp1252("Je viens de choisir au sort ces trois mots dans mon encyclopédie.\r"
                                   "Je vais à présent les mélanger rapidement puis les cacher.\r"
                                   "Vous devrez ensuite les retrouver !"));
    for (auto& chapeau : bonnet) {
        chapeau.set_fore_color(plat::couleurs::bleu);
        chapeau.set_caption(mots_[static_cast<std::size_t>(chapeau.index())]);
    }
}

// The words seem to jump from hat to hat; the last draw, never shown, sets
// the order in which they are asked for.
void Bonneteau::melanger_mots() {
    r_.cacher_pointeur(kCentre);
    faire_defiler(r_, mot_a_chercher, kAttention, r_.tirer_son());
    std::string son = r_.tirer_son_victoire();
    for (int etape = 0; etape < kEtapesMelange; ++etape) {
        mot_a_chercher.set_caption(texte_nombre(kEtapesMelange - 1 - etape));
        r_.jouer_son(son);
        tirer_ordre();
        for (auto& chapeau : bonnet)
            chapeau.set_caption(mots_[static_cast<std::size_t>(ordre_[static_cast<std::size_t>(chapeau.index())])]);
        r_.app.wait_with_events(kPasMelangeMs);
    }
    tirer_ordre();
    tirer_ordre();
    for (auto& chapeau : bonnet) chapeau.set_caption("");
    mot_a_chercher.set_caption("BANZAI !");
    clignoter(r_, mot_a_chercher, kClignotementsBanniere, plat::couleurs::rouge, plat::couleurs::bleu,
              kClignotementBanniereMs);
    commentaire.set_caption(cp1252("A vous de retrouver les mots à présent !\rNous allons commencer par le mot ") +
                            mot_demande() + cp1252(". Où est-il ?") + essais_disponibles(essais_));
    mot_a_chercher.set_fore_color(plat::couleurs::vert);
    mot_a_chercher.set_caption(mot_demande());
    r_.montrer_pointeur();
}

void Bonneteau::tirer_ordre() { ordre_ = tirages_distincts(r_, kChapeaux, kChapeaux); }

// The hats count and the stake is free, at 10, from the same moment on.
void Bonneteau::ouvrir_le_pari() {
    en_preparation_ = false;
    compte_.fill(true);
    mise.ouvrir();
    cage.set_enabled(true);  // the guide may dance again while the bet waits
}

const std::string& Bonneteau::mot_demande() const {
    return mots_[static_cast<std::size_t>(ordre_[static_cast<std::size_t>(etape_)])];
}

// ---------------------------------------------------------------- a hat

void Bonneteau::bonnet_Click(int index) {
    if (en_preparation_) return;
    mise.bloquer();
    if (!compte_[static_cast<std::size_t>(index)]) {
        r_.montrer_pointeur();
        return;
    }
    r_.jouer_son_touche();
    --essais_;
    if (index == ordre_[static_cast<std::size_t>(etape_)])
        trouver(index);
    else
        rater(index);
    if (trouves_ == kChapeaux)
        gagner();
    else if (essais_ == 0)
        perdre();
    r_.montrer_pointeur();
}

// A wrong hat costs one try for the word asked: clicked again before that
// word is found, it costs nothing more.
void Bonneteau::rater(int index) {
    compte_[static_cast<std::size_t>(index)] = false;
    commentaire.set_caption(cp1252("Désolé ! ") + mot_demande() +
                            " ne se trouve pas ici !\rLa chance n'est pas au rendez-vous on dirait !" +
                            essais_disponibles(essais_));
}

void Bonneteau::trouver(int index) {
    compte_[static_cast<std::size_t>(index)] = false;
    bonnet[index].set_caption(mot_demande());
    ++trouves_;
    if (trouves_ == kChapeaux) return;  // the verdict follows
    const std::string& trouve = mot_demande();
    ++etape_;
    rouvrir_les_chapeaux_vides();
    commentaire.set_caption("Vous venez de trouver la place de " + trouve + " !\rNous allons continuer par le mot " +
                            mot_demande() + cp1252(". Où est-il ?") + essais_disponibles(essais_));
    mot_a_chercher.set_caption(mot_demande());
}

// The next word may lie under a hat tried in vain for the word before.
void Bonneteau::rouvrir_les_chapeaux_vides() {
    for (auto& chapeau : bonnet) compte_[static_cast<std::size_t>(chapeau.index())] = chapeau.caption().empty();
}

std::string Bonneteau::texte_gain(const std::string& commentaire, int mise) {
    return commentaire + cp1252("\rVous aviez regardé sous les cases ? Allez, avouez-le !\rVous venez de gagner") +
           texte_nombre(2 * static_cast<std::int64_t>(mise)) + " points !";
}

std::string Bonneteau::texte_perte(int mise) {
    return "Il ne vous reste plus aucune tentative !\rJe vous donne donc la solution !\r"
           "Naturellement vous perdez votre mise de" +
           texte_nombre(mise) + " points !";
}

void Bonneteau::gagner() {
    r_.regler(2 * mise.mise());
    r_.jouer_victoire();
    commentaire.set_caption(texte_gain(r_.commentaire(true), mise.mise()));
    mot_a_chercher.set_fore_color(plat::couleurs::vert);
    mot_a_chercher.set_caption("GAGNE !");
    r_.afficher_score(label_score);
    animer_guide(r_, cage, guides::bonneteau);
    r_.cacher_pointeur(kSurEncore);
    Routines::rendre_actif(encore_bonneteau);
    pari_clos(fin_bonneteau, cage);
}

// The words not found appear under their hats, in red.
void Bonneteau::perdre() {
    r_.regler(-mise.mise());
    r_.jouer_defaite();
    commentaire.set_caption(texte_perte(mise.mise()));
    mot_a_chercher.set_fore_color(plat::couleurs::rouge);
    mot_a_chercher.set_caption("PERDU !");
    compte_.fill(false);
    for (auto& chapeau : bonnet) {
        if (!chapeau.caption().empty()) continue;
        chapeau.set_fore_color(plat::couleurs::rouge);
        chapeau.set_caption(mots_[static_cast<std::size_t>(chapeau.index())]);
    }
    r_.afficher_score(label_score);
    r_.cacher_pointeur(kSurEncore);
    if (!RegleMise::peut_miser(r_.etat.score)) {
        mise.interdire(SansMise::apres_un_pari);
        mot_a_chercher.set_caption(au_revoir());
    } else {
        Routines::rendre_actif(encore_bonneteau);
    }
    pari_clos(fin_bonneteau, cage);
}

// ---------------------------------------------------------------- buttons

void Bonneteau::encore_bonneteau_Click() {
    r_.jouer_son("9.ats");
    compter_partie(r_.etat.parties_bonneteau);
    r_.cacher_pointeur(kCentre);
    recommencer();
    if (!tirer_les_mots(false)) return;
    r_.rendre_inactif(encore_bonneteau);
    pari_en_cours(r_, fin_bonneteau, cage);
    montrer_les_mots();
    melanger_mots();
    ouvrir_le_pari();
    r_.montrer_pointeur();
}

void Bonneteau::fin_bonneteau_Click() { r_.retour_menu(*this); }

void Bonneteau::cage_Click() {
    r_.jouer_son("12.def");
    animer_guide(r_, cage, guides::bonneteau);
}

namespace {
const bool enregistre =
    enregistrer_jeu([](Routines& r) -> std::unique_ptr<plat::Form> { return std::make_unique<Bonneteau>(r); });
}
