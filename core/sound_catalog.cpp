#include "core/sound_catalog.h"

namespace sons {

namespace {

void ajouter_serie(std::vector<Son>& sons, int n, std::string_view extension, Genre genre) {
    for (int i = 1; i <= n; ++i) sons.push_back({std::to_string(i) + std::string(extension), genre});
}

// The card lists also name "02", "03", "05": files of their own that no
// rotation reaches (the other entries are key clicks already listed).
void ajouter_cartes_a_zero(std::vector<Son>& sons, std::string_view liste) {
    for (std::size_t i = 0; i + 1 < liste.size(); i += 2)
        if (liste[i] == '0') sons.push_back({std::string(liste.substr(i, 2)), Genre::touche});
}

}  // namespace

std::vector<Son> catalogue() {
    std::vector<Son> sons;
    ajouter_serie(sons, nb_effets, ".ats", Genre::effet);
    ajouter_serie(sons, nb_ambiances, ".amb", Genre::ambiance);
    ajouter_serie(sons, nb_victoires, ".vic", Genre::victoire);
    ajouter_serie(sons, nb_defaites, ".def", Genre::defaite);
    ajouter_serie(sons, nb_touches, "", Genre::touche);
    ajouter_cartes_a_zero(sons, liste_cartes_paire);
    ajouter_cartes_a_zero(sons, liste_cartes_echec);
    return sons;
}

}  // namespace sons
