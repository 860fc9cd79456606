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
    const QCommandLineOption tempo(QStringLiteral("tempo"), QString(), QStringLiteral("T"));
    const QCommandLineOption band(QStringLiteral("band"), QString(), QStringLiteral("P"));
    const QCommandLineOption soundFont(QStringLiteral("soundfont"), QString(),
                                       QStringLiteral("FILE"));
    const QCommandLineOption tour(QStringLiteral("tour"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("URL"));
    parser.addOptions({help, version, dataDir, size, out, tempo, band, soundFont, tour, database});

    if (!parser.parse(arguments)) {
        return failure(parser.errorText());
    }
    CommandLine result;
    bool ok = false;
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

    if (parser.isSet(database)) {
        QString why;
        result.database = ServerAddress::parse(parser.value(database), &why);
        if (!result.database) {
            return failure(QStringLiteral("--database takes postgresql://HOST:PORT/DATABASE?"
                                          "user=USER&password=PASSWORD: %1.")
                               .arg(why));
        }
    }

    result.soundFont = parser.value(soundFont);
    if (parser.isSet(soundFont) && result.soundFont.isEmpty()) {
        return failure(QStringLiteral("--soundfont needs a file."));
    }

    const QStringList words = parser.positionalArguments();
    const QString command = words.value(0);
    if (result.database && !command.isEmpty()) {
        return failure(QStringLiteral("--database goes with playing, not with %1.").arg(command));
    }
    const bool isExport =
        command == QLatin1String("export-picture") || command == QLatin1String("export-rhythm");
    if (isExport) {
        result.rhythm = words.value(1).toInt(&ok);
        if (words.size() != 2 || !ok || !catalogue::isRhythm(result.rhythm)) {
            return failure(
                QStringLiteral("%1 needs one rhythm number from 1 to 560.").arg(command));
        }
        result.out = parser.value(out);
        if (result.out.isEmpty()) {
            return failure(QStringLiteral("%1 needs --out FILE.").arg(command));
        }
    }
    if (command == QLatin1String("export-rhythm")) {
        if (parser.isSet(size)) {
            return failure(QStringLiteral("--size goes with export-picture."));
        }
        if (parser.isSet(tempo)) {
            result.tempo = parser.value(tempo).toInt(&ok);
            if (!ok || result.tempo < 1 || result.tempo > 300) {
                return failure(QStringLiteral("--tempo takes quarter notes a minute, 1 to 300."));
            }
        }
        if (parser.isSet(band)) {
            result.band = parser.value(band).toInt(&ok);
            if (!ok || result.band < 0 || result.band > 43) {
                return failure(QStringLiteral("--band takes a band list position, 0 to 43."));
            }
        }
        result.action = CommandLine::Action::ExportRhythm;
        return result;
    }
    if (isExport) {
        if (parser.isSet(size) && !parseSize(parser.value(size), &result.size)) {
            return failure(QStringLiteral("--size takes WIDTHxHEIGHT in pixels, for example "
                                          "932x228."));
        }
        if (parser.isSet(tempo) || parser.isSet(band)) {
            return failure(QStringLiteral("--tempo and --band go with export-rhythm."));
        }
        result.action = CommandLine::Action::ExportPicture;
        return result;
    }
    if (command == QLatin1String("export-answers")) {
        if (words.size() != 1) {
            return failure(QStringLiteral("export-answers takes no number."));
        }
        if (parser.isSet(size) || parser.isSet(tempo) || parser.isSet(band)) {
            return failure(QStringLiteral("--size, --tempo and --band go with the exports of a "
                                          "rhythm."));
        }
        result.out = parser.value(out);
        if (result.out.isEmpty()) {
            return failure(QStringLiteral("export-answers needs --out FILE."));
        }
        result.action = CommandLine::Action::ExportAnswers;
        return result;
    }
    if (!words.isEmpty()) {
        return failure(QStringLiteral("Unknown argument: %1.").arg(words.first()));
    }
    if (parser.isSet(tour)) {
        result.tourDir = parser.value(tour);
        if (result.tourDir.isEmpty()) {
            return failure(QStringLiteral("--tour needs a folder."));
        }
        if (result.database) {
            return failure(QStringLiteral("--database goes with playing, not with --tour."));
        }
        result.action = CommandLine::Action::Tour;
    }
    if (parser.isSet(size) || parser.isSet(out) || parser.isSet(tempo) || parser.isSet(band)) {
        return failure(QStringLiteral("--size, --out, --tempo and --band go with the export "
                                      "commands."));
    }
    return result;
}

QString helpText() {
    return QStringLiteral(
        "Usage: pulsadrome [options]\n"
        "       pulsadrome export-picture N --out FILE.png [--size WxH]\n"
        "       pulsadrome export-rhythm N --out FILE.wav [--tempo T] [--band P]\n"
        "       pulsadrome export-answers --out FILE.csv [--data-dir DIR]\n"
        "\n"
        "Pulsadrome teaches children to recognise written rhythms by ear: it plays a one-bar\n"
        "rhythm and the child finds its picture in a grid.\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR   keep the players, high scores and language choice in DIR\n"
        "                   (default: $XDG_DATA_HOME/pulsadrome, usually\n"
        "                   ~/.local/share/pulsadrome)\n"
        "  --database URL   play with the players of a PostgreSQL server shared by several\n"
        "                   computers (a school's), for example\n"
        "                   postgresql://server:5432/pulsadrome?user=class&password=...\n"
        "                   (the high scores stay in the data folder)\n"
        "  -h, --help       show this help and exit\n"
        "  --tour DIR       save a picture of every screen into DIR, without a display\n"
        "  --soundfont FILE play with this General MIDI sound bank (default: FluidR3_GM,\n"
        "                   else TimGM6mb)\n"
        "  -v, --version    show the version and the libraries in use, and exit\n"
        "\n"
        "Commands:\n"
        "  export-picture N --out FILE.png [--size WxH]\n"
        "                   save the notation picture of rhythm N (1 to 560) as a PNG, for\n"
        "                   worksheets; the default size is 932x228 (four times the grid's)\n"
        "  export-rhythm N --out FILE.wav [--tempo T] [--band P]\n"
        "                   save rhythm N as it sounds in the game (count-in, pulse, notes) as\n"
        "                   a WAV file, at T quarter notes a minute (default 100) on band list\n"
        "                   position P, 0 to 43 (default 23)\n"
        "  export-answers --out FILE.csv\n"
        "                   save every answer the players gave on the level and games screens\n"
        "                   (player, date, level or game, rhythm heard and chosen, right or\n"
        "                   wrong, time to answer, tempo, band) as a spreadsheet file in the\n"
        "                   game's language, with the separator of the computer's language\n");
}

} // namespace pulsadrome::app
