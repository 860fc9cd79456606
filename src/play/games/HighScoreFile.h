// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AtomicFile.h"
#include "common/ReadFailure.h"
#include "i18n/CaptionTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace pulsadrome::play {

// One entry of a high-score file once unscrambled: the name as stored (padded or not) and the
// score.
struct ScoreEntry {
    QString name;
    qint32 score = 0;

    bool operator==(const ScoreEntry&) const = default;
};

// What is wrong with a high-score file, told in the interface's language by describe().
struct ScoreProblem {
    enum class Kind {
        None,
        LineTooLong,
        LineNotText, // not Windows-1252
        LineForeign, // characters outside the scramble alphabet
        LineNoSeparator,
        LineNoScore,
        FileTooLarge,
        LineCount,       // `line` lines instead of `expected`
        LineNotReadBack, // writing: line `line` would not read back
        ReadFailed,      // the file is there but cannot be read; `read` says why
        WriteFailed,     // the file cannot be written; `write` says why
    };
    Kind kind = Kind::None;
    int line = 0;
    int expected = 0;
    ReadOutcome read;
    WriteOutcome write;

    bool none() const { return kind == Kind::None; }
};

// The problem in the interface's language: what is damaged as a phrase to stand inside a
// sentence ("line 4 has no whole score"); a line that would not read back, a failed read or write
// as whole sentences ("The disk is full.").
QString describe(const ScoreProblem& problem, const i18n::CaptionTable& captions);
// The system's own words for a message's detail line, when describe() could say no plainer reason
// than "cannot be read" or "cannot be written"; empty otherwise.
QString systemWords(const ScoreProblem& problem);

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
    ScoreProblem problem;            // Damaged, Unreadable: what is wrong
};

// A stored line longer than this was not written by the program: a padded 40-letter name, its
// separator and a score fit many times over.
inline constexpr int kMaxScoreLineLength = 256;

// A table of 100 entries of the longest lines is far below this; a bigger file is read no
// further.
inline constexpr qint64 kMaxScoreFileBytes = 1 << 20;

// Reads a table of `listCount` lines (CR LF or LF line ends) split at `separator`. A line is
// read when it is Windows-1252 text of at most kMaxScoreLineLength characters, all of them
// in the scramble alphabet, and its plain form holds the separator followed by a whole 32-bit
// score. Empty lines after the last entry are allowed.
ScoreFileContents readScoreFile(const QString& path, int listCount, const QString& separator);

// readScoreFile on the file's bytes, read up to kMaxScoreFileBytes + 1 of them: the state is
// Sound or Damaged, never Missing or Unreadable.
ScoreFileContents readScoreBytes(const QByteArray& bytes, int listCount, const QString& separator);

// `entry` as a table stores it behind `separator`: the name in the characters a table holds
// (storableName), without the separator, and cut so that its line stays within
// kMaxScoreLineLength; the score unchanged.
ScoreEntry storableEntry(const ScoreEntry& entry, const QString& separator);

// The bytes writeScoreFile writes, or the line that would not read back.
struct ScoreFileBytes {
    QByteArray bytes;
    ScoreProblem problem;
};
ScoreFileBytes scoreFileBytes(const std::vector<ScoreEntry>& entries, const QString& separator);

// Writes the storable form of `entries` as lines "name<separator>score", each scrambled and ended
// by CR LF, atomically. Every line is read back before the file is written: a table that
// readScoreFile would not take in full is never written. None when it went well.
ScoreProblem writeScoreFile(const QString& path, const std::vector<ScoreEntry>& entries,
                            const QString& separator);

// Renames the file to "<path>.damaged-YYYYMMDD-HHMMSS" (a free name). The new path, or an empty
// string when the file could not be renamed.
QString setAsideDamagedFile(const QString& path);

} // namespace pulsadrome::play
