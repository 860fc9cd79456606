// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace pulsadrome::app {

// Where the player database, the language file and the high-score tables live:
// $XDG_DATA_HOME/pulsadrome (usually ~/.local/share/pulsadrome) unless the command line names
// another folder.
QString defaultDataDirectory();

// Why a data folder cannot be used.
struct DataFolderProblem {
    enum class Kind {
        None,
        IsAFile,      // a file has the folder's name
        CannotCreate, // the folder is missing and cannot be made
        NotWritable,  // the folder is there but may not be written in
    };
    Kind kind = Kind::None;
    QString folder;     // the folder concerned, absolute
    QString systemText; // the system's own words when it gave any
};

class DataDirectory {
public:
    // Opens `path` (the default folder when empty), creating it when missing, open to its owner
    // only (0700; a folder that exists keeps its mode). Nothing when the
    // folder cannot be created or is not a writable folder; `problem` then says why.
    static std::optional<DataDirectory> open(const QString& path,
                                             DataFolderProblem* problem = nullptr);

    const QString& path() const { return path_; }
    QString file(const QString& name) const;

private:
    explicit DataDirectory(QString path) : path_(std::move(path)) {}
    QString path_;
};

} // namespace pulsadrome::app
