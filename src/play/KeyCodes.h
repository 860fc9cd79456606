// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pulsadrome::play {

// The key codes the play screens act on: the arrows and the space bar for player 1 (and on the
// level screen), the numeric pad for player 2. A game-pad's actions stand for the same codes.
enum KeyCode : int {
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

} // namespace pulsadrome::play
