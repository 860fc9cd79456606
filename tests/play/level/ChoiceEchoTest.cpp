// SPDX-License-Identifier: GPL-3.0-or-later
// "Hear my choice" on the level screen's rules: after a wrong answer, the chosen rhythm, then
// after it and a pause the asked one; anything else that sounds or stops ends the wait.
#include "LevelBench.h"

#include "catalogue/Series.h"

#include <gmock/gmock.h>

#include <functional>
#include <memory>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::ElementsAre;

namespace {

// Level 101 (a full grid of eight rhythms) started, for a player whose stored choice is `stored`.
std::unique_ptr<LevelBench> started(const QString& stored) {
    auto bench =
        std::make_unique<LevelBench>([&](app::PlayerRecord& r) { r.ecouteChoix = stored; });
    bench->start("101");
    bench->run.question_Click();
    return bench;
}

// The motif the engine is asked to play for answer `answer` (1 ... 8).
QString motifOfAnswer(const LevelBench& bench, int answer) {
    return QString::number(
        catalogue::motifOf(bench.run.rhythms()[static_cast<std::size_t>(answer - 1)].toInt()));
}

int wrongAnswerOf(const LevelBench& bench) {
    return bench.run.question() == QLatin1String("1") ? 2 : 1;
}

// The engine calls made since `mark`.
QStringList callsSince(const LevelBench& bench, qsizetype mark) {
    return bench.sound.calls.mid(mark);
}

// The wait of the default fake: a 2400 ms rhythm and the pause, in ticks.
constexpr int kWaitTicks = (2400 + ChoiceEcho::kPauseMs) / ChoiceEcho::kTickMs;

struct StoredCase {
    const char* name;
    const char* stored;
    bool on;
};

class StoredChoice : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredChoice, onlyAStoredOneTurnsItOnAndItActsOnAWrongAnswer) {
    auto bench = started(QString::fromUtf8(GetParam().stored));
    EXPECT_EQ(bench->run.options().echoChoice(), GetParam().on);
    const int chosen = wrongAnswerOf(*bench);
    const qsizetype mark = bench->sound.calls.size();
    bench->answer(chosen);
    ASSERT_TRUE(bench->run.feedback().wrongShown());
    EXPECT_EQ(callsSince(*bench, mark).contains("PlayRhythm " + motifOfAnswer(*bench, chosen)),
              GetParam().on);
    EXPECT_EQ(bench->run.echo().running(), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(HearMyChoice, StoredChoice,
                         ::testing::Values(StoredCase{"NewPlayer", "0", false},
                                           StoredCase{"Chosen", "1", true},
                                           StoredCase{"StoredBeforeTheChoiceExisted", "", false},
                                           StoredCase{"AnyOtherText", "oui", false},
                                           StoredCase{"OneWithASpace", "1 ", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HearMyChoice, theNewPlayerRecordHasItOff) {
    EXPECT_EQ(app::newPlayerRecord("Zoé").ecouteChoix, "0");
    LevelBench bench;
    EXPECT_FALSE(bench.run.options().echoChoice());
}

TEST(HearMyChoice, aWrongAnswerPlaysTheChosenRhythmThenAfterItAndAPauseTheAskedOneAgain) {
    auto bench = started("1");
    const QString asked = motifOfAnswer(*bench, bench->run.question().toInt());
    const int chosen = wrongAnswerOf(*bench);
    const qsizetype mark = bench->sound.calls.size();
    bench->answer(chosen);
    EXPECT_THAT(
        callsSince(*bench, mark),
        ElementsAre("PlayFeedback prof_faux", "PlayRhythm " + motifOfAnswer(*bench, chosen)));
    EXPECT_EQ(bench->run.echo().remainingMs(), 2400 + ChoiceEcho::kPauseMs);

    // The wrong answer's two seconds pass meanwhile, as do the clock's.
    const qsizetype afterChoice = bench->sound.calls.size();
    for (int tick = 1; tick < kWaitTicks; ++tick) {
        bench->run.Timer_echo();
        if (tick % 10 == 0) {
            bench->run.Timer1_Timer();
            bench->ticks(1);
        }
    }
    EXPECT_EQ(bench->sound.calls.size(), afterChoice);
    EXPECT_TRUE(bench->run.echo().running());
    bench->run.Timer_echo();
    EXPECT_THAT(callsSince(*bench, afterChoice), ElementsAre("StopAll", "PlayRhythm " + asked));
    EXPECT_FALSE(bench->run.echo().running());
    bench->run.Timer_echo();
    EXPECT_EQ(bench->sound.calls.size(), afterChoice + 2);
}

TEST(HearMyChoice, theClockAndTheScoreGoAsWithoutIt) {
    auto with = started("1");
    auto without = started("0");
    const auto play = [](LevelBench& bench) {
        for (int round = 0; round < 3; ++round) {
            bench.answerWrong();
            for (int second = 0; second < 4; ++second) {
                for (int tick = 0; tick < 1000 / ChoiceEcho::kTickMs; ++tick) {
                    bench.run.Timer_echo();
                }
                bench.run.Timer1_Timer();
                bench.ticks(1);
            }
            bench.answerRight();
            bench.feedbackOver();
        }
    };
    play(*with);
    play(*without);
    EXPECT_EQ(with->run.score(), without->run.score());
    EXPECT_EQ(with->run.clock().remaining(), without->run.clock().remaining());
    EXPECT_EQ(with->run.questionIndex(), without->run.questionIndex());
    EXPECT_EQ(with->run.score(), QString::number(3 * (-100 + 100) - 12));
}

struct EndCase {
    const char* name;
    std::function<void(LevelBench&)> act;
};

class WaitEnds : public ::testing::TestWithParam<EndCase> {};

TEST_P(WaitEnds, andTheAskedRhythmIsNotPlayedOnTopOfWhatFollows) {
    auto bench = started("1");
    bench->answerWrong();
    ASSERT_TRUE(bench->run.echo().running());
    GetParam().act(*bench);
    EXPECT_FALSE(bench->run.echo().running());
    const qsizetype mark = bench->sound.calls.size();
    for (int tick = 0; tick < 2 * kWaitTicks; ++tick) {
        bench->run.Timer_echo();
    }
    EXPECT_EQ(bench->sound.calls.size(), mark);
}

INSTANTIATE_TEST_SUITE_P(
    HearMyChoice, WaitEnds,
    ::testing::Values(EndCase{"ARightAnswerSilencesTheChoice",
                              [](LevelBench& b) {
                                  b.feedbackOver();
                                  const qsizetype mark = b.sound.calls.size();
                                  b.answerRight();
                                  EXPECT_THAT(callsSince(b, mark),
                                              ElementsAre("StopAll", "PlayFeedback prof_vrai"));
                              }},
                      EndCase{"TheListenAgainCell",
                              [](LevelBench& b) {
                                  b.feedbackOver();
                                  b.run.answerCell(AnswerGrid::kReplayCell);
                              }},
                      EndCase{"Stop", [](LevelBench& b) { b.run.Label_arret_Click(); }},
                      EndCase{"TheOptionsPanel", [](LevelBench& b) { b.run.Label_option_Click(); }},
                      EndCase{"Back", [](LevelBench& b) { b.run.Image_retour_Click(); }},
                      EndCase{"PlayAgain", [](LevelBench& b) { b.run.question_Click(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HearMyChoice, aSecondWrongAnswerStartsItsOwnComparison) {
    auto bench = started("1");
    bench->answerWrong();
    for (int tick = 0; tick < 25; ++tick) {
        bench->run.Timer_echo();
    }
    bench->feedbackOver();
    const int other = bench->run.question() == QLatin1String("3") ? 4 : 3;
    const qsizetype mark = bench->sound.calls.size();
    bench->answer(other);
    EXPECT_THAT(callsSince(*bench, mark),
                ElementsAre("StopAll", "PlayFeedback prof_faux",
                            "PlayRhythm " + motifOfAnswer(*bench, other)));
    EXPECT_EQ(bench->run.echo().remainingMs(), 2400 + ChoiceEcho::kPauseMs);
}

TEST(HearMyChoice, anEngineThatCannotTellARhythmsLengthPlaysNoComparison) {
    auto bench = started("1");
    bench->sound.rhythmMilliseconds = std::nullopt;
    const qsizetype mark = bench->sound.calls.size();
    bench->answerWrong();
    EXPECT_THAT(callsSince(*bench, mark), ElementsAre("PlayFeedback prof_faux"));
    EXPECT_FALSE(bench->run.echo().running());
}

TEST(HearMyChoice, thePanelStoresTheChoiceAtItsClose) {
    LevelBench bench;
    bench.run.Label_option_Click();
    bench.run.options().chooseEcho(true);
    bench.run.Image_cacher_options_Click();
    ASSERT_EQ(bench.players.stored.size(), 1u);
    EXPECT_EQ(bench.players.stored.back().ecouteChoix, "1");
    bench.run.Label_option_Click();
    bench.run.options().chooseEcho(false);
    bench.run.Image_cacher_options_Click();
    EXPECT_EQ(bench.players.stored.back().ecouteChoix, "0");
}

} // namespace
