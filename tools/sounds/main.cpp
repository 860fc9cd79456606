// SPDX-License-Identifier: GPL-3.0-or-later
// pulsadrome_sounds: renders the sixteen right/wrong feedback sounds of the sound themes.
//
//   pulsadrome_sounds [--soundfont FILE] [--output DIR] [--sox PROGRAM] [--only NAME]
//
// Each sound is a short phrase played on FluidSynth with a General MIDI SoundFont, shaped
// (trimmed, faded in and out), then stored by sox in its own format (FeedbackSounds.cpp) as
// DIR/<name>.wav at the loudness that sets it kWaveUnderRhythmDb under the piano's reference
// rhythm at the loudest volume, as the feedback player plays it (measured in the same bank).
// Every file written is read back with the game's own wave reader, and its format, length,
// peak and loudness are printed.
#include "BandBalance.h"
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
#include <optional>

using namespace pulsadrome::tools::sounds;

namespace {

constexpr double kFirstPeakDb = -3.0;      // the first storing, measured to find the right level
constexpr double kLoudnessTolerance = 0.2; // dB
constexpr double kHighestPeakDb = -1.0;
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
// the peak set to `peakDb` after resampling, repeatable dither.
bool runSox(const QString& sox, const QString& input, Storage storage, double peakDb,
            const QString& output) {
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
              << QStringLiteral("gain") << QStringLiteral("-n") << QString::number(peakDb, 'f', 2);
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

// The stored file `path`, read back with the game's reader.
std::optional<pulsadrome::sound::MixWave> readBack(const QString& path, QByteArray* bytes) {
    QFile stored(path);
    if (!stored.open(QIODevice::ReadOnly)) {
        err() << "cannot read " << path << ": " << stored.errorString() << "\n";
        return std::nullopt;
    }
    *bytes = stored.readAll();
    auto wave = pulsadrome::sound::readWave(*bytes);
    if (!wave) {
        err() << path << ": the stored file does not read back: " << wave.error << "\n";
        return std::nullopt;
    }
    return std::move(wave.value);
}

float peakOf(const std::vector<float>& samples) {
    float peak = 0;
    for (const float sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

bool makeSound(const FeedbackSound& sound, const QString& soundFont, const QString& sox,
               double targetLoudness, const QDir& work, const QDir& output) {
    using pulsadrome::tools::balance::feedbackLoudness;
    const QString name = QString::fromLatin1(sound.name);
    if (sound.longest > pulsadrome::tools::balance::kLongestWave) {
        err() << name << ": longer than " << pulsadrome::tools::balance::kLongestWave << " s\n";
        return false;
    }
    QString error;
    auto rendered = render(sound.phrase, soundFont, kRingingTail, &error);
    if (!rendered) {
        err() << name << ": " << error << "\n";
        return false;
    }
    shape(*rendered, sound.longest, sound.fadeOut, kFirstPeakDb);

    const QString floatPath = work.filePath(name + QStringLiteral("_float.wav"));
    const QString storedPath = work.filePath(name + QStringLiteral(".wav"));
    if (!writeFile(floatPath, floatWave(*rendered))) {
        return false;
    }
    // Stored once at a known peak and measured as the game plays it, then stored again at the
    // peak that gives the target loudness: the resampler and the gain are linear.
    QByteArray bytes;
    if (!runSox(sox, floatPath, sound.storage, kFirstPeakDb, storedPath)) {
        return false;
    }
    const auto first = readBack(storedPath, &bytes);
    if (!first) {
        return false;
    }
    const double peakDb =
        kFirstPeakDb + targetLoudness - feedbackLoudness(first->samples).momentaryMax;
    if (peakDb > kHighestPeakDb) {
        err() << name << ": reaching the loudness would take its peak to " << peakDb << " dBFS\n";
        return false;
    }
    if (!runSox(sox, floatPath, sound.storage, peakDb, storedPath)) {
        return false;
    }
    const auto wave = readBack(storedPath, &bytes);
    if (!wave) {
        return false;
    }
    const double loudness = feedbackLoudness(wave->samples).momentaryMax;
    if (std::abs(loudness - targetLoudness) > kLoudnessTolerance) {
        err() << name << ": stored at " << loudness << " LUFS instead of " << targetLoudness
              << "\n";
        return false;
    }
    if (!writeFile(output.filePath(name + QStringLiteral(".wav")), bytes)) {
        return false;
    }
    out() << QStringLiteral("%1  %2, %3 s, peak %4 dBFS, %5 LUFS, %6 KB  %7\n")
                 .arg(name, -16)
                 .arg(storageFormat(sound.storage).name, -24)
                 .arg(wave->seconds(), 0, 'f', 2)
                 .arg(20 * std::log10(peakOf(wave->samples)), 0, 'f', 1)
                 .arg(loudness, 0, 'f', 1)
                 .arg(double(bytes.size()) / 1024, 0, 'f', 0)
                 .arg(QString::fromUtf8(sound.description));
    return true;
}

// The loudness the feedback sounds are stored at: the piano's reference rhythm at the loudest
// volume in `soundFont`, less kWaveUnderRhythmDb.
std::optional<double> targetLoudness(const QString& soundFont) {
    namespace balance = pulsadrome::tools::balance;
    balance::BandBench bench(soundFont);
    QString why;
    if (!bench.ready(&why)) {
        err() << why << "\n";
        return std::nullopt;
    }
    const auto& piano = pulsadrome::sound::bandList()[static_cast<std::size_t>(
        pulsadrome::sound::kDefaultBandPosition)];
    const double rhythm =
        bench
            .measure(balance::styleBand(piano), balance::kReferenceRhythm, balance::kReferenceTempo)
            .notes.momentaryMax;
    out() << QStringLiteral("piano rhythm %1 LUFS: sounds at %2 LUFS as played\n")
                 .arg(rhythm, 0, 'f', 1)
                 .arg(rhythm - balance::kWaveUnderRhythmDb, 0, 'f', 1);
    return rhythm - balance::kWaveUnderRhythmDb;
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
    const auto target = targetLoudness(parser.value(soundFontOption));
    if (!target) {
        return 1;
    }
    int made = 0;
    for (const FeedbackSound& sound : feedbackSounds()) {
        if (parser.isSet(onlyOption) && parser.value(onlyOption) != QLatin1String(sound.name)) {
            continue;
        }
        if (!makeSound(sound, parser.value(soundFontOption), parser.value(soxOption), *target,
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
