// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pulsadrome::play {

// The picture in Metronome_stop: the design picture until the first tick, then the swing.
enum class MetronomePose { Still, Left, Right };

// The run clock of the level screen: the remaining seconds as the text of Label_timer, whether
// Timer2 runs, and the metronome mascot it swings. The screen owns the one-second timer and
// calls Timer2_Timer only while running(); the score and the end test are the run's.
class LevelClock {
public:
    // Label_timer: decimal text, or whatever duration text was copied into it.
    const QString& remaining() const { return remaining_; }
    void setRemaining(const QString& text) { remaining_ = text; }

    bool running() const { return running_; } // Timer2 enabled
    void start() { running_ = true; }
    void stop() { running_ = false; }

    // The mascot keeps its last pose when the clock stops.
    MetronomePose pose() const { return pose_; }

    // The clock's share of a tick: the mascot swings (left on the first tick of the screen, then
    // alternating) and one second goes. False, changing nothing, while the clock is stopped.
    bool tick();

private:
    QString remaining_;
    bool running_ = false;
    bool swingRight_ = false; // which pose comes next; kept across runs
    MetronomePose pose_ = MetronomePose::Still;
};

} // namespace pulsadrome::play
