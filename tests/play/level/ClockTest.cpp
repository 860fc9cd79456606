// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBench.h"

#include "play/level/TempoGroups.h"

#include <gmock/gmock.h>

using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::ElementsAre;

namespace {

auto mascot(bool shown) {
    return [shown](pulsadrome::app::PlayerRecord& record) {
        record.tictac = shown ? "1" : "0";
        record.chrono = "500";
    };
}

TEST(LevelClock, theShownMascotCostsAPointASecondAndSwingsLeftFirst) {
    for (const bool shown : {true, false}) {
        LevelBench bench(mascot(shown));
        bench.start("7");
        bench.run.question_Click();
        bench.ticks(1);
        EXPECT_EQ(bench.run.clock().pose(), MetronomePose::Left);
        bench.ticks(1);
        EXPECT_EQ(bench.run.clock().pose(), MetronomePose::Right);
        bench.ticks(3);
        EXPECT_EQ(bench.run.score(), shown ? "-5" : "0");
        EXPECT_EQ(bench.run.clock().remaining(), "495");
    }
}

TEST(LevelClock, tenRightAnswersReachOneThousandAndTheNextTickEndsTheLevel) {
    LevelBench bench(mascot(false));
    bench.start("7");
    bench.run.question_Click();
    for (int i = 0; i < 10; ++i) {
        bench.answerRight();
        if (i < 9) {
            bench.feedbackOver();
        }
    }
    EXPECT_EQ(bench.run.score(), "1000");
    EXPECT_FALSE(bench.ended());
    const int played = static_cast<int>(bench.sound.argsOf("PlayRhythm").size());
    bench.ticks(1);
    ASSERT_TRUE(bench.ended());
    EXPECT_FALSE(bench.run.clock().running());
    EXPECT_FALSE(bench.run.feedback().running());
    EXPECT_EQ(bench.sound.calls.last(), "StopAll");
    // The right answer's feedback was cut short: it stays shown and no question follows.
    bench.run.Timer1_Timer();
    EXPECT_TRUE(bench.run.feedback().rightShown());
    EXPECT_EQ(static_cast<int>(bench.sound.argsOf("PlayRhythm").size()), played);
}

struct EndCase {
    int ticksFirst;   // mascot seconds before the answers
    int rightAnswers; // then, with no tick between them
    const char* scoreAfterTick;
    bool ends;
};

void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.ticksFirst << " ticks then " << c.rightAnswers << " right answers";
}

class EndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(EndTest, theEndTestSeesTheScoreAfterTheTicksOwnCost) {
    LevelBench bench(mascot(true));
    bench.start("7");
    bench.run.question_Click();
    bench.ticks(GetParam().ticksFirst);
    for (int i = 0; i < GetParam().rightAnswers; ++i) {
        bench.answerRight();
        bench.feedbackOver();
    }
    ASSERT_FALSE(bench.ended());
    bench.ticks(1);
    EXPECT_EQ(bench.run.score(), GetParam().scoreAfterTick);
    EXPECT_EQ(bench.ended(), GetParam().ends);
    EXPECT_EQ(bench.run.clock().running(), !GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(Scores, EndTest,
                         ::testing::Values(EndCase{99, 11, "1000", true},
                                           EndCase{100, 11, "999", false},
                                           EndCase{0, 11, "1099", true}));

TEST(LevelClock, aRunEndsWhenTheTimeReadsZeroAndKeepsWhatItShows) {
    LevelBench bench([](pulsadrome::app::PlayerRecord& record) { record.chrono = "3"; });
    bench.start("7");
    bench.run.question_Click();
    bench.answerWrong();
    bench.ticks(2);
    EXPECT_FALSE(bench.ended());
    bench.ticks(1);
    ASSERT_TRUE(bench.ended());
    EXPECT_EQ(bench.run.clock().remaining(), "0");
    EXPECT_EQ(bench.run.score(), "-103");
    EXPECT_EQ(bench.screen.results.front().captionKey, "Label_resultat1");
    EXPECT_TRUE(bench.run.feedback().wrongShown());
}

TEST(LevelClock, stopReturnsToIdleWithAFullClockAndNoVerdict) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    bench.ticks(4);
    bench.answerWrong();
    bench.run.Label_arret_Click();
    EXPECT_EQ(bench.run.score(), "0");
    EXPECT_EQ(bench.run.clock().remaining(), "300");
    EXPECT_FALSE(bench.run.clock().running());
    EXPECT_FALSE(bench.run.feedback().running());
    EXPECT_EQ(gridPicture(bench.run.grid()), "... .#. ...");
    EXPECT_EQ(bench.sound.calls.last(), "StopAll");
    EXPECT_FALSE(bench.ended());
}

struct DurationCase {
    const char* typed;
    const char* boxAfter;
};

void PrintTo(const DurationCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class DurationBox : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DurationBox, aTypedDurationAppliesAtTheNextStartOrIsReplacedByTheArrows) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    bench.ticks(2);
    bench.run.options().setDurationText(GetParam().typed);
    bench.run.options().Text_chrono_KeyPress(kKeyEnter);
    EXPECT_EQ(bench.run.options().duration().text, GetParam().boxAfter);
    EXPECT_EQ(bench.run.clock().remaining(), "298");
    bench.run.question_Click();
    EXPECT_EQ(bench.run.clock().remaining(), GetParam().boxAfter);
}

INSTANTIATE_TEST_SUITE_P(Texts, DurationBox,
                         ::testing::Values(DurationCase{"150", "150"}, DurationCase{"998", "998"},
                                           DurationCase{"999", "300"}, DurationCase{"0", "300"},
                                           DurationCase{"12abc", "300"}, DurationCase{"", "300"}));

TEST(LevelClock, theArrowsReachTheDurationTheBoxRefuses) {
    LevelBench bench;
    bench.run.options().UpDown_chrono_Change(999);
    EXPECT_EQ(bench.run.options().duration().text, "999");
    bench.run.options().UpDown_chrono_GotFocus();
    EXPECT_EQ(bench.run.options().duration().text, "999");
}

struct TempoCase {
    const char* code;
    int setting;
    const char* sent; // empty: nothing is sent
};

void PrintTo(const TempoCase& c, std::ostream* os) {
    *os << "level " << c.code << " setting " << c.setting;
}

class TempoScaling : public ::testing::TestWithParam<TempoCase> {};

TEST_P(TempoScaling, arrowsButtonAndStartSendTheGroupsTempo) {
    LevelBench bench;
    bench.start("7");
    bench.menu.labelNN = GetParam().code;
    bench.sound.calls.clear();
    bench.run.options().UpDown_Tempo_Change(GetParam().setting);
    bench.run.options().Command_tempo_Click();
    bench.run.question_Click();
    const QString sent = GetParam().sent;
    const QStringList expected = sent.isEmpty() ? QStringList{} : QStringList{sent, sent, sent};
    EXPECT_EQ(bench.sound.argsOf("SetTempo"), expected);
}

INSTANTIATE_TEST_SUITE_P(Groups, TempoScaling,
                         ::testing::Values(TempoCase{"7", 100, "100"}, TempoCase{"1a", 300, "300"},
                                           TempoCase{"103", 100, "150"},
                                           TempoCase{"103", 101, "152"},
                                           TempoCase{"112", 103, "154"}, TempoCase{"101", 1, "2"},
                                           TempoCase{"207", 100, "200"},
                                           TempoCase{"212", 300, "600"},
                                           TempoCase{"score3", 100, ""}, TempoCase{"07", 100, ""}));

TEST(LevelTempo, theBeatSampleIsTheGroupsBeatAndCutsNothing) {
    LevelBench bench;
    const std::pair<const char*, const char*> cases[] = {
        {"1a", "0"}, {"46", "0"}, {"101", "368"}, {"112", "368"}, {"201", "464"}, {"07", ""}};
    for (const auto& [code, motif] : cases) {
        bench.menu.labelNN = QString::fromLatin1(code);
        bench.sound.calls.clear();
        bench.run.options().Image_tempo_Click();
        const QString expected = QString::fromLatin1(motif);
        EXPECT_EQ(bench.sound.calls,
                  expected.isEmpty() ? QStringList{} : QStringList{"PlayBeatSample " + expected})
            << code;
    }
}

TEST(LevelTempo, aTypedTempoIsSentScaledThenUnscaled) {
    for (const bool enter : {true, false}) {
        LevelBench bench;
        bench.start("103");
        bench.sound.calls.clear();
        bench.run.options().setTempoText("100");
        enter ? bench.run.options().EDIT_Tempo_KeyPress(kKeyEnter)
              : bench.run.options().EDIT_Tempo_LostFocus();
        EXPECT_THAT(bench.sound.argsOf("SetTempo"), ElementsAre("150", "100"));
    }
}

TEST(LevelTempo, aTypedTempoOutsideOneToThreeHundredIsReplacedSilently) {
    for (const char* typed : {"0", "301", "abc", "-5", "1.5"}) {
        LevelBench bench;
        bench.start("7");
        bench.sound.calls.clear();
        bench.run.options().setTempoText(typed);
        bench.run.options().EDIT_Tempo_KeyPress(kKeyEnter);
        EXPECT_EQ(bench.run.options().tempo().text, "100") << typed;
        EXPECT_TRUE(bench.sound.calls.isEmpty()) << typed;
        EXPECT_TRUE(bench.screen.messages.empty()) << typed;
    }
}

TEST(LevelTempo, anEngineRefusalShowsTheTempoMessage) {
    LevelBench bench;
    bench.sound.failTempo = true;
    bench.start("7");
    EXPECT_THAT(bench.screen.messages, ElementsAre(LevelMessage::TempoError));
}

} // namespace
