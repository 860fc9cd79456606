// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace pulsadrome::art {

// Tictac, the metronome the level screen shows while the clock runs: two swing positions that
// alternate every second, and a resting one.
enum class MascotPose { PendulumLeft, PendulumRight, Still };

// The mascot's size on a 800 x 600 screen, and how much finer the pictures are drawn so that
// they stay sharp on bigger screens.
inline constexpr QSize kMascotSize{50, 75};
inline constexpr int kMascotScale = 4;

// Tictac in `pose` on a transparent picture of `size` (2 : 3).
QImage paintMascot(MascotPose pose, QSize size);

// The program's icon, `side` pixels square, drawn afresh at each size so small icons stay crisp.
QImage paintIcon(int side);

} // namespace pulsadrome::art
