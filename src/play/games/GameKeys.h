// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace pulsadrome::play {

// The key codes the games screen acts on: the arrows and the space bar for player 1, the
// numeric pad for player 2.
enum GameKey : int {
    KeySpace = 32,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyPad0 = 96,  // player 2 confirms
    KeyPad1 = 97,  // player 2 left
    KeyPad2 = 98,  // player 2 down
    KeyPad3 = 99,  // player 2 right
    KeyPad5 = 101, // player 2 up
};

// The key code of a key press: a numeric-pad key gives its digit's code 96 ... 105 whether Num
// Lock is on (Qt reports a digit) or off (Qt reports Insert, End, Down, Page Down, Left, Clear
// ...); the arrows and the space bar their codes; any other key 0.
int gameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace pulsadrome::play
