// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the catalogue checks apply, tried on bars written for the purpose, so that a check
// over the shipped catalogue cannot pass because a rule never fires.
#include "catalogue/CatalogueRules.h"

#include <gmock/gmock.h>

using namespace pulsadrome::catalogue;
using namespace pulsadrome::catalogue::rules;

namespace {

Rhythm bar(const char* text) {
    const RhythmParse parsed = parseRhythm(QString::fromLatin1(text));
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.ok() ? *parsed.rhythm : Rhythm{};
}

struct NotationCase {
    const char* text;
    bool showsTheBeat;
};

std::ostream& operator<<(std::ostream& os, const NotationCase& c) {
    return os << c.text;
}

class Notation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(Notation, acceptsTheConventionalCasesAndNothingElse) {
    const auto fault = notationFault(bar(GetParam().text));
    EXPECT_EQ(!fault.has_value(), GetParam().showsTheBeat)
        << fault.value_or(QString()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bars, Notation,
    ::testing::Values(NotationCase{"4/4 4 2 4", true}, NotationCase{"4/4 4 2.", true},
                      NotationCase{"4/4 2. 4", true}, NotationCase{"4/4 8 4 8 2", true},
                      NotationCase{"4/4 4 8 4 8 4", true}, NotationCase{"2/4 4. 8", true},
                      NotationCase{"3/4 4 4. 8", true}, NotationCase{"2/2 4 2 4", true},
                      NotationCase{"4/2 2 1 2", true}, NotationCase{"6/8 8 4~8 4", true},
                      NotationCase{"3/2 2 2. 4", true},
                      // Hidden beats.
                      NotationCase{"4/4 4 4. 8 4", false}, NotationCase{"4/4 4 r2 4", false},
                      NotationCase{"2/4 8 4 16 16", false}, NotationCase{"2/4 8. 8. 8", false},
                      NotationCase{"6/8 4 4 4", false}, NotationCase{"6/8 8 4. 8 8", false},
                      NotationCase{"4/4 8 r4 8 2", false}, NotationCase{"2/2 4 2 8 8", false},
                      NotationCase{"4/2 2 2. 4 2", false}));

struct PlaceCase {
    const char* text;
    int tooEarly; // the rhythm number just before the stage that allows the bar
};

std::ostream& operator<<(std::ostream& os, const PlaceCase& c) {
    return os << c.text << " from " << c.tooEarly + 1;
}

class StageAllowance : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(StageAllowance, beginsExactlyWhereItsStageBegins) {
    const Rhythm rhythm = bar(GetParam().text);
    EXPECT_TRUE(forbiddenFigure(rhythm, GetParam().tooEarly).has_value());
    const auto fault = forbiddenFigure(rhythm, GetParam().tooEarly + 1);
    EXPECT_FALSE(fault.has_value()) << fault.value_or(QString()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bars, StageAllowance,
    ::testing::Values(PlaceCase{"4/4 4 4 4 r4", 8}, PlaceCase{"3/4 2.", 16},
                      PlaceCase{"2/4 4 4", 24}, PlaceCase{"4/4 8 8 4 2", 40},
                      PlaceCase{"2/4 r8 8 4", 96}, PlaceCase{"3/4 4. 8 4", 96},
                      PlaceCase{"2/4 16 16 16 16 4", 144}, PlaceCase{"2/4 8 16 16 4", 184},
                      PlaceCase{"4/4 4 4~8 8 4", 240}, PlaceCase{"2/4 8 4 8", 240},
                      PlaceCase{"2/4 3(8 8 8) 4", 304}, PlaceCase{"2/4 r16 16 8 4", 304},
                      PlaceCase{"6/8 r8 8 8 4.", 400}, PlaceCase{"6/8 8. 16 8 4.", 400},
                      PlaceCase{"6/8 2(8 8) 4.", 432}, PlaceCase{"6/8 4 8~4 8", 432},
                      PlaceCase{"2/2 2. 4", 496}, PlaceCase{"2/2 r4 4 2", 496},
                      PlaceCase{"2/2 4 2 4", 528}, PlaceCase{"3/2 3(4 4 4) 1", 528}));

TEST(StageAllowance, figuresOutsideEveryStageAreNeverAllowed) {
    for (const auto& [text, number] : std::vector<std::pair<const char*, int>>{
             {"2/4 16 8. 4", 368},    // reversed dotted figure
             {"4/4 r1", 368},         // a semibreve rest
             {"6/8 4 16 16 4.", 464}, // crotchet and two semiquavers in 6/8
             {"2/2 4 8 8 2", 560},    // crotchet and two quavers on a minim beat
             {"3/4 4 4 4", 400},      // a simple meter in the compound series
         }) {
        EXPECT_TRUE(forbiddenFigure(bar(text), number).has_value()) << text << " at " << number;
    }
}

TEST(StageNovelty, recognisesFiguresRestsTiesAndLeadingRests) {
    const auto& main = rulesOf(Series::Main);
    EXPECT_TRUE(usesStageNovelty(bar("2/4 r8 8 4"), *introductionAt(main, 97)));
    EXPECT_TRUE(usesStageNovelty(bar("2/4 4 8 r8"), *introductionAt(main, 97)));
    EXPECT_FALSE(usesStageNovelty(bar("2/4 8 8 4"), *introductionAt(main, 97)));
    EXPECT_TRUE(usesStageNovelty(bar("4/4 4 4~8 8 4"), *introductionAt(main, 241)));
    EXPECT_FALSE(usesStageNovelty(bar("4/4 4 4 8 8 4"), *introductionAt(main, 241)));
    EXPECT_TRUE(usesStageNovelty(bar("2/4 8 r16 16 4"), *introductionAt(main, 305)));
}

TEST(SoundAndOnsets, aTiedNoteSoundsLikeTheLongNoteAndARestLikeNothing) {
    EXPECT_EQ(soundOf(bar("2/4 4~8 8")), soundOf(bar("2/4 4. 8")));
    EXPECT_NE(soundOf(bar("2/4 4 4")), soundOf(bar("2/4 8 r8 4")));
    EXPECT_EQ(onsetPatternOf(bar("2/4 4 4")), onsetPatternOf(bar("2/4 8 r8 4")));
    EXPECT_NE(onsetPatternOf(bar("2/4 4 4")), onsetPatternOf(bar("4/4 4 4 2")));
}

} // namespace
