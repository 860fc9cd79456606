// SPDX-License-Identifier: GPL-3.0-or-later
// What the Progress screen shows of a child, from hand-made answer logs: the levels passed per
// series with the day each was passed, the accuracy of each level, and the accuracy of each ISO
// week in the child's time zone.
#include "answers/ChildProgress.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::answers;

namespace {

// One line per group of answers: "YYYY-MM-DD HH:MM  level  heard -> chosen  x count", the time
// in UTC; the answers of a line follow each other ten seconds apart.
std::vector<AnswerRecord> logOf(const char* table) {
    static const QRegularExpression line(QStringLiteral(
        R"(^\s*(\d{4}-\d\d-\d\d \d\d:\d\d)\s+(\w+)\s+(\d+)\s*->\s*(\d+)\s*x\s*(\d+)\s*$)"));
    std::vector<AnswerRecord> records;
    for (const QString& text : QString::fromLatin1(table).split(QLatin1Char('\n'))) {
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(QLatin1Char('#'))) {
            continue;
        }
        const auto match = line.match(text);
        EXPECT_TRUE(match.hasMatch()) << text.toStdString();
        QDateTime at = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd HH:mm"));
        at.setTimeZone(QTimeZone::utc());
        const int heard = match.captured(3).toInt();
        const int chosen = match.captured(4).toInt();
        for (int i = 0; i < match.captured(5).toInt(); ++i) {
            records.push_back({1, at.toSecsSinceEpoch() + 10 * i,
                               Activity{Activity::Kind::Level, match.captured(2)}, heard, chosen,
                               heard == chosen, 2000, 100, 23});
        }
    }
    return records;
}

// "code passed|open answers right [passed-at]" per level shown.
std::vector<std::string> rowsOf(const SeriesProgress& series) {
    std::vector<std::string> rows;
    for (const LevelProgress& level : series.levels) {
        QString row = QStringLiteral("%1 %2 %3/%4")
                          .arg(level.level->code,
                               level.passed ? QStringLiteral("passed") : QStringLiteral("open"))
                          .arg(level.right)
                          .arg(level.answers);
        if (level.passedUtc) {
            row +=
                QLatin1Char(' ') + QDateTime::fromSecsSinceEpoch(*level.passedUtc, QTimeZone::utc())
                                       .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        }
        rows.push_back(row.toStdString());
    }
    return rows;
}

// Main series: 1a, 1b, 1 and 2 passed ("3" is stored), 3 played and not passed yet. 1a was
// replayed after level 1 had been started: its day stays that of its last answer before 1b.
// Level 2 was played again the same evening: its day is its last answer before level 3's first.
// Minim beat: 201 passed before the log existed, 202 passed and no later level played: its last
// answer. Compound time untouched.
const char* const kHistory = R"(
    2026-03-02 16:00  1a    1 ->  1 x 6
    2026-03-02 16:05  1a    2 ->  3 x 2
    2026-03-03 17:00  1b    9 ->  9 x 5
    2026-03-04 17:00  1    17 -> 17 x 8
    2026-03-04 17:02  1    17 -> 18 x 2
    2026-03-10 09:00  1a    1 ->  1 x 3
    2026-03-11 18:00  2    25 -> 25 x 4
    2026-03-12 18:00  3    33 -> 34 x 4
    2026-03-12 18:00  3    33 -> 33 x 1
    2026-03-11 18:30  2    26 -> 26 x 3
    2026-03-05 10:00  202 473 -> 473 x 7
)";

TEST(ChildProgress, levelsPassedPerSeriesWithTheDayOfThePassAndTheirAccuracy) {
    const ChildProgress progress =
        childProgress({"3", "3", "1"}, logOf(kHistory), QTimeZone::utc());
    ASSERT_EQ(progress.series.size(), 3u);
    EXPECT_EQ(progress.series[0].series, catalogue::Series::Main);
    EXPECT_THAT(rowsOf(progress.series[0]),
                ::testing::ElementsAre("1a passed 9/11 2026-03-02 16:05:10",
                                       "1b passed 5/5 2026-03-03 17:00:40",
                                       "1 passed 8/10 2026-03-04 17:02:10",
                                       "2 passed 7/7 2026-03-11 18:30:20", "3 open 1/5"));
    EXPECT_EQ(progress.series[0].passedCount, 4);
    EXPECT_EQ(progress.series[1].series, catalogue::Series::MinimBeat);
    EXPECT_THAT(rowsOf(progress.series[1]),
                ::testing::ElementsAre("201 passed 0/0", "202 passed 7/7 2026-03-05 10:01:00"));
    EXPECT_EQ(progress.series[2].series, catalogue::Series::Compound);
    EXPECT_TRUE(progress.series[2].levels.empty());
    // The summary comes along: the pair 33/34 is this child's worst.
    ASSERT_FALSE(progress.summary.confusedPairs.empty());
    EXPECT_EQ(progress.summary.confusedPairs.front(), (ConfusedPair{33, 34, 4, 0}));
}

TEST(ChildProgress, aNewChildHasNothingPassedAndNoWeeks) {
    const ChildProgress progress =
        childProgress(catalogue::newPlayerProgress(), {}, QTimeZone::utc());
    for (const SeriesProgress& series : progress.series) {
        EXPECT_TRUE(series.levels.empty());
        EXPECT_EQ(series.passedCount, 0);
    }
    EXPECT_TRUE(progress.weeks.empty());
}

TEST(ChildProgress, aProgressFromBeforeTheLogShowsItsLevelsPassedWithoutADay) {
    const ChildProgress progress = childProgress({"1", "1", "4"}, {}, QTimeZone::utc());
    EXPECT_THAT(rowsOf(progress.series[0]),
                ::testing::ElementsAre("1a passed 0/0", "1b passed 0/0"));
    EXPECT_THAT(rowsOf(progress.series[2]),
                ::testing::ElementsAre("101 passed 0/0", "102 passed 0/0", "103 passed 0/0"));
}

// Weeks run Monday to Sunday in the child's zone. 2026 has 53 ISO weeks: Sunday 3 January 2027
// is still week 53 of 2026 in UTC, but already Monday, week 1 of 2027, in Paris. The empty week
// between the first answers and the next is kept, with no answer.
const char* const kWinter = R"(
    2026-12-14 10:00  7  49 -> 49 x 3
    2026-12-20 22:00  7  49 -> 50 x 1
    2026-12-28 08:00  7  49 -> 49 x 2
    2027-01-03 23:30  7  50 -> 51 x 2
    2027-01-04 08:00  7  50 -> 50 x 4
)";

std::vector<std::string> weeksOf(const std::vector<WeekAccuracy>& weeks) {
    std::vector<std::string> lines;
    for (const WeekAccuracy& week : weeks) {
        lines.push_back(QStringLiteral("%1-W%2 %3 %4/%5")
                            .arg(week.year)
                            .arg(week.week, 2, 10, QLatin1Char('0'))
                            .arg(week.monday.toString(Qt::ISODate))
                            .arg(week.right)
                            .arg(week.answers)
                            .toStdString());
    }
    return lines;
}

TEST(ChildProgress, accuracyPerIsoWeekInTheChildsTimeZone) {
    const auto records = logOf(kWinter);
    EXPECT_THAT(weeksOf(weeklyAccuracy(records, QTimeZone::utc())),
                ::testing::ElementsAre("2026-W51 2026-12-14 3/4", "2026-W52 2026-12-21 0/0",
                                       "2026-W53 2026-12-28 2/4", "2027-W01 2027-01-04 4/4"));
    EXPECT_THAT(weeksOf(weeklyAccuracy(records, QTimeZone("Europe/Paris"))),
                ::testing::ElementsAre("2026-W51 2026-12-14 3/4", "2026-W52 2026-12-21 0/0",
                                       "2026-W53 2026-12-28 2/2", "2027-W01 2027-01-04 4/6"));
    EXPECT_EQ(childProgress({"7", "1", "1"}, records, QTimeZone::utc()).weeks.size(), 4u);
}

} // namespace
