// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnswerExport.h"
#include "app/CommandLine.h"
#include "app/DataDirectory.h"
#include "app/ExportPicture.h"
#include "app/ExportRhythm.h"
#include "app/ProgramFlow.h"
#include "app/SingleCopy.h"
#include "app/StartMessages.h"
#include "app/Tour.h"
#include "app/Version.h"
#include "i18n/CaptionTable.h"
#include "sound/MusicService.h"
#include "sound/RhythmEngine.h"
#include "sound/SoundFonts.h"
#include "ui/Style.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace pulsadrome;

namespace {

// How long the first level waits for the sound bank still loading in the background.
constexpr int kSoundBankWaitMs = 20000;

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int runGame(int argc, char* argv[], const app::CommandLine& options) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pulsadrome"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    ui::applyProgramStyle(application);

    app::DataFolderProblem problem;
    const auto dataDir = app::DataDirectory::open(options.dataDir, &problem);
    if (!dataDir) {
        app::tellDataFolderProblem(app::startCaptions(problem.folder), problem);
        return 1;
    }
    // One copy per data folder: a second start brings the first one forward, or says it is
    // open, and ends before anything of the folder but the lock is touched.
    app::SingleCopy singleCopy(*dataDir);
    switch (singleCopy.start()) {
    case app::SingleCopy::Start::First:
        break;
    case app::SingleCopy::Start::BroughtForward:
        return 0;
    case app::SingleCopy::Start::AlreadyOpen:
        app::tellAlreadyOpen(app::startCaptions(dataDir->path()), singleCopy);
        return 1;
    case app::SingleCopy::Start::Failed:
        app::tellLockFault(app::startCaptions(dataDir->path()), singleCopy);
        return 1;
    }
    QObject::connect(&singleCopy, &app::SingleCopy::comeForwardAsked, &app::bringWindowsForward);

    // The sound bank loads in the background while the first window shows.
    sound::MusicService music({options.soundFont, true, 256});
    music.start();
    if (music.state() != sound::MusicService::State::Loading) {
        qWarning().noquote() << "No sound:" << music.problem();
    }
    QApplication::setQuitOnLastWindowClosed(false);
    // Each play screen has an engine of its own on the one music service.
    app::ProgramFlow flow(*dataDir,
                          [&music](const i18n::CaptionTable& captions,
                                   QString* why) -> std::unique_ptr<play::RhythmPort> {
                              // A sound bank that is missing or never loads is a load failure.
                              if (!music.waitUntilReady(kSoundBankWaitMs)) {
                                  *why = music.problem();
                                  return nullptr;
                              }
                              auto engine = std::make_unique<sound::RhythmEngine>(music, captions);
                              if (!engine->Initialise(QDir::currentPath(), true, why)) {
                                  return nullptr;
                              }
                              return engine;
                          });
    // --database wins over the server the school network page chose.
    flow.chooseStartPlayers(options.database);
    QObject::connect(&flow, &app::ProgramFlow::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    // The players are read on a thread of their own while the first windows show: a school's
    // server that is slow or gone never holds the screen.
    flow.openPlayersWhileShown();
    flow.start();
    const int code = QApplication::exec();
    return code != 0 ? code : flow.exitCode();
}

// Pictures of every screen, made offscreen.
int runTour(int argc, char* argv[], const app::CommandLine& options) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::applyProgramStyle(application);
    const QString error = app::takeTour(options.tourDir);
    if (!error.isEmpty()) {
        print(stderr, error + QLatin1Char('\n'));
        return 1;
    }
    print(stdout, QStringLiteral("Pictures of every screen saved in %1\n").arg(options.tourDir));
    return 0;
}

// The teachers' commands speak the language of the data folder they name (the default one
// otherwise), as the game would on it; nothing of the folder is made or changed for that.
i18n::CaptionTable commandCaptions(const app::CommandLine& options) {
    return app::startCaptions(options.dataDir.isEmpty() ? app::defaultDataDirectory()
                                                        : options.dataDir);
}

// Commands for teachers run without a window, on any machine.
int runExport(int argc, char* argv[], const app::CommandLine& options) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const i18n::CaptionTable captions = commandCaptions(options);
    const QString error =
        options.action == app::CommandLine::Action::ExportPicture
            ? app::exportPicture(options.rhythm, options.size, options.out, captions)
            : app::exportRhythm(options.rhythm, options.tempo, options.band, options.soundFont,
                                options.out, captions);
    if (!error.isEmpty()) {
        print(stderr, error + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

// The answer log for the teacher's spreadsheet; no window, no sound.
int runExportAnswers(int argc, char* argv[], const app::CommandLine& options) {
    QCoreApplication application(argc, argv);
    const QString error =
        app::exportAllAnswers(options.dataDir, options.out, commandCaptions(options));
    if (!error.isEmpty()) {
        print(stderr, error + QLatin1Char('\n'));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto options = app::parseCommandLine(arguments);
    switch (options.action) {
    case app::CommandLine::Action::Help:
        print(stdout, app::helpText(commandCaptions(options)));
        return 0;
    case app::CommandLine::Action::Version:
        print(stdout, QStringLiteral("Pulsadrome %1\nQt %2, %3\n")
                          .arg(QString::fromLatin1(kVersion), QString::fromLatin1(qVersion()),
                               sound::soundLibraryVersions()));
        return 0;
    case app::CommandLine::Action::Error: {
        const i18n::CaptionTable captions = commandCaptions(options);
        print(stderr, app::commandLineErrorText(options, captions) + QLatin1Char('\n') +
                          captions.text(u"cli_aide") + QLatin1Char('\n'));
        return 2;
    }
    case app::CommandLine::Action::ExportPicture:
    case app::CommandLine::Action::ExportRhythm:
        return runExport(argc, argv, options);
    case app::CommandLine::Action::ExportAnswers:
        return runExportAnswers(argc, argv, options);
    case app::CommandLine::Action::Tour:
        return runTour(argc, argv, options);
    case app::CommandLine::Action::Run:
        break;
    }
    return runGame(argc, argv, options);
}
