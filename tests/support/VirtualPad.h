// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual game-pad plugged into SDL for the length of a test: two axes, four buttons, one hat.
// SDL shows what it is set to at the next SDL_JoystickUpdate, which the program's polls do.
#pragma once

#include <SDL.h>

#include <gtest/gtest.h>

namespace pulsadrome::testing {

class VirtualPad {
public:
    VirtualPad() {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 1);
        EXPECT_GE(index, 0) << SDL_GetError();
        handle_ = SDL_JoystickOpen(index);
        EXPECT_NE(handle_, nullptr) << SDL_GetError();
    }
    ~VirtualPad() {
        unplug();
        SDL_JoystickClose(handle_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // Its position in SDL's device list now, or -1 once unplugged.
    int index() const {
        const SDL_JoystickID id = SDL_JoystickInstanceID(handle_);
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                return i;
            }
        }
        return -1;
    }
    void unplug() {
        if (const int i = index(); i >= 0) {
            EXPECT_EQ(SDL_JoystickDetachVirtual(i), 0) << SDL_GetError();
        }
    }
    void axis(int axis, Sint16 value) {
        ASSERT_EQ(SDL_JoystickSetVirtualAxis(handle_, axis, value), 0) << SDL_GetError();
    }
    void button(int button, bool down) {
        ASSERT_EQ(SDL_JoystickSetVirtualButton(handle_, button, down ? 1 : 0), 0) << SDL_GetError();
    }
    void hat(Uint8 bits) {
        ASSERT_EQ(SDL_JoystickSetVirtualHat(handle_, 0, bits), 0) << SDL_GetError();
    }

private:
    SDL_Joystick* handle_ = nullptr;
};

} // namespace pulsadrome::testing
