// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/pad/PadReading.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

struct _SDL_Joystick;

namespace pulsadrome::input {

class GamepadDevice;

// The program's one access to game-pads: SDL's joystick subsystem, polled on the UI thread by a
// QTimer (no thread, no busy loop). Lists the attached pads and notices pads plugged in and out.
// SDL's joystick events are switched off while the hub lives: it reads the pads' states and the
// device list directly, so it never takes events from SDL's queue that belong to someone else.
class GamepadHub : public QObject {
    Q_OBJECT
public:
    // Quick enough for a child's fingers while a pad is open; only hot-plug is watched otherwise.
    static constexpr int kDevicePollMs = 16;
    static constexpr int kWatchPollMs = 250;

    // Nothing when SDL's joystick subsystem cannot start; `error` then says why.
    static std::unique_ptr<GamepadHub> open(QString* error = nullptr);
    ~GamepadHub() override;
    GamepadHub(const GamepadHub&) = delete;
    GamepadHub& operator=(const GamepadHub&) = delete;

    // Attached pads, in SDL's device order (index = list position).
    QStringList names() const;

    // Set-up of the pad at list position `index` for one player: opened, read once at once (one
    // notification), then polled. Returns nullptr when the position is not (or no more) attached
    // or SDL cannot open it. The first reading is in state() on return; its notification comes
    // with the next poll, so that slots connected on return see it.
    std::unique_ptr<GamepadDevice> openDevice(int index, qint32 axisMaximum);

    // One poll: hot-plug, then every open device (tests call it instead of waiting).
    void poll();

    // The timer's current interval in milliseconds.
    int pollInterval() const { return timer_.interval(); }

signals:
    void devicesChanged(); // a pad was plugged in or out; names() has changed

private:
    friend class GamepadDevice;

    GamepadHub();
    void forget(GamepadDevice* device);
    void adjustInterval();
    // SDL's instance ids of the attached pads, in device order.
    static std::vector<qint32> attachedIds();

    QTimer timer_;
    std::vector<GamepadDevice*> devices_;
    std::vector<qint32> knownIds_;
    int previousEventState_ = 0;
};

// One player's pad, opened by the hub. It outlives an unplugging: it takes back a pad of the same
// kind (SDL's GUID and name) when one is plugged in again.
class GamepadDevice : public QObject {
    Q_OBJECT
public:
    ~GamepadDevice() override; // releases the SDL joystick, unregisters from the hub
    GamepadDevice(const GamepadDevice&) = delete;
    GamepadDevice& operator=(const GamepadDevice&) = delete;

    QString name() const { return name_; }
    bool attached() const { return joystick_ != nullptr; } // false while the pad is unplugged
    // Its position in the hub's names() now; -1 while unplugged. Two pads of one make have the
    // same name: this tells which of them it is.
    int listIndex() const;
    const play::PadState& state() const { return state_; }
    qint32 axisMaximum() const { return axisMaximum_; }

signals:
    // The state changed (or the set-up's first reading). Emitted from poll().
    void notified(const pulsadrome::play::PadState& state);

private:
    friend class GamepadHub;

    GamepadDevice(GamepadHub* hub, _SDL_Joystick* joystick, qint32 axisMaximum);
    // The joystick's state now, after SDL_JoystickUpdate.
    play::PadState read() const;
    // Reads the pad; notifies when the state differs from the last one, or when `always`.
    void update(bool always);
    // Closes the SDL joystick when SDL says it was unplugged.
    void dropIfUnplugged();
    // Reopens a newly attached pad of the same kind; true when one was taken.
    bool retake(const std::vector<qint32>& ids);
    void close();

    GamepadHub* hub_;
    _SDL_Joystick* joystick_;
    qint32 axisMaximum_;
    QString name_;
    QByteArray guid_; // SDL's GUID bytes, to recognise the pad when plugged in again
    play::PadState state_;
    bool firstPending_ = false; // the set-up's reading is notified at the next poll
};

} // namespace pulsadrome::input
