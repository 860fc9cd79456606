// SPDX-License-Identifier: GPL-3.0-or-later
// The games screen's options: the panel pausing a started game, what its closing stores, the
// bonus choice, player 2's sounds, and the tempo and beat of the game's series.
#include "play/games/GameRun.h"

#include "GameTestSupport.h"

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(GameOptions, thePanelPausesAStartedGameAndItsClosingResumesIt) {
    GameFixture game("Label15a");
    game.run.Form_Load();
    game.start();
    game.run.Timer2_Timer(); // 299 left
    game.run.Label_option_Click();
    EXPECT_TRUE(game.run.panelOpen());
    EXPECT_FALSE(game.run.clockRunning());
    game.run.Image_cacher_options_Click();
    EXPECT_TRUE(game.run.clockRunning());
    EXPECT_EQ(game.run.clock(), QStringLiteral("299"));

    // Idle, or ended at 0: the closing sets the clock to the length and starts nothing.
    GameFixture idle("Label15a");
    idle.run.Form_Load();
    idle.run.Label_option_Click();
    idle.run.Image_cacher_options_Click();
    EXPECT_FALSE(idle.run.clockRunning());
    EXPECT_EQ(idle.run.clock(), QStringLiteral("300"));
}

TEST(GameOptions, closingStoresTheBonusAndPlayerTwosSoundsButNotTheLevelDuration) {
    GameFixture game("Label15a"); // a scored game: its length is the fixed 300 seconds
    game.record.current().chrono = QStringLiteral("120");
    game.run.Form_Load();
    game.run.Label_option_Click();
    LevelOptions& options = game.run.options();
    options.chooseBonus(false);
    options.setSoundTick2(app::SoundTheme::Train, Verdict::Right, true);
    // A theme chosen on the panel is player 1's: player 2's boxes stay.
    options.Image_theme_Click(app::SoundTheme::Coq);
    game.run.Image_cacher_options_Click();

    const app::PlayerRecord& stored = game.record.storedRecord();
    EXPECT_EQ(game.record.stored, 1);
    EXPECT_EQ(stored.bonus, QStringLiteral("0"));
    EXPECT_EQ(stored.chrono, QStringLiteral("120"));
    EXPECT_EQ(stored.ticks2(app::SoundTheme::Train).right, QStringLiteral("1"));
    EXPECT_EQ(stored.ticks2(app::SoundTheme::Coq).right, QStringLiteral("0"));
    EXPECT_EQ(stored.ticks(app::SoundTheme::Coq).right, QStringLiteral("1"));
    EXPECT_EQ(stored.ticks(app::SoundTheme::Prof).right, QStringLiteral("0"));
}

TEST(GameOptions, withBonusesTurnedOffNoQuestionCarriesOneAndNothingIsDrawnForIt) {
    GameFixture game("Label15a");
    game.record.current().bonus = QStringLiteral("0");
    game.random.draws = {0}; // the start's draw only
    game.run.question_Click();
    EXPECT_FALSE(game.run.bonus().shown());
    EXPECT_FALSE(game.run.bonus().running());
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("0"));
    EXPECT_TRUE(game.random.draws.empty());

    // Turned on again (or never set, as in an older record), the draw is back.
    game.record.current().bonus = QString();
    game.random.draws = {bonusDraw(100)};
    game.run.NextQuestion();
    EXPECT_EQ(game.run.bonus().label(), QStringLiteral("+200"));
}

TEST(GameOptions, aSecondPlayerWhoNeverChoseHearsTheYellowThemeAndOnlyHisOwnChoiceOnceMade) {
    GameFixture game("Label15b"); // two players
    for (auto& ticks : game.record.current().sounds2) {
        ticks = {};
    }
    game.start();
    game.sound.take();
    game.walkTo(game.notAsked(), true);
    game.random.draws = {0}; // the eight-theme draw lands on "prof" at once
    game.run.ValidateAnswerB();
    EXPECT_THAT(game.sound.take(), ElementsAre("PlayFeedback prof_faux"));

    // Player 2's own choice, once stored, is what he hears: nothing ticked is silence.
    for (auto& ticks : game.record.current().sounds2) {
        ticks = {QStringLiteral("0"), QStringLiteral("0")};
    }
    game.run.Timer1_Timer();
    game.run.Timer1_Timer();
    game.run.ValidateAnswerB();
    EXPECT_THAT(game.sound.take(), IsEmpty());
    EXPECT_TRUE(game.run.wrongShownB());
}

TEST(GameOptions, theTempoArrowsAndTheBeatFollowTheGamesSeriesNotTheLevelOfTheSameCode) {
    // Game "2" is a minim-beat game although "2" is also a level of the main series.
    struct Case {
        const char* label;
        const char* tempo;
        const char* beat;
    };
    for (const Case& c : {Case{"Label15b", "SetTempo 100", "PlayBeatSample 0"},
                          Case{"LabelB4", "SetTempo 200", "PlayBeatSample 464"},
                          Case{"LabelB1", "SetTempo 200", "PlayBeatSample 464"},
                          Case{"LabelT4", "SetTempo 150", "PlayBeatSample 368"}}) {
        GameFixture game(c.label);
        game.run.Form_Load();
        game.sound.take();
        game.run.options().UpDown_Tempo_Change(100);
        game.run.Image_tempo_Click();
        EXPECT_THAT(game.sound.take(), ElementsAre(c.tempo, c.beat)) << c.label;
    }
}

TEST(GameOptions, openingThePanelStopsTheSoundAndPutsThePlayersBandBack) {
    GameFixture game("Label15a");
    game.record.current().instruments = QStringLiteral("7");
    game.run.Form_Load();
    game.start();
    game.sound.take();
    game.run.Label_option_Click();
    EXPECT_THAT(game.sound.take(), Contains("StopAll"));
    EXPECT_EQ(game.run.options().bandPosition(), 7);
    EXPECT_TRUE(game.run.options().instrumentFramed(7));
}

} // namespace
