// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Clock.h"

namespace pulsadrome::testing {

// A clock that stands still until the test moves it.
class ManualClock final : public Clock {
public:
    std::int64_t milliseconds() const override { return now_; }
    void advance(std::int64_t milliseconds) { now_ += milliseconds; }

private:
    std::int64_t now_ = 1'000'000;
};

} // namespace pulsadrome::testing
