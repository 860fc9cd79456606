// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Progress.h"
#include "catalogue/Levels.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace pulsadrome::catalogue;

namespace {

// The enabled labels as one line per series, '#' open and '.' closed, in menu order:
// main "1a 1b 1 ... 46", then compound 1 ... 12, then minim beat 1 ... 12.
std::string picture(const LevelLabelStates& states, Series series) {
    std::string line;
    for (const auto& level : levels()) {
        if (level.series == series) {
            line += states.isEnabled(level.menuLabel) ? '#' : '.';
        }
    }
    return line;
}

std::string opened(int count, int total) {
    return std::string(count, '#') + std::string(total - count, '.');
}

struct MainCase {
    const char* value;
    int openLabels; // Label_1a, Label_1b, Niveau1 ... in order
};

class MainProgress : public ::testing::TestWithParam<MainCase> {};

TEST_P(MainProgress, opensTheMainLevelsUpToTheValue) {
    LevelLabelStates states;
    states.ApplyProgress({QString::fromUtf8(GetParam().value), "1", "1"});
    EXPECT_EQ(picture(states, Series::Main), opened(GetParam().openLabels, 48))
        << "value \"" << GetParam().value << "\"";
}

INSTANTIATE_TEST_SUITE_P(ExactTexts, MainProgress,
                         ::testing::Values(MainCase{"1a", 1}, MainCase{"1b", 2}, MainCase{"1", 3},
                                           MainCase{"7", 9}, MainCase{"46", 48}, MainCase{"47", 1},
                                           MainCase{"0", 1}, MainCase{"", 1}, MainCase{"01", 1},
                                           MainCase{" 2", 1}, MainCase{"2 ", 1}, MainCase{"+3", 1},
                                           MainCase{"1A", 1}, MainCase{"101", 1},
                                           MainCase{"1b ", 1}, MainCase{"niveau", 1}));

struct OtherCase {
    const char* value;
    int openLevels;
};

class OtherSeriesProgress : public ::testing::TestWithParam<OtherCase> {};

TEST_P(OtherSeriesProgress, opensTheSameLevelsInBothOtherSeries) {
    const QString value = QString::fromUtf8(GetParam().value);
    LevelLabelStates minim;
    minim.ApplyProgress({"1a", value, "1"});
    EXPECT_EQ(picture(minim, Series::MinimBeat), opened(GetParam().openLevels, 12));
    EXPECT_EQ(picture(minim, Series::Compound), opened(1, 12));

    LevelLabelStates compound;
    compound.ApplyProgress({"1a", "1", value});
    EXPECT_EQ(picture(compound, Series::Compound), opened(GetParam().openLevels, 12));
    EXPECT_EQ(picture(compound, Series::MinimBeat), opened(1, 12));
}

INSTANTIATE_TEST_SUITE_P(ExactTexts, OtherSeriesProgress,
                         ::testing::Values(OtherCase{"1", 1}, OtherCase{"2", 2}, OtherCase{"7", 7},
                                           OtherCase{"12", 12}, OtherCase{"13", 1},
                                           OtherCase{"0", 1}, OtherCase{"02", 1}, OtherCase{"", 1},
                                           OtherCase{"1b", 1}, OtherCase{"202", 1},
                                           OtherCase{"2\n", 1}));

TEST(Progress, aNewPlayerSeesOnlyTheFirstLevelOfEachSeries) {
    LevelLabelStates states;
    states.ApplyProgress(newPlayerProgress());
    EXPECT_EQ(states.enabledCount(), 3);
    EXPECT_TRUE(states.isEnabled(u"Label_1a"));
    EXPECT_TRUE(states.isEnabled(u"Niveau01B"));
    EXPECT_TRUE(states.isEnabled(u"Niveau01T"));
    EXPECT_FALSE(states.isEnabled(u"Label_1b"));
    EXPECT_FALSE(states.isEnabled(u"Niveau1"));
}

TEST(Progress, compoundValueTwoOpensOnlyTheFirstTwo) {
    LevelLabelStates states;
    states.ApplyProgress({"1a", "1", "2"});
    EXPECT_TRUE(states.isEnabled(u"Niveau01T"));
    EXPECT_TRUE(states.isEnabled(u"Niveau02T"));
    EXPECT_FALSE(states.isEnabled(u"Niveau03T"));
}

TEST(Progress, enabledLabelsOnlyGrowWhileTheMenuStaysLoaded) {
    LevelLabelStates states;
    states.ApplyProgress({"7", "5", "3"});
    // Another player's lower progress applied to the same menu closes nothing.
    states.ApplyProgress({"1a", "1", "1"});
    EXPECT_EQ(picture(states, Series::Main), opened(9, 48));
    EXPECT_EQ(picture(states, Series::MinimBeat), opened(5, 12));
    EXPECT_EQ(picture(states, Series::Compound), opened(3, 12));
    // A pass that writes the next level opens it at once.
    states.ApplyProgress({"8", "5", "3"});
    EXPECT_TRUE(states.isEnabled(u"Niveau8"));
    EXPECT_FALSE(states.isEnabled(u"Niveau9"));
    // A new menu starts again from the design state.
    LevelLabelStates reloaded;
    reloaded.ApplyProgress({"1a", "1", "1"});
    EXPECT_EQ(reloaded.enabledCount(), 3);
}

// The codes a series' progress can hold, as the level results write them.
QStringList progressCodes(Series series) {
    QStringList codes;
    if (series == Series::Main) {
        codes << "1a"
              << "1b";
    }
    for (int k = 1; k <= (series == Series::Main ? 46 : 12); ++k) {
        codes << QString::number(k);
    }
    return codes;
}

int openedBy(Series series, const QString& value) {
    LevelLabelStates states;
    ProgressFields fields = newPlayerProgress();
    (series == Series::Main        ? fields.binaire1
     : series == Series::MinimBeat ? fields.binaire2
                                   : fields.ternaire) = value;
    states.ApplyProgress(fields);
    const std::string line = picture(states, series);
    return static_cast<int>(std::count(line.begin(), line.end(), '#'));
}

TEST(Progress, theFurtherOfTwoCodesIsTheOneThatOpensMoreLevels) {
    for (const Series series : {Series::Main, Series::MinimBeat, Series::Compound}) {
        const QStringList codes = progressCodes(series);
        for (const QString& a : codes) {
            ASSERT_TRUE(progressReach(series, a).has_value()) << a.toStdString();
            for (const QString& b : codes) {
                const bool aOpensMore = openedBy(series, a) > openedBy(series, b);
                EXPECT_EQ(*progressReach(series, a) > *progressReach(series, b), aOpensMore)
                    << a.toStdString() << " / " << b.toStdString();
                const QString expected = openedBy(series, a) >= openedBy(series, b) ? a : b;
                EXPECT_EQ(furthestProgress(series, a, b), expected)
                    << a.toStdString() << " / " << b.toStdString();
            }
        }
    }
}

TEST(Progress, aTextThatIsNoCodeOfItsSeriesCannotBeRankedAndThePreferredIsKept) {
    for (const char* odd : {"01", " 2", "2 ", "", "47", "0", "1c", "101"}) {
        EXPECT_FALSE(progressReach(Series::Main, QString::fromLatin1(odd))) << odd;
        EXPECT_EQ(furthestProgress(Series::Main, "5", QString::fromLatin1(odd)), "5") << odd;
        EXPECT_EQ(furthestProgress(Series::Main, QString::fromLatin1(odd), "46"),
                  QString::fromLatin1(odd))
            << odd;
    }
    EXPECT_FALSE(progressReach(Series::MinimBeat, u"1a"));
    EXPECT_FALSE(progressReach(Series::Compound, u"13"));
    EXPECT_EQ(furthestProgress(Series::Compound, "3", "13"), "3");
}

TEST(Progress, unknownLabelsAreNeverEnabled) {
    LevelLabelStates states;
    states.enable(u"Label15a");
    EXPECT_FALSE(states.isEnabled(u"Label15a"));
    EXPECT_EQ(states.enabledCount(), 3);
}

} // namespace
