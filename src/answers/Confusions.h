// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/AnswerRecord.h"

#include <QtGlobal>

#include <map>
#include <utility>
#include <vector>

namespace pulsadrome::answers {

// How many times each rhythm heard (first) was answered with each rhythm chosen (second), right
// answers included.
using AnswerCounts = std::map<std::pair<int, int>, int>;

// Two rhythms a child takes one for the other, in either direction: first < second.
struct ConfusedPair {
    int first = 0;
    int second = 0;
    int firstTakenForSecond = 0; // heard `first`, chose `second`
    int secondTakenForFirst = 0; // heard `second`, chose `first`

    int total() const { return firstTakenForSecond + secondTakenForFirst; }
    bool operator==(const ConfusedPair&) const = default;
};

// The answers given in one level or game.
struct ActivityAccuracy {
    Activity activity;
    int answers = 0;
    int right = 0;

    bool operator==(const ActivityAccuracy&) const = default;
};

struct ChildSummary {
    AnswerCounts counts;
    // The pairs most often confused, most first; equal totals by first, then second rhythm.
    std::vector<ConfusedPair> confusedPairs;
    // In activity order (the levels in catalogue order, then the games); activities the
    // catalogue does not know last, by code.
    std::vector<ActivityAccuracy> accuracy;
    qint64 playedSeconds = 0;
};

inline constexpr int kConfusedPairsShown = 10;
// Two answers further apart than this, or in different activities, belong to different sittings:
// the time between them is not play.
inline constexpr qint64 kPauseSeconds = 120;

// What a child's answers tell, `records` being that child's, in any order.
//
// A confusion is a wrong answer: the verdict is the screen's own, so a game that takes a rhythm
// sounding like the one asked as right (the pool may hold both twins) confuses nothing, and a
// level, whose eight rhythms never sound alike, judges by the cell.
//
// The time played adds, within a sitting, the time from one answer to the next, and for the
// first answer of a sitting its time to answer.
ChildSummary summarise(const std::vector<AnswerRecord>& records,
                       int pairsShown = kConfusedPairsShown);

} // namespace pulsadrome::answers
