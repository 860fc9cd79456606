// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/GameStart.h"
#include "catalogue/LevelStart.h"

#include <gmock/gmock.h>

#include <set>

using namespace pulsadrome;
using namespace pulsadrome::catalogue;
using ::testing::Each;
using ::testing::ElementsAre;

namespace {

const QString kFrenchTitle = QStringLiteral("NIVEAU ");

LevelStart start(const char* label, MenuHolders& holders, const QString& chrono = "180") {
    const Level* level = findLevelByLabel(QString::fromLatin1(label));
    EXPECT_NE(level, nullptr) << label;
    return startLevel(*level, kFrenchTitle, chrono, holders);
}

TEST(LevelStart, niveau46FillsTheLastEightMainRhythms) {
    MenuHolders holders;
    const auto s = start("Niveau46", holders);
    EXPECT_EQ(holders.labelNN, QLatin1String("46"));
    EXPECT_EQ(s.levelCode, QLatin1String("46"));
    EXPECT_THAT(s.slotPictures, ElementsAre(461, 462, 463, 464, 465, 466, 467, 468));
    EXPECT_THAT(holders.imageJeu,
                ElementsAre("461", "462", "463", "464", "465", "466", "467", "468"));
    ASSERT_EQ(s.answerWrites.size(), 8u);
    EXPECT_EQ(s.answerWrites.front(), (AnswerWrite{1, 361}));
    EXPECT_EQ(s.answerWrites.back(), (AnswerWrite{8, 368}));
    EXPECT_EQ(s.title, QLatin1String("NIVEAU 48"));
    EXPECT_EQ(s.beatPicture, BeatPicture::Crotchet);
    EXPECT_TRUE(holders.instrumentsReady);
}

TEST(LevelStart, otherSeriesWriteTheirCodesRhythmsBeatsAndTitles) {
    MenuHolders holders;
    const auto b = start("Niveau07B", holders);
    EXPECT_EQ(holders.labelNN, QLatin1String("207"));
    EXPECT_EQ(b.answerWrites.front().rhythm, 513);
    EXPECT_EQ(b.answerWrites.back().rhythm, 520);
    EXPECT_EQ(b.title, QLatin1String("NIVEAU 7"));
    EXPECT_EQ(b.beatPicture, BeatPicture::Minim);

    const auto t = start("Niveau07T", holders);
    EXPECT_EQ(holders.labelNN, QLatin1String("107"));
    EXPECT_EQ(t.answerWrites.front().rhythm, 417);
    EXPECT_EQ(t.answerWrites.back().rhythm, 424);
    EXPECT_EQ(t.beatPicture, BeatPicture::DottedCrotchet);
}

TEST(LevelStart, resetsTheCursorScoreAndFeedbackAndPassesTheClock) {
    MenuHolders holders;
    const auto s = start("Niveau1", holders, "240");
    EXPECT_THAT(s.frames, ElementsAre(FrameColour::White, FrameColour::White, FrameColour::White,
                                      FrameColour::White, FrameColour::Red, FrameColour::White,
                                      FrameColour::White, FrameColour::White, FrameColour::White));
    EXPECT_EQ(s.score, QLatin1String("0"));
    EXPECT_TRUE(s.hideFeedback);
    EXPECT_EQ(s.timerText, QLatin1String("240"));
    EXPECT_TRUE(s.pressTempo);
    EXPECT_EQ(s.title, QLatin1String("NIVEAU 3"));
}

TEST(LevelStart, theTitleKeepsTheLanguagesOwnSpacing) {
    MenuHolders holders;
    const Level* level = findLevelByLabel(u"Niveau1");
    EXPECT_EQ(startLevel(*level, QStringLiteral("LIVELLO "), "180", holders).title,
              QLatin1String("LIVELLO 3"));
}

TEST(LevelStart, starterLevelsDropTheTopRowAndOrdinaryLevelsRestoreIt) {
    MenuHolders holders;
    const auto first = start("Niveau3", holders);
    EXPECT_TRUE(first.layout.topRowVisible);
    EXPECT_EQ(first.layout.frameTop, 180);
    EXPECT_EQ(first.layout.frameHeight, 3495);
    EXPECT_EQ(first.layout.topRowTop, 540);

    const auto starter = start("Label_1b", holders);
    EXPECT_FALSE(starter.layout.topRowVisible);
    EXPECT_EQ(starter.layout.frameTop, 1240);
    EXPECT_EQ(starter.layout.frameHeight, 2475);
    EXPECT_TRUE(starter.pressTempo);

    const auto again = start("Niveau2", holders);
    EXPECT_TRUE(again.layout.topRowVisible);
    EXPECT_EQ(again.layout.topRowTop, 540);
}

TEST(LevelStart, starterLevelsWriteOnlyTheAnswersInUse) {
    MenuHolders holders;
    const auto a = start("Label_1a", holders);
    EXPECT_EQ(holders.labelNN, QLatin1String("1a"));
    EXPECT_THAT(holders.imageJeu,
                ElementsAre("100", "100", "100", "100", "100", "106", "107", "108"));
    EXPECT_THAT(a.answerWrites,
                ElementsAre(AnswerWrite{6, 6}, AnswerWrite{7, 7}, AnswerWrite{8, 8}));
    EXPECT_EQ(a.title, QLatin1String("NIVEAU 1"));

    const auto b = start("Label_1b", holders);
    EXPECT_THAT(holders.imageJeu,
                ElementsAre("100", "100", "100", "104", "105", "101", "102", "103"));
    EXPECT_THAT(b.answerWrites, ElementsAre(AnswerWrite{4, 4}, AnswerWrite{5, 5}, AnswerWrite{1, 1},
                                            AnswerWrite{2, 2}, AnswerWrite{3, 3}));
    EXPECT_EQ(b.title, QLatin1String("NIVEAU 2"));
}

TEST(GameStart, onePlayerCompoundGameDrawsFromItsPoolAndNamesItsTable) {
    MenuHolders holders;
    holders.nom1 = QStringLiteral("Lina");
    SeededRandom random(1);
    const auto s = startGame(*findGameByLabel(u"LabelT2"), random, holders, true);
    EXPECT_EQ(holders.labelNN, QLatin1String("score13"));
    EXPECT_EQ(holders.poolFirst, 369);
    EXPECT_EQ(holders.poolCount, 64);
    EXPECT_EQ(s.drawn, holders.drawn);
    std::set<int> distinct(s.drawn.begin(), s.drawn.end());
    EXPECT_EQ(distinct.size(), 14u);
    EXPECT_GE(*distinct.begin(), 369);
    EXPECT_LE(*distinct.rbegin(), 432);
    EXPECT_EQ(s.meterCode, QLatin1String("68"));
    EXPECT_EQ(s.j1, QLatin1String("Lina :"));
    EXPECT_FALSE(s.j2.has_value());
    EXPECT_THAT(s.frames, Each(FrameColour::White));
    EXPECT_EQ(s.listenFrame, FrameColour::Red);
    EXPECT_FALSE(s.secondCursorVisible);
    EXPECT_FALSE(s.labelJoueur2Visible);
    EXPECT_EQ(s.secondScoreVisible, false);
    EXPECT_EQ(s.chronoText, QStringLiteral("300"));
    EXPECT_EQ(s.timerText, QStringLiteral("300"));
    EXPECT_EQ(s.layout.players, 1);
    EXPECT_FALSE(s.layout.chronoEnabled);
    EXPECT_EQ(s.layout.joystickListHeight, 870);
    EXPECT_TRUE(holders.instrumentsReady);
}

TEST(GameStart, twoPlayerGameShowsTheSecondPlayerAndLeavesTheClock) {
    MenuHolders holders;
    holders.nom2 = QStringLiteral("Ana");
    holders.nom3 = QStringLiteral("Tom");
    SeededRandom random(2);
    const auto s = startGame(*findGameByLabel(u"LabelT5"), random, holders, false);
    EXPECT_EQ(holders.labelNN, QLatin1String("3"));
    EXPECT_EQ(holders.poolFirst, 369);
    EXPECT_EQ(holders.poolCount, 64);
    EXPECT_EQ(s.j1, QLatin1String("Ana :"));
    EXPECT_EQ(s.j2, QStringLiteral("Tom :"));
    EXPECT_TRUE(s.secondCursorVisible);
    EXPECT_EQ(s.secondListenFrame, FrameColour::LightBlue);
    EXPECT_TRUE(s.labelJoueur2Visible);
    EXPECT_FALSE(s.secondScoreVisible.has_value()); // Option_RO not set: left as it was
    EXPECT_FALSE(s.chronoText.has_value());
    EXPECT_FALSE(s.timerText.has_value());
    EXPECT_TRUE(s.layout.chronoEnabled);
    EXPECT_EQ(s.layout.joystickListHeight, 420);

    const auto withScores = startGame(*findGameByLabel(u"Label46b"), random, holders, true);
    EXPECT_EQ(holders.labelNN, QLatin1String("1"));
    EXPECT_EQ(withScores.secondScoreVisible, true);
    EXPECT_TRUE(withScores.labelJoueur2Visible);
}

TEST(GameStart, everyTwoPlayerStartShowsLabelJoueur2) {
    MenuHolders holders;
    SeededRandom random(3);
    for (const auto& game : games()) {
        const auto s = startGame(game, random, holders, false);
        EXPECT_EQ(s.labelJoueur2Visible, game.players == 2) << game.menuLabel.toStdString();
        EXPECT_EQ(holders.labelNN, game.code);
    }
}

TEST(GameStart, themeBoxesFollowTheirPicturesForOnePlayerAndStandFixedForTwo) {
    const auto one = un_joueur();
    EXPECT_FALSE(one.secondPlayerTickBoxesVisible);
    for (const auto& p : one.placements) {
        EXPECT_TRUE(p.relativeToPicture);
        EXPECT_EQ(p.tickLeft, 60);
        EXPECT_EQ(p.soundLeft, 300);
    }
    EXPECT_STREQ(one.placements[0].tickTheme, "prof");
    EXPECT_STREQ(one.placements[0].pictureName, "Image_jaune");

    const auto two = Deux_joueurs();
    EXPECT_TRUE(two.secondPlayerTickBoxesVisible);
    std::vector<int> ticks, sounds;
    for (const auto& p : two.placements) {
        EXPECT_FALSE(p.relativeToPicture);
        ticks.push_back(p.tickLeft);
        sounds.push_back(p.soundLeft);
    }
    // prof, espace, cowboy, voiture, ordinateur, cheval, train, coq
    EXPECT_THAT(ticks, ElementsAre(480, 2460, 4440, 6420, 480, 2460, 4440, 6420));
    EXPECT_THAT(sounds, ElementsAre(960, 2940, 4920, 6900, 960, 2940, 4920, 6900));
}

TEST(FrameColours, areTheProgramsColourValues) {
    EXPECT_EQ(frameColourValue(FrameColour::Red), 255u);
    EXPECT_EQ(frameColourValue(FrameColour::LightBlue), 16744576u);
    EXPECT_EQ(frameColourValue(FrameColour::White), 16777215u);
}

} // namespace
