// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/AnswerRecord.h"
#include "app/DataDirectory.h"
#include "app/PlayerRecord.h"
#include "app/ServerAddress.h"
#include "common/AtomicFile.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QSqlDatabase;
class QThread;
class QSqlError;

namespace pulsadrome::app {

class ServerOutbox;

// How long the sending of changes a server could not take waits before trying it again:
// `firstMs` after the first failure, twice as long after each next one, at most `longestMs`.
struct ServerRetry {
    int firstMs = 1000;
    int longestMs = 15000;
};

enum class StoreProblem {
    None,
    Damaged, // the file is not a player database; setAsideAndCreateFresh() may replace it
    Busy,    // another running copy holds the database; trying again later may succeed
    Failed,  // anything else (unreadable file, full disk, missing row ...)
};

// What went wrong, in kinds a screen can put in the player's language (storeProblemText()).
enum class StoreFault {
    None,
    Damaged,        // the file is not a usable player database
    InUse,          // another running copy holds the database
    DiskFull,       // the disk takes no more
    WriteRefused,   // the disk refused a write (full for this file, removed, failing)
    NoPermission,   // the file or its folder may not be written
    CannotOpen,     // the file cannot be opened or created
    CannotSetAside, // a damaged file cannot be renamed
    PlayerMissing,  // the player's row is no longer in the file
    Unreachable,    // the database server cannot be reached, or the connection was lost
    WrongPassword,  // the database server refused the user name or the password
    NoRights,       // the database server refused what this user asked of it
    NoDatabase,     // the database server has no database of that name
    NewerSchema,    // the server's tables were made by a newer version of the program
    Other,          // anything else: systemText says what the computer said
};

// How a database operation went: nothing wrong, or a sentence naming the file (for the log),
// the kind of fault, and the system's own words when it gave any.
struct StoreStatus {
    StoreProblem problem = StoreProblem::None;
    QString message;
    StoreFault fault = StoreFault::None;
    QString systemText;

    bool ok() const { return problem == StoreProblem::None; }
    explicit operator bool() const { return ok(); }

    friend bool operator==(const StoreStatus&, const StoreStatus&) = default;
};

// A value, or the status saying why there is none.
template <typename T> struct StoreResult {
    std::optional<T> value;
    StoreStatus status;

    static StoreResult failure(StoreStatus why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const& { return *value; }
    // By value from a temporary, so `for (auto& p : *store.players())` holds no dangling reference.
    T operator*() && { return std::move(*value); }
    const T* operator->() const { return &*value; }
};

// One player's answers as the class table sums them up: how many, how many right, the last
// one's time and the time played, counted as answers::summarise() counts it.
struct AnswerTotals {
    int answers = 0;
    int right = 0;
    qint64 lastUtc = 0;
    qint64 playedSeconds = 0;

    bool operator==(const AnswerTotals&) const = default;
};

// The SQL a database speaks: the embedded file's, or the server's.
enum class SqlDialect { Sqlite, Postgres };

// The player table's row id: rows are listed in the order they were added.
using RowId = qint64;

struct PlayerEntry {
    RowId id = 0;
    QString name; // "Nom" as stored

    bool operator==(const PlayerEntry&) const = default;
};

// What the rules and screens need of the player database: the current player's record, held in
// memory where the screens read and write it, and the way to store it. PlayerStore is the real
// one; tests of the rules hold a record of their own.
class PlayerRecordStore {
public:
    virtual ~PlayerRecordStore() = default;
    virtual PlayerRecord& current() = 0;
    // Writes what this run changed in current() into the current row, all or nothing. On
    // failure the record stays in memory as it was, and storing may be tried again.
    virtual StoreStatus storeCurrent() = 0;
};

// The player database: the SQLite file "pulsadrome.sqlite" of the data directory, table
// "Pulsadrome", one TEXT column per record column plus the integer row id. A new file is made
// readable and writable by its owner only (SQLite gives its journals the same mode). Several
// running copies of the program may share the file: a writer waits up to the busy timeout for
// another copy's write to end, then reports Busy, and storing the current player never undoes
// what another copy stored (see storeCurrent()).
//
// The same store may instead use a PostgreSQL server shared by several computers (a school's
// room): the same table "Pulsadrome" with the same text columns and the row id "id", beside a
// table "SchemaVersion". There a writer waits up to the busy timeout for a row another computer
// is storing, and a store locks the row it reads again (see storeCurrent()). A connection lost
// is opened again at the next operation.
//
// A store on a server told where to keep what it cannot send (keepUnsentIn()) goes on when the
// server drops: a record or answers the server cannot take are kept, sent in order by a thread
// of their own as soon as the server answers again (ServerOutbox), and meanwhile no operation
// of the store tries to reach the server: one that needs it fails at once as Unreachable. What
// is still unsent when the store closes stays in the journal of the data folder and is sent by
// the next open() on the same server, before any player is read.
//
// No operation throws; each reports what went wrong in its status. Nothing is ever deleted: a
// file that is not a player database is left untouched until setAsideAndCreateFresh() renames
// it.
class PlayerStore final : public PlayerRecordStore {
public:
    static constexpr int kDefaultBusyTimeoutMs = 3000;
    static QString fileName() { return QStringLiteral("pulsadrome.sqlite"); }

    explicit PlayerStore(const DataDirectory& directory, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    // The players of a database server; file() is then the server's URL without the password.
    explicit PlayerStore(const ServerAddress& server, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    ~PlayerStore() override;
    PlayerStore(const PlayerStore&) = delete;
    PlayerStore& operator=(const PlayerStore&) = delete;

    const QString& file() const { return file_; }
    bool onServer() const { return server_.has_value(); }
    // The server in use; none for the data directory's file.
    const std::optional<ServerAddress>& server() const { return server_; }
    // Closes the store and makes it the store of the data directory's file, or of a server; the
    // next open() opens that one.
    void useFile(const DataDirectory& directory);
    void useServer(const ServerAddress& server);
    bool isOpen() const { return open_; }
    // Closes the store (what is unsent goes into the journal); the next open() opens it again.
    void close();
    // Gives the store's connection to `thread`, which uses the store from now on. Only the
    // thread that uses the store now may call it, after which it must no longer use the store
    // (StoreLoan lends a store to a thread of its own).
    void handTo(QThread* thread);

    // On a server, from the next open(): what the server cannot take is kept and sent later,
    // in the journal of `directory` (ServerOutbox::fileName()) while the program is not running.
    void keepUnsentIn(const DataDirectory& directory, ServerRetry retry = {});
    // The changes kept for the server and not sent yet.
    std::size_t unsentCount() const;
    // On a server kept unsent changes for: it was lost and has not been reached since, so
    // that whatever needs it had better not wait for it.
    bool serverKnownDown() const;
    // Something else on the same server (the high scores) found it unreachable: the store
    // takes it as lost, as if one of its own operations had.
    void serverFoundDown();
    // Writes the journal of what is unsent now; its outcome (ok when nothing waits).
    WriteOutcome keepUnsentNow();
    // The journal as open() found it: renamed aside when it was damaged (the new name), or a
    // problem reading it. Empty and ok otherwise.
    const QString& setAsideJournal() const { return setAsideJournal_; }
    const StoreStatus& journalProblem() const { return journalProblem_; }

    // Opens the database, creating it when the file does not exist. An existing file is judged
    // first on a read-only connection: Damaged when it is not a player database, and then the
    // file and its WAL are left byte for byte as they were. A sound table lacking some of the
    // record's columns gets them (empty texts); other columns of the table are left alone. The
    // current player becomes the first row, or none when there is no row.
    StoreStatus open();

    // On a server: connects, and makes or brings up to date the schema (server_table::prepare).
    //
    // Renames the file (and its WAL companion) to "pulsadrome.sqlite.damaged-YYYYMMDD-HHMMSS",
    // then opens a new empty database. The value is the path the old file was given. A server's
    // database is never set aside.
    StoreResult<QString> setAsideAndCreateFresh();

    // Every player, in row order.
    StoreResult<std::vector<PlayerEntry>> players() const;
    StoreResult<PlayerRecord> read(RowId id) const;
    // Adds a row holding `record` and returns its id; the current player does not change.
    StoreResult<RowId> add(const PlayerRecord& record);

    // The current player's row; none before open() and while the table is empty.
    std::optional<RowId> currentId() const { return currentId_; }
    PlayerRecord& current() override { return current_; }
    const PlayerRecord& current() const { return current_; }
    // Makes `id` the current player, its stored record the one in memory.
    StoreStatus moveTo(RowId id);
    // Writes only the columns of current() that differ from the row as this store last read or
    // wrote it, in one transaction that first reads the row again: another copy's changes to
    // the other columns stay. A progress column takes the further of the stored progress and
    // this one (catalogue::furthestProgress), so no level another copy opened closes again; any
    // other changed column takes this run's value. current() then holds what was written.
    StoreStatus storeCurrent() override;
    // Writes `password` into the current row's "password" column alone, and into the record in
    // memory; every other column stays as it is, in the file and in memory.
    StoreStatus storePassword(const QString& password);
    // Discards what was changed in memory: the current record takes its stored values again.
    StoreStatus reloadCurrent();

    // The answer log (table "Answers"): appends `records` in one transaction, all or none.
    StoreStatus appendAnswers(const std::vector<answers::AnswerRecord>& records);
    // The logged answers of player `id`, oldest first.
    StoreResult<std::vector<answers::AnswerRecord>> answersOf(RowId id) const;
    // Every player's answers summed up in one pass over one query, no record made, with the
    // answers still waiting for the server of `players` (those answersOf() gives): players with
    // no answer are not in the map.
    StoreResult<std::map<RowId, AnswerTotals>>
    answerTotals(const std::vector<RowId>& players) const;

private:
    QSqlDatabase connection() const;
    // Judges the existing file on a connection that cannot change it; `interruptedWrite` says
    // that a hot journal kept it from being read.
    StoreStatus judgeReadOnly(bool& interruptedWrite) const;
    StoreStatus judgeExisting();
    StoreStatus openConnection();
    StoreStatus openServer();
    void closeConnection();
    StoreStatus standOnFirstRow();
    SqlDialect dialect() const { return server_ ? SqlDialect::Postgres : SqlDialect::Sqlite; }
    // The row id column: SQLite's rowid, the server's "id".
    QString idColumn() const;
    StoreStatus problem(const QSqlError& error, const QString& done) const;
    // Why the server's connection did not open (server_table::loginProblem).
    StoreStatus openProblem(const QSqlError& error) const;
    // On a server, opens the connection again when the last operation lost it.
    StoreStatus reconnectIfLost() const;
    StoreResult<PlayerRecord> readRow(RowId id, bool lockForUpdate) const;
    // Applies to `record`, player `id` as read, the changes still waiting for the server.
    void withUnsent(RowId id, PlayerRecord& record) const;
    // The server was found lost: the sender takes over until it reaches it again.
    void noteLost(const StoreStatus& status) const;
    // Queues the current record's `changed` columns for the server; they count as stored.
    void keepForLater(const std::vector<int>& changed);
    // At open, on a server: the journal's changes for it are sent before anything is read.
    StoreStatus sendJournal();
    StoreStatus appendOrKeepAnswers(const std::vector<answers::AnswerRecord>& records);

    QString file_;
    std::optional<ServerAddress> server_;
    QString connectionName_;
    mutable bool lost_ = false; // the server's connection was lost
    std::optional<DataDirectory> journalFolder_;
    ServerRetry retry_;
    std::unique_ptr<ServerOutbox> outbox_; // on a server, while open, with a journal folder
    QString setAsideJournal_;
    StoreStatus journalProblem_;
    int busyTimeoutMs_;
    bool open_ = false;
    std::optional<RowId> currentId_;
    PlayerRecord current_;
    PlayerRecord stored_; // the current row as this store last read or wrote it
    // Reads the row again and writes `changed` into it, in one transaction.
    StoreStatus writeInTransaction(const std::vector<int>& changed, PlayerRecord& written);
    StoreStatus writeChanges(const std::vector<int>& changed, PlayerRecord& written);
    // Sets the current player's `columns` to `values` in one statement.
    StoreStatus updateCurrentRow(const QStringList& columns, const QStringList& values);
};

} // namespace pulsadrome::app
