// SPDX-License-Identifier: GPL-3.0-or-later
#include "Render.h"

#include <fluidsynth.h>

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>

namespace pulsadrome::tools::sounds {

namespace {

// FluidSynth takes events between its 64-frame blocks: events land on block boundaries, so the
// same phrase always renders to the same samples.
constexpr int kBlock = 64;

struct SettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
using Settings = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using Synth = std::unique_ptr<fluid_synth_t, SynthDeleter>;

bool configure(fluid_settings_t* settings, QString* error) {
    // A small, light room: the sounds are dry enough to be clear, not flat.
    const struct {
        const char* name;
        double value;
    } numbers[] = {{"synth.sample-rate", kRenderRate}, {"synth.gain", 0.5},
                   {"synth.reverb.room-size", 0.35},   {"synth.reverb.damp", 0.4},
                   {"synth.reverb.width", 0.8},        {"synth.reverb.level", 0.35}};
    for (const auto& [name, value] : numbers) {
        if (fluid_settings_setnum(settings, name, value) != FLUID_OK) {
            *error = QStringLiteral("FluidSynth refuses the setting %1").arg(QLatin1String(name));
            return false;
        }
    }
    const struct {
        const char* name;
        int value;
    } integers[] = {{"synth.reverb.active", 1}, {"synth.chorus.active", 0}, {"synth.cpu-cores", 1}};
    for (const auto& [name, value] : integers) {
        if (fluid_settings_setint(settings, name, value) != FLUID_OK) {
            *error = QStringLiteral("FluidSynth refuses the setting %1").arg(QLatin1String(name));
            return false;
        }
    }
    return true;
}

bool apply(fluid_synth_t* synth, int font, const Event& event) {
    switch (event.kind) {
    case Event::Kind::Program:
        return fluid_synth_program_select(synth, event.channel, font, event.second, event.first) ==
                   FLUID_OK &&
               fluid_synth_pitch_wheel_sens(synth, event.channel, kBendRange) == FLUID_OK;
    case Event::Kind::Control:
        return fluid_synth_cc(synth, event.channel, event.first, event.second) == FLUID_OK;
    case Event::Kind::Bend:
        return fluid_synth_pitch_bend(synth, event.channel, event.first) == FLUID_OK;
    case Event::Kind::NoteOff:
        // A note already ended by its voice's own decay is no error.
        fluid_synth_noteoff(synth, event.channel, event.first);
        return true;
    case Event::Kind::NoteOn:
        return fluid_synth_noteon(synth, event.channel, event.first, event.second) == FLUID_OK;
    }
    return false;
}

} // namespace

std::optional<Stereo> render(const Phrase& phrase, const QString& soundFont, double tail,
                             QString* error) {
    Settings settings(new_fluid_settings());
    if (!settings) {
        *error = QStringLiteral("FluidSynth cannot make its settings");
        return std::nullopt;
    }
    if (!configure(settings.get(), error)) {
        return std::nullopt;
    }
    Synth synth(new_fluid_synth(settings.get()));
    if (!synth) {
        *error = QStringLiteral("FluidSynth cannot make a synthesizer");
        return std::nullopt;
    }
    const int font = fluid_synth_sfload(synth.get(), soundFont.toLocal8Bit().constData(), 1);
    if (font == FLUID_FAILED) {
        *error = QStringLiteral("FluidSynth cannot load the SoundFont %1").arg(soundFont);
        return std::nullopt;
    }

    const std::vector<Event> events = phrase.events();
    const auto blocks =
        static_cast<std::size_t>(std::ceil((phrase.end() + tail) * kRenderRate / kBlock));
    Stereo sound;
    sound.left.resize(blocks * kBlock);
    sound.right.resize(blocks * kBlock);
    std::size_t next = 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        const double blockStart = static_cast<double>(block * kBlock) / kRenderRate;
        const double halfBlock = 0.5 * kBlock / kRenderRate;
        while (next < events.size() && events[next].at < blockStart + halfBlock) {
            if (!apply(synth.get(), font, events[next])) {
                *error = QStringLiteral("FluidSynth refuses an event at %1 s on channel %2")
                             .arg(events[next].at)
                             .arg(events[next].channel);
                return std::nullopt;
            }
            ++next;
        }
        float* left = sound.left.data() + block * kBlock;
        float* right = sound.right.data() + block * kBlock;
        if (fluid_synth_write_float(synth.get(), kBlock, left, 0, 1, right, 0, 1) != FLUID_OK) {
            *error = QStringLiteral("FluidSynth failed to render");
            return std::nullopt;
        }
    }
    return sound;
}

namespace {

float raisedCosine(float x) {
    return 0.5f - 0.5f * std::cos(static_cast<float>(M_PI) * x);
}

} // namespace

void shape(Stereo& sound, double longest, double fadeOut, double peakDb) {
    float peak = 0;
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        peak = std::max({peak, std::abs(sound.left[i]), std::abs(sound.right[i])});
    }
    if (peak == 0) {
        return;
    }
    const float quiet = peak * std::pow(10.0f, -50.0f / 20);
    std::size_t end = sound.frames();
    while (end > 0 && std::abs(sound.left[end - 1]) < quiet &&
           std::abs(sound.right[end - 1]) < quiet) {
        --end;
    }
    end = std::min(end, static_cast<std::size_t>(longest * kRenderRate));
    sound.left.resize(end);
    sound.right.resize(end);

    const auto fadeIn = std::min<std::size_t>(end, kRenderRate * 5 / 1000);
    const auto fadeOutFrames = std::min(end, static_cast<std::size_t>(fadeOut * kRenderRate));
    const float gain = std::pow(10.0f, static_cast<float>(peakDb) / 20) / peak;
    for (std::size_t i = 0; i < end; ++i) {
        float g = gain;
        // Raised-cosine fades, from exactly 0 at the first frame and to exactly 0 at the last.
        if (i < fadeIn) {
            g *= raisedCosine(static_cast<float>(i) / fadeIn);
        }
        if (end - i <= fadeOutFrames) {
            g *= raisedCosine(static_cast<float>(end - 1 - i) / fadeOutFrames);
        }
        sound.left[i] *= g;
        sound.right[i] *= g;
    }
}

QByteArray floatWave(const Stereo& sound) {
    const auto le16 = [](QByteArray& out, quint16 v) {
        char bytes[2];
        qToLittleEndian(v, bytes);
        out.append(bytes, 2);
    };
    const auto le32 = [](QByteArray& out, quint32 v) {
        char bytes[4];
        qToLittleEndian(v, bytes);
        out.append(bytes, 4);
    };
    const auto dataBytes = static_cast<quint32>(sound.frames() * 2 * sizeof(float));
    QByteArray out("RIFF");
    le32(out, 4 + 26 + 8 + dataBytes);
    out.append("WAVEfmt ");
    le32(out, 18);
    le16(out, 3); // IEEE float
    le16(out, 2);
    le32(out, kRenderRate);
    le32(out, kRenderRate * 8);
    le16(out, 8);
    le16(out, 32);
    le16(out, 0);
    out.append("data");
    le32(out, dataBytes);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        for (const float sample : {sound.left[i], sound.right[i]}) {
            le32(out, std::bit_cast<quint32>(sample));
        }
    }
    return out;
}

} // namespace pulsadrome::tools::sounds
