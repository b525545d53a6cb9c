#include "tools/words/word_encoder.h"

#include <stdexcept>

namespace {

constexpr unsigned char premier_code_imprimable = 0x20;
constexpr unsigned char dernier_code_stockable = 255 - decalage_codes;

// A reader that keeps fields in untyped values would take such a text for a
// number; quoting keeps it a text for any reader.
bool commence_comme_un_nombre(std::string_view stocke) {
    constexpr std::string_view debuts = "0123456789+-.&#";
    return debuts.find(stocke.front()) != std::string_view::npos;
}

bool a_mettre_entre_guillemets(std::string_view stocke) {
    return stocke.empty() || stocke.find(',') != std::string_view::npos || commence_comme_un_nombre(stocke);
}

}  // namespace

bool caractere_stockable(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= premier_code_imprimable && code <= dernier_code_stockable;
}

std::string encoder(std::string_view texte) {
    std::string stocke(texte);
    for (char& c : stocke) {
        if (!caractere_stockable(c))
            throw std::invalid_argument("code " + std::to_string(static_cast<unsigned char>(c)) +
                                        " impossible à stocker");
        c = static_cast<char>(static_cast<unsigned char>(c) + decalage_codes);
    }
    return stocke;
}

std::string champ_stocke(const Valeur& champ) {
    if (champ.est_nombre()) return std::to_string(champ.nombre());
    std::string stocke = encoder(champ.texte());
    if (a_mettre_entre_guillemets(stocke)) return '"' + stocke + '"';
    return stocke;
}

std::string ligne_stockee(const Enregistrement& enregistrement) {
    std::string ligne;
    for (std::size_t i = 0; i < enregistrement.size(); ++i) {
        if (i > 0) ligne += ',';
        ligne += champ_stocke(enregistrement[i]);
    }
    return ligne + "\r\n";
}

std::string fichier_stocke(const std::vector<Enregistrement>& enregistrements) {
    std::string fichier;
    for (const Enregistrement& enregistrement : enregistrements) fichier += ligne_stockee(enregistrement);
    return fichier;
}
