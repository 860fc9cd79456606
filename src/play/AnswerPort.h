// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/Activity.h"
#include "app/PlayerStore.h"

namespace pulsadrome::play {

// An answer as the screen's rules judged it.
struct GivenAnswer {
    answers::Activity activity;
    int played = 0; // the rhythm asked
    int chosen = 0; // the rhythm of the confirmed cell
    bool right = false;

    bool operator==(const GivenAnswer&) const = default;
};

// Where the level and games screens' rules tell each answer the child gives, so that it is
// logged (app::AnswerLog is the real one). Only answers are told: a replay, a cell without a
// rhythm and the second player of a two-player game (a name typed on the menu, not a player of
// the database) are not.
class AnswerPort {
public:
    virtual ~AnswerPort() = default;
    // The question's rhythm has just started, the first time or again: the time to answer
    // counts from here.
    virtual void questionPlayed() = 0;
    virtual void answered(const GivenAnswer& answer) = 0;
    // The run is over (its end, a stop, the way back): what it answered is written now.
    virtual app::StoreStatus runEnded() = 0;
};

} // namespace pulsadrome::play
