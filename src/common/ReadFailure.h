// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDevice;

namespace pulsadrome {

// Why a file that is there could not be read, in the terms the messages use.
enum class ReadProblem {
    None,
    IsAFolder, // a folder has the file's name
    Denied,    // no permission to read it
    Other,
};

struct ReadOutcome {
    ReadProblem problem = ReadProblem::None;
    QString systemText; // the system's own words, for the detail line; empty on success

    bool ok() const { return problem == ReadProblem::None; }
    explicit operator bool() const { return ok(); }
};

// Why `file` (of `path`) could not be opened or read, just after it failed.
ReadOutcome readFailure(const QString& path, const QFileDevice& file);

} // namespace pulsadrome
