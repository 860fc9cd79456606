// SPDX-License-Identifier: GPL-3.0-or-later
// The practice level of a child's confusions: which eight rhythms it holds, its code, the tempo
// its series gives and how the answer log stores its answers.
#include "catalogue/Practice.h"
#include "answers/Activity.h"
#include "catalogue/RhythmCatalogue.h"
#include "play/level/TempoGroups.h"

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::catalogue;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<int> rhythmsOf(const Level& level) {
    std::vector<int> rhythms;
    for (const AnswerWrite& answer : level.answers) {
        rhythms.push_back(answer.rhythm);
    }
    return rhythms;
}

TEST(PracticeLevel, takesTheWorstRhythmsOfTheFirstSeriesInOrderAndFillsFromTheirLevel) {
    // Rhythm 75 is in level 10 (73 ... 80), 50 and 49 in level 7; 400 is in compound time.
    const auto level = practiceLevel({75, 50, 400, 49, 75, 52, 51, 78});
    ASSERT_TRUE(level);
    EXPECT_EQ(level->code, QLatin1String("practice1"));
    EXPECT_EQ(level->series, Series::Main);
    EXPECT_FALSE(level->isStarter());
    // The confused ones first, each once, then level 10's others, in level order.
    EXPECT_THAT(rhythmsOf(*level), ElementsAre(75, 50, 49, 52, 51, 78, 73, 74));
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& cell = level->cells[static_cast<std::size_t>(i)];
        EXPECT_TRUE(cell.visible);
        EXPECT_EQ(cell.rhythm, level->answers[static_cast<std::size_t>(i)].rhythm);
        EXPECT_EQ(cell.picture, pictureOf(cell.rhythm));
        EXPECT_EQ(level->answers[static_cast<std::size_t>(i)].answer, i + 1);
    }

    // Twelve confused rhythms: the eight worst.
    const auto many = practiceLevel({401, 402, 409, 410, 403, 404, 420, 421, 430, 431, 440, 441});
    ASSERT_TRUE(many);
    EXPECT_EQ(many->code, QLatin1String("practice3"));
    EXPECT_EQ(many->series, Series::Compound);
    EXPECT_THAT(rhythmsOf(*many), ElementsAre(401, 402, 409, 410, 403, 404, 420, 421));

    // One pair of the minim-beat series.
    const auto two = practiceLevel({500, 501});
    ASSERT_TRUE(two);
    EXPECT_EQ(two->code, QLatin1String("practice2"));
    EXPECT_THAT(rhythmsOf(*two), ElementsAre(500, 501, 497, 498, 499, 502, 503, 504));
}

TEST(PracticeLevel, neverHoldsTwoRhythmsThatSoundAlikeAndAlwaysEightOnes) {
    // Find two rhythms the catalogue writes the same way (the first stage repeats a few bars).
    int a = 0;
    int b = 0;
    for (int x = 1; x <= 368 && a == 0; ++x) {
        for (int y = x + 1; y <= 368; ++y) {
            if (soundsAlike(x, y)) {
                a = x;
                b = y;
                break;
            }
        }
    }
    ASSERT_NE(a, 0) << "the catalogue has no twins to test with";
    const auto level = practiceLevel({a, b});
    ASSERT_TRUE(level);
    const std::vector<int> rhythms = rhythmsOf(*level);
    ASSERT_EQ(rhythms.size(), static_cast<std::size_t>(kSlotCount));
    EXPECT_EQ(rhythms.front(), a);
    for (std::size_t i = 0; i < rhythms.size(); ++i) {
        for (std::size_t j = i + 1; j < rhythms.size(); ++j) {
            EXPECT_FALSE(soundsAlike(rhythms[i], rhythms[j])) << rhythms[i] << " " << rhythms[j];
        }
    }
}

TEST(PracticeLevel, nothingToPractiseWithoutARhythm) {
    EXPECT_FALSE(practiceLevel({}));
    EXPECT_FALSE(practiceLevel({0, 561, -3}));
    // Numbers that are no rhythm are passed over.
    const auto level = practiceLevel({0, 12});
    ASSERT_TRUE(level);
    EXPECT_EQ(rhythmsOf(*level).front(), 12);
}

TEST(PracticeLevel, itsCodesGoWithTheirSeriesTempoAndAreLoggedApartFromTheLevels) {
    struct Case {
        Series series;
        const char* code;
        play::TempoGroup tempo;
        int logged;
    };
    for (const Case c :
         {Case{Series::Main, "practice1", play::TempoGroup::Crotchet, 301},
          Case{Series::MinimBeat, "practice2", play::TempoGroup::Minim, 302},
          Case{Series::Compound, "practice3", play::TempoGroup::DottedCrotchet, 303}}) {
        EXPECT_EQ(practiceCode(c.series), QLatin1String(c.code));
        EXPECT_EQ(seriesOfPracticeCode(QString::fromLatin1(c.code)), c.series);
        EXPECT_EQ(play::tempoGroupOf(QString::fromLatin1(c.code)), c.tempo);
        const answers::Activity activity =
            answers::levelScreenActivity(QString::fromLatin1(c.code));
        EXPECT_EQ(activity.kind, answers::Activity::Kind::Practice);
        EXPECT_EQ(answers::activityNumber(activity), c.logged);
        EXPECT_EQ(answers::activityOfNumber(c.logged), activity);
    }
    for (const char* other : {"practice", "practice4", "Practice1", "practice1 ", "7"}) {
        EXPECT_FALSE(seriesOfPracticeCode(QString::fromLatin1(other))) << other;
    }
    EXPECT_EQ(answers::levelScreenActivity(QStringLiteral("7")).kind,
              answers::Activity::Kind::Level);
    EXPECT_FALSE(answers::activityNumber({answers::Activity::Kind::Practice, "7"}));
    EXPECT_FALSE(answers::activityOfNumber(304));
}

} // namespace
