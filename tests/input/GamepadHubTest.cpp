// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/GamepadHub.h"
#include "input/Gamepads.h"
#include "support/VirtualPad.h"

#include <SDL.h>

#include <gmock/gmock.h>

using namespace pulsadrome::input;
using namespace pulsadrome::play;
using pulsadrome::testing::VirtualPad;
using ::testing::ElementsAre;

namespace {

// Every notification of one device, in order.
struct Notifications {
    explicit Notifications(GamepadDevice& device) {
        QObject::connect(&device, &GamepadDevice::notified,
                         [this](const PadState& state) { states.push_back(state); });
    }
    std::vector<PadState> states;
};

class GamepadHubTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        hub = GamepadHub::open(&error);
        ASSERT_NE(hub, nullptr) << error.toStdString();
    }
    void TearDown() override { hub.reset(); }

    // A device whose set-up notification has gone by.
    std::unique_ptr<GamepadDevice> openPad(const VirtualPad& pad, qint32 maximum) {
        auto device = hub->openDevice(pad.index(), maximum);
        hub->poll();
        return device;
    }

    std::unique_ptr<GamepadHub> hub;
};

TEST_F(GamepadHubTest, theSetUpReadsThePadAtOnceAndNotifiesItOnce) {
    VirtualPad pad;
    pad.button(0, true);
    auto device = hub->openDevice(pad.index(), kSecondPadMaximum);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->attached());
    EXPECT_EQ(device->name(), hub->names().at(pad.index()));
    PadState expected;
    expected.axisPresent[0] = expected.axisPresent[1] = true;
    expected.axes[0] = expected.axes[1] = 5000;
    expected.buttons = {1, 0, 0, 0};
    expected.hats = {kHatCentred};
    EXPECT_EQ(device->state(), expected);

    // Notified with the next poll, so that a slot connected on return sees it; then only changes.
    Notifications seen(*device);
    hub->poll();
    hub->poll();
    EXPECT_THAT(seen.states, ElementsAre(expected));
}

TEST_F(GamepadHubTest, theStickReadsOnEachPlayersRange) {
    VirtualPad pad;
    auto second = openPad(pad, kSecondPadMaximum);
    auto first = openPad(pad, kFirstPadMaximum);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first, nullptr);
    Notifications seen(*second);

    const auto both = [&] {
        hub->poll();
        return std::pair{first->state().axes[0], second->state().axes[0]};
    };
    pad.axis(0, 32767);
    EXPECT_EQ(both(), std::pair(65535, 10000));
    pad.axis(0, -32768);
    EXPECT_EQ(both(), std::pair(0, 0));
    pad.axis(0, 32767 / 20); // 5 %: the dead zone
    EXPECT_EQ(both(), std::pair(32767, 5000));
    pad.axis(0, -32767 / 30); // still the centre: no notification
    EXPECT_EQ(both(), std::pair(32767, 5000));
    pad.axis(0, -32767 * 96 / 100);
    EXPECT_EQ(both(), std::pair(0, 0));
    pad.axis(1, 32767 * 96 / 100);
    hub->poll();
    EXPECT_EQ(second->state().axes[1], 10000);
    EXPECT_EQ(first->state().axes[1], 65535);

    ASSERT_EQ(seen.states.size(), 5u);
    EXPECT_EQ(seen.states[2].axes[0], 5000);
    EXPECT_EQ(seen.states[3].axes[0], 0);
    EXPECT_EQ(seen.states[4].axes[1], 10000);
}

TEST_F(GamepadHubTest, heldButtonsStayDownAtLaterNotificationsAndTheHatReadsInDegrees) {
    VirtualPad pad;
    auto device = openPad(pad, kSecondPadMaximum);
    ASSERT_NE(device, nullptr);
    Notifications seen(*device);

    pad.button(1, true);
    hub->poll();
    hub->poll(); // nothing changed
    pad.hat(SDL_HAT_RIGHT);
    hub->poll();
    pad.hat(SDL_HAT_LEFTUP);
    pad.button(3, true);
    hub->poll();
    pad.button(1, false);
    pad.hat(SDL_HAT_CENTERED);
    hub->poll();

    ASSERT_EQ(seen.states.size(), 4u);
    EXPECT_THAT(seen.states[0].buttons, ElementsAre(0, 1, 0, 0));
    EXPECT_THAT(seen.states[1].buttons, ElementsAre(0, 1, 0, 0));
    EXPECT_THAT(seen.states[1].hats, ElementsAre(9000));
    EXPECT_THAT(seen.states[2].buttons, ElementsAre(0, 1, 0, 1));
    EXPECT_THAT(seen.states[2].hats, ElementsAre(31500));
    EXPECT_THAT(seen.states[3].buttons, ElementsAre(0, 0, 0, 1));
    EXPECT_THAT(seen.states[3].hats, ElementsAre(kHatCentred));
}

TEST_F(GamepadHubTest, anUnpluggedPadIsTakenBackWhenOneOfItsKindComes) {
    auto pad = std::make_unique<VirtualPad>();
    const qsizetype attached = hub->names().size();
    auto device = openPad(*pad, kSecondPadMaximum);
    ASSERT_NE(device, nullptr);
    Notifications seen(*device);
    int changes = 0;
    QObject::connect(hub.get(), &GamepadHub::devicesChanged, [&] { ++changes; });

    pad.reset();
    hub->poll();
    EXPECT_FALSE(device->attached());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(hub->names().size(), attached - 1);
    hub->poll();
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(seen.states.empty());

    VirtualPad again;
    again.button(2, true);
    hub->poll();
    EXPECT_TRUE(device->attached());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(hub->names().size(), attached);
    ASSERT_EQ(seen.states.size(), 1u);
    EXPECT_THAT(seen.states[0].buttons, ElementsAre(0, 0, 1, 0));

    // Reading the new pad, not the old one.
    again.axis(1, -32768);
    hub->poll();
    ASSERT_EQ(seen.states.size(), 2u);
    EXPECT_EQ(seen.states[1].axes[1], 0);
}

TEST_F(GamepadHubTest, anotherPlayersPadOfTheSameKindIsNotTaken) {
    auto mine = std::make_unique<VirtualPad>();
    VirtualPad theirs;
    auto device = openPad(*mine, kFirstPadMaximum);
    auto other = openPad(theirs, kSecondPadMaximum);
    ASSERT_NE(device, nullptr);
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(device->name(), other->name());

    mine.reset();
    hub->poll();
    EXPECT_FALSE(device->attached());
    EXPECT_TRUE(other->attached());

    VirtualPad replacement;
    hub->poll();
    EXPECT_TRUE(device->attached());
    replacement.button(0, true);
    hub->poll();
    EXPECT_EQ(device->state().buttons[0], 1);
    EXPECT_EQ(other->state().buttons[0], 0);
}

TEST_F(GamepadHubTest, onlyAttachedPositionsOpen) {
    VirtualPad pad;
    const int count = static_cast<int>(hub->names().size());
    EXPECT_EQ(hub->openDevice(-1, kFirstPadMaximum), nullptr);
    EXPECT_EQ(hub->openDevice(count, kFirstPadMaximum), nullptr);
    const int index = pad.index();
    ASSERT_EQ(index, count - 1);
    pad.unplug();
    EXPECT_EQ(hub->openDevice(index, kFirstPadMaximum), nullptr);
}

TEST_F(GamepadHubTest, thePollQuickensOnlyWhileADeviceIsOpen) {
    EXPECT_EQ(hub->pollInterval(), GamepadHub::kWatchPollMs);
    VirtualPad pad;
    auto device = openPad(pad, kFirstPadMaximum);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(hub->pollInterval(), GamepadHub::kDevicePollMs);
    device.reset();
    EXPECT_EQ(hub->pollInterval(), GamepadHub::kWatchPollMs);
}

TEST_F(GamepadHubTest, aDeviceOutlivingTheHubIsDetachedAndSdlIsLeftAsItWas) {
    hub.reset();
    // Keeps SDL's joysticks, and so the virtual pad, alive without the hub.
    auto joysticks = JoystickSubsystem::open();
    ASSERT_NE(joysticks, nullptr);
    VirtualPad pad;
    ASSERT_EQ(SDL_JoystickEventState(SDL_QUERY), SDL_ENABLE);
    hub = GamepadHub::open();
    ASSERT_NE(hub, nullptr);
    auto device = openPad(pad, kFirstPadMaximum);
    ASSERT_NE(device, nullptr);

    // The hub reads states directly: nothing lands in SDL's event queue for others to drain.
    pad.button(0, true);
    hub->poll();
    EXPECT_EQ(device->state().buttons[0], 1);
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED),
              0);

    hub.reset();
    EXPECT_FALSE(device->attached());
    EXPECT_EQ(device->state().buttons[0], 1);
    EXPECT_EQ(SDL_JoystickEventState(SDL_QUERY), SDL_ENABLE);
    device.reset();
}

TEST_F(GamepadHubTest, aSlotMayCloseItsDeviceDuringThePoll) {
    VirtualPad pad;
    auto device = openPad(pad, kFirstPadMaximum);
    auto other = openPad(pad, kSecondPadMaximum);
    ASSERT_NE(device, nullptr);
    ASSERT_NE(other, nullptr);
    QObject::connect(device.get(), &GamepadDevice::notified, [&] { other.reset(); });
    QObject::connect(other.get(), &GamepadDevice::notified, [&] { device.reset(); });
    pad.button(0, true);
    hub->poll();
    // The first notified closed the other before its turn came.
    EXPECT_NE(device == nullptr, other == nullptr);
    EXPECT_EQ(hub->pollInterval(), GamepadHub::kDevicePollMs);
}

} // namespace
