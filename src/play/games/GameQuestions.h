// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Games.h"
#include "common/Random.h"
#include "play/level/TempoGroups.h"

#include <QStringView>

#include <array>
#include <optional>

namespace pulsadrome::play {

// The fixed order of a game's questions: answer numbers 1 ... 14, each three times.
inline constexpr int kGameQuestionCount = 42;
inline constexpr std::array<int, kGameQuestionCount> GameQuestionOrder = {
    11, 9, 12, 3,  5, 10, 1, 8,  6,  13, 2, 14, 4, 7,  12, 6, 13, 7, 2, 14, 5,
    11, 3, 8,  10, 1, 9,  4, 12, 11, 13, 3, 10, 6, 14, 7,  2, 9,  4, 5, 1,  8};

// Whether a child who hears rhythm `asked` is right to choose rhythm `chosen`: the same rhythm,
// or one that sounds alike (catalogue::soundsAlike). A draw keeps such twins apart whenever the
// pool allows it, but a pool with fewer than fourteen sounds must hold both of a pair.
bool soundsLikeAsked(int chosen, int asked);

// The tempo group of a time signature ("44", "22", "68"), which a replay sends. Exact texts;
// none for any other.
std::optional<TempoGroup> tempoGroupOfMeter(QStringView meter);

// A game's pool and where it stands in GameQuestionOrder.
class GameQuestions {
public:
    // NB1 ... NB14: the rhythm of each cell.
    void setPool(const catalogue::Drawn& pool) { pool_ = pool; }
    int rhythmOf(int cell) const { return pool_[static_cast<std::size_t>(cell - 1)]; }

    int index() const { return index_; } // GameQuestionIndex: 1 ... 42, 0 before the first start
    int question() const { return question_; } // Label_question: 1 ... 14, 0 before the first

    // A start: one of the first 24 places, so that the first question is entry 2 ... 25.
    void drawStart(Random& random) { index_ = random.below(24) + 1; }
    // The next entry, entry 1 after entry 42. Returns the cell now asked.
    int advance();
    // The current entry again (a replay). Returns the cell asked, 0 before the first start.
    int repeat();

    // Whether confirming `cell` (1 ... 14) answers the question.
    bool isRight(int cell) const;

private:
    catalogue::Drawn pool_{};
    int index_ = 0;
    int question_ = 0;
};

} // namespace pulsadrome::play
