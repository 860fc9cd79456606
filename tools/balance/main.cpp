// SPDX-License-Identifier: GPL-3.0-or-later
// pulsadrome_balance: measures every band and every feedback wave at the loudest volume and
// prints them as Markdown tables.
//
//   pulsadrome_balance [--soundfont FILE] [--rhythm N] [--tempo T] [--only-bands]
//
// Per band: the notes' loudness (loudest 400 ms and integrated, LUFS) and its distance from the
// piano's, the peak of notes, count-in and pulse together, the time one note takes to reach 90 %
// of its peak, the notes' loudest 400 ms over the pulse's, and the written onsets heard within
// 10 ms. Per wave: its loudness at the same setting, its distance from the piano's rhythm, its
// length and stored format.
#include "BandBalance.h"

#include "catalogue/RhythmCatalogue.h"
#include "sound/Bands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>

using namespace pulsadrome;
using namespace pulsadrome::tools::balance;

namespace {

QString number(double value, int decimals = 1) {
    return QString::number(value, 'f', decimals);
}

const char* encodingName(sound::WaveEncoding encoding) {
    switch (encoding) {
    case sound::WaveEncoding::Pcm8:
        return "PCM 8";
    case sound::WaveEncoding::Pcm16:
        return "PCM 16";
    case sound::WaveEncoding::MsAdpcm:
        return "ADPCM";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("soundfont"), QStringLiteral("General MIDI bank."),
                      QStringLiteral("file"), QString::fromLatin1(kDefaultSoundFont)});
    parser.addOption({QStringLiteral("rhythm"), QStringLiteral("Catalogue rhythm."),
                      QStringLiteral("n"), QStringLiteral("57")});
    parser.addOption({QStringLiteral("tempo"), QStringLiteral("Quarter notes a minute."),
                      QStringLiteral("t"), QStringLiteral("100")});
    parser.addOption({QStringLiteral("bands"),
                      QStringLiteral("A band list to measure instead of the program's own."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("band"),
                      QStringLiteral("Measure band p alone (may be given again)."),
                      QStringLiteral("p")});
    parser.addOption({QStringLiteral("only-bands"), QStringLiteral("Leave the waves out.")});
    parser.addOption({QStringLiteral("envelope"),
                      QStringLiteral("Print one note's envelope on band p, in 10 ms steps."),
                      QStringLiteral("p")});
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const int rhythm = parser.value(QStringLiteral("rhythm")).toInt();
    const double tempo = parser.value(QStringLiteral("tempo")).toDouble();
    if (!catalogue::rhythmCatalogue().find(rhythm) || tempo <= 0) {
        err << "no such rhythm or tempo\n";
        return 2;
    }
    BandBench bench(parser.value(QStringLiteral("soundfont")));
    QString why;
    if (!bench.ready(&why)) {
        err << why << "\n";
        return 1;
    }
    std::vector<sound::BandEntry> bands = sound::bandList();
    if (parser.isSet(QStringLiteral("bands"))) {
        QFile file(parser.value(QStringLiteral("bands")));
        if (!file.open(QIODevice::ReadOnly)) {
            err << file.fileName() << ": " << file.errorString() << "\n";
            return 2;
        }
        auto parsed = sound::parseBandList(QString::fromUtf8(file.readAll()));
        if (!parsed.ok() || parsed.bands.size() != bands.size()) {
            err << file.fileName() << ": " << parsed.error << "\n";
            return 2;
        }
        bands = std::move(parsed.bands);
    }
    if (parser.isSet(QStringLiteral("envelope"))) {
        const int p = parser.value(QStringLiteral("envelope")).toInt();
        if (p < 0 || p >= static_cast<int>(bands.size())) {
            err << "no such band\n";
            return 2;
        }
        for (float e :
             bench.noteEnvelope(styleBand(bands[static_cast<std::size_t>(p)]), tempo, 10)) {
            out << number(e, 3) << " ";
        }
        out << "\n";
        return 0;
    }
    if (parser.isSet(QStringLiteral("band"))) {
        // One line per band, in the order given.
        for (const QString& value : parser.values(QStringLiteral("band"))) {
            const int p = value.toInt();
            if (p < 0 || p >= static_cast<int>(bands.size())) {
                err << "no such band\n";
                return 2;
            }
            const auto m =
                bench.measure(styleBand(bands[static_cast<std::size_t>(p)]), rhythm, tempo);
            out << "band " << p << ": " << number(m.notes.momentaryMax) << " LUFS, attack "
                << number(m.attackMs, 0) << " ms, onsets " << m.onsets.found << "/"
                << m.onsets.written << " +" << m.onsets.extra << "\n";
        }
        return 0;
    }
    std::vector<BandMeasure> measures;
    for (const auto& band : bands) {
        measures.push_back(bench.measure(styleBand(band), rhythm, tempo));
    }
    const double piano =
        measures[static_cast<std::size_t>(sound::kDefaultBandPosition)].notes.momentaryMax;
    out << "Rhythm " << rhythm << " at " << tempo << " on " << parser.value("soundfont")
        << ", loudest volume.\n\n";
    out << "| band | name | M max LUFS | vs piano dB | I LUFS | peak dBFS | attack 90 % ms "
           "| notes/click dB | onsets |\n|---|---|---|---|---|---|---|---|---|\n";
    std::vector<double> loudness;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const auto& m = measures[i];
        loudness.push_back(m.notes.momentaryMax);
        out << "| " << i << " | " << bands[i].names[1] << " | " << number(m.notes.momentaryMax)
            << " | " << number(m.notes.momentaryMax - piano) << " | " << number(m.notes.integrated)
            << " | " << number(m.fullPeakDb) << " | " << number(m.attackMs, 0) << " | "
            << number(m.notesOverClick) << " | " << m.onsets.found << "/" << m.onsets.written
            << (m.onsets.extra ? QStringLiteral(" +%1").arg(m.onsets.extra) : QString()) << " |\n";
    }
    std::sort(loudness.begin(), loudness.end());
    out << "\nLoudest 400 ms: median " << number(loudness[loudness.size() / 2]) << " LUFS, spread "
        << number(loudness.back() - loudness.front()) << " dB.\n";
    if (parser.isSet(QStringLiteral("only-bands"))) {
        return 0;
    }
    out << "\n| wave | M max LUFS | vs piano rhythm dB | I LUFS | peak dBFS | seconds | stored "
           "|\n|---|---|---|---|---|---|---|\n";
    int failures = 0;
    for (const QString& theme : soundThemes()) {
        for (const char* verdict : {"_vrai", "_faux"}) {
            const QString name = theme + QLatin1String(verdict);
            const auto m = measureWave(name, &why);
            if (!m) {
                err << name << ": " << why << "\n";
                ++failures;
                continue;
            }
            out << "| " << name << " | " << number(m->loudness.momentaryMax) << " | "
                << number(m->loudness.momentaryMax - piano) << " | "
                << number(m->loudness.integrated) << " | " << number(m->loudness.peakDb) << " | "
                << number(m->seconds, 2) << " | " << encodingName(m->encoding) << " |\n";
        }
    }
    return failures == 0 ? 0 : 1;
}
