// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBench.h"

#include "i18n/CaptionTable.h"

#include <gmock/gmock.h>

#include <map>

using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using pulsadrome::app::SoundTheme;
using ::testing::ElementsAre;

namespace {

TEST(LevelVolume, enterAndLeavingTheBoxUseTheirOwnVolumeFormula) {
    LevelBench bench;
    bench.sound.calls.clear();
    bench.run.options().setVolumeText("100");
    bench.run.options().EDIT_Volume_KeyPress(kKeyEnter);
    EXPECT_THAT(bench.sound.calls, ElementsAre("ChangeVolume 100", "ChangeVolume 100"));

    bench.sound.calls.clear();
    bench.run.options().setVolumeText(" 40 ");
    bench.run.options().EDIT_Volume_LostFocus();
    EXPECT_THAT(bench.sound.calls, ElementsAre("ChangeVolume 40", "SetVolumeFromEdit 40"));
    EXPECT_EQ(bench.run.options().volume().text, "40");

    bench.sound.calls.clear();
    for (const char* refused : {"101", "-1", "vingt"}) {
        bench.run.options().setVolumeText(refused);
        bench.run.options().EDIT_Volume_LostFocus();
        EXPECT_EQ(bench.run.options().volume().text, "40") << refused;
    }
    EXPECT_TRUE(bench.sound.calls.isEmpty());
}

TEST(LevelVolume, anEngineRefusalOfTheArrowsVolumeShowsTheVolumeMessage) {
    LevelBench bench;
    bench.sound.failVolume = true;
    bench.run.options().UpDown_Volume_Change(30);
    EXPECT_THAT(bench.screen.messages, ElementsAre(LevelMessage::VolumeError));
}

TEST(LevelPanel, openingPausesAStartedRunAndClosingResumesItAtTheRemainingTime) {
    LevelBench bench;
    bench.start("7");
    bench.run.question_Click();
    bench.ticks(10);
    bench.run.Label_option_Click();
    EXPECT_TRUE(bench.run.panelOpen());
    EXPECT_FALSE(bench.run.clock().running());
    EXPECT_EQ(bench.sound.calls.last(), "StopAll");
    bench.ticks(3); // a stray tick of a stopped clock does nothing
    bench.run.Image_cacher_options_Click();
    EXPECT_FALSE(bench.run.panelOpen());
    EXPECT_TRUE(bench.run.clock().running());
    EXPECT_EQ(bench.run.clock().remaining(), "290");
}

TEST(LevelPanel, closingAfterARunEndedOnTimeResetsTheClockWithoutStartingIt) {
    LevelBench bench([](pulsadrome::app::PlayerRecord& record) { record.chrono = "2"; });
    bench.start("7");
    bench.run.question_Click();
    bench.ticks(2);
    ASSERT_TRUE(bench.ended());
    bench.run.Label_option_Click();
    bench.run.Image_cacher_options_Click();
    EXPECT_EQ(bench.run.clock().remaining(), "2");
    EXPECT_FALSE(bench.run.clock().running());
}

TEST(LevelPanel, closingAfterARunWonByTheScoreEndsItAgainAtTheNextTick) {
    LevelBench bench([](pulsadrome::app::PlayerRecord& record) {
        record.tictac = "0";
        record.jeuBinaire = "7";
    });
    bench.start("7");
    bench.run.question_Click();
    for (int i = 0; i < 10; ++i) {
        bench.answerRight();
        bench.feedbackOver();
    }
    bench.ticks(1);
    ASSERT_EQ(bench.screen.results.size(), 1u);
    EXPECT_EQ(bench.players.record.jeuBinaire, "8");
    bench.run.Label_option_Click();
    bench.run.Image_cacher_options_Click();
    EXPECT_TRUE(bench.run.clock().running());
    bench.ticks(1);
    ASSERT_EQ(bench.screen.results.size(), 2u);
    EXPECT_EQ(bench.screen.results[1].captionKey, "Label_resultat2");
    EXPECT_TRUE(bench.screen.results[1].progressValue.isEmpty()); // level 8 is open already
}

TEST(LevelPanel, choicesTakeEffectAtTheCloseAndAreStoredOnlyThen) {
    LevelBench bench;
    auto& options = bench.run.options();
    bench.run.Label_option_Click();
    options.chooseMetronome(false);
    options.chooseClock(false);
    options.Image_theme_Click(SoundTheme::Cheval);
    options.setSoundTick(SoundTheme::Coq, Verdict::Wrong, true);
    options.Image_instrument_Click(5);
    options.UpDown_Volume_Change(70);
    options.setTempoText("120");
    options.EDIT_Tempo_LostFocus();
    options.UpDown_chrono_Change(150);
    EXPECT_EQ(bench.players.record.fond, "cheval"); // the theme word at once ...
    EXPECT_THAT(bench.screen.themes, ElementsAre("jaune", "cheval"));
    EXPECT_TRUE(bench.players.stored.empty()); // ... but nothing stored
    EXPECT_TRUE(options.metronomeShown());

    bench.run.Image_cacher_options_Click();
    EXPECT_FALSE(options.metronomeShown());
    EXPECT_FALSE(options.clockShown());
    EXPECT_TRUE(options.scoreShown());
    ASSERT_EQ(bench.players.stored.size(), 1u);
    const auto& stored = bench.players.stored.front();
    EXPECT_EQ(stored.fond, "cheval");
    EXPECT_EQ(stored.tictac, "0");
    EXPECT_EQ(stored.compteur, "0");
    EXPECT_EQ(stored.reponse, "1");
    EXPECT_EQ(stored.volume, "70");
    EXPECT_EQ(stored.tempo, "120");
    EXPECT_EQ(stored.chrono, "150");
    EXPECT_EQ(stored.instruments, "5");
    QStringList ticks;
    for (const auto& pair : stored.sounds) {
        ticks << pair.right + pair.wrong;
    }
    EXPECT_EQ(ticks.join(' '), "00 00 00 00 00 11 00 01");
}

TEST(LevelPanel, aFailedStoreIsReportedAndTheChoicesStayInTheRecord) {
    LevelBench bench;
    bench.players.fail = true;
    bench.run.Label_option_Click();
    bench.run.options().chooseScore(false);
    bench.run.Image_cacher_options_Click();
    EXPECT_EQ(bench.screen.storeFailures.size(), 1u);
    EXPECT_EQ(bench.players.record.reponse, "0");
}

TEST(LevelInstruments, clickingPictureFiveFramesItAloneAndSelectsPositionFive) {
    LevelBench bench; // the stored instrument is 23
    bench.menu.instrumentsReady = true;
    EXPECT_TRUE(bench.run.options().instrumentFramed(23));
    bench.sound.calls.clear();
    bench.run.options().Image_instrument_Click(5);
    for (int n = 0; n < kInstrumentCount; ++n) {
        EXPECT_EQ(bench.run.options().instrumentFramed(n), n == 5) << n;
    }
    EXPECT_EQ(bench.run.options().bandPosition(), 5);
    EXPECT_THAT(bench.sound.calls, ElementsAre("SelectBand band 5", "PlayBandPreview"));
}

TEST(LevelInstruments, theBandPreviewWaitsForTheMenusFirstStart) {
    LevelBench bench;
    bench.sound.calls.clear();
    bench.run.options().LIST_Bands_Click(2);
    EXPECT_THAT(bench.sound.calls, ElementsAre("SelectBand band 2"));
}

// A stored instrument that is not a position of the band list (a damaged record, or a music
// style with fewer bands) is replaced by the default band, which sounds and is framed, and the
// adult is told what was wrong: never that the sound system is missing.
TEST(LevelInstruments, aStoredInstrumentOutsideTheBandListFallsBackToTheDefaultBandAndSaysSo) {
    const struct {
        const char* stored;
        int bands;    // in the style
        int fallback; // the band used
    } cases[] = {{"9999", 44, 23}, {"abc", 44, 23}, {"44", 44, 23}, {"-1", 44, 23},
                 {"", 44, 23},     {"23", 5, 0},    {"3", 5, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " of " + std::to_string(c.bands));
        LevelBench bench(
            [&c](pulsadrome::app::PlayerRecord& r) { r.instruments = c.stored; },
            [&c](RecordingRhythm& sound) { sound.bands = sound.bands.mid(0, c.bands); });
        if (std::string(c.stored) == "3") {
            // Within the five bands: nothing to tell.
            EXPECT_TRUE(bench.screen.fallbacks.empty());
            EXPECT_EQ(bench.run.options().bandPosition(), 3);
            continue;
        }
        const QString band = QStringLiteral("band %1").arg(c.fallback);
        ASSERT_EQ(bench.screen.fallbacks.size(), 1u);
        EXPECT_EQ(bench.screen.fallbacks[0],
                  (InstrumentFallback{c.stored, c.bands, c.fallback, band}));
        EXPECT_TRUE(bench.screen.messages.empty());
        EXPECT_EQ(bench.run.options().bandPosition(), c.fallback);
        EXPECT_TRUE(bench.run.options().instrumentFramed(c.fallback));
        EXPECT_EQ(bench.sound.argsOf("SelectBand"), QStringList{band});
        // Told once while the screen lives, though every start applies it again.
        bench.run.question_Click();
        bench.run.Image_retour_Click();
        EXPECT_EQ(bench.screen.fallbacks.size(), 1u);
        EXPECT_EQ(bench.sound.argsOf("SelectBand").last(), band);
        // The record keeps its text until the panel's choices are written.
        EXPECT_EQ(bench.players.record.instruments, QString::fromLatin1(c.stored));
    }
    // The default band is the one a new player starts with.
    EXPECT_EQ(pulsadrome::app::newPlayerRecord(QStringLiteral("Léa")).instruments,
              QString::number(kDefaultBandPosition));
}

TEST(LevelInstruments, theFallbackIsToldInEveryLanguageWithWhatWasStoredAndWhatIsUsed) {
    for (const char* code :
         {"francais", "anglais", "espagnol", "portugais", "italien", "allemand"}) {
        pulsadrome::i18n::CaptionTable captions;
        captions.setCurrentCode(QString::fromLatin1(code));
        captions.Command_langue_Click();
        const QString text =
            instrumentFallbackText({"9999", 44, 23, QStringLiteral("Piano")}, captions);
        EXPECT_THAT(text.toStdString(), ::testing::HasSubstr("9999")) << code;
        EXPECT_THAT(text.toStdString(), ::testing::HasSubstr("44")) << code;
        EXPECT_THAT(text.toStdString(), ::testing::HasSubstr("Piano")) << code;
        EXPECT_FALSE(text.contains(captions.text(u"Label_directx"))) << code;
        const QString none = instrumentFallbackText({"23", 0, -1, QString()}, captions);
        EXPECT_THAT(none.toStdString(), ::testing::HasSubstr("23")) << code;
        EXPECT_NE(none, text) << code;
    }
    EXPECT_EQ(messageText(LevelMessage::BandError), "erreur Bands");
}

TEST(LevelInstruments, aStyleWithoutBandsTellsThatNoInstrumentCanBeChosen) {
    LevelBench bench({}, [](RecordingRhythm& sound) { sound.bands.clear(); });
    ASSERT_EQ(bench.screen.fallbacks.size(), 1u);
    EXPECT_EQ(bench.screen.fallbacks[0].position, -1);
    EXPECT_EQ(bench.run.options().bandPosition(), -1);
    EXPECT_TRUE(bench.sound.argsOf("SelectBand").isEmpty());
}

TEST(LevelInstruments, aBandTheEngineRefusesShowsTheBandMessage) {
    LevelBench bench;
    bench.sound.failBands = true;
    bench.run.question_Click();
    EXPECT_THAT(bench.screen.messages, ElementsAre(LevelMessage::BandError));
}

TEST(LevelThemes, choosingJauneTicksTheProfSoundsAloneAndARightAnswerPlaysProfVrai) {
    LevelBench bench([](pulsadrome::app::PlayerRecord& record) {
        for (auto& ticks : record.sounds) {
            ticks = {"1", "1"};
        }
    });
    bench.run.options().Image_theme_Click(SoundTheme::Prof);
    const SoundChoice& sounds = bench.run.options().sounds();
    for (int i = 0; i < pulsadrome::app::kSoundThemeCount; ++i) {
        EXPECT_EQ(sounds.right[static_cast<std::size_t>(i)], i == 0);
        EXPECT_EQ(sounds.wrong[static_cast<std::size_t>(i)], i == 0);
    }
    EXPECT_EQ(bench.players.record.fond, "jaune");
    bench.start("7");
    bench.run.question_Click();
    bench.answerRight();
    EXPECT_THAT(bench.sound.argsOf("PlayFeedback"), ElementsAre("prof_vrai"));
}

TEST(LevelThemes, withNoRightSoundTickedARightAnswerIsSilentButStillScores) {
    LevelBench bench;
    bench.run.options().setSoundTick(SoundTheme::Prof, Verdict::Right, false);
    bench.start("7");
    bench.run.question_Click();
    bench.answerRight();
    EXPECT_TRUE(bench.sound.argsOf("PlayFeedback").isEmpty());
    EXPECT_EQ(bench.run.score(), "100");
    EXPECT_TRUE(bench.run.feedback().rightShown());
}

TEST(FeedbackSoundDraw, everyTickedSoundComesUpAboutEquallyAndAnUntickedOneNever) {
    pulsadrome::SeededRandom random(7);
    std::array<bool, pulsadrome::app::kSoundThemeCount> ticked{};
    ticked[static_cast<std::size_t>(SoundTheme::Espace)] = true;
    ticked[static_cast<std::size_t>(SoundTheme::Cheval)] = true;
    ticked[static_cast<std::size_t>(SoundTheme::Coq)] = true;
    std::map<SoundTheme, int> counts;
    constexpr int kDraws = 30000;
    for (int i = 0; i < kDraws; ++i) {
        ++counts[*drawTickedTheme(ticked, random)];
    }
    ASSERT_EQ(counts.size(), 3u);
    for (const auto& [theme, count] : counts) {
        EXPECT_TRUE(ticked[static_cast<std::size_t>(theme)]);
        EXPECT_NEAR(count, kDraws / 3, 410) << soundName(theme).toStdString(); // 5 sigma
    }
    EXPECT_FALSE(drawTickedTheme({}, random).has_value());
}

} // namespace
