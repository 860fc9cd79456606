// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Clock.h"

namespace pulsadrome::testing {

// A clock that stands still until the test moves it: the steady time and the date move together.
class ManualClock final : public Clock, public WallClock {
public:
    // 2026-03-02 08:00:00 UTC when the steady time reads kStart.
    static constexpr std::int64_t kStart = 1'000'000;
    static constexpr std::int64_t kStartUtcSeconds = 1'772'438'400;

    std::int64_t milliseconds() const override { return now_; }
    std::int64_t utcSeconds() const override { return kStartUtcSeconds + (now_ - kStart) / 1000; }
    void advance(std::int64_t milliseconds) { now_ += milliseconds; }

private:
    std::int64_t now_ = kStart;
};

} // namespace pulsadrome::testing
