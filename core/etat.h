#pragma once
// Everything that outlives one screen: the player, the score, the progress
// through every word file, the sound rotations and the menu flags. One
// object, made empty at start, read from the player file when a name is
// confirmed and written back at quit.
#include <array>
#include <cstdint>
#include <string>

#include "core/valeur.h"

// The player file stores (score × 4 − 123) × 2 in 32 bits; beyond the
// maximum a saved score would wrap. No loss takes the score below 0.
inline constexpr std::int64_t kScoreMaximum = 268'435'486;
inline constexpr std::int64_t kScoreMinimum = 0;

inline constexpr int kNbCommentaires = 15;
inline constexpr int kPremierReproche = 7;  // slots 0–6 praise, 7–13 reproach

struct EtatPartage {
    std::string prenom;  // Windows-1252
    // The menu character the player chose as their picture, from 0.
    int personnage = 0;
    std::int32_t score = 0;
    std::int32_t score_charge = 0;
    Valeur profil_existant;

    std::array<std::string, kNbCommentaires> commentaires;
    int num_commentaire = 0;

    // Progress: puzzles finished in each game's word file.
    Valeur position_codes, position_familles, position_unelettre, position_nbre_lettres, position_pendu,
        position_masculin, position_musique, position_lettre_en_trop, position_deux_mots, position_anagramme,
        position_mot_a_trouver, position_mot_mysterieux, position_phrase;

    // Games started in each betting game.
    Valeur parties_nbre_lettres, parties_masculin, parties_bonneteau, parties_voyelles;

    // Sound rotations, saved so that they go on from one run to the next.
    Valeur num_son_touche, num_ambiance, num_victoire, num_defaite;
    int pos_son_carte = -1;  // before the first entry: the first call plays entry 1

    // Menu flags.
    bool en_jeu = false;
    bool survol = false;
    bool ambiance_bloquee = false;

    // Set once the name screen is confirmed: only then is there a player to save.
    bool prenom_confirme = false;

    // Score changes go through here so that the score stays between 0 and
    // what the player file can hold.
    void ajouter_au_score(std::int64_t points);
    void fixer_score(std::int64_t points);
};
