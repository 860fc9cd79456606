// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/RhythmText.h"
#include "i18n/CaptionTable.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace pulsadrome::sound {

// An instrument set of the style: what the rhythms are played on.
struct Band {
    QString nameKey; // the caption row that names the band in the interface language
    bool percussion; // a General MIDI percussion key, or a melodic program
    int gm;          // percussion key 27 ... 87, or program 0 ... 127
    int pitch;       // the MIDI note every note of a rhythm is played on
    // How the band is balanced against the others: a gain on its notes (not on the clicks) in
    // tenths of a dB, and its attack and release times as General MIDI sound controllers 73 and
    // 72 (64 leaves the bank's own times, lower is shorter).
    int gainTenthsDb = 0;
    int attack = 64;
    int release = 64;
    // Sample points of the bank's sample that every note skips, so that an instrument whose
    // sample begins with a slow swell speaks at once.
    int start = 0;

    friend bool operator==(const Band&, const Band&) = default;
};

struct Motif {
    QString name;
    QString text; // the rhythm in its written form, meter first
    catalogue::Rhythm rhythm;
};

// The music style: bands and motifs, in style order. The program's own style holds the 44 bands
// (the band list shows them last first) and 561 motifs: the 560 rhythms, then the band-preview
// phrase.
//
// The style file ("rythme.sty") is UTF-8 text, a byte order mark allowed first, read whole; a
// file over kMaxStyleFileBytes is not read at all. Its rules:
//   lines     end with LF or CR LF. A line of spaces only is blank; a line whose first character
//             after its spaces is "#" is a comment, free text. Both are passed over.
//   words     every other line is words separated by one space or more, spaces allowed before
//             the first word and after the last. The space is the only separator: a tab, or any
//             other blank or control character, anywhere on such a line is refused.
//   band      "band <name key> percussion|melodic <gm number> <pitch>", five words, or eight
//             with "<gain> <attack> <release>" after them; the name key is the caption row that
//             names the band, the gm number (a percussion key or a melodic program) and the pitch
//             are decimals 0 ... 127; the gain is in tenths of a dB, -200 ... 200, the attack and
//             release sound controllers 0 ... 127. Five words mean 0 64 64. A ninth word is
//             the sample points every note skips at its start, 0 ... 65535; without it 0.
//   motif     "motif <name> <meter> <notes...>": the name is the second word, the rhythm is
//             everything from the third word on, in the rhythm text form (RhythmText.h: a
//             known meter, notes that fill whole bars, kMaxBars bars at most). A name that is a
//             piece of the word "motif" ("m", "ti", "if", "motif"…) is refused: it would read
//             as the keyword cut short. Motifs are used in file order (the sound engine keeps
//             the first 562); their names are only shown.
//   else      a line that starts with any other word is refused.
// The reader stops at the first refused line and says its line and column (1-based, counted in
// characters of the line as written, its spaces included). A style without a band or without a
// motif is read, but holds nothing to play: loadStyle passes it over.
//
// styleText writes a style in this form, one space between the words, so that parseStyle reads
// back the same bands and motifs.
struct Style {
    std::vector<Band> bands;
    std::vector<Motif> motifs;
};

// The largest style file that is read.
inline constexpr qint64 kMaxStyleFileBytes = 4 * 1024 * 1024;

struct StyleParse {
    std::optional<Style> style;
    QString error;       // "line 12, column 7: ..." when the text is not a style
    int errorLine = 0;   // the line of that error
    int errorColumn = 0; // and its column
};

StyleParse parseStyle(QStringView text);
QString styleText(const Style& style);

// The program's own style, built from its rhythm catalogue and band list.
const Style& defaultStyle();

// A "rythme.sty" that was found but not used.
struct StyleProblem {
    enum class Kind {
        Unreadable, // cannot be opened, or far too large
        Damaged,    // not a style: `line` says where
        Empty       // a style with no band or no motif: nothing would sound
    };
    Kind kind;
    QString file;
    int line = 0;
    QString detail; // the reason in English, for the log

    friend bool operator==(const StyleProblem&, const StyleProblem&) = default;
};

// Where the style comes from: a "rythme.sty" in the current folder overrides the program's own.
// The folder text is tried followed by "/rythme.sty", then followed directly by "rythme.sty"; a
// file that cannot be read, is damaged or holds nothing to play is passed over for the next, then
// for the program's own.
struct StyleSource {
    Style style;
    QString file;                       // the file read, or empty for the program's own style
    std::vector<StyleProblem> problems; // the files found but not used, in the order tried
    QString warning; // for the log: why a file found was not used, and what was used instead
};
StyleSource loadStyle(const QString& currentFolder);

// What the adult is told about the files found but not used and the style used instead, in the
// interface language; empty when every file found was used.
QString styleNotice(const StyleSource& source, const i18n::CaptionTable& captions);

} // namespace pulsadrome::sound
