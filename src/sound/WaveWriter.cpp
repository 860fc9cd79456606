// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/WaveWriter.h"

#include "common/AtomicFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pulsadrome::sound {

namespace {

void put16(QByteArray& bytes, std::uint16_t v) {
    bytes.append(static_cast<char>(v & 0xff));
    bytes.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& bytes, std::uint32_t v) {
    put16(bytes, static_cast<std::uint16_t>(v & 0xffff));
    put16(bytes, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

QByteArray waveFileBytes(const std::vector<float>& interleavedStereo, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(interleavedStereo.size() * 2);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(44 + dataBytes));
    bytes.append("RIFF");
    put32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    put32(bytes, 16);
    put16(bytes, 1); // PCM
    put16(bytes, 2); // stereo
    put32(bytes, static_cast<std::uint32_t>(sampleRate));
    put32(bytes, static_cast<std::uint32_t>(sampleRate) * 4);
    put16(bytes, 4);
    put16(bytes, 16);
    bytes.append("data");
    put32(bytes, dataBytes);
    for (float sample : interleavedStereo) {
        const auto value =
            static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
        put16(bytes, static_cast<std::uint16_t>(value));
    }
    return bytes;
}

bool writeWaveFile(const QString& path, const std::vector<float>& interleavedStereo, int sampleRate,
                   QString* error) {
    const QByteArray bytes = waveFileBytes(interleavedStereo, sampleRate);
    const WriteOutcome outcome = writeFileAtomically(path, bytes);
    if (!outcome && error) {
        *error = outcome.systemText;
    }
    return outcome.ok();
}

} // namespace pulsadrome::sound
