// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandBalance.h"

#include "catalogue/RhythmCatalogue.h"
#include "resources/ResourceStore.h"
#include "sound/WaveReader.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace pulsadrome::tools::balance {

namespace {

constexpr int kRate = sound::MusicService::kSampleRate;
constexpr int kRenderFrames = 256;
// After each measure the synthesizer renders unheard until it has been this quiet (-100 dBFS)
// for this long, and never longer than kLongestRingOut.
constexpr float kSilentPeak = 1e-5f;
constexpr double kSilentSeconds = 0.1;
constexpr double kLongestRingOut = 30.0;
constexpr double kOnsetTolerance = 0.010;

double toDb(double amplitude) {
    return amplitude > 0 ? std::max(-100.0, 20.0 * std::log10(amplitude)) : -100.0;
}

double ticksToSeconds(int ticks, double tempo) {
    return ticks * 60.0 / (tempo * catalogue::kTicksPerQuarter);
}

// The events of `segment` that `keep` accepts, with the note offs of the notes kept.
template <typename Keep> sound::Segment only(const sound::Segment& segment, Keep keep) {
    sound::Segment out;
    out.lengthTicks = segment.lengthTicks;
    for (const auto& event : segment.events) {
        if (keep(event)) {
            out.events.push_back(event);
        }
    }
    return out;
}

const catalogue::Rhythm& written(int rhythm) {
    return catalogue::rhythmCatalogue().find(rhythm)->rhythm;
}

std::vector<double> writtenOnsets(const catalogue::Rhythm& r, double tempo) {
    std::vector<double> seconds;
    for (int onset : r.onsets()) {
        seconds.push_back(ticksToSeconds(r.barTicks() + onset, tempo));
    }
    return seconds;
}

} // namespace

Loudness measureLoudness(const std::vector<float>& stereo, int rate) {
    Loudness result;
    float peak = 0;
    for (float s : stereo) {
        peak = std::max(peak, std::abs(s));
    }
    result.peakDb = toDb(peak);
    std::unique_ptr<ebur128_state, void (*)(ebur128_state*)> state(
        ebur128_init(2, static_cast<unsigned long>(rate), EBUR128_MODE_M | EBUR128_MODE_I),
        [](ebur128_state* s) { ebur128_destroy(&s); });
    if (!state) {
        return result;
    }
    // The momentary loudness is read every 10 ms; its largest value is the loudest 400 ms.
    const std::size_t step = static_cast<std::size_t>(rate) / 100;
    const std::size_t frames = stereo.size() / 2;
    double loudest = -HUGE_VAL;
    for (std::size_t f = 0; f < frames; f += step) {
        const std::size_t count = std::min(step, frames - f);
        if (ebur128_add_frames_float(state.get(), stereo.data() + 2 * f, count) !=
            EBUR128_SUCCESS) {
            return result;
        }
        double momentary = -HUGE_VAL;
        if (ebur128_loudness_momentary(state.get(), &momentary) == EBUR128_SUCCESS) {
            loudest = std::max(loudest, momentary);
        }
    }
    double integrated = -HUGE_VAL;
    if (ebur128_loudness_global(state.get(), &integrated) != EBUR128_SUCCESS) {
        integrated = -HUGE_VAL;
    }
    result.momentaryMax = std::isfinite(loudest) ? std::max(-70.0, loudest) : -70.0;
    result.integrated = std::isfinite(integrated) ? std::max(-70.0, integrated) : -70.0;
    return result;
}

std::vector<double> detectOnsets(const std::vector<float>& stereo, int rate, int lookBackMs) {
    const std::size_t hop = static_cast<std::size_t>(rate) / 1000; // 1 ms
    const std::size_t frames = stereo.size() / 2;
    std::vector<float> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        mono[i] = std::abs(stereo[2 * i]) + std::abs(stereo[2 * i + 1]);
    }
    const std::size_t hops = frames / hop;
    std::vector<float> envelope(hops);
    for (std::size_t h = 0; h < hops; ++h) {
        for (std::size_t i = 0; i < hop; ++i) {
            envelope[h] = std::max(envelope[h], mono[h * hop + i]);
        }
    }
    std::vector<double> onsets;
    std::size_t lastOnset = 0;
    for (std::size_t h = 0; h + 4 < hops; ++h) {
        float before = 0;
        const auto lookBack = static_cast<std::size_t>(lookBackMs);
        for (std::size_t b = h >= lookBack ? h - lookBack : 0; b + 2 <= h; ++b) {
            before = std::max(before, envelope[b]);
        }
        float ahead = 0;
        for (std::size_t a = h; a < h + 4; ++a) {
            ahead = std::max(ahead, envelope[a]);
        }
        const bool rises = envelope[h] > 0.002f && envelope[h] > 2.5f * before + 0.001f;
        if (rises && (onsets.empty() || h > lastOnset + 30)) {
            // The onset is the first sample that reaches a tenth of the new peak.
            std::size_t first = h > 0 ? (h - 1) * hop : 0;
            while (first < (h + 4) * hop && mono[first] < ahead / 10) {
                ++first;
            }
            onsets.push_back(static_cast<double>(first) / rate);
            lastOnset = h;
        }
    }
    return onsets;
}

OnsetMatch matchOnsets(const std::vector<double>& detected, const std::vector<double>& written,
                       double toleranceSeconds) {
    OnsetMatch match;
    match.written = static_cast<int>(written.size());
    std::vector<bool> used(detected.size(), false);
    for (double w : written) {
        std::size_t best = detected.size();
        for (std::size_t d = 0; d < detected.size(); ++d) {
            if (!used[d] && std::abs(detected[d] - w) <= toleranceSeconds &&
                (best == detected.size() ||
                 std::abs(detected[d] - w) < std::abs(detected[best] - w))) {
                best = d;
            }
        }
        if (best < detected.size()) {
            used[best] = true;
            ++match.found;
            match.worstMs = std::max(match.worstMs, 1000.0 * std::abs(detected[best] - w));
        }
    }
    match.extra = static_cast<int>(std::count(used.begin(), used.end(), false));
    return match;
}

BandBench::BandBench(const QString& soundFont)
    : service_(std::make_unique<sound::MusicService>(
          sound::MusicService::Options{soundFont, false, 256})) {
    service_->start();
}

bool BandBench::ready(QString* why) {
    if (!performance_) {
        if (!service_->waitUntilReady(60000)) {
            problem_ = service_->problem();
        } else {
            performance_ = service_->createRhythmPerformance(&problem_);
            if (performance_) {
                performance_->setMasterVolume(kLoudestLevel);
            }
        }
    }
    if (!performance_ && why) {
        *why = problem_;
    }
    return static_cast<bool>(performance_);
}

std::vector<float> BandBench::render(const sound::Band& band, const sound::Segment& segment,
                                     double tempo, double seconds) {
    // Each measure on a performance of its own, as a screen would find it, and only once the
    // synthesizer has fallen silent: nothing of one render reaches the next.
    performance_.reset();
    if (!ready()) {
        return {};
    }
    performance_->sendTempo(performance_->musicTime(), tempo);
    performance_->playBandSegment(band);
    performance_->playSecondary(segment);
    const int frames = static_cast<int>(seconds * kRate);
    std::vector<float> out(2 * static_cast<std::size_t>(frames));
    for (int done = 0; done < frames; done += kRenderFrames) {
        service_->render(out.data() + 2 * done, std::min(kRenderFrames, frames - done));
    }
    performance_->stopAll();
    ringOut();
    return out;
}

void BandBench::ringOut() {
    // Renders unheard until kSilentSeconds in a row stay under kSilentPeak, or kLongestRingOut.
    std::vector<float> block(2 * kRenderFrames);
    int silentFrames = 0;
    for (int done = 0; done < static_cast<int>(kLongestRingOut * kRate) &&
                       silentFrames < static_cast<int>(kSilentSeconds * kRate);
         done += kRenderFrames) {
        service_->render(block.data(), kRenderFrames);
        const bool silent = std::all_of(block.begin(), block.end(),
                                        [](float s) { return std::abs(s) < kSilentPeak; });
        silentFrames = silent ? silentFrames + kRenderFrames : 0;
    }
}

BandMeasure BandBench::measure(const sound::Band& band, int rhythm, double tempo) {
    BandMeasure m;
    const auto& r = written(rhythm);
    const sound::Segment full = sound::buildRhythmSegment(r);
    const double seconds = ticksToSeconds(full.lengthTicks, tempo) + 0.5;
    using Voice = sound::NoteEvent::Voice;
    const auto notes = render(
        band, only(full, [](const auto& e) { return e.voice == Voice::Band; }), tempo, seconds);
    m.notes = measureLoudness(notes, kRate);
    m.onsets = matchOnsets(detectOnsets(notes, kRate), writtenOnsets(r, tempo), kOnsetTolerance);
    const int bar = r.barTicks();
    const auto pulse = render(
        band, only(full, [bar](const auto& e) { return e.voice == Voice::Click && e.tick >= bar; }),
        tempo, seconds);
    m.clickMomentary = measureLoudness(pulse, kRate).momentaryMax;
    m.notesOverClick = m.notes.momentaryMax - m.clickMomentary;
    m.fullPeakDb = measureLoudness(render(band, full, tempo, seconds), kRate).peakDb;

    m.attackMs = attackMilliseconds(noteEnvelope(band, tempo, 1));
    return m;
}

std::vector<float> BandBench::noteEnvelope(const sound::Band& band, double tempo, int hopMs) {
    using Voice = sound::NoteEvent::Voice;
    sound::Segment one;
    one.events.push_back({0, Voice::Band, true, sound::kNoteVelocity, 0});
    one.events.push_back({catalogue::kTicksPerQuarter, Voice::Band, false, 0, 0});
    one.lengthTicks = catalogue::kTicksPerQuarter;
    const auto note = render(band, one, tempo, ticksToSeconds(one.lengthTicks, tempo));
    // The root mean square of the 10 ms around each point, every `hopMs` milliseconds: an
    // envelope that the beating of a sustained sound's partials does not shake.
    const std::size_t hop = static_cast<std::size_t>(kRate / 1000 * hopMs);
    const std::size_t window = kRate / 100;
    std::vector<float> envelope;
    for (std::size_t at = 0; at + window / 2 <= note.size() / 2; at += hop) {
        const std::size_t first = at > window / 2 ? at - window / 2 : 0;
        const std::size_t end = at + window / 2;
        double sum = 0;
        for (std::size_t i = 2 * first; i < 2 * end; ++i) {
            sum += double(note[i]) * note[i];
        }
        envelope.push_back(static_cast<float>(std::sqrt(sum / (2.0 * window))));
    }
    return envelope;
}

double attackMilliseconds(const std::vector<float>& envelope) {
    // The level the note reaches: its first 100 ms's peak, or what it holds after them when a
    // sustained sound goes on swelling.
    const std::size_t early = std::min<std::size_t>(100, envelope.size());
    float level = 0;
    for (std::size_t i = 0; i < early; ++i) {
        level = std::max(level, envelope[i]);
    }
    if (envelope.size() > early) {
        std::vector<float> held(envelope.begin() + static_cast<std::ptrdiff_t>(early),
                                envelope.end());
        std::nth_element(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(held.size() / 2),
                         held.end());
        level = std::max(level, held[held.size() / 2]);
    }
    const auto reached = std::find_if(envelope.begin(), envelope.end(),
                                      [level](float e) { return e >= 0.9f * level; });
    return static_cast<double>(reached - envelope.begin());
}

OnsetMatch BandBench::onsets(const sound::Band& band, int rhythm, double tempo,
                             double toleranceSeconds) {
    const auto& r = written(rhythm);
    const auto segment = sound::buildPhraseSegment(r);
    // The phrase has no count-in: shift the written onsets back by a bar.
    std::vector<double> expected;
    for (int onset : r.onsets()) {
        expected.push_back(ticksToSeconds(onset, tempo));
    }
    const auto audio =
        render(band, segment, tempo, ticksToSeconds(segment.lengthTicks, tempo) + 0.3);
    return matchOnsets(detectOnsets(audio, kRate), expected, toleranceSeconds);
}

sound::Band styleBand(const sound::BandEntry& entry) {
    return {entry.captionKey(), entry.percussion, entry.gm,      entry.pitch,
            entry.gainTenthsDb, entry.attack,     entry.release, entry.start};
}

Loudness feedbackLoudness(std::vector<float> mixSamples) {
    const float gain = sound::MusicService::waveGainForLevel(0);
    for (float& s : mixSamples) {
        s *= gain;
    }
    // A short sound's loudest 400 ms includes the silence that follows it in a game.
    mixSamples.resize(mixSamples.size() + 2 * static_cast<std::size_t>(sound::kMixRate / 2), 0.0f);
    return measureLoudness(mixSamples, sound::kMixRate);
}

std::optional<WaveMeasure> measureWave(const QString& name, QString* why) {
    QByteArray bytes;
    try {
        bytes = resources::ResourceModule::program()->data(resources::resourceId(u"dmseg"),
                                                           resources::resourceId(name));
    } catch (const resources::ResourceError& e) {
        if (why) {
            *why = e.description();
        }
        return std::nullopt;
    }
    const auto wave = sound::readWave(bytes);
    if (!wave) {
        if (why) {
            *why = wave.error;
        }
        return std::nullopt;
    }
    WaveMeasure m;
    m.loudness = feedbackLoudness(wave->samples);
    m.seconds = wave->seconds();
    m.encoding = wave->source.encoding;
    return m;
}

const std::vector<QString>& soundThemes() {
    static const std::vector<QString> themes{
        QStringLiteral("prof"),    QStringLiteral("espace"),     QStringLiteral("cowboy"),
        QStringLiteral("voiture"), QStringLiteral("ordinateur"), QStringLiteral("cheval"),
        QStringLiteral("train"),   QStringLiteral("coq")};
    return themes;
}

} // namespace pulsadrome::tools::balance
