// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerTable.h"

#include "app/AnswerTable.h"
#include "common/NetworkFileSystem.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace pulsadrome::app::player_table {

namespace {

// SQLite's primary result codes, as Qt reports them in QSqlError::nativeErrorCode().
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kSqlitePerm = 3;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteAuth = 23;
constexpr int kSqliteReadOnlyRollback = 8 | (3 << 8);

QString quoted(const QString& identifier) {
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

StoreStatus notAPlayerDatabase(const QString& file, const QString& why) {
    return {StoreProblem::Damaged,
            QStringLiteral("The file %1 is not a usable player database: %2.").arg(file, why),
            StoreFault::Damaged, why};
}

// The kind of a failure SQLite reported with `code` (its primary result code) while the
// database was being `done` to.
StoreFault faultOf(int code, const QString& done) {
    switch (code) {
    case kSqliteIoError:
        // Reading a file that cannot be read is not opening it; a write the system refused is
        // most often a disk that takes no more.
        return done == QLatin1String("opened") || done == QLatin1String("checked") ||
                       done == QLatin1String("read") || done == QLatin1String("recovered")
                   ? StoreFault::CannotOpen
                   : StoreFault::WriteRefused;
    case kSqliteFull:
        return StoreFault::DiskFull;
    case kSqlitePerm:
    case kSqliteReadOnly:
    case kSqliteAuth:
        return StoreFault::NoPermission;
    case kSqliteCantOpen:
        return StoreFault::CannotOpen;
    default:
        return StoreFault::Other;
    }
}

// True when SQLite keeps a text written into a column declared `declared` as that text. INTEGER,
// REAL and NUMERIC affinities would turn "01" into 1.
bool keepsTextAsWritten(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT"))) {
        return false;
    }
    return type.isEmpty() || type.contains(QLatin1String("CHAR")) ||
           type.contains(QLatin1String("CLOB")) || type.contains(QLatin1String("TEXT")) ||
           type.contains(QLatin1String("BLOB"));
}

// SQLite's write-ahead log keeps its readers and writers in step through shared memory, which
// only works between programs of one computer. A folder other computers may reach keeps the
// rollback journal, which goes through the file system's own locks.
StoreStatus chooseJournal(QSqlDatabase& db, const QString& file) {
    const bool shared = onNetworkFileSystem(QFileInfo(file).absolutePath()).value_or(false);
    QSqlQuery query(db);
    if (!query.exec(shared ? QStringLiteral("PRAGMA journal_mode = DELETE")
                           : QStringLiteral("PRAGMA journal_mode = WAL"))) {
        return problemOf(query.lastError(), file, QStringLiteral("opened"));
    }
    // A file system without shared memory keeps the rollback journal: as safe, only slower.
    return {};
}

// Damaged unless SQLite's own check of every page finds nothing.
StoreStatus checkPages(QSqlQuery& query, const QString& file) {
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
        return problemOf(query.lastError(), file, QStringLiteral("checked"));
    }
    QStringList findings;
    while (query.next()) {
        const QString line = query.value(0).toString();
        if (!line.startsWith(QLatin1String("***"))) { // "*** in database main ***"
            findings << line;
        }
    }
    if (query.lastError().isValid()) { // a step after the first one failed
        return problemOf(query.lastError(), file, QStringLiteral("checked"));
    }
    if (findings != QStringList{QStringLiteral("ok")}) {
        return notAPlayerDatabase(file,
                                  QStringLiteral("it is damaged (%1)").arg(findings.value(0)));
    }
    return {};
}

// Which record columns the table has; Damaged when it is missing or one would not keep text.
StoreStatus findColumns(QSqlQuery& query, const QString& file, std::vector<bool>& present) {
    const QString checked = QStringLiteral("checked");
    if (!query.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                   "name = 'Pulsadrome' COLLATE NOCASE"))) {
        return problemOf(query.lastError(), file, checked);
    }
    if (!query.next()) {
        return notAPlayerDatabase(file, QStringLiteral("it holds no table \"Pulsadrome\""));
    }
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(name()))) {
        return problemOf(query.lastError(), file, checked);
    }
    present.assign(kColumnCount, false);
    while (query.next()) {
        const QString column = query.value(1).toString();
        if (const auto index = columnIndex(column)) {
            if (!keepsTextAsWritten(query.value(2).toString())) {
                return notAPlayerDatabase(
                    file, QStringLiteral("its column \"%1\" does not hold text").arg(column));
            }
            present[static_cast<std::size_t>(*index)] = true;
        }
    }
    if (query.lastError().isValid()) {
        return problemOf(query.lastError(), file, checked);
    }
    if (!query.exec(QStringLiteral("SELECT rowid FROM %1 LIMIT 1").arg(name()))) {
        const StoreStatus status = problemOf(query.lastError(), file, checked);
        return status.problem == StoreProblem::Failed
                   ? notAPlayerDatabase(file, QStringLiteral("its table has no row ids"))
                   : status;
    }
    query.finish();
    return {};
}

StoreStatus addColumns(QSqlDatabase& db, const QString& file, const std::vector<bool>& present) {
    const QString repaired = QStringLiteral("repaired");
    if (!db.transaction()) {
        return problemOf(db.lastError(), file, repaired);
    }
    QSqlQuery query(db);
    for (int i = 0; i < kColumnCount; ++i) {
        if (!present[static_cast<std::size_t>(i)] &&
            !query.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT NOT NULL DEFAULT ''")
                            .arg(name(), quoted(columnName(i))))) {
            const StoreStatus status = problemOf(query.lastError(), file, repaired);
            db.rollback();
            return status;
        }
    }
    if (!db.commit()) {
        const StoreStatus status = problemOf(db.lastError(), file, repaired);
        db.rollback();
        return status;
    }
    return {};
}

} // namespace

QString name() {
    return QStringLiteral("\"Pulsadrome\"");
}

QString columns() {
    QStringList names;
    for (int i = 0; i < kColumnCount; ++i) {
        names << quoted(columnName(i));
    }
    return names.join(QStringLiteral(", "));
}

StoreStatus problemOf(const QSqlError& error, const QString& file, const QString& done) {
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xff; // extended codes too
    if (numeric && (code == kSqliteBusy || code == kSqliteLocked)) {
        return {StoreProblem::Busy,
                QStringLiteral("The player database %1 could not be %2: another copy of "
                               "Pulsadrome is using it. Try again in a moment.")
                    .arg(file, done),
                StoreFault::InUse, reason};
    }
    if (numeric && (code == kSqliteCorrupt || code == kSqliteNotADatabase)) {
        return notAPlayerDatabase(file, reason);
    }
    return failed(QStringLiteral("The player database %1 could not be %2: %3.")
                      .arg(file, done, reason.isEmpty() ? QStringLiteral("unknown error") : reason),
                  numeric ? faultOf(code, done) : StoreFault::Other, reason);
}

StoreStatus failed(QString sentence, StoreFault fault, QString systemText) {
    return {StoreProblem::Failed, std::move(sentence), fault, std::move(systemText)};
}

StoreStatus create(QSqlDatabase& db, const QString& file) {
    if (StoreStatus status = chooseJournal(db, file); !status) {
        return status;
    }
    QStringList definitions{QStringLiteral("\"id\" INTEGER PRIMARY KEY")};
    for (int i = 0; i < kColumnCount; ++i) {
        definitions << quoted(columnName(i)) + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                        .arg(name(), definitions.join(QStringLiteral(", "))))) {
        return problemOf(query.lastError(), file, QStringLiteral("created"));
    }
    return answer_table::prepare(SqlDialect::Sqlite, db, file);
}

bool hasInterruptedWrite(QSqlDatabase& readOnly) {
    QSqlQuery query(readOnly);
    if (query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        return false;
    }
    bool numeric = false;
    const int code = query.lastError().nativeErrorCode().toInt(&numeric);
    return numeric && code == kSqliteReadOnlyRollback;
}

StoreStatus judge(QSqlDatabase& readOnly, const QString& file) {
    QSqlQuery query(readOnly);
    std::vector<bool> present;
    StoreStatus status = checkPages(query, file);
    if (status) {
        status = findColumns(query, file, present);
    }
    return status;
}

StoreStatus upgrade(QSqlDatabase& db, const QString& file) {
    // The columns again: another copy may have added some since the file was judged.
    QSqlQuery query(db);
    std::vector<bool> present;
    StoreStatus status = findColumns(query, file, present);
    if (status) {
        status = chooseJournal(db, file);
    }
    if (status && std::find(present.begin(), present.end(), false) != present.end()) {
        status = addColumns(db, file, present);
    }
    if (status) {
        status = answer_table::prepare(SqlDialect::Sqlite, db, file);
    }
    return status;
}

} // namespace pulsadrome::app::player_table
