// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Games.h"

#include <gmock/gmock.h>

#include <algorithm>
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

TEST_P(DrawFromPool, fourteenDistinctRhythmsInsideThePool) {
    const auto pool = GetParam();
    SeededRandom random(20261206);
    for (int round = 0; round < 200; ++round) {
        const Drawn drawn = Calcul_niveau(random, pool.first, pool.count);
        std::set<int> distinct(drawn.begin(), drawn.end());
        EXPECT_EQ(distinct.size(), 14u);
        EXPECT_GE(*distinct.begin(), pool.first);
        EXPECT_LT(*distinct.rbegin(), pool.first + pool.count);
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

// A source that repeats itself shows that an already drawn number is drawn again.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}
    int below(int n) override {
        const int v = values_.at(next_++);
        EXPECT_LT(v, n);
        return v;
    }

private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

TEST(Draw, aRepeatedNumberIsDrawnAgainInTheSameSlot) {
    ScriptedRandom random({0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    const Drawn drawn = Calcul_niveau(random, 465, 32);
    EXPECT_THAT(drawn, ::testing::ElementsAre(465, 466, 467, 468, 469, 470, 471, 472, 473, 474, 475,
                                              476, 477, 478));
}

} // namespace
