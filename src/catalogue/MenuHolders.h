// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Games.h"

#include <QString>

#include <array>

namespace pulsadrome::catalogue {

// What the main menu keeps between starts and hands to the play screens. A start overwrites only
// what it writes; everything else keeps the value of the previous start.
struct MenuHolders {
    QString labelNN;                 // level code or game code of the last start
    std::array<QString, 8> imageJeu; // Label_image_jeu1 ... 8: picture numbers as text
    bool instrumentsReady = false;   // Label_instruments reads "ok": set by any start, never unset
    QString nom1;                    // Text_nom1: one-player name
    QString nom2;                    // Text_nom2: first player of a two-player game
    QString nom3;                    // Text_nom3: second player of a two-player game
    int poolCount = 0;               // PoolCount
    int poolFirst = 0;               // PoolFirst
    Drawn drawn{};                   // Drawn(1) ... Drawn(14)
};

// Border colours of the answer grid's cell frames; the colour is the cursor.
enum class FrameColour { White, Red, LightBlue };

// The frame colours as the program's colour values (red 255, light blue 16744576, white 16777215)
// and as RGB triples for drawing.
constexpr unsigned frameColourValue(FrameColour colour) {
    switch (colour) {
    case FrameColour::Red:
        return 255u;
    case FrameColour::LightBlue:
        return 16744576u;
    case FrameColour::White:
        break;
    }
    return 16777215u;
}

} // namespace pulsadrome::catalogue
