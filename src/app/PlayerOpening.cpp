// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerOpening.h"

#include <QThread>

namespace pulsadrome::app {

StoreLoan::StoreLoan(PlayerStore& store, QObject* parent) : QObject(parent), store_(store) {}

StoreLoan::~StoreLoan() {
    if (thread_) {
        thread_->wait();
    }
}

void StoreLoan::lend(std::function<void(PlayerStore&)> work) {
    wait();
    pending_ = true;
    QThread* user = thread();
    thread_.reset(QThread::create([this, user, work = std::move(work)] {
        work(store_);
        store_.handTo(user);
    }));
    // The connection in use, if any, goes with the work; one the work opens is made there.
    store_.handTo(thread_.get());
    // Emitted by the ending thread, received here once that thread is done with the store.
    connect(thread_.get(), &QThread::finished, this, &StoreLoan::deliver);
    thread_->start();
}

void StoreLoan::wait() {
    deliver();
}

void StoreLoan::deliver() {
    if (!pending_) {
        return;
    }
    // The thread is past its work when it says it finishes; this waits for it to end.
    thread_->wait();
    pending_ = false;
    emit finished();
}

void PlayerOpening::start() {
    wait();
    // The connection in use belongs to this thread: it is closed here, and the new one is made
    // on the other thread.
    store().close();
    result_ = Result::failure(StoreStatus{});
    lend([this](PlayerStore& store) {
        Result result;
        if (const StoreStatus opened = store.open(); opened) {
            result = store.players();
        } else {
            result = Result::failure(opened);
        }
        result_ = std::move(result);
    });
}

void ClassReading::start() {
    wait();
    result_ = Result::failure(StoreStatus{});
    lend([this](PlayerStore& store) { result_ = classLines(store); });
}

} // namespace pulsadrome::app
