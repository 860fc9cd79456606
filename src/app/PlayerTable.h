// SPDX-License-Identifier: GPL-3.0-or-later
// The player table's SQL for PlayerStore: its creation, the checks an existing file must pass
// before anything is written to it, and SQLite's errors told as sentences naming the file.
#pragma once

#include "app/PlayerStore.h"

#include <QString>

class QSqlDatabase;
class QSqlError;

namespace pulsadrome::app::player_table {

// "Pulsadrome", quoted for SQL.
QString name();
// "Nom", "password", ... in record order, quoted for SQL.
QString columns();

// `done` says what could not be done to the database: "opened", "read", "written" ...
// SQLite's busy and locked errors are Busy, its corrupt and not-a-database errors Damaged.
StoreStatus problemOf(const QSqlError& error, const QString& file, const QString& done);
StoreStatus failed(QString sentence, StoreFault fault = StoreFault::Other, QString systemText = {});

// A new file: its journal (WAL, or the rollback journal on a network file system) and the table,
// every column TEXT, plus the integer row id; then the answer log's table (answer_table).
StoreStatus create(QSqlDatabase& db, const QString& file);

// True when the file holds a write cut short in rollback-journal mode (a hot journal): a
// read-only connection cannot read it until a writer has put the file back as it was before.
bool hasInterruptedWrite(QSqlDatabase& readOnly);

// An existing file, judged on a read-only connection: Damaged unless it is sound and holds a
// "Pulsadrome" table with row ids whose record columns keep text as written.
StoreStatus judge(QSqlDatabase& readOnly, const QString& file);

// A file judge() found sound, on the read-write connection: its journal, and the record columns
// the table lacks are added, empty, in one transaction; other columns stay as they are. The
// answer log's table is then made or completed (answer_table).
StoreStatus upgrade(QSqlDatabase& db, const QString& file);

} // namespace pulsadrome::app::player_table
