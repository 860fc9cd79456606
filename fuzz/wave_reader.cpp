// SPDX-License-Identifier: GPL-3.0-or-later
// The wave reader on any bytes: a decoded wave is mono or stereo and holds whole frames, and
// what reaches the mixer is stereo at the mixer's rate, every sample a number in -1 ... 1.
#include "FuzzCheck.h"
#include "sound/WaveReader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

using namespace pulsadrome;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto decoded = sound::decodeWave(bytes);
    if (!decoded) {
        FUZZ_CHECK(!decoded.error.isEmpty());
        return 0;
    }
    const int channels = decoded->format.channels;
    FUZZ_CHECK(channels == 1 || channels == 2);
    FUZZ_CHECK(!decoded->samples.empty() &&
               decoded->samples.size() % static_cast<std::size_t>(channels) == 0);
    const auto mixed = sound::convertForMix(*decoded);
    if (!mixed) {
        FUZZ_CHECK(!mixed.error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(mixed->samples.size() % sound::kMixChannels == 0);
    for (const float s : mixed->samples) {
        FUZZ_CHECK(std::isfinite(s) && s >= -1.0f && s <= 1.0f);
    }
    return 0;
}
