// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/pad/PadReading.h"

#include "play/KeyCodes.h"

#include <algorithm>
#include <cstdlib>

namespace pulsadrome::play {

namespace {

const char* const kAxisNames[kPadAxisCount] = {
    "X: ", "Y: ", "Z: ", "RX: ", "RY: ", "RZ: ", "Slider0: ", "Slider1: "};

constexpr int kAxisX = 0;
constexpr int kAxisY = 1;

// SDL's axis reaches 32767 on both sides once -32768 is taken as -32767.
constexpr qint64 kRawHalf = 32767;
constexpr qint64 kTenThousand = 10000;

} // namespace

PadReading readPad(const PadState& state, qint32 axisMaximum, bool answerAwaited) {
    PadReading reading;
    for (const quint8 button : state.buttons) {
        if (button != 0) {
            ++reading.testToggles;
        }
    }
    if (!answerAwaited) {
        return reading;
    }
    reading.listsUpdated = true;

    for (int i = 0; i < kPadAxisCount; ++i) {
        if (!state.axisPresent[i]) {
            continue;
        }
        const qint32 value = state.axes[i];
        reading.axisLines << QString::fromLatin1(kAxisNames[i]) + QString::number(value);
        if (i == kAxisX) {
            if (value == axisMaximum) {
                reading.actions.push_back(PadAction::Right);
            } else if (value == 0) {
                reading.actions.push_back(PadAction::Left);
            }
        } else if (i == kAxisY) {
            if (value == axisMaximum) {
                reading.actions.push_back(PadAction::Down);
            } else if (value == 0) {
                reading.actions.push_back(PadAction::Up);
            }
        }
    }

    for (std::size_t b = 0; b < state.buttons.size(); ++b) {
        const bool down = state.buttons[b] != 0;
        reading.buttonLines << QStringLiteral("Button %1: %2")
                                   .arg(b + 1)
                                   .arg(down ? QStringLiteral("Down") : QStringLiteral("Up"));
        if (down) {
            reading.actions.push_back(PadAction::Validate);
        }
    }

    for (std::size_t h = 0; h < state.hats.size(); ++h) {
        const qint32 value = state.hats[h];
        reading.hatLines << QStringLiteral("POV %1: %2").arg(h + 1).arg(value);
        switch (value) {
        case 0:
            reading.actions.push_back(PadAction::Up);
            break;
        case 9000:
            reading.actions.push_back(PadAction::Right);
            break;
        case 18000:
            reading.actions.push_back(PadAction::Down);
            break;
        case 27000:
            reading.actions.push_back(PadAction::Left);
            break;
        default:
            break;
        }
    }
    return reading;
}

qint32 scaleAxis(qint16 raw, qint32 maximum) {
    const qint32 centre = maximum / 2;
    const qint64 magnitude = std::min<qint64>(std::abs(static_cast<qint64>(raw)), kRawHalf);
    // Both bounds compared in ten-thousandths of the half-range, without rounding.
    const qint64 scaled = magnitude * kTenThousand;
    if (scaled <= kPadDeadZone * kRawHalf) {
        return centre;
    }
    if (scaled >= kPadSaturation * kRawHalf) {
        return raw < 0 ? 0 : maximum;
    }
    // Linear from the dead zone's edge (the centre) to the saturation's (the end), rounded.
    const qint64 half = raw < 0 ? centre : maximum - centre;
    const qint64 span = (kPadSaturation - kPadDeadZone) * kRawHalf;
    const qint64 offset = ((scaled - kPadDeadZone * kRawHalf) * half + span / 2) / span;
    return static_cast<qint32>(raw < 0 ? centre - offset : centre + offset);
}

qint32 hatHundredths(quint8 bits) {
    const int right = ((bits & 2) ? 1 : 0) - ((bits & 8) ? 1 : 0);
    const int up = ((bits & 1) ? 1 : 0) - ((bits & 4) ? 1 : 0);
    // Clockwise from up, in steps of 45 degrees.
    static constexpr qint32 kAngles[3][3] = {
        // right: -1     0      1
        {22500, 18000, 13500}, // down
        {27000, kHatCentred, 9000},
        {31500, 0, 4500}, // up
    };
    return kAngles[up + 1][right + 1];
}

qint32 toggledTestColour(qint32 colour, int toggles) {
    for (int i = 0; i < toggles; ++i) {
        colour = colour == kTestSquareRed ? kTestSquareBlue : kTestSquareRed;
    }
    return colour;
}

int padKeyCode(PadAction action, bool secondPlayer) {
    switch (action) {
    case PadAction::Up:
        return secondPlayer ? KeyPad5 : KeyUp;
    case PadAction::Down:
        return secondPlayer ? KeyPad2 : KeyDown;
    case PadAction::Left:
        return secondPlayer ? KeyPad1 : KeyLeft;
    case PadAction::Right:
        return secondPlayer ? KeyPad3 : KeyRight;
    case PadAction::Validate:
        break;
    }
    return secondPlayer ? KeyPad0 : KeySpace;
}

} // namespace pulsadrome::play
