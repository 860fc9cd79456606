// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers/Activity.h"

#include "catalogue/Games.h"
#include "catalogue/Levels.h"
#include "catalogue/Practice.h"

#include <algorithm>

namespace pulsadrome::answers {

namespace {

constexpr int kOnePlayerGames = 100;
constexpr int kTwoPlayerGames = 200;
constexpr int kPractice = 300;

} // namespace

std::optional<int> activityNumber(const Activity& activity) {
    if (activity.kind == Activity::Kind::Practice) {
        const auto series = catalogue::seriesOfPracticeCode(activity.code);
        if (!series) {
            return std::nullopt;
        }
        const auto& all = catalogue::kPracticeSeries;
        return kPractice +
               static_cast<int>(std::find(all.begin(), all.end(), *series) - all.begin()) + 1;
    }
    if (activity.kind == Activity::Kind::Level) {
        const auto& all = catalogue::levels();
        const catalogue::Level* level = catalogue::findLevelByCode(activity.code);
        if (!level) {
            return std::nullopt;
        }
        return static_cast<int>(level - all.data()) + 1;
    }
    for (const auto& game : catalogue::games()) {
        if (game.code == activity.code) {
            return game.players == 1 ? kOnePlayerGames + game.scoreTable
                                     : kTwoPlayerGames + game.code.toInt();
        }
    }
    return std::nullopt;
}

std::optional<Activity> activityOfNumber(int number) {
    const auto& all = catalogue::levels();
    if (number >= 1 && number <= static_cast<int>(all.size())) {
        return Activity{Activity::Kind::Level, all[static_cast<std::size_t>(number - 1)].code};
    }
    for (const auto& game : catalogue::games()) {
        if (activityNumber({Activity::Kind::Game, game.code}) == number) {
            return Activity{Activity::Kind::Game, game.code};
        }
    }
    const auto& practice = catalogue::kPracticeSeries;
    if (number > kPractice && number <= kPractice + static_cast<int>(practice.size())) {
        return Activity{
            Activity::Kind::Practice,
            catalogue::practiceCode(practice[static_cast<std::size_t>(number - kPractice - 1)])};
    }
    return std::nullopt;
}

Activity levelScreenActivity(const QString& levelCode) {
    return {catalogue::seriesOfPracticeCode(levelCode) ? Activity::Kind::Practice
                                                       : Activity::Kind::Level,
            levelCode};
}

} // namespace pulsadrome::answers
