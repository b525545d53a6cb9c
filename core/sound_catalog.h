#pragma once
// Every sound file the program can play, and the lists its rotations and
// draws walk through. The sound builder and the sound checks read this same
// catalogue, so a name cannot be played that was never built.
#include <string>
#include <string_view>
#include <vector>

namespace sons {

inline constexpr int nb_effets = 10;     // "1.ats" … "10.ats"
inline constexpr int nb_ambiances = 19;  // "1.amb" … "19.amb"
inline constexpr int nb_touches = 51;    // "1" … "51"
inline constexpr int nb_victoires = 21;  // "1.vic" … "21.vic"
inline constexpr int nb_defaites = 19;   // "1.def" … "19.def"

// Two-digit entries; the card lists keep their leading zero ("02" is its own file).
inline constexpr std::string_view liste_cartes_paire = "171802323946";
inline constexpr std::string_view liste_cartes_echec = "12162023242903313305";
// Drawn ticks and drawn victories drop the leading zero ("02" plays "2").
inline constexpr std::string_view tirage_tics = "1202101317141819202123252628290331323338404346490405";
inline constexpr std::string_view tirage_victoires = "1114172103";

enum class Genre { effet, ambiance, touche, victoire, defaite };

struct Son {
    std::string nom;
    Genre genre;
};

// The 123 files, each once, with the kind that decides its length and level.
std::vector<Son> catalogue();

}  // namespace sons
