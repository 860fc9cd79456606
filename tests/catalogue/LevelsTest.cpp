// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Levels.h"

#include <gmock/gmock.h>

#include <set>

using namespace pulsadrome::catalogue;
using ::testing::ElementsAre;

namespace {

struct LevelRow {
    const char* label;
    const char* code;
    int displayNumber;
    Series series;
    int firstRhythm; // slot i holds firstRhythm + i - 1
};

class OrdinaryLevel : public ::testing::TestWithParam<LevelRow> {};

TEST_P(OrdinaryLevel, holdsEightConsecutiveRhythmsInSlotOrder) {
    const auto& row = GetParam();
    const Level* level = findLevelByLabel(QString::fromLatin1(row.label));
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->code, QLatin1String(row.code));
    EXPECT_EQ(level->displayNumber, row.displayNumber);
    EXPECT_EQ(level->series, row.series);
    for (int i = 0; i < kSlotCount; ++i) {
        EXPECT_TRUE(level->cells[i].visible);
        EXPECT_EQ(level->cells[i].rhythm, row.firstRhythm + i);
        EXPECT_EQ(level->cells[i].picture, 100 + row.firstRhythm + i);
        EXPECT_EQ(level->answers[i], (AnswerWrite{i + 1, row.firstRhythm + i}));
    }
    EXPECT_EQ(findLevelByCode(QString::fromLatin1(row.code)), level);
}

INSTANTIATE_TEST_SUITE_P(TellingRows, OrdinaryLevel,
                         ::testing::Values(LevelRow{"Niveau1", "1", 3, Series::Main, 1},
                                           LevelRow{"Niveau7", "7", 9, Series::Main, 49},
                                           LevelRow{"Niveau46", "46", 48, Series::Main, 361},
                                           LevelRow{"Niveau01T", "101", 1, Series::Compound, 369},
                                           LevelRow{"Niveau07T", "107", 7, Series::Compound, 417},
                                           LevelRow{"Niveau12T", "112", 12, Series::Compound, 457},
                                           LevelRow{"Niveau01B", "201", 1, Series::MinimBeat, 465},
                                           LevelRow{"Niveau07B", "207", 7, Series::MinimBeat, 513},
                                           LevelRow{"Niveau12B", "212", 12, Series::MinimBeat,
                                                    553}));

TEST(Levels, starterLevel1aShowsThreeRhythmsBesideTwoPlaceholders) {
    const Level* level = findLevelByLabel(u"Label_1a");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->code, QLatin1String("1a"));
    EXPECT_EQ(level->displayNumber, 1);
    std::vector<int> pictures;
    std::vector<bool> visible;
    for (const auto& slot : level->cells) {
        pictures.push_back(slot.picture);
        visible.push_back(slot.visible);
    }
    EXPECT_THAT(pictures, ElementsAre(100, 100, 100, 100, 100, 106, 107, 108));
    EXPECT_THAT(visible, ElementsAre(false, false, false, true, true, true, true, true));
    EXPECT_THAT(level->answers,
                ElementsAre(AnswerWrite{6, 6}, AnswerWrite{7, 7}, AnswerWrite{8, 8}));
}

TEST(Levels, starterLevel1bAnswersOneToFiveFromSlotsSixSevenEightFourFive) {
    const Level* level = findLevelByLabel(u"Label_1b");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->code, QLatin1String("1b"));
    EXPECT_EQ(level->displayNumber, 2);
    std::vector<int> rhythms;
    for (const auto& slot : level->cells) {
        rhythms.push_back(slot.rhythm);
    }
    EXPECT_THAT(rhythms, ElementsAre(0, 0, 0, 4, 5, 1, 2, 3));
    EXPECT_EQ(level->cells[0].picture, 100);
    EXPECT_FALSE(level->cells[2].visible);
    // Written in this order: NB4, NB5, NB1, NB2, NB3.
    EXPECT_THAT(level->answers, ElementsAre(AnswerWrite{4, 4}, AnswerWrite{5, 5}, AnswerWrite{1, 1},
                                            AnswerWrite{2, 2}, AnswerWrite{3, 3}));
    // Each answer number names the rhythm whose picture it points at.
    for (const auto& answer : level->answers) {
        const auto slot = std::find_if(level->cells.begin(), level->cells.end(),
                                       [&](const Slot& s) { return s.rhythm == answer.rhythm; });
        ASSERT_NE(slot, level->cells.end());
        EXPECT_EQ(slot->picture, 100 + answer.rhythm);
    }
}

TEST(Levels, everyRhythmBelongsToExactlyOneLevelOfItsSeries) {
    const auto& all = levels();
    ASSERT_EQ(all.size(), 72u);
    std::multiset<int> rhythms;
    std::set<QString> labels;
    std::set<QString> codes;
    for (const auto& level : all) {
        labels.insert(level.menuLabel);
        codes.insert(level.code);
        for (const auto& answer : level.answers) {
            rhythms.insert(answer.rhythm);
            EXPECT_EQ(seriesOfRhythm(answer.rhythm), level.series) << answer.rhythm;
        }
    }
    EXPECT_EQ(labels.size(), 72u);
    EXPECT_EQ(codes.size(), 72u);
    // 1a and 1b share rhythm numbers with Niveau1; every other rhythm is used once.
    for (int n = 1; n <= kRhythmCount; ++n) {
        const auto expected = n <= 8 ? 2u : 1u;
        EXPECT_EQ(rhythms.count(n), expected) << "rhythm " << n;
    }
}

TEST(Levels, twoDigitLabelsAndSeriesCounts) {
    EXPECT_NE(findLevelByLabel(u"Niveau09T"), nullptr);
    EXPECT_NE(findLevelByLabel(u"Niveau10B"), nullptr);
    EXPECT_EQ(findLevelByLabel(u"Niveau9T"), nullptr);
    EXPECT_EQ(findLevelByLabel(u"Niveau47"), nullptr);
    EXPECT_EQ(findLevelByCode(u"01"), nullptr);
    int main = 0, compound = 0, minim = 0;
    for (const auto& level : levels()) {
        (level.series == Series::Main       ? main
         : level.series == Series::Compound ? compound
                                            : minim)++;
    }
    EXPECT_EQ(main, 48);
    EXPECT_EQ(compound, 12);
    EXPECT_EQ(minim, 12);
}

TEST(Levels, nextLevelStaysInsideItsSeries) {
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Label_1a"))->menuLabel, QLatin1String("Label_1b"));
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Label_1b"))->menuLabel, QLatin1String("Niveau1"));
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Niveau9"))->menuLabel, QLatin1String("Niveau10"));
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Niveau09T"))->menuLabel, QLatin1String("Niveau10T"));
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Niveau46")), nullptr);
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Niveau12T")), nullptr);
    EXPECT_EQ(nextLevel(*findLevelByLabel(u"Niveau12B")), nullptr);
}

TEST(Series, rangesBeatsAndMeterCodes) {
    EXPECT_EQ(seriesOfRhythm(1), Series::Main);
    EXPECT_EQ(seriesOfRhythm(368), Series::Main);
    EXPECT_EQ(seriesOfRhythm(369), Series::Compound);
    EXPECT_EQ(seriesOfRhythm(464), Series::Compound);
    EXPECT_EQ(seriesOfRhythm(465), Series::MinimBeat);
    EXPECT_EQ(seriesOfRhythm(560), Series::MinimBeat);
    EXPECT_EQ(seriesOfRhythm(0), std::nullopt);
    EXPECT_EQ(seriesOfRhythm(561), std::nullopt);
    EXPECT_STREQ(seriesInfo(Series::Main).meterCode, "44");
    EXPECT_STREQ(seriesInfo(Series::Compound).meterCode, "68");
    EXPECT_STREQ(seriesInfo(Series::MinimBeat).meterCode, "22");
    EXPECT_EQ(seriesInfo(Series::Compound).beat, BeatPicture::DottedCrotchet);
    EXPECT_EQ(seriesInfo(Series::MinimBeat).beat, BeatPicture::Minim);
    EXPECT_EQ(pictureOf(560), 660);
    EXPECT_EQ(motifOf(1), 0);
}

} // namespace
