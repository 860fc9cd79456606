// SPDX-License-Identifier: GPL-3.0-or-later
// pulsadrome_sounds: renders the sixteen right/wrong feedback sounds of the sound themes.
//
//   pulsadrome_sounds [--soundfont FILE] [--output DIR] [--sox PROGRAM] [--only NAME]
//
// Each sound is a short phrase played on FluidSynth with a General MIDI SoundFont, shaped
// (trimmed, faded in and out, peak at -3 dBFS), then stored by sox in its own format
// (FeedbackSounds.cpp) as DIR/<name>.wav. Every file written is read back with the game's own
// wave reader, and its format, length and peak are printed.
#include "FeedbackSounds.h"
#include "Render.h"
#include "common/AtomicFile.h"
#include "sound/WaveReader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

using namespace pulsadrome::tools::sounds;

namespace {

constexpr double kPeakDb = -3.0;
constexpr double kRingingTail = 1.5; // seconds rendered after the last note ends

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

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

// sox converts the rendered float file to the stored format: mono by mixing, a good resampler,
// the peak set again after resampling, repeatable dither.
bool runSox(const QString& sox, const QString& input, Storage storage, const QString& output) {
    const StorageFormat format = storageFormat(storage);
    QStringList arguments{QStringLiteral("-R"),
                          QStringLiteral("-V1"),
                          input,
                          QStringLiteral("-r"),
                          QString::number(format.rate),
                          QStringLiteral("-c"),
                          QString::number(format.channels)};
    arguments << format.soxEncoding << output;
    if (format.channels == 1) {
        arguments << QStringLiteral("remix") << QStringLiteral("-");
    }
    arguments << QStringLiteral("rate") << QStringLiteral("-v") << QString::number(format.rate)
              << QStringLiteral("gain") << QStringLiteral("-n") << QString::number(kPeakDb);
    QProcess process;
    process.start(sox, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        err() << "sox failed on " << input << ": " << process.errorString() << "\n"
              << QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    return true;
}

bool makeSound(const FeedbackSound& sound, const QString& soundFont, const QString& sox,
               const QDir& work, const QDir& output) {
    const QString name = QString::fromLatin1(sound.name);
    QString error;
    auto rendered = render(sound.phrase, soundFont, kRingingTail, &error);
    if (!rendered) {
        err() << name << ": " << error << "\n";
        return false;
    }
    shape(*rendered, sound.longest, sound.fadeOut, kPeakDb);

    const QString floatPath = work.filePath(name + QStringLiteral("_float.wav"));
    const QString storedPath = work.filePath(name + QStringLiteral(".wav"));
    if (!writeFile(floatPath, floatWave(*rendered)) ||
        !runSox(sox, floatPath, sound.storage, storedPath)) {
        return false;
    }
    QFile stored(storedPath);
    if (!stored.open(QIODevice::ReadOnly)) {
        err() << "cannot read " << storedPath << ": " << stored.errorString() << "\n";
        return false;
    }
    const QByteArray bytes = stored.readAll();
    const auto wave = pulsadrome::sound::readWave(bytes);
    if (!wave) {
        err() << name << ": the stored file does not read back: " << wave.error << "\n";
        return false;
    }
    float peak = 0;
    for (const float sample : wave->samples) {
        peak = std::max(peak, std::abs(sample));
    }
    if (!writeFile(output.filePath(name + QStringLiteral(".wav")), bytes)) {
        return false;
    }
    out() << QStringLiteral("%1  %2, %3 s, peak %4 dBFS, %5 KB  %6\n")
                 .arg(name, -16)
                 .arg(storageFormat(sound.storage).name, -24)
                 .arg(wave->seconds(), 0, 'f', 2)
                 .arg(20 * std::log10(peak), 0, 'f', 1)
                 .arg(double(bytes.size()) / 1024, 0, 'f', 0)
                 .arg(QString::fromUtf8(sound.description));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the feedback sounds."));
    parser.addHelpOption();
    const QCommandLineOption soundFontOption(
        QStringLiteral("soundfont"), QStringLiteral("General MIDI SoundFont."),
        QStringLiteral("file"), QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"), QStringLiteral("Folder of the wave files."),
        QStringLiteral("dir"), QStringLiteral(PULSADROME_SOURCE_DIR "/assets/sounds/dmseg"));
    const QCommandLineOption soxOption(QStringLiteral("sox"), QStringLiteral("The sox program."),
                                       QStringLiteral("program"), QStringLiteral("sox"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Render this sound only (e.g. coq_vrai)."),
                                        QStringLiteral("name"));
    parser.addOptions({soundFontOption, outputOption, soxOption, onlyOption});
    parser.process(app);

    const QDir output(parser.value(outputOption));
    if (!QDir().mkpath(output.path())) {
        err() << "cannot make " << output.path() << "\n";
        return 1;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        err() << "cannot make a temporary folder: " << work.errorString() << "\n";
        return 1;
    }
    int made = 0;
    for (const FeedbackSound& sound : feedbackSounds()) {
        if (parser.isSet(onlyOption) && parser.value(onlyOption) != QLatin1String(sound.name)) {
            continue;
        }
        if (!makeSound(sound, parser.value(soundFontOption), parser.value(soxOption),
                       QDir(work.path()), output)) {
            return 1;
        }
        ++made;
    }
    if (made == 0) {
        err() << "no sound is named " << parser.value(onlyOption) << "\n";
        return 1;
    }
    return 0;
}
