// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/FeedbackCycle.h"

namespace pulsadrome::play {

FeedbackEnd FeedbackCycle::Timer1_Timer() {
    if (!running_) {
        return FeedbackEnd::Nothing;
    }
    --countdown_;
    if (countdown_ == 0) {
        running_ = false;
    }
    if (right_) {
        return countdown_ == 0 ? FeedbackEnd::Right : FeedbackEnd::Nothing;
    }
    if (wrong_ && countdown_ == 0) {
        wrong_ = false;
        return FeedbackEnd::Wrong;
    }
    return FeedbackEnd::Nothing;
}

} // namespace pulsadrome::play
