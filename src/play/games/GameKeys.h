// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/KeyCodes.h"

#include <Qt>

namespace pulsadrome::play {

// The key code of a key press: a numeric-pad key gives its digit's code 96 ... 105 whether Num
// Lock is on (Qt reports a digit) or off (Qt reports Insert, End, Down, Page Down, Left, Clear
// ...); the arrows and the space bar their codes; any other key 0.
int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace pulsadrome::play
