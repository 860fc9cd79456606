// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"

#include <QtGlobal>

#include <cstdint>

namespace pulsadrome::app {

// What a demonstration history did.
struct DemoHistoryOutcome {
    StoreStatus status;
    int answers = 0;
    int sittings = 0;
    qint64 lastUtc = 0; // the time of the last answer
};

// Gives the current player of `store` some weeks of play, as a child would have given them,
// through the answer log as the level screen feeds it (a question played, then its answers,
// the run written when it ends): from `startUtc`, about three sittings a week of sixteen
// questions, the level played again until one sitting has four right answers in five, then the
// next level, in the main series up to level 7 open, the minim-beat series up to 3 and compound
// time up to 2. The child grows surer week by week and mostly takes a rhythm for its neighbour
// of the level, so that a few pairs stand out. The progress reached is stored in the record.
// Everything follows from `seed`: the same seed, the same history. For the tour and the tests.
DemoHistoryOutcome playDemoHistory(PlayerStore& store, qint64 startUtc, std::uint64_t seed);

} // namespace pulsadrome::app
