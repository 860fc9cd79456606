// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"

#include <QObject>

#include <memory>
#include <vector>

class QThread;

namespace pulsadrome::app {

// Opens a player store and reads its players on a thread of its own, so that the screens'
// thread never waits for a server to answer (a connection can take several milliseconds, and
// seconds when the server is gone). start() closes the store on the calling thread; the other
// thread opens it, reads the players and gives the connection back to the calling thread, which
// then uses the store as before. Between start() and finished() the store belongs to the other
// thread: nothing else may use it.
class PlayerOpening final : public QObject {
    Q_OBJECT
public:
    using Result = StoreResult<std::vector<PlayerEntry>>;

    explicit PlayerOpening(PlayerStore& store, QObject* parent = nullptr);
    // Waits for an opening still running.
    ~PlayerOpening() override;
    PlayerOpening(const PlayerOpening&) = delete;
    PlayerOpening& operator=(const PlayerOpening&) = delete;

    void start();
    // Started and finished() not yet emitted: the store is not to be used.
    bool pending() const { return pending_; }
    // Waits until the opening ends, and emits finished() then if it has not been.
    void wait();
    // The open's status and, when it opened, its players in row order (PlayerStore::players());
    // set when finished() is emitted.
    const Result& result() const { return result_; }

signals:
    void finished();

private:
    void deliver();

    PlayerStore& store_;
    std::unique_ptr<QThread> thread_;
    Result result_;
    bool pending_ = false;
};

} // namespace pulsadrome::app
