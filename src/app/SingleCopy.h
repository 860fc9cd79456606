// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "i18n/CaptionTable.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace pulsadrome::app {

// One running copy of the program per data folder. The first copy to start on a folder holds the
// lock file "pulsadrome.lock" there until it ends, and listens on a local socket named after the
// folder. A second start on the same folder, on the same computer, asks that copy to bring its
// windows forward and ends; one that cannot reach it (the copy runs on another computer sharing
// the folder, or does not answer) is told the game is already open. Neither touches the player
// database.
//
// The lock of a copy that died is taken over: Qt's QLockFile does it when the dead copy ran on
// this computer, and a lock file too damaged to name its holder is removed. A lock held from
// another computer is never judged stale, since nothing here can tell whether that copy still
// runs; the message names the computer and the file an adult may delete.
class SingleCopy final : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,          // this copy holds the folder
        BroughtForward, // the copy holding it on this computer brings its windows forward
        AlreadyOpen,    // a copy holds it and could not be reached; holderHost() names its computer
        Failed,         // the lock file cannot be taken; fault() says why
    };
    // Why the lock file cannot be taken.
    enum class Fault {
        None,
        Denied,      // the folder may not be written in
        CannotMake,  // the system refused the file for another reason (a full disk ...)
        LeftOver,    // a file naming no running copy is there and cannot be removed
        KeepsComing, // the file is made again each time it is removed
    };

    static constexpr int kDefaultAnswerTimeoutMs = 3000;
    static QString lockFileName() { return QStringLiteral("pulsadrome.lock"); }
    // The local socket's name for a data folder: the same for every path that leads to it, and
    // different for each user.
    static QString serverName(const QString& folder);

    explicit SingleCopy(const DataDirectory& directory,
                        int answerTimeoutMs = kDefaultAnswerTimeoutMs);
    ~SingleCopy() override;
    SingleCopy(const SingleCopy&) = delete;
    SingleCopy& operator=(const SingleCopy&) = delete;

    // Takes the lock, or asks the copy that holds it to come forward. Call once.
    Start start();

    const QString& lockFile() const { return lockPath_; }
    // After AlreadyOpen: the computer the holding copy runs on, as its lock file says.
    const QString& holderHost() const { return holderHost_; }
    // True when holderHost() is this computer.
    bool holderIsHere() const { return holderIsHere_; }
    // After AlreadyOpen: what to tell the user, in the captions' language.
    QString alreadyOpenMessage(const i18n::CaptionTable& captions) const;
    // After Failed: why.
    Fault fault() const { return fault_; }
    // After Failed: why, in whole sentences in the captions' language; the file is lockFile().
    QString faultText(const i18n::CaptionTable& captions) const;
    // After First: false when the socket could not be opened, so that later starts cannot bring
    // this copy forward (they are told it is already open instead).
    bool listening() const { return server_.isListening(); }

signals:
    // Another start on the same folder asked this copy to bring its windows forward.
    void comeForwardAsked();

private:
    bool askHolderToComeForward();
    void listen();
    void answer();

    QString folder_;
    QString lockPath_;
    int answerTimeoutMs_;
    QLockFile lock_;
    QLocalServer server_;
    QString holderHost_;
    bool holderIsHere_ = false;
    Fault fault_ = Fault::None;
};

// Shows every visible top-level window of the program over the other programs' windows: the
// full-screen backdrop first, the others over it, and the window that takes the keyboard (a
// modal one if any) last and active. Minimised windows are restored.
void bringWindowsForward();

} // namespace pulsadrome::app
