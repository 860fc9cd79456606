// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ClassTable.h"
#include "app/PlayerStore.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace pulsadrome::app {

// Lends a player store to a thread of its own for one piece of work, so that the screens'
// thread never waits for the database (a server's connection can take several milliseconds,
// seconds when the server is gone; a year's answer log a good part of a second). The store's
// connection goes to that thread with the work and comes back to the calling thread before
// finished(), which then uses the store as before. Between start() and finished() the store
// belongs to the other thread: nothing else may use it.
class StoreLoan : public QObject {
    Q_OBJECT
public:
    explicit StoreLoan(PlayerStore& store, QObject* parent = nullptr);
    // Waits for work still running.
    ~StoreLoan() override;
    StoreLoan(const StoreLoan&) = delete;
    StoreLoan& operator=(const StoreLoan&) = delete;

    // Started and finished() not yet emitted: the store is not to be used.
    bool pending() const { return pending_; }
    // Waits until the work ends, and emits finished() then if it has not been.
    void wait();

signals:
    void finished();

protected:
    PlayerStore& store() { return store_; }
    // Runs `work` on the other thread (after the work before it has ended).
    void lend(std::function<void(PlayerStore&)> work);

private:
    void deliver();

    PlayerStore& store_;
    std::unique_ptr<QThread> thread_;
    bool pending_ = false;
};

// The start's opening: the store closed here, opened there, its players read there.
class PlayerOpening final : public StoreLoan {
    Q_OBJECT
public:
    using Result = StoreResult<std::vector<PlayerEntry>>;
    using StoreLoan::StoreLoan;

    void start();
    // The open's status and, when it opened, its players in row order (PlayerStore::players());
    // set when finished() is emitted.
    const Result& result() const { return result_; }

private:
    Result result_;
};

// The teacher's class table read there (classLines()).
class ClassReading final : public StoreLoan {
    Q_OBJECT
public:
    using Result = StoreResult<std::vector<ClassLine>>;
    using StoreLoan::StoreLoan;

    void start();
    // Set when finished() is emitted.
    const Result& result() const { return result_; }

private:
    Result result_;
};

} // namespace pulsadrome::app
