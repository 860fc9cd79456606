// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and sounds that travel inside the program, reached as the screens reach them.
#include "resources/ResPicture.h"

#include <QSet>

#include <gmock/gmock.h>

using namespace pulsadrome::resources;

namespace {

QSet<QString> names(const char* type) {
    const QStringList list =
        ResourceModule::program()->names(resourceId(QString::fromLatin1(type)));
    return QSet<QString>(list.begin(), list.end());
}

const QStringList kThemes{"cheval", "coq",        "cowboy", "espace",
                          "jaune",  "ordinateur", "train",  "voiture"};
const QStringList kSoundThemes{"cheval",     "coq",  "cowboy", "espace",
                               "ordinateur", "prof", "train",  "voiture"};

TEST(ProgramResources, everyNotationPictureFrom100To660IsThere) {
    const QSet<QString> images = names("images");
    EXPECT_EQ(images.size(), 561);
    for (int n = 100; n <= 660; ++n) {
        EXPECT_TRUE(images.contains(QString::number(n))) << n;
    }
}

TEST(ProgramResources, backgroundsSoundsMascotInstrumentsAndIcon) {
    QSet<QString> fond;
    QSet<QString> dmseg;
    for (const QString& theme : kThemes) {
        fond << theme << theme + QStringLiteral("1680");
    }
    for (const QString& theme : kSoundThemes) {
        dmseg << theme + QStringLiteral("_vrai") << theme + QStringLiteral("_faux");
    }
    EXPECT_EQ(names("FOND"), fond);
    EXPECT_EQ(names("dmseg"), dmseg);
    EXPECT_TRUE(names("tictac").contains(QStringLiteral("1")));
    EXPECT_TRUE(names("tictac").contains(QStringLiteral("2")));
    EXPECT_EQ(names("instruments").size(), 44);
    EXPECT_TRUE(names("instruments").contains(QStringLiteral("0")));
    EXPECT_TRUE(names("instruments").contains(QStringLiteral("43")));
    EXPECT_TRUE(names("icon").contains(QStringLiteral("30001")));
}

TEST(ProgramResources, theScreensLoadThemAsTheyAskForThem) {
    ResPicture first;
    const Picture rhythm1 = first.LoadResPicture(QStringLiteral("images"), 101);
    EXPECT_TRUE(rhythm1.isVector());
    EXPECT_NEAR(static_cast<double>(rhythm1.naturalSize().width()) / rhythm1.naturalSize().height(),
                233.0 / 57.0, 0.02);

    ResPicture background;
    const Picture espace =
        background.LoadResPicture(QStringLiteral("FOND"), QStringLiteral("ESPACE"));
    EXPECT_EQ(espace.naturalSize(), QSize(800, 600));
    ResPicture wide;
    EXPECT_EQ(
        wide.LoadResPicture(QStringLiteral("fond"), QStringLiteral("espace1680")).naturalSize(),
        QSize(1680, 1050));

    ResPicture missing;
    try {
        missing.LoadResPicture(QStringLiteral("images"), 661);
        FAIL() << "picture 661 should not exist";
    } catch (const ResourceError& e) {
        EXPECT_EQ(e.description(),
                  QStringLiteral("The resource was not found. GetLastError: 1814"));
    }
}

} // namespace
