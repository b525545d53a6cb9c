#include "tools/words/dictionary.h"

#include <hunspell.hxx>
#include <stdexcept>

#include "platform/text.h"

namespace {

constexpr std::string_view marque_nom = "po:nom";

// Letters of Windows-1252: a–z, A–Z, the accented letters and œ Œ š Š ž Ž Ÿ.
bool est_lettre(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u | 0x20) >= 'a' && (u | 0x20) <= 'z') return true;
    if (u >= 0xC0 && u != 0xD7 && u != 0xF7) return true;
    return u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9A || u == 0x9C || u == 0x9E || u == 0x9F;
}

// Inside a word, between two letters.
bool est_liant(char c) { return c == '-' || c == '\'' || c == '\x92'; }

}  // namespace

Dictionnaire::Dictionnaire(const std::filesystem::path& dic) {
    std::filesystem::path aff = dic;
    aff.replace_extension(".aff");
    if (!std::filesystem::exists(dic) || !std::filesystem::exists(aff))
        throw std::runtime_error("dictionnaire introuvable : " + dic.string());
    hunspell_ = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
}

Dictionnaire::~Dictionnaire() = default;

bool Dictionnaire::connait(const std::string& mot_utf8) const { return hunspell_->spell(mot_utf8); }

std::vector<std::string> Dictionnaire::lectures_comme_nom(const std::string& mot_utf8) const {
    std::vector<std::string> lectures;
    for (const std::string& analyse : hunspell_->analyze(mot_utf8))
        if (analyse.find(marque_nom) != std::string::npos) lectures.push_back(analyse);
    return lectures;
}

std::vector<std::string> mots_du_texte(std::string_view utf8_texte) {
    const std::string texte = cp1252(utf8_texte);
    std::vector<std::string> mots;
    std::size_t i = 0;
    while (i < texte.size()) {
        if (!est_lettre(texte[i])) {
            ++i;
            continue;
        }
        const std::size_t debut = i;
        while (i < texte.size() &&
               (est_lettre(texte[i]) || (est_liant(texte[i]) && i + 1 < texte.size() && est_lettre(texte[i + 1]))))
            ++i;
        mots.push_back(utf8(texte.substr(debut, i - debut)));
    }
    return mots;
}
