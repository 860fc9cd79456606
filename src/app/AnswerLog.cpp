// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnswerLog.h"

#include "play/level/NumericText.h"

#include <algorithm>

namespace pulsadrome::app {

void AnswerLog::questionPlayed() {
    since_ = clock_->milliseconds();
}

void AnswerLog::answered(const play::GivenAnswer& answer) {
    const std::int64_t now = clock_->milliseconds();
    const std::int64_t elapsed = since_ ? std::max<std::int64_t>(now - *since_, 0) : 0;
    // The next answer to the same question counts from this one.
    since_ = now;
    const std::optional<RowId> player = store_.currentId();
    if (!player) {
        return;
    }
    const PlayerRecord& record = store_.current();
    waiting_.push_back({*player, wallClock_->utcSeconds(), answer.activity, answer.played,
                        answer.chosen, answer.right, elapsed,
                        static_cast<int>(play::leadingNumber(record.tempo)),
                        static_cast<int>(play::leadingNumber(record.instruments))});
}

StoreStatus AnswerLog::flush() {
    if (waiting_.empty()) {
        return {};
    }
    StoreStatus status = store_.appendAnswers(waiting_);
    if (status) {
        waiting_.clear();
    }
    return status;
}

} // namespace pulsadrome::app
