// SPDX-License-Identifier: GPL-3.0-or-later
// Game-pads on the play screens, through SDL's virtual pads and the program's own hub: chosen on
// the options panel, they move the cursor and answer on the level screen and, one per player, on
// the games screen. The engine only records.
#include "../ProgramStart.h"
#include "../level/LevelBench.h"
#include "support/VirtualPad.h"

#include "app/ProgramFlow.h"
#include "input/GamepadHub.h"
#include "play/games/GameWindow.h"
#include "play/level/LevelWindow.h"
#include "play/level/OptionPanel.h"
#include "play/level/PadSlot.h"
#include "play/level/QuestionOrder.h"
#include "ui/ClickLabel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using pulsadrome::testing::VirtualPad;

namespace {

constexpr Sint16 kFullRight = 32767;
constexpr Sint16 kFullLeft = -32768;
constexpr Uint8 kHatCentred = SDL_HAT_CENTERED;

class PadPlayTest : public play::testing::ProgramAtMenuTest {
protected:
    void SetUp() override {
        ProgramAtMenuTest::SetUp();
        ASSERT_NE(flow, nullptr);
        hub = flow->gamepads();
        ASSERT_NE(hub, nullptr);
    }

    // "Yes" on the pads' page of an open panel, for `player`'s controls.
    static void choosePad(OptionPanel* panel, int player) {
        if (panel->page() != OptionPanel::Page::Pads) {
            QTest::mouseClick(panel->pageLabel(), Qt::LeftButton);
        }
        const PadControls& controls = panel->pad(player);
        ASSERT_TRUE(controls.yes->isEnabled());
        QTest::mouseClick(controls.yes, Qt::LeftButton);
    }

    // The pad moved and let go again: two notifications, one move.
    void flick(VirtualPad& pad, Uint8 hat) {
        pad.hat(hat);
        hub->poll();
        pad.hat(kHatCentred);
        hub->poll();
    }

    input::GamepadHub* hub = nullptr;
};

TEST_F(PadPlayTest, aChildPlaysALevelWithAPad) {
    VirtualPad pad;
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    LevelWindow* level = flow->level();
    ASSERT_NE(level, nullptr);
    OptionPanel* panel = level->optionPanel();
    QTest::mouseClick(level->optionLabel(), Qt::LeftButton);
    choosePad(panel, 0);
    const PadControls& controls = panel->pad(0);
    EXPECT_TRUE(controls.devices->isEnabled());
    EXPECT_EQ(controls.devices->currentRow(), 0);
    ASSERT_NE(level->pad()->device(), nullptr);
    hub->poll(); // the set-up's reading: a pad at rest does nothing
    QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);

    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    LevelRun& run = level->run();
    ASSERT_EQ(run.grid().cursor(), AnswerGrid::kReplayCell);
    // Full right moves one cell per notification; back to the centre moves nothing.
    pad.axis(0, kFullRight);
    hub->poll();
    EXPECT_EQ(run.grid().cursor(), 6);
    pad.axis(0, 0);
    hub->poll();
    EXPECT_EQ(run.grid().cursor(), 6);
    pad.axis(0, kFullLeft);
    hub->poll();
    EXPECT_EQ(run.grid().cursor(), 5);
    pad.axis(0, 0);
    hub->poll();
    // While an answer is awaited the lists show what the pad reads.
    EXPECT_EQ(controls.axes->count(), 2);
    EXPECT_EQ(controls.axes->item(0)->text(), QStringLiteral("X: 32767"));
    EXPECT_EQ(controls.buttons->item(3)->text(), QStringLiteral("Button 4: Up"));

    // The hat walks to the right answer; a button confirms it.
    const int question = run.question().toInt();
    int target = 0;
    for (int cell = 4; cell <= 9; ++cell) {
        if (answerNumberOf(cell, gridKindOf(run.levelCode())) == question) {
            target = cell;
        }
    }
    ASSERT_NE(target, 0);
    flick(pad, SDL_HAT_DOWN);
    if (target <= 6) {
        flick(pad, SDL_HAT_UP);
    }
    for (int column = (target - 1) % 3; column < 1; ++column) {
        flick(pad, SDL_HAT_LEFT);
    }
    for (int column = (target - 1) % 3; column > 1; --column) {
        flick(pad, SDL_HAT_RIGHT);
    }
    ASSERT_EQ(run.grid().cursor(), target);
    const qint32 blue = level->pad()->testColour();
    pad.button(2, true);
    hub->poll();
    EXPECT_TRUE(level->rightLabel()->isVisible());
    EXPECT_EQ(run.score(), QStringLiteral("100"));
    EXPECT_NE(level->pad()->testColour(), blue);

    // While the right answer shows nothing acts, but the test square still answers the button.
    pad.button(2, false);
    pad.axis(0, kFullRight);
    hub->poll();
    pad.button(0, true);
    hub->poll();
    EXPECT_EQ(run.grid().cursor(), target);
    EXPECT_EQ(run.score(), QStringLiteral("100"));
    EXPECT_EQ(level->pad()->testColour(), blue);
}

TEST_F(PadPlayTest, anUnpluggedPadIsTakenBackAndNoReleasesIt) {
    auto pad = std::make_unique<VirtualPad>();
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    LevelWindow* level = flow->level();
    OptionPanel* panel = level->optionPanel();
    QTest::mouseClick(level->optionLabel(), Qt::LeftButton);
    choosePad(panel, 0);
    const PadControls& controls = panel->pad(0);
    hub->poll();

    pad->unplug();
    hub->poll();
    ASSERT_NE(level->pad()->device(), nullptr);
    EXPECT_FALSE(level->pad()->device()->attached());
    // The list says there is no pad, and the choice stays "yes" for when it comes back.
    ASSERT_EQ(controls.devices->count(), 1);
    EXPECT_EQ(controls.devices->item(0)->flags(), Qt::NoItemFlags);
    EXPECT_TRUE(controls.yes->isChecked());

    pad = std::make_unique<VirtualPad>();
    hub->poll();
    EXPECT_TRUE(level->pad()->device()->attached());
    EXPECT_EQ(controls.devices->currentRow(), 0);
    // Its button reaches the test square again.
    const qint32 before = level->pad()->testColour();
    pad->button(1, true);
    hub->poll();
    EXPECT_NE(level->pad()->testColour(), before);

    QTest::mouseClick(controls.no, Qt::LeftButton);
    EXPECT_EQ(level->pad()->device(), nullptr);
    EXPECT_FALSE(controls.devices->isEnabled());
    pad->button(1, false);
    hub->poll();
    EXPECT_NE(level->pad()->testColour(), before);
}

TEST_F(PadPlayTest, twoPlayersEachPlayWithTheirOwnPad) {
    VirtualPad first;
    VirtualPad second;
    flow->menu()->nameBox(2)->setText(QStringLiteral("Ana"));
    flow->menu()->nameBox(3)->setText(QStringLiteral("Bob"));
    QTest::mouseClick(menuLabel("Label15b"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    OptionPanel* panel = game->optionPanel();
    QTest::mouseClick(game->optionLabel(), Qt::LeftButton);
    choosePad(panel, 0);
    choosePad(panel, 1);
    // Both lists start on the first pad; player 2 takes the second.
    panel->pad(1).devices->setCurrentRow(1);
    ASSERT_NE(game->pad(1)->device(), nullptr);
    EXPECT_EQ(game->pad(1)->device()->axisMaximum(), kSecondPadMaximum);
    EXPECT_EQ(game->pad(0)->device()->axisMaximum(), kFirstPadMaximum);
    hub->poll();
    QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);

    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    GameRun& run = game->run();
    // Player 2's stick right moves only his cursor, from the centre to cell 8.
    second.axis(0, kFullRight);
    hub->poll();
    EXPECT_EQ(run.cursorB().cell(), 8);
    EXPECT_EQ(run.cursor().cell(), kListenCell);
    EXPECT_EQ(panel->pad(1).axes->item(0)->text(), QStringLiteral("X: 10000"));
    second.axis(0, 0);
    first.hat(SDL_HAT_UP);
    hub->poll();
    EXPECT_EQ(run.cursor().cell(), 5); // the cell above the centre

    // Player 2 answers with a button: right or wrong, it is his score that moves.
    const bool right = run.questions().isRight(8);
    second.button(0, true);
    hub->poll();
    EXPECT_EQ(run.scoreB(), right ? 100 + run.bonus().points() : -100);
    EXPECT_EQ(run.score(), 0);

    // Two pads of one make bear one name: a pad plugged in keeps each list on its own pad.
    VirtualPad third;
    hub->poll();
    EXPECT_EQ(panel->pad(0).devices->currentRow(), 0);
    EXPECT_EQ(panel->pad(1).devices->currentRow(), 1);
}

} // namespace
