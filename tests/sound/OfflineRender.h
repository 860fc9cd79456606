// SPDX-License-Identifier: GPL-3.0-or-later
// Hearing the music service in tests: an offline service with the small General MIDI bank, and
// onset detection on what it renders.
#pragma once

#include "sound/MusicService.h"

#include <cmath>
#include <memory>
#include <vector>

namespace pulsadrome::sound::testing {

inline constexpr const char* kTestSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

inline std::unique_ptr<MusicService> offlineService() {
    auto service = std::make_unique<MusicService>(
        MusicService::Options{QString::fromLatin1(kTestSoundFont), false, 256});
    service->start();
    return service;
}

// Renders `seconds` of stereo sound, in device-sized calls.
inline std::vector<float> renderSeconds(MusicService& service, double seconds) {
    const int frames = static_cast<int>(seconds * MusicService::kSampleRate);
    std::vector<float> out(2 * static_cast<std::size_t>(frames));
    for (int done = 0; done < frames; done += 256) {
        service.render(out.data() + 2 * done, std::min(256, frames - done));
    }
    return out;
}

inline float peak(const std::vector<float>& stereo) {
    float p = 0;
    for (float s : stereo) {
        p = std::max(p, std::abs(s));
    }
    return p;
}

// The times (seconds) at which sounds start: the envelope jumps well above what it was just
// before. Each onset is placed on the first sample that reaches a tenth of the new peak.
inline std::vector<double> detectOnsets(const std::vector<float>& stereo) {
    constexpr int kRate = MusicService::kSampleRate;
    constexpr int kHop = kRate / 1000; // 1 ms
    const std::size_t frames = stereo.size() / 2;
    std::vector<float> mono(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        mono[i] = std::abs(stereo[2 * i]) + std::abs(stereo[2 * i + 1]);
    }
    const std::size_t hops = frames / kHop;
    std::vector<float> envelope(hops);
    for (std::size_t h = 0; h < hops; ++h) {
        for (int i = 0; i < kHop; ++i) {
            envelope[h] = std::max(envelope[h], mono[h * kHop + static_cast<std::size_t>(i)]);
        }
    }
    std::vector<double> onsets;
    std::size_t lastOnset = 0;
    for (std::size_t h = 0; h + 4 < hops; ++h) {
        float before = 0;
        for (std::size_t b = h >= 25 ? h - 25 : 0; b + 2 <= h; ++b) {
            before = std::max(before, envelope[b]);
        }
        float ahead = 0;
        for (std::size_t a = h; a < h + 4; ++a) {
            ahead = std::max(ahead, envelope[a]);
        }
        const bool rises = envelope[h] > 0.002f && envelope[h] > 2.5f * before + 0.001f;
        if (rises && (onsets.empty() || h > lastOnset + 30)) {
            std::size_t first = h > 0 ? (h - 1) * kHop : 0;
            while (first < (h + 4) * kHop && mono[first] < ahead / 10) {
                ++first;
            }
            onsets.push_back(static_cast<double>(first) / kRate);
            lastOnset = h;
        }
    }
    return onsets;
}

} // namespace pulsadrome::sound::testing
