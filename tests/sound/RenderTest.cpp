// SPDX-License-Identifier: GPL-3.0-or-later
// What the music service really plays, rendered offline and measured.
#include "OfflineRender.h"

#include "catalogue/Levels.h"
#include "catalogue/RhythmCatalogue.h"
#include "sound/RhythmEngine.h"

#include <gmock/gmock.h>

#include <set>

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
    for (int position = 0; position < bands.size(); ++position) {
        ASSERT_TRUE(engine.SelectBand(bands[position]));
        ASSERT_TRUE(engine.PlayRhythm(359)); // one of the densest bars
        const auto audio = renderSeconds(service, 4.0);
        EXPECT_LT(peak(audio), 0.9f) << bands[position].toStdString();
        EXPECT_GT(peak(audio), 0.05f) << bands[position].toStdString();
        ASSERT_TRUE(engine.StopAll());
        renderSeconds(service, 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(SoundBanks, BandsAtFullVolume,
                         ::testing::Values("/usr/share/sounds/sf2/FluidR3_GM.sf2", kTestSoundFont));

TEST_F(RenderTest, silenceAtVolumeZeroAndTheSoundBankLoadsOnce) {
    ASSERT_TRUE(engine->ChangeVolume(0));
    ASSERT_TRUE(engine->PlayRhythm(0));
    EXPECT_EQ(peak(renderSeconds(*service, 1.0)), 0.0f);
    EXPECT_GT(service->soundFontLoadMilliseconds(), 0.0);
}

} // namespace
