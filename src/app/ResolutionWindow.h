// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Startup.h"
#include "ui/Form.h"

#include <QTimer>

#include <functional>

namespace pulsadrome::app {

// The start's screen-size check. On a screen at least 800 pixels wide it hands over to the
// player choice at once and is never seen; on a narrower one it warns (in French) and watches
// the width every 2 seconds. Closing the warning from its title bar ends the check as its own
// close does: with no other window, the program ends.
class ResolutionWindow : public ui::Form {
    Q_OBJECT
public:
    // `screenWidth` reads the width now; `onStep` carries out a step's effects outside the
    // window (showing the player choice, opening the instructions).
    ResolutionWindow(std::function<int()> screenWidth,
                     std::function<void(const ResolutionStep&)> onStep, QWidget* parent = nullptr);

    // The start: either hands over at once or shows the warning.
    void start();
    void Command1_Click();
    void Timer1_Timer();
    QTimer& timer() { return timer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void carryOut(const ResolutionStep& step);

    std::function<int()> screenWidth_;
    std::function<void(const ResolutionStep&)> onStep_;
    QTimer timer_;
    bool stepCloses_ = false; // the close comes from a step that has been carried out
};

} // namespace pulsadrome::app
