// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerOpening.h"

#include <QThread>

namespace pulsadrome::app {

PlayerOpening::PlayerOpening(PlayerStore& store, QObject* parent)
    : QObject(parent), store_(store) {}

PlayerOpening::~PlayerOpening() {
    if (thread_) {
        thread_->wait();
    }
}

void PlayerOpening::start() {
    wait();
    // The connection in use belongs to this thread: it is closed here, and the new one is made
    // on the other thread, which hands it over to this one before it ends.
    store_.close();
    result_ = Result::failure(StoreStatus{});
    pending_ = true;
    QThread* user = thread();
    thread_.reset(QThread::create([this, user] {
        Result result;
        if (const StoreStatus opened = store_.open(); opened) {
            result = store_.players();
        } else {
            result = Result::failure(opened);
        }
        store_.handTo(user);
        result_ = std::move(result);
    }));
    // Emitted by the ending thread, received here once that thread is done with the store.
    connect(thread_.get(), &QThread::finished, this, &PlayerOpening::deliver);
    thread_->start();
}

void PlayerOpening::wait() {
    deliver();
}

void PlayerOpening::deliver() {
    if (!pending_) {
        return;
    }
    // The thread is past its work when it says it finishes; this waits for it to end.
    thread_->wait();
    pending_ = false;
    emit finished();
}

} // namespace pulsadrome::app
