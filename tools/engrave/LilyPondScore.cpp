// SPDX-License-Identifier: GPL-3.0-or-later
#include "LilyPondScore.h"

#include <QStringList>

namespace pulsadrome::engrave {

using catalogue::Event;
using catalogue::kTicksPerQuarter;
using catalogue::Meter;
using catalogue::Rhythm;
using catalogue::Tuplet;

namespace {

// Every picture shares one page layout, tested to give each one-bar picture the same box: 32.72
// x 8 staff spaces with the staff line 5.5 spaces below its top edge. The line is one bar wide
// and justified; bar numbers never show; tuplet numbers use the music font, so that they come
// out as paths like every other glyph rather than as text in a font the reader may lack.
constexpr auto kPreamble = R"(\version "2.24.0"
\header { tagline = ##f }
\paper {
  line-width = 57.5\mm
  indent = 0
  ragged-right = ##f
  ragged-last = ##f
}
\layout {
  \context {
    \Score
    \remove Bar_number_engraver
    \override TupletNumber.font-encoding = #'fetaText
  }
  \context {
    \RhythmicStaff
    \override VerticalAxisGroup.Y-extent = #'(-2.5 . 5.5)
  }
}
)";

QString duration(const Event& event) {
    QString text = event.value == 0 ? QStringLiteral("\\breve") : QString::number(event.value);
    if (event.dotted) {
        text += u'.';
    }
    return text;
}

} // namespace

QString lilyPondMusic(const Rhythm& rhythm) {
    QStringList words;
    for (int i = 0; i < static_cast<int>(rhythm.events.size()); ++i) {
        const Event& event = rhythm.events[i];
        const Tuplet* tuplet = event.tuplet >= 0 ? &rhythm.tuplets[event.tuplet] : nullptr;
        if (tuplet && tuplet->firstEvent == i) {
            words << QStringLiteral("\\tuplet %1/%2 {").arg(tuplet->count).arg(tuplet->inTimeOf);
        }
        QString word = (event.rest ? QStringLiteral("r") : QStringLiteral("c")) + duration(event);
        if (event.tied) {
            word += u'~';
        }
        words << word;
        if (tuplet && tuplet->firstEvent + tuplet->eventCount - 1 == i) {
            words << QStringLiteral("}");
        }
    }
    return words.join(u' ');
}

QString lilyPondBeats(const Meter& meter) {
    // LilyPond counts beats in units of the meter's denominator (its baseMoment): a beat of 6/8
    // is three quavers. Without exceptions, automatic beams end at every beat.
    const int unitTicks = 4 * kTicksPerQuarter / meter.denominator;
    const int unitsPerBeat = meter.beatTicks() / unitTicks;
    QStringList structure;
    for (int beat = 0; beat < meter.beatsPerBar(); ++beat) {
        structure << QString::number(unitsPerBeat);
    }
    return QStringLiteral("\\set Timing.baseMoment = #(ly:make-moment 1/%1) "
                          "\\set Timing.beatStructure = %2 "
                          "\\set Timing.beamExceptions = #'()")
        .arg(meter.denominator)
        .arg(structure.join(u','));
}

LilyPondScore::LilyPondScore() : text_(QString::fromLatin1(kPreamble)) {}

void LilyPondScore::addRhythm(int picture, const Rhythm& rhythm) {
    addBook(picture,
            QStringLiteral("\\new RhythmicStaff {\n"
                           "      \\numericTimeSignature \\time %1\n"
                           "      %2\n"
                           "      %3 \\bar \"|\"\n"
                           "    }")
                .arg(rhythm.meter.text(), lilyPondBeats(rhythm.meter), lilyPondMusic(rhythm)));
}

void LilyPondScore::addEmptyStaff(int picture) {
    addBook(picture, QStringLiteral("\\new RhythmicStaff \\with { \\remove Time_signature_engraver "
                                    "} { s1 \\bar \"\" }"));
}

void LilyPondScore::addBook(int picture, const QString& staff) {
    text_ += QStringLiteral("\\book {\n"
                            "  \\bookOutputName \"%1\"\n"
                            "  \\score {\n"
                            "    %2\n"
                            "  }\n"
                            "}\n")
                 .arg(QString::number(picture), staff);
}

} // namespace pulsadrome::engrave
