// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ServerAddress.h"

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
    QString dataDir;                       // empty: the default data folder
    QString error;                         // for Action::Error: what is wrong, in one sentence
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

// Reads the program's arguments (the program name first, as in argv).
CommandLine parseCommandLine(const QStringList& arguments);

QString helpText();

} // namespace pulsadrome::app
