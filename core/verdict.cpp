#include "core/verdict.h"

#include "platform/text.h"

int perte_erreur(const EtatPartage& etat) { return etat.score >= kPerteErreur ? kPerteErreur : etat.score; }

std::string bilan_reussite(bool indice_achete, const std::string& indice) {
    if (indice_achete)
        return cp1252("Mais vous aviez consulté l'indice. Au total vous ne gagnez donc que 3 points seulement !");
    return cp1252("Vous gagnez 5 points !\rL'indice était : ") + indice;
}

std::string bilan_erreur(bool points_perdus, bool indice_achete, const std::string& indice) {
    std::string points = points_perdus ? "Vous perdez 2 points !" : "Vous n'avez plus aucun point !";
    std::string rappel = indice_achete ? cp1252("Vous aviez pourtant consulté l'indice !")
                                       : cp1252("L'indice était : ") + indice;
    return points + "\r" + rappel;
}
