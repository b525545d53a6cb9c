#pragma once
// The word shell game: three words of datas/10.bin are shown under three
// hats, shuffled before the player's eyes and hidden; the player then finds
// them one after the other, with 4 tries for the 3 words. Finding all three
// wins twice the stake; running out of tries loses it.
//
// Each word stays under its own hat for the whole bet: the shuffle only
// shows them elsewhere, and decides the order in which they are asked for.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/regles_mots.h"
#include "core/routines.h"
#include "core/word_file.h"
#include "games/betting/mise.h"
#include "platform/form.h"

class Bonneteau : public plat::Form {
public:
    explicit Bonneteau(Routines& r);

    // Refuses the words, one record or one word at a time, of datas/10.bin that this screen cannot play.
    static void controler(const Enregistrement& e);

    static constexpr int kChapeaux = 3;
    static constexpr int kEssais = 4;

    // The verdicts of the whole bet.
    static std::string texte_gain(const std::string& commentaire, int mise);
    static std::string texte_perte(int mise);

    plat::Image cage{*this, "cage"};
    plat::ControlArray<plat::Label> bonnet{*this, "bonnet", kChapeaux};
    plat::Label mot_a_chercher{*this, "mot_a_chercher"};
    plat::Label commentaire{*this, "commentaire"};
    CommandesMise mise;
    plat::Label label_score{*this, "label_score"};
    plat::Image encore_bonneteau{*this, "encore_bonneteau"};
    plat::Image fin_bonneteau{*this, "fin_bonneteau"};

private:
    void Form_Activate();
    void encore_bonneteau_Click();
    void bonnet_Click(int index);
    void cage_Click();
    void fin_bonneteau_Click();

    void disposer();
    void recommencer();
    void accueillir_sans_mise();
    bool tirer_les_mots(bool premier);
    void montrer_les_mots();
    void melanger_mots();
    void tirer_ordre();
    void ouvrir_le_pari();
    const std::string& mot_demande() const;
    void rater(int index);
    void rouvrir_les_chapeaux_vides();
    void trouver(int index);
    void gagner();
    void perdre();

    Routines& r_;
    std::optional<FichierMots> fichier_;
    std::array<std::string, kChapeaux> mots_;
    std::vector<int> ordre_;                  // the order in which the words are asked for
    std::array<bool, kChapeaux> compte_{};    // a click on the hat counts
    int etape_ = 0;                           // which word is asked for
    int essais_ = kEssais;
    int trouves_ = 0;
    // The words are drawn and shuffled: no hat counts, the stake stays at 10.
    bool en_preparation_ = false;
};
