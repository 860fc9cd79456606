// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/pad/PadReading.h"

#include <gmock/gmock.h>

using namespace pulsadrome::play;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A pad like player 2's usual one: X and Y, four buttons, one hat, all at rest.
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
    EXPECT_THAT(reading.axisLines, ElementsAre(u"X: 5000", u"Y: 5000"));
    EXPECT_THAT(reading.buttonLines,
                ElementsAre(u"Button 1: Up", u"Button 2: Up", u"Button 3: Up", u"Button 4: Up"));
    EXPECT_THAT(reading.hatLines, ElementsAre(u"POV 1: -1"));
    EXPECT_THAT(reading.actions, IsEmpty());
    EXPECT_EQ(reading.testToggles, 0);
}

TEST(GamepadReading, theStickMovesOnlyAtItsEnds) {
    struct Case {
        qint32 x, y;
        std::vector<PadAction> actions;
    };
    const std::vector<Case> cases = {
        {10000, 5000, {PadAction::Right}},
        {0, 5000, {PadAction::Left}},
        {5000, 10000, {PadAction::Down}},
        {5000, 0, {PadAction::Up}},
        {10000, 0, {PadAction::Right, PadAction::Up}}, // X before Y
        {0, 10000, {PadAction::Left, PadAction::Down}},
        {9999, 1, {}},
    };
    for (const Case& c : cases) {
        PadState state = restingPad();
        state.axes[0] = c.x;
        state.axes[1] = c.y;
        EXPECT_EQ(readPad(state, kSecondPadMaximum, true).actions, c.actions)
            << "X " << c.x << " Y " << c.y;
    }
}

TEST(GamepadReading, theEndIsTheMaximumOfThePlayersRange) {
    PadState first = restingPad(kFirstPadMaximum);
    first.axes[0] = kFirstPadMaximum;
    EXPECT_THAT(readPad(first, kFirstPadMaximum, true).actions, ElementsAre(PadAction::Right));
    EXPECT_THAT(readPad(first, kFirstPadMaximum, true).axisLines,
                ElementsAre(u"X: 65535", u"Y: 32767"));

    // Player 2's end is well inside player 1's range, and player 1's out of player 2's.
    PadState second = restingPad(kFirstPadMaximum);
    second.axes[0] = kSecondPadMaximum;
    EXPECT_THAT(readPad(second, kFirstPadMaximum, true).actions, IsEmpty());
    EXPECT_THAT(readPad(first, kSecondPadMaximum, true).actions, IsEmpty());
}

TEST(GamepadReading, otherAxesAreListedInOrderButDoNotMove) {
    PadState state;
    state.axisPresent.fill(true);
    state.axisPresent[1] = false; // no Y
    state.axes = {1, 2, 0, 0, 10000, 10000, 0, 10000};
    const PadReading reading = readPad(state, kSecondPadMaximum, true);
    EXPECT_THAT(reading.axisLines, ElementsAre(u"X: 1", u"Z: 0", u"RX: 0", u"RY: 10000",
                                               u"RZ: 10000", u"Slider0: 0", u"Slider1: 10000"));
    EXPECT_THAT(reading.actions, IsEmpty());
}

TEST(GamepadReading, everyHeldButtonValidatesAndTogglesTheTestSquare) {
    PadState state = restingPad();
    state.buttons = {0, 1, 0, 128};
    const PadReading reading = readPad(state, kSecondPadMaximum, true);
    EXPECT_THAT(reading.buttonLines, ElementsAre(u"Button 1: Up", u"Button 2: Down",
                                                 u"Button 3: Up", u"Button 4: Down"));
    EXPECT_THAT(reading.actions, ElementsAre(PadAction::Validate, PadAction::Validate));
    EXPECT_EQ(reading.testToggles, 2);

    state.buttons.assign(12, 0);
    EXPECT_EQ(readPad(state, kSecondPadMaximum, true).buttonLines.size(), 12);
    EXPECT_EQ(readPad(state, kSecondPadMaximum, true).buttonLines.last(), u"Button 12: Up");
}

TEST(GamepadReading, aHatMovesOnlyStraight) {
    const std::vector<std::pair<qint32, std::vector<PadAction>>> cases = {
        {0, {PadAction::Up}},
        {9000, {PadAction::Right}},
        {18000, {PadAction::Down}},
        {27000, {PadAction::Left}},
        {4500, {}},
        {13500, {}},
        {22500, {}},
        {31500, {}},
        {kHatCentred, {}},
    };
    for (const auto& [value, actions] : cases) {
        PadState state = restingPad();
        state.hats = {value};
        const PadReading reading = readPad(state, kSecondPadMaximum, true);
        EXPECT_EQ(reading.actions, actions) << value;
        EXPECT_THAT(reading.hatLines, ElementsAre(QStringLiteral("POV 1: %1").arg(value)));
    }

    PadState none = restingPad();
    none.hats.clear();
    EXPECT_THAT(readPad(none, kSecondPadMaximum, true).hatLines, IsEmpty());

    PadState two = restingPad();
    two.hats = {kHatCentred, 27000};
    EXPECT_THAT(readPad(two, kSecondPadMaximum, true).hatLines,
                ElementsAre(u"POV 1: -1", u"POV 2: 27000"));
    EXPECT_THAT(readPad(two, kSecondPadMaximum, true).actions, ElementsAre(PadAction::Left));
}

TEST(GamepadReading, actionsComeAxesFirstThenButtonsThenHats) {
    PadState state = restingPad();
    state.axes[1] = 0;
    state.buttons[2] = 1;
    state.hats = {9000};
    EXPECT_THAT(readPad(state, kSecondPadMaximum, true).actions,
                ElementsAre(PadAction::Up, PadAction::Validate, PadAction::Right));
}

TEST(GamepadReading, outsidePlayOnlyTheTestSquareToggles) {
    PadState state = restingPad();
    state.axes[0] = 10000;
    state.buttons = {1, 1, 0, 0};
    state.hats = {0};
    const PadReading reading = readPad(state, kSecondPadMaximum, false);
    EXPECT_FALSE(reading.listsUpdated);
    EXPECT_THAT(reading.axisLines, IsEmpty());
    EXPECT_THAT(reading.buttonLines, IsEmpty());
    EXPECT_THAT(reading.hatLines, IsEmpty());
    EXPECT_THAT(reading.actions, IsEmpty());
    EXPECT_EQ(reading.testToggles, 2);
}

TEST(GamepadReading, theTestSquareSwapsRedAndBlue) {
    EXPECT_EQ(toggledTestColour(kTestSquareRed, 1), kTestSquareBlue);
    EXPECT_EQ(toggledTestColour(kTestSquareBlue, 1), kTestSquareRed);
    EXPECT_EQ(toggledTestColour(kTestSquareRed, 2), kTestSquareRed);
    EXPECT_EQ(toggledTestColour(kTestSquareBlue, 0), kTestSquareBlue);
    EXPECT_EQ(toggledTestColour(0, 1), kTestSquareRed);
}

// Raw SDL values as a fraction of the half-range.
qint16 rawAt(double fraction) {
    return static_cast<qint16>(fraction * 32767);
}

TEST(GamepadAxisScale, theDeadZoneReadsTheExactCentre) {
    for (const qint32 maximum : {kFirstPadMaximum, kSecondPadMaximum}) {
        for (const double fraction : {0.0, 0.05, -0.05, 0.0999, -0.0999}) {
            EXPECT_EQ(scaleAxis(rawAt(fraction), maximum), maximum / 2)
                << maximum << " at " << fraction;
        }
    }
}

TEST(GamepadAxisScale, beyondTheSaturationReadsTheExactEnd) {
    for (const qint32 maximum : {kFirstPadMaximum, kSecondPadMaximum}) {
        EXPECT_EQ(scaleAxis(32767, maximum), maximum);
        EXPECT_EQ(scaleAxis(rawAt(0.96), maximum), maximum);
        EXPECT_EQ(scaleAxis(rawAt(0.9501), maximum), maximum);
        EXPECT_EQ(scaleAxis(-32767, maximum), 0);
        EXPECT_EQ(scaleAxis(-32768, maximum), 0);
        EXPECT_EQ(scaleAxis(rawAt(-0.96), maximum), 0);
    }
}

TEST(GamepadAxisScale, inBetweenTheValueIsLinearAndShortOfTheEnds) {
    // Half way between the dead zone and the saturation: a quarter of the range from the centre.
    EXPECT_NEAR(scaleAxis(rawAt(0.525), kSecondPadMaximum), 7500, 1);
    EXPECT_NEAR(scaleAxis(rawAt(-0.525), kSecondPadMaximum), 2500, 1);
    EXPECT_NEAR(scaleAxis(rawAt(0.525), kFirstPadMaximum), 32767 + 16384, 2);

    // Just outside the dead zone it leaves the centre; just inside the saturation it has not
    // reached the end, so the grid's cursor does not move yet.
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

TEST(GamepadHatAngle, bitsReadClockwiseFromUp) {
    EXPECT_EQ(hatHundredths(0), kHatCentred);
    EXPECT_EQ(hatHundredths(1), 0);
    EXPECT_EQ(hatHundredths(1 | 2), 4500);
    EXPECT_EQ(hatHundredths(2), 9000);
    EXPECT_EQ(hatHundredths(2 | 4), 13500);
    EXPECT_EQ(hatHundredths(4), 18000);
    EXPECT_EQ(hatHundredths(4 | 8), 22500);
    EXPECT_EQ(hatHundredths(8), 27000);
    EXPECT_EQ(hatHundredths(8 | 1), 31500);
    EXPECT_EQ(hatHundredths(1 | 4), kHatCentred);
    EXPECT_EQ(hatHundredths(1 | 4 | 2), 9000);
}

} // namespace
