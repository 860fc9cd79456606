// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace pulsadrome::play {

// One entry of a high-score file once unscrambled: the name as stored (padded or not) and the
// score.
struct ScoreEntry {
    QString name;
    qint32 score = 0;
};

// What a high-score file holds.
struct ScoreFileContents {
    enum class State {
        Missing,    // no such file
        Sound,      // exactly the expected number of entries, every line read
        Damaged,    // something could not be read; `entries` holds what could
        Unreadable, // the file exists but cannot be opened
    };
    State state = State::Missing;
    std::vector<ScoreEntry> entries; // in file order
    QString problem;                 // Damaged, Unreadable: what is wrong ("line 4 has no score")
};

// A stored line longer than this was not written by the program: a padded 40-letter name, its
// separator and a score fit many times over.
inline constexpr int kMaxScoreLineLength = 256;

// Reads a table of `listCount` lines (CR LF or LF line ends) split at `separator`. A line is
// read when it is Windows-1252 text of at most kMaxScoreLineLength characters, all of them
// in the scramble alphabet, and its plain form holds the separator followed by a whole 32-bit
// score. Empty lines after the last entry are allowed.
ScoreFileContents readScoreFile(const QString& path, int listCount, const QString& separator);

// `entry` as a table stores it behind `separator`: the name in the characters a table holds
// (storableName), without the separator, and cut so that its line stays within
// kMaxScoreLineLength; the score unchanged.
ScoreEntry storableEntry(const ScoreEntry& entry, const QString& separator);

// Writes the storable form of `entries` as lines "name<separator>score", each scrambled and ended
// by CR LF, atomically. Every line is read back before the file is written: a table that
// readScoreFile would not take in full is never written. Empty when it went well, otherwise a
// sentence naming the file.
QString writeScoreFile(const QString& path, const std::vector<ScoreEntry>& entries,
                       const QString& separator);

// Renames the file to "<path>.damaged-YYYYMMDD-HHMMSS" (a free name). The new path, or an empty
// string when the file could not be renamed.
QString setAsideDamagedFile(const QString& path);

} // namespace pulsadrome::play
