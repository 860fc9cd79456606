// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/RhythmCatalogue.h"

#include <QFile>
#include <QStringList>

#include <gmock/gmock.h>

#include <functional>

using namespace pulsadrome::catalogue;
using ::testing::HasSubstr;

namespace {

QString shippedText() {
    QFile file(QString::fromLatin1(kCataloguePath));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// The shipped text with the line of rhythm `number` handed to `change`; returns the changed
// line's 1-based number through `lineNumber`.
QString withLine(int number, const std::function<QString(const QString&)>& change,
                 int* lineNumber) {
    QStringList lines = shippedText().split(u'\n');
    const QString prefix = QString::number(number) + u' ';
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(prefix)) {
            lines[i] = change(lines[i]);
            *lineNumber = i + 1;
            break;
        }
    }
    return lines.join(u'\n');
}

TEST(RhythmCatalogue, embeddedCatalogueHoldsEveryRhythmAndThePreviewPhrase) {
    const RhythmCatalogue& catalogue = rhythmCatalogue();
    ASSERT_TRUE(catalogue.ok()) << catalogue.error().toStdString();
    EXPECT_EQ(catalogue.size(), kBandPreviewNumber);
    const CatalogueEntry* first = catalogue.find(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->number, 1);
    EXPECT_EQ(first->text, QStringLiteral("4/4 4 4 4 4"));
    EXPECT_EQ(first->rhythm.onsets().size(), 4u);
    EXPECT_EQ(catalogue.find(kBandPreviewNumber)->number, kBandPreviewNumber);
    EXPECT_EQ(catalogue.find(0), nullptr);
    EXPECT_EQ(catalogue.find(kBandPreviewNumber + 1), nullptr);
}

TEST(RhythmCatalogue, entryTextParsesBackToItsRhythm) {
    const RhythmCatalogue& catalogue = rhythmCatalogue();
    for (int n : {57, 300, 433, 560, kBandPreviewNumber}) {
        const CatalogueEntry* entry = catalogue.find(n);
        ASSERT_NE(entry, nullptr);
        const RhythmParse again = parseRhythm(entry->text);
        ASSERT_TRUE(again.ok()) << n;
        EXPECT_EQ(again.rhythm->onsets(), entry->rhythm.onsets()) << n;
        EXPECT_EQ(again.rhythm->meter, entry->rhythm.meter) << n;
    }
}

struct Damage {
    const char* what;
    int rhythm;
    std::function<QString(const QString&)> change;
    const char* reason; // part of the error after "line N: "
    int linesAfter = 0; // the error is on this many lines after the changed one
};

std::ostream& operator<<(std::ostream& os, const Damage& damage) {
    return os << damage.what;
}

class DamagedCatalogue : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedCatalogue, isRefusedNamingTheLine) {
    const Damage& damage = GetParam();
    int lineNumber = 0;
    const QString text = withLine(damage.rhythm, damage.change, &lineNumber);
    ASSERT_GT(lineNumber, 0);
    const RhythmCatalogue catalogue = RhythmCatalogue::fromText(text);
    EXPECT_FALSE(catalogue.ok());
    EXPECT_EQ(catalogue.size(), 0);
    EXPECT_EQ(catalogue.find(1), nullptr);
    EXPECT_THAT(catalogue.error().toStdString(),
                HasSubstr("line " + std::to_string(lineNumber + damage.linesAfter) + ": "));
    EXPECT_THAT(catalogue.error().toStdString(), HasSubstr(damage.reason));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedCatalogue,
    ::testing::Values(
        Damage{"bad token", 57, [](const QString& line) { return line + QStringLiteral(" 4x"); },
               "rhythm 57: column"},
        Damage{"unfinished bar", 120,
               [](const QString& line) { return line + QStringLiteral(" 8"); },
               "rhythm 120: column"},
        Damage{"number skipped", 200,
               [](const QString& line) { return QStringLiteral("3") + line.mid(1); },
               "rhythm 300 where rhythm 200 belongs"},
        Damage{"number missing", 9, [](const QString& line) { return line.mid(2); },
               "rhythm 9: column 1"},
        Damage{"line doubled", 300,
               [](const QString& line) { return line + QStringLiteral("\n") + line; },
               "rhythm 300 where rhythm 301 belongs", 1},
        Damage{"rhythm after the phrase", kBandPreviewNumber,
               [](const QString& line) { return line + QStringLiteral("\n562 4/4 1"); },
               "the catalogue ends with rhythm 561", 1}));

TEST(RhythmCatalogue, truncatedCatalogueSaysWhereItStops) {
    QString text = shippedText();
    text.truncate(text.indexOf(QStringLiteral("\n401 ")));
    const RhythmCatalogue catalogue = RhythmCatalogue::fromText(text);
    EXPECT_FALSE(catalogue.ok());
    EXPECT_EQ(catalogue.error(), QStringLiteral("the catalogue stops after rhythm 400 of 561"));
}

TEST(RhythmCatalogue, commentsAndBlankLinesMayStandAnywhere) {
    int lineNumber = 0;
    const QString text = withLine(
        100, [](const QString& line) { return QStringLiteral("  # a remark\n\n   \n") + line; },
        &lineNumber);
    EXPECT_TRUE(RhythmCatalogue::fromText(text).ok());
}

TEST(RhythmCatalogue, unreadableFileIsNamed) {
    const RhythmCatalogue catalogue =
        RhythmCatalogue::fromFile(QStringLiteral("/nonexistent/r.txt"));
    EXPECT_FALSE(catalogue.ok());
    EXPECT_THAT(catalogue.error().toStdString(), HasSubstr("/nonexistent/r.txt cannot be read"));
}

} // namespace
