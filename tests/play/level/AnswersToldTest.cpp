// SPDX-License-Identifier: GPL-3.0-or-later
// What the level's rules tell of the child's answers: each judged answer with the rhythm heard
// and the one chosen, the plays the time to answer counts from, and the end of each run.
#include "LevelBench.h"

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;

namespace {

const answers::Activity kLevel7{answers::Activity::Kind::Level, QStringLiteral("7")};

TEST(LevelAnswersTold, everyJudgedAnswerIsToldWithItsRhythmsAndNothingElseIs) {
    LevelBench bench;
    bench.start("7"); // rhythms 49 ... 56: answer k is rhythm 48 + k
    bench.run.question_Click();
    const int asked = bench.run.question().toInt();
    EXPECT_EQ(bench.answers.played, 1);

    // The listen-again cell and a stray Space while the wrong answer shows are no answers.
    bench.keys(" ");
    EXPECT_EQ(bench.answers.played, 2);
    bench.answerWrong();
    bench.keys(" ");
    bench.feedbackOver();
    bench.answerRight();
    bench.feedbackOver(); // the next question plays
    ASSERT_EQ(bench.answers.told.size(), 2u);
    const auto& wrong = bench.answers.told[0];
    const auto& right = bench.answers.told[1];
    EXPECT_EQ(wrong.answer.activity, kLevel7);
    EXPECT_EQ(wrong.answer.played, 48 + asked);
    EXPECT_NE(wrong.answer.chosen, wrong.answer.played);
    EXPECT_GE(wrong.answer.chosen, 49);
    EXPECT_LE(wrong.answer.chosen, 56);
    EXPECT_FALSE(wrong.answer.right);
    EXPECT_EQ(wrong.playedBefore, 2);
    EXPECT_EQ(right.answer, (GivenAnswer{kLevel7, 48 + asked, 48 + asked, true}));
    EXPECT_EQ(bench.answers.played, 3);
    EXPECT_EQ(bench.answers.ends, 0);
}

TEST(LevelAnswersTold, aRunEndedByItsVerdictAStopOrTheWayBackHasItsAnswersWritten) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    // Eleven right answers: 1100 points, 1099 once the clock's tick has taken its point.
    for (int i = 0; i < 11; ++i) {
        bench.answerRight();
        bench.feedbackOver();
    }
    EXPECT_EQ(bench.answers.told.size(), 11u);
    bench.ticks(1);
    ASSERT_TRUE(bench.ended());
    EXPECT_EQ(bench.answers.ends, 1);

    bench.run.question_Click();
    bench.run.Label_arret_Click();
    EXPECT_EQ(bench.answers.ends, 2);

    // A write refused is told as the record's are.
    bench.answers.endStatus = {
        app::StoreProblem::Busy, QStringLiteral("busy"), app::StoreFault::InUse, {}};
    bench.run.question_Click();
    bench.run.Image_retour_Click();
    EXPECT_EQ(bench.answers.ends, 3);
    ASSERT_EQ(bench.screen.storeFailures.size(), 1u);
    EXPECT_EQ(bench.screen.storeFailures[0].message, QStringLiteral("busy"));
}

TEST(LevelAnswersTold, aStarterLevelsCellsWithoutARhythmAnswerNothing) {
    LevelBench bench;
    bench.start("1a");
    bench.run.question_Click();
    bench.keys("L "); // the middle row's left cell holds no rhythm in level "1a"
    EXPECT_TRUE(bench.answers.told.empty());
    bench.keys("D ");
    ASSERT_EQ(bench.answers.told.size(), 1u);
    EXPECT_EQ(bench.answers.told[0].answer.chosen, 6);
}

} // namespace
