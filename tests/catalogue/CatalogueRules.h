// SPDX-License-Identifier: GPL-3.0-or-later
// The musical rules the shipped catalogue is held to: what each stage of each series may use,
// how a bar is read beat by beat, whether its notation shows the beat, and how hard it is.
#pragma once

#include "catalogue/RhythmText.h"
#include "catalogue/Series.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace pulsadrome::catalogue::rules {

// What becomes allowed from rhythm `from` on; everything earlier in the series stays allowed.
struct Introduction {
    int from = 0;
    QStringList figures = {}; // beat groups, rests read as notes: "8 8", "4. 8", "3(8 8 8)"
    QStringList rests = {};   // rest values: "4", "2", "8", "4."
    QStringList meters = {};
    bool ties = false;
    bool leadingRest = false; // a bar may begin with a rest
};

// A stage ends where a game pool ends. The first level of a stage that brings something new
// uses it in at least half of its bars.
struct Stage {
    int first;
    int last;
};

struct SeriesRules {
    Series series;
    std::vector<Introduction> introductions;
    std::vector<Stage> stages;
};

const std::vector<SeriesRules>& seriesRules();
const SeriesRules& rulesOf(Series series);
const Introduction* introductionAt(const SeriesRules& rules, int rhythm);

// A bar cut where its time reaches a beat: a note longer than the beat, or a syncopation,
// makes one group of several beats.
struct BeatGroup {
    int firstEvent;
    int eventCount;
    QString figure; // the group's values with rests read as notes, without ties
};
std::vector<BeatGroup> beatGroups(const Rhythm& rhythm);

// Why rhythm `number` is not allowed at its place, or nothing.
std::optional<QString> forbiddenFigure(const Rhythm& rhythm, int number);

// Whether the bar uses something its stage brings (figure, rest value, tie, leading rest).
bool usesStageNovelty(const Rhythm& rhythm, const Introduction& introduction);

// Why the notation hides a beat, or nothing (see the definition for the accepted cases).
std::optional<QString> notationFault(const Rhythm& rhythm);

// How hard the bar is to take in by ear (see the definition).
double difficulty(const Rhythm& rhythm);

// Meter and (onset, held length) of every sounding note: what a listener hears.
using Sound = std::pair<QString, std::vector<std::pair<int, int>>>;
Sound soundOf(const Rhythm& rhythm);
// Meter and onsets: what a listener hears on a percussive instrument.
using OnsetPattern = std::pair<QString, std::vector<int>>;
OnsetPattern onsetPatternOf(const Rhythm& rhythm);

} // namespace pulsadrome::catalogue::rules
