// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/ChoiceEcho.h"

namespace pulsadrome::play {

void ChoiceEcho::start(RhythmPort& sound, int chosen) {
    remainingMs_ = 0;
    const auto length = sound.RhythmMilliseconds(chosen);
    if (!length || *length < 0 || !sound.PlayRhythm(chosen)) {
        return;
    }
    remainingMs_ = *length + kPauseMs;
}

bool ChoiceEcho::Timer_echo() {
    if (remainingMs_ <= 0) {
        return false;
    }
    remainingMs_ -= kTickMs;
    if (remainingMs_ <= 0) {
        remainingMs_ = 0;
        return true;
    }
    return false;
}

bool ChoiceEcho::cancel() {
    const bool was = running();
    remainingMs_ = 0;
    return was;
}

} // namespace pulsadrome::play
