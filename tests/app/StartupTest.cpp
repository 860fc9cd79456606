// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"
#include "app/MenuModel.h"

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

TEST(Resolution, aWideEnoughScreenGoesStraightToThePlayerChoice) {
    for (int width : {800, 1024, 1920}) {
        const auto step = resolutionAtStart(width);
        EXPECT_TRUE(step.showPlayerChoice) << width;
        EXPECT_FALSE(step.showWarning);
        EXPECT_TRUE(step.closeCheck);
    }
    const auto narrow = resolutionAtStart(640);
    EXPECT_TRUE(narrow.showWarning);
    EXPECT_FALSE(narrow.showPlayerChoice);
    EXPECT_FALSE(narrow.closeCheck);
}

TEST(Resolution, okOpensTheInstructionsUpTo800AndThePlayerChoiceFrom800) {
    const auto narrow = resolutionOk(640);
    EXPECT_TRUE(narrow.openInstructions);
    EXPECT_FALSE(narrow.showPlayerChoice);
    EXPECT_TRUE(narrow.closeCheck); // with nothing else shown the program ends
    const auto exact = resolutionOk(800);
    EXPECT_TRUE(exact.openInstructions);
    EXPECT_TRUE(exact.showPlayerChoice);
    const auto wide = resolutionOk(1024);
    EXPECT_FALSE(wide.openInstructions);
    EXPECT_TRUE(wide.showPlayerChoice);
}

TEST(Resolution, theWarningsTimerMovesOnByItselfOnceTheScreenIsWideEnough) {
    const auto still = resolutionTick(799);
    EXPECT_FALSE(still.showPlayerChoice || still.openInstructions || still.closeCheck);
    const auto widened = resolutionTick(1024);
    EXPECT_TRUE(widened.showPlayerChoice);
    EXPECT_TRUE(widened.closeCheck);
    EXPECT_TRUE(resolutionTick(800).openInstructions);
}

struct BackdropCase {
    int width, height, left, top;
};

class Backdrop : public ::testing::TestWithParam<BackdropCase> {};

TEST_P(Backdrop, theWidePictureStandsWhereTheTableSays) {
    const auto& c = GetParam();
    EXPECT_EQ(backdropPosition(QSize(c.width, c.height)), QPoint(c.left, c.top));
}

INSTANTIATE_TEST_SUITE_P(
    ScreenSizes, Backdrop,
    ::testing::Values(BackdropCase{1600, 1024, -40, -13}, BackdropCase{1600, 900, -40, -75},
                      BackdropCase{1360, 768, -160, -141}, BackdropCase{1280, 1024, -200, -13},
                      BackdropCase{1280, 960, -200, -45}, BackdropCase{1280, 800, -200, -125},
                      BackdropCase{1280, 768, -200, -141}, BackdropCase{1280, 720, -200, -165},
                      BackdropCase{1152, 864, -264, -93}, BackdropCase{1088, 612, -296, -219},
                      BackdropCase{1440, 900, -120, -75}, BackdropCase{960, 600, -410, -225},
                      // Sizes outside the table: the top-left corner.
                      BackdropCase{1024, 768, 0, 0}, BackdropCase{1920, 1080, 0, 0},
                      BackdropCase{800, 600, 0, 0}, BackdropCase{1280, 1023, 0, 0}));

TEST(Themes, onlyTheEightExactWordsNameABackground) {
    EXPECT_EQ(themeBackground("espace"), QStringLiteral("espace"));
    EXPECT_EQ(themeBackground("coq"), QStringLiteral("coq"));
    for (const char* word : {"Espace", "espace ", "", "prof", "rouge"}) {
        EXPECT_EQ(themeBackground(QString::fromLatin1(word)), std::nullopt) << word;
    }
}

TEST(MenuModel, loadsTheProgressNamesAndTexts) {
    i18n::CaptionTable captions;
    const auto model = MenuModel::load({"7", "1", "2"}, "cheval", "Lina", captions);
    EXPECT_TRUE(model.levels.isEnabled(u"Niveau7"));
    EXPECT_FALSE(model.levels.isEnabled(u"Niveau8"));
    EXPECT_TRUE(model.levels.isEnabled(u"Niveau02T"));
    EXPECT_EQ(model.background, QStringLiteral("cheval"));
    EXPECT_EQ(model.holders.nom1, QLatin1String("Lina"));
    EXPECT_EQ(model.holders.nom2, QLatin1String("Lina"));
    EXPECT_EQ(model.holders.nom3, QLatin1String("Nom du joueur 2"));
    EXPECT_TRUE(model.versionLine.startsWith(QStringLiteral("Version 1.2 - © 2026")));

    i18n::CaptionTable german;
    german.setCurrentCode("allemand");
    german.Command_langue_Click();
    const auto other = MenuModel::load({"1a", "1", "1"}, "bleu", "Tom", german);
    EXPECT_EQ(other.background, std::nullopt);
    EXPECT_EQ(other.holders.nom3, QLatin1String("Name des Spielers 2"));
}

} // namespace
