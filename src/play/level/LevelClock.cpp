// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelClock.h"

#include "play/level/NumericText.h"

namespace pulsadrome::play {

bool LevelClock::tick() {
    if (!running_) {
        return false;
    }
    pose_ = swingRight_ ? MetronomePose::Right : MetronomePose::Left;
    swingRight_ = !swingRight_;
    remaining_ = addToNumberText(remaining_, -1);
    return true;
}

} // namespace pulsadrome::play
