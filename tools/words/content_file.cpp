#include "tools/words/content_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <map>

#include "tools/words/source_csv.h"
#include "tools/words/word_forms.h"

namespace {

std::string nom_attendu(const Jeu& jeu) { return std::to_string(jeu.numero) + "_" + std::string(jeu.nom) + ".csv"; }

// "11_pendu.csv" names the word list of 11.bin.
const Jeu* jeu_du_fichier(const std::filesystem::path& csv) {
    const std::string nom = csv.filename().string();
    int numero = 0;
    std::from_chars(nom.data(), nom.data() + nom.size(), numero);
    const auto& table = jeux();
    const auto jeu = std::ranges::find(table, numero, &Jeu::numero);
    if (jeu == table.end() || nom != nom_attendu(*jeu)) return nullptr;
    return &*jeu;
}

std::string noms_attendus() {
    std::string liste;
    for (const Jeu& jeu : jeux()) liste += (liste.empty() ? "" : ", ") + nom_attendu(jeu);
    return liste;
}

std::string en_ligne(const std::vector<std::string_view>& colonnes) {
    std::string ligne;
    for (std::string_view colonne : colonnes) ligne += (ligne.empty() ? "" : ",") + std::string(colonne);
    return ligne;
}

bool entete_juste(const std::vector<std::string>& entete, const std::vector<std::string_view>& colonnes) {
    return std::ranges::equal(entete, colonnes);
}

void lire_enigmes(const Jeu& jeu, const Source& source, Contenu& contenu) {
    for (const LigneSource& ligne : source.lignes) {
        try {
            if (ligne.champs.size() != jeu.colonnes.size())
                throw ErreurContenu(std::to_string(ligne.champs.size()) +
                                    (ligne.champs.size() == 1 ? " champ" : " champs") + " au lieu de " +
                                    std::to_string(jeu.colonnes.size()) + " (" + en_ligne(jeu.colonnes) + ")");
            Enigme enigme = jeu.enigme(ligne.champs);
            enigme.ligne = ligne.numero;
            enigme.source = ligne.champs;
            contenu.enigmes.push_back(std::move(enigme));
        } catch (const ErreurContenu& erreur) {
            contenu.problemes.push_back({ligne.numero, erreur.what()});
        }
    }
}

void verifier_cles(Contenu& contenu) {
    std::map<std::string, int> premieres_lignes;
    for (const Enigme& enigme : contenu.enigmes) {
        if (enigme.cle.empty()) continue;
        const auto [deja, nouvelle] = premieres_lignes.emplace(enigme.cle, enigme.ligne);
        if (!nouvelle)
            contenu.problemes.push_back(
                {enigme.ligne, cite(enigme.cle) + " est déjà à la ligne " + std::to_string(deja->second)});
    }
}

void verifier_fichier(const Jeu& jeu, const Source& source, Contenu& contenu) {
    if (source.lignes.size() < jeu.enigmes_minimum)
        contenu.problemes.push_back({0, "il faut au moins " + std::to_string(jeu.enigmes_minimum) +
                                            " enregistrements ; le fichier en a " +
                                            std::to_string(source.lignes.size())});
    if (jeu.regles_du_fichier) std::ranges::move(jeu.regles_du_fichier(contenu.enigmes), std::back_inserter(contenu.problemes));
}

}  // namespace

Contenu lire_contenu(const std::filesystem::path& csv) {
    Contenu contenu;
    contenu.jeu = jeu_du_fichier(csv);
    if (!contenu.jeu) {
        contenu.problemes.push_back({0, "nom inconnu ; les listes de mots s'appellent " + noms_attendus()});
        return contenu;
    }
    Source source;
    try {
        source = lire_source(csv);
    } catch (const ErreurContenu& erreur) {
        contenu.problemes.push_back({0, erreur.what()});
        return contenu;
    }
    contenu.problemes = source.problemes;
    if (!entete_juste(source.entete, contenu.jeu->colonnes)) {
        contenu.problemes.push_back({1, "la première ligne doit être « " + en_ligne(contenu.jeu->colonnes) + " »"});
        return contenu;
    }
    lire_enigmes(*contenu.jeu, source, contenu);
    verifier_cles(contenu);
    verifier_fichier(*contenu.jeu, source, contenu);
    std::ranges::stable_sort(contenu.problemes, {}, &Probleme::ligne);
    return contenu;
}

std::string signaler(const std::filesystem::path& csv, const Probleme& probleme) {
    const std::string lieu = (csv.parent_path().filename() / csv.filename()).string();
    if (probleme.ligne == 0) return lieu + ": " + probleme.message;
    return lieu + ":" + std::to_string(probleme.ligne) + ": " + probleme.message;
}
