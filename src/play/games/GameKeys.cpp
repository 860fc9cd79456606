// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameKeys.h"

namespace pulsadrome::play {

namespace {

constexpr int kPadDigitBase = KeyPad0;

// The digit of a numeric-pad key, as Qt names it with Num Lock off and on; -1 for another key.
int padDigit(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Insert:
        return 0;
    case Qt::Key_End:
        return 1;
    case Qt::Key_Down:
        return 2;
    case Qt::Key_PageDown:
        return 3;
    case Qt::Key_Left:
        return 4;
    case Qt::Key_Clear:
        return 5;
    case Qt::Key_Right:
        return 6;
    case Qt::Key_Home:
        return 7;
    case Qt::Key_Up:
        return 8;
    case Qt::Key_PageUp:
        return 9;
    default:
        break;
    }
    return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9 ? qtKey - Qt::Key_0 : -1;
}

} // namespace

int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        const int digit = padDigit(qtKey);
        return digit < 0 ? 0 : kPadDigitBase + digit;
    }
    switch (qtKey) {
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    default:
        break;
    }
    return 0;
}

} // namespace pulsadrome::play
