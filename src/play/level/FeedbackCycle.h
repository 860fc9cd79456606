// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pulsadrome::play {

// What a Timer1 tick ended.
enum class FeedbackEnd {
    Nothing,
    Right, // the right answer's two seconds are over: play the next question, then hideRight()
    Wrong, // the wrong answer's two seconds are over: Label_faux is hidden already
};

// The right/wrong feedback of an answer grid: Label_vrai and Label_faux shown or hidden, and the
// two-second countdown (Label_timer1 driven by Timer1). The screen owns the timer and calls
// Timer1_Timer only while running(); a stray tick while stopped does nothing.
class FeedbackCycle {
public:
    static constexpr int kSeconds = 2;

    bool rightShown() const { return right_; }   // Label_vrai visible
    bool wrongShown() const { return wrong_; }   // Label_faux visible
    int countdown() const { return countdown_; } // Label_timer1
    bool running() const { return running_; }    // Timer1 enabled

    void showRight() {
        right_ = true;
        wrong_ = false;
    }
    void showWrong() {
        wrong_ = true;
        right_ = false;
    }
    void hideRight() { right_ = false; }
    void hideBoth() { right_ = wrong_ = false; }

    // Every confirmed cell (judged, replay or without an answer) restarts the two seconds.
    void startCountdown() {
        running_ = true;
        countdown_ = kSeconds;
    }
    void stop() { running_ = false; }

    // One second of the countdown. The timer stops when it reaches 0; the wrong-answer label
    // goes at once, the right-answer label only after the caller has played the next question.
    FeedbackEnd Timer1_Timer();

private:
    bool right_ = false;
    bool wrong_ = false;
    int countdown_ = 0;
    bool running_ = false;
};

} // namespace pulsadrome::play
