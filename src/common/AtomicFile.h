// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace pulsadrome {

// Why a file could not be written, in the terms the messages use.
enum class WriteProblem {
    None,
    NoSpace, // the disk is full, or a size limit was reached
    Denied,  // no permission, or a read-only disk
    Other,
};

struct WriteOutcome {
    WriteProblem problem = WriteProblem::None;
    QString systemText; // the system's own words, for the log; empty on success

    bool ok() const { return problem == WriteProblem::None; }
    explicit operator bool() const { return ok(); }
};

// The one way the program writes a file: the bytes go to a temporary beside `path`, unbuffered,
// every write's count checked, then to the disk (fsync), and only then does the temporary
// replace `path`, whose folder is synced too. On any failure `path` is left as it was and the
// temporary is removed. (A buffered QSaveFile can report success after its last flush failed:
// nothing is left in a buffer here.)
//
// Who may read the file written: whatever the folder's rules give a new file (an existing one
// keeps its mode), or its owner only, whatever it had before.
enum class FileAccess { Usual, OwnerOnly };
WriteOutcome writeFileAtomically(const QString& path, const QByteArray& bytes,
                                 FileAccess access = FileAccess::Usual);

// Removes what an interrupted save left in `folder`: the temporaries QSaveFile names
// "<name>.XXXXXX" (six letters or digits) beside a file called `name`, one of `ownNames`, last
// written before `writtenBefore`. A younger one may be another running copy's save in progress
// and is left alone. Nothing else is touched. The value lists the files removed.
QStringList removeLeftoverTemporaries(const QString& folder, const QStringList& ownNames,
                                      const QDateTime& writtenBefore);

} // namespace pulsadrome
