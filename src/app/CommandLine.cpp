// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "catalogue/Series.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace pulsadrome::app {

namespace {

CommandLine failure(const QString& why) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = why;
    return result;
}

// "WxH" with both sides from 1 to 8000 pixels.
bool parseSize(const QString& text, QSize* size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    const int w = match.captured(1).toInt();
    const int h = match.captured(2).toInt();
    if (w < 1 || h < 1 || w > 8000 || h > 8000) {
        return false;
    }
    *size = QSize(w, h);
    return true;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption size(QStringLiteral("size"), QString(), QStringLiteral("WxH"));
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("FILE"));
    parser.addOptions({help, version, dataDir, size, out});

    if (!parser.parse(arguments)) {
        return failure(parser.errorText());
    }
    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    result.dataDir = parser.value(dataDir);
    if (parser.isSet(dataDir) && result.dataDir.isEmpty()) {
        return failure(QStringLiteral("--data-dir needs a folder."));
    }

    const QStringList words = parser.positionalArguments();
    if (!words.isEmpty() && words.first() == QLatin1String("export-picture")) {
        bool ok = false;
        result.rhythm = words.value(1).toInt(&ok);
        if (words.size() != 2 || !ok || !catalogue::isRhythm(result.rhythm)) {
            return failure(QStringLiteral("export-picture needs one rhythm number from 1 to 560."));
        }
        if (parser.isSet(size) && !parseSize(parser.value(size), &result.size)) {
            return failure(QStringLiteral("--size takes WIDTHxHEIGHT in pixels, for example "
                                          "932x228."));
        }
        result.out = parser.value(out);
        if (result.out.isEmpty()) {
            return failure(QStringLiteral("export-picture needs --out FILE.png."));
        }
        result.action = CommandLine::Action::ExportPicture;
        return result;
    }
    if (!words.isEmpty()) {
        return failure(QStringLiteral("Unknown argument: %1.").arg(words.first()));
    }
    if (parser.isSet(size) || parser.isSet(out)) {
        return failure(QStringLiteral("--size and --out go with export-picture."));
    }
    return result;
}

QString helpText() {
    return QStringLiteral(
        "Usage: pulsadrome [options]\n"
        "       pulsadrome export-picture N --out FILE.png [--size WxH]\n"
        "\n"
        "Pulsadrome teaches children to recognise written rhythms by ear: it plays a one-bar\n"
        "rhythm and the child finds its picture in a grid.\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR   keep the players, high scores and language choice in DIR\n"
        "                   (default: $XDG_DATA_HOME/pulsadrome, usually\n"
        "                   ~/.local/share/pulsadrome)\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and the libraries in use, and exit\n"
        "\n"
        "Commands:\n"
        "  export-picture N --out FILE.png [--size WxH]\n"
        "                   save the notation picture of rhythm N (1 to 560) as a PNG, for\n"
        "                   worksheets; the default size is 932x228 (four times the grid's)\n");
}

} // namespace pulsadrome::app
