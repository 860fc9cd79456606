// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartWindow.h"
#include "i18n/LanguageFile.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;

namespace {

QStringList visibleTexts(const QWidget& window) {
    QStringList texts;
    for (const auto* label : window.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const auto* button : window.findChildren<QPushButton*>()) {
        texts << button->text();
    }
    return texts;
}

TEST(StartWindow, aLanguageClickChangesEveryTextAtOnceAndIsRemembered) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("langue.kdt"));
    i18n::CaptionTable captions;
    i18n::applyLanguageAtStartup(captions, file);
    app::StartWindow window(captions, file);
    window.show();
    EXPECT_TRUE(visibleTexts(window).contains(QStringLiteral("Quitter")));
    EXPECT_TRUE(visibleTexts(window).contains(QStringLiteral("Choisis ta langue")));

    auto* german = window.findChild<QPushButton*>(QStringLiteral("Image_allemagne"));
    ASSERT_NE(german, nullptr);
    QTest::mouseClick(german, Qt::LeftButton);
    const QStringList texts = visibleTexts(window);
    EXPECT_TRUE(texts.contains(QStringLiteral("Ende")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Wähle deine Sprache")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Quitter")));
    EXPECT_TRUE(german->property("current").toBool());

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("6\r\n"));
}

TEST(StartWindow, quitClosesTheWindow) {
    QTemporaryDir dir;
    i18n::CaptionTable captions;
    app::StartWindow window(captions, dir.filePath(QStringLiteral("langue.kdt")));
    window.show();
    auto* quit = window.findChild<QPushButton*>(QStringLiteral("quitter"));
    ASSERT_NE(quit, nullptr);
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
