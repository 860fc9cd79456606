// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace pulsadrome::input {

// Holds SDL's joystick subsystem open for as long as it lives. SDL's video subsystem is never
// started: the program reads game-pads only.
class JoystickSubsystem {
public:
    // Nothing when SDL cannot start its joystick subsystem; `error` then holds SDL's reason.
    static std::unique_ptr<JoystickSubsystem> open(QString* error = nullptr);
    ~JoystickSubsystem();
    JoystickSubsystem(const JoystickSubsystem&) = delete;
    JoystickSubsystem& operator=(const JoystickSubsystem&) = delete;

    // The names of the game-pads attached now, in device order; empty for a pad SDL cannot name.
    QStringList attachedNames() const;

private:
    JoystickSubsystem() = default;
};

} // namespace pulsadrome::input
