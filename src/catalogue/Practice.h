// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Levels.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace pulsadrome::catalogue {

// The level a child practises the rhythms it mixes up with. It is played on the level screen
// under the usual rules (the full grid, the 32 questions, 1000 points), under a code of its own
// that no menu label carries and no progress rule knows, so that its verdict writes nothing:
// "practice1" in the main series, "practice2" in the minim-beat series, "practice3" in compound
// time (the numbers of the two-player games of those series).
inline constexpr std::array<Series, 3> kPracticeSeries{Series::Main, Series::MinimBeat,
                                                       Series::Compound};
QString practiceCode(Series series);
// The series of a practice code, compared as exact text; none for any other code.
std::optional<Series> seriesOfPracticeCode(QStringView code);

// The practice level of `confused` (the rhythms most mixed up, worst first): eight rhythms of
// the series of the first one, in that order, each once and no two sounding alike, so that
// every cell is told apart by ear as in any level. When fewer than eight remain, the other
// rhythms of the levels they come from (the first rhythm's level first) fill the grid. None
// when `confused` holds no rhythm.
std::optional<Level> practiceLevel(const std::vector<int>& confused);

} // namespace pulsadrome::catalogue
