// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Segment.h"

#include <algorithm>

namespace pulsadrome::sound {

namespace {

// How long a click rings before its note off: a sixteenth at the most.
constexpr int kClickTicks = catalogue::kTicksPerQuarter / 4;

void addNote(Segment& segment, NoteEvent::Voice voice, int start, int length, std::uint8_t velocity,
             std::uint8_t key = 0) {
    segment.events.push_back({start, voice, true, velocity, key});
    segment.events.push_back({start + std::max(1, length), voice, false, 0, key});
}

// The silence a note leaves before the next one: a tenth of its written length, and never less
// than a twelfth of a crotchet (31 ms at 160 crotchets a minute), so that quick notes of an
// instrument that sustains stay apart.
constexpr int kShortestGap = catalogue::kTicksPerQuarter / 12;

int heldTicks(int written) {
    return std::min(written * 9 / 10, written - kShortestGap);
}

void addBandNotes(Segment& segment, const catalogue::Rhythm& rhythm, int offset) {
    for (const auto& event : rhythm.events) {
        if (event.onset) {
            addNote(segment, NoteEvent::Voice::Band, offset + event.start,
                    heldTicks(event.heldLength), kNoteVelocity);
        }
    }
}

void sortEvents(Segment& segment) {
    std::stable_sort(segment.events.begin(), segment.events.end(),
                     [](const NoteEvent& a, const NoteEvent& b) {
                         if (a.tick != b.tick) {
                             return a.tick < b.tick;
                         }
                         return !a.on && b.on;
                     });
}

} // namespace

Segment buildRhythmSegment(const catalogue::Rhythm& rhythm) {
    Segment segment;
    const auto& meter = rhythm.meter;
    const int bar = meter.barTicks();
    const int beat = meter.beatTicks();
    const int clickLength = std::min(kClickTicks, beat / 2);
    for (int b = 0; b < meter.beatsPerBar(); ++b) {
        addNote(segment, NoteEvent::Voice::Click, b * beat, clickLength,
                b == 0 ? kAccentVelocity : kCountVelocity, kClickKey);
    }
    for (int t = 0; t < rhythm.totalTicks(); t += beat) {
        addNote(segment, NoteEvent::Voice::Click, bar + t, clickLength, kPulseVelocity, kClickKey);
    }
    addBandNotes(segment, rhythm, bar);
    segment.lengthTicks = bar + rhythm.totalTicks();
    sortEvents(segment);
    return segment;
}

Segment buildPhraseSegment(const catalogue::Rhythm& rhythm) {
    Segment segment;
    addBandNotes(segment, rhythm, 0);
    segment.lengthTicks = rhythm.totalTicks();
    sortEvents(segment);
    return segment;
}

} // namespace pulsadrome::sound
