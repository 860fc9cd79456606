// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Games.h"

#include "catalogue/RhythmCatalogue.h"

#include <QHash>

#include <algorithm>
#include <cassert>
#include <utility>

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

SoundGroups soundGroups(int poolFirst, int poolCount) {
    const RhythmCatalogue& rhythms = rhythmCatalogue();
    SoundGroups groups;
    QHash<QString, std::size_t> groupOfText;
    for (int n = poolFirst; n < poolFirst + poolCount; ++n) {
        // A number the catalogue does not hold sounds like no other.
        const CatalogueEntry* entry = rhythms.find(n);
        if (entry) {
            const auto known = groupOfText.constFind(entry->text);
            if (known != groupOfText.cend()) {
                groups[*known].push_back(n);
                continue;
            }
            groupOfText.insert(entry->text, groups.size());
        }
        groups.push_back({n});
    }
    return groups;
}

namespace {

// One rhythm of `group`, each as likely.
int oneOf(Random& random, const std::vector<int>& group) {
    return group.size() == 1
               ? group.front()
               : group[static_cast<std::size_t>(random.below(static_cast<int>(group.size())))];
}

// Takes one element of `left` at random out of it.
template <typename T> T takeOne(Random& random, std::vector<T>& left) {
    const auto i = static_cast<std::size_t>(random.below(static_cast<int>(left.size())));
    T taken = std::move(left[i]);
    left[i] = std::move(left.back());
    left.pop_back();
    return taken;
}

} // namespace

Drawn drawGame(Random& random, const SoundGroups& groups) {
    Drawn drawn{};
    if (groups.size() >= static_cast<std::size_t>(kGameRhythmCount)) {
        std::vector<std::size_t> left(groups.size());
        for (std::size_t g = 0; g < left.size(); ++g) {
            left[g] = g;
        }
        for (int& slot : drawn) {
            slot = oneOf(random, groups[takeOne(random, left)]);
        }
        return drawn;
    }
    // Too few sounds: each once, then the other rhythms fill the slots left.
    std::vector<int> chosen;
    std::vector<int> spare;
    for (const auto& group : groups) {
        const int one = oneOf(random, group);
        chosen.push_back(one);
        for (const int n : group) {
            if (n != one) {
                spare.push_back(n);
            }
        }
    }
    assert(chosen.size() + spare.size() >= static_cast<std::size_t>(kGameRhythmCount));
    while (chosen.size() < static_cast<std::size_t>(kGameRhythmCount)) {
        chosen.push_back(takeOne(random, spare));
    }
    for (int& slot : drawn) {
        slot = takeOne(random, chosen);
    }
    return drawn;
}

Drawn Calcul_niveau(Random& random, int poolFirst, int poolCount) {
    assert(poolCount >= kGameRhythmCount);
    return drawGame(random, soundGroups(poolFirst, poolCount));
}

} // namespace pulsadrome::catalogue
