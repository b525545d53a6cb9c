// Index
// [SECTION] Checks shared by the games
// [SECTION] One rule per word file
// [SECTION] Rules on a whole file
// [SECTION] Rules the dictionary checks
// [SECTION] The table of word files
#include "tools/words/content_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <map>
#include <set>

#include "platform/text.h"
#include "tools/words/dictionary.h"
#include "tools/words/word_forms.h"

namespace {

//-----------------------------------------------------------------------------
// [SECTION] Checks shared by the games
//-----------------------------------------------------------------------------

void exiger(bool condition, const std::string& message) {
    if (!condition) throw ErreurContenu(message);
}

std::string lettres(std::size_t n) { return std::to_string(n) + (n == 1 ? " lettre" : " lettres"); }

// A word the player types or counts: capitals A to Z, length in [minimum, maximum].
std::string mot_a_z(const std::string& source, std::size_t minimum, std::size_t maximum) {
    std::string mot = capitales_a_z(source);
    exiger(mot.size() >= minimum && mot.size() <= maximum,
           "« " + source + " » a " + lettres(mot.size()) + " ; il en faut " + std::to_string(minimum) + " à " +
               std::to_string(maximum));
    return mot;
}

// A word the game only shows, in capitals with its accents.
std::string mot_montre(const std::string& source, std::size_t maximum) {
    std::string mot = majuscules_affichees(source);
    exiger(!mot.empty(), "mot vide");
    exiger(mot.size() <= maximum, "« " + source + " » a " + std::to_string(mot.size()) +
                                      " caractères ; la place en montre " + std::to_string(maximum));
    return mot;
}

std::string texte_requis(const std::string& source, std::string_view colonne) {
    exiger(!source.empty(), "le champ « " + std::string(colonne) + " » est vide");
    return texte_stockable(source);
}

std::int32_t nombre(const std::string& source, std::int32_t minimum, std::int32_t maximum) {
    std::int32_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(source.data(), source.data() + source.size(), valeur);
    exiger(erreur == std::errc() && fin == source.data() + source.size(), "« " + source + " » n'est pas un nombre");
    exiger(valeur >= minimum && valeur <= maximum,
           std::to_string(valeur) + " n'est pas entre " + std::to_string(minimum) + " et " + std::to_string(maximum));
    return valeur;
}

bool tous_differents(std::vector<std::string> mots) {
    std::ranges::sort(mots);
    return std::ranges::adjacent_find(mots) == mots.end();
}

// Which letters repeat where: BALLE and POMME share theirs, LAPIN has none.
std::vector<std::size_t> motif_des_repetitions(const std::string& mot) {
    std::vector<std::size_t> motif;
    for (char c : mot) motif.push_back(mot.find(c));
    return motif;
}

std::size_t compter_voyelles(const std::string& mot) {
    return static_cast<std::size_t>(
        std::ranges::count_if(mot, [](char c) { return std::string_view("AEIOUY").find(c) != std::string_view::npos; }));
}

//-----------------------------------------------------------------------------
// [SECTION] One rule per word file
//-----------------------------------------------------------------------------

// The longest words the screens hold.
constexpr std::size_t tuiles_anagramme = 8;
constexpr std::size_t largeur_mot_deux_mots = 8;
constexpr std::size_t largeur_mot_joint = 14;
constexpr std::size_t dessins_codes = 8;
constexpr std::size_t largeur_carte_familles = 10;
constexpr std::size_t tuiles_lettre_en_trop = 9;
constexpr std::size_t bandeau_masculin = 12;
constexpr std::size_t cases_mot_mysterieux = 5;
constexpr std::size_t cases_pendu = 7;
constexpr std::size_t largeur_phrase = 80;
constexpr std::size_t cases_mot_a_trouver = 9;
constexpr std::size_t largeur_unelettre = 8;

constexpr std::size_t mots_offerts_deux_mots = 6;
constexpr std::size_t propositions_codes = 4;
// Only these lengths of the drawn word are centred on the screen.
constexpr std::size_t dessin_centre_minimum = 5;
constexpr std::size_t dessin_centre_maximum = 7;

constexpr std::array<std::string_view, 7> notes = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};

Enigme anagramme(const Colonnes& c) {
    const std::string mot = mot_a_z(c[0], 3, tuiles_anagramme);
    const std::string solution = mot_a_z(c[1], 1, tuiles_anagramme);
    exiger(std::ranges::is_permutation(mot, solution),
           "« " + c[1] + " » n'a pas exactement les lettres de « " + c[0] + " »");
    exiger(solution != mot, "la solution est le mot donné lui-même");
    return {.champs = {mot, solution, texte_requis(c[2], "indice"), texte_stockable(c[3])},
            .cle = mot,
            .mots = {c[0], c[1]}};
}

Enigme deux_mots(const Colonnes& c) {
    std::vector<std::string> proposes;
    for (std::size_t i = 0; i < mots_offerts_deux_mots; ++i) proposes.push_back(mot_a_z(c[i], 1, largeur_mot_deux_mots));
    exiger(tous_differents(proposes), "deux des six mots sont les mêmes");
    std::string sans_tirets = c[6];
    std::erase(sans_tirets, '-');
    const std::string joint = mot_a_z(sans_tirets, 2, largeur_mot_joint);
    int paires = 0;
    for (std::size_t a = 0; a < proposes.size(); ++a)
        for (std::size_t b = 0; b < proposes.size(); ++b)
            if (a != b && proposes[a] + proposes[b] == joint) ++paires;
    exiger(paires == 1, paires == 0 ? "aucun des six mots suivi d'un autre ne donne « " + c[6] + " »"
                                    : "plusieurs paires des six mots donnent « " + c[6] + " »");
    Enregistrement champs(proposes.begin(), proposes.end());
    champs.insert(champs.end(), {joint, texte_requis(c[7], "indice"), majuscules_affichees(c[6])});
    return {.champs = std::move(champs), .cle = joint, .mots = {c.begin(), c.begin() + 7}};
}

Enigme codes(const Colonnes& c) {
    const std::int32_t numero = nombre(c[0], 1, propositions_codes);
    std::vector<std::string> propositions;
    for (std::size_t i = 1; i <= propositions_codes; ++i) propositions.push_back(mot_a_z(c[i], 1, dessins_codes));
    const std::string& dessine = propositions[static_cast<std::size_t>(numero - 1)];
    exiger(dessine.size() >= dessin_centre_minimum && dessine.size() <= dessin_centre_maximum,
           "le mot dessiné a " + lettres(dessine.size()) + " ; il en faut " + std::to_string(dessin_centre_minimum) +
               " à " + std::to_string(dessin_centre_maximum) + " pour qu'il soit centré");
    exiger(tous_differents(propositions), "deux propositions sont les mêmes");
    exiger(std::ranges::all_of(propositions, [&](const auto& p) { return p.size() == dessine.size(); }),
           "les quatre propositions n'ont pas toutes " + lettres(dessine.size()));
    const auto motif = motif_des_repetitions(dessine);
    exiger(std::ranges::count_if(propositions, [&](const auto& p) { return motif_des_repetitions(p) == motif; }) == 1,
           "une autre proposition a les mêmes lettres répétées que le mot dessiné");
    Enregistrement champs{numero};
    champs.insert(champs.end(), propositions.begin(), propositions.end());
    champs.insert(champs.end(), {texte_stockable(c[5]), texte_requis(c[6], "indice")});
    return {.champs = std::move(champs), .cle = dessine, .mots = {c.begin() + 1, c.begin() + 5}};
}

Enigme familles(const Colonnes& c) {
    const std::string premier = mot_montre(c[0], largeur_carte_familles);
    const std::string second = mot_montre(c[1], largeur_carte_familles);
    exiger(premier != second, "les deux mots de la paire sont les mêmes");
    return {.champs = {premier, second}, .mots = {c[0], c[1]}};
}

Enigme lettre_en_trop(const Colonnes& c) {
    const std::string mot = mot_a_z(c[0], 3, tuiles_lettre_en_trop);
    const std::string sans_lettre = mot_a_z(c[1], 2, tuiles_lettre_en_trop - 1);
    std::vector<std::int32_t> places;
    for (std::size_t i = 0; i < mot.size(); ++i)
        if (std::string(mot).erase(i, 1) == sans_lettre) places.push_back(static_cast<std::int32_t>(i));
    exiger(!places.empty(), "« " + c[1] + " » n'est pas « " + c[0] + " » moins une lettre");
    exiger(places.size() == 1, "la lettre en trop touche la même lettre : les deux conviennent, le jeu n'en accepte qu'une");
    return {.champs = {mot, sans_lettre, places.front(), texte_requis(c[2], "indice"), texte_stockable(c[3])},
            .cle = mot,
            .mots = {c[0], c[1]}};
}

struct Reponse {
    std::string_view nom;
    std::int32_t cas;      // 0 asks the gender, 1 the number
    std::int32_t indice;   // the right button: 0 the first, 1 the second
};
constexpr std::array<Reponse, 4> reponses_masculin = {{
    {"masculin", 0, 0}, {"féminin", 0, 1}, {"singulier", 1, 0}, {"pluriel", 1, 1}}};

Enigme masculin(const Colonnes& c) {
    const std::string mot = mot_montre(c[0], bandeau_masculin);
    const auto reponse = std::ranges::find(reponses_masculin, c[1], &Reponse::nom);
    exiger(reponse != reponses_masculin.end(),
           "réponse « " + c[1] + " » : écrivez masculin, féminin, singulier ou pluriel");
    const char derniere = mot.back();
    if (reponse->nom == "singulier")
        exiger(std::string_view("SXZ").find(derniere) == std::string_view::npos,
               "un singulier en s, x ou z ne se distingue pas du pluriel");
    if (reponse->nom == "pluriel")
        exiger(derniere == 'S' || derniere == 'X', "un pluriel finit par s ou x");
    return {.champs = {reponse->cas, mot, reponse->indice}, .cle = mot, .mots = {c[0]}};
}

Enigme musique(const Colonnes& c) {
    const std::size_t tiret = c[0].find('-');
    exiger(tiret != std::string::npos && c[0].find('-', tiret + 1) == std::string::npos,
           "« " + c[0] + " » doit avoir un seul tiret, à la place de la note");
    const std::string avant = capitales_a_z(c[0].substr(0, tiret));
    const std::string apres = capitales_a_z(c[0].substr(tiret + 1));
    const std::string mot = capitales_a_z(c[1]);
    const auto note = std::ranges::find_if(notes, [&](std::string_view n) { return avant + std::string(n) + apres == mot; });
    exiger(note != notes.end(), "aucune note (DO RE MI FA SOL LA SI) mise à la place du tiret ne donne « " + c[1] + " »");
    return {.champs = {avant + "-" + apres, static_cast<std::int32_t>(note - notes.begin()), mot,
                       texte_requis(c[2], "indice")},
            .cle = mot,
            .mots = {c[1]}};
}

Enigme mot_mysterieux(const Colonnes& c) {
    const std::string mot = mot_a_z(c[0], 2, cases_mot_mysterieux);
    return {.champs = {mot, texte_requis(c[1], "aide"), texte_requis(c[2], "indice")}, .cle = mot, .mots = {c[0]}};
}

Enigme nbre_lettres(const Colonnes& c) {
    const std::string mot = mot_a_z(c[0], 5, 7);
    const std::size_t voyelles = compter_voyelles(mot);
    exiger(voyelles >= 2 && voyelles <= 4,
           "« " + c[0] + " » a " + std::to_string(voyelles) + " voyelles ; il en faut 2 à 4 (Y compris)");
    return {.champs = {mot}, .cle = mot, .mots = {c[0]}};
}

Enigme pendu(const Colonnes& c) {
    const std::string mot = mot_a_z(c[0], 4, cases_pendu);
    return {.champs = {mot, texte_requis(c[1], "indice")}, .cle = mot, .mots = {c[0]}};
}

Enigme phrase(const Colonnes& c) {
    const std::string texte = texte_requis(c[0], "phrase");
    exiger(texte.size() <= largeur_phrase, "la phrase a " + std::to_string(texte.size()) +
                                               " caractères ; la place en montre " + std::to_string(largeur_phrase));
    // The hidden letters show as X: an x of the sentence would pass for one of them.
    exiger(texte.find_first_of("xX") == std::string::npos, "pas de x dans la phrase : les lettres cachées s'affichent X");
    const std::string manquantes = texte_stockable(c[1]);
    exiger(manquantes.size() == 3 && tous_differents({manquantes.substr(0, 1), manquantes.substr(1, 1), manquantes.substr(2, 1)}),
           "il faut trois lettres manquantes différentes");
    for (char l : manquantes) {
        exiger(l >= 'a' && l <= 'z', cite(std::string(1, l)) + " n'est pas une lettre minuscule de a à z");
        exiger(texte.find(l) != std::string::npos, cite(std::string(1, l)) + " n'est pas dans la phrase");
        exiger(texte.find(majuscule(l)) == std::string::npos,
               cite(std::string(1, majuscule(l))) + " en capitale donnerait la lettre cachée");
    }
    return {.champs = {texte, manquantes}, .cle = texte, .mots = {c[0]}};
}

Enigme mot_a_trouver(const Colonnes& c) {
    const std::string mot = mot_a_z(c[2], 1, cases_mot_a_trouver);
    return {.champs = {texte_requis(c[0], "definition"), texte_requis(c[1], "indice"), mot}, .cle = mot, .mots = {c[2]}};
}

Enigme unelettre(const Colonnes& c) {
    const std::string premier = mot_a_z(c[0], 2, largeur_unelettre);
    const std::string second = mot_a_z(c[1], 2, largeur_unelettre);
    exiger(premier.size() == second.size(), "les deux mots n'ont pas la même longueur");
    exiger(premier.front() != second.front(), "les deux mots commencent par la même lettre");
    exiger(premier.substr(1) == second.substr(1), "les deux mots diffèrent ailleurs qu'en première lettre");
    return {.champs = {premier, second, texte_requis(c[2], "aide"), texte_requis(c[3], "indice")},
            .cle = premier + " " + second,
            .mots = {c[0], c[1]}};
}

//-----------------------------------------------------------------------------
// [SECTION] Rules on a whole file
//-----------------------------------------------------------------------------

constexpr std::size_t paires_par_partie = 7;

// A game of `familles` takes the 7 pairs from any pair of the file, round
// the end: a word met twice in one game would make two cards that never match.
std::vector<Probleme> familles_sans_doublon_par_partie(const std::vector<Enigme>& paires) {
    std::vector<Probleme> problemes;
    std::set<std::pair<std::size_t, std::size_t>> comparees;
    const std::size_t n = paires.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t ecart = 1; ecart < paires_par_partie && ecart < n; ++ecart) {
            const std::size_t j = (i + ecart) % n;
            if (!comparees.insert(std::minmax(i, j)).second) continue;
            for (const Valeur& mot : paires[i].champs)
                if (std::ranges::find(paires[j].champs, mot) != paires[j].champs.end())
                    problemes.push_back({paires[j].ligne, cite(mot.texte()) + " est aussi à la ligne " +
                                                              std::to_string(paires[i].ligne) +
                                                              " : une même partie montrerait les deux"});
        }
    return problemes;
}

// The betting games are played blind: a file that leans one way, or runs in
// streaks, lets a player win by always betting the same.
constexpr std::size_t serie_maximum = 5;       // the same answer so many times in a row
constexpr std::size_t alternance_maximum = 6;  // records alternating 0 1 0 1…
// A sitting of about twenty bets must not lean one way either.
constexpr std::size_t serie_de_paris = 20;
constexpr std::size_t minimum_par_serie_de_paris = 7;
constexpr double part_minimum_deux_reponses = 1.0 / 3;
constexpr double part_minimum_trois_reponses = 1.0 / 4;

std::string en_pourcentage(std::size_t nombre, std::size_t total) {
    return std::to_string(total == 0 ? 0 : nombre * 100 / total) + " %";
}

struct Part {
    std::int32_t valeur;
    std::string_view nom;
};

// Each value makes at least `part_minimum` of the file.
std::optional<Probleme> repartition(const std::vector<std::int32_t>& reponses, const std::vector<Part>& parts,
                                    double part_minimum, std::string_view quoi) {
    std::string detail;
    bool equilibre = true;
    for (const auto& [valeur, nom] : parts) {
        const auto nombre = static_cast<std::size_t>(std::ranges::count(reponses, valeur));
        equilibre &= static_cast<double>(nombre) >= part_minimum * static_cast<double>(reponses.size());
        detail += (detail.empty() ? "" : ", ") + std::string(nom) + " : " + en_pourcentage(nombre, reponses.size());
    }
    if (equilibre) return std::nullopt;
    return Probleme{0, "répartition déséquilibrée des " + std::string(quoi) + " (" + detail + ") ; il faut au moins " +
                           en_pourcentage(static_cast<std::size_t>(part_minimum * 100), 100) + " de chaque"};
}

std::vector<Probleme> masculin_sans_biais(const std::vector<Enigme>& enigmes) {
    std::vector<std::int32_t> reponses;
    for (const Enigme& enigme : enigmes) reponses.push_back(enigme.champs[2].nombre());
    std::vector<Probleme> problemes;
    if (auto probleme = repartition(reponses, {{0, "masculin ou singulier"}, {1, "féminin ou pluriel"}},
                                    part_minimum_deux_reponses, "réponses"))
        problemes.push_back(*probleme);
    std::size_t serie = 1, alternance = 1;
    for (std::size_t i = 1; i < reponses.size(); ++i) {
        const bool meme = reponses[i] == reponses[i - 1];
        serie = meme ? serie + 1 : 1;
        alternance = meme ? 1 : alternance + 1;
        if (serie == serie_maximum + 1)
            problemes.push_back({enigmes[i].ligne, "la même réponse " + std::to_string(serie) + " fois de suite"});
        if (alternance == alternance_maximum + 1)
            problemes.push_back({enigmes[i].ligne, "les réponses alternent " + std::to_string(alternance) + " fois de suite"});
    }
    for (std::size_t debut = 0; debut + serie_de_paris <= reponses.size(); ++debut) {
        const auto fin = reponses.begin() + static_cast<std::ptrdiff_t>(debut + serie_de_paris);
        const auto secondes = static_cast<std::size_t>(std::count(reponses.begin() + static_cast<std::ptrdiff_t>(debut), fin, 1));
        if (std::min(secondes, serie_de_paris - secondes) >= minimum_par_serie_de_paris) continue;
        problemes.push_back({enigmes[debut + serie_de_paris - 1].ligne,
                             "sur les " + std::to_string(serie_de_paris) + " réponses finissant ici, l'une ne vient que " +
                                 std::to_string(std::min(secondes, serie_de_paris - secondes)) + " fois"});
        debut += serie_de_paris - 1;  // one report per stretch
    }
    return problemes;
}

// Two words make a third: a child who always takes the shortest of the six
// words must not be right in more than half of the puzzles (when several
// are shortest, he takes one of them at random), and a short word seen in
// several puzzles must be a decoy in one of them at least.
constexpr double part_maximum_plus_court = 0.5;
constexpr std::size_t longueur_mot_court = 3;
constexpr int apparitions_mot_court = 3;

std::vector<Probleme> deux_mots_sans_biais(const std::vector<Enigme>& enigmes) {
    double trouves = 0;
    std::map<std::string, std::pair<int, int>> mots_courts;  // shown, part of the answer
    for (const Enigme& enigme : enigmes) {
        const std::string& joint = enigme.champs[mots_offerts_deux_mots].texte();
        // The rule of each puzzle has made sure one pair only gives the answer.
        auto dans_la_reponse = [&](std::size_t i) {
            for (std::size_t autre = 0; autre < mots_offerts_deux_mots; ++autre) {
                const std::string& a = enigme.champs[i].texte();
                const std::string& b = enigme.champs[autre].texte();
                if (autre != i && (a + b == joint || b + a == joint)) return true;
            }
            return false;
        };
        std::size_t court = largeur_mot_deux_mots;
        for (std::size_t i = 0; i < mots_offerts_deux_mots; ++i) court = std::min(court, enigme.champs[i].texte().size());
        int plus_courts = 0, justes = 0;
        for (std::size_t i = 0; i < mots_offerts_deux_mots; ++i) {
            const std::string& mot = enigme.champs[i].texte();
            const bool juste = dans_la_reponse(i);
            if (mot.size() == court) {
                ++plus_courts;
                justes += juste ? 1 : 0;
            }
            if (mot.size() <= longueur_mot_court) {
                auto& [vu, dedans] = mots_courts[mot];
                ++vu;
                dedans += juste ? 1 : 0;
            }
        }
        trouves += static_cast<double>(justes) / plus_courts;
    }
    std::vector<Probleme> problemes;
    if (trouves > part_maximum_plus_court * static_cast<double>(enigmes.size()))
        problemes.push_back({0, "le plus court des six mots fait partie de la réponse dans " +
                                    en_pourcentage(static_cast<std::size_t>(trouves), enigmes.size()) +
                                    " des énigmes ; il en faut au plus " +
                                    en_pourcentage(static_cast<std::size_t>(part_maximum_plus_court * 100), 100) +
                                    " : donnez aussi de petits mots comme leurres"});
    for (const auto& [mot, compte] : mots_courts)
        if (compte.first >= apparitions_mot_court && compte.second == compte.first)
            problemes.push_back({0, "« " + utf8(mot) + " » fait partie de la réponse chaque fois qu'il paraît (" +
                                        std::to_string(compte.first) + " fois) : il faut aussi en faire un leurre"});
    return problemes;
}

std::vector<Probleme> nbre_lettres_sans_biais(const std::vector<Enigme>& enigmes) {
    std::vector<std::int32_t> longueurs, voyelles;
    for (const Enigme& enigme : enigmes) {
        const std::string& mot = enigme.champs[0].texte();
        longueurs.push_back(static_cast<std::int32_t>(mot.size()));
        voyelles.push_back(static_cast<std::int32_t>(compter_voyelles(mot)));
    }
    std::vector<Probleme> problemes;
    for (auto probleme :
         {repartition(longueurs, {{5, "5 lettres"}, {6, "6 lettres"}, {7, "7 lettres"}}, part_minimum_trois_reponses, "longueurs"),
          repartition(voyelles, {{2, "2 voyelles"}, {3, "3 voyelles"}, {4, "4 voyelles"}}, part_minimum_trois_reponses,
                      "nombres de voyelles")})
        if (probleme) problemes.push_back(*probleme);
    return problemes;
}

//-----------------------------------------------------------------------------
// [SECTION] Rules the dictionary checks
//-----------------------------------------------------------------------------

// The game judges one answer right; any other that makes a word is judged wrong.
std::optional<std::string> autre_mot(const Dictionnaire& dictionnaire, const std::vector<std::string>& essais,
                                     std::string_view pourquoi) {
    for (const std::string& essai : essais)
        if (dictionnaire.connait(essai)) return "« " + essai + " » est aussi un mot (" + std::string(pourquoi) + ")";
    return std::nullopt;
}

std::optional<std::string> deux_mots_autres_paires(const Dictionnaire& dictionnaire, const Enigme& enigme) {
    const std::string joint = enigme.champs[mots_offerts_deux_mots].texte();
    std::vector<std::string> essais;
    for (std::size_t a = 0; a < mots_offerts_deux_mots; ++a)
        for (std::size_t b = 0; b < mots_offerts_deux_mots; ++b)
            if (a != b && enigme.champs[a].texte() + enigme.champs[b].texte() != joint)
                essais.push_back(enigme.source[a] + enigme.source[b]);
    return autre_mot(dictionnaire, essais, "deux autres des six mots");
}

std::optional<std::string> lettre_en_trop_autres_lettres(const Dictionnaire& dictionnaire, const Enigme& enigme) {
    const std::string mot = texte_stockable(enigme.source[0]);
    // The tiles show capitals without accents: taking the P of « page »
    // leaves AGE, which is « âge », the answer itself.
    const std::string& sans_lettre = enigme.champs[1].texte();
    std::vector<std::string> essais;
    for (std::size_t i = 0; i < mot.size(); ++i)
        if (std::string essai = utf8(std::string(mot).erase(i, 1)); capitales_a_z(essai) != sans_lettre)
            essais.push_back(essai);
    return autre_mot(dictionnaire, essais, "une autre lettre retirée");
}

std::optional<std::string> musique_autres_notes(const Dictionnaire& dictionnaire, const Enigme& enigme) {
    static constexpr std::array<std::string_view, 8> notes_ecrites = {"do", "ré", "re", "mi", "fa", "sol", "la", "si"};
    const std::string& trou = enigme.source[0];
    const std::size_t tiret = trou.find('-');
    std::vector<std::string> essais;
    for (std::string_view note : notes_ecrites)
        if (std::string essai = trou.substr(0, tiret) + std::string(note) + trou.substr(tiret + 1);
            capitales_a_z(essai) != enigme.champs[2].texte())
            essais.push_back(essai);
    return autre_mot(dictionnaire, essais, "une autre note");
}

// What "is:" tags mean, for the message.
std::string en_clair(const std::string& lecture) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> sens = {{
        {"is:mas", "masculin"}, {"is:fem", "féminin"}, {"is:epi", "des deux genres"},
        {"is:sg", "singulier"}, {"is:pl", "pluriel"}, {"is:inv", "invariable"}}};
    std::string texte;
    for (const auto& [etiquette, mot] : sens)
        if (lecture.find(etiquette) != std::string::npos) texte += (texte.empty() ? "" : ", ") + std::string(mot);
    return texte;
}

// The player bets blind: every reading of the noun must give the same answer.
std::optional<std::string> masculin_sans_doute(const Dictionnaire& dictionnaire, const Enigme& enigme) {
    const std::string& mot = enigme.source[0];
    const auto lectures = dictionnaire.lectures_comme_nom(mot);
    if (lectures.empty()) return "le dictionnaire ne connaît pas « " + mot + " » comme nom";
    const bool genre = enigme.champs[0].nombre() == 0;
    const bool second = enigme.champs[2].nombre() == 1;
    const std::string_view attendu = genre ? (second ? "is:fem" : "is:mas") : (second ? "is:pl" : "is:sg");
    for (const std::string& lecture : lectures) {
        const bool juste = lecture.find(attendu) != std::string::npos &&
                           (!genre || lecture.find("is:sg") != std::string::npos);
        if (!juste) return "le dictionnaire lit aussi « " + mot + " » comme nom " + en_clair(lecture);
    }
    return std::nullopt;
}

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] The table of word files
//-----------------------------------------------------------------------------

const std::vector<Jeu>& jeux() {
    constexpr std::size_t mots_du_bonneteau = 400;  // three words up to 200 records apart, never the same
    static const std::vector<Jeu> table = {
        {.numero = 1, .nom = "anagramme", .colonnes = {"mot", "solution", "indice", "ligne"}, .enigme = anagramme},
        {.numero = 2,
         .nom = "deux_mots",
         .colonnes = {"mot1", "mot2", "mot3", "mot4", "mot5", "mot6", "mot", "indice"},
         .enigme = deux_mots,
         .regles_du_fichier = deux_mots_sans_biais,
         .regle_du_dictionnaire = deux_mots_autres_paires},
        {.numero = 3,
         .nom = "codes",
         .colonnes = {"numero", "mot1", "mot2", "mot3", "mot4", "conclusion", "indice"},
         .enigme = codes},
        {.numero = 5,
         .nom = "familles",
         .colonnes = {"mot1", "mot2"},
         .enigme = familles,
         .enigmes_minimum = paires_par_partie,
         .regles_du_fichier = familles_sans_doublon_par_partie},
        {.numero = 6,
         .nom = "lettre_en_trop",
         .colonnes = {"mot", "sans_lettre", "indice", "ligne"},
         .enigme = lettre_en_trop,
         .regle_du_dictionnaire = lettre_en_trop_autres_lettres},
        {.numero = 7,
         .nom = "masculin",
         .colonnes = {"mot", "reponse"},
         .enigme = masculin,
         .regles_du_fichier = masculin_sans_biais,
         .regle_du_dictionnaire = masculin_sans_doute},
        {.numero = 8,
         .nom = "musique",
         .colonnes = {"trou", "mot", "indice"},
         .enigme = musique,
         .regle_du_dictionnaire = musique_autres_notes},
        {.numero = 9, .nom = "mot_mysterieux", .colonnes = {"mot", "aide", "indice"}, .enigme = mot_mysterieux},
        {.numero = 10,
         .nom = "nbre_lettres",
         .colonnes = {"mot"},
         .enigme = nbre_lettres,
         .enigmes_minimum = mots_du_bonneteau,
         .regles_du_fichier = nbre_lettres_sans_biais},
        {.numero = 11, .nom = "pendu", .colonnes = {"mot", "indice"}, .enigme = pendu},
        {.numero = 12, .nom = "phrase", .colonnes = {"phrase", "lettres"}, .enigme = phrase},
        {.numero = 13, .nom = "mot_a_trouver", .colonnes = {"definition", "indice", "mot"}, .enigme = mot_a_trouver},
        {.numero = 14, .nom = "unelettre", .colonnes = {"mot1", "mot2", "aide", "indice"}, .enigme = unelettre},
    };
    return table;
}
