// SPDX-License-Identifier: GPL-3.0-or-later
// The player tables' SQL on a PostgreSQL server for PlayerStore: the schema, made or brought up
// to date under a lock so that two computers starting at once do it once, and the server's
// errors told as sentences naming the database.
#pragma once

#include "app/PlayerStore.h"
#include "app/ServerAddress.h"

#include <QString>

class QSqlDatabase;
class QSqlError;

namespace pulsadrome::app::server_table {

// The schema this program makes and reads, kept in table "SchemaVersion" (one row).
// 1: "Pulsadrome" (row id "id" and the record's text columns) and "Answers".
// 2: and "HighScores", the scored games' tables: one row per entry ("id", "game" 1 ... 14,
//    "name" as a table stores it, "score"), ranked by score and then by "id" (the earlier
//    entry first), and "Copied", what each computer's one-time copy of its own players and
//    scores brought ("source" names the computer's data folder, "item" the player or entry).
constexpr int kSchemaVersion = 2;

// The high-score table's name, quoted for SQL.
QString highScoreTable();
// The table of what was copied from computers' own data folders, quoted for SQL.
QString copiedTable();

// `done` says what could not be done: "opened", "read", "written" ... A server that cannot be
// reached (or was lost) is Unreachable, a refused login WrongPassword, a refused statement
// NoRights, a lock held longer than the wait Busy.
StoreStatus problemOf(const QSqlError& error, const QString& place, const QString& done);

// Why a connection to `address` failed to open: Qt's driver gives no SQLSTATE then, so the
// server is asked again with libpq (tryLogin(), `timeoutMs` at most) and its code read, which
// tells a refused login, a missing database and a server that does not answer apart in any
// language.
StoreStatus loginProblem(const ServerAddress& address, const QString& place,
                         const QSqlError& openError, int timeoutMs);

// True when the server's connection `db` is broken (the server went, the network dropped); a
// statement's error without a SQLSTATE then means the server was lost, in any language.
bool connectionLost(const QSqlDatabase& db);
// The socket of the server connection `db`; -1 when it has none.
int connectionSocket(const QSqlDatabase& db);
// Ends the connection of `socket` from another thread: what waits for the server on it fails
// at once, as when the connection is lost. The connection's owner still closes it.
void cutShort(int socket);

// The dialect's problemOf: player_table's for SQLite, this one for the server.
StoreStatus problemIn(SqlDialect dialect, const QSqlError& error, const QString& place,
                      const QString& done);

// Makes the schema when the database holds none, or brings an older one up to this version
// (missing record columns are added, empty; other columns stay), in one transaction. A login
// that may only read and write rows can use an up-to-date schema: nothing is then created. A
// schema newer than this program's, or a record column that does not hold text, is refused.
StoreStatus prepare(QSqlDatabase& db, const QString& place);

// What prepare() would do, done in a transaction that is then rolled back, so that the server
// stays as it was: Ready when the schema is this program's and complete, WouldPrepare when it
// would be made or brought up to date. Also checks that the login may read, add and store
// players and answers (NoRights when not).
enum class Readiness { Ready, WouldPrepare };
StoreStatus rehearse(QSqlDatabase& db, const QString& place, Readiness& readiness);

// Opens connection `connectionName` (added when Qt has none of that name) to `server`, with a
// lock wait of at most `busyTimeoutMs`, and prepares the schema.
StoreStatus connect(const QString& connectionName, const ServerAddress& server, int busyTimeoutMs);

} // namespace pulsadrome::app::server_table
