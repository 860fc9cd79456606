// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <array>

namespace pulsadrome::play {

// What a level code selects for the questions and the grid: the two starter levels have their
// own question tables and fewer answer cells; every other code, even an unknown one, is ordinary.
enum class GridKind { Ordinary, StarterA, StarterB };

// "1a" and "1b" exactly; anything else is Ordinary.
GridKind gridKindOf(QStringView levelCode);

inline constexpr int kQuestionCount = 32;

// The level's 32 answer numbers, walked cyclically from a random start. Entry i of the level's
// order is QuestionOrder(kind)[i - 1], 1 <= i <= 32.
const std::array<int, kQuestionCount>& QuestionOrder(GridKind kind);

} // namespace pulsadrome::play
