// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome::i18n;

namespace {

class LanguageFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("langue.kdt")); }
    void writeRaw(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readRaw() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString startupQuit() {
        CaptionTable table;
        applyLanguageAtStartup(table, path());
        return table.text(u"quitter");
    }

    QTemporaryDir dir_;
};

TEST_F(LanguageFileTest, choosingGermanWritesSixCrLfAndTheNextStartIsGerman) {
    CaptionTable table;
    ASSERT_TRUE(chooseLanguage(table, Language::Allemand, path()));
    EXPECT_EQ(readRaw(), QByteArray("6\r\n"));
    EXPECT_EQ(table.currentCode(), QLatin1String("allemand"));
    EXPECT_EQ(table.text(u"quitter"), QLatin1String("Ende"));

    CaptionTable next;
    applyLanguageAtStartup(next, path());
    EXPECT_EQ(next.currentCode(), QLatin1String("allemand"));
    EXPECT_EQ(next.text(u"Label_vrai"), QLatin1String("RICHTIG"));
}

struct FileCase {
    const char* name;
    QByteArray bytes;
    const char* quit; // the start-up language's "quitter"
};

class StartupFile : public LanguageFileTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(StartupFile, startsInTheRightLanguageAndNeverCrashes) {
    writeRaw(GetParam().bytes);
    EXPECT_EQ(startupQuit(), QString::fromUtf8(GetParam().quit));
}

INSTANTIATE_TEST_SUITE_P(
    Contents, StartupFile,
    ::testing::Values(
        FileCase{"english", "2\r\n", "Exit"}, FileCase{"noLineEnd", "3", "Salir"},
        FileCase{"unixLineEnd", "5\n", "Esci"}, FileCase{"blanksAround", "  4 \r\n", "Deixar"},
        FileCase{"trailingLines", "6\r\nrest\r\n", "Ende"}, FileCase{"empty", "", "Quitter"},
        FileCase{"zero", "0\r\n", "Quitter"}, FileCase{"seven", "7\r\n", "Quitter"},
        FileCase{"negative", "-2\r\n", "Quitter"},
        FileCase{"tooBigFor16Bits", "70002\r\n", "Quitter"},
        FileCase{"word", "allemand\r\n", "Quitter"}, FileCase{"decimal", "2.5\r\n", "Quitter"},
        FileCase{"randomBytes", QByteArray("\x00\xff\x13\x37\xfe", 5), "Quitter"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageFileTest, aMissingFileStartsInFrenchAndTheNextChoiceCreatesIt) {
    EXPECT_EQ(startupQuit(), QLatin1String("Quitter"));
    EXPECT_FALSE(QFile::exists(path()));
    CaptionTable table;
    ASSERT_TRUE(chooseLanguage(table, Language::Italien, path()));
    EXPECT_EQ(readRaw(), QByteArray("5\r\n"));
}

TEST_F(LanguageFileTest, aDamagedFileIsRewrittenAtTheNextChoice) {
    writeRaw(QByteArray(5000, '\x7f'));
    EXPECT_EQ(startupQuit(), QLatin1String("Quitter"));
    CaptionTable table;
    ASSERT_TRUE(chooseLanguage(table, Language::Anglais, path()));
    EXPECT_EQ(readRaw(), QByteArray("2\r\n"));
}

TEST_F(LanguageFileTest, aFolderThatCannotBeWrittenKeepsTheChoiceForThisRunAndSaysWhy) {
    const QString blocked = dir_.filePath(QStringLiteral("missing-folder/langue.kdt"));
    CaptionTable table;
    pulsadrome::WriteOutcome failure;
    EXPECT_FALSE(chooseLanguage(table, Language::Espagnol, blocked, &failure));
    EXPECT_FALSE(failure.ok());
    EXPECT_EQ(table.text(u"quitter"), QLatin1String("Salir"));
}

TEST(LanguageNumbers, matchCodesAndFlags) {
    EXPECT_EQ(languageFromNumber(1), Language::Francais);
    EXPECT_EQ(languageFromNumber(6), Language::Allemand);
    EXPECT_EQ(languageFromNumber(0), std::nullopt);
    EXPECT_EQ(languageFromNumber(7), std::nullopt);
    EXPECT_EQ(languageFromCode(u"portugais"), Language::Portugais);
    EXPECT_EQ(languageFromCode(u"Portugais"), std::nullopt);
    EXPECT_STREQ(languageInfo(Language::Portugais).flagControl, "Image_portugal");
    EXPECT_STREQ(languageInfo(Language::Francais).flagControl, "Image_langue");
}

} // namespace
