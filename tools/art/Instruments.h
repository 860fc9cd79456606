// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BandFile.h"

#include <QImage>

namespace pulsadrome::art {

// An instrument picture's size on a 800 x 600 screen, and how much finer it is drawn.
inline constexpr int kInstrumentSide = 96;
inline constexpr int kInstrumentScale = 2;

// The picture of `band`'s instrument, `side` pixels square on a transparent ground: a rounded
// tile in the colour of the instrument's family with the instrument on it. A null image when
// no drawing exists for the band's instrument.
QImage paintInstrument(const Band& band, int side);

} // namespace pulsadrome::art
