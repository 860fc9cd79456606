// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Random.h"

#include <QString>

namespace pulsadrome::play {

// The bonus on offer for the question being played: Label_bonus (with Shape_bonus, shown
// together), its 20-second life in Label_timer_bonus, and whether Timer_bonus runs. The screen
// owns the one-second timer and calls Timer_bonus_Timer only while running().
class Bonus {
public:
    static constexpr int kLifeSeconds = 20;

    const QString& label() const { return label_; }  // "0", "+50", "+100", "+150" or "+200"
    int points() const;                              // the number in the label: "+150" is 150
    bool shown() const { return shown_; }            // Label_bonus and Shape_bonus visible
    int secondsLeft() const { return secondsLeft_; } // Label_timer_bonus
    bool running() const { return running_; }        // Timer_bonus enabled

    // A new bonus for the question about to be played: none 90 times in 100, "+50" 4, "+100" 3,
    // "+150" 2, "+200" 1. The 20 seconds start again even when no bonus follows.
    void Calcul_bonus(Random& random);
    // The next question carries no bonus, without a draw (bonuses turned off).
    void noBonus();
    // One second of the bonus's life; at 0 the bonus lapses.
    void Timer_bonus_Timer();

    // The start of a game: no bonus shown. The timer is left to the draw that follows.
    void clear();
    // Stopping a game: the countdown stops, the label stays as it is.
    void stopCountdown() { running_ = false; }

private:
    void lapse();

    QString label_ = QStringLiteral("0");
    bool shown_ = false;
    int secondsLeft_ = kLifeSeconds;
    bool running_ = false;
};

} // namespace pulsadrome::play
