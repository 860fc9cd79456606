// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Series.h"
#include "common/Random.h"

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace pulsadrome::catalogue {

inline constexpr int kGameRhythmCount = 14;
using Drawn = std::array<int, kGameRhythmCount>;

struct GameEntry {
    QString menuLabel; // Label15a ... Label46b, LabelB1 ... LabelB6, LabelT1 ... LabelT6
    QString caption;   // what the menu label shows: "1" ... "8"
    int players;       // 1 or 2
    Series series;
    int poolFirst;  // first rhythm of the pool
    int poolCount;  // rhythms in the pool: the pool is poolFirst ... poolFirst + poolCount - 1
    QString code;   // written into Label_NN: "score1" ... "score14", or "1", "2", "3"
    int scoreTable; // 1 ... 14 for one-player games (Score<N>.kdt), 0 for two-player games
};

// The 28 game entries: main series one-player games in score-table order, their two-player
// twins, then the minim-beat and compound-time games.
const std::vector<GameEntry>& games();
const GameEntry* findGameByLabel(QStringView menuLabel);

// A pool's rhythms by sound: each group holds the rhythms that sound alike (in pool order), the
// groups stand in the order of their first rhythm.
using SoundGroups = std::vector<std::vector<int>>;
SoundGroups soundGroups(int poolFirst, int poolCount);

// The 14 rhythms of a game, in slot order, all distinct and no two sounding alike: 14 of the
// groups, each group as likely as any other in every slot, and one rhythm of each, as likely as
// its twin. Two pictures that look and sound the same would leave the child guessing which one
// the game wants. When the pool holds fewer than 14 groups, every group is drawn once and the
// slots left take other rhythms of the pool, uniformly, so that as few twins as possible meet;
// the order of the 14 is then uniform. Requires at least 14 rhythms in all.
Drawn drawGame(Random& random, const SoundGroups& groups);

// Calcul_niveau1 ... Calcul_niveau14: drawGame over the pool poolFirst ... poolFirst + poolCount
// - 1. Requires poolCount >= 14.
Drawn Calcul_niveau(Random& random, int poolFirst, int poolCount);

} // namespace pulsadrome::catalogue
