// SPDX-License-Identifier: GPL-3.0-or-later
// What the benches on a database server share: the tests' throw-away server, started for a
// bench and stopped with it, percentiles, and names as wide on paper as on screen.
#pragma once

#include "app/ServerAddress.h"
#include "play/games/HighScoreList.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <vector>

namespace pulsadrome::bench {

// Every character as wide as another: the padding of the names costs what it costs on screen.
class EvenWidths final : public play::TextMeasure {
public:
    int widthOf(const QString& text) const override { return static_cast<int>(text.size()) * 7; }
};

// The value `p` (0 ... 1) of the way up `values` once sorted.
inline double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

class ThrowAwayServer {
public:
    ThrowAwayServer() {
        if (run("start") != 0) {
            return;
        }
        QFile file(state_.path() + QStringLiteral("/address"));
        if (file.open(QIODevice::ReadOnly)) {
            address_ = app::ServerAddress::parse(QString::fromUtf8(file.readAll()).trimmed());
        }
    }
    ~ThrowAwayServer() { run("stop"); }
    ThrowAwayServer(const ThrowAwayServer&) = delete;
    ThrowAwayServer& operator=(const ThrowAwayServer&) = delete;

    // Empty when the server programs or Qt's driver are missing.
    const std::optional<app::ServerAddress>& address() const { return address_; }
    // A command of tests/support/test-postgres.sh on this server: "halt", "freeze", ...
    int run(const char* command) {
        return QProcess::execute(
            QStringLiteral(PULSADROME_SOURCE_DIR "/tests/support/test-postgres.sh"),
            {QString::fromLatin1(command), state_.path()});
    }

private:
    QTemporaryDir state_;
    std::optional<app::ServerAddress> address_;
};

} // namespace pulsadrome::bench
