#include "shell/fichier_joueur.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "platform/durable.h"
#include "platform/program_folder.h"
#include "platform/text.h"
#include "shell/joueurs.h"

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

// No bytes when there is no file at all. A folder in its place, or a file
// that cannot be read, is not a player file.
std::optional<std::string> lire_octets(const fs::path& chemin) {
    std::error_code erreur;
    fs::file_status statut = fs::status(chemin, erreur);
    if (!fs::exists(statut)) return std::nullopt;
    if (!fs::is_regular_file(statut)) throw FichierJoueurIllisible("ce n'est pas un fichier");
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux.is_open()) throw FichierJoueurIllisible("lecture impossible");
    std::string octets(kTailleMaxFichierJoueur, '\0');
    flux.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (flux.bad()) throw FichierJoueurIllisible("lecture impossible");
    octets.resize(static_cast<std::size_t>(flux.gcount()));
    return octets;
}

fs::path a_cote(const fs::path& chemin, std::string_view suffixe) {
    return chemin.parent_path() / (chemin.filename().string() + std::string(suffixe));
}

// The first of X.illisible, X.illisible-2, … that is free.
fs::path place_a_part(const fs::path& chemin) {
    fs::path place = a_cote(chemin, kSuffixeIllisible);
    std::error_code erreur;
    for (int n = 2; fs::exists(fs::symlink_status(place, erreur)); ++n)
        place = a_cote(chemin, std::string(kSuffixeIllisible) + "-" + std::to_string(n));
    return place;
}

bool est_un_joueur_complet(const fs::path& chemin) {
    try {
        std::optional<std::string> octets = lire_octets(chemin);
        return octets && lire_profil(*octets).has_value();
    } catch (const FichierJoueurIllisible&) {
        return false;
    }
}

// A save written whole and flushed, whose rename the end of the program
// interrupted, is the newest state of the player: it is taken. Anything
// else left there is a save cut short and is dropped.
void reprendre_sauvegarde_interrompue(const fs::path& chemin) {
    const fs::path provisoire = a_cote(chemin, kSuffixeProvisoire);
    std::error_code erreur;
    if (!fs::is_regular_file(provisoire, erreur)) return;
    bool plus_recente = !fs::exists(chemin, erreur) ||
                        fs::last_write_time(provisoire, erreur) >= fs::last_write_time(chemin, erreur);
    if (plus_recente && est_un_joueur_complet(provisoire))
        fs::rename(provisoire, chemin, erreur);
    else
        fs::remove(provisoire, erreur);
}

// The player kept beside a program that may no longer write there moves,
// as bytes, into the user's folder, where every save will go from now on.
void apporter_ancien_joueur(const fs::path& dossier, const fs::path& ancien) {
    std::error_code erreur;
    if (ancien.empty() || fs::equivalent(ancien, dossier, erreur)) return;
    if (fs::exists(dossier / kFichierJoueur, erreur)) return;
    try {
        if (std::optional<std::string> octets = lire_octets(ancien / kFichierJoueur))
            ecrire_fichier_joueur(dossier, *octets);
    } catch (const std::exception&) {
        // The old file stays where it is; the user's folder starts afresh.
    }
}

// Why a save failed, as a family can read it.
std::string raison_en_francais(int numero) {
    switch (numero) {
        case ENOSPC:
        case EDQUOT: return "le disque est plein";
        case EACCES:
        case EPERM:
        case EROFS: return "le dossier est protégé en écriture";
        default: return "erreur d'écriture";
    }
}

[[noreturn]] void refuser_sauvegarde(const fs::path& chemin, int numero) {
    throw std::runtime_error("Le fichier du joueur " + chemin.string() + " n'a pas pu être enregistré (" +
                             raison_en_francais(numero) + ").");
}

// Every byte on the disk before the call returns.
void ecrire_et_vider(const fs::path& chemin, std::string_view octets) {
    int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) refuser_sauvegarde(chemin, errno);
    while (!octets.empty()) {
        ssize_t ecrits = ::write(fd, octets.data(), octets.size());
        if (ecrits < 0 && errno == EINTR) continue;
        if (ecrits < 0) {
            int numero = errno;
            ::close(fd);
            refuser_sauvegarde(chemin, numero);
        }
        octets.remove_prefix(static_cast<std::size_t>(ecrits));
    }
    if (::fsync(fd) != 0) {
        int numero = errno;
        ::close(fd);
        refuser_sauvegarde(chemin, numero);
    }
    if (::close(fd) != 0) refuser_sauvegarde(chemin, errno);
}

// A counter below 0 would give back a puzzle already paid.
Valeur dans_son_domaine(const Valeur& compteur) {
    return compteur.est_nombre() && compteur.nombre() < 0 ? Valeur(0) : compteur;
}

}  // namespace

fs::path dossier_joueur(const fs::path& dossier_datas) {
    if (plat::folder_writable(dossier_datas)) return dossier_datas;
    fs::path dossier = plat::user_data_folder("lexirama");
    std::error_code ignore;  // a folder that cannot be made shows up when the file is written
    fs::create_directories(dossier, ignore);
    return dossier;
}

LectureJoueur lire_fichier_joueur(const fs::path& dossier, const fs::path& ancien) {
    apporter_ancien_joueur(dossier, ancien);
    LectureJoueur lecture = lire_joueur(dossier / kFichierJoueur);
    if (!lecture.avertissement.empty()) lecture.avertissement += cp1252(" Vous commencez comme premier joueur.");
    return lecture;
}

LectureJoueur lire_joueur(const fs::path& chemin) {
    reprendre_sauvegarde_interrompue(chemin);
    try {
        std::optional<std::string> octets = lire_octets(chemin);
        if (!octets) return {};
        return {lire_profil(*octets), {}};
    } catch (const FichierJoueurIllisible& e) {
        fs::path place = place_a_part(chemin);
        std::error_code ignore;  // left in place, it is set aside again at the next start
        fs::rename(chemin, place, ignore);
        return {std::nullopt, cp1252("Le fichier du joueur " + chemin.filename().string() + " était illisible (") +
                                  cp1252(e.what()) + cp1252(").\rIl est gardé à part (") +
                                  place.filename().string() + ")."};
    }
}

void ecrire_fichier_joueur(const fs::path& dossier, std::string_view octets) {
    ecrire_joueur(dossier / kFichierJoueur, octets);
}

void ecrire_joueur(const fs::path& chemin, std::string_view octets) {
    const fs::path provisoire = a_cote(chemin, kSuffixeProvisoire);
    try {
        ecrire_et_vider(provisoire, octets);
    } catch (const std::runtime_error&) {
        std::error_code ignore;
        if (fs::is_regular_file(provisoire, ignore)) fs::remove(provisoire, ignore);
        throw;
    }
    std::error_code erreur;
    fs::rename(provisoire, chemin, erreur);
    if (erreur) refuser_sauvegarde(chemin, erreur.value());
    plat::make_durable(chemin.parent_path());
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
    for (std::size_t i = 0; i < kCompteurs.size(); ++i) etat.*kCompteurs[i] = dans_son_domaine(profil.compteurs[i]);
}

// Set to 0, not emptied: the file then shows that they were reset.
void remettre_progression_a_zero(EtatPartage& etat) {
    for (Valeur EtatPartage::*compteur : kCompteurs) etat.*compteur = Valeur(0);
}

// The player's own file first: it is the one the next start reads.
void sauver_joueur(Routines& r) {
    const fs::path dossier = dossier_joueur(r.dossier_datas());
    const std::string octets = ecrire_profil(profil_de(r.etat));
    const fs::path fichier = fichier_du_joueur(dossier, r.etat.prenom, r.etat.personnage);
    std::error_code ignore;  // a folder that cannot be made shows up when the file is written
    fs::create_directories(fichier.parent_path(), ignore);
    ecrire_joueur(fichier, octets);
    ecrire_fichier_joueur(dossier, octets);
}
