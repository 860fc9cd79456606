// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace pulsadrome::sound {

// A RIFF WAVE file, 16-bit PCM stereo, of interleaved float samples (clamped to -1 ... 1).
QByteArray waveFileBytes(const std::vector<float>& interleavedStereo, int sampleRate);

// Writes it whole or not at all. On failure `error` says why.
bool writeWaveFile(const QString& path, const std::vector<float>& interleavedStereo, int sampleRate,
                   QString* error);

} // namespace pulsadrome::sound
