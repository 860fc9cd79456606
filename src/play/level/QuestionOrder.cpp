// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/QuestionOrder.h"

#include <QLatin1String>

namespace pulsadrome::play {

namespace {

// Ordinary: each answer four times. "1b": answers 1 ... 5 only. "1a": the bottom row 6, 7, 8.
constexpr std::array<int, kQuestionCount> kOrdinary{1, 3, 6, 4, 8, 2, 5, 7, 8, 2, 3, 6, 1, 7, 4, 5,
                                                    3, 6, 1, 4, 5, 8, 7, 2, 1, 3, 8, 2, 6, 5, 4, 7};
constexpr std::array<int, kQuestionCount> kStarterB{1, 3, 4, 2, 5, 2, 3, 1, 4, 5, 3, 1, 4, 5, 2, 1,
                                                    3, 2, 5, 4, 1, 4, 5, 3, 1, 4, 5, 2, 1, 3, 2, 5};
constexpr std::array<int, kQuestionCount> kStarterA{6, 7, 8, 6, 7, 8, 6, 7, 8, 6, 7, 8, 6, 7, 8, 6,
                                                    7, 8, 6, 7, 8, 6, 7, 8, 6, 7, 8, 6, 7, 8, 6, 7};

} // namespace

GridKind gridKindOf(QStringView levelCode) {
    if (levelCode == QLatin1String("1a")) {
        return GridKind::StarterA;
    }
    if (levelCode == QLatin1String("1b")) {
        return GridKind::StarterB;
    }
    return GridKind::Ordinary;
}

const std::array<int, kQuestionCount>& QuestionOrder(GridKind kind) {
    switch (kind) {
    case GridKind::StarterA:
        return kStarterA;
    case GridKind::StarterB:
        return kStarterB;
    case GridKind::Ordinary:
        break;
    }
    return kOrdinary;
}

} // namespace pulsadrome::play
