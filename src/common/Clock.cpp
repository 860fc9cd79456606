// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Clock.h"

#include <chrono>

namespace pulsadrome {

std::int64_t SteadyClock::milliseconds() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t SystemWallClock::utcSeconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace pulsadrome
