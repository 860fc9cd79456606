// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/EndWindowKeys.h"

namespace pulsadrome::play {

bool EndWindowKeys::quiet() const {
    return clock_.milliseconds() - openedAt_ < kQuietMilliseconds;
}

bool EndWindowKeys::closesOnKey(int qtKey, bool autoRepeat) const {
    if (autoRepeat || quiet()) {
        return false;
    }
    return qtKey == Qt::Key_Escape || qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
}

} // namespace pulsadrome::play
