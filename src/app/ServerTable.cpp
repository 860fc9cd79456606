// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerTable.h"

#include "app/AnswerTable.h"
#include "app/PlayerTable.h"
#include "app/ServerLogin.h"
#include "app/ServerOutbox.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <libpq-fe.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace pulsadrome::app::server_table {

namespace {

using player_table::failed;

// The number every copy of the program locks while it looks at or changes the schema.
constexpr qint64 kSchemaLock = 0x50756c7361; // "Pulsa"

QString quoted(const QString& identifier) {
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

bool mentions(const QString& text, std::initializer_list<const char*> words) {
    for (const char* word : words) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

// What the database holds of the schema.
struct SchemaState {
    int version = 0;           // 0: no schema yet (or a table made before the version was kept)
    bool tableExists = false;  // "Pulsadrome"
    std::vector<bool> present; // which record columns it has
    bool scoresExist = false;  // "HighScores" and "Copied"

    bool complete() const {
        return tableExists && scoresExist &&
               std::find(present.begin(), present.end(), false) == present.end();
    }
};

// Reads the schema in two statements (one when there is no schema): the tables and the player
// table's columns from the system catalogue, then the version. information_schema would tell
// the same, at several times the cost for a connection just opened. Damaged when a record
// column would not keep text as written.
StoreStatus readSchema(QSqlQuery& query, const QString& place, SchemaState& state) {
    const QString checked = QStringLiteral("checked");
    state = {};
    state.present.assign(kColumnCount, false);
    // One row per column of "Pulsadrome" (one row of NULL columns without the table), each with
    // the tables' presence. A column of a domain counts as the domain's type.
    if (!query.exec(
            QStringLiteral(
                "SELECT to_regclass('\"SchemaVersion\"') IS NOT NULL, "
                "to_regclass('\"Pulsadrome\"') IS NOT NULL, "
                "to_regclass('%1') IS NOT NULL AND to_regclass('%2') IS NOT NULL, a.attname, "
                "format_type(CASE WHEN t.typtype = 'd' THEN t.typbasetype ELSE a.atttypid END, "
                "NULL) "
                "FROM (SELECT 1) AS one LEFT JOIN pg_attribute AS a ON a.attrelid = "
                "to_regclass('\"Pulsadrome\"') AND a.attnum > 0 AND NOT a.attisdropped "
                "LEFT JOIN pg_type AS t ON t.oid = a.atttypid")
                .arg(highScoreTable(), copiedTable()))) {
        return problemOf(query.lastError(), place, checked);
    }
    bool versionKept = false;
    while (query.next()) {
        versionKept = query.value(0).toBool();
        state.tableExists = query.value(1).toBool();
        state.scoresExist = query.value(2).toBool();
        if (query.isNull(3)) {
            continue;
        }
        const QString column = query.value(3).toString();
        if (const auto index = columnIndex(column)) {
            const QString type = query.value(4).toString();
            if (type != QLatin1String("text") && type != QLatin1String("character varying")) {
                return {StoreProblem::Damaged,
                        QStringLiteral("The player database %1 is not usable: its column \"%2\" "
                                       "does not hold text.")
                            .arg(place, column),
                        StoreFault::Damaged, type};
            }
            state.present[static_cast<std::size_t>(*index)] = true;
        }
    }
    if (query.lastError().isValid()) {
        return problemOf(query.lastError(), place, checked);
    }
    if (!versionKept) {
        return {};
    }
    if (!query.exec(
            QStringLiteral("SELECT coalesce(max(\"version\"), 0) FROM \"SchemaVersion\""))) {
        return problemOf(query.lastError(), place, checked);
    }
    if (query.next()) {
        state.version = query.value(0).toInt();
    }
    return {};
}

StoreStatus newerSchema(const QString& place, int version) {
    const QString why =
        QStringLiteral("schema %1, newer than this program's %2").arg(version).arg(kSchemaVersion);
    return failed(QStringLiteral("The player database %1 was made by a newer Pulsadrome (%2).")
                      .arg(place, why),
                  StoreFault::NewerSchema, why);
}

StoreStatus makeOrComplete(QSqlDatabase& db, QSqlQuery& query, const QString& place,
                           bool tableExists, const std::vector<bool>& present, int version) {
    const QString created = QStringLiteral("prepared");
    if (!tableExists) {
        QStringList definitions{QStringLiteral("\"id\" BIGSERIAL PRIMARY KEY")};
        for (int i = 0; i < kColumnCount; ++i) {
            definitions << quoted(columnName(i)) + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
        }
        if (!query.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                            .arg(player_table::name(), definitions.join(QStringLiteral(", "))))) {
            return problemOf(query.lastError(), place, created);
        }
    } else {
        for (int i = 0; i < kColumnCount; ++i) {
            if (!present[static_cast<std::size_t>(i)] &&
                !query.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT NOT NULL DEFAULT ''")
                                .arg(player_table::name(), quoted(columnName(i))))) {
                return problemOf(query.lastError(), place, created);
            }
        }
    }
    if (StoreStatus status = answer_table::prepare(SqlDialect::Postgres, db, place); !status) {
        return status;
    }
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"id\" BIGSERIAL PRIMARY KEY, "
                                   "\"game\" INTEGER NOT NULL, \"name\" TEXT NOT NULL, "
                                   "\"score\" INTEGER NOT NULL)")
                        .arg(highScoreTable())) ||
        !query.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS \"HighScoresRanks\" ON %1 "
                                   "(\"game\", \"score\" DESC, \"id\")")
                        .arg(highScoreTable())) ||
        !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"source\" TEXT NOT NULL, "
                                   "\"item\" TEXT NOT NULL, PRIMARY KEY (\"source\", \"item\"))")
                        .arg(copiedTable()))) {
        return problemOf(query.lastError(), place, created);
    }
    if (version == 0 && !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"SchemaVersion\" "
                                                   "(\"version\" INTEGER NOT NULL)"))) {
        return problemOf(query.lastError(), place, created);
    }
    if (version < kSchemaVersion &&
        (!query.exec(QStringLiteral("DELETE FROM \"SchemaVersion\"")) ||
         !query.exec(
             QStringLiteral("INSERT INTO \"SchemaVersion\" VALUES (%1)").arg(kSchemaVersion)))) {
        return problemOf(query.lastError(), place, created);
    }
    return {};
}

// The schema as it is, and whether it is this program's, whole (`ready`); one a newer program
// made is refused.
StoreStatus lookAtSchema(QSqlQuery& query, const QString& place, SchemaState& state, bool& ready) {
    if (StoreStatus status = readSchema(query, place, state); !status) {
        return status;
    }
    if (state.version > kSchemaVersion) {
        return newerSchema(place, state.version);
    }
    ready = state.version == kSchemaVersion && state.complete();
    return {};
}

StoreStatus prepareLocked(QSqlDatabase& db, const QString& place) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSchemaLock))) {
        return problemOf(query.lastError(), place, QStringLiteral("checked"));
    }
    SchemaState state;
    bool ready = false;
    if (StoreStatus status = lookAtSchema(query, place, state, ready); !status || ready) {
        return status; // nothing to make: a login that may only use rows goes on from here
    }
    return makeOrComplete(db, query, place, state.tableExists, state.present, state.version);
}

// Whether this login may read, add and store players and append answers, in the tables as they
// are.
StoreStatus checkRowRights(QSqlQuery& query, const QString& place) {
    if (!query.exec(QStringLiteral(
            "SELECT has_table_privilege('\"Pulsadrome\"', 'SELECT') AND "
            "has_table_privilege('\"Pulsadrome\"', 'INSERT') AND "
            "has_table_privilege('\"Pulsadrome\"', 'UPDATE') AND "
            "has_table_privilege('\"Answers\"', 'SELECT') AND "
            "has_table_privilege('\"Answers\"', 'INSERT') AND "
            "coalesce(has_sequence_privilege(pg_get_serial_sequence('\"Pulsadrome\"', 'id'), "
            "'USAGE'), true)"))) {
        return problemOf(query.lastError(), place, QStringLiteral("checked"));
    }
    if (query.next() && query.value(0).toBool()) {
        return {};
    }
    const QString why = QStringLiteral("this user may not read and write the player tables");
    return failed(QStringLiteral("The player database %1 could not be used: %2.").arg(place, why),
                  StoreFault::NoRights, why);
}

} // namespace

QString highScoreTable() {
    return QStringLiteral("\"HighScores\"");
}

QString copiedTable() {
    return QStringLiteral("\"Copied\"");
}

StoreStatus problemOf(const QSqlError& error, const QString& place, const QString& done) {
    // The server's words on one line: libpq adds lines of its own ("Is the server running ...").
    const QString reason =
        (error.databaseText().isEmpty() ? error.text() : error.databaseText()).simplified();
    const QString code = error.nativeErrorCode();
    const auto status = [&](StoreProblem problem, StoreFault fault, const QString& sentence) {
        return StoreStatus{problem, sentence.arg(place, done, reason), fault, reason};
    };
    const QString plain = QStringLiteral("The player database %1 could not be %2: %3.");
    // The server's SQLSTATE says what happened in any language it speaks. A failed connection
    // carries none through Qt's driver: loginProblem() asks the server again for it.
    if (code.startsWith(QLatin1String("28"))) { // invalid_password, invalid_authorization_...
        return status(StoreProblem::Failed, StoreFault::WrongPassword,
                      QStringLiteral("The player database %1 could not be %2: the server refused "
                                     "the user name or the password (%3)."));
    }
    if (code == QLatin1String("3D000")) { // invalid_catalog_name
        return status(StoreProblem::Failed, StoreFault::NoDatabase,
                      QStringLiteral("The player database %1 could not be %2: the server has no "
                                     "database of that name (%3)."));
    }
    if (code == QLatin1String("42501")) { // insufficient_privilege
        return status(StoreProblem::Failed, StoreFault::NoRights,
                      QStringLiteral("The player database %1 could not be %2: the server does "
                                     "not allow this user to do it (%3)."));
    }
    if (code == QLatin1String("55P03") || code == QLatin1String("40P01") ||
        code == QLatin1String("40001")) { // lock_not_available, deadlock, serialization
        return status(StoreProblem::Busy, StoreFault::InUse,
                      QStringLiteral("The player database %1 could not be %2: another computer "
                                     "is changing it (%3). Try again in a moment."));
    }
    if (code == QLatin1String("53100")) { // disk_full
        return status(StoreProblem::Failed, StoreFault::DiskFull, plain);
    }
    // Class 08 (connection), 57P01 ... 57P03 (the server shutting down or starting), or a
    // connection the driver found broken before the server could say anything. libpq's own
    // words are in this computer's language: PlayerStore also asks the connection itself
    // (connectionLost()).
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P")) ||
        (code.isEmpty() && (error.type() == QSqlError::ConnectionError ||
                            mentions(reason, {"connect", "server closed", "terminat", "timeout",
                                              "timed out", "no connection"})))) {
        return status(StoreProblem::Failed, StoreFault::Unreachable,
                      QStringLiteral("The player database %1 could not be %2: the server cannot "
                                     "be reached (%3)."));
    }
    return status(StoreProblem::Failed, StoreFault::Other, plain);
}

StoreStatus loginProblem(const ServerAddress& address, const QString& place,
                         const QSqlError& openError, int timeoutMs) {
    const QString opened = QStringLiteral("opened");
    if (!openError.nativeErrorCode().isEmpty()) {
        return problemOf(openError, place, opened);
    }
    const LoginAnswer answer = tryLogin(address, timeoutMs);
    const QString words = answer.text.isEmpty() ? openError.databaseText().trimmed() : answer.text;
    switch (answer.kind) {
    case LoginAnswer::Kind::Refused:
        return problemOf(
            QSqlError(openError.driverText(), words, QSqlError::ConnectionError, answer.sqlState),
            place, opened);
    case LoginAnswer::Kind::PasswordMissing:
        return problemOf(QSqlError(openError.driverText(), words, QSqlError::ConnectionError,
                                   QStringLiteral("28P01")),
                         place, opened);
    case LoginAnswer::Kind::NoAnswer:
    case LoginAnswer::Kind::Accepted: // it answers again now: the first attempt was lost
        break;
    }
    return problemOf(QSqlError(openError.driverText(), words, QSqlError::ConnectionError,
                               QStringLiteral("08006")),
                     place, opened);
}

namespace {

// The driver's libpq connection of `db`; `isServer` false for a connection that is none.
PGconn* libpqConnection(const QSqlDatabase& db, bool& isServer) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    // Qt names the handle's type after libpq's struct: "pg_conn*" ("PGconn*" in some builds).
    isServer = handle.isValid() && (qstrcmp(handle.typeName(), "pg_conn*") == 0 ||
                                    qstrcmp(handle.typeName(), "PGconn*") == 0);
    return isServer ? *static_cast<PGconn* const*>(handle.constData()) : nullptr;
}

} // namespace

bool connectionLost(const QSqlDatabase& db) {
    bool isServer = false;
    PGconn* conn = libpqConnection(db, isServer);
    return isServer && (!conn || PQstatus(conn) == CONNECTION_BAD);
}

int connectionSocket(const QSqlDatabase& db) {
    bool isServer = false;
    PGconn* conn = libpqConnection(db, isServer);
    return conn ? PQsocket(conn) : -1;
}

void cutShort(int socket) {
    if (::shutdown(socket, SHUT_RDWR) != 0) {
        qWarning().noquote() << "A connection to the players server could not be cut short:"
                             << qt_error_string(errno);
    }
}

StoreStatus problemIn(SqlDialect dialect, const QSqlError& error, const QString& place,
                      const QString& done) {
    return dialect == SqlDialect::Postgres ? problemOf(error, place, done)
                                           : player_table::problemOf(error, place, done);
}

StoreStatus connect(const QString& connectionName, const ServerAddress& server, int busyTimeoutMs) {
    const QString place = server.shown();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        return failed(QStringLiteral("The player database %1 cannot be opened: Qt's PostgreSQL "
                                     "driver is not installed.")
                          .arg(place));
    }
    if (!QSqlDatabase::contains(connectionName)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        configureServerConnection(db, server);
    }
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    db.close();
    if (!db.open()) {
        // A server that refused answers again at once; one that did not answer gets a short
        // second chance only.
        constexpr int kLoginCheckMs = 3000;
        return loginProblem(server, place, db.lastError(), kLoginCheckMs);
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SET lock_timeout = %1").arg(busyTimeoutMs))) {
        return problemOf(query.lastError(), place, QStringLiteral("opened"));
    }
    return prepare(db, place);
}

StoreStatus prepare(QSqlDatabase& db, const QString& place) {
    // Nearly every open finds the schema as this program makes it, which one look tells without
    // a transaction or the lock. A schema another computer is making or bringing up to date is
    // not seen before its transaction ends, so a schema this look finds complete is complete.
    {
        QSqlQuery query(db);
        SchemaState state;
        bool ready = false;
        if (StoreStatus status = lookAtSchema(query, place, state, ready); !status || ready) {
            return status;
        }
    }
    if (!db.transaction()) {
        return problemOf(db.lastError(), place, QStringLiteral("checked"));
    }
    StoreStatus status = prepareLocked(db, place);
    if (status && !db.commit()) {
        status = problemOf(db.lastError(), place, QStringLiteral("prepared"));
    }
    if (!status) {
        db.rollback();
    }
    return status;
}

StoreStatus rehearse(QSqlDatabase& db, const QString& place, Readiness& readiness) {
    if (!db.transaction()) {
        return problemOf(db.lastError(), place, QStringLiteral("checked"));
    }
    QSqlQuery query(db);
    SchemaState state;
    StoreStatus status = readSchema(query, place, state);
    readiness = state.version == kSchemaVersion && state.complete() ? Readiness::Ready
                                                                    : Readiness::WouldPrepare;
    if (status) {
        status = prepareLocked(db, place);
    }
    if (status) {
        status = checkRowRights(query, place);
    }
    // Whatever was made goes again: the rehearsal leaves the server as it found it.
    if (!db.rollback() && status) {
        status = problemOf(db.lastError(), place, QStringLiteral("checked"));
    }
    return status;
}

} // namespace pulsadrome::app::server_table
