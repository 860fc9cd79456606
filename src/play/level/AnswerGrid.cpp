// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/AnswerGrid.h"

#include <array>

namespace pulsadrome::play {

namespace {

constexpr std::array<CursorStep, 6> kRight{{{1, 2}, {2, 3}, {4, 5}, {5, 6}, {7, 8}, {8, 9}}};
constexpr std::array<CursorStep, 6> kLeft{{{9, 8}, {8, 7}, {6, 5}, {5, 4}, {3, 2}, {2, 1}}};
constexpr std::array<CursorStep, 6> kDown{{{1, 4}, {4, 7}, {2, 5}, {5, 8}, {3, 6}, {6, 9}}};
constexpr std::array<CursorStep, 6> kUp{
    {{7, 4}, {4, 1, true}, {8, 5}, {5, 2, true}, {9, 6}, {6, 3, true}}};

// Answer numbers of cells 1 ... 9; 0 for none (the centre cell replays instead).
constexpr std::array<int, 9> kOrdinaryAnswers{1, 2, 3, 4, 0, 5, 6, 7, 8};
constexpr std::array<int, 9> kStarterBAnswers{0, 0, 0, 4, 0, 5, 1, 2, 3};
constexpr std::array<int, 9> kStarterAAnswers{0, 0, 0, 0, 0, 0, 6, 7, 8};

} // namespace

std::optional<int> cursorTarget(int cursor, std::span<const CursorStep> steps, bool barredBlocked) {
    for (const CursorStep& step : steps) {
        if (step.from == cursor) {
            if (step.barred && barredBlocked) {
                return std::nullopt;
            }
            return step.to;
        }
    }
    return std::nullopt;
}

std::span<const CursorStep> AnswerGrid::steps(CursorMove move) {
    switch (move) {
    case CursorMove::Right:
        return kRight;
    case CursorMove::Left:
        return kLeft;
    case CursorMove::Down:
        return kDown;
    case CursorMove::Up:
        break;
    }
    return kUp;
}

catalogue::FrameColour AnswerGrid::frameColour(int cell) const {
    return cell == cursor_ ? catalogue::FrameColour::Red : catalogue::FrameColour::White;
}

void AnswerGrid::place(int cell) {
    cursor_ = cell;
}

bool AnswerGrid::move(CursorMove move, GridKind kind) {
    const auto target = cursorTarget(cursor_, steps(move), kind != GridKind::Ordinary);
    if (!target) {
        return false;
    }
    cursor_ = *target;
    return true;
}

std::optional<int> answerNumberOf(int cell, GridKind kind) {
    if (cell < 1 || cell > AnswerGrid::kCellCount) {
        return std::nullopt;
    }
    const auto& answers = kind == GridKind::StarterA   ? kStarterAAnswers
                          : kind == GridKind::StarterB ? kStarterBAnswers
                                                       : kOrdinaryAnswers;
    const int answer = answers[static_cast<std::size_t>(cell - 1)];
    if (answer == 0) {
        return std::nullopt;
    }
    return answer;
}

} // namespace pulsadrome::play
