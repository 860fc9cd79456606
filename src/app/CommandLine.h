// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ServerAddress.h"
#include "i18n/CaptionTable.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace pulsadrome::app {

struct CommandLine {
    enum class Action {
        Run,
        Help,
        Version,
        ExportPicture,
        ExportRhythm,
        ExportAnswers,
        Tour,
        Error
    };
    Action action = Action::Run;
    QString dataDir; // empty: the default data folder
    // For Action::Error: what is wrong, as a caption row and the words put into it.
    QString errorKey;
    QStringList errorArguments;
    std::optional<ServerAddress> database; // --database URL: the players of a server

    QString soundFont; // empty: the best General MIDI bank installed
    QString tourDir;   // --tour DIR

    // export-picture N --size WxH --out FILE.png
    // export-rhythm N --tempo T --band P --out FILE.wav
    // export-answers --out FILE.csv
    int rhythm = 0;
    QSize size{932, 228};
    int tempo = 100;
    int band = 23;
    QString out;
};

// Reads the program's arguments (the program name first, as in argv). The data folder is read
// first, so that an error after it is told in that folder's language.
CommandLine parseCommandLine(const QStringList& arguments);

// What is wrong with the command line (Action::Error), as one sentence in the captions' language.
QString commandLineErrorText(const CommandLine& line, const i18n::CaptionTable& captions);

// What --help prints: the options and the commands, in the captions' language.
QString helpText(const i18n::CaptionTable& captions);

} // namespace pulsadrome::app
