// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Clock.h"

#include <QtCore/qnamespace.h>

#include <cstdint>

namespace pulsadrome::play {

// When the window that ends a game (the score table, the winner) may close. A child still
// pressing the game's keys as the clock runs out must see it: for its first second nothing
// closes it, and then only Escape, Enter or a click on its close mark does. A key held down
// since before (its repeats) never closes it; the game's own keys never do.
class EndWindowKeys {
public:
    static constexpr std::int64_t kQuietMilliseconds = 1000;

    explicit EndWindowKeys(const Clock& clock) : clock_(clock) {}

    // The window has just been shown.
    void opened() { openedAt_ = clock_.milliseconds(); }
    bool quiet() const;
    bool closesOnKey(int qtKey, bool autoRepeat) const;
    bool closesOnClick() const { return !quiet(); }

private:
    const Clock& clock_;
    std::int64_t openedAt_ = 0;
};

} // namespace pulsadrome::play
