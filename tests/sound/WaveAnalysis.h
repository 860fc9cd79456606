// SPDX-License-Identifier: GPL-3.0-or-later
// Measurements of decoded waves for the tests: level, pitch, and the committed fixtures.
#pragma once

#include "sound/WaveReader.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pulsadrome::sound::testing {

inline QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(PULSADROME_TEST_DATA "/sound/data/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

inline std::span<const std::uint8_t> bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

// One channel of an interleaved mix wave, frames [first, first + count).
inline std::vector<float> channel(const MixWave& wave, int which, std::size_t first = 0,
                                  std::size_t count = SIZE_MAX) {
    std::vector<float> out;
    const std::size_t end = std::min(wave.frameCount(), first + std::min(count, wave.frameCount()));
    for (std::size_t f = first; f < end; ++f) {
        out.push_back(wave.samples[f * kMixChannels + which]);
    }
    return out;
}

inline float peak(const std::vector<float>& samples) {
    float p = 0;
    for (const float s : samples) {
        p = std::max(p, std::abs(s));
    }
    return p;
}

inline double rms(const std::vector<float>& samples) {
    double sum = 0;
    for (const float s : samples) {
        sum += double(s) * s;
    }
    return samples.empty() ? 0.0 : std::sqrt(sum / samples.size());
}

// The frequency of a steady tone from its rising zero crossings, placed between samples by
// linear interpolation; 0 when there are fewer than two.
inline double toneFrequency(const std::vector<float>& samples, int rate) {
    double first = -1;
    double last = -1;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            const double at = double(i - 1) + samples[i - 1] / double(samples[i - 1] - samples[i]);
            if (first < 0) {
                first = at;
            }
            last = at;
            ++crossings;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * rate / (last - first);
}

} // namespace pulsadrome::sound::testing
