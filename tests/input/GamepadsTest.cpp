// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/Gamepads.h"

#include <SDL.h>

#include <gmock/gmock.h>

using namespace pulsadrome::input;

namespace {

TEST(Gamepads, aPluggedInPadIsListedAndAnUnpluggedOneIsNot) {
    QString error;
    auto joysticks = JoystickSubsystem::open(&error);
    ASSERT_NE(joysticks, nullptr) << error.toStdString();
    const int before = static_cast<int>(joysticks->attachedNames().size());

    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 1);
    ASSERT_GE(index, 0) << SDL_GetError();
    const QStringList names = joysticks->attachedNames();
    EXPECT_EQ(names.size(), before + 1);

    ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
    EXPECT_EQ(joysticks->attachedNames().size(), before);
}

} // namespace
