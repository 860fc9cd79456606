// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log's SQL for PlayerStore: table "Answers" beside the player table, one row per
// answer, every column an integer so that a year of a class stays small, and an index by player
// and time.
#pragma once

#include "answers/AnswerRecord.h"
#include "app/PlayerStore.h"

#include <QString>

#include <map>
#include <vector>

class QSqlDatabase;

namespace pulsadrome::app::answer_table {

// The table and its index when missing, and the columns an older table lacks (0 in every row);
// other columns stay as they are. Runs inside the caller's transaction, if any. On a server the
// rows also number themselves in "n", which keeps their order.
StoreStatus prepare(SqlDialect dialect, QSqlDatabase& db, const QString& file);

// Inserts `records` inside the caller's transaction.
StoreStatus insert(SqlDialect dialect, QSqlDatabase& db, const QString& file,
                   const std::vector<answers::AnswerRecord>& records);

// Appends `records` in one transaction: all of them or none.
StoreStatus append(SqlDialect dialect, QSqlDatabase& db, const QString& file,
                   const std::vector<answers::AnswerRecord>& records);

// The answers of `player`, oldest first (equal times in the order they were written). A row
// whose activity the catalogue does not know is passed over.
StoreResult<std::vector<answers::AnswerRecord>> read(SqlDialect dialect, QSqlDatabase& db,
                                                     const QString& file, qint64 player);

// The totals of answers given in any order, counted as totals() counts them.
AnswerTotals totalsOf(std::vector<answers::AnswerRecord> records);

// Every player's totals (PlayerStore::answerTotals), summed up over one query with the rows in
// the order read() gives them; rows read() passes over are not counted.
StoreResult<std::map<qint64, AnswerTotals>> totals(SqlDialect dialect, QSqlDatabase& db,
                                                   const QString& file);

} // namespace pulsadrome::app::answer_table
