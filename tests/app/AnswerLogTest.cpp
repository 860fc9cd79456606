// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log in the player database: its table made or completed with the players', the
// answers written in batches and read back, and a write refused kept for the next one.
#include "app/AnswerLog.h"

#include "RawDatabase.h"
#include "support/ManualClock.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <memory>

using namespace pulsadrome;
using namespace pulsadrome::app;
using answers::Activity;
using answers::AnswerRecord;

namespace {

const Activity kLevel7{Activity::Kind::Level, QStringLiteral("7")};
const Activity kGame3{Activity::Kind::Game, QStringLiteral("score3")};

class AnswerLogTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    DataDirectory dir = *DataDirectory::open(tmp.path());
    QString file() const { return dir.file(PlayerStore::fileName()); }

    std::unique_ptr<PlayerStore> opened(int busyTimeoutMs = PlayerStore::kDefaultBusyTimeoutMs) {
        auto store = std::make_unique<PlayerStore>(dir, busyTimeoutMs);
        const StoreStatus status = store->open();
        EXPECT_TRUE(status.ok()) << status.message.toStdString();
        return store;
    }

    static RowId added(PlayerStore& store, const QString& name) {
        const auto id = store.add(newPlayerRecord(name));
        EXPECT_TRUE(id) << id.status.message.toStdString();
        return id ? *id : -1;
    }

    static std::vector<AnswerRecord> stored(const PlayerStore& store, RowId player) {
        const auto read = store.answersOf(player);
        EXPECT_TRUE(read) << read.status.message.toStdString();
        return read ? *read : std::vector<AnswerRecord>{};
    }
};

TEST_F(AnswerLogTest, answersAreStoredAsIntegersAndReadBackPerPlayerOldestFirst) {
    auto store = opened();
    const RowId zoe = added(*store, "Zoé");
    const RowId leo = added(*store, "Léo");
    const std::vector<AnswerRecord> batch{
        {zoe, 1'772'438'460, kLevel7, 49, 50, false, 2340, 100, 23},
        {leo, 1'772'438'400, kGame3, 12, 1, true, 870, 250, 0},
        {zoe, 1'772'438'400, {Activity::Kind::Level, "1a"}, 6, 6, true, 15'000, 1, 43},
    };
    ASSERT_TRUE(store->appendAnswers(batch));
    ASSERT_TRUE(store->appendAnswers({}));

    EXPECT_EQ(stored(*store, zoe), (std::vector<AnswerRecord>{batch[2], batch[0]}));
    EXPECT_EQ(stored(*store, leo), std::vector<AnswerRecord>{batch[1]});
    EXPECT_TRUE(stored(*store, 99).empty());

    RawDatabase raw(file());
    EXPECT_THAT(raw.rows("SELECT name, type FROM pragma_table_info('Answers')"),
                ::testing::ElementsAre("player|INTEGER", "at|INTEGER", "activity|INTEGER",
                                       "played|INTEGER", "chosen|INTEGER", "right|INTEGER",
                                       "answer_ms|INTEGER", "tempo|INTEGER", "band|INTEGER"));
    EXPECT_EQ(raw.rows("SELECT name FROM pragma_index_info('Answers_by_player')"),
              QStringList({"player", "at"}));
    // Every value is an integer: level 7 is activity 9 (after "1a", "1b" and 1 ... 6), the
    // level "1a" activity 1, the game "score3" 103.
    EXPECT_EQ(raw.rows("SELECT typeof(activity) || ' ' || activity || ' ' || typeof(right) || "
                       "' ' || typeof(at) FROM Answers ORDER BY rowid"),
              QStringList({"integer 9 integer integer", "integer 103 integer integer",
                           "integer 1 integer integer"}));
}

TEST_F(AnswerLogTest, aDatabaseWithoutTheLogGetsItAndOneWithAnOlderLogHasItCompleted) {
    {
        auto store = opened();
        added(*store, "Zoé");
    }
    {
        // As a program without the log left it: the players only.
        RawDatabase raw(file());
        raw.exec("DROP TABLE Answers");
    }
    {
        auto store = opened();
        ASSERT_TRUE(store->currentId());
        EXPECT_EQ(store->current().nom, "Zoé");
        ASSERT_TRUE(
            store->appendAnswers({{*store->currentId(), 5, kLevel7, 49, 49, true, 1, 2, 3}}));
    }
    {
        // A log lacking its last columns, with a column of another program's.
        RawDatabase raw(file());
        raw.exec("DROP TABLE Answers");
        raw.exec("CREATE TABLE Answers (player INTEGER NOT NULL, at INTEGER NOT NULL, "
                 "activity INTEGER NOT NULL, played INTEGER NOT NULL, chosen INTEGER NOT NULL, "
                 "note TEXT)");
        raw.exec("INSERT INTO Answers VALUES (1, 7, 9, 49, 50, 'kept')");
    }
    auto store = opened();
    EXPECT_EQ(stored(*store, 1),
              std::vector<AnswerRecord>({{1, 7, kLevel7, 49, 50, false, 0, 0, 0}}));
    ASSERT_TRUE(store->appendAnswers({{1, 8, kLevel7, 50, 50, true, 900, 100, 23}}));
    EXPECT_EQ(stored(*store, 1).size(), 2u);
    RawDatabase raw(file());
    EXPECT_EQ(raw.value("SELECT note FROM Answers WHERE at = 7"), "kept");
}

TEST_F(AnswerLogTest, theLogTimesEachAnswerAndKeepsWhatAWriteRefusedForTheNextWrite) {
    auto store = opened(50);
    const RowId zoe = added(*store, "Zoé");
    ASSERT_TRUE(store->moveTo(zoe));
    store->current().tempo = "120";
    store->current().instruments = "7";
    pulsadrome::testing::ManualClock clock;
    AnswerLog log(*store, clock, clock);
    const play::GivenAnswer wrong{kLevel7, 49, 50, false};
    const play::GivenAnswer right{kLevel7, 49, 49, true};

    // Timed from the rhythm's start, then from the previous answer to the same question.
    clock.advance(500);
    log.questionPlayed();
    clock.advance(2300);
    log.answered(wrong);
    clock.advance(4100);
    log.answered(right);
    clock.advance(1000);
    log.questionPlayed();
    clock.advance(61'000);
    log.answered(right);
    const qint64 t0 = pulsadrome::testing::ManualClock::kStartUtcSeconds;
    const std::vector<AnswerRecord> expected{
        {zoe, t0 + 2, kLevel7, 49, 50, false, 2300, 120, 7},
        {zoe, t0 + 6, kLevel7, 49, 49, true, 4100, 120, 7},
        {zoe, t0 + 68, kLevel7, 49, 49, true, 61'000, 120, 7},
    };
    EXPECT_EQ(log.waiting(), expected);

    // Another copy of the program holds the write lock: the write is refused as busy and the
    // answers wait.
    {
        RawDatabase other(file());
        other.exec("BEGIN EXCLUSIVE");
        const StoreStatus refused = log.runEnded();
        EXPECT_EQ(refused.problem, StoreProblem::Busy) << refused.message.toStdString();
        EXPECT_EQ(log.waiting(), expected);
        other.exec("ROLLBACK");
    }
    EXPECT_TRUE(stored(*store, zoe).empty());
    ASSERT_TRUE(log.flush());
    EXPECT_TRUE(log.waiting().empty());
    ASSERT_TRUE(log.flush());
    EXPECT_EQ(stored(*store, zoe), expected);
}

TEST_F(AnswerLogTest, withoutAPlayerOrAnOpenDatabaseNothingIsLoggedAndAWriteSaysWhy) {
    PlayerStore closed(dir);
    pulsadrome::testing::ManualClock clock;
    AnswerLog log(closed, clock, clock);
    log.answered({kLevel7, 49, 50, false});
    EXPECT_TRUE(log.waiting().empty());
    const StoreStatus status = closed.appendAnswers({{1, 5, kLevel7, 49, 49, true, 1, 2, 3}});
    EXPECT_EQ(status.problem, StoreProblem::Failed);
    EXPECT_TRUE(status.message.contains(file())) << status.message.toStdString();
    EXPECT_FALSE(closed.answersOf(1));
}

} // namespace
