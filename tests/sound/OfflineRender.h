// SPDX-License-Identifier: GPL-3.0-or-later
// Hearing the music service in tests: an offline service with the small General MIDI bank, and
// onset detection on what it renders.
#pragma once

#include "BandBalance.h"
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

// The times (seconds) at which sounds start, looking back 25 ms so that a ringing sound's
// wobble is not heard as a new note.
inline std::vector<double> detectOnsets(const std::vector<float>& stereo) {
    return tools::balance::detectOnsets(stereo, MusicService::kSampleRate, 25);
}

} // namespace pulsadrome::sound::testing
