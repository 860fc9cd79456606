// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/RhythmPort.h"

namespace pulsadrome::play {

// "Hear my choice": after a wrong answer the rhythm the child chose sounds once, and once it has
// ended and a short pause has passed, the owner plays the rhythm asked again, so that the child
// hears the two one after the other. The screen calls Timer_echo every kTickMs while running();
// the echo never reads a clock.
class ChoiceEcho {
public:
    static constexpr int kTickMs = 100;
    static constexpr int kPauseMs = 800;

    // Plays motif `chosen` at once (cutting what sounds) and waits for its end and the pause.
    // Nothing waits when the engine cannot play the motif or cannot tell how long it lasts.
    void start(RhythmPort& sound, int chosen);
    // One tick of kTickMs; true once the wait is over: the asked rhythm is then due, and the
    // echo is idle again.
    bool Timer_echo();
    // Forgets the wait; true when one was going, the chosen rhythm perhaps still sounding.
    bool cancel();

    bool running() const { return remainingMs_ > 0; }
    int remainingMs() const { return remainingMs_; }

private:
    int remainingMs_ = 0;
};

} // namespace pulsadrome::play
