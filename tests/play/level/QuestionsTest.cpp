// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBench.h"

#include <gmock/gmock.h>

#include <map>

using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::ElementsAre;

namespace {

// Level "7" holds rhythms 49 ... 56: answer k sounds as motif 47 + k.
constexpr int kLevel7Motif = 47;

TEST(LevelQuestions, firstQuestionIsEntryTwoToTwentyFiveEachEquallyLikely) {
    LevelBench bench;
    bench.start("7");
    std::map<int, int> firstEntries;
    constexpr int kStarts = 24000;
    for (int i = 0; i < kStarts; ++i) {
        bench.run.question_Click();
        ++firstEntries[bench.run.questionIndex()];
    }
    ASSERT_EQ(firstEntries.size(), 24u);
    EXPECT_EQ(firstEntries.begin()->first, 2);
    EXPECT_EQ(firstEntries.rbegin()->first, 25);
    for (const auto& [entry, count] : firstEntries) {
        EXPECT_NEAR(count, kStarts / 24, 150) << "entry " << entry; // about 5 sigma
    }
}

TEST(LevelQuestions, questionsWalkTheTableAndEntryOneFollowsEntryThirtyTwo) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    int entry = bench.run.questionIndex();
    for (int step = 0; step < 40; ++step) {
        const int answer = QuestionOrder(GridKind::Ordinary)[static_cast<std::size_t>(entry - 1)];
        ASSERT_EQ(bench.run.question(), QString::number(answer)) << "entry " << entry;
        ASSERT_EQ(bench.sound.argsOf("PlayRhythm").last(), QString::number(kLevel7Motif + answer));
        bench.run.NextQuestion();
        entry = entry == 32 ? 1 : entry + 1;
        ASSERT_EQ(bench.run.questionIndex(), entry);
    }
}

struct AskedCase {
    const char* code;
    std::vector<int> rhythms; // every rhythm asked over the 32 entries, sorted
};

void PrintTo(const AskedCase& c, std::ostream* os) {
    *os << "level " << c.code;
}

class QuestionsAsked : public ::testing::TestWithParam<AskedCase> {};

TEST_P(QuestionsAsked, overAWholeTableOnlyTheLevelsRhythmsAreAsked) {
    LevelBench bench;
    bench.start("46"); // its NB6 ... NB8 stay behind a starter level
    bench.start(GetParam().code);
    bench.run.question_Click();
    for (int i = 1; i < 32; ++i) {
        bench.run.NextQuestion();
    }
    std::vector<int> rhythms;
    for (const QString& motif : bench.sound.argsOf("PlayRhythm")) {
        rhythms.push_back(motif.toInt() + 1);
    }
    std::sort(rhythms.begin(), rhythms.end());
    EXPECT_EQ(rhythms, GetParam().rhythms);
}

std::vector<int> repeated(std::initializer_list<std::pair<int, int>> counts) {
    std::vector<int> all;
    for (const auto& [rhythm, count] : counts) {
        all.insert(all.end(), static_cast<std::size_t>(count), rhythm);
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Levels, QuestionsAsked,
    ::testing::Values(
        AskedCase{"1a", repeated({{6, 11}, {7, 11}, {8, 10}})},
        AskedCase{"1b", repeated({{1, 7}, {2, 6}, {3, 6}, {4, 6}, {5, 7}})},
        AskedCase{
            "7",
            repeated({{49, 4}, {50, 4}, {51, 4}, {52, 4}, {53, 4}, {54, 4}, {55, 4}, {56, 4}})}));

struct MoveCase {
    const char* code;
    const char* keys;
    const char* grid; // after the keys, from the centre
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << "level " << c.code << " keys \"" << c.keys << '"';
}

class CursorMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(CursorMoves, theRedFrameMovesWithoutWrapAndStarterLevelsKeepOffTheTopRow) {
    LevelBench bench;
    bench.start(GetParam().code);
    bench.run.question_Click();
    bench.keys(GetParam().keys);
    EXPECT_EQ(gridPicture(bench.run.grid()), GetParam().grid)
        << GetParam().code << " keys " << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Grids, CursorMoves,
    ::testing::Values(MoveCase{"7", "", "... .#. ..."}, MoveCase{"7", "R", "... ..# ..."},
                      MoveCase{"7", "RRR", "... ..# ..."}, MoveCase{"7", "UL", "#.. ... ..."},
                      MoveCase{"7", "UUU", ".#. ... ..."}, MoveCase{"7", "DDDLL", "... ... #.."},
                      MoveCase{"7", "DRUU", "..# ... ..."}, MoveCase{"1a", "U", "... .#. ..."},
                      MoveCase{"1a", "LU", "... #.. ..."}, MoveCase{"1b", "RU", "... ..# ..."},
                      MoveCase{"1b", "DLU", "... #.. ..."}, MoveCase{"1b", "DU", "... .#. ..."}));

TEST(LevelAnswers, theCentreCellReplaysTheSameQuestionAndOnlyStartsTheCountdown) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    const int entry = bench.run.questionIndex();
    const QString motif = bench.sound.argsOf("PlayRhythm").last();
    bench.sound.calls.clear();
    bench.keys(" ");
    EXPECT_THAT(bench.sound.calls, ElementsAre("StopAll", "PlayRhythm " + motif));
    EXPECT_EQ(bench.run.questionIndex(), entry);
    EXPECT_EQ(bench.run.score(), "0");
    EXPECT_TRUE(bench.run.feedback().running());
    EXPECT_EQ(bench.run.feedback().countdown(), 2);
}

TEST(LevelAnswers, aCellWithoutAnswerJudgesNothingButStartsTheCountdown) {
    LevelBench bench;
    bench.start("1a");
    bench.run.question_Click();
    bench.sound.calls.clear();
    bench.keys("L "); // Shape4: no rhythm in "1a"
    EXPECT_TRUE(bench.sound.calls.isEmpty());
    EXPECT_EQ(bench.run.score(), "0");
    EXPECT_FALSE(bench.run.feedback().rightShown() || bench.run.feedback().wrongShown());
    EXPECT_TRUE(bench.run.feedback().running());
}

TEST(LevelAnswers, spaceDuringAWrongAnswerIsIgnoredWhileTheArrowsStillMove) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    const QString question = bench.run.question();
    bench.answerWrong();
    EXPECT_EQ(bench.run.score(), "-100");
    EXPECT_TRUE(bench.run.feedback().wrongShown());
    const int cursor = bench.run.grid().cursor();
    bench.keys(cursor == 9 ? "L " : "R ");
    EXPECT_NE(bench.run.grid().cursor(), cursor);
    EXPECT_EQ(bench.run.score(), "-100");
    EXPECT_EQ(bench.run.feedback().countdown(), 2);
    bench.run.Timer1_Timer();
    EXPECT_TRUE(bench.run.feedback().wrongShown());
    bench.run.Timer1_Timer();
    EXPECT_FALSE(bench.run.feedback().wrongShown());
    EXPECT_EQ(bench.run.question(), question); // the same question waits
    bench.answerRight();
    EXPECT_EQ(bench.run.score(), "0");
}

TEST(LevelAnswers, noKeyActsDuringARightAnswerAndTheNextQuestionFollowsTwoTicksLater) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    const int entry = bench.run.questionIndex();
    bench.answerRight();
    EXPECT_EQ(bench.run.score(), "100");
    EXPECT_THAT(bench.sound.argsOf("PlayFeedback"), ElementsAre("prof_vrai"));
    const int cursor = bench.run.grid().cursor();
    bench.sound.calls.clear();
    bench.keys("LRUD ");
    EXPECT_EQ(bench.run.grid().cursor(), cursor);
    EXPECT_TRUE(bench.sound.calls.isEmpty());
    bench.run.Timer1_Timer();
    EXPECT_TRUE(bench.run.feedback().rightShown());
    bench.run.Timer1_Timer();
    EXPECT_FALSE(bench.run.feedback().rightShown());
    EXPECT_FALSE(bench.run.feedback().running());
    EXPECT_EQ(bench.run.questionIndex(), entry == 32 ? 1 : entry + 1);
    EXPECT_EQ(bench.sound.argsOf("PlayRhythm").size(), 1);
}

TEST(LevelAnswers, keysDoNothingBeforeTheRunStarts) {
    LevelBench bench;
    bench.start("7");
    bench.keys("R ");
    EXPECT_EQ(gridPicture(bench.run.grid()), "... .#. ...");
    EXPECT_FALSE(bench.run.feedback().running());
}

TEST(LevelAnswers, playAgainInTheMiddleOfARunResetsScoreAndClockButNotTheCountdown) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    bench.ticks(5);
    bench.answerWrong();
    bench.run.question_Click();
    EXPECT_EQ(bench.run.score(), "0");
    EXPECT_EQ(bench.run.clock().remaining(), "300");
    EXPECT_EQ(gridPicture(bench.run.grid()), "... .#. ...");
    EXPECT_FALSE(bench.run.feedback().wrongShown());
    EXPECT_TRUE(bench.run.feedback().running());
}

} // namespace
