// SPDX-License-Identifier: GPL-3.0-or-later
#include "Phrase.h"

#include <algorithm>
#include <cmath>

namespace pulsadrome::tools::sounds {

Phrase& Phrase::program(int channel, int program, int bank) {
    events_.push_back({0.0, Event::Kind::Program, channel, program, bank});
    return *this;
}

Phrase& Phrase::control(double at, int channel, int controller, int value) {
    events_.push_back({at, Event::Kind::Control, channel, controller, value});
    return *this;
}

Phrase& Phrase::note(double at, double length, int channel, int key, int velocity) {
    events_.push_back({at, Event::Kind::NoteOn, channel, key, velocity});
    events_.push_back({at + length, Event::Kind::NoteOff, channel, key, 0});
    return *this;
}

Phrase& Phrase::chord(double at, double length, int channel, std::initializer_list<int> keys,
                      int velocity) {
    for (const int key : keys) {
        note(at, length, channel, key, velocity);
    }
    return *this;
}

Phrase& Phrase::glide(double at, double length, int channel, double from, double to) {
    constexpr double kStep = 0.010;
    const int steps = std::max(1, static_cast<int>(std::lround(length / kStep)));
    for (int i = 0; i <= steps; ++i) {
        const double semitones = from + (to - from) * i / steps;
        const int value = std::clamp(
            static_cast<int>(std::lround(8192 + semitones / kBendRange * 8192)), 0, 16383);
        events_.push_back({at + length * i / steps, Event::Kind::Bend, channel, value, 0});
    }
    return *this;
}

std::vector<Event> Phrase::events() const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        if (a.at != b.at) {
            return a.at < b.at;
        }
        return static_cast<int>(a.kind) < static_cast<int>(b.kind);
    });
    return sorted;
}

double Phrase::end() const {
    double last = 0;
    for (const Event& event : events_) {
        last = std::max(last, event.at);
    }
    return last;
}

} // namespace pulsadrome::tools::sounds
