// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "catalogue/Series.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <initializer_list>

namespace pulsadrome::app {

namespace {

// `line` turned into an error: the data folder it read stays, for the language of the message.
CommandLine failure(CommandLine line, const char* key, QStringList arguments = {}) {
    line.action = CommandLine::Action::Error;
    line.errorKey = QString::fromLatin1(key);
    line.errorArguments = std::move(arguments);
    return line;
}

// The first of `options` that is set, as the user typed it ("--size").
QString firstOptionSet(const QCommandLineParser& parser,
                       std::initializer_list<const QCommandLineOption*> options) {
    for (const QCommandLineOption* option : options) {
        if (parser.isSet(*option)) {
            return QStringLiteral("--") + option->names().constLast();
        }
    }
    return {};
}

// The option named in QCommandLineParser's error ("Missing value after '--out'."), which is
// English and is never shown as it is.
QString optionInParserError(const QString& errorText) {
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    const auto match = quoted.match(errorText);
    return match.hasMatch() ? match.captured(1) : QString();
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

    CommandLine result;
    if (!parser.parse(arguments)) {
        // The folder of the language the message is told in, when it was read before the fault.
        const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
        if (at > 0 && at + 1 < arguments.size()) {
            result.dataDir = arguments.at(at + 1);
        }
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().constFirst();
            return failure(
                result, "cli_option_inconnue",
                {(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name});
        }
        const QString name = optionInParserError(parser.errorText());
        return failure(result,
                       parser.errorText().startsWith(QLatin1String("Unexpected"))
                           ? "cli_option_de_trop"
                           : "cli_option_sans_valeur",
                       {name});
    }
    bool ok = false;
    // The help speaks the language of the data folder it is given.
    result.dataDir = parser.value(dataDir);
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    if (parser.isSet(dataDir) && result.dataDir.isEmpty()) {
        return failure(result, "cli_dossier", {QStringLiteral("--data-dir")});
    }

    if (parser.isSet(database)) {
        result.database = ServerAddress::parse(parser.value(database));
        if (!result.database) {
            return failure(result, "cli_adresse", {parser.value(database)});
        }
    }

    result.soundFont = parser.value(soundFont);
    if (parser.isSet(soundFont) && result.soundFont.isEmpty()) {
        return failure(result, "cli_fichier", {QStringLiteral("--soundfont")});
    }

    const QStringList words = parser.positionalArguments();
    const QString command = words.value(0);
    if (result.database && !command.isEmpty()) {
        return failure(result, "cli_pas_avec", {QStringLiteral("--database"), command});
    }
    const bool isExport =
        command == QLatin1String("export-picture") || command == QLatin1String("export-rhythm");
    if (isExport) {
        result.rhythm = words.value(1).toInt(&ok);
        if (words.size() != 2 || !ok || !catalogue::isRhythm(result.rhythm)) {
            return failure(result, "cli_numero_rythme", {command});
        }
        result.out = parser.value(out);
        if (result.out.isEmpty()) {
            return failure(result, "cli_sortie", {command});
        }
    }
    if (command == QLatin1String("export-rhythm")) {
        if (parser.isSet(size)) {
            return failure(result, "cli_pas_avec", {QStringLiteral("--size"), command});
        }
        if (parser.isSet(tempo)) {
            result.tempo = parser.value(tempo).toInt(&ok);
            if (!ok || result.tempo < 1 || result.tempo > 300) {
                return failure(result, "cli_tempo");
            }
        }
        if (parser.isSet(band)) {
            result.band = parser.value(band).toInt(&ok);
            if (!ok || result.band < 0 || result.band > 43) {
                return failure(result, "cli_instrument");
            }
        }
        result.action = CommandLine::Action::ExportRhythm;
        return result;
    }
    if (isExport) {
        if (parser.isSet(size) && !parseSize(parser.value(size), &result.size)) {
            return failure(result, "cli_taille");
        }
        if (parser.isSet(tempo) || parser.isSet(band)) {
            return failure(result, "cli_pas_avec",
                           {firstOptionSet(parser, {&tempo, &band}), command});
        }
        result.action = CommandLine::Action::ExportPicture;
        return result;
    }
    if (command == QLatin1String("export-answers")) {
        if (words.size() != 1) {
            return failure(result, "cli_sans_numero", {command});
        }
        if (parser.isSet(size) || parser.isSet(tempo) || parser.isSet(band)) {
            return failure(result, "cli_pas_avec",
                           {firstOptionSet(parser, {&size, &tempo, &band}), command});
        }
        result.out = parser.value(out);
        if (result.out.isEmpty()) {
            return failure(result, "cli_sortie", {command});
        }
        result.action = CommandLine::Action::ExportAnswers;
        return result;
    }
    if (!words.isEmpty()) {
        return failure(result, "cli_argument_inconnu", {words.first()});
    }
    if (parser.isSet(tour)) {
        result.tourDir = parser.value(tour);
        if (result.tourDir.isEmpty()) {
            return failure(result, "cli_dossier", {QStringLiteral("--tour")});
        }
        if (result.database) {
            return failure(result, "cli_pas_avec",
                           {QStringLiteral("--database"), QStringLiteral("--tour")});
        }
        result.action = CommandLine::Action::Tour;
    }
    if (parser.isSet(size) || parser.isSet(out) || parser.isSet(tempo) || parser.isSet(band)) {
        return failure(result, "cli_seulement_export",
                       {firstOptionSet(parser, {&size, &out, &tempo, &band})});
    }
    return result;
}

QString commandLineErrorText(const CommandLine& line, const i18n::CaptionTable& captions) {
    // Both words at once, so that a "%2" typed by the user is never taken for a place.
    const QString text = captions.text(line.errorKey);
    switch (line.errorArguments.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(line.errorArguments[0]);
    default:
        return text.arg(line.errorArguments[0], line.errorArguments[1]);
    }
}

QString helpText(const i18n::CaptionTable& captions) {
    return captions.text(u"cli_aide_texte");
}

} // namespace pulsadrome::app
