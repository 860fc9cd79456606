// SPDX-License-Identifier: GPL-3.0-or-later
// The music service's figures: sound bank load time and memory, render cost, and how soon a
// rhythm is heard after PlayRhythm.
#include "i18n/CaptionTable.h"
#include "sound/MusicService.h"
#include "sound/RhythmEngine.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace pulsadrome;
using namespace pulsadrome::sound;

namespace {

const QString kDefaultBank = QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

void soundBankLoad(benchmark::State& state) {
    double rss = 0;
    for (auto _ : state) {
        MusicService service({kDefaultBank, false, 256});
        const auto start = std::chrono::steady_clock::now();
        service.start();
        if (!service.waitUntilReady(60000)) {
            state.SkipWithError("the sound bank did not load");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        rss = residentMegabytes();
    }
    state.counters["resident_MB"] = rss;
}
BENCHMARK(soundBankLoad)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

struct Playing {
    MusicService service{{kDefaultBank, false, 256}};
    i18n::CaptionTable captions;
    std::unique_ptr<RhythmEngine> engine;

    bool start() {
        service.start();
        if (!service.waitUntilReady(60000)) {
            return false;
        }
        engine = std::make_unique<RhythmEngine>(service, captions);
        return engine->Initialise(QStringLiteral("/nonexistent"), true) &&
               engine->SelectBand(engine->FillBandList().at(23)) && engine->SetTempo(160);
    }
};

// Seconds of sound rendered per second of one core: a dense rhythm, its count-in and pulse,
// with a feedback sound on top.
void renderFullMix(benchmark::State& state) {
    Playing playing;
    if (!playing.start()) {
        state.SkipWithError("no sound");
        return;
    }
    std::vector<float> buffer(2 * 256);
    constexpr int kFrames = 10 * MusicService::kSampleRate;
    for (auto _ : state) {
        playing.engine->PlayRhythm(359);
        playing.engine->PlayFeedback(QStringLiteral("prof"), QStringLiteral("vrai"), false);
        for (int done = 0; done < kFrames; done += 256) {
            playing.service.render(buffer.data(), 256);
            if (done % (2 * MusicService::kSampleRate) == 0) {
                playing.engine->PlayRhythm(359 - done / MusicService::kSampleRate);
            }
        }
    }
    state.counters["real_time_factor"] = benchmark::Counter(
        10.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(renderFullMix)->Unit(benchmark::kMillisecond);

// Frames from PlayRhythm to the first sounding sample: the wait for the next device buffer (at
// most one buffer) plus where in that buffer the sound starts.
void latencyToFirstSound(benchmark::State& state) {
    Playing playing;
    if (!playing.start()) {
        state.SkipWithError("no sound");
        return;
    }
    const int bufferFrames = static_cast<int>(state.range(0));
    std::vector<float> buffer(2 * static_cast<std::size_t>(bufferFrames));
    int worstOffset = 0;
    for (auto _ : state) {
        playing.engine->StopAll();
        // Let everything ring out to true silence.
        bool silent = false;
        for (int i = 0; i < 2000 && !silent; ++i) {
            playing.service.render(buffer.data(), bufferFrames);
            silent = std::all_of(buffer.begin(), buffer.end(), [](float s) { return s == 0.0f; });
        }
        if (!silent) {
            state.SkipWithError("the sound did not stop");
            return;
        }
        playing.engine->PlayRhythm(0);
        playing.service.render(buffer.data(), bufferFrames);
        int first = bufferFrames;
        for (int f = 0; f < bufferFrames; ++f) {
            if (buffer[2 * f] != 0.0f || buffer[2 * f + 1] != 0.0f) {
                first = f;
                break;
            }
        }
        worstOffset = std::max(worstOffset, first);
    }
    state.counters["buffer_frames"] = bufferFrames;
    state.counters["first_sound_offset_frames"] = worstOffset;
    state.counters["worst_latency_frames"] = bufferFrames + worstOffset;
}
BENCHMARK(latencyToFirstSound)->Arg(256)->Arg(512)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
