// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CaptionTable.h"

#include <QFile>
#include <QSet>

#include <gmock/gmock.h>

using namespace pulsadrome::i18n;

namespace {

struct FixtureRow {
    QString key;
    QStringList texts; // francais ... allemand
};

// caption_texts.tsv: the 48 shared rows whose texts are given, one per line, tab-separated, in
// fill order. (Label_copyright and Label_directx hold the program's own texts.)
std::vector<FixtureRow> fixtureRows() {
    QFile file(QStringLiteral(PULSADROME_TEST_DATA "/i18n/caption_texts.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<FixtureRow> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        QStringList cells = QString::fromUtf8(line).split(QLatin1Char('\t'));
        EXPECT_EQ(cells.size(), 7) << line.toStdString();
        const QString key = cells.takeFirst();
        rows.push_back({key, cells});
    }
    return rows;
}

const QSet<QString> kOwnRows{QStringLiteral("Label_copyright"), QStringLiteral("Label_directx")};

TEST(CaptionTable, holdsTheFiftySharedRowsInFillOrderWithEveryTextExact) {
    const auto expected = fixtureRows();
    ASSERT_EQ(expected.size(), 48u);
    const auto rows = sharedCaptionRows();
    ASSERT_EQ(rows.size(), 50u);
    std::size_t next = 0;
    for (const auto& row : rows) {
        const QString key = QString::fromLatin1(row.key);
        if (kOwnRows.contains(key)) {
            continue;
        }
        ASSERT_LT(next, expected.size());
        EXPECT_EQ(key, expected[next].key);
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            EXPECT_EQ(QString::fromUtf8(row.texts[lang]), expected[next].texts[lang])
                << key.toStdString() << " in language " << lang + 1;
        }
        ++next;
    }
    EXPECT_EQ(next, expected.size());
    EXPECT_STREQ(rows[23].key, "Label_copyright");
    EXPECT_STREQ(rows[25].key, "Label_directx");
}

TEST(CaptionTable, ourOwnRowsSayWhatIsMissingAndWhoMadeTheProgram) {
    for (const auto& row : sharedCaptionRows()) {
        if (!kOwnRows.contains(QString::fromLatin1(row.key))) {
            continue;
        }
        QSet<QString> distinct;
        for (const char* text : row.texts) {
            const QString t = QString::fromUtf8(text);
            distinct.insert(t);
            EXPECT_FALSE(t.contains(QLatin1String("DirectX"), Qt::CaseInsensitive)) << text;
            if (QLatin1String(row.key) == QLatin1String("Label_directx")) {
                EXPECT_TRUE(t.contains(QLatin1String("SoundFont"))) << text;
            } else {
                EXPECT_TRUE(t.contains(QLatin1String("Pulsadrome"))) << text;
            }
        }
        EXPECT_EQ(distinct.size(), 6) << row.key; // really translated
    }
}

TEST(CaptionTable, everyKeyIsUniqueAndEveryExtraRowIsTranslated) {
    QSet<QString> keys;
    for (const auto rows : {sharedCaptionRows(), extraCaptionRows()}) {
        for (const auto& row : rows) {
            EXPECT_FALSE(keys.contains(QString::fromLatin1(row.key))) << row.key;
            keys.insert(QString::fromLatin1(row.key));
        }
    }
    for (const auto& row : extraCaptionRows()) {
        QSet<QString> distinct;
        for (const char* text : row.texts) {
            EXPECT_GT(std::strlen(text), 0u) << row.key;
            distinct.insert(QString::fromUtf8(text));
            // A placeholder in one language is in all of them.
            EXPECT_EQ(QString::fromUtf8(text).contains(QLatin1String("%1")),
                      QString::fromUtf8(row.texts[0]).contains(QLatin1String("%1")))
                << row.key;
        }
        EXPECT_GE(distinct.size(), 5) << row.key;
    }
}

TEST(CaptionTable, startsInFrenchAndAnUnknownCodeChangesNothing) {
    CaptionTable table;
    EXPECT_TRUE(table.currentCode().isEmpty());
    EXPECT_EQ(table.text(u"quitter"), QLatin1String("Quitter"));
    table.Command_langue_Click(); // empty code: nothing
    EXPECT_EQ(table.text(u"quitter"), QLatin1String("Quitter"));

    table.setCurrentCode(QStringLiteral("allemand"));
    table.Command_langue_Click();
    EXPECT_EQ(table.text(u"quitter"), QLatin1String("Ende"));
    for (const char* code : {"Allemand", "english", "anglais ", "francais\n", "français"}) {
        table.setCurrentCode(QString::fromUtf8(code));
        table.Command_langue_Click();
        EXPECT_EQ(table.text(u"quitter"), QLatin1String("Ende")) << code;
        EXPECT_EQ(table.text(u"Label_vrai"), QLatin1String("RICHTIG")) << code;
    }
}

struct LanguageCase {
    const char* code;
    const char* niveau;
    const char* oui;
    const char* joystick;
};

class EveryLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(EveryLanguage, fillsEveryRowWithItsOwnSpacing) {
    const auto& c = GetParam();
    CaptionTable table;
    table.setCurrentCode(QString::fromLatin1(c.code));
    table.Command_langue_Click();
    EXPECT_EQ(table.text(u"Label_titre"), QLatin1String("PULSADROME"));
    EXPECT_EQ(table.text(u"niveau"), QString::fromUtf8(c.niveau));
    EXPECT_EQ(table.text(u"oui"), QString::fromUtf8(c.oui));
    EXPECT_EQ(table.text(u"Label_joystick"), QString::fromUtf8(c.joystick));
    for (const auto rows : {sharedCaptionRows(), extraCaptionRows()}) {
        for (const auto& row : rows) {
            EXPECT_TRUE(table.hasRow(QString::fromLatin1(row.key)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SixLanguages, EveryLanguage,
    ::testing::Values(LanguageCase{"francais", "NIVEAU ", "Oui", "Utiliser une manette de jeu :"},
                      LanguageCase{"anglais", "LEVEL ", "Yes", "Use a joystick :"},
                      LanguageCase{"espagnol", "NIVEL ", "Sí", "Utilizar una palanca :"},
                      LanguageCase{"portugais", "NÍVEL ", "Sim", " Utilizar um joystick :"},
                      LanguageCase{"italien", "LIVELLO ", " Sì", "Utilizzare uno joystick :"},
                      LanguageCase{"allemand", "NIVEAU ", "Ja", "Einen Joypad benutzen :"}));

TEST(CaptionTable, anUnknownKeyGivesAnEmptyText) {
    CaptionTable table;
    EXPECT_FALSE(table.hasRow(u"no_such_row"));
    EXPECT_TRUE(table.text(u"no_such_row").isEmpty());
}

} // namespace
