// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleCopy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QWidget>
#include <QtDebug>

#include <algorithm>

#include <unistd.h>

namespace pulsadrome::app {

namespace {

// What a second start writes, and what the running copy answers once its windows are forward.
constexpr char kRequest[] = "forward\n";
constexpr char kAnswer[] = "ok\n";
constexpr qint64 kLongestLine = 64;

// A lock file that names no holder is being written by a copy starting right now, or was left
// half made by a copy that died; the first is done well within this time.
constexpr int kUnreadableLockWaitMs = 500;

bool readLockHolder(const QLockFile& lock, QString* host) {
    qint64 pid = 0;
    QString application;
    return lock.getLockInfo(&pid, host, &application);
}

} // namespace

QString SingleCopy::serverName(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("pulsadrome-%1-%2")
        .arg(::getuid())
        .arg(QString::fromLatin1(digest.toHex().left(24)));
}

SingleCopy::SingleCopy(const DataDirectory& directory, int answerTimeoutMs)
    : folder_(directory.path()), lockPath_(directory.file(lockFileName())),
      answerTimeoutMs_(answerTimeoutMs), lock_(lockPath_), server_(this) {
    // The lock is held for the whole run, however long: only a dead holder makes it stale.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, &SingleCopy::answer);
}

SingleCopy::~SingleCopy() {
    server_.close();
    lock_.unlock();
}

SingleCopy::Start SingleCopy::start() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (lock_.tryLock(0)) {
            listen();
            return Start::First;
        }
        switch (lock_.error()) {
        case QLockFile::NoError:
        case QLockFile::LockFailedError:
            break;
        case QLockFile::PermissionError:
            fault_ = Fault::Denied;
            return Start::Failed;
        case QLockFile::UnknownError:
            fault_ = Fault::CannotMake;
            return Start::Failed;
        }
        QString host;
        if (!readLockHolder(lock_, &host)) {
            QThread::msleep(kUnreadableLockWaitMs);
            if (!readLockHolder(lock_, &host)) {
                if (!lock_.removeStaleLockFile()) {
                    fault_ = Fault::LeftOver;
                    return Start::Failed;
                }
                continue; // the file is gone: try to take the lock again
            }
        }
        holderHost_ = host;
        holderIsHere_ = host.isEmpty() || host == QSysInfo::machineHostName();
        return holderIsHere_ && askHolderToComeForward() ? Start::BroughtForward
                                                         : Start::AlreadyOpen;
    }
    fault_ = Fault::KeepsComing;
    return Start::Failed;
}

bool SingleCopy::askHolderToComeForward() {
    QLocalSocket socket;
    socket.connectToServer(serverName(folder_));
    if (!socket.waitForConnected(answerTimeoutMs_)) {
        return false;
    }
    const qint64 length = static_cast<qint64>(sizeof kRequest) - 1;
    if (socket.write(kRequest, length) != length) {
        return false;
    }
    socket.flush();
    const QDeadlineTimer deadline(answerTimeoutMs_);
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            return false;
        }
    }
    return socket.readLine(kLongestLine) == kAnswer;
}

QString SingleCopy::alreadyOpenMessage(const i18n::CaptionTable& captions) const {
    if (holderIsHere_) {
        return captions.text(u"deja_ouvert").arg(folder_);
    }
    return captions.text(u"deja_ouvert_ailleurs").arg(holderHost_, lockPath_);
}

QString SingleCopy::faultText(const i18n::CaptionTable& captions) const {
    switch (fault_) {
    case Fault::None:
        return {};
    case Fault::Denied:
        return captions.text(u"ecriture_interdite");
    case Fault::CannotMake:
        return captions.text(u"verrou_impossible");
    case Fault::LeftOver:
        return captions.text(u"verrou_reste");
    case Fault::KeepsComing:
        break;
    }
    return captions.text(u"verrou_revient");
}

void SingleCopy::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(folder_);
    if (server_.listen(name)) {
        return;
    }
    // A socket left by a copy that died: this copy holds the lock, so no living copy listens
    // under the folder's name.
    QLocalServer::removeServer(name);
    if (!server_.listen(name)) {
        qWarning().noquote() << "Another start on" << folder_
                             << "cannot bring this copy forward:" << server_.errorString();
    }
}

void SingleCopy::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kLongestLine) {
                    socket->abort();
                }
                return;
            }
            if (socket->readLine(kLongestLine) == kRequest) {
                emit comeForwardAsked();
                socket->write(kAnswer, static_cast<qint64>(sizeof kAnswer) - 1);
                socket->flush();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0) {
            read();
        }
    }
}

void bringWindowsForward() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            windows << widget;
        }
    }
    // The keyboard goes to a modal window, else to the active one, but never to the full-screen
    // backdrop, which would then cover the windows in front of it.
    QWidget* keyboard = QApplication::activeModalWidget();
    if (!keyboard && QApplication::activeWindow() &&
        !QApplication::activeWindow()->isFullScreen()) {
        keyboard = QApplication::activeWindow();
    }
    // The backdrop first, so that it lies under the others; the keyboard's window last.
    std::stable_sort(windows.begin(), windows.end(), [keyboard](QWidget* a, QWidget* b) {
        const auto rank = [keyboard](QWidget* w) {
            return w == keyboard ? 2 : w->isFullScreen() ? 0 : 1;
        };
        return rank(a) < rank(b);
    });
    for (QWidget* window : windows) {
        if (window->isMinimized()) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        }
        window->raise();
    }
    if (!windows.isEmpty()) {
        windows.back()->activateWindow();
    }
}

} // namespace pulsadrome::app
