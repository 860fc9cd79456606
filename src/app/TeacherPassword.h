// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "common/AtomicFile.h"
#include "common/ReadFailure.h"

#include <QString>

namespace pulsadrome::app {

// The teacher's password, which opens the class table from the player choice. It is chosen
// once, typed twice, and kept as an Argon2id string (PasswordHash) alone in the file
// "teacher.pwd" of the data folder, readable by its owner only and written whole or not at all.
// The file guards the class table only: the players and their answers never depend on it, so
// a damaged file is set aside (never deleted) and a new password chosen, and an adult who has
// forgotten the password removes the file from the data folder to choose another.
class TeacherPassword {
public:
    static QString fileName() { return QStringLiteral("teacher.pwd"); }

    enum class State {
        NotSet,     // no file: the first visit chooses the password
        Set,        // the file holds a password string
        Damaged,    // the file holds anything else
        Unreadable, // the file is there but cannot be read (readProblem() says why)
    };

    // Why a password was not taken.
    enum class Refusal {
        None,
        Empty,      // nothing typed
        Different,  // the second entry is not the first
        Wrong,      // not the password kept
        AlreadySet, // a password is kept: it is chosen once
        HashFailed, // the password could not be hashed (no memory, libsodium failed)
        NotWritten, // the file could not be written (written() says why)
    };

    explicit TeacherPassword(const DataDirectory& data);

    const QString& file() const { return file_; }
    // Reads the file again.
    State state();
    const ReadOutcome& readProblem() const { return readProblem_; }

    // The first choice: both entries alike and not empty, and no password kept yet.
    Refusal choose(const QString& first, const QString& second);
    // The password typed at a later visit.
    Refusal check(const QString& typed);
    const WriteOutcome& written() const { return written_; }

    // Moves a damaged file aside, exactly as it was, to "teacher.pwd.damaged-<date and time>";
    // the path it now has, or empty when it cannot be moved (the state stays Damaged, and
    // readProblem() says why).
    QString setAside();

private:
    QString file_;
    QString stored_;
    ReadOutcome readProblem_;
    WriteOutcome written_;
};

} // namespace pulsadrome::app
