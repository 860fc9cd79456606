// SPDX-License-Identifier: GPL-3.0-or-later
// The class table's totals summed up by the database (one query, no answer read) are the ones
// the answers read one by one give, on the file and on the server, for a class of children with
// pauses, changes of activity, equal times, rows of an activity no longer known and a child who
// never answered.
#include "TestDatabases.h"

#include "app/ClassTable.h"

#include <gmock/gmock.h>

#include <random>

using namespace pulsadrome;
using namespace pulsadrome::app;
using answers::Activity;
using answers::AnswerRecord;

namespace {

// Monday 7 September 2026, 15:00 UTC.
constexpr qint64 kClassStart = 1'788'789'600;

class ClassTotals : public ::testing::TestWithParam<BackEnd> {
protected:
    TestDatabase db{GetParam()};
    void SetUp() override { SKIP_WITHOUT(db); }
};

TEST_P(ClassTotals, theDatabasesSumsAreTheLinesOfTheAnswersReadOneByOne) {
    auto store = db.store();
    ASSERT_TRUE(store->open());
    const std::vector<Activity> activities = {
        {Activity::Kind::Level, "1a"},           {Activity::Kind::Level, "7"},
        {Activity::Kind::Level, "101"},          {Activity::Kind::Game, "score3"},
        {Activity::Kind::Practice, "practice2"}, {Activity::Kind::Game, "2"}};
    const catalogue::ProgressFields progress[] = {
        {"", "", ""}, {"5", "", ""}, {"12", "3", "2"}, {"46", "12", "12"}};
    std::mt19937 random(20261208);
    std::vector<RowId> children;
    std::vector<AnswerRecord> log;
    constexpr int kChildren = 14;
    for (int c = 0; c < kChildren; ++c) {
        PlayerRecord child = newPlayerRecord(QStringLiteral("Élève %1").arg(c));
        child.setProgress(progress[c % 4]);
        const auto id = store->add(child);
        ASSERT_TRUE(id) << id.status.message.toStdString();
        children.push_back(*id);
        if (c == 3) {
            continue; // never answered
        }
        qint64 at = kClassStart + c * 3600;
        const int count = 50 + static_cast<int>(random() % 250);
        for (int a = 0; a < count; ++a) {
            // Mostly a few seconds apart; now and then the same second, a pause or another day.
            const int step = static_cast<int>(random() % 20);
            at += step == 0 ? 0 : step < 16 ? 2 + step : step < 19 ? 121 + step * 40 : 86'400;
            const Activity& activity = activities[random() % (step == 18 ? 6 : 2)];
            const int played = 1 + static_cast<int>(random() % 560);
            const bool right = random() % 3 != 0;
            // A time to answer of zero and one beyond the pause happen too.
            const qint64 answerMs = a % 37 == 0 ? 0 : 300 + static_cast<qint64>(random() % 200'000);
            log.push_back({*id, at, activity, played, right ? played : played % 560 + 1, right,
                           answerMs, 60 + c, c % 44});
        }
    }
    // Written out of order, in batches, so that the database's order is not the log's.
    std::shuffle(log.begin(), log.end(), random);
    for (std::size_t from = 0; from < log.size(); from += 500) {
        const std::vector<AnswerRecord> batch(
            log.begin() + static_cast<std::ptrdiff_t>(from),
            log.begin() + static_cast<std::ptrdiff_t>(std::min(from + 500, log.size())));
        ASSERT_TRUE(store->appendAnswers(batch));
    }
    // Rows of an activity this catalogue does not know (a newer program's), which nothing counts.
    db.raw()->exec(QStringLiteral("INSERT INTO \"Answers\" (\"player\", \"at\", \"activity\", "
                                  "\"played\", \"chosen\", \"right\", \"answer_ms\", \"tempo\", "
                                  "\"band\") VALUES (%1, %2, 999, 5, 5, 1, 9000, 100, 23), "
                                  "(%1, %3, 998, 5, 6, 0, 9000, 100, 23)")
                       .arg(children[0])
                       .arg(kClassStart + 5)
                       .arg(kClassStart + 400 * 86'400));

    const auto lines = classLines(*store);
    ASSERT_TRUE(lines) << lines.status.message.toStdString();
    ASSERT_EQ(lines->size(), children.size());
    int answered = 0;
    for (std::size_t c = 0; c < children.size(); ++c) {
        const auto record = store->read(children[c]);
        const auto answers = store->answersOf(children[c]);
        ASSERT_TRUE(record && answers);
        const ClassLine expected = classLine(children[c], *record, *answers);
        EXPECT_EQ((*lines)[c], expected) << "child " << c;
        answered += expected.answers > 0 ? 1 : 0;
    }
    EXPECT_EQ(answered, kChildren - 1);
    // The fixture is not trivial: pauses and changes of activity were counted.
    EXPECT_GT((*lines)[0].playedSeconds, 0);
    EXPECT_FALSE((*lines)[3].lastUtc);
    EXPECT_THAT((*lines)[2].passed, ::testing::Each(::testing::Gt(0)));
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ClassTotals,
                         ::testing::Values(BackEnd::File, BackEnd::Server), backEndName);

} // namespace
