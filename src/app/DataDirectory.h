// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace pulsadrome::app {

// Where the player database, the language file and the high-score tables live:
// $XDG_DATA_HOME/pulsadrome (usually ~/.local/share/pulsadrome) unless the command line names
// another folder.
QString defaultDataDirectory();

class DataDirectory {
public:
    // Opens `path` (the default folder when empty), creating it when missing, open to its owner
    // only (0700; a folder that exists keeps its mode). Nothing when the
    // folder cannot be created or is not a writable folder; `error` then says why.
    static std::optional<DataDirectory> open(const QString& path, QString* error = nullptr);

    const QString& path() const { return path_; }
    QString file(const QString& name) const;

private:
    explicit DataDirectory(QString path) : path_(std::move(path)) {}
    QString path_;
};

} // namespace pulsadrome::app
