// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Phrase.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace pulsadrome::tools::sounds {

inline constexpr int kRenderRate = 44100;

struct Stereo {
    std::vector<float> left;
    std::vector<float> right;
    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / kRenderRate; }
};

// Plays a phrase on a fresh FluidSynth with the SoundFont, offline, at kRenderRate, for the
// phrase and `tail` seconds of ringing after it. Nothing, with `error` set, when FluidSynth
// refuses a setting, the SoundFont or an event.
std::optional<Stereo> render(const Phrase& phrase, const QString& soundFont, double tail,
                             QString* error);

// Makes a rendered sound ready to store: ends it where it falls below -50 dB of its peak (or at
// `longest` seconds), fades it in over 5 ms and out over `fadeOut` seconds so that it starts and
// stops without a click, and scales its peak to `peakDb` dBFS.
void shape(Stereo& sound, double longest, double fadeOut, double peakDb);

// A RIFF WAVE file of 32-bit float stereo samples at kRenderRate.
QByteArray floatWave(const Stereo& sound);

} // namespace pulsadrome::tools::sounds
