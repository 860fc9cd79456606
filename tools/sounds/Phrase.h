// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <vector>

namespace pulsadrome::tools::sounds {

// General MIDI's percussion: bank 128 on channel 9, where a key picks the instrument.
inline constexpr int kDrumChannel = 9;
inline constexpr int kDrumBank = 128;

// One timed instruction to the synthesizer.
struct Event {
    enum class Kind { Program, Control, Bend, NoteOff, NoteOn }; // the order at equal times
    double at = 0; // seconds from the start of the sound
    Kind kind = Kind::NoteOn;
    int channel = 0;
    int first = 0;  // program, controller, key, or the bend value 0 ... 16383
    int second = 0; // bank, controller value, or velocity
};

// A short score for the synthesizer: instruments, notes, controllers and pitch glides, written
// with a builder and played in time order.
class Phrase {
public:
    // Before the first note: the General MIDI program (0 ... 127) of a channel, bank 0, or
    // kDrumBank on kDrumChannel.
    Phrase& program(int channel, int program, int bank = 0);
    // A controller change: 7 volume, 10 pan (0 left, 64 centre, 127 right), 11 expression.
    Phrase& control(double at, int channel, int controller, int value);
    Phrase& note(double at, double length, int channel, int key, int velocity);
    // A chord: the same timing and velocity for every key.
    Phrase& chord(double at, double length, int channel, std::initializer_list<int> keys,
                  int velocity);
    // A straight glide of the channel's pitch from `from` to `to` semitones (within +-12) over
    // [at, at + length], in steps of 10 ms.
    Phrase& glide(double at, double length, int channel, double from, double to);

    // In time order, and at equal times in the order of Event::Kind.
    std::vector<Event> events() const;
    // When the last note ends.
    double end() const;

private:
    std::vector<Event> events_;
};

// The pitch-wheel range every channel is set to, in semitones either way.
inline constexpr int kBendRange = 12;

} // namespace pulsadrome::tools::sounds
