// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"

#include <QtGlobal>

#include <cstdint>
#include <vector>

namespace pulsadrome::app {

// What a demonstration history did.
struct DemoHistoryOutcome {
    StoreStatus status;
    int answers = 0;
    int sittings = 0;
    qint64 lastUtc = 0; // the time of the last answer
};

// How far a demonstration child gets: the levels passed in each series (the main series counts
// "1a" and "1b"), and how sure of the rhythms the child is in the first week, in per cent.
struct DemoPace {
    int mainPassed = 8;
    int minimPassed = 2;
    int compoundPassed = 1;
    int firstSureness = 70;
};

// Gives the current player of `store` some weeks of play, as a child would have given them,
// through the answer log as the level screen feeds it (a question played, then its answers,
// the run written when it ends): from `startUtc`, about three sittings a week of sixteen
// questions, the level played again until one sitting has four right answers in five, then the
// next level: by default in the main series up to level 7 open, the minim-beat series up to 3
// and compound time up to 2, then three sittings of the main series' next level. The child
// grows surer week by week and mostly takes a rhythm for its neighbour of the level, so that a
// few pairs stand out. The progress reached is stored in the record. Everything follows from
// `seed`: the same seed, the same history. For the tour and the tests.
DemoHistoryOutcome playDemoHistory(PlayerStore& store, qint64 startUtc, std::uint64_t seed,
                                   const DemoPace& pace = {});

// A class of eight for the teacher's table: Lina (the default pace), Tom (with a password),
// Zoé (who has not played yet) and five more, each with a history of a pace of their own from
// about `startUtc`, added to `store`. The store then stands on Lina. Their rows, in that order.
StoreResult<std::vector<RowId>> playDemoClass(PlayerStore& store, qint64 startUtc);

} // namespace pulsadrome::app
