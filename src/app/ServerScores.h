// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score tables of the scored games on a school's database server, shared by every
// computer of the room: table "HighScores" of the player database (server_table).
#pragma once

#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "play/games/ScoreKeeper.h"

#include <QString>

#include <vector>

class QSqlDatabase;
class QSqlError;

namespace pulsadrome::app {

// A table on the server holds the rows entered, best first and the earlier entry first among
// equal scores; the default entries fill it up to the count the game shows, and are not
// stored. Entering a score is one transaction that locks the high-score table, reads the table
// again, inserts the entry and removes the rows it pushed out: two computers ending a game at
// once both enter their score, and a connection lost in the middle leaves the table as it was.
//
// Like a PlayerStore, an object works on the thread that made it, opens its own connection at
// the first operation, makes or brings up to date the schema then, and opens the connection
// again at the operation after one that lost it.
class ServerScores final : public play::ScoreKeepers {
public:
    explicit ServerScores(const ServerAddress& server,
                          int busyTimeoutMs = PlayerStore::kDefaultBusyTimeoutMs);
    ~ServerScores() override;
    ServerScores(const ServerScores&) = delete;
    ServerScores& operator=(const ServerScores&) = delete;

    // Closes the connection; the next operation uses `server`.
    void useServer(const ServerAddress& server);
    const ServerAddress& server() const { return server_; }
    // The server as messages name it: its URL without the password.
    QString place() const { return server_.shown(); }

    // The `count` entries of table `game` (1 ... 14), best first.
    StoreResult<std::vector<play::ScoreEntry>> read(int game, int count);

    struct Entered {
        std::vector<play::ScoreEntry> table; // the `count` entries after the entry
        bool entered = false; // false: the score was no better than the table's last entry
    };
    // Enters `entry` (as a table stores it, storableEntry) into table `game` as the table is now,
    // below every entry scoring at least as much, and keeps `count` entries. On failure nothing
    // was entered: when the connection is lost while the transaction ends, the server is asked
    // again whether it was kept.
    StoreResult<Entered> enter(int game, const play::ScoreEntry& entry, int count);

    std::unique_ptr<play::ScoreKeeper> keeperOf(const QString& gameCode,
                                                const i18n::CaptionTable& captions) override;

private:
    QSqlDatabase connection() const;
    // Opens the connection when there is none or the last operation lost it.
    StoreStatus connect();
    void close();
    StoreStatus problem(const QSqlError& error, const QString& done);
    StoreResult<Entered> enterLocked(QSqlDatabase& db, int game, const play::ScoreEntry& entry,
                                     int count, qint64& transaction);
    // After a lost end of transaction: whether `transaction` was kept by the server.
    bool wasCommitted(qint64 transaction);

    ServerAddress server_;
    int busyTimeoutMs_;
    QString connectionName_;
    bool open_ = false;
};

} // namespace pulsadrome::app
