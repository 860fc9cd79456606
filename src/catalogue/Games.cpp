// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Games.h"

#include <algorithm>
#include <cassert>

namespace pulsadrome::catalogue {

namespace {

std::vector<GameEntry> buildGames() {
    std::vector<GameEntry> all;
    all.reserve(28);
    // The number in a main-series label names the last level of its pool; "15" covers 1 ... 5.
    constexpr std::array<std::pair<int, int>, 8> kMain{
        {{15, 40}, {12, 96}, {18, 144}, {23, 184}, {30, 240}, {38, 304}, {43, 344}, {46, 368}}};
    for (int players = 1; players <= 2; ++players) {
        for (int i = 0; i < 8; ++i) {
            const auto [number, size] = kMain[i];
            all.push_back(
                {QStringLiteral("Label%1%2").arg(number).arg(players == 1 ? 'a' : 'b'),
                 QString::number(i + 1), players, Series::Main, 1, size,
                 players == 1 ? QStringLiteral("score%1").arg(i + 1) : QStringLiteral("1"),
                 players == 1 ? i + 1 : 0});
        }
    }
    struct Other {
        Series series;
        QChar letter;
        int firstTable; // score table of the series' first one-player game
        const char* twoPlayerCode;
    };
    const std::array<Other, 2> others{{{Series::MinimBeat, QLatin1Char('B'), 9, "2"},
                                       {Series::Compound, QLatin1Char('T'), 12, "3"}}};
    for (const auto& other : others) {
        const int first = seriesInfo(other.series).firstRhythm;
        for (int i = 0; i < 6; ++i) {
            const int players = i < 3 ? 1 : 2;
            const int size = 32 * (i % 3 + 1);
            const int table = players == 1 ? other.firstTable + i : 0;
            all.push_back({QStringLiteral("Label%1%2").arg(other.letter).arg(i + 1),
                           QString::number(i % 3 + 1), players, other.series, first, size,
                           players == 1 ? QStringLiteral("score%1").arg(table)
                                        : QString::fromLatin1(other.twoPlayerCode),
                           table});
        }
    }
    return all;
}

} // namespace

const std::vector<GameEntry>& games() {
    static const std::vector<GameEntry> all = buildGames();
    return all;
}

const GameEntry* findGameByLabel(QStringView menuLabel) {
    for (const auto& game : games()) {
        if (game.menuLabel == menuLabel) {
            return &game;
        }
    }
    return nullptr;
}

Drawn Calcul_niveau(Random& random, int poolFirst, int poolCount) {
    assert(poolCount >= kGameRhythmCount);
    Drawn drawn{};
    for (int k = 0; k < kGameRhythmCount; ++k) {
        int x = 0;
        do {
            x = random.below(poolCount) + poolFirst;
        } while (std::find(drawn.begin(), drawn.begin() + k, x) != drawn.begin() + k);
        drawn[k] = x;
    }
    return drawn;
}

} // namespace pulsadrome::catalogue
