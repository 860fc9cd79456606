// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pulsadrome::sound {

// The mixer's format: every wave is converted to it once, when it is read.
inline constexpr int kMixRate = 48000;
inline constexpr int kMixChannels = 2;

enum class WaveEncoding {
    Pcm8,   // unsigned 8-bit, 128 is silence
    Pcm16,  // signed 16-bit little-endian
    MsAdpcm // Microsoft ADPCM (format tag 2), 4 bits a sample
};

// What the fmt chunk says about the stored sound.
struct WaveFormat {
    WaveEncoding encoding = WaveEncoding::Pcm16;
    int channels = 0;        // 1 or 2
    int sampleRate = 0;      // frames a second
    int blockAlign = 0;      // bytes of one frame (PCM) or one block (ADPCM)
    int samplesPerBlock = 0; // ADPCM only: frames decoded from one block
};

// A wave decoded at its own rate: 16-bit samples, interleaved when stereo.
struct SourceWave {
    WaveFormat format;
    std::vector<std::int16_t> samples;
    std::size_t frameCount() const {
        return samples.size() / static_cast<std::size_t>(format.channels);
    }
};

// A wave ready for the mixer: kMixChannels interleaved floats in -1 ... 1 at kMixRate, the
// whole sound from its first to its last frame.
struct MixWave {
    WaveFormat source;
    std::vector<float> samples;
    std::size_t frameCount() const { return samples.size() / kMixChannels; }
    double seconds() const { return static_cast<double>(frameCount()) / kMixRate; }
};

// A value, or a sentence saying why there is none.
template <typename T> struct WaveResult {
    std::optional<T> value;
    QString error; // empty when value is set

    static WaveResult failure(QString why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// Reads a RIFF WAVE file held in memory: only its fmt and data chunks count, every other chunk
// is skipped wherever it stands. PCM 8 and 16 bits and Microsoft ADPCM, mono or stereo, at any
// rate. Damaged or unsupported bytes give an error, never a read outside `bytes`.
WaveResult<SourceWave> decodeWave(std::span<const std::uint8_t> bytes);

// decodeWave, then conversion of the whole sound to kMixRate stereo float.
WaveResult<MixWave> readWave(std::span<const std::uint8_t> bytes);
WaveResult<MixWave> readWave(const QByteArray& bytes);

// Converts a decoded wave to the mixer's format without losing its end.
WaveResult<MixWave> convertForMix(const SourceWave& wave);

} // namespace pulsadrome::sound
