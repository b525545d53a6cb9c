#pragma once
// The word files: the puzzles of the games, stored as comma-separated fields
// whose texts are shifted by 4 codes. FichierMots is the sequential field
// reader over one file; word_file_reader.h adds a game's progress to it.
//
// Syntax read: fields are separated by commas or line ends (CR LF, or LF or
// CR alone); blanks (space, tab) before a field are skipped and so are those
// ending an unquoted field; a field may be enclosed in double quotes and then
// holds commas, the quotes not being part of it; a read of n fields takes the
// next n fields whatever the line breaks. A file that ends with one line end
// is at its end right after its last record.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/valeur.h"

// A word file that cannot be used: missing, empty, short of a field, or
// holding a field that is not what the record needs. what() is a French
// sentence in Windows-1252, ready to be shown on screen, naming the file and
// the line: "Le fichier de mots 11.bin est illisible (ligne 12 : champ manquant)."
class FichierMotsErreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every stored code is the code meant plus 4.
inline constexpr int decalage_codes = 4;

// Decodes a stored text in place and returns it too; "" stays "".
// Every code must be at least 4: the readers refuse any other text.
std::string decoder(std::string& texte);

// What a record field is read as: a decoded text or a 16-bit number.
enum class Champ { texte, nombre };
using FormatEnregistrement = std::vector<Champ>;
// Texts are decoded; numbers are whole numbers.
using Enregistrement = std::vector<Valeur>;

class FichierMots {
public:
    // Loads the whole file, so that no handle stays open while a game runs.
    static FichierMots ouvrir(const std::filesystem::path& chemin);
    // `nom` names the file in error messages; `contenu` is its bytes.
    FichierMots(std::string nom, std::string contenu);

    std::string lire_texte();    // the next field, decoded
    std::int16_t lire_nombre();  // the next field, a decimal in -32768..32767
    Enregistrement lire(const FormatEnregistrement& format);

    bool fin() const { return position_ == contenu_.size(); }
    void rembobiner();
    // Every record the build writes ends with a line end: a last field that
    // runs to the very end of the file is what a cut file leaves, a word
    // shortened into another. Refused once the reader has reached it.
    void refuser_si_coupe() const;

private:
    std::string lire_champ();
    std::string lire_entre_guillemets();
    std::string lire_jusqu_au_separateur();
    void passer_blancs();
    void passer_separateur();
    void passer_fin_de_ligne();
    [[noreturn]] void refuser(std::string_view raison) const;

    std::string nom_;
    std::string contenu_;
    std::size_t position_ = 0;
    int ligne_ = 1;
    int ligne_du_champ_ = 1;  // the line the last field read starts on
};
