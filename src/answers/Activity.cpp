// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers/Activity.h"

#include "catalogue/Games.h"
#include "catalogue/Levels.h"

namespace pulsadrome::answers {

namespace {

constexpr int kOnePlayerGames = 100;
constexpr int kTwoPlayerGames = 200;

} // namespace

std::optional<int> activityNumber(const Activity& activity) {
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
    return std::nullopt;
}

} // namespace pulsadrome::answers
