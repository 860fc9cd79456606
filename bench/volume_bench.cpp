// SPDX-License-Identifier: GPL-3.0-or-later
// The volume scale as heard: every band's peak at the loudest settings, and on the loudest band
// the level at each arrow setting with the step one click makes. Rendered offline.
//
//   volume_bench [sound bank] [rhythm] [tempo]
#include "catalogue/RhythmCatalogue.h"
#include "i18n/CaptionTable.h"
#include "sound/MusicService.h"
#include "sound/RhythmEngine.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace pulsadrome;
using namespace pulsadrome::sound;

namespace {

double dbfs(float peak) {
    return peak > 0 ? 20.0 * std::log10(peak) : -200.0;
}

struct Bench {
    MusicService& service;
    RhythmEngine& engine;
    int motif;
    double seconds;

    // The peak of the rhythm on list position `band`, after `setVolume` was sent.
    template <typename SetVolume> float peakOf(int band, SetVolume setVolume) {
        const QStringList bands = engine.FillBandList();
        if (!engine.SelectBand(bands[band]) || !setVolume()) {
            return 0;
        }
        engine.PlayRhythm(motif);
        std::vector<float> audio(2 * static_cast<std::size_t>(seconds * MusicService::kSampleRate));
        for (std::size_t done = 0; done < audio.size() / 2; done += 256) {
            service.render(audio.data() + 2 * done,
                           static_cast<int>(std::min<std::size_t>(256, audio.size() / 2 - done)));
        }
        engine.StopAll();
        std::vector<float> ring(2 * MusicService::kSampleRate / 2);
        service.render(ring.data(), static_cast<int>(ring.size() / 2));
        float peak = 0;
        for (float s : audio) {
            peak = std::max(peak, std::abs(s));
        }
        return peak;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QString bank = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");
    const int rhythm = argc > 2 ? std::atoi(argv[2]) : 57;
    const int tempo = argc > 3 ? std::atoi(argv[3]) : 100;
    MusicService service({bank, false, 256});
    service.start();
    if (!service.waitUntilReady(60000)) {
        std::fprintf(stderr, "%s\n", qPrintable(service.problem()));
        return 1;
    }
    i18n::CaptionTable captions;
    RhythmEngine engine(service, captions);
    if (!engine.Initialise(QStringLiteral("/nonexistent"), false) ||
        !engine.SetTempo(static_cast<qint16>(tempo))) {
        std::fprintf(stderr, "the engine cannot play\n");
        return 1;
    }
    const auto* entry = catalogue::rhythmCatalogue().find(rhythm);
    if (!entry) {
        std::fprintf(stderr, "no rhythm %d\n", rhythm);
        return 1;
    }
    const double seconds = (entry->rhythm.barTicks() + entry->rhythm.totalTicks()) * 60.0 /
                               (tempo * catalogue::kTicksPerQuarter) +
                           0.5;
    Bench bench{service, engine, catalogue::motifOf(rhythm), seconds};

    std::printf("%s, rhythm %d at %d\n\nband  peak dBFS (box 100)  (arrows 100)  (arrows 50)\n",
                qPrintable(bank), rhythm, tempo);
    const QStringList bands = engine.FillBandList();
    int loudest = 0;
    float loudestPeak = 0;
    float quietestPeak = 1e9f;
    for (int band = 0; band < bands.size(); ++band) {
        const float box = bench.peakOf(band, [&] { return engine.SetVolumeFromEdit(100); });
        const float arrows = bench.peakOf(band, [&] { return engine.ChangeVolume(100); });
        const float middle = bench.peakOf(band, [&] { return engine.ChangeVolume(50); });
        std::printf("%4d  %19.1f  %12.1f  %11.1f  %s\n", band, dbfs(box), dbfs(arrows),
                    dbfs(middle), qPrintable(bands[band]));
        if (box > loudestPeak) {
            loudestPeak = box;
            loudest = band;
        }
        quietestPeak = std::min(quietestPeak, box);
    }
    std::printf("\nloudest band %d: %.1f dBFS at the box's 100; quietest %.1f dBFS\n", loudest,
                dbfs(loudestPeak), dbfs(quietestPeak));

    std::printf("\nloudest band through the arrows\nsetting  peak dBFS  dB per click\n");
    for (int setting : {1, 2, 10, 25, 49, 50, 51, 75, 99, 100}) {
        const double level =
            dbfs(bench.peakOf(loudest, [&] { return engine.ChangeVolume(setting); }));
        if (setting == 1) { // setting 0 is silence
            std::printf("%7d  %9.1f  %12s\n", setting, level, "-");
            continue;
        }
        const double previous =
            dbfs(bench.peakOf(loudest, [&] { return engine.ChangeVolume(setting - 1); }));
        std::printf("%7d  %9.1f  %12.2f\n", setting, level, level - previous);
    }
    return 0;
}
