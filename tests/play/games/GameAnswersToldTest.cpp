// SPDX-License-Identifier: GPL-3.0-or-later
// What the games' rules tell of the answers: a one-player game's judged answers with the rhythm
// heard and the one chosen, a twin taken as right; a two-player game's children are not players
// of the database and tell nothing.
#include "GameTestSupport.h"

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;

namespace {

// Entry 7 of the order asks cell 1.
constexpr int kEntryAskingCell1 = 7;

TEST(GameAnswersTold, aOnePlayerGameTellsEachAnswerAndATwinOfTheAskedRhythmIsRight) {
    catalogue::Drawn pool = numberedPool();
    pool[0] = 1; // rhythms 1 and 12 are written, and sound, the same
    pool[1] = 12;
    GameFixture game("Label15a", pool);
    game.start(kEntryAskingCell1);
    ASSERT_EQ(game.asked(), 1);
    EXPECT_EQ(game.answers.played, 1);

    game.walkTo(3);
    game.run.ValidateAnswer();
    game.run.Timer1_Timer();
    game.run.Timer1_Timer();
    game.walkTo(kListenCell);
    game.run.ValidateAnswer(); // a replay, no answer
    EXPECT_EQ(game.answers.played, 2);
    game.walkTo(2);
    game.run.ValidateAnswer();
    const answers::Activity score1{answers::Activity::Kind::Game, QStringLiteral("score1")};
    ASSERT_EQ(game.answers.told.size(), 2u);
    EXPECT_EQ(game.answers.told[0].answer, (GivenAnswer{score1, 1, 103, false}));
    EXPECT_EQ(game.answers.told[1].answer, (GivenAnswer{score1, 1, 12, true}));
    EXPECT_TRUE(game.run.rightShown());

    game.run.Label_arret_Click();
    EXPECT_EQ(game.answers.ends, 1);
}

TEST(GameAnswersTold, aTwoPlayerGameTellsNoAnswerButEndsItsRuns) {
    GameFixture game("Label15b");
    game.start();
    game.walkTo(game.notAsked());
    game.run.ValidateAnswer();
    game.walkTo(game.asked(), true);
    game.run.ValidateAnswerB();
    EXPECT_EQ(game.run.scoreB(), 100);
    EXPECT_TRUE(game.answers.told.empty());
    game.run.Image_retour_Click();
    EXPECT_EQ(game.answers.ends, 1);
}

} // namespace
