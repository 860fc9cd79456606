// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportRhythm.h"

#include "app/ExportPicture.h"
#include "catalogue/RhythmCatalogue.h"
#include "common/AtomicFile.h"
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
                     const QString& outFile, const i18n::CaptionTable& captions) {
    // The sound that cannot start is said as the game says it, the sound bank and the sound
    // system's own words in the detail.
    const auto noSound = [&](const QString& why) {
        return captions.text(u"Label_directx") + QLatin1Char('\n') +
               i18n::problemDetail(captions, soundFont, why);
    };
    sound::MusicService service({soundFont, false, 256});
    service.start();
    if (!service.waitUntilReady(60000)) {
        return noSound(service.problem());
    }
    sound::RhythmEngine engine(service, captions);
    QString why;
    if (!engine.Initialise(QDir::currentPath(), false, &why)) {
        return noSound(why);
    }
    const QStringList bands = engine.FillBandList();
    if (band >= bands.size() || !engine.SelectBand(bands[band])) {
        return captions.text(u"export_sans_instrument").arg(band);
    }
    if (!engine.SetTempo(static_cast<qint16>(tempo)) ||
        !engine.SetVolumeFromEdit(kLoudestTypedVolume) ||
        !engine.PlayRhythm(catalogue::motifOf(rhythm))) {
        return captions.text(u"export_rythme_injouable").arg(rhythm);
    }
    const auto& written = catalogue::rhythmCatalogue().find(rhythm)->rhythm;
    const int ticks = written.barTicks() + written.totalTicks();
    const double seconds = ticks * 60.0 / (tempo * catalogue::kTicksPerQuarter) + kRingSeconds;
    std::vector<float> audio(2 *
                             static_cast<std::size_t>(seconds * sound::MusicService::kSampleRate));
    service.render(audio.data(), static_cast<int>(audio.size() / 2));
    const WriteOutcome saved =
        writeFileAtomically(outFile, sound::waveFileBytes(audio, sound::MusicService::kSampleRate));
    if (!saved) {
        return exportWriteProblem(captions, saved, outFile);
    }
    return {};
}

} // namespace pulsadrome::app
