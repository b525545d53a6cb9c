#include "shell/fichier_joueur.h"

#include <array>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "platform/program_folder.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

// Fields 4 to 24 of the player file, in file order.
constexpr std::array<Valeur EtatPartage::*, kNbCompteurs> kCompteurs = {
    &EtatPartage::parties_nbre_lettres,     &EtatPartage::parties_masculin,
    &EtatPartage::parties_bonneteau,        &EtatPartage::parties_voyelles,
    &EtatPartage::position_codes,           &EtatPartage::position_familles,
    &EtatPartage::position_unelettre,       &EtatPartage::position_nbre_lettres,
    &EtatPartage::position_pendu,           &EtatPartage::position_masculin,
    &EtatPartage::position_musique,         &EtatPartage::position_lettre_en_trop,
    &EtatPartage::position_deux_mots,       &EtatPartage::position_anagramme,
    &EtatPartage::position_mot_a_trouver,   &EtatPartage::position_mot_mysterieux,
    &EtatPartage::position_phrase,          &EtatPartage::num_son_touche,
    &EtatPartage::num_ambiance,             &EtatPartage::num_victoire,
    &EtatPartage::num_defaite};

constexpr std::string_view kSuffixeProvisoire = ".tmp";

// No bytes when there is no file at all.
std::optional<std::string> lire_octets(const fs::path& chemin) {
    std::error_code erreur;
    if (!fs::exists(chemin, erreur)) return std::nullopt;
    std::ifstream flux(chemin, std::ios::binary);
    std::string octets{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    if (!flux) throw FichierJoueurIllisible("lecture impossible");
    return octets;
}

std::string avertissement(const FichierJoueurIllisible& e) {
    return cp1252("Le fichier du joueur était illisible (") + cp1252(e.what()) +
           cp1252(").\rIl est gardé à part (") + std::string(kFichierJoueurIllisible) +
           cp1252(") et vous commencez comme premier joueur.");
}

}  // namespace

fs::path dossier_joueur(const fs::path& dossier_datas) {
    if (plat::folder_writable(dossier_datas)) return dossier_datas;
    fs::path dossier = plat::user_data_folder("lexirama");
    std::error_code ignore;  // a folder that cannot be made shows up when the file is written
    fs::create_directories(dossier, ignore);
    return dossier;
}

LectureJoueur lire_fichier_joueur(const fs::path& dossier_datas) {
    const fs::path chemin = dossier_datas / kFichierJoueur;
    try {
        std::optional<std::string> octets = lire_octets(chemin);
        if (!octets) return {};
        return {lire_profil(*octets), {}};
    } catch (const FichierJoueurIllisible& e) {
        fs::rename(chemin, dossier_datas / kFichierJoueurIllisible);
        return {std::nullopt, avertissement(e)};
    }
}

void ecrire_fichier_joueur(const fs::path& dossier_datas, std::string_view octets) {
    const fs::path chemin = dossier_datas / kFichierJoueur;
    fs::path provisoire = chemin;
    provisoire += kSuffixeProvisoire;
    std::ofstream flux(provisoire, std::ios::binary | std::ios::trunc);
    flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    flux.close();
    if (!flux) {
        std::error_code ignore;
        fs::remove(provisoire, ignore);
        throw std::runtime_error("Le fichier du joueur " + chemin.string() + " n'a pas pu être enregistré.");
    }
    fs::rename(provisoire, chemin);
}

ProfilJoueur profil_de(const EtatPartage& etat) {
    ProfilJoueur profil{etat.profil_existant, etat.score, etat.prenom, {}};
    for (std::size_t i = 0; i < kCompteurs.size(); ++i) profil.compteurs[i] = etat.*kCompteurs[i];
    return profil;
}

void reprendre_profil(const ProfilJoueur& profil, EtatPartage& etat) {
    etat.profil_existant = profil.profil_existant;
    etat.fixer_score(profil.score);
    etat.score_charge = etat.score;
    for (std::size_t i = 0; i < kCompteurs.size(); ++i) etat.*kCompteurs[i] = profil.compteurs[i];
}

// Set to 0, not emptied: the file then shows that they were reset.
void remettre_progression_a_zero(EtatPartage& etat) {
    for (Valeur EtatPartage::*compteur : kCompteurs) etat.*compteur = Valeur(0);
}

void sauver_joueur(Routines& r) {
    ecrire_fichier_joueur(dossier_joueur(r.dossier_datas()), ecrire_profil(profil_de(r.etat)));
}
