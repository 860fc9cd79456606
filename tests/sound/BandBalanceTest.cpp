// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped bands, rendered offline and measured: each as loud as the piano, quick to speak,
// clear of the pulse under it and of full scale; and the measures themselves on known signals.
#include "BandBalance.h"

#include "catalogue/RhythmCatalogue.h"
#include "catalogue/Series.h"

#include <gmock/gmock.h>

#include <QFileInfo>

#include <climits>
#include <cmath>
#include <tuple>

using namespace pulsadrome;
using namespace pulsadrome::tools::balance;

namespace {

constexpr int kRate = sound::MusicService::kSampleRate;
// How far a note of the busiest bars may be heard from where it is written.
constexpr double kBusiestTolerance = 0.010;

std::vector<float> sine(double dbfs, double hz, double seconds) {
    const double amplitude = std::pow(10.0, dbfs / 20.0);
    std::vector<float> out(2 * static_cast<std::size_t>(seconds * kRate));
    for (std::size_t f = 0; f < out.size() / 2; ++f) {
        const auto s = static_cast<float>(amplitude * std::sin(2 * M_PI * hz * f / kRate));
        out[2 * f] = s;
        out[2 * f + 1] = s;
    }
    return out;
}

TEST(BalanceMeasures, loudnessReadsTheReferenceToneAndSilence) {
    // A 1 kHz tone at -23 dBFS in both channels reads -23 LUFS, momentary and integrated.
    const auto tone = measureLoudness(sine(-23, 1000, 3), kRate);
    EXPECT_NEAR(tone.momentaryMax, -23.0, 0.2);
    EXPECT_NEAR(tone.integrated, -23.0, 0.2);
    EXPECT_NEAR(tone.peakDb, -23.0, 0.05);
    // Half a second of it in silence: the loudest 400 ms is the tone, the whole is gated to it.
    auto burst = sine(-23, 1000, 0.5);
    burst.resize(burst.size() * 6, 0.0f);
    EXPECT_NEAR(measureLoudness(burst, kRate).momentaryMax, -23.0, 0.3);
    const auto silence = measureLoudness(std::vector<float>(2 * kRate, 0.0f), kRate);
    EXPECT_EQ(silence.momentaryMax, -70.0);
    EXPECT_EQ(silence.integrated, -70.0);
    EXPECT_EQ(silence.peakDb, -100.0);
}

TEST(BalanceMeasures, onsetsAreMatchedOnceEachWithinTheTolerance) {
    const auto match = matchOnsets({0.100, 0.205, 0.230, 0.600}, {0.100, 0.200, 0.400}, 0.010);
    EXPECT_EQ(match.written, 3);
    EXPECT_EQ(match.found, 2); // 0.400 is not heard
    EXPECT_EQ(match.extra, 2); // 0.230 and 0.600 are nowhere written
    EXPECT_NEAR(match.worstMs, 5.0, 1e-6);
}

TEST(BalanceMeasures, attackIsTheTimeToNinetyPercentOfTheLevelReached) {
    // A 50 ms linear rise to a held level reaches 90 % at 45 ms.
    std::vector<float> rise(600, 1.0f);
    for (int i = 0; i < 50; ++i) {
        rise[static_cast<std::size_t>(i)] = i / 50.0f;
    }
    EXPECT_EQ(attackMilliseconds(rise), 45.0);
    // A struck sound: at once at its peak, then decaying.
    std::vector<float> struck(600);
    for (std::size_t i = 0; i < struck.size(); ++i) {
        struck[i] = std::exp(-static_cast<float>(i) / 100.0f);
    }
    EXPECT_EQ(attackMilliseconds(struck), 0.0);
    // A sustained sound still swelling after its first 100 ms is measured to what it holds.
    std::vector<float> swell(600, 1.0f);
    for (int i = 0; i < 150; ++i) {
        swell[static_cast<std::size_t>(i)] = i / 150.0f;
    }
    EXPECT_EQ(attackMilliseconds(swell), 135.0);
}

bool installed(const char* soundFont) {
    return QFileInfo::exists(QString::fromLatin1(soundFont));
}

std::vector<BandMeasure> measureEveryBand(BandBench& bench) {
    std::vector<BandMeasure> measures;
    for (const auto& band : sound::bandList()) {
        measures.push_back(bench.measure(styleBand(band), kReferenceRhythm, kReferenceTempo));
    }
    return measures;
}

TEST(ShippedBands, inTheDefaultBankMatchThePianoSpeakQuicklyAndStandClearOfThePulse) {
    if (!installed(kDefaultSoundFont)) {
        GTEST_SKIP() << kDefaultSoundFont << " is not installed";
    }
    BandBench bench(QString::fromLatin1(kDefaultSoundFont));
    QString why;
    ASSERT_TRUE(bench.ready(&why)) << why.toStdString();
    const auto measures = measureEveryBand(bench);
    const double piano =
        measures[static_cast<std::size_t>(sound::kDefaultBandPosition)].notes.momentaryMax;
    for (std::size_t p = 0; p < measures.size(); ++p) {
        const auto& m = measures[p];
        const std::string band = "band " + std::to_string(p);
        EXPECT_NEAR(m.notes.momentaryMax, piano, 1.5) << band;
        EXPECT_GE(m.notesOverClick, 10.0) << band;
        EXPECT_LT(m.fullPeakDb, -0.5) << band;
        EXPECT_LE(m.attackMs, 30.0) << band;
        EXPECT_TRUE(m.onsets.found == m.onsets.written && m.onsets.extra == 0)
            << band << ": " << m.onsets.found << "/" << m.onsets.written << " +" << m.onsets.extra;
    }
}

TEST(ShippedBands, inTheSmallBankAreHeardOverThePulseAndNeverClip) {
    // The gains are chosen for the default bank; in this one every band is still clear of the
    // pulse and of full scale, with its notes (not the clicks) well heard.
    BandBench bench(QString::fromLatin1(kSmallSoundFont));
    QString why;
    ASSERT_TRUE(bench.ready(&why)) << why.toStdString();
    const auto measures = measureEveryBand(bench);
    for (std::size_t p = 0; p < measures.size(); ++p) {
        const auto& m = measures[p];
        const std::string band = "band " + std::to_string(p);
        EXPECT_GT(m.notes.momentaryMax, -32.0) << band;
        EXPECT_GE(m.notesOverClick, 10.0) << band;
        EXPECT_LT(m.fullPeakDb, -0.5) << band;
    }
}

// The rhythm of `series` whose onsets come closest together, the most often, with the most
// notes: the busiest bar a child of that series hears.
int busiestRhythm(catalogue::Series series) {
    const auto& info = catalogue::seriesInfo(series);
    int best = 0;
    std::tuple<int, int, int> bestKey{0, 0, 0};
    for (int n = info.firstRhythm; n <= info.lastRhythm; ++n) {
        const auto onsets = catalogue::rhythmCatalogue().find(n)->rhythm.onsets();
        if (onsets.size() < 2) {
            continue;
        }
        int closest = INT_MAX, times = 0;
        for (std::size_t i = 1; i < onsets.size(); ++i) {
            const int gap = onsets[i] - onsets[i - 1];
            times = gap < closest ? 1 : times + (gap == closest ? 1 : 0);
            closest = std::min(closest, gap);
        }
        const std::tuple<int, int, int> key{-closest, times, static_cast<int>(onsets.size())};
        if (best == 0 || key > bestKey) {
            best = n;
            bestKey = key;
        }
    }
    return best;
}

TEST(ShippedBands, inTheDefaultBankPartEveryNoteOfEachSeriesBusiestBarAtTempo160) {
    // The box at 160 counts the series' beat: crotchets, dotted crotchets or minims.
    if (!installed(kDefaultSoundFont)) {
        GTEST_SKIP() << kDefaultSoundFont << " is not installed";
    }
    BandBench bench(QString::fromLatin1(kDefaultSoundFont));
    QString why;
    ASSERT_TRUE(bench.ready(&why)) << why.toStdString();
    constexpr double kBoxTempo = 160;
    for (const auto series :
         {catalogue::Series::Main, catalogue::Series::Compound, catalogue::Series::MinimBeat}) {
        const int rhythm = busiestRhythm(series);
        const auto& meter = catalogue::rhythmCatalogue().find(rhythm)->rhythm.meter;
        const double tempo = kBoxTempo * meter.beatTicks() / catalogue::kTicksPerQuarter;
        for (const auto& band : sound::bandList()) {
            const auto m = bench.onsets(styleBand(band), rhythm, tempo, kBusiestTolerance);
            EXPECT_TRUE(m.found == m.written && m.extra == 0)
                << "band " << band.position << ", rhythm " << rhythm << " at " << tempo << ": "
                << m.found << "/" << m.written << " +" << m.extra;
        }
    }
}

// Every theme's right and wrong sounds, as the feedback player plays them.
struct ThemeWaves {
    QString theme;
    WaveMeasure right;
    WaveMeasure wrong;
};

std::vector<ThemeWaves> measureEveryWave() {
    std::vector<ThemeWaves> themes;
    for (const QString& theme : soundThemes()) {
        QString why;
        const auto right = measureWave(theme + QStringLiteral("_vrai"), &why);
        const auto wrong = measureWave(theme + QStringLiteral("_faux"), &why);
        EXPECT_TRUE(right && wrong) << why.toStdString();
        if (right && wrong) {
            themes.push_back({theme, *right, *wrong});
        }
    }
    return themes;
}

TEST(ShippedWaves, matchWithinTheirThemeAreShortAndSixteenBit) {
    const auto themes = measureEveryWave();
    ASSERT_EQ(themes.size(), soundThemes().size());
    for (const auto& t : themes) {
        const std::string theme = t.theme.toStdString();
        EXPECT_NEAR(t.right.loudness.momentaryMax, t.wrong.loudness.momentaryMax, 3.0) << theme;
        for (const WaveMeasure* m : {&t.right, &t.wrong}) {
            EXPECT_LE(m->seconds, kLongestWave) << theme;
            EXPECT_EQ(m->encoding, sound::WaveEncoding::Pcm16) << theme;
            EXPECT_LT(m->loudness.peakDb, -1.0) << theme;
        }
    }
}

TEST(ShippedWaves, sitSixDecibelsUnderThePianosRhythmAtTheLoudestVolume) {
    if (!installed(kDefaultSoundFont)) {
        GTEST_SKIP() << kDefaultSoundFont << " is not installed: the waves are set to its piano";
    }
    BandBench bench(QString::fromLatin1(kDefaultSoundFont));
    QString why;
    ASSERT_TRUE(bench.ready(&why)) << why.toStdString();
    const double piano =
        bench
            .measure(
                styleBand(sound::bandList()[static_cast<std::size_t>(sound::kDefaultBandPosition)]),
                kReferenceRhythm, kReferenceTempo)
            .notes.momentaryMax;
    for (const auto& t : measureEveryWave()) {
        for (const WaveMeasure* m : {&t.right, &t.wrong}) {
            EXPECT_NEAR(m->loudness.momentaryMax, piano - kWaveUnderRhythmDb, 1.0)
                << t.theme.toStdString();
        }
    }
}

} // namespace
