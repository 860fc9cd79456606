// SPDX-License-Identifier: GPL-3.0-or-later
// The player tables' SQL on a PostgreSQL server for PlayerStore: the schema, made or brought up
// to date under a lock so that two computers starting at once do it once, and the server's
// errors told as sentences naming the database.
#pragma once

#include "app/PlayerStore.h"

#include <QString>

class QSqlDatabase;
class QSqlError;

namespace pulsadrome::app::server_table {

// The schema this program makes and reads, kept in table "SchemaVersion" (one row).
// 1: "Pulsadrome" (row id "id" and the record's text columns) and "Answers".
constexpr int kSchemaVersion = 1;

// `done` says what could not be done: "opened", "read", "written" ... A server that cannot be
// reached (or was lost) is Unreachable, a refused login WrongPassword, a refused statement
// NoRights, a lock held longer than the wait Busy.
StoreStatus problemOf(const QSqlError& error, const QString& place, const QString& done);

// The dialect's problemOf: player_table's for SQLite, this one for the server.
StoreStatus problemIn(SqlDialect dialect, const QSqlError& error, const QString& place,
                      const QString& done);

// Makes the schema when the database holds none, or brings an older one up to this version
// (missing record columns are added, empty; other columns stay), in one transaction. A login
// that may only read and write rows can use an up-to-date schema: nothing is then created. A
// schema newer than this program's, or a record column that does not hold text, is refused.
StoreStatus prepare(QSqlDatabase& db, const QString& place);

} // namespace pulsadrome::app::server_table
