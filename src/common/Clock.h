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

// The date and time, in seconds since 1970-01-01 UTC: when something happened, for the records
// that keep it. The program reads the system's clock; tests set their own.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual std::int64_t utcSeconds() const = 0;
};

class SystemWallClock final : public WallClock {
public:
    std::int64_t utcSeconds() const override;
};

} // namespace pulsadrome
