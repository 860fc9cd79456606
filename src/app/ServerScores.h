// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score tables of the scored games on a school's database server, shared by every
// computer of the room: table "HighScores" of the player database (server_table).
#pragma once

#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "play/games/ScoreKeeper.h"

#include <QFuture>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace pulsadrome::app {

// A table on the server holds the rows entered, best first and the earlier entry first among
// equal scores; the default entries fill it up to the count the game shows, and are not
// stored. Entering a score is one transaction that locks the high-score table, reads the table
// again, inserts the entry and removes the rows it pushed out: two computers ending a game at
// once both enter their score, and a connection lost in the middle leaves the table as it was.
//
// Every operation runs, in the order asked, on a thread of the object's own with a connection
// of its own: the thread that asks never waits for the server, and gets the answer as a
// future. The connection is opened at the first operation, which makes or brings up to date
// the schema then, and opened again at the operation after one that lost it.
class ServerScores final : public play::ScoreKeepers {
public:
    explicit ServerScores(const ServerAddress& server,
                          int busyTimeoutMs = PlayerStore::kDefaultBusyTimeoutMs);
    // An operation still waiting for the server is cut short (its connection closed) and fails,
    // as does every one not started; nothing half entered stays on the server.
    ~ServerScores() override;
    ServerScores(const ServerScores&) = delete;
    ServerScores& operator=(const ServerScores&) = delete;

    // The next operation uses `server`, on a new connection.
    void useServer(const ServerAddress& server);
    const ServerAddress& server() const { return server_; }
    // The server as messages name it: its URL without the password.
    QString place() const { return server_.shown(); }

    // What the program knows of the server from elsewhere (the players' sender): asked on the
    // asking thread before each operation, with whether an operation found the server
    // unreachable since the last ask. While it answers true, operations fail at once as
    // Unreachable rather than wait for a server that does not answer.
    using ServerWatch = std::function<bool(bool foundUnreachable)>;
    void watchServer(ServerWatch knownUnreachable) { watch_ = std::move(knownUnreachable); }

    struct Entered {
        std::vector<play::ScoreEntry> table; // the `count` entries after the entry
        bool entered = false; // false: the score was no better than the table's last entry
    };
    using Table = StoreResult<std::vector<play::ScoreEntry>>;

    // The `count` entries of table `game` (1 ... 14), best first.
    QFuture<Table> readLater(int game, int count);
    // Enters `entry` (as a table stores it, storableEntry) into table `game` as the table is now,
    // below every entry scoring at least as much, and keeps `count` entries. On failure nothing
    // was entered: when the connection is lost while the transaction ends, the server is asked
    // again whether it was kept.
    QFuture<StoreResult<Entered>> enterLater(int game, const play::ScoreEntry& entry, int count);
    // The same, waiting for the answer.
    Table read(int game, int count) { return readLater(game, count).result(); }
    StoreResult<Entered> enter(int game, const play::ScoreEntry& entry, int count) {
        return enterLater(game, entry, count).result();
    }

    std::unique_ptr<play::ScoreKeeper> keeperOf(const QString& gameCode,
                                                const i18n::CaptionTable& captions) override;

private:
    class Worker;
    // Whether the watch says the server cannot be reached now.
    bool knownUnreachable();

    ServerAddress server_;
    ServerWatch watch_;
    std::unique_ptr<Worker> worker_;
};

} // namespace pulsadrome::app
