// Shared routines: score pulse, answer row, comment phrases, sounds, pointer.
#include <gtest/gtest.h>

#include <set>

#include "core/banque_images.h"
#include "core/routines.h"
#include "platform/headless.h"
#include "platform/text.h"

namespace {

struct EcranDeJeu : plat::Form {
    explicit EcranDeJeu(plat::Application& app) : plat::Form(app, "essai") {}
    plat::Label label_score{*this, "label_score"};
    plat::Label achat_indice{*this, "achat_indice"};
    plat::ControlArray<plat::Label> reponse{*this, "reponse", 13};
};

class RoutinesTest : public ::testing::Test {
protected:
    RoutinesTest() {
        auto backend = std::make_unique<plat::HeadlessBackend>();
        auto sons = std::make_unique<plat::RecordingSound>();
        backend_ = backend.get();
        sons_ = sons.get();
        app_ = std::make_unique<plat::Application>(std::move(backend), std::move(sons));
        r_ = std::make_unique<Routines>(*app_, "/nulle-part", 7);
        ecran_ = std::make_unique<EcranDeJeu>(*app_);
        for (int i = 0; i < kNbCommentaires - 1; ++i) r_->etat.commentaires[i] = "c" + std::to_string(i);
    }
    plat::HeadlessBackend* backend_;
    plat::RecordingSound* sons_;
    std::unique_ptr<plat::Application> app_;
    std::unique_ptr<Routines> r_;
    std::unique_ptr<EcranDeJeu> ecran_;
};

TEST_F(RoutinesTest, ScorePulseEndsAtRestSizeOnTheScore) {
    ecran_->label_score.set_font_size(9);
    r_->etat.score = 268'435'486;
    std::uint32_t debut = app_->tick();
    r_->afficher_score(ecran_->label_score);
    EXPECT_EQ(ecran_->label_score.caption(), "268435486");
    EXPECT_EQ(ecran_->label_score.font_size(), 18);
    EXPECT_EQ(app_->tick() - debut, 12u * 5u);  // twelve 5 ms steps
    EXPECT_TRUE(backend_->cursor_visible());
}

TEST_F(RoutinesTest, ScoreStaysWithinWhatThePlayerFileHolds) {
    r_->etat.fixer_score(kScoreMaximum - 5);
    r_->etat.ajouter_au_score(1'000'000);
    EXPECT_EQ(r_->etat.score, kScoreMaximum);
    std::int64_t brouille = (std::int64_t{r_->etat.score} * 4 - 123) * 2;
    EXPECT_LE(brouille, INT32_MAX);
    r_->etat.fixer_score(3);
    r_->etat.ajouter_au_score(-10);  // no loss takes the score below 0
    EXPECT_EQ(r_->etat.score, 0);
}

TEST_F(RoutinesTest, AnswerRowIsCentredFortySevenPixelsApart) {
    Routines::placer_reponse(7, ecran_->reponse);
    std::vector<int> lefts;
    for (int i = 0; i < 7; ++i) lefts.push_back(ecran_->reponse[i].left());
    EXPECT_EQ(lefts, (std::vector<int>{157, 204, 251, 298, 345, 392, 439}));
    Routines::placer_reponse(13, ecran_->reponse);
    EXPECT_EQ(ecran_->reponse[0].left(), 15);
    Routines::placer_reponse(1, ecran_->reponse);
    EXPECT_EQ(ecran_->reponse[0].left(), 296);
}

TEST_F(RoutinesTest, CommentPhrasesRotateThroughSevenSlots) {
    EXPECT_EQ(r_->commentaire(true), "c0");  // first right answer
    EXPECT_EQ(r_->commentaire(false), "c8");  // wrong right after it
    for (int i = 0; i < 5; ++i) r_->commentaire(true);
    EXPECT_EQ(r_->commentaire(true), "c0");  // the eighth answer starts again
}

TEST_F(RoutinesTest, HintIsOfferedFromTwoPointsAndSoldOnce) {
    for (auto [score, offert] : {std::pair{2, true}, {1, false}}) {
        r_->etat.score = score;
        r_->preparer_indice(ecran_->achat_indice);
        EXPECT_EQ(ecran_->achat_indice.visible(), offert) << score;
    }
    r_->etat.score = 5;
    bool achete = false;
    r_->acheter_indice(achete, ecran_->achat_indice, ecran_->label_score, "un animal");
    r_->acheter_indice(achete, ecran_->achat_indice, ecran_->label_score, "un animal");
    EXPECT_EQ(r_->etat.score, 3);
    EXPECT_EQ(ecran_->achat_indice.caption(), "un animal");
    EXPECT_EQ(sons_->names(), std::vector<std::string>{"4.ats"});
}

TEST_F(RoutinesTest, AmbientSoundsRotateFromOneToNineteen) {
    r_->etat.num_ambiance = Valeur(1);
    for (int i = 0; i < 20; ++i) r_->jouer_ambiance();
    std::vector<std::string> attendus;
    for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 1, 2})
        attendus.push_back(std::to_string(n) + ".amb");
    EXPECT_EQ(sons_->names(), attendus);
}

TEST_F(RoutinesTest, RotationsStartAtOneAndWrap) {
    r_->jouer_son_touche();  // counter never touched
    r_->etat.num_son_touche = Valeur(51);
    r_->jouer_son_touche();
    r_->etat.num_victoire = Valeur(21);
    r_->jouer_victoire();
    r_->jouer_defaite();
    r_->etat.num_ambiance = Valeur(INT32_MAX);  // a damaged player file
    r_->jouer_ambiance();
    EXPECT_EQ(sons_->names(), (std::vector<std::string>{"1", "1", "1.vic", "1.def", "1.amb"}));
}

TEST_F(RoutinesTest, CardListsShareOnePositionAndKeepLeadingZeros) {
    for (int i = 0; i < 6; ++i) r_->jouer_son_liste(i % 2);
    // Positions 1, 3, 5, 7, 9, 11 taken alternately from the miss and match lists.
    EXPECT_EQ(sons_->names(), (std::vector<std::string>{"12", "18", "20", "32", "24", "46"}));
    r_->jouer_son_liste(1);  // past the end of the match list: back to its first entry
    r_->jouer_son_liste(0);
    EXPECT_EQ(sons_->names().at(6), "17");
    EXPECT_EQ(sons_->names().at(7), "16");
}

TEST_F(RoutinesTest, DrawnSoundsNeverKeepALeadingZero) {
    std::set<std::string> victoires;
    for (int i = 0; i < 500; ++i) {
        std::string tic = r_->tirer_son();
        ASSERT_NE(tic.front(), '0') << tic;
        victoires.insert(r_->tirer_son_victoire());
    }
    EXPECT_EQ(victoires, (std::set<std::string>{"11.vic", "14.vic", "17.vic", "21.vic", "3.vic"}));
}

TEST_F(RoutinesTest, HidesDoNotPileUpAndParkingFollowsTheMode) {
    r_->cacher_pointeur(kCentre);
    r_->cacher_pointeur(kSurPlace);
    EXPECT_FALSE(backend_->cursor_visible());
    EXPECT_EQ(std::pair(backend_->pointer_x(), backend_->pointer_y()), std::pair(320, 240));
    r_->montrer_pointeur();
    EXPECT_TRUE(backend_->cursor_visible());
    r_->cacher_pointeur(kSurEncore);
    r_->cacher_pointeur(7);  // beyond the table: the last park position
    EXPECT_EQ(std::pair(backend_->pointer_x(), backend_->pointer_y()), std::pair(570, 410));
}

// Pictures read ahead on the second thread are the ones asked for, and one
// that cannot be read fails where it is asked for, as if read then.
TEST(BanqueImages, PicturesReadAheadComeBackByNameAndAFaultyOneThrowsWhenAsked) {
    BanqueImages banque(std::filesystem::path(LEXIRAMA_BUILD_DIR) / "datas");
    banque.precharger({"12", "absente", "1"});
    EXPECT_THROW(banque.image("absente"), std::runtime_error);
    auto feuille = banque.image("12");
    ASSERT_TRUE(feuille);
    EXPECT_EQ(feuille->width(), 640);
    EXPECT_NE(banque.image("1"), feuille);
    EXPECT_EQ(banque.image("12"), feuille);  // read once, then kept
}

TEST(Texte, Windows1252RoundTrip) {
    std::string t = cp1252("Félicitations ! Cœur");
    EXPECT_EQ(t.size(), 20u);
    EXPECT_EQ(static_cast<unsigned char>(t[1]), 0xE9);
    EXPECT_EQ(utf8(t), "Félicitations ! Cœur");
    EXPECT_EQ(majuscule(cp1252("é")[0]), cp1252("É")[0]);
}

}  // namespace
