// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MenuHolders.h"
#include "play/level/AnswerGrid.h"

#include <span>

namespace pulsadrome::play {

// The games grid: answer cells 1 ... 14 (Shape1 ... Shape14, player 2's Shape1B ... Shape14B)
// in five rows of three, row by row, around the listen-again cell (Shape_ecoute, Shape_ecouteB):
//
//     1   2   3
//     4   5   6
//     7   L   8
//     9  10  11
//    12  13  14
inline constexpr int kListenCell = 0;
inline constexpr int kGameCellCount = 14;

// The games grid's step tables, in their test order. No step is barred and none wraps.
std::span<const CursorStep> gameSteps(CursorMove move);

// One player's cursor on the games grid: the one frame of the player's colour (red for player 1,
// light blue for player 2), every other frame white.
class GameCursor {
public:
    explicit GameCursor(catalogue::FrameColour colour) : colour_(colour) {}

    int cell() const { return cell_; } // kListenCell or 1 ... 14
    catalogue::FrameColour frameColour(int cell) const {
        return cell == cell_ ? colour_ : catalogue::FrameColour::White;
    }

    void place(int cell) { cell_ = cell; } // kListenCell or 1 ... 14
    void move(CursorMove move);

private:
    catalogue::FrameColour colour_;
    int cell_ = kListenCell;
};

} // namespace pulsadrome::play
