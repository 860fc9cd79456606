// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "app/ServerAddress.h"
#include "common/AtomicFile.h"
#include "common/ReadFailure.h"

#include <QByteArray>
#include <QString>

namespace pulsadrome::app {

// Where the players of this computer are kept, as the school network page chose it: the
// players' server of a school, or this computer's own database (with the server's address kept
// for the next time).
struct ServerSettings {
    bool useServer = false;
    ServerAddress address;

    bool operator==(const ServerSettings&) const = default;
};

// The settings as text, one "key=value" a line: "use" ("server" or "this-computer"), "host",
// "port", "database", "user", "password". Lines starting with "#" and empty lines are comments.
QByteArray settingsText(const ServerSettings& settings);
// None, with the reason in `why`, when `text` is not such settings (an unknown or repeated key,
// a port that is no number, a server wanted but none named, text that is not UTF-8 ...).
std::optional<ServerSettings> parseSettings(const QByteArray& text, QString* why = nullptr);

// The file "server.ini" of the data folder. It keeps the server's password: it is written
// whole or not at all and readable by its owner only. A damaged file is left as it is when read
// (the computer's own players are used meanwhile); writing new settings over it first sets it
// aside, under another name.
class ServerSettingsFile {
public:
    static QString fileName() { return QStringLiteral("server.ini"); }

    enum class State {
        Missing,    // no file: this computer's own players
        Read,       // settings() holds the file's settings
        Damaged,    // the file holds something else (why() says what)
        Unreadable, // the file is there but cannot be read (readProblem() says why)
    };

    explicit ServerSettingsFile(const DataDirectory& data);

    const QString& file() const { return file_; }
    // Reads the file again.
    State read();
    State state() const { return state_; }
    const ServerSettings& settings() const { return settings_; }
    const QString& why() const { return why_; }
    const ReadOutcome& readProblem() const { return readProblem_; }

    // Writes `settings`; a damaged file is first moved to "server.ini.damaged-<date and time>"
    // (asideAs() then names it).
    WriteOutcome write(const ServerSettings& settings);
    const QString& asideAs() const { return aside_; }

private:
    QString file_;
    State state_ = State::Missing;
    ServerSettings settings_;
    QString why_;
    ReadOutcome readProblem_;
    QString aside_;
};

} // namespace pulsadrome::app
