#include "shell/regle_prenom.h"

#include <sstream>

#include "platform/text.h"

namespace {

const std::string kPrenomParDefaut = "Inconnu";

std::string capitaliser(std::string mot) {
    for (char& c : mot) c = minuscule(c);
    mot[0] = majuscule(mot[0]);
    return mot;
}

}  // namespace

std::string prenom_confirme(std::string saisie, const CasesPrenom& cases) {
    for (std::size_t i = 0; i < cases.size() && i < saisie.size(); ++i)
        if (!cases[i].empty() && cases[i] != " ") saisie[i] = cases[i][0];
    std::istringstream mots(saisie);
    std::string prenom;
    for (std::string mot; mots >> mot;) prenom += (prenom.empty() ? "" : " ") + capitaliser(mot);
    return prenom.empty() ? kPrenomParDefaut : prenom;
}
