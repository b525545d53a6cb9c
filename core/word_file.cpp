#include "core/word_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>

#include "platform/text.h"

namespace {

constexpr char guillemet = '"';

bool est_blanc(char c) { return c == ' ' || c == '\t'; }
bool est_separateur(char c) { return c == ',' || c == '\r' || c == '\n'; }

std::string illisible(std::string_view nom, std::string_view cause) {
    return cp1252("Le fichier de mots ") + std::string(nom) + cp1252(" est illisible (") +
           cp1252(cause) + ").";
}

bool codes_decodables(std::string_view stocke) {
    return std::none_of(
        stocke.begin(), stocke.end(), [](char c) { return static_cast<unsigned char>(c) < decalage_codes; });
}

}  // namespace

std::string decoder(std::string& texte) {
    for (char& c : texte) c = static_cast<char>(static_cast<unsigned char>(c) - decalage_codes);
    return texte;
}

FichierMots FichierMots::ouvrir(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    const std::string nom = cp1252(chemin.filename().string());
    if (!flux) throw FichierMotsErreur(cp1252("Le fichier de mots ") + nom + cp1252(" est introuvable."));
    std::string contenu{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    return FichierMots(nom, std::move(contenu));
}

FichierMots::FichierMots(std::string nom, std::string contenu)
    : nom_(std::move(nom)), contenu_(std::move(contenu)) {
    if (contenu_.empty()) throw FichierMotsErreur(illisible(nom_, "fichier vide"));
}

std::string FichierMots::lire_texte() {
    std::string champ = lire_champ();
    if (!codes_decodables(champ)) refuser("code inférieur à 4");
    return decoder(champ);
}

std::int16_t FichierMots::lire_nombre() {
    const std::string champ = lire_champ();
    const char* debut = champ.data();
    const char* fin_champ = debut + champ.size();
    std::int32_t nombre = 0;
    const auto [reste, erreur] = std::from_chars(debut, fin_champ, nombre);
    if (erreur == std::errc::invalid_argument || reste != fin_champ) refuser("nombre attendu");
    if (erreur == std::errc::result_out_of_range || nombre < std::numeric_limits<std::int16_t>::min() ||
        nombre > std::numeric_limits<std::int16_t>::max())
        refuser("nombre hors limites");
    return static_cast<std::int16_t>(nombre);
}

Enregistrement FichierMots::lire(const FormatEnregistrement& format) {
    Enregistrement enregistrement;
    enregistrement.reserve(format.size());
    for (Champ champ : format) {
        if (champ == Champ::texte)
            enregistrement.emplace_back(lire_texte());
        else
            enregistrement.emplace_back(std::int32_t{lire_nombre()});
    }
    return enregistrement;
}

void FichierMots::refuser_si_coupe() const {
    if (fin() && contenu_.back() != '\n' && contenu_.back() != '\r') refuser("fichier coupé");
}

void FichierMots::rembobiner() {
    position_ = 0;
    ligne_ = 1;
    ligne_du_champ_ = 1;
}

std::string FichierMots::lire_champ() {
    passer_blancs();
    // A field missing at the very end belongs to the record of the last line read.
    if (fin()) refuser("champ manquant");
    ligne_du_champ_ = ligne_;
    std::string champ =
        contenu_[position_] == guillemet ? lire_entre_guillemets() : lire_jusqu_au_separateur();
    passer_separateur();
    return champ;
}

std::string FichierMots::lire_entre_guillemets() {
    const std::size_t debut = position_ + 1;
    const std::size_t fermant = contenu_.find_first_of("\"\r\n", debut);
    if (fermant == std::string::npos || contenu_[fermant] != guillemet) refuser("guillemets non fermés");
    position_ = fermant + 1;
    passer_blancs();
    if (!fin() && !est_separateur(contenu_[position_])) refuser("caractère en trop après des guillemets");
    return contenu_.substr(debut, fermant - debut);
}

std::string FichierMots::lire_jusqu_au_separateur() {
    const std::size_t debut = position_;
    while (!fin() && !est_separateur(contenu_[position_])) ++position_;
    std::size_t fin_champ = position_;
    while (fin_champ > debut && est_blanc(contenu_[fin_champ - 1])) --fin_champ;
    return contenu_.substr(debut, fin_champ - debut);
}

void FichierMots::passer_blancs() {
    while (!fin() && est_blanc(contenu_[position_])) ++position_;
}

void FichierMots::passer_separateur() {
    if (fin()) return;
    if (contenu_[position_] == ',')
        ++position_;
    else
        passer_fin_de_ligne();  // the field stopped at CR or LF
}

void FichierMots::passer_fin_de_ligne() {
    if (contenu_[position_] == '\r' && position_ + 1 < contenu_.size() && contenu_[position_ + 1] == '\n')
        ++position_;
    ++position_;
    ++ligne_;
}

void FichierMots::refuser(std::string_view raison) const {
    throw FichierMotsErreur(
        illisible(nom_, "ligne " + std::to_string(ligne_du_champ_) + " : " + std::string(raison)));
}
