// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Practice.h"

#include "catalogue/RhythmCatalogue.h"

#include <algorithm>

namespace pulsadrome::catalogue {

namespace {

// The level (not a starter) whose grid holds `rhythm`.
const Level* levelHolding(int rhythm) {
    for (const Level& level : levels()) {
        if (level.isStarter()) {
            continue;
        }
        for (const AnswerWrite& answer : level.answers) {
            if (answer.rhythm == rhythm) {
                return &level;
            }
        }
    }
    return nullptr;
}

} // namespace

QString practiceCode(Series series) {
    const auto place = std::find(kPracticeSeries.begin(), kPracticeSeries.end(), series);
    return QStringLiteral("practice%1").arg(place - kPracticeSeries.begin() + 1);
}

std::optional<Series> seriesOfPracticeCode(QStringView code) {
    for (const Series series : kPracticeSeries) {
        if (code == practiceCode(series)) {
            return series;
        }
    }
    return std::nullopt;
}

std::optional<Level> practiceLevel(const std::vector<int>& confused) {
    const auto first = std::find_if(confused.begin(), confused.end(),
                                    [](int rhythm) { return seriesOfRhythm(rhythm).has_value(); });
    if (first == confused.end()) {
        return std::nullopt;
    }
    const Series series = *seriesOfRhythm(*first);
    std::vector<int> chosen;
    const auto take = [&chosen, series](int rhythm) {
        if (static_cast<int>(chosen.size()) >= kSlotCount || seriesOfRhythm(rhythm) != series) {
            return;
        }
        if (std::any_of(chosen.begin(), chosen.end(),
                        [rhythm](int other) { return soundsAlike(rhythm, other); })) {
            return;
        }
        chosen.push_back(rhythm);
    };
    for (const int rhythm : confused) {
        take(rhythm);
    }
    // The levels of the rhythms taken, in the order they were taken, give the rest; should
    // twins of other levels leave a cell empty still, the levels of the series after the first
    // rhythm's fill it.
    std::vector<const Level*> fillers;
    for (const int rhythm : std::vector<int>(chosen)) {
        fillers.push_back(levelHolding(rhythm));
    }
    const auto& all = levels();
    const auto from = std::find_if(all.begin(), all.end(), [&fillers](const Level& level) {
        return &level == fillers.front();
    });
    for (auto level = from; level != all.end(); ++level) {
        fillers.push_back(&*level);
    }
    for (auto level = all.begin(); level != from; ++level) {
        fillers.push_back(&*level);
    }
    for (const Level* level : fillers) {
        if (level && !level->isStarter()) {
            for (const AnswerWrite& answer : level->answers) {
                take(answer.rhythm);
            }
        }
    }

    Level level{QString(), practiceCode(series), 0, series, 0, {}, {}};
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        level.cells[i] = Slot{true, pictureOf(chosen[i]), chosen[i]};
        level.answers.push_back({static_cast<int>(i) + 1, chosen[i]});
    }
    return level;
}

} // namespace pulsadrome::catalogue
