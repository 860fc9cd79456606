// SPDX-License-Identifier: GPL-3.0-or-later
// The written form of a rhythm and its one parser, shared by the engraver, the sound engine and
// the catalogue checks.
//
// Text form: "<meter> <tokens…>", e.g. "3/4 4 8 8 r4".
//   meter    2/4 3/4 4/4 6/8 2/2 3/2 4/2
//   note     0 breve, 1 semibreve, 2 minim, 4 crotchet, 8 quaver, 16 semiquaver; a "." after
//            the value dots it ("4.", "8.", "1.")
//   rest     "r" before the value ("r4", "r8.")
//   tie      "~" right after a note joins it to the next note ("4~8", "4~ 8"); a tie may cross
//            a bar line and a tuplet's edge, never reach a rest
//   tuplet   "3(8 8 8)" three in the time of two, "3(4 4 4)", "2(8 8)" two in the time of three;
//            tuplets do not nest
// Tokens are separated by blanks (a tie may glue two notes). The notes must fill whole bars and
// no written note or rest may cross a bar line. A rhythm lasts kMaxBars bars at most: the notes
// beyond are refused at the first one, so no text, however long, makes the times overflow.
// A catalogue line puts the rhythm number first: "57 3/4 4 8 8 r4".
//
// Usage:
//   const RhythmParse parsed = parseRhythm(u"3/4 4 8 8 r4");
//   if (!parsed.ok()) { log(parsed.error.message()); return; }
//   for (const Event& e : parsed.rhythm->events) { … e.start, e.length, e.onset … }
#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace pulsadrome::catalogue {

// Music time: ticks per quarter note (a crotchet).
inline constexpr int kTicksPerQuarter = 768;

// The longest rhythm, in bars: far beyond the catalogue's (one or two bars), and short enough
// that every time of its sound, count-in and held notes included, stays well inside an int.
inline constexpr int kMaxBars = 32;

// A time signature. The beat is what the count-in clicks: the crotchet in x/4, the minim in x/2,
// the dotted crotchet in 6/8 (two beats a bar).
struct Meter {
    int numerator = 4;   // 2, 3, 4 or 6
    int denominator = 4; // 2, 4 or 8

    int barTicks() const { return numerator * 4 * kTicksPerQuarter / denominator; }
    bool isCompound() const { return denominator == 8; }
    int beatTicks() const {
        return isCompound() ? 3 * kTicksPerQuarter / 2 : barTicks() / numerator;
    }
    int beatsPerBar() const { return barTicks() / beatTicks(); }
    QString text() const { return QStringLiteral("%1/%2").arg(numerator).arg(denominator); }

    friend bool operator==(const Meter&, const Meter&) = default;
};

// A tuplet group: `count` notes in the time of `inTimeOf` (3 in 2 for "3(…)", 2 in 3 for "2(…)").
struct Tuplet {
    int count = 3;
    int inTimeOf = 2;
    int firstEvent = 0; // index into Rhythm::events of the group's first note or rest
    int eventCount = 0; // notes and rests inside the parentheses, >= 1
};

// One written note or rest: what the text says (for engraving) and when it sounds.
struct Event {
    // As written.
    bool rest = false;
    int value = 4;       // 0 breve, 1, 2, 4, 8, 16
    bool dotted = false; // one dot at most
    bool tied = false;   // a "~" joins this note to the next one (never on a rest)
    int tuplet = -1;     // index into Rhythm::tuplets, or -1 outside any tuplet
    int column = 0;      // 1-based column of the token in the parsed text

    // In time, from the start of the first bar.
    int start = 0;  // ticks
    int length = 0; // ticks as played, the tuplet ratio applied
    // A sounding note starts here: a note that is not the continuation of a tie.
    bool onset = false;
    // For an onset, the length through all the notes tied to it; 0 otherwise.
    int heldLength = 0;
};

struct Rhythm {
    Meter meter;
    std::vector<Event> events; // in written order, one per note or rest
    std::vector<Tuplet> tuplets;
    int bars = 1; // whole bars filled, 1 ... kMaxBars

    int barTicks() const { return meter.barTicks(); }
    int totalTicks() const { return bars * barTicks(); }
    // The ticks at which sounding notes start, ascending.
    std::vector<int> onsets() const;
};

// What is wrong, where: the token as written and its 1-based column in the parsed text. An
// error found at the end of the text (an unfinished bar) names no token and the column after
// the last character.
struct ParseError {
    int column = 0;
    QString token;
    QString reason;

    // "column 9, token "4x": not a note or a rest"
    QString message() const;
};

struct RhythmParse {
    std::optional<Rhythm> rhythm;
    ParseError error; // meaningful only when rhythm is empty

    bool ok() const { return rhythm.has_value(); }
};

// "<meter> <tokens…>". Columns in errors count from the start of `text`.
RhythmParse parseRhythm(QStringView text);

struct CatalogueLineParse {
    int number = 0;
    std::optional<Rhythm> rhythm;
    ParseError error; // meaningful only when rhythm is empty

    bool ok() const { return rhythm.has_value(); }
};

// "<number> <meter> <tokens…>", the number a positive decimal. Columns count from the start of
// `line`.
CatalogueLineParse parseCatalogueLine(QStringView line);

} // namespace pulsadrome::catalogue
