// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MenuWindow.h"
#include "common/NameLength.h"
#include "support/TouchTargets.h"
#include "ui/ClickLabel.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

class MenuWindowTest : public ::testing::Test {
protected:
    i18n::CaptionTable captions;
    MenuModel model = MenuModel::load({"1b", "3", "1"}, "espace", "Lina", captions);
};

TEST_F(MenuWindowTest, everyLevelGameAndScoreLabelIsThereWithItsCaption) {
    MenuWindow menu(model, captions);
    EXPECT_EQ(menu.label("Niveau1")->text(), QLatin1String("3"));
    EXPECT_EQ(menu.label("Niveau46")->text(), QLatin1String("48"));
    EXPECT_EQ(menu.label("Label_1a")->text(), QLatin1String("1"));
    EXPECT_EQ(menu.label("Niveau07T")->text(), QLatin1String("7"));
    EXPECT_EQ(menu.label("Label12a")->text(), QLatin1String("2"));
    EXPECT_EQ(menu.label("LabelT6")->text(), QLatin1String("3"));
    EXPECT_EQ(menu.label("Label_score10")->text(), QLatin1String("2"));
    EXPECT_EQ(menu.label("Label_score14")->text(), QLatin1String("3"));
    for (int i = 1; i <= 14; ++i) {
        EXPECT_NE(menu.label(QStringLiteral("Label_score%1").arg(i)), nullptr) << i;
    }
}

TEST_F(MenuWindowTest, levelLabelsAreOpenAsTheProgressSaysAndGrowAfterAResult) {
    MenuWindow menu(model, captions);
    EXPECT_TRUE(menu.label("Label_1a")->isEnabled());
    EXPECT_TRUE(menu.label("Label_1b")->isEnabled());
    EXPECT_FALSE(menu.label("Niveau1")->isEnabled());
    EXPECT_TRUE(menu.label("Niveau03B")->isEnabled());
    EXPECT_FALSE(menu.label("Niveau04B")->isEnabled());
    EXPECT_TRUE(menu.label("Niveau01T")->isEnabled());
    model.applyProgress({"1", "3", "1"});
    menu.refreshLevels();
    EXPECT_TRUE(menu.label("Niveau1")->isEnabled());
}

TEST_F(MenuWindowTest, theNameBoxesFeedTheGameStarts) {
    MenuWindow menu(model, captions);
    EXPECT_EQ(menu.nameBox(1)->text(), QLatin1String("Lina"));
    EXPECT_EQ(menu.nameBox(3)->text(), QLatin1String("Nom du joueur 2"));
    menu.nameBox(3)->setText(QStringLiteral("Tom"));
    EXPECT_EQ(model.holders.nom3, QLatin1String("Tom"));
    // Typed, each box takes as many letters as the new-player form, and no more.
    for (int box = 1; box <= 3; ++box) {
        QLineEdit* name = menu.nameBox(box);
        name->clear();
        name->setFocus();
        QTest::keyClicks(name, QString(kMaxNameLength + 25, u'W'));
        EXPECT_EQ(name->text(), QString(kMaxNameLength, u'W')) << box;
    }
    EXPECT_EQ(model.holders.nom1.size(), kMaxNameLength);
    EXPECT_EQ(model.holders.nom2.size(), kMaxNameLength);
}

TEST_F(MenuWindowTest, commandsAskTheProgramToActAndDisabledLabelsIgnoreClicks) {
    MenuWindow menu(model, captions);
    menu.show();
    QSignalSpy change(&menu, &MenuWindow::changePlayerRequested);
    QSignalSpy quit(&menu, &MenuWindow::quitRequested);
    QSignalSpy help(&menu, &MenuWindow::helpRequested);
    QTest::mouseClick(menu.label("Image_retour"), Qt::LeftButton);
    QTest::mouseClick(menu.label("Image_quitter"), Qt::LeftButton);
    QTest::mouseClick(menu.label("Label_aide"), Qt::LeftButton);
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(help.count(), 1);

    QSignalSpy locked(menu.label("Niveau1"), &ui::ClickLabel::clicked);
    QTest::mouseClick(menu.label("Niveau1"), Qt::LeftButton);
    EXPECT_EQ(locked.count(), 0);
}

TEST_F(MenuWindowTest, theMenuFillsTheScreenAtAnyScale) {
    MenuWindow menu(model, captions);
    menu.setScale(1.0);
    EXPECT_EQ(menu.size(), QSize(800, 600));
    menu.setScale(1.5);
    EXPECT_EQ(menu.size(), QSize(1200, 900));
    EXPECT_EQ(menu.label("Niveau1")->width(), 48); // 32 logical pixels, scaled
}

TEST_F(MenuWindowTest, everyTargetIsAFingersSizeAt800x600AndTakesATapUpToItsEdge) {
    MenuWindow menu(model, captions);
    menu.setScale(1.0);
    menu.show();
    EXPECT_THAT(pulsadrome::testing::smallTargets(&menu), ::testing::IsEmpty());

    // The edge around a level's pill is still the level's: a tap there opens it, the one beside
    // it is the next level's.
    QSignalSpy levels(&menu, &MenuWindow::levelRequested);
    ui::ClickLabel* first = menu.label("Label_1a");
    pulsadrome::testing::tap(first, QPoint(first->width() - 1, 0));
    pulsadrome::testing::tap(first, QPoint(first->width() + 1, first->height() / 2));
    EXPECT_EQ(levels.count(), 2);
    EXPECT_EQ(levels.at(0).at(0).toString(), QLatin1String("Label_1a"));
    EXPECT_EQ(levels.at(1).at(0).toString(), QLatin1String("Label_1b"));
}

} // namespace
