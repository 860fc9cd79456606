// SPDX-License-Identifier: GPL-3.0-or-later
// What a school's players server has not taken yet, while it cannot be reached: a player's
// changed columns and the answer log's batches. A thread of its own, with its own connection,
// sends them in order and tries again after a growing wait, so that the screens never wait for
// a server that is down. What is still waiting when the program ends stays in a journal in the
// data folder, sent at the next start before any player is read.
#pragma once

#include "answers/AnswerRecord.h"
#include "app/PlayerRecord.h"
#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "catalogue/Series.h"
#include "common/AtomicFile.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

class QSqlDatabase;
class QThread;

namespace pulsadrome::app {

// One change the server has not taken.
struct UnsentChange {
    enum class Kind { Record, Answers };
    Kind kind = Kind::Record;
    RowId player = 0;                             // Record: the player's row
    std::vector<std::pair<int, QString>> columns; // Record: each changed column and its value
    std::vector<answers::AnswerRecord> answers;   // Answers: one batch of the answer log
    // The server's number for the transaction of a send whose answer never came. The server
    // says whether that transaction was committed; if so the change is not sent again.
    std::optional<qint64> attempt;

    bool operator==(const UnsentChange&) const = default;
};

// The journal of one server: what waits to be sent, and what the server refused for good (a
// player removed, a right taken away), kept for the adult to look at.
struct UnsentPart {
    std::vector<UnsentChange> waiting;
    std::vector<UnsentChange> refused;

    bool operator==(const UnsentPart&) const = default;
};

// The journal file holds the parts of every server this data folder played on, by
// ServerAddress::shown() (which never holds the password).
using UnsentJournal = std::map<QString, UnsentPart>;

QByteArray encodeJournal(const UnsentJournal& journal);
// None, with the reason in `why`, for anything this program did not write as a journal.
std::optional<UnsentJournal> decodeJournal(const QByteArray& bytes, QString* why = nullptr);

// The connection options of every connection to a players server: how long a connection
// attempt may take, and how soon a connection whose server vanished is found broken.
QString serverConnectOptions();
// Points `db` at `server` with the login and serverConnectOptions().
void configureServerConnection(QSqlDatabase& db, const ServerAddress& server);

// The series whose progress a record column holds; none for the other columns.
std::optional<catalogue::Series> progressSeriesOf(int column);

// Applies a record change to `row` as a store does: a progress column takes the further of the
// two, any other column the change's value.
void applyChange(const UnsentChange& change, PlayerRecord& row);

// Sends `changes` on the server connection `db`, in order and in one transaction: all of them
// or none. `started` is told the transaction's number before anything is written.
StoreStatus sendChanges(QSqlDatabase& db, const QString& place,
                        const std::vector<UnsentChange>& changes,
                        const std::function<void(qint64)>& started);

// `status`, made Unreachable when it failed for another reason on a connection that is broken.
StoreStatus lostWhenBroken(const QSqlDatabase& db, StoreStatus status);

class ServerOutbox {
public:
    static QString fileName() { return QStringLiteral("unsent.json"); }

    using Retry = ServerRetry;

    // The changes for `server`, kept in `journalFile`.
    ServerOutbox(ServerAddress server, QString journalFile, int busyTimeoutMs, Retry retry);
    // The sender stops (after the connection attempt it may be in); what waits is written into
    // the journal.
    ~ServerOutbox();
    ServerOutbox(const ServerOutbox&) = delete;
    ServerOutbox& operator=(const ServerOutbox&) = delete;

    // Reads the journal: this server's waiting changes join the queue. A file that is not a
    // journal is renamed "unsent.json.damaged-YYYYMMDD-HHMMSS", and `setAside` names it.
    struct Loaded {
        StoreStatus status;
        QString setAside;
    };
    Loaded load();
    // Sends the queue on `db` from the calling thread, in order, until it is empty or the server
    // stops taking changes. The start does this before any player is read.
    StoreStatus sendWaiting(QSqlDatabase& db);

    // Queues a change and wakes the sender, which writes the journal before it tries the
    // server.
    void add(UnsentChange change);
    // The store lost its connection: until the sender reaches the server again, holding() is
    // true.
    void serverLost();
    // The server was lost and has not been reached since, or changes wait: a store then queues
    // its changes rather than wait for the server.
    bool holding() const;
    // The server was lost and the sender has not reached it since.
    bool serverDown() const;
    std::size_t waitingCount() const;
    std::size_t refusedCount() const;
    // The waiting record changes of `player`, oldest first.
    std::vector<UnsentChange> waitingFor(RowId player) const;
    // Writes the journal now, from the calling thread: what waits is then on the disk.
    WriteOutcome keepNow() { return save(); }
    // The waiting answers of `player`, oldest first.
    std::vector<answers::AnswerRecord> waitingAnswersOf(RowId player) const;

private:
    void run();
    // Connects `db` when needed and sends the queue; Unreachable or Busy when the server has to
    // be tried again later.
    StoreStatus sendAll(QSqlDatabase& db, bool& connected);
    StoreStatus connect(QSqlDatabase& db);
    void startSender();
    // Writes this server's part of the journal (none when nothing is left), the other servers'
    // parts as they were read.
    WriteOutcome save();

    ServerAddress server_;
    QString place_;
    QString journalFile_;
    int busyTimeoutMs_;
    Retry retry_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<UnsentChange> queue_;
    std::vector<UnsentChange> refused_;
    UnsentJournal others_; // the other servers' parts of the file
    bool down_ = false;
    bool dirty_ = false;
    bool stop_ = false;
    bool writable_ = true; // false when the journal is there but could not be read
    std::mutex fileMutex_; // one writer of the journal at a time
    std::unique_ptr<QThread> sender_;
};

} // namespace pulsadrome::app
