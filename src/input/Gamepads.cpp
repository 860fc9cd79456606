// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/Gamepads.h"

#include <SDL.h>

namespace pulsadrome::input {

std::unique_ptr<JoystickSubsystem> JoystickSubsystem::open(QString* error) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        if (error) {
            *error = QString::fromUtf8(SDL_GetError());
        }
        return nullptr;
    }
    return std::unique_ptr<JoystickSubsystem>(new JoystickSubsystem());
}

JoystickSubsystem::~JoystickSubsystem() {
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

QStringList JoystickSubsystem::attachedNames() const {
    QStringList names;
    SDL_JoystickUpdate();
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_JoystickNameForIndex(i);
        // A pad SDL cannot name keeps its place, unnamed: the screens number it in their language.
        names << (name ? QString::fromUtf8(name) : QString());
    }
    return names;
}

} // namespace pulsadrome::input
