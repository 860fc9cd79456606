// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Games.h"
#include "catalogue/RhythmCatalogue.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <map>
#include <set>

using namespace pulsadrome;
using namespace pulsadrome::catalogue;

namespace {

struct GameRow {
    const char* label;
    const char* caption;
    int players;
    Series series;
    int poolFirst;
    int poolCount;
    const char* code;
    int scoreTable;
};

// The whole game table as the menu shows it.
const GameRow kGameRows[] = {
    {"Label15a", "1", 1, Series::Main, 1, 40, "score1", 1},
    {"Label12a", "2", 1, Series::Main, 1, 96, "score2", 2},
    {"Label18a", "3", 1, Series::Main, 1, 144, "score3", 3},
    {"Label23a", "4", 1, Series::Main, 1, 184, "score4", 4},
    {"Label30a", "5", 1, Series::Main, 1, 240, "score5", 5},
    {"Label38a", "6", 1, Series::Main, 1, 304, "score6", 6},
    {"Label43a", "7", 1, Series::Main, 1, 344, "score7", 7},
    {"Label46a", "8", 1, Series::Main, 1, 368, "score8", 8},
    {"Label15b", "1", 2, Series::Main, 1, 40, "1", 0},
    {"Label12b", "2", 2, Series::Main, 1, 96, "1", 0},
    {"Label18b", "3", 2, Series::Main, 1, 144, "1", 0},
    {"Label23b", "4", 2, Series::Main, 1, 184, "1", 0},
    {"Label30b", "5", 2, Series::Main, 1, 240, "1", 0},
    {"Label38b", "6", 2, Series::Main, 1, 304, "1", 0},
    {"Label43b", "7", 2, Series::Main, 1, 344, "1", 0},
    {"Label46b", "8", 2, Series::Main, 1, 368, "1", 0},
    {"LabelB1", "1", 1, Series::MinimBeat, 465, 32, "score9", 9},
    {"LabelB2", "2", 1, Series::MinimBeat, 465, 64, "score10", 10},
    {"LabelB3", "3", 1, Series::MinimBeat, 465, 96, "score11", 11},
    {"LabelB4", "1", 2, Series::MinimBeat, 465, 32, "2", 0},
    {"LabelB5", "2", 2, Series::MinimBeat, 465, 64, "2", 0},
    {"LabelB6", "3", 2, Series::MinimBeat, 465, 96, "2", 0},
    {"LabelT1", "1", 1, Series::Compound, 369, 32, "score12", 12},
    {"LabelT2", "2", 1, Series::Compound, 369, 64, "score13", 13},
    {"LabelT3", "3", 1, Series::Compound, 369, 96, "score14", 14},
    {"LabelT4", "1", 2, Series::Compound, 369, 32, "3", 0},
    {"LabelT5", "2", 2, Series::Compound, 369, 64, "3", 0},
    {"LabelT6", "3", 2, Series::Compound, 369, 96, "3", 0},
};

class GameEntryRow : public ::testing::TestWithParam<GameRow> {};

TEST_P(GameEntryRow, matchesTheMenuTable) {
    const auto& row = GetParam();
    const GameEntry* game = findGameByLabel(QString::fromLatin1(row.label));
    ASSERT_NE(game, nullptr) << row.label;
    EXPECT_EQ(game->caption, QLatin1String(row.caption));
    EXPECT_EQ(game->players, row.players);
    EXPECT_EQ(game->series, row.series);
    EXPECT_EQ(game->poolFirst, row.poolFirst);
    EXPECT_EQ(game->poolCount, row.poolCount);
    EXPECT_EQ(game->code, QLatin1String(row.code));
    EXPECT_EQ(game->scoreTable, row.scoreTable);
    // Every pool is whole levels of its own series.
    EXPECT_EQ(seriesOfRhythm(game->poolFirst), game->series);
    EXPECT_EQ(seriesOfRhythm(game->poolFirst + game->poolCount - 1), game->series);
    EXPECT_EQ(game->poolCount % 8, 0);
}

INSTANTIATE_TEST_SUITE_P(AllGames, GameEntryRow, ::testing::ValuesIn(kGameRows));

TEST(Games, thereAreTwentyEightAndEveryScoreTableIsUsedOnce) {
    ASSERT_EQ(games().size(), std::size(kGameRows));
    std::set<int> tables;
    for (const auto& game : games()) {
        if (game.players == 1) {
            tables.insert(game.scoreTable);
        }
    }
    EXPECT_EQ(tables.size(), 14u);
    EXPECT_EQ(*tables.begin(), 1);
    EXPECT_EQ(*tables.rbegin(), 14);
    EXPECT_EQ(findGameByLabel(u"Label15c"), nullptr);
}

struct Pool {
    int first;
    int count;
};

class DrawFromPool : public ::testing::TestWithParam<Pool> {};

TEST_P(DrawFromPool, fourteenDistinctRhythmsInsideThePoolNoTwoSoundingAlike) {
    const auto pool = GetParam();
    SeededRandom random(20261206);
    for (int round = 0; round < 500; ++round) {
        const Drawn drawn = Calcul_niveau(random, pool.first, pool.count);
        std::set<int> distinct(drawn.begin(), drawn.end());
        EXPECT_EQ(distinct.size(), 14u);
        EXPECT_GE(*distinct.begin(), pool.first);
        EXPECT_LT(*distinct.rbegin(), pool.first + pool.count);
        for (int a = 0; a < kGameRhythmCount; ++a) {
            for (int b = a + 1; b < kGameRhythmCount; ++b) {
                ASSERT_FALSE(soundsAlike(drawn[a], drawn[b]))
                    << "round " << round << ": rhythms " << drawn[a] << " and " << drawn[b];
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPool, DrawFromPool,
                         ::testing::Values(Pool{1, 40}, Pool{1, 96}, Pool{1, 144}, Pool{1, 184},
                                           Pool{1, 240}, Pool{1, 304}, Pool{1, 344}, Pool{1, 368},
                                           Pool{465, 32}, Pool{465, 64}, Pool{465, 96},
                                           Pool{369, 32}, Pool{369, 64}, Pool{369, 96}));

// Over many draws every rhythm of the pool lands in every slot about equally often.
TEST(Draw, isCloseToUniformInEverySlot) {
    constexpr int kFirst = 369;
    constexpr int kCount = 32;
    constexpr int kRounds = 32000;
    SeededRandom random(7);
    std::vector<std::array<int, kGameRhythmCount>> counts(kCount, std::array<int, 14>{});
    for (int round = 0; round < kRounds; ++round) {
        const Drawn drawn = Calcul_niveau(random, kFirst, kCount);
        for (int slot = 0; slot < kGameRhythmCount; ++slot) {
            ++counts[drawn[slot] - kFirst][slot];
        }
    }
    // Expected 1000 per (rhythm, slot); a chi-square over the 32 rhythms of each slot with 31
    // degrees of freedom stays below 70 (p < 0.0001 for a fair draw).
    for (int slot = 0; slot < kGameRhythmCount; ++slot) {
        double chi2 = 0;
        for (int r = 0; r < kCount; ++r) {
            const double d = counts[r][slot] - 1000.0;
            chi2 += d * d / 1000.0;
        }
        EXPECT_LT(chi2, 70.0) << "slot " << slot + 1;
    }
}

// The first stage of the main series repeats eight bars under new numbers: its game draws one
// of each pair, each of the 32 sounds as often as another and each twin as often as the other.
TEST(Draw, theFirstStageDrawsEverySoundAlikeAndEitherTwin) {
    const SoundGroups groups = soundGroups(1, 40);
    ASSERT_EQ(groups.size(), 32u);
    std::map<int, int> twinOf;
    for (const auto& group : groups) {
        ASSERT_LE(group.size(), 2u);
        if (group.size() == 2) {
            twinOf[group[0]] = group[1];
            twinOf[group[1]] = group[0];
        }
    }
    EXPECT_EQ(twinOf.size(), 16u);
    EXPECT_EQ(twinOf.at(1), 12);

    constexpr int kRounds = 16000;
    SeededRandom random(20261207);
    std::map<int, int> drawnTimes;
    for (int round = 0; round < kRounds; ++round) {
        for (const int n : Calcul_niveau(random, 1, 40)) {
            ++drawnTimes[n];
        }
    }
    // Each sound 16000 x 14 / 32 = 7000 times: a chi-square over the 32 sounds (31 degrees of
    // freedom) stays below 70 for a fair draw (p < 0.0001).
    double chi2 = 0;
    for (const auto& group : groups) {
        int times = 0;
        for (const int n : group) {
            EXPECT_GT(drawnTimes[n], 0) << "rhythm " << n << " is never drawn";
            times += drawnTimes[n];
        }
        const double d = times - 7000.0;
        chi2 += d * d / 7000.0;
    }
    EXPECT_LT(chi2, 70.0);
    // Each twin about 3500 times (a standard deviation of about 42).
    for (const auto& [n, twin] : twinOf) {
        EXPECT_NEAR(drawnTimes[n], 3500, 250) << "rhythm " << n << ", twin of " << twin;
    }
}

// A pool of ten sounds over eighteen rhythms: every sound is drawn, only four twice, and every
// rhythm takes its turn in every slot.
TEST(Draw, aPoolOfTooFewSoundsHoldsEverySoundAndAsFewTwinsAsItCan) {
    SoundGroups groups;
    for (int pair = 0; pair < 8; ++pair) {
        groups.push_back({100 + 2 * pair, 101 + 2 * pair});
    }
    groups.push_back({200});
    groups.push_back({201});
    std::map<int, std::size_t> groupOf;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (const int n : groups[g]) {
            groupOf[n] = g;
        }
    }
    SeededRandom random(11);
    std::map<int, std::array<int, kGameRhythmCount>> inSlot;
    for (int round = 0; round < 3000; ++round) {
        const Drawn drawn = drawGame(random, groups);
        EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()).size(), 14u);
        std::vector<int> perGroup(groups.size(), 0);
        for (int slot = 0; slot < kGameRhythmCount; ++slot) {
            ++perGroup[groupOf.at(drawn[slot])];
            ++inSlot[drawn[slot]][slot];
        }
        EXPECT_EQ(std::count(perGroup.begin(), perGroup.end(), 0), 0) << "round " << round;
        EXPECT_EQ(std::count(perGroup.begin(), perGroup.end(), 2), 4) << "round " << round;
    }
    // Both singles are in every game, so in a given slot 3000 / 14 (about 214) times; every
    // other rhythm shows in every slot too.
    ASSERT_EQ(inSlot.size(), 18u);
    for (const auto& [n, bySlot] : inSlot) {
        for (int slot = 0; slot < kGameRhythmCount; ++slot) {
            EXPECT_GT(bySlot[slot], 0) << "rhythm " << n << " never in slot " << slot + 1;
            if (n >= 200) {
                EXPECT_NEAR(bySlot[slot], 214, 60) << "rhythm " << n << ", slot " << slot + 1;
            }
        }
    }
}

} // namespace
