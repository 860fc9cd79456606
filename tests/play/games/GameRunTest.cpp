// SPDX-License-Identifier: GPL-3.0-or-later
// A one-player game: question order, judging, the bonus, the clock and its mascot, stop and
// leave, tempo.
#include "play/games/GameRun.h"

#include "GameTestSupport.h"
#include "play/games/GameKeys.h"

#include <gmock/gmock.h>

#include <map>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::ElementsAre;

namespace {

TEST(GameRun, theFirstQuestionIsEntryTwoToTwentyFiveOfTheOrder) {
    for (int entry = 2; entry <= 25; ++entry) {
        GameFixture game("Label15a");
        game.start(entry);
        EXPECT_EQ(game.run.questions().index(), entry);
        EXPECT_EQ(game.asked(), GameQuestionOrder[static_cast<std::size_t>(entry - 1)]);
        EXPECT_THAT(game.sound.take(), ElementsAre("SetTempo 100", playOfCell(game.asked())));
    }
}

TEST(GameRun, runsOnThroughEntryFortyTwoToEntryOneAndAsksEveryCellThreeTimesACycle) {
    GameFixture game("Label15a");
    game.start(25);
    std::map<int, int> asked{{game.asked(), 1}};
    for (int i = 1; i < 42; ++i) {
        game.random.draws = {bonusDraw(1)};
        game.run.NextQuestion();
        ++asked[game.asked()];
        if (game.run.questions().index() == 42) {
            game.random.draws = {bonusDraw(1)};
            game.run.NextQuestion();
            ++asked[game.asked()];
            EXPECT_EQ(game.run.questions().index(), 1);
            ++i;
        }
    }
    for (int cell = 1; cell <= 14; ++cell) {
        EXPECT_EQ(asked[cell], 3) << "cell " << cell;
    }
}

TEST(GameRun, aRightAnswerAddsAHundredAndTheBonusAndAWrongOneTakesAHundredOnly) {
    GameFixture game("Label15a");
    game.start(2, 98); // "+150"
    ASSERT_EQ(game.run.bonus().label(), QStringLiteral("+150"));
    game.walkTo(game.notAsked());
    game.run.ValidateAnswer();
    EXPECT_EQ(game.run.score(), -100);
    EXPECT_TRUE(game.run.wrongShown());

    game.run.Timer1_Timer();
    game.run.Timer1_Timer();
    ASSERT_FALSE(game.run.wrongShown());
    game.walkTo(game.asked());
    game.run.ValidateAnswer();
    EXPECT_EQ(game.run.score(), 150);
    EXPECT_TRUE(game.run.rightShown());
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("+150")) << "not used up by the answer";
}

TEST(GameRun, aWrongAnswerBlocksItsPlayerForTwoTicksWhileTheCursorMayMove) {
    GameFixture game("Label15a");
    game.start();
    game.sound.take();
    game.walkTo(game.notAsked());
    game.run.ValidateAnswer();
    game.run.MoveCursorDown();
    game.walkTo(game.asked());
    game.run.ValidateAnswer();
    EXPECT_EQ(game.run.score(), -100) << "ignored while Label_faux is shown";
    game.run.Timer1_Timer();
    EXPECT_TRUE(game.run.wrongShown());
    game.run.Timer1_Timer();
    EXPECT_FALSE(game.run.wrongShown());
    EXPECT_FALSE(game.run.feedbackRunning());
    EXPECT_EQ(game.sound.take().filter(QStringLiteral("PlayRhythm")).size(), 0)
        << "the same question waits";
}

TEST(GameRun, duringARightAnswerNoKeyActsAndTwoTicksLaterTheNextQuestionAndBonusCome) {
    GameFixture game("Label15a");
    game.start(2);
    game.walkTo(game.asked());
    game.run.Form_KeyDown(KeySpace);
    ASSERT_TRUE(game.run.rightShown());
    const int cursor = game.run.cursor().cell();
    game.run.Form_KeyDown(KeyUp);
    game.run.Form_KeyDown(KeySpace);
    EXPECT_EQ(game.run.cursor().cell(), cursor);
    EXPECT_EQ(game.run.score(), 100);

    game.sound.take();
    game.run.Timer1_Timer();
    EXPECT_TRUE(game.sound.take().isEmpty());
    game.random.draws = {bonusDraw(95)};
    game.run.Timer1_Timer();
    EXPECT_FALSE(game.run.rightShown());
    EXPECT_EQ(game.run.questions().index(), 3);
    EXPECT_THAT(game.sound.take(), ElementsAre(playOfCell(GameQuestionOrder[2])));
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("+100"));
}

TEST(GameRun, theListenAgainCellReplaysAtTheTempoOfTheTimeSignature) {
    // The game code says x 1, the time signature x 2: a start sends one, a replay the other.
    GameFixture game("Label15a");
    game.record.current().tempo = QStringLiteral("101");
    game.run.Command_tempo_Click();
    EXPECT_THAT(game.sound.take(), ElementsAre("SetTempo 101"));

    GameFixture compound("LabelT1");
    compound.record.current().tempo = QStringLiteral("101");
    compound.start(5, 100);
    EXPECT_THAT(compound.sound.take(),
                ElementsAre("SetTempo 152", playOfCell(GameQuestionOrder[4])))
        << "101 x 3/2 = 151.5, to the even neighbour";
    compound.run.Timer_bonus_Timer();
    compound.run.ValidateAnswer(); // the cursor starts on the listen-again cell
    EXPECT_THAT(compound.sound.take(),
                ElementsAre("SetTempo 152", playOfCell(GameQuestionOrder[4])));
    EXPECT_EQ(compound.run.score(), 0);
    EXPECT_EQ(compound.run.questions().index(), 5);
    EXPECT_EQ(compound.run.bonus().label(), QStringLiteral("+200"));
    EXPECT_EQ(compound.run.bonus().secondsLeft(), 19) << "a replay draws no bonus";
    EXPECT_EQ(compound.run.feedbackCountdown(), 2);
    EXPECT_TRUE(compound.run.feedbackRunning());

    GameFixture minim("LabelB1");
    minim.start();
    minim.sound.take();
    minim.run.ReplayRhythm();
    EXPECT_EQ(minim.sound.take().front(), QStringLiteral("SetTempo 200"));
}

TEST(GameRun, aBonusNobodyEarnsLapsesAfterExactlyTwentyTicks) {
    GameFixture game("Label15a");
    game.start(2, 91);
    ASSERT_EQ(game.run.bonus().label(), QStringLiteral("+50"));
    for (int i = 0; i < 19; ++i) {
        game.run.Timer_bonus_Timer();
    }
    EXPECT_TRUE(game.run.bonus().shown());
    EXPECT_TRUE(game.run.bonus().running());
    game.run.Timer_bonus_Timer();
    EXPECT_FALSE(game.run.bonus().shown());
    EXPECT_FALSE(game.run.bonus().running());
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("0"));

    game.walkTo(game.asked());
    game.run.ValidateAnswer();
    EXPECT_EQ(game.run.score(), 100);
}

TEST(GameRun, aRightAnswerFiveSecondsAfterAHundredBonusScoresTwoHundredAndTheNextDrawRestarts) {
    GameFixture game("Label15a");
    game.start(2, 96);
    for (int i = 0; i < 5; ++i) {
        game.run.Timer_bonus_Timer();
    }
    game.walkTo(game.asked());
    game.run.ValidateAnswer();
    EXPECT_EQ(game.run.score(), 200);
    game.run.Timer_bonus_Timer();
    game.run.Timer1_Timer();
    game.random.draws = {bonusDraw(92)};
    game.run.Timer1_Timer();
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("+50"));
    EXPECT_EQ(game.run.bonus().secondsLeft(), 20);
    EXPECT_TRUE(game.run.bonus().running());
}

TEST(GameRun, stoppingLeavesTheBonusShownButStillAndTheNextStartClearsIt) {
    GameFixture game("Label15a");
    game.start(2, 99);
    game.walkTo(game.asked());
    game.run.ValidateAnswer();
    game.run.Label_arret_Click();
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("+150"));
    EXPECT_TRUE(game.run.bonus().shown());
    EXPECT_FALSE(game.run.bonus().running());
    EXPECT_EQ(game.run.score(), 0);
    EXPECT_EQ(game.run.clock(), QStringLiteral("300"));
    EXPECT_FALSE(game.run.clockRunning());
    EXPECT_FALSE(game.run.feedbackRunning());
    EXPECT_EQ(game.run.cursor().cell(), game.asked()) << "the cursors are not moved";
    EXPECT_EQ(game.sound.take().back(), QStringLiteral("StopAll"));

    game.start(2, 1);
    EXPECT_FALSE(game.run.bonus().shown());
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("0"));
    EXPECT_EQ(game.run.cursor().cell(), kListenCell);
    EXPECT_FALSE(game.run.rightShown());
}

TEST(GameRun, leavingStopsTheClocksButTheBonusRunsOn) {
    GameFixture game("Label15a");
    game.start(2, 100);
    game.run.ValidateAnswer();
    game.run.Image_retour_Click();
    EXPECT_FALSE(game.run.clockRunning());
    EXPECT_FALSE(game.run.feedbackRunning());
    EXPECT_TRUE(game.run.bonus().running());
    EXPECT_EQ(game.sound.take().back(), QStringLiteral("StopAll"));
}

TEST(GameRun, withTheMascotShownAnUnansweredScoredGameEndsAtMinusThreeHundred) {
    GameFixture game("Label15a");
    game.record.current().tictac = QStringLiteral("1");
    game.start();
    EXPECT_EQ(game.screen.instrumentsApplied, 1);
    for (int second = 1; second < 300; ++second) {
        game.run.Timer2_Timer();
    }
    EXPECT_TRUE(game.screen.ended.empty());
    EXPECT_EQ(game.run.clock(), QStringLiteral("1"));
    EXPECT_EQ(game.run.mascot(), MetronomePose::Left) << "left on odd ticks";
    game.sound.take();
    game.run.Timer2_Timer();
    ASSERT_EQ(game.screen.ended.size(), 1u);
    const GameResult& result = game.screen.ended.front();
    EXPECT_FALSE(result.twoPlayers);
    EXPECT_EQ(result.gameCode, QStringLiteral("score1"));
    EXPECT_EQ(result.txtName, QStringLiteral("Zoé :"));
    EXPECT_EQ(result.score, QStringLiteral("-300"));
    EXPECT_FALSE(game.run.clockRunning());
    EXPECT_THAT(game.sound.take(), ElementsAre("StopAll"));
}

TEST(GameRun, aGameOfLengthZeroNeverEndsByTheClock) {
    GameFixture game("Label15b");
    game.run.length().type(QStringLiteral("0"));
    game.run.length().Text_chrono_KeyPress(13);
    ASSERT_EQ(game.run.length().text(), QStringLiteral("0"));
    game.start();
    for (int second = 0; second < 5; ++second) {
        game.run.Timer2_Timer();
    }
    EXPECT_EQ(game.run.clock(), QStringLiteral("-5"));
    EXPECT_TRUE(game.run.clockRunning());
    EXPECT_TRUE(game.screen.ended.empty());
}

TEST(GameRun, keysActOnlyWhileTheClockRuns) {
    GameFixture game("Label15a");
    game.run.Form_KeyDown(KeyRight);
    EXPECT_EQ(game.run.cursor().cell(), kListenCell);
    game.start();
    game.run.Form_KeyDown(KeyRight);
    EXPECT_EQ(game.run.cursor().cell(), 8);
    game.run.Label_arret_Click();
    game.run.Form_KeyDown(KeyLeft);
    EXPECT_EQ(game.run.cursor().cell(), 8);
}

TEST(GameRun, theVerdictSoundIsOneOfThePlayersTickedThemes) {
    GameFixture game("Label15a");
    game.record.current().ticks(app::SoundTheme::Cheval).wrong = QStringLiteral("1");
    game.record.current().ticks2(app::SoundTheme::Coq).wrong = QStringLiteral("1");
    game.start();
    game.sound.take();
    game.walkTo(game.notAsked());
    game.random.draws = {2, 5}; // a draw over the eight themes, again until a ticked one
    game.run.ValidateAnswer();
    EXPECT_THAT(game.sound.take(), ElementsAre("PlayFeedback cheval_faux"));
}

} // namespace
