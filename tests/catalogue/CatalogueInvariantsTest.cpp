// SPDX-License-Identifier: GPL-3.0-or-later
// Checks over the shipped rhythm catalogue. Every failure names the rhythm numbers concerned.
#include "catalogue/CatalogueRules.h"
#include "catalogue/Levels.h"
#include "catalogue/RhythmCatalogue.h"

#include <gmock/gmock.h>

#include <map>
#include <set>

using namespace pulsadrome::catalogue;
using namespace pulsadrome::catalogue::rules;

namespace {

// The main series' first stage has crotchet-grid values only: 21 different-sounding 4/4 bars,
// 8 in 3/4 and 3 in 2/4, 32 for its 40 numbers. It reviews the 8 missing bars from earlier
// levels, and telling a minim from a crotchet and a rest is its very lesson, so its bars may
// share a sound or an onset pattern with each other (never within a level).
constexpr int kFirstStageLast = 40;
constexpr int kFirstStageSounds = 21 + 8 + 3;

// A level may be a little easier than the one before it, by no more than this.
constexpr double kDifficultyTolerance = 0.75;

const Rhythm& rhythm(int n) {
    return rhythmCatalogue().find(n)->rhythm;
}

std::string text(int n) {
    return std::to_string(n) + " " + rhythmCatalogue().find(n)->text.toStdString();
}

std::vector<int> levelRhythms(const Level& level) {
    std::vector<int> numbers;
    for (const AnswerWrite& answer : level.answers) {
        numbers.push_back(answer.rhythm);
    }
    return numbers;
}

class ShippedCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rhythmCatalogue().ok()) << rhythmCatalogue().error().toStdString();
    }
};

TEST_F(ShippedCatalogue, everyRhythmIsInItsSeriesMetersAndTheFixedOnesAreKept) {
    const std::map<int, QString> fixed{
        {1, "4/4 4 4 4 4"}, {2, "4/4 2 4 4"}, {3, "4/4 4 4 2"}, {4, "4/4 4 2 4"},
        {5, "4/4 2. 4"},    {6, "4/4 1"},     {7, "4/4 2 2"},   {8, "4/4 4 2."},
        {369, "6/8 4. 4."}, {465, "2/2 2 2"},
    };
    const std::map<Series, QStringList> meters{
        {Series::Main, {"2/4", "3/4", "4/4"}},
        {Series::Compound, {"6/8"}},
        {Series::MinimBeat, {"2/2", "3/2", "4/2"}},
    };
    EXPECT_EQ(rhythmCatalogue().size(), kRhythmCount + 1);
    for (int n = 1; n <= kRhythmCount; ++n) {
        EXPECT_TRUE(meters.at(*seriesOfRhythm(n)).contains(rhythm(n).meter.text())) << text(n);
    }
    for (const auto& [n, written] : fixed) {
        EXPECT_EQ(rhythmCatalogue().find(n)->text, written) << n;
    }
}

TEST_F(ShippedCatalogue, everyRhythmFillsOneBarAndThePreviewPhraseAtMostTwo) {
    for (int n = 1; n <= kRhythmCount; ++n) {
        EXPECT_EQ(rhythm(n).bars, 1) << text(n);
    }
    EXPECT_LE(rhythm(kBandPreviewNumber).bars, 2);
}

TEST_F(ShippedCatalogue, rhythmsOfALevelDifferInTheirOnsets) {
    for (const Level& level : levels()) {
        std::map<OnsetPattern, int> seen;
        for (int n : levelRhythms(level)) {
            const auto [it, fresh] = seen.emplace(onsetPatternOf(rhythm(n)), n);
            EXPECT_TRUE(fresh) << "level " << level.code.toStdString() << ": " << text(it->second)
                               << " and " << text(n) << " start their notes alike";
        }
    }
}

TEST_F(ShippedCatalogue, noTwoRhythmsOfASeriesSoundAlike) {
    for (const SeriesRules& rules : seriesRules()) {
        const SeriesInfo& info = seriesInfo(rules.series);
        std::map<Sound, int> seen;
        std::set<Sound> firstStage;
        for (int n = info.firstRhythm; n <= info.lastRhythm; ++n) {
            const Sound sound = soundOf(rhythm(n));
            const auto [it, fresh] = seen.emplace(sound, n);
            if (n <= kFirstStageLast) {
                firstStage.insert(sound);
                continue;
            }
            EXPECT_TRUE(fresh) << text(it->second) << " and " << text(n) << " sound alike";
        }
        if (rules.series == Series::Main) {
            EXPECT_EQ(firstStage.size(), static_cast<std::size_t>(kFirstStageSounds))
                << "the first stage repeats more bars than it must";
        }
    }
}

TEST_F(ShippedCatalogue, fewRhythmsShareMeterAndOnsetsWithAnother) {
    for (const SeriesRules& rules : seriesRules()) {
        const SeriesInfo& info = seriesInfo(rules.series);
        std::map<OnsetPattern, std::vector<int>> byPattern;
        for (int n = info.firstRhythm; n <= info.lastRhythm; ++n) {
            byPattern[onsetPatternOf(rhythm(n))].push_back(n);
        }
        std::vector<int> sharing;
        for (const auto& [pattern, numbers] : byPattern) {
            for (int n : numbers) {
                if (numbers.size() > 1 && n > kFirstStageLast) {
                    sharing.push_back(n);
                }
            }
        }
        const int seriesSize = info.lastRhythm - info.firstRhythm + 1;
        EXPECT_LE(sharing.size() * 20, static_cast<std::size_t>(seriesSize))
            << ::testing::PrintToString(sharing) << " share their pattern";
    }
}

TEST_F(ShippedCatalogue, everyRhythmUsesOnlyWhatItsStageAllows) {
    for (int n = 1; n <= kRhythmCount; ++n) {
        const auto fault = forbiddenFigure(rhythm(n), n);
        EXPECT_FALSE(fault.has_value())
            << text(n) << ": " << fault.value_or(QString()).toStdString();
    }
}

TEST_F(ShippedCatalogue, firstLevelOfAStageUsesItsNewFigureInHalfItsBars) {
    for (const SeriesRules& rules : seriesRules()) {
        for (std::size_t s = 1; s < rules.stages.size(); ++s) {
            const Introduction* novelty = introductionAt(rules, rules.stages[s].first);
            ASSERT_NE(novelty, nullptr);
            if (novelty->figures.isEmpty() && !novelty->ties && novelty->rests.isEmpty()) {
                continue; // the mastery stage brings nothing new
            }
            int using_ = 0;
            for (int n = rules.stages[s].first; n < rules.stages[s].first + kSlotCount; ++n) {
                using_ += usesStageNovelty(rhythm(n), *novelty);
            }
            EXPECT_GE(using_, kSlotCount / 2) << "stage from rhythm " << rules.stages[s].first;
        }
    }
}

TEST_F(ShippedCatalogue, notationShowsTheBeat) {
    for (int n = 1; n <= kBandPreviewNumber; ++n) {
        const auto fault = notationFault(rhythm(n));
        EXPECT_FALSE(fault.has_value())
            << text(n) << ": " << fault.value_or(QString()).toStdString();
    }
}

TEST_F(ShippedCatalogue, levelsOfAStageDoNotGetEasier) {
    for (const SeriesRules& rules : seriesRules()) {
        for (const Stage& stage : rules.stages) {
            double previous = 0;
            QString previousCode;
            for (const Level& level : levels()) {
                const auto numbers = levelRhythms(level);
                if (numbers.front() < stage.first || numbers.front() > stage.last) {
                    continue;
                }
                double sum = 0;
                for (int n : numbers) {
                    sum += difficulty(rhythm(n));
                }
                const double mean = sum / static_cast<double>(numbers.size());
                EXPECT_GE(mean, previous - kDifficultyTolerance)
                    << "level " << level.code.toStdString() << " after level "
                    << previousCode.toStdString();
                previous = mean;
                previousCode = level.code;
            }
        }
    }
}

struct MeasuredBar {
    const char* text;
    double difficulty;
};

class Difficulty : public ::testing::TestWithParam<MeasuredBar> {};

TEST_P(Difficulty, weighsOnsetsValuesSyncopationsTiesAndRests) {
    const RhythmParse parsed = parseRhythm(QString::fromLatin1(GetParam().text));
    ASSERT_TRUE(parsed.ok());
    EXPECT_DOUBLE_EQ(difficulty(*parsed.rhythm), GetParam().difficulty);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, Difficulty,
    ::testing::Values(MeasuredBar{"4/4 4 4 4 4", 4}, MeasuredBar{"2/4 4 4", 4},
                      MeasuredBar{"3/4 2 r4", 4.0 / 3 + 1}, MeasuredBar{"2/4 8 8 4", 6 + 2},
                      MeasuredBar{"2/4 8 4 8", 6 + 2 + 2}, MeasuredBar{"2/4 3(8 8 8) 4", 8 + 4},
                      MeasuredBar{"6/8 8 4~8 4", 6 + 4 + 2 + 1}, MeasuredBar{"2/2 4. 8 2", 6 + 4}));

} // namespace
