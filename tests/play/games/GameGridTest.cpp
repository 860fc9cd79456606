// SPDX-License-Identifier: GPL-3.0-or-later
// The games grid's cursor moves, the keys that drive them, and which answer counts as right.
#include "play/games/GameGrid.h"

#include "GameTestSupport.h"
#include "catalogue/RhythmCatalogue.h"
#include "play/games/GameKeys.h"
#include "play/games/GameQuestions.h"

#include <gmock/gmock.h>

#include <map>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;

namespace {

// The grid as the child sees it; L is the listen-again cell.
constexpr const char* kGrid[] = {
    " 1  2  3", " 4  5  6", " 7  L  8", " 9 10 11", "12 13 14",
};

std::map<std::pair<int, int>, int> cellsByPlace() {
    std::map<std::pair<int, int>, int> cells;
    for (int row = 0; row < 5; ++row) {
        const QStringList names = QString::fromLatin1(kGrid[row]).simplified().split(u' ');
        for (int column = 0; column < 3; ++column) {
            const QString& name = names[column];
            cells[{row, column}] = name == u"L" ? kListenCell : name.toInt();
        }
    }
    return cells;
}

TEST(GameGrid, everyMoveGoesToTheNeighbourAndStopsAtTheEdgeForBothPlayers) {
    const auto cells = cellsByPlace();
    const std::pair<CursorMove, std::pair<int, int>> moves[] = {
        {CursorMove::Right, {0, 1}},
        {CursorMove::Left, {0, -1}},
        {CursorMove::Up, {-1, 0}},
        {CursorMove::Down, {1, 0}},
    };
    for (const auto& [place, cell] : cells) {
        for (const auto& [move, step] : moves) {
            const std::pair<int, int> next{place.first + step.first, place.second + step.second};
            const int expected = cells.count(next) ? cells.at(next) : cell;
            for (const auto colour :
                 {catalogue::FrameColour::Red, catalogue::FrameColour::LightBlue}) {
                GameCursor cursor(colour);
                cursor.place(cell);
                cursor.move(move);
                EXPECT_EQ(cursor.cell(), expected)
                    << "from " << cell << ", move " << static_cast<int>(move);
            }
        }
    }
}

struct KeyCase {
    int qtKey;
    bool keypad;
    int code;
};

TEST(GameKeys, theNumericPadDrivesPlayerTwoWhateverTheNumLockState) {
    const KeyCase cases[] = {
        {Qt::Key_0, true, KeyPad0},       {Qt::Key_Insert, true, KeyPad0},
        {Qt::Key_1, true, KeyPad1},       {Qt::Key_End, true, KeyPad1},
        {Qt::Key_2, true, KeyPad2},       {Qt::Key_Down, true, KeyPad2},
        {Qt::Key_3, true, KeyPad3},       {Qt::Key_PageDown, true, KeyPad3},
        {Qt::Key_5, true, KeyPad5},       {Qt::Key_Clear, true, KeyPad5},
        {Qt::Key_4, true, 100},           {Qt::Key_Left, true, 100},
        {Qt::Key_Up, true, 104},          {Qt::Key_Enter, true, 0},
        {Qt::Key_Left, false, KeyLeft},   {Qt::Key_Up, false, KeyUp},
        {Qt::Key_Right, false, KeyRight}, {Qt::Key_Down, false, KeyDown},
        {Qt::Key_Space, false, KeySpace}, {Qt::Key_0, false, 0},
        {Qt::Key_Insert, false, 0},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(gameKeyCode(c.qtKey, c.keypad ? Qt::KeypadModifier : Qt::NoModifier), c.code)
            << "Qt key " << std::hex << c.qtKey << (c.keypad ? " on the pad" : "");
    }
}

TEST(GameAnswers, aRhythmWrittenLikeTheAskedOneIsRight) {
    const catalogue::RhythmCatalogue& rhythms = catalogue::rhythmCatalogue();
    ASSERT_TRUE(rhythms.ok());
    // The first stage repeats bars: each of these sounds like an earlier rhythm of 1 ... 40.
    std::map<int, int> twinOf;
    for (const int n : {12, 30, 33, 35, 36, 38, 39, 40}) {
        for (int m = 1; m < n && !twinOf.count(n); ++m) {
            if (rhythms.find(m)->text == rhythms.find(n)->text) {
                twinOf[n] = m;
            }
        }
        ASSERT_TRUE(twinOf.count(n)) << "rhythm " << n << " has no earlier twin";
        EXPECT_TRUE(soundsLikeAsked(n, twinOf[n]));
        EXPECT_TRUE(soundsLikeAsked(twinOf[n], n));
    }
    EXPECT_TRUE(soundsLikeAsked(7, 7));
    EXPECT_FALSE(soundsLikeAsked(1, 2));
    EXPECT_FALSE(soundsLikeAsked(0, 561)) << "numbers outside the catalogue are never alike";

    // In a game whose pool holds 12 and its twin, either cell answers either question.
    catalogue::Drawn pool = numberedPool();
    // Cell 9, asked first from entry 2, holds the twin; cell 11 holds 12.
    pool[8] = twinOf.at(12);
    pool[10] = 12;
    GameFixture game("Label15a", pool);
    game.start(2);
    ASSERT_EQ(game.asked(), 9);
    game.walkTo(11);
    game.run.ValidateAnswer();
    EXPECT_TRUE(game.run.rightShown());
    EXPECT_EQ(game.run.score(), 100);
}

} // namespace
