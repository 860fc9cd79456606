// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace pulsadrome::app {

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("DIR"));
    parser.addOptions({help, version, dataDir});

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.error =
            QStringLiteral("Unknown argument: %1.").arg(parser.positionalArguments().first());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
    }
    result.dataDir = parser.value(dataDir);
    if (parser.isSet(dataDir) && result.dataDir.isEmpty()) {
        result.action = CommandLine::Action::Error;
        result.error = QStringLiteral("--data-dir needs a folder.");
    }
    return result;
}

QString helpText() {
    return QStringLiteral(
        "Usage: pulsadrome [options]\n"
        "\n"
        "Pulsadrome teaches children to recognise written rhythms by ear: it plays a one-bar\n"
        "rhythm and the child finds its picture in a grid.\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR   keep the players, high scores and language choice in DIR\n"
        "                   (default: $XDG_DATA_HOME/pulsadrome, usually\n"
        "                   ~/.local/share/pulsadrome)\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and the libraries in use, and exit\n");
}

} // namespace pulsadrome::app
