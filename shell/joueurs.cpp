#include "shell/joueurs.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "shell/fichier_joueur.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".bin";
constexpr char kAvantPersonnage = '-';

// "Lea-3.bin" gives 3; a file named otherwise keeps the default picture.
int personnage_du_fichier(const fs::path& fichier) {
    std::string nom = fichier.stem().string();
    std::size_t tiret = nom.rfind(kAvantPersonnage);
    int personnage = kPersonnageParDefaut;
    if (tiret == std::string::npos) return personnage;
    auto [fin, erreur] = std::from_chars(nom.data() + tiret + 1, nom.data() + nom.size(), personnage);
    bool valable = erreur == std::errc{} && fin == nom.data() + nom.size() && personnage >= 0 &&
                   personnage < kNbPersonnages;
    return valable ? personnage : kPersonnageParDefaut;
}

// A name spelt on the alphabet is letters and blanks; anything else a file
// could hold becomes '_' so that the file's name stays a plain one.
std::string nom_de_fichier(const std::string& prenom) {
    std::string nom = prenom;
    for (char& c : nom)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ')) c = '_';
    return nom;
}

// Once only: the folder is made, and the player kept until now in 4.bin
// becomes its first file, field for field.
std::string accueillir_joueur_d_avant(const fs::path& dossier, const fs::path& ancien) {
    std::error_code erreur;
    if (fs::exists(dossier / kDossierJoueurs, erreur)) return {};
    LectureJoueur avant = lire_fichier_joueur(dossier, ancien);
    fs::create_directories(dossier / kDossierJoueurs, erreur);
    if (avant.profil) {
        try {
            const std::string& prenom = avant.profil->prenom;
            ecrire_joueur(fichier_du_joueur(dossier, prenom, kPersonnageParDefaut), ecrire_profil(*avant.profil));
        } catch (const std::exception&) {
            // 4.bin stays as it is; the folder's first save will say why it fails.
        }
    }
    return avant.avertissement;
}

// The player files of the folder, and those whose first save the end of
// the program interrupted, which lire_joueur then takes.
std::vector<fs::path> fichiers_de_joueurs(const fs::path& dossier) {
    std::vector<fs::path> fichiers;
    std::error_code erreur;
    for (const fs::directory_entry& entree : fs::directory_iterator(dossier, erreur)) {
        fs::path chemin = entree.path();
        if (chemin.extension() == kSuffixeProvisoire) chemin.replace_extension();
        if (chemin.extension() == kExtension) fichiers.push_back(chemin);
    }
    std::sort(fichiers.begin(), fichiers.end());
    fichiers.erase(std::unique(fichiers.begin(), fichiers.end()), fichiers.end());
    return fichiers;
}

}  // namespace

fs::path fichier_du_joueur(const fs::path& dossier, const std::string& prenom, int personnage) {
    return dossier / kDossierJoueurs /
           (nom_de_fichier(prenom) + kAvantPersonnage + std::to_string(personnage) + std::string(kExtension));
}

ListeJoueurs lire_joueurs(const fs::path& dossier, const fs::path& ancien) {
    ListeJoueurs liste;
    liste.avertissement = accueillir_joueur_d_avant(dossier, ancien);
    for (const fs::path& fichier : fichiers_de_joueurs(dossier / kDossierJoueurs)) {
        LectureJoueur lecture = lire_joueur(fichier);
        if (lecture.profil) liste.joueurs.push_back({fichier, *lecture.profil, personnage_du_fichier(fichier)});
        if (!lecture.avertissement.empty())
            liste.avertissement += (liste.avertissement.empty() ? "" : "\r") + lecture.avertissement;
    }
    std::sort(liste.joueurs.begin(), liste.joueurs.end(),
              [](const Joueur& a, const Joueur& b) { return a.profil.prenom < b.profil.prenom; });
    return liste;
}

const Joueur* joueur_nomme(const ListeJoueurs& liste, const std::string& prenom) {
    auto trouve = std::find_if(liste.joueurs.begin(), liste.joueurs.end(),
                               [&](const Joueur& j) { return j.profil.prenom == prenom; });
    return trouve == liste.joueurs.end() ? nullptr : &*trouve;
}

void supprimer_joueur(const Joueur& joueur) {
    std::error_code ignore;  // a file already gone is as good as removed
    fs::remove(joueur.fichier, ignore);
}
