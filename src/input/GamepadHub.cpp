// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/GamepadHub.h"

#include <QLoggingCategory>
#include <QPointer>

#include <SDL.h>

#include <algorithm>
#include <utility>

namespace pulsadrome::input {

namespace {

Q_LOGGING_CATEGORY(lcPads, "pulsadrome.input")

QString sdlError() {
    return QString::fromUtf8(SDL_GetError());
}

QByteArray guidBytes(SDL_JoystickGUID guid) {
    return QByteArray(reinterpret_cast<const char*>(guid.data), sizeof guid.data);
}

// A pad SDL cannot name is listed unnamed: the screens number it in the player's language.
QString nameOf(const char* name) {
    return name ? QString::fromUtf8(name) : QString();
}

} // namespace

// --- hub -----------------------------------------------------------------------------------------

std::unique_ptr<GamepadHub> GamepadHub::open(QString* error) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        if (error) {
            *error = sdlError();
        }
        return nullptr;
    }
    // The hub reads states and the device list itself; SDL's joystick events would only pile up
    // in a queue that nobody drains.
    const int previous = SDL_JoystickEventState(SDL_QUERY);
    if (previous < 0 || SDL_JoystickEventState(SDL_IGNORE) < 0) {
        if (error) {
            *error = sdlError();
        }
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return nullptr;
    }
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
    std::unique_ptr<GamepadHub> hub(new GamepadHub());
    hub->previousEventState_ = previous;
    return hub;
}

GamepadHub::GamepadHub() {
    qRegisterMetaType<play::PadState>();
    SDL_JoystickUpdate();
    knownIds_ = attachedIds();
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &GamepadHub::poll);
    adjustInterval();
    timer_.start();
}

GamepadHub::~GamepadHub() {
    timer_.stop();
    // The devices may live on; they lose their joysticks before SDL's subsystem goes.
    for (GamepadDevice* device : devices_) {
        device->close();
        device->hub_ = nullptr;
    }
    devices_.clear();
    if (SDL_JoystickEventState(previousEventState_) < 0) {
        qCWarning(lcPads) << "Joystick events not restored:" << sdlError();
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

std::vector<qint32> GamepadHub::attachedIds() {
    std::vector<qint32> ids;
    const int count = SDL_NumJoysticks();
    if (count < 0) {
        qCWarning(lcPads) << "Game-pads not listed:" << sdlError();
        return ids;
    }
    ids.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // -1 for a pad gone since the count: the list stays in device order.
        ids.push_back(SDL_JoystickGetDeviceInstanceID(i));
    }
    return ids;
}

QStringList GamepadHub::names() const {
    // Pads plugged in since the last poll are listed too; the next poll still signals them.
    SDL_JoystickUpdate();
    QStringList names;
    const int count = SDL_NumJoysticks();
    if (count < 0) {
        qCWarning(lcPads) << "Game-pads not listed:" << sdlError();
        return names;
    }
    for (int i = 0; i < count; ++i) {
        names << nameOf(SDL_JoystickNameForIndex(i));
    }
    return names;
}

int GamepadDevice::listIndex() const {
    if (!joystick_) {
        return -1;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    const std::vector<qint32> ids = GamepadHub::attachedIds();
    const auto at = std::find(ids.begin(), ids.end(), id);
    return at == ids.end() ? -1 : static_cast<int>(at - ids.begin());
}

std::unique_ptr<GamepadDevice> GamepadHub::openDevice(int index, qint32 axisMaximum) {
    // The list may have changed since names() was read: look at it as it is now.
    SDL_JoystickUpdate();
    const int count = SDL_NumJoysticks();
    if (index < 0 || count < 0 || index >= count) {
        return nullptr;
    }
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (!joystick) {
        qCWarning(lcPads) << "Game-pad" << index + 1 << "not opened:" << sdlError();
        return nullptr;
    }
    std::unique_ptr<GamepadDevice> device(new GamepadDevice(this, joystick, axisMaximum));
    devices_.push_back(device.get());
    adjustInterval();
    device->state_ = device->read();
    device->firstPending_ = true;
    return device;
}

void GamepadHub::forget(GamepadDevice* device) {
    devices_.erase(std::remove(devices_.begin(), devices_.end(), device), devices_.end());
    adjustInterval();
}

void GamepadHub::adjustInterval() {
    const int interval = devices_.empty() ? kWatchPollMs : kDevicePollMs;
    if (timer_.interval() != interval) {
        timer_.setInterval(interval);
    }
}

void GamepadHub::poll() {
    // Reads every open joystick and looks for pads plugged in or out.
    SDL_JoystickUpdate();
    const std::vector<qint32> ids = attachedIds();
    const bool listChanged = ids != knownIds_;
    knownIds_ = ids;

    // A slot may delete devices, or the hub itself: every step checks what is still there.
    QPointer<GamepadHub> self(this);
    std::vector<QPointer<GamepadDevice>> devices(devices_.begin(), devices_.end());
    if (listChanged) {
        for (const QPointer<GamepadDevice>& device : devices) {
            if (device) {
                device->dropIfUnplugged();
            }
        }
        for (const QPointer<GamepadDevice>& device : devices) {
            if (device && !device->attached() && device->retake(ids)) {
                device->firstPending_ = false;
                device->update(true);
                if (!self) {
                    return;
                }
            }
        }
    }
    for (const QPointer<GamepadDevice>& device : devices) {
        if (device && device->attached()) {
            device->update(std::exchange(device->firstPending_, false));
            if (!self) {
                return;
            }
        }
    }
    if (listChanged) {
        emit devicesChanged();
    }
}

// --- device --------------------------------------------------------------------------------------

GamepadDevice::GamepadDevice(GamepadHub* hub, SDL_Joystick* joystick, qint32 axisMaximum)
    : hub_(hub), joystick_(joystick), axisMaximum_(axisMaximum),
      guid_(guidBytes(SDL_JoystickGetGUID(joystick))) {
    const char* name = SDL_JoystickName(joystick);
    name_ = name ? QString::fromUtf8(name) : QString();
}

GamepadDevice::~GamepadDevice() {
    close();
    if (hub_) {
        hub_->forget(this);
    }
}

void GamepadDevice::close() {
    if (joystick_) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }
}

play::PadState GamepadDevice::read() const {
    play::PadState state;
    const int axes = SDL_JoystickNumAxes(joystick_);
    const int buttons = SDL_JoystickNumButtons(joystick_);
    const int hats = SDL_JoystickNumHats(joystick_);
    if (axes < 0 || buttons < 0 || hats < 0) {
        qCWarning(lcPads) << "Game-pad" << name_ << "not read:" << sdlError();
        return state_;
    }
    for (int i = 0; i < std::min(axes, play::kPadAxisCount); ++i) {
        state.axisPresent[i] = true;
        state.axes[i] = play::scaleAxis(SDL_JoystickGetAxis(joystick_, i), axisMaximum_);
    }
    state.buttons.resize(static_cast<std::size_t>(std::min(buttons, play::kPadButtonLimit)));
    for (std::size_t b = 0; b < state.buttons.size(); ++b) {
        state.buttons[b] = SDL_JoystickGetButton(joystick_, static_cast<int>(b));
    }
    state.hats.resize(static_cast<std::size_t>(std::min(hats, play::kPadHatLimit)));
    for (std::size_t h = 0; h < state.hats.size(); ++h) {
        state.hats[h] = play::hatHundredths(SDL_JoystickGetHat(joystick_, static_cast<int>(h)));
    }
    return state;
}

void GamepadDevice::update(bool always) {
    play::PadState now = read();
    if (!always && now == state_) {
        return;
    }
    state_ = std::move(now);
    emit notified(state_);
}

void GamepadDevice::dropIfUnplugged() {
    if (joystick_ && !SDL_JoystickGetAttached(joystick_)) {
        close();
    }
}

bool GamepadDevice::retake(const std::vector<qint32>& ids) {
    for (int index = 0; index < static_cast<int>(ids.size()); ++index) {
        const qint32 id = ids[static_cast<std::size_t>(index)];
        const char* name = SDL_JoystickNameForIndex(index);
        if (guidBytes(SDL_JoystickGetDeviceGUID(index)) != guid_ ||
            (name ? QString::fromUtf8(name) : QString()) != name_) {
            continue;
        }
        // Another player's pad of the same kind stays theirs.
        const bool held = std::any_of(
            hub_->devices_.begin(), hub_->devices_.end(), [id](const GamepadDevice* other) {
                return other->joystick_ && SDL_JoystickInstanceID(other->joystick_) == id;
            });
        if (held) {
            continue;
        }
        joystick_ = SDL_JoystickOpen(index);
        if (!joystick_) {
            qCWarning(lcPads) << "Game-pad" << name_ << "not reopened:" << sdlError();
            continue;
        }
        return true;
    }
    return false;
}

} // namespace pulsadrome::input
