// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnswerTable.h"

#include "answers/Activity.h"
#include "answers/Confusions.h"
#include "app/PlayerTable.h"
#include "app/ServerTable.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>
#include <array>
#include <set>

namespace pulsadrome::app::answer_table {

namespace {

// In row order; "right" is 1 or 0, "at" seconds since 1970 UTC, "activity" answers::
// activityNumber().
constexpr std::array<const char*, 9> kColumns{"player", "at",        "activity", "played", "chosen",
                                              "right",  "answer_ms", "tempo",    "band"};

QString columnList() {
    QStringList names;
    for (const char* column : kColumns) {
        names << QStringLiteral("\"%1\"").arg(QLatin1String(column));
    }
    return names.join(QStringLiteral(", "));
}

StoreStatus existingColumns(SqlDialect dialect, QSqlQuery& query, const QString& file,
                            std::set<QString>& present) {
    const bool server = dialect == SqlDialect::Postgres;
    if (!query.exec(server ? QStringLiteral("SELECT 0, column_name FROM information_schema.columns "
                                            "WHERE table_schema = current_schema() AND "
                                            "table_name = 'Answers'")
                           : QStringLiteral("PRAGMA table_info(\"Answers\")"))) {
        return server_table::problemIn(dialect, query.lastError(), file, QStringLiteral("checked"));
    }
    while (query.next()) {
        present.insert(query.value(1).toString().toLower());
    }
    if (query.lastError().isValid()) {
        return server_table::problemIn(dialect, query.lastError(), file, QStringLiteral("checked"));
    }
    return {};
}

// The activity numbers the catalogue knows, for SQL: "1, 2, 3, ...".
const QString& knownActivities() {
    static const QString list = [] {
        QStringList numbers;
        for (int number = 1; number < 1000; ++number) {
            if (answers::activityOfNumber(number)) {
                numbers << QString::number(number);
            }
        }
        return numbers.join(QStringLiteral(", "));
    }();
    return list;
}

// The column that keeps equal times in the order they were written.
QString writtenOrder(SqlDialect dialect) {
    return dialect == SqlDialect::Postgres ? QStringLiteral("\"n\"") : QStringLiteral("rowid");
}

// Sums up one player's answers, given oldest first (equal times in the order written): an answer
// in the same activity less than a pause after the one before counts the time between them,
// any other its own time to answer, as answers::summarise() counts the time played.
class TotalsCounter {
public:
    bool counting() const { return totals_ != nullptr; }
    // Ends the player counted so far, then counts into `totals` (none: stops).
    void start(AnswerTotals* totals) {
        if (totals_) {
            totals_->playedSeconds = playedMs_ / 1000;
        }
        totals_ = totals;
        playedMs_ = 0;
        first_ = true;
    }
    void add(qint64 at, int activity, bool right, qint64 answerMs) {
        const bool goesOn =
            !first_ && activity == previousActivity_ && at - previousAt_ <= answers::kPauseSeconds;
        playedMs_ += goesOn ? (at - previousAt_) * 1000 : std::max<qint64>(answerMs, 0);
        first_ = false;
        previousAt_ = at;
        previousActivity_ = activity;
        ++totals_->answers;
        totals_->right += right ? 1 : 0;
        totals_->lastUtc = at;
    }

private:
    AnswerTotals* totals_ = nullptr;
    qint64 playedMs_ = 0;
    bool first_ = true;
    qint64 previousAt_ = 0;
    int previousActivity_ = 0;
};

} // namespace

AnswerTotals totalsOf(std::vector<answers::AnswerRecord> records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const answers::AnswerRecord& a, const answers::AnswerRecord& b) {
                         return a.utcSeconds < b.utcSeconds;
                     });
    AnswerTotals totals;
    TotalsCounter counter;
    counter.start(&totals);
    for (const answers::AnswerRecord& record : records) {
        counter.add(record.utcSeconds, answers::activityNumber(record.activity).value_or(0),
                    record.right, record.answerMs);
    }
    counter.start(nullptr);
    return totals;
}

StoreStatus prepare(SqlDialect dialect, QSqlDatabase& db, const QString& file) {
    // A server's integers are 32 bits unless told otherwise; its rows keep their order in "n".
    const bool server = dialect == SqlDialect::Postgres;
    const QString integer = server ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
    const QString repaired = QStringLiteral("prepared for the answer log");
    QSqlQuery query(db);
    std::set<QString> present;
    if (StoreStatus status = existingColumns(dialect, query, file, present); !status) {
        return status;
    }
    if (present.empty()) {
        QStringList definitions;
        if (server) {
            definitions << QStringLiteral("\"n\" BIGSERIAL PRIMARY KEY");
        }
        for (const char* column : kColumns) {
            definitions << QStringLiteral("\"%1\" %2 NOT NULL").arg(QLatin1String(column), integer);
        }
        if (!query.exec(QStringLiteral("CREATE TABLE \"Answers\" (%1)")
                            .arg(definitions.join(QStringLiteral(", "))))) {
            return server_table::problemIn(dialect, query.lastError(), file, repaired);
        }
    } else {
        for (const char* column : kColumns) {
            if (!present.count(QString::fromLatin1(column)) &&
                !query.exec(QStringLiteral("ALTER TABLE \"Answers\" ADD COLUMN \"%1\" %2 NOT NULL "
                                           "DEFAULT 0")
                                .arg(QLatin1String(column), integer))) {
                return server_table::problemIn(dialect, query.lastError(), file, repaired);
            }
        }
    }
    if (!query.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS \"Answers_by_player\" ON "
                                   "\"Answers\" (\"player\", \"at\")"))) {
        return server_table::problemIn(dialect, query.lastError(), file, repaired);
    }
    return {};
}

StoreStatus insert(SqlDialect dialect, QSqlDatabase& db, const QString& file,
                   const std::vector<answers::AnswerRecord>& records) {
    const QString written = QStringLiteral("written");
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("INSERT INTO \"Answers\" (%1) VALUES (?, ?, ?, ?, ?, ?, ?, "
                                      "?, ?)")
                           .arg(columnList()))) {
        return server_table::problemIn(dialect, query.lastError(), file, written);
    }
    for (const answers::AnswerRecord& record : records) {
        const std::optional<int> activity = answers::activityNumber(record.activity);
        if (!activity) {
            continue; // no level or game of the catalogue: nothing the log can name
        }
        query.bindValue(0, record.player);
        query.bindValue(1, record.utcSeconds);
        query.bindValue(2, *activity);
        query.bindValue(3, record.played);
        query.bindValue(4, record.chosen);
        query.bindValue(5, record.right ? 1 : 0);
        query.bindValue(6, record.answerMs);
        query.bindValue(7, record.tempo);
        query.bindValue(8, record.band);
        if (!query.exec()) {
            return server_table::problemIn(dialect, query.lastError(), file, written);
        }
    }
    return {};
}

StoreStatus append(SqlDialect dialect, QSqlDatabase& db, const QString& file,
                   const std::vector<answers::AnswerRecord>& records) {
    if (records.empty()) {
        return {};
    }
    const QString written = QStringLiteral("written");
    QSqlQuery begin(db);
    if (!begin.exec(dialect == SqlDialect::Postgres ? QStringLiteral("BEGIN")
                                                    : QStringLiteral("BEGIN IMMEDIATE"))) {
        return server_table::problemIn(dialect, begin.lastError(), file, written);
    }
    StoreStatus status = insert(dialect, db, file, records);
    if (status) {
        QSqlQuery commit(db);
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            status = server_table::problemIn(dialect, commit.lastError(), file, written);
        }
    }
    if (!status) {
        QSqlQuery rollback(db);
        rollback.exec(QStringLiteral("ROLLBACK")); // fails only when SQLite already rolled back
    }
    return status;
}

StoreResult<std::vector<answers::AnswerRecord>> read(SqlDialect dialect, QSqlDatabase& db,
                                                     const QString& file, qint64 player) {
    using Result = StoreResult<std::vector<answers::AnswerRecord>>;
    const QString done = QStringLiteral("read");
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM \"Answers\" WHERE \"player\" = ? ORDER BY "
                                      "\"at\", %2")
                           .arg(columnList(), writtenOrder(dialect)))) {
        return Result::failure(server_table::problemIn(dialect, query.lastError(), file, done));
    }
    query.addBindValue(player);
    if (!query.exec()) {
        return Result::failure(server_table::problemIn(dialect, query.lastError(), file, done));
    }
    std::vector<answers::AnswerRecord> records;
    while (query.next()) {
        const std::optional<answers::Activity> activity =
            answers::activityOfNumber(query.value(2).toInt());
        if (!activity) {
            continue;
        }
        records.push_back({query.value(0).toLongLong(), query.value(1).toLongLong(), *activity,
                           query.value(3).toInt(), query.value(4).toInt(),
                           query.value(5).toInt() != 0, query.value(6).toLongLong(),
                           query.value(7).toInt(), query.value(8).toInt()});
    }
    if (query.lastError().isValid()) {
        return Result::failure(server_table::problemIn(dialect, query.lastError(), file, done));
    }
    return {std::move(records), {}};
}

StoreResult<std::map<qint64, AnswerTotals>> totals(SqlDialect dialect, QSqlDatabase& db,
                                                   const QString& file) {
    using Result = StoreResult<std::map<qint64, AnswerTotals>>;
    const QString done = QStringLiteral("read");
    // Five integers a row in the index's order, summed up as they come: no record is made. A
    // window function (LAG) would let the database add up the time played too, but sorts every
    // row first and takes several times as long.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT \"player\", \"at\", \"activity\", \"right\", "
                                   "\"answer_ms\" FROM \"Answers\" WHERE \"activity\" IN (%1) "
                                   "ORDER BY \"player\", \"at\", %2")
                        .arg(knownActivities(), writtenOrder(dialect)))) {
        return Result::failure(server_table::problemIn(dialect, query.lastError(), file, done));
    }
    std::map<qint64, AnswerTotals> all;
    TotalsCounter counter;
    qint64 currentPlayer = 0;
    while (query.next()) {
        const qint64 player = query.value(0).toLongLong();
        if (!counter.counting() || player != currentPlayer) {
            counter.start(&all[player]);
            currentPlayer = player;
        }
        counter.add(query.value(1).toLongLong(), query.value(2).toInt(),
                    query.value(3).toInt() != 0, query.value(4).toLongLong());
    }
    counter.start(nullptr);
    if (query.lastError().isValid()) {
        return Result::failure(server_table::problemIn(dialect, query.lastError(), file, done));
    }
    return {std::move(all), {}};
}

} // namespace pulsadrome::app::answer_table
