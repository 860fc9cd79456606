// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/AnswerRecord.h"
#include "answers/Confusions.h"
#include "catalogue/Levels.h"
#include "catalogue/Progress.h"

#include <QDate>
#include <QTimeZone>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace pulsadrome::answers {

// One level of a series as a child stands with it.
struct LevelProgress {
    const catalogue::Level* level = nullptr;
    // Passed when the menu's progress rule opens the level after it; the last level of a series
    // opens nothing, so its pass is never known.
    bool passed = false;
    // When it was passed, as the answer log tells: the last answer in the level before the first
    // answer in a later level of the series (the later ones open only after this one is
    // passed), or, when no later level was played yet, its last answer. None for a level passed
    // before the log kept its answers.
    std::optional<qint64> passedUtc;
    int answers = 0;
    int right = 0;

    bool operator==(const LevelProgress&) const = default;
};

struct SeriesProgress {
    catalogue::Series series = catalogue::Series::Main;
    // The levels passed or played, in series order.
    std::vector<LevelProgress> levels;
    int passedCount = 0;
};

// The answers of one ISO week (Monday to Sunday) of the time zone the child plays in.
struct WeekAccuracy {
    int year = 0; // the ISO week's year, which may differ from its Monday's near New Year
    int week = 0; // 1 ... 53
    QDate monday;
    int answers = 0;
    int right = 0;

    bool operator==(const WeekAccuracy&) const = default;
};

struct ChildProgress {
    // The main series, then the minim-beat series, then compound time, as the menu shows them.
    std::vector<SeriesProgress> series;
    ChildSummary summary;
    // Every week from the first answer's to the last's, the weeks without an answer included.
    std::vector<WeekAccuracy> weeks;
};

// The weeks of `records`, read in `zone`.
std::vector<WeekAccuracy> weeklyAccuracy(const std::vector<AnswerRecord>& records,
                                         const QTimeZone& zone);

// What the Progress screen and the report show of one child: `progress` as stored in the
// child's record, `records` the child's answers in any order.
ChildProgress childProgress(const catalogue::ProgressFields& progress,
                            const std::vector<AnswerRecord>& records, const QTimeZone& zone);

} // namespace pulsadrome::answers
