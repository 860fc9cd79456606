// SPDX-License-Identifier: GPL-3.0-or-later
// Two players on one grid: one shared right answer, a wrong answer per player, one countdown.
#include "play/games/GameRun.h"

#include "GameTestSupport.h"
#include "play/games/GameKeys.h"

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::ElementsAre;

namespace {

TEST(TwoPlayerGame, bothCursorsStartOnTheListenAgainCellAndMoveApart) {
    GameFixture game("Label15b");
    game.start();
    EXPECT_EQ(game.run.cursor().cell(), kListenCell);
    EXPECT_EQ(game.run.cursorB().cell(), kListenCell);
    game.run.Form_KeyDown(KeyPad3);
    game.run.Form_KeyDown(KeyPad5);
    EXPECT_EQ(game.run.cursorB().cell(), 6);
    EXPECT_EQ(game.run.cursor().cell(), kListenCell);
    game.run.Form_KeyDown(KeyLeft);
    EXPECT_EQ(game.run.cursor().cell(), 7);
    EXPECT_EQ(game.run.cursorB().cell(), 6);
    EXPECT_EQ(game.run.cursor().frameColour(7), catalogue::FrameColour::Red);
    EXPECT_EQ(game.run.cursorB().frameColour(6), catalogue::FrameColour::LightBlue);
    EXPECT_EQ(game.run.cursorB().frameColour(7), catalogue::FrameColour::White);
}

TEST(TwoPlayerGame, theSecondPlayerRightDuringTheFirstsWrongTicksScoresAndTheFirstStaysBlocked) {
    GameFixture game("Label15b");
    game.start(2, 96); // "+100"
    const int first = game.asked();
    game.walkTo(game.notAsked());
    game.walkTo(first, true);

    game.run.Form_KeyDown(KeySpace);
    EXPECT_EQ(game.run.score(), -100);
    game.run.Timer1_Timer();
    game.run.Form_KeyDown(KeyPad0);
    EXPECT_EQ(game.run.scoreB(), 200) << "the bonus goes to whoever answers right first";
    EXPECT_EQ(game.run.score(), -100);
    EXPECT_TRUE(game.run.rightShown());
    EXPECT_TRUE(game.run.wrongShown());

    game.sound.take();
    game.run.Timer1_Timer();
    EXPECT_TRUE(game.sound.take().isEmpty());
    game.random.draws = {bonusDraw(1)};
    game.run.Timer1_Timer();
    EXPECT_THAT(game.sound.take(), ElementsAre(playOfCell(game.asked())));
    EXPECT_NE(game.asked(), first);
    EXPECT_FALSE(game.run.rightShown());
    EXPECT_TRUE(game.run.wrongShown()) << "ended with the right answer's countdown";

    game.walkTo(game.asked());
    game.run.Form_KeyDown(KeySpace);
    EXPECT_EQ(game.run.score(), -100) << "player 1 is still blocked";

    // Player 2 confirms the listen-again cell: that countdown ends on Label_faux.
    game.walkTo(kListenCell, true);
    game.run.Form_KeyDown(KeyPad0);
    game.run.Timer1_Timer();
    game.run.Timer1_Timer();
    EXPECT_FALSE(game.run.wrongShown());
    game.run.Form_KeyDown(KeySpace);
    EXPECT_EQ(game.run.score(), 0);
}

TEST(TwoPlayerGame, bothWrongAtOnceThePlayerTwoLabelWaitsForALaterCountdown) {
    GameFixture game("Label15b");
    game.start();
    game.walkTo(game.notAsked());
    game.walkTo(game.notAsked(), true);
    game.run.Form_KeyDown(KeySpace);
    game.run.Form_KeyDown(KeyPad0);
    EXPECT_EQ(game.run.score(), -100);
    EXPECT_EQ(game.run.scoreB(), -100);

    game.run.Timer1_Timer();
    game.run.Timer1_Timer();
    EXPECT_FALSE(game.run.wrongShown());
    EXPECT_TRUE(game.run.wrongShownB());
    EXPECT_FALSE(game.run.feedbackRunning());
    game.walkTo(game.asked(), true);
    game.run.Form_KeyDown(KeyPad0);
    EXPECT_EQ(game.run.scoreB(), -100) << "player 2 stays blocked";

    game.walkTo(kListenCell);
    game.run.Form_KeyDown(KeySpace); // a replay restarts the one countdown
    game.run.Timer1_Timer();
    EXPECT_TRUE(game.run.wrongShownB());
    game.run.Timer1_Timer();
    EXPECT_FALSE(game.run.wrongShownB());
    game.run.Form_KeyDown(KeyPad0);
    EXPECT_EQ(game.run.scoreB(), 0) << "a right answer now counts";
}

TEST(TwoPlayerGame, inAOnePlayerGameThePadZeroJudgesNothingButRestartsTheCountdown) {
    GameFixture game("Label15a");
    game.start();
    game.walkTo(game.asked(), true);
    game.walkTo(game.notAsked());
    game.run.Form_KeyDown(KeySpace);
    game.run.Timer1_Timer();
    ASSERT_EQ(game.run.feedbackCountdown(), 1);
    game.sound.take();
    game.run.Form_KeyDown(KeyPad0);
    EXPECT_EQ(game.run.feedbackCountdown(), 2);
    EXPECT_EQ(game.run.scoreB(), 0);
    EXPECT_FALSE(game.run.rightShown());
    EXPECT_TRUE(game.sound.take().isEmpty());
    game.run.Timer1_Timer();
    EXPECT_TRUE(game.run.wrongShown()) << "three ticks after the answer";
    game.run.Timer1_Timer();
    EXPECT_FALSE(game.run.wrongShown());
}

TEST(TwoPlayerGame, theMascotCostsBothPlayersAndTheEndAsksForTheWinnerWindow) {
    GameFixture game("LabelT4");
    game.record.current().tictac = QStringLiteral("1");
    game.run.length().type(QStringLiteral("3"));
    game.run.length().Text_chrono_KeyPress(13);
    game.start();
    game.walkTo(game.asked(), true);
    game.run.Form_KeyDown(KeyPad0);
    game.run.Timer2_Timer();
    game.run.Timer2_Timer();
    game.run.Timer2_Timer();
    ASSERT_EQ(game.screen.ended.size(), 1u);
    const GameResult& result = game.screen.ended.front();
    EXPECT_TRUE(result.twoPlayers);
    EXPECT_EQ(result.gameCode, QStringLiteral("3"));
    EXPECT_EQ(result.score, QStringLiteral("-3"));
    EXPECT_EQ(result.scoreB, QStringLiteral("97"));
    EXPECT_FALSE(game.run.feedbackRunning()) << "the end stops the feedback countdown too";
}

} // namespace
