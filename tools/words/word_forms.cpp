#include "tools/words/word_forms.h"

#include <algorithm>

#include "platform/text.h"
#include "tools/words/word_encoder.h"

namespace {

constexpr char oe_majuscule = '\x8C';  // Œ in Windows-1252
constexpr char ae_majuscule = '\xC6';  // Æ

std::size_t longueur_utf8(unsigned char tete) {
    if (tete < 0x80) return 1;
    if (tete < 0xE0) return 2;
    if (tete < 0xF0) return 3;
    return 4;
}

// The character, one Windows-1252 byte, that a UTF-8 sequence stands for.
char caractere_cp1252(std::string_view sequence) {
    const std::string converti = cp1252(sequence);
    if (converti.size() != 1 || utf8(converti) != sequence)
        throw ErreurContenu("« " + std::string(sequence) + " » n'existe pas en Windows-1252");
    const char c = converti.front();
    if (static_cast<unsigned char>(c) < ' ')
        throw ErreurContenu("caractère de contrôle (code " + std::to_string(static_cast<unsigned char>(c)) + ")");
    if (!caractere_stockable(c)) throw ErreurContenu("« " + std::string(sequence) + " » ne peut pas être stocké");
    return c;
}

// Capitals, with Œ and Æ written as the two letters children learn.
std::string majuscules_sans_ligatures(std::string_view texte) {
    std::string resultat;
    for (char c : texte) {
        const char m = majuscule(c);
        if (m == oe_majuscule)
            resultat += "OE";
        else if (m == ae_majuscule)
            resultat += "AE";
        else
            resultat += m;
    }
    return resultat;
}

char sans_accent(char majuscule_accentuee) {
    static const std::string accentuees = cp1252("ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝŸ");
    static constexpr std::string_view simples = "AAAAAACEEEEIIIINOOOOOUUUUYY";
    const std::size_t rang = accentuees.find(majuscule_accentuee);
    return rang == std::string::npos ? majuscule_accentuee : simples[rang];
}

bool est_capitale(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string texte_stockable(std::string_view utf8_texte) {
    std::string texte;
    for (std::size_t i = 0; i < utf8_texte.size();) {
        const std::size_t n = longueur_utf8(static_cast<unsigned char>(utf8_texte[i]));
        texte += caractere_cp1252(utf8_texte.substr(i, n));
        i += n;
    }
    return texte;
}

std::string capitales_a_z(std::string_view utf8_mot) {
    std::string mot = majuscules_sans_ligatures(texte_stockable(utf8_mot));
    std::ranges::transform(mot, mot.begin(), sans_accent);
    const auto intrus = std::ranges::find_if_not(mot, est_capitale);
    if (intrus != mot.end())
        throw ErreurContenu("« " + std::string(utf8_mot) + " » : " + cite(std::string(1, *intrus)) +
                            " n'est pas une lettre de A à Z");
    return mot;
}

std::string majuscules_affichees(std::string_view utf8_mot) {
    return majuscules_sans_ligatures(texte_stockable(utf8_mot));
}

std::string cite(std::string_view texte) { return "« " + utf8(texte) + " »"; }
