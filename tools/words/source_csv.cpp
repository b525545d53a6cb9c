#include "tools/words/source_csv.h"

#include <fstream>

namespace {

constexpr std::string_view marque_utf8 = "\xEF\xBB\xBF";
constexpr char guillemet = '"';

bool est_blanc(char c) { return c == ' ' || c == '\t'; }

void passer_blancs(std::string_view ligne, std::size_t& i) {
    while (i < ligne.size() && est_blanc(ligne[i])) ++i;
}

std::string champ_entre_guillemets(std::string_view ligne, std::size_t& i) {
    std::string champ;
    for (++i;; ++i) {
        if (i == ligne.size()) throw ErreurContenu("guillemets non fermés");
        if (ligne[i] != guillemet) {
            champ += ligne[i];
        } else if (i + 1 < ligne.size() && ligne[i + 1] == guillemet) {
            champ += guillemet;
            ++i;
        } else {
            ++i;
            return champ;
        }
    }
}

std::string champ_simple(std::string_view ligne, std::size_t& i) {
    const std::size_t debut = i;
    while (i < ligne.size() && ligne[i] != ',') {
        if (ligne[i] == guillemet) throw ErreurContenu("guillemet au milieu d'un champ : mettez tout le champ entre guillemets");
        ++i;
    }
    std::size_t fin = i;
    while (fin > debut && est_blanc(ligne[fin - 1])) --fin;
    return std::string(ligne.substr(debut, fin - debut));
}

}  // namespace

std::vector<std::string> champs_csv(std::string_view ligne) {
    std::vector<std::string> champs;
    std::size_t i = 0;
    while (true) {
        passer_blancs(ligne, i);
        champs.push_back(i < ligne.size() && ligne[i] == guillemet ? champ_entre_guillemets(ligne, i)
                                                                   : champ_simple(ligne, i));
        passer_blancs(ligne, i);
        if (i == ligne.size()) return champs;
        if (ligne[i] != ',') throw ErreurContenu("texte après des guillemets fermés");
        ++i;
    }
}

Source lire_source(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) throw ErreurContenu("fichier illisible");
    Source source;
    std::string ligne;
    for (int numero = 1; std::getline(flux, ligne); ++numero) {
        if (ligne.ends_with('\r')) ligne.pop_back();
        if (numero == 1 && ligne.starts_with(marque_utf8)) ligne.erase(0, marque_utf8.size());
        try {
            if (ligne.empty()) throw ErreurContenu("ligne vide");
            auto champs = champs_csv(ligne);
            if (numero == 1)
                source.entete = std::move(champs);
            else
                source.lignes.push_back({numero, std::move(champs)});
        } catch (const ErreurContenu& erreur) {
            source.problemes.push_back({numero, erreur.what()});
        }
    }
    return source;
}
