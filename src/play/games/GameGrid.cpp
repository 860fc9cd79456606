// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameGrid.h"

#include <array>

namespace pulsadrome::play {

namespace {

constexpr int L = kListenCell;

constexpr std::array<CursorStep, 10> kRight = {
    {{1, 2}, {2, 3}, {4, 5}, {5, 6}, {7, L}, {L, 8}, {9, 10}, {10, 11}, {12, 13}, {13, 14}}};
constexpr std::array<CursorStep, 10> kLeft = {
    {{3, 2}, {2, 1}, {6, 5}, {5, 4}, {8, L}, {L, 7}, {11, 10}, {10, 9}, {14, 13}, {13, 12}}};
constexpr std::array<CursorStep, 12> kUp = {{{12, 9},
                                             {9, 7},
                                             {7, 4},
                                             {4, 1},
                                             {13, 10},
                                             {10, L},
                                             {L, 5},
                                             {5, 2},
                                             {14, 11},
                                             {11, 8},
                                             {8, 6},
                                             {6, 3}}};
constexpr std::array<CursorStep, 12> kDown = {{{1, 4},
                                               {4, 7},
                                               {7, 9},
                                               {9, 12},
                                               {2, 5},
                                               {5, L},
                                               {L, 10},
                                               {10, 13},
                                               {3, 6},
                                               {6, 8},
                                               {8, 11},
                                               {11, 14}}};

} // namespace

std::span<const CursorStep> gameSteps(CursorMove move) {
    switch (move) {
    case CursorMove::Right:
        return kRight;
    case CursorMove::Left:
        return kLeft;
    case CursorMove::Up:
        return kUp;
    case CursorMove::Down:
        break;
    }
    return kDown;
}

void GameCursor::move(CursorMove move) {
    if (const auto target = cursorTarget(cell_, gameSteps(move), false)) {
        cell_ = *target;
    }
}

} // namespace pulsadrome::play
