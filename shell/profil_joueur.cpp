#include "shell/profil_joueur.h"

#include <algorithm>
#include <limits>

#include "core/etat.h"
#include "core/word_file.h"

namespace {

enum CodeType : std::uint16_t { kVide = 0, kEntier16 = 2, kEntier32 = 3, kTexte = 8 };
constexpr int kTailleCode = 2;
constexpr int kTailleEntier16 = 2;
constexpr int kTailleEntier32 = 4;
constexpr int kTailleLongueur = 2;

constexpr int kChampProfil = 1;
constexpr int kChampScore = 2;
constexpr int kChampPrenom = 3;
constexpr int kPremierChampCompteur = 4;

// The score is stored as (score × 4 − 123) × 2.
constexpr std::int64_t kFacteurScore = 4;
constexpr std::int64_t kDecalageScore = 123;
constexpr std::int64_t kFacteurBrouillage = 2;

// The name is stored followed by this mark, every code shifted as in the word files.
constexpr std::string_view kSuffixe = "Lexirama";

// ---------------------------------------------------------------- writing

void ajouter(std::string& octets, std::uint32_t n, int taille) {
    for (int i = 0; i < taille; ++i) octets += static_cast<char>((n >> (8 * i)) & 0xFF);
}

void ajouter_texte(std::string& octets, const std::string& texte) {
    if (texte.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("texte trop long pour le fichier du joueur");
    ajouter(octets, kTexte, kTailleCode);
    ajouter(octets, static_cast<std::uint32_t>(texte.size()), kTailleLongueur);
    octets += texte;
}

void ajouter_valeur(std::string& octets, const Valeur& v) {
    if (v.vide()) return ajouter(octets, kVide, kTailleCode);
    if (v.est_texte()) return ajouter_texte(octets, v.texte());
    std::int32_t n = v.nombre();
    if (n >= std::numeric_limits<std::int16_t>::min() && n <= std::numeric_limits<std::int16_t>::max()) {
        ajouter(octets, kEntier16, kTailleCode);
        ajouter(octets, static_cast<std::uint16_t>(n), kTailleEntier16);
    } else {
        ajouter(octets, kEntier32, kTailleCode);
        ajouter(octets, static_cast<std::uint32_t>(n), kTailleEntier32);
    }
}

std::string coder_prenom(const std::string& prenom) {
    std::string texte = prenom + std::string(kSuffixe);
    for (char& c : texte) c = static_cast<char>(static_cast<unsigned char>(c) + decalage_codes);
    return texte;
}

// ---------------------------------------------------------------- reading

bool lettre_ou_blanc(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' '; }

// Reads the fields in order and names the field at fault when the bytes are
// not what it should hold.
class Lecture {
public:
    explicit Lecture(std::string_view octets) : octets_(octets) {}

    void champ(int numero) { champ_ = numero; }
    std::int32_t entier32() { return static_cast<std::int32_t>(brut(kTailleEntier32)); }
    Valeur nombre_ou_vide();
    std::string prenom();

private:
    std::uint32_t brut(int taille);
    std::string_view suite(std::size_t taille);
    Valeur valeur();
    [[noreturn]] void refuser(const std::string& raison) const;

    std::string_view octets_;
    std::size_t position_ = 0;
    int champ_ = 0;
};

std::string_view Lecture::suite(std::size_t taille) {
    if (octets_.size() - position_ < taille) refuser("fichier trop court");
    std::string_view morceau = octets_.substr(position_, taille);
    position_ += taille;
    return morceau;
}

std::uint32_t Lecture::brut(int taille) {
    std::uint32_t n = 0;
    int decalage = 0;
    for (char c : suite(static_cast<std::size_t>(taille))) {
        n |= std::uint32_t{static_cast<unsigned char>(c)} << decalage;
        decalage += 8;
    }
    return n;
}

Valeur Lecture::valeur() {
    std::uint32_t code = brut(kTailleCode);
    switch (code) {
        case kVide: return {};
        case kEntier16: return Valeur(std::int32_t{static_cast<std::int16_t>(brut(kTailleEntier16))});
        case kEntier32: return Valeur(static_cast<std::int32_t>(brut(kTailleEntier32)));
        case kTexte: return Valeur(std::string(suite(brut(kTailleLongueur))));
        default: refuser("type de valeur inconnu (" + std::to_string(code) + ")");
    }
}

Valeur Lecture::nombre_ou_vide() {
    Valeur v = valeur();
    if (v.est_texte()) refuser("nombre attendu");
    return v;
}

// Only the letters of the on-screen alphabet and blanks can make a name, so
// no stored code ever passes 255 when the name is written back.
std::string Lecture::prenom() {
    Valeur v = valeur();
    if (!v.est_texte()) refuser("prénom attendu");
    std::string texte = v.texte();
    decoder(texte);
    if (!texte.ends_with(kSuffixe)) refuser("prénom sans sa marque");
    texte.resize(texte.size() - kSuffixe.size());
    if (texte.size() > kLongueurPrenomMax) refuser("prénom de plus de 13 lettres");
    if (!std::all_of(texte.begin(), texte.end(), lettre_ou_blanc)) refuser("prénom fait d'autre chose que de lettres");
    return texte;
}

void Lecture::refuser(const std::string& raison) const {
    throw FichierJoueurIllisible("champ " + std::to_string(champ_) + " : " + raison);
}

// n / d rounded to the nearest whole number, halves to the even one (d > 0).
std::int64_t diviser_au_plus_pres(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {  // the quotient towards minus infinity
        r += d;
        --q;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0)) ++q;
    return q;
}

}  // namespace

std::int32_t brouiller_score(std::int32_t score) {
    // The score's bounds keep this within 32 bits; computed wider so that the
    // intermediate product never overflows.
    std::int64_t brouille = (std::int64_t{score} * kFacteurScore - kDecalageScore) * kFacteurBrouillage;
    return static_cast<std::int32_t>(brouille);
}

std::int64_t debrouiller_score(std::int32_t brouille) {
    return diviser_au_plus_pres(diviser_au_plus_pres(brouille, kFacteurBrouillage) + kDecalageScore, kFacteurScore);
}

std::string ecrire_profil(const ProfilJoueur& profil) {
    std::string octets;
    ajouter_valeur(octets, profil.profil_existant);
    ajouter(octets, static_cast<std::uint32_t>(brouiller_score(profil.score)), kTailleEntier32);
    ajouter_texte(octets, coder_prenom(profil.prenom));
    for (const Valeur& compteur : profil.compteurs) ajouter_valeur(octets, compteur);
    return octets;
}

std::optional<ProfilJoueur> lire_profil(std::string_view octets) {
    if (octets.empty()) return std::nullopt;
    Lecture lecture(octets);
    ProfilJoueur profil;
    lecture.champ(kChampProfil);
    profil.profil_existant = lecture.nombre_ou_vide();
    if (profil.profil_existant.nombre() == 0) return std::nullopt;
    lecture.champ(kChampScore);
    // A score the file could not hold again is brought back within bounds.
    profil.score = static_cast<std::int32_t>(
        std::clamp(debrouiller_score(lecture.entier32()), kScoreMinimum, kScoreMaximum));
    lecture.champ(kChampPrenom);
    profil.prenom = lecture.prenom();
    for (int i = 0; i < kNbCompteurs; ++i) {
        lecture.champ(kPremierChampCompteur + i);
        profil.compteurs[static_cast<std::size_t>(i)] = lecture.nombre_ou_vide();
    }
    return profil;
}
