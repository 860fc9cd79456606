// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MenuHolders.h"
#include "play/level/QuestionOrder.h"

#include <optional>
#include <span>

namespace pulsadrome::play {

// One step of a cursor move: a cursor standing on cell `from` goes to cell `to`. A barred step
// does nothing where the grid's top row is not in use.
struct CursorStep {
    int from;
    int to;
    bool barred = false;
};

// Where a cursor on `cursor` goes: the first step of `steps` (their test order) whose `from` is
// the cursor decides; no such step means the cursor is on the edge and stays. Any grid's moves
// work this way, whatever its cell numbering.
std::optional<int> cursorTarget(int cursor, std::span<const CursorStep> steps, bool barredBlocked);

enum class CursorMove { Right, Left, Up, Down };

// The level grid: cells 1 ... 9 (Shape1 ... Shape9), three rows of three, row by row; the centre
// cell 5 replays the question. The cursor is the one cell framed red; every other is white.
class AnswerGrid {
public:
    static constexpr int kCellCount = 9;
    static constexpr int kReplayCell = 5;

    // The level grid's step tables, in their test order.
    static std::span<const CursorStep> steps(CursorMove move);

    int cursor() const { return cursor_; } // 1 <= cursor <= 9
    catalogue::FrameColour frameColour(int cell) const;

    // Cursor on `cell`, every other frame white. 1 <= cell <= 9.
    void place(int cell);
    void centre() { place(kReplayCell); }

    // The starter levels keep the cursor off the top row. False when the cursor stays.
    bool move(CursorMove move, GridKind kind);

private:
    int cursor_ = kReplayCell;
};

// What confirming `cell` answers in a grid of `kind`: answer number 1 ... 8, or none for the
// replay cell and for the cells a starter level leaves without a rhythm.
std::optional<int> answerNumberOf(int cell, GridKind kind);

} // namespace pulsadrome::play
