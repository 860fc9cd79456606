// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace pulsadrome::answers {

// A level or a game, by the code the menu writes into Label_NN. The kind tells them apart: "1"
// is the main series' level 1 or its two-player game.
struct Activity {
    enum class Kind { Level, Game };
    Kind kind = Kind::Level;
    QString code; // "1a", "1b", "1" ... "46", "101" ... "212"; "score1" ... "score14", "1" ... "3"

    bool operator==(const Activity&) const = default;
};

// The activity as one small integer, the form the answer log stores: a level is its place in
// catalogue::levels() (1 ... 72), a one-player game 100 + its score table (101 ... 114), a
// two-player game 200 + its code (201 ... 203). Ordered so: the levels in catalogue order, then
// the games. None for a code the catalogue does not know.
std::optional<int> activityNumber(const Activity& activity);
std::optional<Activity> activityOfNumber(int number);

} // namespace pulsadrome::answers
