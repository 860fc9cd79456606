// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace pulsadrome {

// A monotonic time in milliseconds from an arbitrary start. The program reads the steady clock;
// tests hold one they move by hand, so every wait in a test is exact.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t milliseconds() const = 0;
};

class SteadyClock final : public Clock {
public:
    std::int64_t milliseconds() const override;
};

} // namespace pulsadrome
