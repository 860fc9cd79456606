// SPDX-License-Identifier: GPL-3.0-or-later
// What a child's answers tell: the heard-to-chosen counts, the pairs most confused, the accuracy
// of each level or game and the time played, from hand-made answer tables.
#include "answers/Confusions.h"

#include "catalogue/Games.h"
#include "catalogue/Levels.h"

#include <QRegularExpression>
#include <QStringList>

#include <gmock/gmock.h>

#include <algorithm>
#include <tuple>

using namespace pulsadrome::answers;
using ::testing::ElementsAre;

namespace {

const Activity kLevel7{Activity::Kind::Level, QStringLiteral("7")};

// "heard -> chosen : times" lines; an answer is right when it chose what it heard. The answers
// follow each other five seconds apart, each given 1.5 seconds after its rhythm started.
std::vector<AnswerRecord> answersOf(const char* table, const Activity& activity = kLevel7) {
    static const QRegularExpression line(
        QStringLiteral(R"(^\s*(\d+)\s*->\s*(\d+)\s*:\s*(\d+)\s*$)"));
    std::vector<AnswerRecord> records;
    qint64 at = 1'772'438'400;
    for (const QString& text : QString::fromLatin1(table).split(QLatin1Char('\n'))) {
        if (text.trimmed().isEmpty()) {
            continue;
        }
        const auto match = line.match(text);
        EXPECT_TRUE(match.hasMatch()) << text.toStdString();
        const int heard = match.captured(1).toInt();
        const int chosen = match.captured(2).toInt();
        for (int i = 0; i < match.captured(3).toInt(); ++i) {
            records.push_back({1, at, activity, heard, chosen, heard == chosen, 1500, 100, 23});
            at += 5;
        }
    }
    return records;
}

// "first second heard-first-chose-second heard-second-chose-first" lines.
std::vector<ConfusedPair> pairsOf(const char* table) {
    std::vector<ConfusedPair> pairs;
    for (const QString& text : QString::fromLatin1(table).split(QLatin1Char('\n'))) {
        const QStringList n = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (n.size() == 4) {
            pairs.push_back({n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()});
        }
    }
    return pairs;
}

// Level 7 asks rhythms 49 ... 56. Twelve pairs are confused; the last two places are a tie
// at two, broken by the rhythms' numbers, and (52, 54) falls out of the ten.
const char* const kLevelLog = R"(
    49 -> 49 : 12
    49 -> 50 :  4
    50 -> 49 :  3
    50 -> 50 :  9
    51 -> 55 :  2
    55 -> 51 :  5
    52 -> 53 :  6
    50 -> 56 :  5
    53 -> 49 :  2
    49 -> 53 :  2
    54 -> 56 :  4
    49 -> 54 :  3
    55 -> 56 :  3
    50 -> 52 :  2
    51 -> 52 :  2
    52 -> 54 :  2
    53 -> 54 :  1
    56 -> 56 :  7
)";

const char* const kTenMostConfused = R"(
    49 50  4 3
    51 55  2 5
    52 53  6 0
    50 56  5 0
    49 53  2 2
    54 56  4 0
    49 54  3 0
    55 56  3 0
    50 52  2 0
    51 52  2 0
)";

TEST(Confusions, theCountsAreTheTableAndTheTenPairsMostConfusedComeInAFixedOrder) {
    std::vector<AnswerRecord> records = answersOf(kLevelLog);
    const ChildSummary summary = summarise(records);
    EXPECT_EQ(summary.counts.size(), 18u);
    EXPECT_EQ(summary.counts.at({49, 49}), 12);
    EXPECT_EQ(summary.counts.at({55, 51}), 5);
    EXPECT_EQ(summary.counts.count({51, 49}), 0u);
    EXPECT_EQ(summary.confusedPairs, pairsOf(kTenMostConfused));

    // The order of the answers changes nothing.
    std::reverse(records.begin(), records.end());
    EXPECT_EQ(summarise(records).confusedPairs, pairsOf(kTenMostConfused));
    EXPECT_THAT(summarise(records, 2).confusedPairs,
                ElementsAre(ConfusedPair{49, 50, 4, 3}, ConfusedPair{51, 55, 2, 5}));
}

TEST(Confusions, aRhythmAGameTakesAsRightBecauseItSoundsLikeTheOneAskedIsNoConfusion) {
    // Rhythms 1 and 12 are written and sound the same; the first game's pool holds both.
    const Activity game{Activity::Kind::Game, QStringLiteral("score1")};
    std::vector<AnswerRecord> records = answersOf(R"(
        1 -> 12 : 3
        1 ->  2 : 1
    )",
                                                  game);
    for (AnswerRecord& record : records) {
        record.right = record.chosen == 12;
    }
    const ChildSummary summary = summarise(records);
    EXPECT_EQ(summary.counts.at({1, 12}), 3);
    EXPECT_THAT(summary.confusedPairs, ElementsAre(ConfusedPair{1, 2, 1, 0}));
    EXPECT_THAT(summary.accuracy, ElementsAre(ActivityAccuracy{game, 4, 3}));
}

TEST(Confusions, accuracyIsCountedPerLevelOrGameInTheCatalogueOrder) {
    using Kind = Activity::Kind;
    const Activity level1a{Kind::Level, "1a"}, level1{Kind::Level, "1"},
        compound1{Kind::Level, "101"}, game3{Kind::Game, "score3"}, duel1{Kind::Game, "1"},
        unknown{Kind::Level, "99"};
    std::vector<AnswerRecord> records;
    const auto add = [&](const Activity& activity, bool right) {
        records.push_back({1, 0, activity, 9, right ? 9 : 10, right, 1000, 100, 23});
    };
    for (const auto& [activity, answers, right] :
         std::vector<std::tuple<Activity, int, int>>{{duel1, 2, 1},
                                                     {game3, 5, 4},
                                                     {unknown, 1, 0},
                                                     {level1, 10, 7},
                                                     {compound1, 3, 3},
                                                     {level1a, 4, 1}}) {
        for (int i = 0; i < answers; ++i) {
            add(activity, i < right);
        }
    }
    EXPECT_THAT(summarise(records).accuracy,
                ElementsAre(ActivityAccuracy{level1a, 4, 1}, ActivityAccuracy{level1, 10, 7},
                            ActivityAccuracy{compound1, 3, 3}, ActivityAccuracy{game3, 5, 4},
                            ActivityAccuracy{duel1, 2, 1}, ActivityAccuracy{unknown, 1, 0}));
}

TEST(Confusions, timePlayedAddsTheGapsOfASittingAndTheFirstAnswersOwnTime) {
    const Activity level8{Activity::Kind::Level, QStringLiteral("8")};
    const qint64 t0 = 1'772'438'400;
    // Given out of order: the time comes from the dates.
    const std::vector<AnswerRecord> records{
        {1, t0 + 14, kLevel7, 49, 49, true, 900, 100, 23},
        {1, t0 + 620, level8, 57, 57, true, 1000, 100, 23},  // another level: a new sitting
        {1, t0, kLevel7, 49, 50, false, 3000, 100, 23},      // 3 s to answer
        {1, t0 + 614, kLevel7, 50, 50, true, 2500, 100, 23}, // after ten minutes away
        {1, t0 + 10, kLevel7, 50, 50, true, 800, 100, 23},
    };
    // 3 + 10 + 4, then 2.5 and 1: 20.5 seconds.
    EXPECT_EQ(summarise(records).playedSeconds, 20);
    EXPECT_EQ(summarise({}).playedSeconds, 0);
    // Two minutes apart is still one sitting.
    EXPECT_EQ(summarise({records[2], {1, t0 + kPauseSeconds, kLevel7, 49, 49, true, 0, 100, 23}})
                  .playedSeconds,
              3 + kPauseSeconds);
}

TEST(Activities, everyLevelAndGameHasItsOwnNumberInCatalogueOrderAndBack) {
    int previous = 0;
    const auto check = [&](const Activity& activity) {
        const std::optional<int> number = activityNumber(activity);
        ASSERT_TRUE(number.has_value()) << activity.code.toStdString();
        EXPECT_GT(*number, previous) << activity.code.toStdString();
        previous = *number;
        EXPECT_EQ(activityOfNumber(*number), activity);
    };
    for (const auto& level : pulsadrome::catalogue::levels()) {
        check({Activity::Kind::Level, level.code});
    }
    std::vector<pulsadrome::catalogue::GameEntry> games = pulsadrome::catalogue::games();
    std::stable_sort(games.begin(), games.end(), [](const auto& a, const auto& b) {
        return a.players == b.players && a.players == 1 ? a.scoreTable < b.scoreTable
                                                        : a.players < b.players;
    });
    QStringList seen;
    for (const auto& game : games) {
        if (!seen.contains(game.code)) { // the two-player games share their series' code
            seen << game.code;
            check({Activity::Kind::Game, game.code});
        }
    }
    EXPECT_EQ(activityNumber({Activity::Kind::Level, "1a"}), 1);
    EXPECT_EQ(activityNumber({Activity::Kind::Game, "score1"}), 101);
    EXPECT_EQ(activityNumber({Activity::Kind::Game, "3"}), 203);
    EXPECT_EQ(activityNumber({Activity::Kind::Level, "score1"}), std::nullopt);
    EXPECT_EQ(activityNumber({Activity::Kind::Game, "7"}), std::nullopt);
    EXPECT_EQ(activityOfNumber(0), std::nullopt);
    EXPECT_EQ(activityOfNumber(73), std::nullopt);
    EXPECT_EQ(activityOfNumber(204), std::nullopt);
}

} // namespace
