// SPDX-License-Identifier: GPL-3.0-or-later
// The wave reader on well-formed files: every stored format the feedback sounds use, read and
// converted to the mix format. The fixtures are sine tones made by sox
// (tests/sound/data/make-fixtures.sh): 440 Hz at half scale, 880 Hz on the right of stereo ones.
#include "sound/WaveReader.h"
#include "sound/WaveAnalysis.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace pulsadrome::sound;
using namespace pulsadrome::sound::testing;

namespace {

struct Tone {
    const char* file;
    WaveEncoding encoding;
    int channels;
    int rate;
    std::size_t frames; // as stored
};

void PrintTo(const Tone& tone, std::ostream* os) {
    *os << tone.file;
}

class WaveTone : public ::testing::TestWithParam<Tone> {};

TEST_P(WaveTone, decodesWithItsFormatAndFrameCount) {
    const Tone& tone = GetParam();
    const QByteArray bytes = fixture(tone.file);
    const auto wave = decodeWave(bytesOf(bytes));
    ASSERT_TRUE(wave) << wave.error.toStdString();
    EXPECT_EQ(wave->format.encoding, tone.encoding);
    EXPECT_EQ(wave->format.channels, tone.channels);
    EXPECT_EQ(wave->format.sampleRate, tone.rate);
    EXPECT_EQ(wave->frameCount(), tone.frames);
}

TEST_P(WaveTone, keepsItsWholeLengthPitchAndLevelAtTheMixRate) {
    const Tone& tone = GetParam();
    const auto mix = readWave(fixture(tone.file));
    ASSERT_TRUE(mix) << mix.error.toStdString();
    EXPECT_EQ(mix->source.sampleRate, tone.rate);

    // Every source frame comes out: the length is the source's duration at 48 kHz.
    const double expected = double(tone.frames) * kMixRate / tone.rate;
    EXPECT_NEAR(double(mix->frameCount()), expected, 1.0);

    // The ADPCM files end in the silence that fills their last block: leave it out.
    const std::size_t sounding = mix->frameCount() * 85 / 100;
    const auto left = channel(*mix, 0, 0, sounding);
    const auto right = channel(*mix, 1, 0, sounding);
    EXPECT_NEAR(toneFrequency(left, kMixRate), 440.0, 440.0 * 0.005);
    EXPECT_NEAR(toneFrequency(right, kMixRate), tone.channels == 2 ? 880.0 : 440.0, 880 * 0.005);
    EXPECT_NEAR(peak(left), 0.5, 0.03);
    EXPECT_NEAR(peak(right), 0.5, 0.03);
    if (tone.channels == 1) {
        EXPECT_EQ(left, right);
    }
}

const Tone kPcmTones[] = {
    {"tone_u8_mono_11025.wav", WaveEncoding::Pcm8, 1, 11025, 2756},
    {"tone_u8_mono_8287.wav", WaveEncoding::Pcm8, 1, 8287, 2486},
    {"tone_s16_mono_22050.wav", WaveEncoding::Pcm16, 1, 22050, 4410},
    {"tone_s16_stereo_44100.wav", WaveEncoding::Pcm16, 2, 44100, 4410},
};

// ADPCM stores whole blocks: sox fills the last one with silence.
const Tone kAdpcmTones[] = {
    {"adpcm_mono_11025.wav", WaveEncoding::MsAdpcm, 1, 11025, 3000},
    {"adpcm_stereo_22050.wav", WaveEncoding::MsAdpcm, 2, 22050, 7084},
};

INSTANTIATE_TEST_SUITE_P(Pcm, WaveTone, ::testing::ValuesIn(kPcmTones));
INSTANTIATE_TEST_SUITE_P(MsAdpcm, WaveTone, ::testing::ValuesIn(kAdpcmTones));

class WavePcmTone : public ::testing::TestWithParam<Tone> {};

TEST_P(WavePcmTone, soundsUpToItsVeryLastFrame) {
    // The tones run at full level to the end of the file; a converter that kept back its last
    // input frames would end in silence.
    const auto mix = readWave(fixture(GetParam().file));
    ASSERT_TRUE(mix) << mix.error.toStdString();
    const std::size_t tail = kMixRate / 100;
    const auto last = channel(*mix, 0, mix->frameCount() - tail, tail);
    EXPECT_GT(rms(last), 0.3);
}

INSTANTIATE_TEST_SUITE_P(Pcm, WavePcmTone, ::testing::ValuesIn(kPcmTones));

class WaveAdpcmTone : public ::testing::TestWithParam<const char*> {};

TEST_P(WaveAdpcmTone, decodesLikeSox) {
    const std::string name = GetParam();
    const QByteArray adpcmBytes = fixture((name + ".wav").c_str());
    const QByteArray soxBytes = fixture((name + "_sox.wav").c_str());
    const auto adpcm = decodeWave(bytesOf(adpcmBytes));
    const auto sox = decodeWave(bytesOf(soxBytes));
    ASSERT_TRUE(adpcm) << adpcm.error.toStdString();
    ASSERT_TRUE(sox) << sox.error.toStdString();
    ASSERT_EQ(adpcm->samples.size(), sox->samples.size());
    int worst = 0;
    for (std::size_t i = 0; i < sox->samples.size(); ++i) {
        worst = std::max(worst, std::abs(adpcm->samples[i] - sox->samples[i]));
    }
    EXPECT_LE(worst, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, WaveAdpcmTone,
                         ::testing::Values("adpcm_mono_11025", "adpcm_stereo_22050"));

// Rendered phrases (the feedback sounds once stored in these formats): what the tones cannot
// show, a real sound's quick changes and quiet ends, decoded as sox decodes them, and whole.
struct RecordedSound {
    const char* name;
    WaveEncoding encoding;
    int channels;
    int rate;
    double seconds;
};

void PrintTo(const RecordedSound& sound, std::ostream* os) {
    *os << sound.name;
}

class WaveRecordedSound : public ::testing::TestWithParam<RecordedSound> {};

TEST_P(WaveRecordedSound, decodesLikeSoxAndLastsItsWholeLength) {
    const RecordedSound& sound = GetParam();
    const std::string name = sound.name;
    const QByteArray bytes = fixture((name + ".wav").c_str());
    const QByteArray soxBytes = fixture((name + "_sox.wav").c_str());
    const auto wave = decodeWave(bytesOf(bytes));
    const auto sox = decodeWave(bytesOf(soxBytes));
    ASSERT_TRUE(wave) << wave.error.toStdString();
    ASSERT_TRUE(sox) << sox.error.toStdString();
    EXPECT_EQ(wave->format.encoding, sound.encoding);
    EXPECT_EQ(wave->format.channels, sound.channels);
    EXPECT_EQ(wave->format.sampleRate, sound.rate);
    ASSERT_EQ(wave->samples.size(), sox->samples.size());
    int worst = 0;
    for (std::size_t i = 0; i < sox->samples.size(); ++i) {
        worst = std::max(worst, std::abs(wave->samples[i] - sox->samples[i]));
    }
    EXPECT_LE(worst, 1);

    const auto mix = readWave(bytes);
    ASSERT_TRUE(mix) << mix.error.toStdString();
    EXPECT_NEAR(mix->seconds(), sound.seconds, 0.005);
    // Stored with its peak at -3 dBFS.
    EXPECT_NEAR(20 * std::log10(peak(mix->samples)), -3.0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Files, WaveRecordedSound,
                         ::testing::Values(RecordedSound{"feedback_u8_mono_11025",
                                                         WaveEncoding::Pcm8, 1, 11025, 1.2},
                                           RecordedSound{"feedback_adpcm_stereo_22050",
                                                         WaveEncoding::MsAdpcm, 2, 22050, 1.331}));

TEST(WaveReader, skipsForeignChunksBeforeBetweenAndAfterTheSoundChunks) {
    const auto plain = decodeWave(bytesOf(fixture("tone_u8_mono_11025.wav")));
    ASSERT_TRUE(plain) << plain.error.toStdString();

    // LIST before fmt, DISP (odd-sized) and fact between fmt and data, LIST after data.
    const auto chunky = decodeWave(bytesOf(fixture("chunky_u8_mono_11025.wav")));
    ASSERT_TRUE(chunky) << chunky.error.toStdString();
    EXPECT_EQ(chunky->samples, plain->samples);

    // An odd-sized data chunk followed by its pad byte and more chunks.
    const auto odd = decodeWave(bytesOf(fixture("chunky_odd_u8_mono_11025.wav")));
    ASSERT_TRUE(odd) << odd.error.toStdString();
    EXPECT_EQ(odd->samples,
              std::vector<std::int16_t>(plain->samples.begin(), plain->samples.end() - 1));
}

// A full-scale square wave rings past full scale once resampled (the resampler's filter rings
// at every edge): what reaches the mixer is kept in -1 ... 1, at every rate the feedback sounds
// and the old sound files use, mono and stereo.
TEST(WaveReader, keepsAFullScaleSquareWaveWithinFullScaleAtEveryRate) {
    for (const int rate : {8287, 11025, 22050, 44100, 96000}) {
        for (const int channels : {1, 2}) {
            SourceWave wave;
            wave.format = {WaveEncoding::Pcm16, channels, rate, 2 * channels, 0};
            for (int frame = 0; frame < rate / 10; ++frame) {
                const std::int16_t value = (frame / 25) % 2 == 0 ? 32767 : -32768;
                wave.samples.insert(wave.samples.end(), static_cast<std::size_t>(channels), value);
            }
            const auto mixed = convertForMix(wave);
            ASSERT_TRUE(mixed) << mixed.error.toStdString();
            float low = 0, high = 0;
            for (const float s : mixed->samples) {
                low = std::min(low, s);
                high = std::max(high, s);
            }
            EXPECT_GE(low, -1.0f) << rate << " Hz, " << channels << " channel(s)";
            EXPECT_LE(high, 1.0f) << rate << " Hz, " << channels << " channel(s)";
            // Still full scale: the level is not lowered to make room.
            EXPECT_GT(high, 0.99f) << rate << " Hz";
            EXPECT_LT(low, -0.99f) << rate << " Hz";
        }
    }
}

} // namespace
