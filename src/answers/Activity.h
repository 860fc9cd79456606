// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace pulsadrome::answers {

// A level, a game or a practice level, by the code written into Label_NN. The kind tells them
// apart: "1" is the main series' level 1 or its two-player game. A practice level's answers
// are the child's as much as any (they count in the confusions, the weeks and the time played)
// but belong to no level of the catalogue, so no level's accuracy or day of pass takes them.
struct Activity {
    enum class Kind { Level, Game, Practice };
    Kind kind = Kind::Level;
    // "1a", "1b", "1" ... "46", "101" ... "212"; "score1" ... "score14", "1" ... "3";
    // "practice1" ... "practice3"
    QString code;

    bool operator==(const Activity&) const = default;
};

// The activity as one small integer, the form the answer log stores: a level is its place in
// catalogue::levels() (1 ... 72), a one-player game 100 + its score table (101 ... 114), a
// two-player game 200 + its code (201 ... 203), a practice level 300 + the number ending its
// code (301 ... 303). Ordered so: the levels in catalogue order, then the games, then practice.
// None for a code the catalogue does not know.
std::optional<int> activityNumber(const Activity& activity);
std::optional<Activity> activityOfNumber(int number);

// What the level screen plays under `levelCode`: a practice level for a practice code, else a
// level.
Activity levelScreenActivity(const QString& levelCode);

} // namespace pulsadrome::answers
