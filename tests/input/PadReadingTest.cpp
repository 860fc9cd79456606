// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/pad/PadReading.h"

#include <gmock/gmock.h>

using namespace pulsadrome::play;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using enum PadAction;

namespace {

// X and Y, four buttons, one hat, all at rest.
PadState restingPad(qint32 maximum = kSecondPadMaximum) {
    PadState state;
    state.axisPresent[0] = state.axisPresent[1] = true;
    state.axes[0] = state.axes[1] = maximum / 2;
    state.buttons.assign(4, 0);
    state.hats.assign(1, kHatCentred);
    return state;
}

TEST(GamepadReading, aPadAtRestIsListedAndDoesNothing) {
    const PadReading reading = readPad(restingPad(), kSecondPadMaximum, true);
    EXPECT_TRUE(reading.listsUpdated);
    EXPECT_EQ(reading.axisLines, QStringList({"X: 5000", "Y: 5000"}));
    EXPECT_EQ(reading.buttonLines,
              QStringList({"Button 1: Up", "Button 2: Up", "Button 3: Up", "Button 4: Up"}));
    EXPECT_EQ(reading.hatLines, QStringList({"POV 1: -1"}));
    EXPECT_THAT(reading.actions, IsEmpty());
    EXPECT_EQ(reading.testToggles, 0);

    PadState all;
    all.axisPresent.fill(true);
    all.axisPresent[1] = false;
    all.axes = {1, 2, 0, 0, 10000, 10000, 0, 10000};
    const PadReading listed = readPad(all, kSecondPadMaximum, true);
    EXPECT_EQ(listed.axisLines, QStringList({"X: 1", "Z: 0", "RX: 0", "RY: 10000", "RZ: 10000",
                                             "Slider0: 0", "Slider1: 10000"}));
    EXPECT_THAT(listed.actions, IsEmpty()) << "only X and Y move";
    EXPECT_THAT(listed.hatLines, IsEmpty());
}

TEST(GamepadReading, theStickMovesOnlyAtTheEndsOfThePlayersRange) {
    struct Case {
        qint32 maximum, x, y;
        std::vector<PadAction> actions;
    };
    const std::vector<Case> cases = {
        {10000, 10000, 5000, {Right}},  {10000, 0, 5000, {Left}},
        {10000, 5000, 10000, {Down}},   {10000, 5000, 0, {Up}},
        {10000, 10000, 0, {Right, Up}}, {10000, 0, 10000, {Left, Down}},
        {10000, 9999, 1, {}},           {65535, 65535, 32767, {Right}},
        {65535, 10000, 65535, {Down}},  {10000, 65535, 5000, {}},
    };
    for (const Case& c : cases) {
        PadState state = restingPad(c.maximum);
        state.axes[0] = c.x;
        state.axes[1] = c.y;
        EXPECT_EQ(readPad(state, c.maximum, true).actions, c.actions)
            << c.maximum << ": X " << c.x << " Y " << c.y;
    }
}

TEST(GamepadReading, everyHeldButtonValidatesAndTogglesTheTestSquare) {
    PadState state = restingPad();
    state.buttons = {0, 1, 0, 128};
    const PadReading reading = readPad(state, kSecondPadMaximum, true);
    EXPECT_EQ(reading.buttonLines,
              QStringList({"Button 1: Up", "Button 2: Down", "Button 3: Up", "Button 4: Down"}));
    EXPECT_THAT(reading.actions, ElementsAre(Validate, Validate));
    EXPECT_EQ(reading.testToggles, 2);

    state.buttons.assign(12, 0);
    EXPECT_EQ(readPad(state, kSecondPadMaximum, true).buttonLines.size(), 12);
}

TEST(GamepadReading, aHatMovesOnlyStraight) {
    const std::vector<std::pair<qint32, std::vector<PadAction>>> cases = {
        {0, {Up}},   {9000, {Right}}, {18000, {Down}}, {27000, {Left}},   {4500, {}},
        {13500, {}}, {22500, {}},     {31500, {}},     {kHatCentred, {}},
    };
    for (const auto& [value, actions] : cases) {
        PadState state = restingPad();
        state.hats = {kHatCentred, value};
        const PadReading reading = readPad(state, kSecondPadMaximum, true);
        EXPECT_EQ(reading.actions, actions) << value;
        EXPECT_EQ(reading.hatLines,
                  QStringList({"POV 1: -1", QStringLiteral("POV 2: %1").arg(value)}));
    }
}

TEST(GamepadReading, actionsComeAxesFirstThenButtonsThenHats) {
    PadState state = restingPad();
    state.axes[1] = 0;
    state.buttons[2] = 1;
    state.hats = {9000};
    EXPECT_THAT(readPad(state, kSecondPadMaximum, true).actions, ElementsAre(Up, Validate, Right));
}

TEST(GamepadReading, outsidePlayOnlyTheTestSquareToggles) {
    PadState state = restingPad();
    state.axes[0] = 10000;
    state.buttons = {1, 1, 0, 0};
    state.hats = {0};
    const PadReading reading = readPad(state, kSecondPadMaximum, false);
    EXPECT_FALSE(reading.listsUpdated);
    EXPECT_THAT(reading.axisLines + reading.buttonLines + reading.hatLines, IsEmpty());
    EXPECT_THAT(reading.actions, IsEmpty());
    EXPECT_EQ(reading.testToggles, 2);

    EXPECT_EQ(toggledTestColour(kTestSquareRed, 1), kTestSquareBlue);
    EXPECT_EQ(toggledTestColour(kTestSquareBlue, 1), kTestSquareRed);
    EXPECT_EQ(toggledTestColour(kTestSquareRed, reading.testToggles), kTestSquareRed);
}

// SDL's raw value at a fraction of the half-range.
qint16 rawAt(double fraction) {
    return static_cast<qint16>(fraction * 32767);
}

TEST(GamepadAxisScale, theDeadZoneReadsTheCentreAndTheSaturationTheEnd) {
    for (const qint32 maximum : {kFirstPadMaximum, kSecondPadMaximum}) {
        for (const double fraction : {0.0, 0.05, -0.05, 0.0999, -0.0999}) {
            EXPECT_EQ(scaleAxis(rawAt(fraction), maximum), maximum / 2) << fraction;
        }
        for (const qint16 raw : {qint16(32767), rawAt(0.96), rawAt(0.9501)}) {
            EXPECT_EQ(scaleAxis(raw, maximum), maximum) << raw;
        }
        for (const qint16 raw : {qint16(-32768), qint16(-32767), rawAt(-0.96)}) {
            EXPECT_EQ(scaleAxis(raw, maximum), 0) << raw;
        }
    }
}

TEST(GamepadAxisScale, inBetweenTheValueIsLinearAndShortOfTheEnds) {
    // Half way from the dead zone to the saturation: a quarter of the range from the centre.
    EXPECT_NEAR(scaleAxis(rawAt(0.525), kSecondPadMaximum), 7500, 1);
    EXPECT_NEAR(scaleAxis(rawAt(-0.525), kSecondPadMaximum), 2500, 1);
    EXPECT_NEAR(scaleAxis(rawAt(0.525), kFirstPadMaximum), 32767 + 16384, 2);
    EXPECT_GT(scaleAxis(rawAt(0.11), kSecondPadMaximum), 5000);
    EXPECT_LT(scaleAxis(rawAt(0.94), kSecondPadMaximum), 10000);
    EXPECT_GT(scaleAxis(rawAt(-0.94), kSecondPadMaximum), 0);

    qint32 previous = 0;
    for (int raw = -32768; raw <= 32767; raw += 97) {
        const qint32 value = scaleAxis(static_cast<qint16>(raw), kFirstPadMaximum);
        ASSERT_GE(value, previous) << raw;
        previous = value;
    }
}

TEST(GamepadHatAngle, bitsReadClockwiseFromUpAndOppositesCancel) {
    const std::vector<std::pair<quint8, qint32>> cases = {
        {0, kHatCentred},  {1, 0},         {1 | 2, 4500}, {2, 9000},      {2 | 4, 13500},
        {4, 18000},        {4 | 8, 22500}, {8, 27000},    {8 | 1, 31500}, {1 | 4, kHatCentred},
        {1 | 4 | 2, 9000},
    };
    for (const auto& [bits, hundredths] : cases) {
        EXPECT_EQ(hatHundredths(bits), hundredths) << int(bits);
    }
}

} // namespace
