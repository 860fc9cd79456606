// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <vector>

namespace pulsadrome::play {

// Axes in the order a pad lists them: X, Y, Z, Rx, Ry, Rz, Slider0, Slider1.
inline constexpr int kPadAxisCount = 8;
inline constexpr int kPadButtonLimit = 32; // buttons past these are not read
inline constexpr int kPadHatLimit = 4;
inline constexpr qint32 kFirstPadMaximum = 65535;  // player 1's axes: 0 ... 65535
inline constexpr qint32 kSecondPadMaximum = 10000; // player 2's axes: 0 ... 10000
inline constexpr qint32 kHatCentred = -1;

// Both players' axes: within the dead zone the value is the exact centre, beyond the saturation
// it is the exact end. Both in ten-thousandths of the half-range.
inline constexpr qint32 kPadDeadZone = 1000;
inline constexpr qint32 kPadSaturation = 9500;

// The test square on the options panel swaps between these colours (BGR integers).
inline constexpr qint32 kTestSquareRed = 255;
inline constexpr qint32 kTestSquareBlue = 16711680;

// One reading of a pad's whole state.
struct PadState {
    std::array<bool, kPadAxisCount> axisPresent{};
    std::array<qint32, kPadAxisCount> axes{}; // on the device's range
    std::vector<quint8> buttons;              // 0 up, else down
    std::vector<qint32> hats;                 // hundredths of a degree, kHatCentred when centred
    bool operator==(const PadState&) const = default;
};

enum class PadAction { Up, Down, Left, Right, Validate };

// The key a pad's action stands for on the play screens: the arrows and Space for player 1, the
// numeric pad's 5, 2, 1, 3 and 0 for player 2.
int padKeyCode(PadAction action, bool secondPlayer);

// What one notification of a pad does: the diagnostic lines of the options panel, the cursor
// moves and answers, and how often the test square swaps its colour.
struct PadReading {
    bool listsUpdated = false; // true only while an answer is awaited
    QStringList axisLines, buttonLines, hatLines;
    std::vector<PadAction> actions; // axes first, then buttons, then hats
    int testToggles = 0;            // one per button held, answer awaited or not
};

// Reads the state as it is now, not as a change: a stick held at its end or a held button acts
// again at every notification. The lists and the actions are only made while an answer is
// awaited; the test square toggles in every case.
PadReading readPad(const PadState& state, qint32 axisMaximum, bool answerAwaited);

// SDL's raw axis (-32768 ... 32767) on 0 ... maximum with the 10 % dead zone and 95 % saturation.
qint32 scaleAxis(qint16 raw, qint32 maximum);

// SDL's hat bits (up 1, right 2, down 4, left 8) in hundredths of a degree, kHatCentred when
// centred. Opposite bits cancel each other.
qint32 hatHundredths(quint8 bits);

// The test square's colour after `toggles` swaps: red becomes blue, anything else red.
qint32 toggledTestColour(qint32 colour, int toggles);

} // namespace pulsadrome::play

Q_DECLARE_METATYPE(pulsadrome::play::PadState)
