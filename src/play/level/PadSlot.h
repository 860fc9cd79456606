// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/CaptionTable.h"
#include "play/level/OptionPanel.h"
#include "play/pad/PadReading.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace pulsadrome::input {
class GamepadDevice;
class GamepadHub;
} // namespace pulsadrome::input

namespace pulsadrome::play {

// The lines of the list of pads: SDL's names, a pad SDL cannot name numbered by its place in
// the captions' language ("Manette 2").
QStringList padListLines(const QStringList& names, const i18n::CaptionTable& captions);

// One player's game-pad on a play screen: the panel's yes / no choice and list of pads, the pad
// set up from them, and what its notifications do to the run. A pad, once set up, stays set up
// while the screen lives, also while the screen is hidden behind the menu; its notifications
// then only recolour the test square. The choice is not stored: every screen starts without.
class PadSlot : public QObject {
    Q_OBJECT
public:
    struct Run {
        std::function<bool()> awaitsAnswer; // no right answer shown and the clock runs
        std::function<void(PadAction)> act; // a move or a confirmation of this player
    };

    // `hub` may be null: game-pads cannot be read, and `hubError` says why.
    PadSlot(input::GamepadHub* hub, const QString& hubError, qint32 axisMaximum,
            const PadControls& controls, const i18n::CaptionTable& captions, Run run,
            QObject* parent = nullptr);
    ~PadSlot() override;

    // InitDirectInput: the list of attached pads; "yes" only when there is one.
    void InitDirectInput();
    // "Yes": the list enabled and its first pad set up.
    void Option_joystick1_Click();
    // "No": the list disabled and deselected, and the pad released so that it acts no more.
    void Option_joystick2_Click();
    // A pad chosen in the list: the old one released first, then the new one set up.
    void lstJoySticks_Click(int row);
    // One notification of the pad: its whole state, read now.
    void DXCallback(const PadState& state);

    input::GamepadDevice* device() const { return device_.get(); }
    qint32 testColour() const { return testColour_; } // Label_test1: red 255 or blue 16711680

private:
    void fillList();
    void CLRLISTS();
    void showTestColour();

    input::GamepadHub* hub_;
    QString hubError_;
    qint32 axisMaximum_;
    PadControls controls_;
    const i18n::CaptionTable& captions_;
    Run run_;
    std::unique_ptr<input::GamepadDevice> device_;
    qint32 testColour_ = kTestSquareBlue;
};

} // namespace pulsadrome::play
