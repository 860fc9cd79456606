// SPDX-License-Identifier: GPL-3.0-or-later
// What the music service really plays, rendered offline and measured.
#include "OfflineRender.h"

#include "catalogue/Levels.h"
#include "catalogue/RhythmCatalogue.h"
#include "sound/RhythmEngine.h"

#include <gmock/gmock.h>

#include <atomic>
#include <cmath>
#include <set>
#include <utility>

using namespace pulsadrome;
using namespace pulsadrome::sound;
using namespace pulsadrome::sound::testing;

namespace {

constexpr double kTolerance = 0.002; // seconds

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        service = offlineService();
        ASSERT_TRUE(service->waitUntilReady(10000)) << service->problem().toStdString();
        engine = std::make_unique<RhythmEngine>(*service, captions);
        ASSERT_TRUE(engine->Initialise(QStringLiteral("/nonexistent"), true));
        // List position 0: the wood block, short and sharp.
        ASSERT_TRUE(engine->SelectBand(engine->FillBandList().at(0)));
    }

    // Where a rhythm's sounds start at `tempo`: its count-in, its notes and its pulse.
    static std::vector<double> expectedOnsets(int rhythm, double tempo) {
        const auto& r = catalogue::rhythmCatalogue().find(rhythm)->rhythm;
        std::set<int> ticks;
        const int bar = r.barTicks();
        const int beat = r.meter.beatTicks();
        for (int t = 0; t < bar + r.totalTicks(); t += beat) {
            ticks.insert(t);
        }
        for (int onset : r.onsets()) {
            ticks.insert(bar + onset);
        }
        std::vector<double> seconds;
        for (int t : ticks) {
            seconds.push_back(t * 60.0 / (tempo * catalogue::kTicksPerQuarter));
        }
        return seconds;
    }

    static double rhythmSeconds(int rhythm, double tempo) {
        const auto& r = catalogue::rhythmCatalogue().find(rhythm)->rhythm;
        return (r.barTicks() + r.totalTicks()) * 60.0 / (tempo * catalogue::kTicksPerQuarter);
    }

    i18n::CaptionTable captions;
    std::unique_ptr<MusicService> service;
    std::unique_ptr<RhythmEngine> engine;
};

void expectSameTimes(const std::vector<double>& detected, const std::vector<double>& expected,
                     const std::string& what) {
    std::string seen;
    for (double d : detected) {
        seen += std::to_string(d) + " ";
    }
    std::string wanted;
    for (double e : expected) {
        wanted += std::to_string(e) + " ";
    }
    ASSERT_EQ(detected.size(), expected.size())
        << what << "\n  heard " << seen << "\n  written " << wanted;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(detected[i], expected[i], kTolerance) << what << ", onset " << i + 1;
    }
}

struct OnsetCase {
    const char* level;
    double tempo;
};

class LevelOnsets : public RenderTest, public ::testing::WithParamInterface<OnsetCase> {};

TEST_P(LevelOnsets, everyRhythmSoundsExactlyWhereItIsWritten) {
    const auto* level = catalogue::findLevelByLabel(QString::fromLatin1(GetParam().level));
    ASSERT_NE(level, nullptr);
    ASSERT_TRUE(engine->SetTempo(static_cast<qint16>(GetParam().tempo)));
    for (const auto& answer : level->answers) {
        ASSERT_TRUE(engine->PlayRhythm(catalogue::motifOf(answer.rhythm)));
        const auto audio = renderSeconds(*service, rhythmSeconds(answer.rhythm, GetParam().tempo));
        expectSameTimes(detectOnsets(audio), expectedOnsets(answer.rhythm, GetParam().tempo),
                        "rhythm " + std::to_string(answer.rhythm) + " at " +
                            std::to_string(GetParam().tempo));
        ASSERT_TRUE(engine->StopAll());
        renderSeconds(*service, 0.4); // let it ring out
    }
}

INSTANTIATE_TEST_SUITE_P(EachSeries, LevelOnsets,
                         ::testing::Values(OnsetCase{"Niveau1", 60}, OnsetCase{"Niveau1", 160},
                                           OnsetCase{"Niveau20", 160}, OnsetCase{"Niveau40", 60},
                                           OnsetCase{"Niveau05T", 60}, OnsetCase{"Niveau10T", 160},
                                           OnsetCase{"Niveau03B", 160},
                                           OnsetCase{"Niveau11B", 60}));

TEST_F(RenderTest, aTempoChangeTakesEffectFromTheCurrentMusicTime) {
    ASSERT_TRUE(engine->SetTempo(60));
    ASSERT_TRUE(engine->PlayRhythm(0)); // 4/4 crotchets: a sound every beat
    auto audio = renderSeconds(*service, 2.5);
    ASSERT_TRUE(engine->SetTempo(120));
    const auto rest = renderSeconds(*service, 3.0);
    audio.insert(audio.end(), rest.begin(), rest.end());
    // Beats at 0, 1, 2 s; the music clock then stands at beat 2.5 and runs twice as fast:
    // beat 3 at 2.75 s, then every half second.
    std::vector<double> expected{0, 1, 2, 2.75, 3.25, 3.75, 4.25, 4.75};
    const auto detected = detectOnsets(audio);
    ASSERT_GE(detected.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(detected[i], expected[i], kTolerance) << "onset " << i + 1;
    }
}

TEST_F(RenderTest, aNewRhythmCutsThePreviousOneAtOnce) {
    ASSERT_TRUE(engine->SetTempo(120));
    ASSERT_TRUE(engine->PlayRhythm(0)); // would sound for 4 s
    auto audio = renderSeconds(*service, 1.2);
    ASSERT_TRUE(engine->PlayRhythm(5)); // rhythm 6: a semibreve after its count-in
    const auto rest = renderSeconds(*service, rhythmSeconds(6, 120) + 0.5);
    const auto after = detectOnsets(rest);
    auto expected = expectedOnsets(6, 120);
    expectSameTimes(after, expected, "rhythm 6 after the cut");
    (void)audio;
}

TEST_F(RenderTest, aFeedbackSoundNeverCutsARhythm) {
    // The same rhythm rendered twice, once with a feedback sound on top: the difference is the
    // feedback sound alone, and after it ends the two renders are the same sample for sample.
    auto twin = offlineService();
    ASSERT_TRUE(twin->waitUntilReady(10000));
    RhythmEngine quiet(*twin, captions);
    ASSERT_TRUE(quiet.Initialise(QStringLiteral("/nonexistent"), true));
    ASSERT_TRUE(quiet.SelectBand(quiet.FillBandList().at(0)));
    for (auto* e : {engine.get(), &quiet}) {
        ASSERT_TRUE(e->SetTempo(100));
        ASSERT_TRUE(e->PlayRhythm(100));
    }
    const auto a0 = renderSeconds(*service, 1.0);
    const auto b0 = renderSeconds(*twin, 1.0);
    if (!engine->PlayFeedback(QStringLiteral("coq"), QStringLiteral("vrai"), true)) {
        GTEST_SKIP() << "the feedback sounds are not embedded yet";
    }
    const auto a1 = renderSeconds(*service, 4.0);
    const auto b1 = renderSeconds(*twin, 4.0);
    EXPECT_EQ(a0, b0);
    float during = 0, afterwards = 0;
    for (std::size_t i = 0; i < a1.size(); ++i) {
        const float d = std::abs(a1[i] - b1[i]);
        (i < a1.size() / 2 ? during : afterwards) =
            std::max(i < a1.size() / 2 ? during : afterwards, d);
    }
    EXPECT_GT(during, 0.001f);
    EXPECT_EQ(afterwards, 0.0f);
    EXPECT_GT(peak(b1), 0.01f); // the rhythm went on sounding
}

// Both General MIDI banks the program may use: the program's default and the small one.
class BandsAtFullVolume : public ::testing::TestWithParam<const char*> {};

TEST_P(BandsAtFullVolume, noBandClipsAndEveryBandIsHeard) {
    MusicService service({QString::fromLatin1(GetParam()), false, 256});
    service.start();
    ASSERT_TRUE(service.waitUntilReady(20000)) << service.problem().toStdString();
    i18n::CaptionTable captions;
    RhythmEngine engine(service, captions);
    ASSERT_TRUE(engine.Initialise(QStringLiteral("/nonexistent"), false));
    ASSERT_TRUE(engine.SetVolumeFromEdit(100));
    ASSERT_TRUE(engine.SetTempo(160));
    const QStringList bands = engine.FillBandList();
    // One of the densest bars, in 3/4, after its count-in bar.
    constexpr int kDense = 359;
    const auto& dense = catalogue::rhythmCatalogue().find(kDense)->rhythm;
    const auto bar = 2 * static_cast<std::size_t>(dense.barTicks() * 60.0 /
                                                  (160.0 * catalogue::kTicksPerQuarter) *
                                                  MusicService::kSampleRate);
    const auto rhythmBar = [bar](const std::vector<float>& audio) {
        return tools::balance::measureLoudness({audio.begin() + bar, audio.begin() + 2 * bar},
                                               MusicService::kSampleRate)
            .momentaryMax;
    };
    // The pulse under that bar alone, at the same volume, whatever the band.
    tools::balance::BandBench bench(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(bench.ready());
    Segment pulse = buildRhythmSegment(dense);
    std::erase_if(pulse.events, [&dense](const NoteEvent& e) {
        return e.voice != NoteEvent::Voice::Click || e.tick < dense.barTicks();
    });
    const double pulseLoudness =
        rhythmBar(bench.render(tools::balance::styleBand(bandList()[0]), pulse, 160, 4.0));
    ASSERT_GT(pulseLoudness, -45.0);
    float loudest = 0;
    int loudestPosition = 0;
    for (int position = 0; position < bands.size(); ++position) {
        const std::string name = bands[position].toStdString();
        ASSERT_TRUE(engine.SelectBand(bands[position]));
        ASSERT_TRUE(engine.PlayRhythm(kDense));
        const auto audio = renderSeconds(service, 4.0);
        ASSERT_GT(audio.size(), 2 * bar);
        EXPECT_LT(peak(audio), 0.95f) << name; // -0.45 dBFS
        // What is heard is the band's notes, not the clicks: with its pulse the rhythm's bar
        // stands 10 dB above that pulse alone.
        EXPECT_GE(rhythmBar(audio) - pulseLoudness, 10.0) << name;
        if (peak(audio) > loudest) {
            loudest = peak(audio);
            loudestPosition = position;
        }
        ASSERT_TRUE(engine.StopAll());
        renderSeconds(service, 0.5);
    }
    if (QString::fromLatin1(GetParam()) != QLatin1String(kTestSoundFont)) {
        // The program's default bank uses the top of the scale: its loudest band peaks near
        // -1 dBFS at the loudest setting.
        EXPECT_GT(loudest, 0.8f) << bands[loudestPosition].toStdString(); // -1.9 dBFS
    }

    // Every arrow click moves the level by the same amount over the whole range, heard on the
    // loudest band: a quarter decibel.
    ASSERT_TRUE(engine.SelectBand(bands[loudestPosition]));
    const auto peakAt = [&](int setting) {
        EXPECT_TRUE(engine.ChangeVolume(setting));
        EXPECT_TRUE(engine.PlayRhythm(359));
        const float p = peak(renderSeconds(service, 4.0));
        EXPECT_TRUE(engine.StopAll());
        renderSeconds(service, 0.5);
        return 20.0 * std::log10(p);
    };
    const double at1 = peakAt(1), at2 = peakAt(2), at50 = peakAt(50), at51 = peakAt(51),
                 at99 = peakAt(99), at100 = peakAt(100);
    for (const double step : {at2 - at1, at51 - at50, at100 - at99}) {
        EXPECT_NEAR(step, 0.25, 0.02);
    }
    EXPECT_NEAR(at100 - at1, 99 * 0.25, 0.1);
}

INSTANTIATE_TEST_SUITE_P(SoundBanks, BandsAtFullVolume,
                         ::testing::Values("/usr/share/sounds/sf2/FluidR3_GM.sf2", kTestSoundFont));

TEST_F(RenderTest, aReleasedPerformanceLeavesNoneOfItsSettingsToTheNext) {
    // The first screen's sound: a verdict during play leaves its feedback player 10 dB softer,
    // and its rhythm side has its own tempo, volume and band.
    const QString theme = QStringLiteral("coq");
    const QString verdict = QStringLiteral("vrai");
    if (!engine->PlayFeedback(theme, verdict, true)) {
        GTEST_SKIP() << "the feedback sounds are not embedded";
    }
    ASSERT_TRUE(engine->SetTempo(60));
    ASSERT_TRUE(engine->ChangeVolume(10));
    ASSERT_TRUE(engine->SelectBand(engine->FillBandList().at(23)));
    renderSeconds(*service, 2.0);
    engine.reset(); // "change player": the screen and its sound go

    // What the next screen's sound plays, on this service and on one that never played.
    const auto firstSounds = [&](MusicService& music) {
        RhythmEngine next(music, captions);
        EXPECT_TRUE(next.Initialise(QStringLiteral("/nonexistent"), true));
        EXPECT_TRUE(next.PlayFeedback(theme, verdict, false)); // a preview in the options
        const auto preview = renderSeconds(music, 1.5);
        EXPECT_TRUE(next.PlayRhythm(0));
        return std::pair{preview, renderSeconds(music, 2.0)};
    };
    const auto [preview, rhythm] = firstSounds(*service);
    auto fresh = offlineService();
    ASSERT_TRUE(fresh->waitUntilReady(10000));
    const auto [freshPreview, freshRhythm] = firstSounds(*fresh);
    EXPECT_GT(peak(freshPreview), 0.01f);
    EXPECT_NEAR(20 * std::log10(peak(preview) / peak(freshPreview)), 0.0, 0.01);
    EXPECT_NEAR(20 * std::log10(peak(rhythm) / peak(freshRhythm)), 0.0, 0.01);
    EXPECT_EQ(detectOnsets(rhythm), detectOnsets(freshRhythm)); // tempo 120, same band
}

// A synthesizer that refuses program changes while `refusals` is positive, counting them.
std::atomic<int> refusals{0};
std::atomic<int> programChanges{0};
int refusingProgramChange(fluid_synth_t* synth, int channel, int program) {
    programChanges.fetch_add(1);
    if (refusals.load() > 0) {
        return FLUID_FAILED;
    }
    return fluid_synth_program_change(synth, channel, program);
}
int refusingNoteOn(fluid_synth_t*, int, int, int) {
    return FLUID_FAILED;
}
int refusingControlChange(fluid_synth_t*, int, int, int) {
    return FLUID_FAILED;
}
int refusingSetGenerator(fluid_synth_t*, int, int, float) {
    return FLUID_FAILED;
}

TEST(RenderFaults, aRefusedProgramChangeIsCountedReportedAndTriedAgainUntilItIsDone) {
    MusicService::Options options{QString::fromLatin1(kTestSoundFont), false, 256};
    options.synthCalls.programChange = &refusingProgramChange;
    MusicService service(options);
    service.start();
    ASSERT_TRUE(service.waitUntilReady(10000));
    i18n::CaptionTable captions;
    RhythmEngine engine(service, captions);
    ASSERT_TRUE(engine.Initialise(QStringLiteral("/nonexistent"), false));
    refusals = 1;
    programChanges = 0;
    ASSERT_TRUE(engine.SelectBand(engine.FillBandList().at(23))); // the piano: melodic
    ASSERT_TRUE(engine.PlayRhythm(0));
    renderSeconds(service, 64.0 * 10 / MusicService::kSampleRate); // ten blocks
    // Refused on the band's arrival, then at each block and before each note: never recorded
    // as done.
    EXPECT_GE(service.audioFaults().programChange, 11);
    EXPECT_EQ(service.audioFaults().programChange, programChanges.load());
    EXPECT_EQ(service.audioFaults().noteOn, 0);
    EXPECT_TRUE(service.reportAudioFaults());
    EXPECT_FALSE(service.reportAudioFaults()); // nothing new

    // Once the synthesizer takes it, it is done and not asked again.
    refusals = 0;
    const auto audio = renderSeconds(service, 1.0);
    const int done = programChanges.load();
    renderSeconds(service, 1.0);
    EXPECT_EQ(programChanges.load(), done);
    EXPECT_EQ(service.audioFaults().programChange, done - 1);
    EXPECT_GT(peak(audio), 0.01f);
    EXPECT_FALSE(service.reportAudioFaults());
}

TEST(RenderFaults, aRefusedNoteIsCountedAndReported) {
    MusicService::Options options{QString::fromLatin1(kTestSoundFont), false, 256};
    options.synthCalls.noteOn = &refusingNoteOn;
    MusicService service(options);
    service.start();
    ASSERT_TRUE(service.waitUntilReady(10000));
    i18n::CaptionTable captions;
    RhythmEngine engine(service, captions);
    ASSERT_TRUE(engine.Initialise(QStringLiteral("/nonexistent"), false));
    ASSERT_TRUE(engine.SetTempo(120));
    ASSERT_TRUE(engine.PlayRhythm(0)); // eight crotchets: count-in and notes, with their clicks
    const auto audio = renderSeconds(service, 4.2);
    EXPECT_EQ(peak(audio), 0.0f);
    EXPECT_GE(service.audioFaults().noteOn, 8);
    EXPECT_EQ(service.audioFaults().total(), service.audioFaults().noteOn);
    EXPECT_TRUE(service.reportAudioFaults());
}

TEST(RenderFaults, aRefusedSoundControllerOrSampleStartIsCountedAndTheBandStillPlays) {
    MusicService::Options options{QString::fromLatin1(kTestSoundFont), false, 256};
    options.synthCalls.controlChange = &refusingControlChange;
    options.synthCalls.setGenerator = &refusingSetGenerator;
    MusicService service(options);
    service.start();
    ASSERT_TRUE(service.waitUntilReady(10000));
    i18n::CaptionTable captions;
    RhythmEngine engine(service, captions);
    ASSERT_TRUE(engine.Initialise(QStringLiteral("/nonexistent"), false));
    ASSERT_TRUE(engine.SelectBand(engine.FillBandList().at(23)));
    ASSERT_TRUE(engine.PlayRhythm(0));
    const auto audio = renderSeconds(service, 1.0);
    // Attack, release and the fine and coarse sample start, on the band's melodic and
    // percussion channels.
    EXPECT_EQ(service.audioFaults().controlChange, 8);
    EXPECT_EQ(service.audioFaults().total(), 8);
    EXPECT_TRUE(service.reportAudioFaults());
    EXPECT_GT(peak(audio), 0.01f);
}

TEST_F(RenderTest, silenceAtVolumeZeroAndTheSoundBankLoadsOnce) {
    ASSERT_TRUE(engine->ChangeVolume(0));
    ASSERT_TRUE(engine->PlayRhythm(0));
    EXPECT_EQ(peak(renderSeconds(*service, 1.0)), 0.0f);
    EXPECT_GT(service->soundFontLoadMilliseconds(), 0.0);
}

} // namespace
