// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportRhythm.h"

#include "catalogue/RhythmCatalogue.h"
#include "i18n/CaptionTable.h"
#include "sound/MusicService.h"
#include "sound/RhythmEngine.h"
#include "sound/WaveWriter.h"

#include <QDir>

namespace pulsadrome::app {

namespace {

constexpr double kRingSeconds = 1.0;
constexpr int kLoudestTypedVolume = 100;

} // namespace

QString exportRhythm(int rhythm, int tempo, int band, const QString& soundFont,
                     const QString& outFile) {
    sound::MusicService service({soundFont, false, 256});
    service.start();
    if (!service.waitUntilReady(60000)) {
        return service.problem();
    }
    i18n::CaptionTable captions;
    sound::RhythmEngine engine(service, captions);
    QString why;
    if (!engine.Initialise(QDir::currentPath(), false, &why)) {
        return why;
    }
    const QStringList bands = engine.FillBandList();
    if (band >= bands.size() || !engine.SelectBand(bands[band])) {
        return QStringLiteral("The style has no band at list position %1.").arg(band);
    }
    if (!engine.SetTempo(static_cast<qint16>(tempo)) ||
        !engine.SetVolumeFromEdit(kLoudestTypedVolume) ||
        !engine.PlayRhythm(catalogue::motifOf(rhythm))) {
        return QStringLiteral("Rhythm %1 cannot be played.").arg(rhythm);
    }
    const auto& written = catalogue::rhythmCatalogue().find(rhythm)->rhythm;
    const int ticks = written.barTicks() + written.totalTicks();
    const double seconds = ticks * 60.0 / (tempo * catalogue::kTicksPerQuarter) + kRingSeconds;
    std::vector<float> audio(2 *
                             static_cast<std::size_t>(seconds * sound::MusicService::kSampleRate));
    service.render(audio.data(), static_cast<int>(audio.size() / 2));
    QString error;
    if (!sound::writeWaveFile(outFile, audio, sound::MusicService::kSampleRate, &error)) {
        return QStringLiteral("%1 cannot be written: %2").arg(outFile, error);
    }
    return {};
}

} // namespace pulsadrome::app
