// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/AnswerRecord.h"
#include "app/PlayerStore.h"
#include "common/Clock.h"
#include "play/AnswerPort.h"

#include <optional>
#include <vector>

namespace pulsadrome::app {

// The answers of the current player, kept in memory while a level or a game runs and written
// into the player database's answer log in one transaction when the run is over, when the
// player changes and when the program ends, so that play never waits for the disk. Answers a
// write could not take stay and go with the next one.
class AnswerLog final : public play::AnswerPort {
public:
    // The store, whose current player answers, and the clocks outlive the log.
    AnswerLog(PlayerStore& store, const Clock& clock, const WallClock& wallClock)
        : store_(store), clock_(&clock), wallClock_(&wallClock) {}

    // Tests give clocks of their own before the first answer.
    void setClocks(const Clock& clock, const WallClock& wallClock) {
        clock_ = &clock;
        wallClock_ = &wallClock;
    }

    void questionPlayed() override;
    // Records the answer for the current player, with the time, the time to answer and the
    // player's tempo and band; with no current player nothing is recorded.
    void answered(const play::GivenAnswer& answer) override;
    StoreStatus runEnded() override { return flush(); }

    // Writes what is waiting, all or nothing; on failure it stays waiting.
    StoreStatus flush();
    const std::vector<answers::AnswerRecord>& waiting() const { return waiting_; }

private:
    PlayerStore& store_;
    const Clock* clock_;
    const WallClock* wallClock_;
    std::optional<std::int64_t> since_; // the steady time the time to answer counts from
    std::vector<answers::AnswerRecord> waiting_;
};

} // namespace pulsadrome::app
