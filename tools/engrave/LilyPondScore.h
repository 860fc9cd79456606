// SPDX-License-Identifier: GPL-3.0-or-later
// The LilyPond input for all notation pictures: one \book per picture, so that one LilyPond run
// engraves them all (LilyPond takes about two seconds to start).
#pragma once

#include "catalogue/RhythmText.h"

#include <QString>

namespace pulsadrome::engrave {

// The notes of a rhythm on a rhythmic staff, e.g. "c4 c8 c8 r4", "\tuplet 3/2 { c8 c8 c8 }".
QString lilyPondMusic(const catalogue::Rhythm& rhythm);

// The beaming of a meter: quavers and semiquavers are beamed within a beat (a crotchet in x/4,
// a dotted crotchet in 6/8, a minim in x/2) and never across one.
QString lilyPondBeats(const catalogue::Meter& meter);

// Writes the LilyPond document; each book's output is "<picture>.cropped.svg".
class LilyPondScore {
public:
    LilyPondScore();

    // A one-bar rhythm: numeric time signature, beaming by beat, a closing bar line.
    void addRhythm(int picture, const catalogue::Rhythm& rhythm);
    // An empty staff, no time signature and no bar line: a cell with no rhythm in it.
    void addEmptyStaff(int picture);

    const QString& text() const { return text_; }

private:
    void addBook(int picture, const QString& staff);

    QString text_;
};

} // namespace pulsadrome::engrave
