// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Levels.h"

namespace pulsadrome::catalogue {

namespace {

Slot rhythmSlot(int rhythm) {
    return Slot{true, pictureOf(rhythm), rhythm};
}

Level starterLevel1a() {
    Level level{QStringLiteral("Label_1a"), QStringLiteral("1a"), 1, Series::Main, 1, {}, {}};
    for (int i = 0; i < 3; ++i) {
        level.cells[i] = Slot{false, kPlaceholderPicture, 0};
    }
    level.cells[3] = Slot{true, kPlaceholderPicture, 0};
    level.cells[4] = Slot{true, kPlaceholderPicture, 0};
    for (int i = 5; i < 8; ++i) {
        level.cells[i] = rhythmSlot(i + 1);
        level.answers.push_back({i + 1, i + 1});
    }
    return level;
}

// Rhythms 1 ... 5 answer as 1 ... 5 while their pictures sit in cells 6, 7, 8, 4, 5.
Level starterLevel1b() {
    Level level{QStringLiteral("Label_1b"), QStringLiteral("1b"), 2, Series::Main, 2, {}, {}};
    for (int i = 0; i < 3; ++i) {
        level.cells[i] = Slot{false, kPlaceholderPicture, 0};
    }
    constexpr std::array<int, 5> kSlotRhythms{4, 5, 1, 2, 3}; // cells 4 ... 8
    for (int i = 0; i < 5; ++i) {
        level.cells[3 + i] = rhythmSlot(kSlotRhythms[i]);
    }
    level.answers = {{4, 4}, {5, 5}, {1, 1}, {2, 2}, {3, 3}};
    return level;
}

Level ordinaryLevel(QString menuLabel, QString code, int displayNumber, Series series, int k,
                    int indexInSeries) {
    Level level{
        std::move(menuLabel), std::move(code), displayNumber, series, indexInSeries, {}, {}};
    const int first = seriesInfo(series).firstRhythm + 8 * (k - 1);
    for (int i = 0; i < kSlotCount; ++i) {
        level.cells[i] = rhythmSlot(first + i);
        level.answers.push_back({i + 1, first + i});
    }
    return level;
}

std::vector<Level> buildLevels() {
    std::vector<Level> all;
    all.reserve(72);
    all.push_back(starterLevel1a());
    all.push_back(starterLevel1b());
    for (int k = 1; k <= 46; ++k) {
        all.push_back(ordinaryLevel(QStringLiteral("Niveau%1").arg(k), QString::number(k), k + 2,
                                    Series::Main, k, k + 2));
    }
    for (int k = 1; k <= 12; ++k) {
        const QString two = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        all.push_back(ordinaryLevel(QStringLiteral("Niveau%1T").arg(two), QString::number(100 + k),
                                    k, Series::Compound, k, k));
    }
    for (int k = 1; k <= 12; ++k) {
        const QString two = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        all.push_back(ordinaryLevel(QStringLiteral("Niveau%1B").arg(two), QString::number(200 + k),
                                    k, Series::MinimBeat, k, k));
    }
    return all;
}

} // namespace

const std::vector<Level>& levels() {
    static const std::vector<Level> all = buildLevels();
    return all;
}

const Level* findLevelByLabel(QStringView menuLabel) {
    for (const auto& level : levels()) {
        if (level.menuLabel == menuLabel) {
            return &level;
        }
    }
    return nullptr;
}

const Level* findLevelByCode(QStringView code) {
    for (const auto& level : levels()) {
        if (level.code == code) {
            return &level;
        }
    }
    return nullptr;
}

const Level* nextLevel(const Level& level) {
    const auto& all = levels();
    const auto index = static_cast<std::size_t>(&level - all.data());
    if (index + 1 < all.size() && all[index + 1].series == level.series) {
        return &all[index + 1];
    }
    return nullptr;
}

} // namespace pulsadrome::catalogue
