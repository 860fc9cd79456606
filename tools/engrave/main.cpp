// SPDX-License-Identifier: GPL-3.0-or-later
// pulsadrome_engrave: engraves the notation pictures from the rhythm catalogue.
//
//   pulsadrome_engrave [--catalogue FILE] [--output DIR] [--lilypond PROGRAM] [--keep DIR]
//
// Writes DIR/100.svg (the empty cell) and DIR/101.svg ... DIR/660.svg (rhythm n is picture
// 100 + n) from ONE LilyPond run. Each picture carries "pulsadrome-rhythm <catalogue line>" in
// its <desc>, so the tests can tell that a picture shows its rhythm without LilyPond.
#include "LilyPondScore.h"
#include "SvgFrame.h"
#include "catalogue/RhythmCatalogue.h"
#include "catalogue/Series.h"
#include "common/AtomicFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace pulsadrome;

namespace {

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    const pulsadrome::WriteOutcome outcome = pulsadrome::writeFileAtomically(path, bytes);
    if (!outcome) {
        err() << "cannot write " << path << ": " << outcome.systemText << "\n";
    }
    return outcome.ok();
}

// LilyPond warns about every cropped book that it makes no PNG; that warning is harmless. Any
// other line it prints is a warning or an error about the engraving, and fails the run.
bool isHarmless(QStringView line) {
    return line.trimmed().isEmpty() || line.contains(u"ignoring unsupported formats");
}

bool runLilyPond(const QString& program, const QString& workDir, const QString& input) {
    QProcess lilypond;
    lilypond.setWorkingDirectory(workDir);
    lilypond.setProcessChannelMode(QProcess::MergedChannels);
    lilypond.start(program, {QStringLiteral("--loglevel=WARNING"), QStringLiteral("-dbackend=svg"),
                             QStringLiteral("-dno-point-and-click"),
                             QStringLiteral("-dno-print-pages"), QStringLiteral("-dcrop"), input});
    if (!lilypond.waitForStarted()) {
        err() << "cannot start " << program << ": " << lilypond.errorString()
              << " (scripts/install-tool-deps.sh installs LilyPond)\n";
        return false;
    }
    constexpr int kTimeoutMs = 30 * 60 * 1000;
    if (!lilypond.waitForFinished(kTimeoutMs)) {
        err() << program << " did not finish: " << lilypond.errorString() << "\n";
        lilypond.kill();
        lilypond.waitForFinished();
        return false;
    }
    const QString log = QString::fromUtf8(lilypond.readAll());
    bool clean = true;
    for (const QStringView line : QStringView(log).split(u'\n')) {
        if (!isHarmless(line)) {
            err() << "lilypond: " << line << "\n";
            clean = false;
        }
    }
    if (lilypond.exitStatus() != QProcess::NormalExit || lilypond.exitCode() != 0) {
        err() << program << " failed with exit code " << lilypond.exitCode() << "\n";
        return false;
    }
    return clean;
}

// Frames one engraved page and writes it as `outputDir/<picture>.svg`.
bool framePicture(const QString& workDir, const QString& outputDir, int picture,
                  const engrave::FrameOptions& options) {
    const QString engraved = QStringLiteral("%1/%2.cropped.svg").arg(workDir).arg(picture);
    QFile file(engraved);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "LilyPond left no " << engraved << ": " << file.errorString() << "\n";
        return false;
    }
    const engrave::FrameResult framed = engrave::frameLilyPondSvg(file.readAll(), options);
    if (!framed.ok()) {
        err() << "picture " << picture << ": " << framed.error << "\n";
        return false;
    }
    return writeFile(QStringLiteral("%1/%2.svg").arg(outputDir).arg(picture), framed.svg);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pulsadrome_engrave"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Engraves the notation pictures of the rhythm catalogue with LilyPond."));
    parser.addHelpOption();
    const QCommandLineOption catalogueOption(
        QStringLiteral("catalogue"), QStringLiteral("The rhythm catalogue."),
        QStringLiteral("FILE"),
        QStringLiteral(PULSADROME_SOURCE_DIR "/assets/rhythms/rhythms.txt"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"), QStringLiteral("Where the pictures go."), QStringLiteral("DIR"),
        QStringLiteral(PULSADROME_SOURCE_DIR "/assets/notation"));
    const QCommandLineOption lilypondOption(QStringLiteral("lilypond"),
                                            QStringLiteral("The LilyPond program."),
                                            QStringLiteral("PROGRAM"), QStringLiteral("lilypond"));
    const QCommandLineOption keepOption(QStringLiteral("keep"),
                                        QStringLiteral("Keep LilyPond's input and pages in DIR."),
                                        QStringLiteral("DIR"));
    parser.addOptions({catalogueOption, outputOption, lilypondOption, keepOption});
    parser.process(app);

    const QString cataloguePath = parser.value(catalogueOption);
    const auto rhythms = catalogue::RhythmCatalogue::fromFile(cataloguePath);
    if (!rhythms.ok()) {
        err() << cataloguePath << ": " << rhythms.error() << "\n";
        return 1;
    }
    engrave::LilyPondScore score;
    score.addEmptyStaff(catalogue::kPlaceholderPicture);
    for (int n = 1; n <= catalogue::kRhythmCount; ++n) {
        const catalogue::CatalogueEntry* entry = rhythms.find(n);
        if (!entry) {
            err() << cataloguePath << " has no rhythm " << n << "\n";
            return 1;
        }
        if (entry->rhythm.bars != 1) {
            err() << "rhythm " << n << " fills " << entry->rhythm.bars
                  << " bars; a picture shows one\n";
            return 1;
        }
        score.addRhythm(catalogue::pictureOf(n), entry->rhythm);
    }

    QTemporaryDir temporary;
    QString workDir = temporary.path();
    if (parser.isSet(keepOption)) {
        workDir = parser.value(keepOption);
    } else if (!temporary.isValid()) {
        err() << "cannot make a work folder: " << temporary.errorString() << "\n";
        return 1;
    }
    const QString outputDir = parser.value(outputOption);
    if (!QDir().mkpath(workDir) || !QDir().mkpath(outputDir)) {
        err() << "cannot make the folders " << workDir << " and " << outputDir << "\n";
        return 1;
    }
    const QString input = QStringLiteral("pictures.ly");
    if (!writeFile(workDir + u'/' + input, score.text().toUtf8())) {
        return 1;
    }
    err() << "engraving " << catalogue::kRhythmCount + 1 << " pictures in one LilyPond run\n";
    err().flush();
    if (!runLilyPond(parser.value(lilypondOption), workDir, input)) {
        return 1;
    }

    const QString placeholderText = QStringLiteral("pulsadrome-placeholder");
    if (!framePicture(workDir, outputDir, catalogue::kPlaceholderPicture,
                      {placeholderText, true})) {
        return 1;
    }
    for (int n = 1; n <= catalogue::kRhythmCount; ++n) {
        const QString description = QStringLiteral("pulsadrome-rhythm %1 %2")
                                        .arg(QString::number(n), rhythms.find(n)->text);
        if (!framePicture(workDir, outputDir, catalogue::pictureOf(n), {description, false})) {
            return 1;
        }
    }
    err() << "wrote " << outputDir << "/100.svg ... "
          << catalogue::pictureOf(catalogue::kRhythmCount) << ".svg\n";
    return 0;
}
