// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace pulsadrome::play {

// How a level code turns the tempo setting into the tempo the engine gets. Codes are compared
// as exact texts ("07" is no level).
enum class TempoGroup {
    Crotchet,       // "1a", "1b", "1" ... "46": the setting as it is
    DottedCrotchet, // "101" ... "112": the setting x 3/2
    Minim,          // "201" ... "212": the setting x 2
};

// A practice level's code (catalogue/Practice.h) goes with its series.
std::optional<TempoGroup> tempoGroupOf(QStringView levelCode);

// The tempo sent for setting t (1 ... 300) in `group`. x 3/2 rounds a half to the even
// neighbour: 101 gives 152 (151.5), 103 gives 154 (154.5).
qint16 scaleTempo(TempoGroup group, int t);

// The tempo group of a game code ("score1" ... "score14", "1", "2", "3"): that of the game's
// series. Exact texts; none for any other.
std::optional<TempoGroup> tempoGroupOfGameCode(QStringView gameCode);

// Which codes a screen's Label_NN holds: level codes on the level screen, game codes on the
// games screen ("1" is a level and a game of another meaning).
enum class CodeKind { Level, Game };
std::optional<TempoGroup> tempoGroupOf(CodeKind kind, QStringView code);

// The motif that sounds the beat of `group`: 0 (rhythm 1) for crotchets, 368 (rhythm 369) for
// dotted crotchets, 464 (rhythm 465) for minims.
int beatMotif(TempoGroup group);

} // namespace pulsadrome::play
