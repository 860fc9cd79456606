// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/RhythmText.h"

#include <cstdint>
#include <vector>

namespace pulsadrome::sound {

// What a performance plays: note events in music time (768 ticks per quarter note). A segment
// does not name its instrument: rhythm notes sound on the performance's current band, clicks on
// the performance's click sound.
struct NoteEvent {
    enum class Voice : std::uint8_t { Band, Click };
    int tick = 0;
    Voice voice = Voice::Band;
    bool on = true;              // note on, or note off
    std::uint8_t velocity = 100; // note on only
    std::uint8_t clickKey = 0;   // Voice::Click only: the percussion key

    friend bool operator==(const NoteEvent&, const NoteEvent&) = default;
};

struct Segment {
    std::vector<NoteEvent> events; // ordered by tick, offs before ons at the same tick
    int lengthTicks = 0;
};

// The percussion keys and loudness of the count-in and the pulse under a rhythm.
inline constexpr std::uint8_t kClickKey = 37;       // side stick
inline constexpr std::uint8_t kAccentVelocity = 96; // first beat of the count-in
inline constexpr std::uint8_t kCountVelocity = 64;  // other beats of the count-in
inline constexpr std::uint8_t kPulseVelocity = 40;  // the beats under the rhythm
inline constexpr std::uint8_t kNoteVelocity = 100;  // the rhythm's notes

// A rhythm as it sounds: one bar of count-in (the meter's beats, the first accented), then the
// rhythm on the band with the pulse on every beat underneath. Notes sound for 90 % of their
// written length (ties joined), less for values under a crotchet (a twelfth of a crotchet of
// silence at least before the next note: a semiquaver sounds for two thirds of its length);
// rests are silence.
Segment buildRhythmSegment(const catalogue::Rhythm& rhythm);

// The band-preview phrase: the notes alone, with neither count-in nor pulse.
Segment buildPhraseSegment(const catalogue::Rhythm& rhythm);

} // namespace pulsadrome::sound
