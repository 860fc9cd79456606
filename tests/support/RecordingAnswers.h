// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/AnswerPort.h"

#include <vector>

namespace pulsadrome::testing {

// Keeps what the rules tell of the answers: each answer, and how many times the question was
// played and a run ended before it.
class RecordingAnswers final : public play::AnswerPort {
public:
    struct Told {
        play::GivenAnswer answer;
        int playedBefore = 0; // questionPlayed() calls before this answer
    };

    void questionPlayed() override { ++played; }
    void answered(const play::GivenAnswer& answer) override { told.push_back({answer, played}); }
    app::StoreStatus runEnded() override {
        ++ends;
        return endStatus;
    }

    std::vector<Told> told;
    int played = 0;
    int ends = 0;
    app::StoreStatus endStatus; // what runEnded() says
};

} // namespace pulsadrome::testing
