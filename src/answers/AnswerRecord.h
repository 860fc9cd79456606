// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/Activity.h"

#include <QtGlobal>

namespace pulsadrome::answers {

// One answer a child gave on the level screen or the games screen: the rhythm heard, the one
// confirmed, and the verdict the screen's rules gave (a game takes a rhythm that sounds like the
// one asked as right; a level compares the cells).
struct AnswerRecord {
    qint64 player = 0;     // the player's row in the player database
    qint64 utcSeconds = 0; // when the answer was given, seconds since 1970-01-01 UTC
    Activity activity;     // the level or game played
    int played = 0;        // the rhythm heard, 1 ... 560
    int chosen = 0;        // the rhythm of the confirmed cell, 1 ... 560
    bool right = false;
    qint64 answerMs = 0; // from the rhythm's last start, or the previous answer, to this one
    int tempo = 0;       // the tempo arrows' value, before the series' scaling
    int band = 0;        // the band's position in the band list

    bool operator==(const AnswerRecord&) const = default;
};

} // namespace pulsadrome::answers
