// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log as a spreadsheet file: the separator of the locale, quoting, the byte order
// mark, and a round trip through a CSV reader of the file an export wrote.
#include "answers/CsvDocument.h"
#include "app/AnswerExport.h"

#include "support/CsvReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome;
using answers::Activity;
using ::testing::ElementsAre;

namespace {

TEST(CsvDocument, theSeparatorIsASemicolonWhereTheDecimalSeparatorIsAComma) {
    EXPECT_EQ(answers::csvSeparator(QLocale(QLocale::French, QLocale::France)), ';');
    EXPECT_EQ(answers::csvSeparator(QLocale(QLocale::German, QLocale::Germany)), ';');
    EXPECT_EQ(answers::csvSeparator(QLocale(QLocale::Portuguese, QLocale::Brazil)), ';');
    EXPECT_EQ(answers::csvSeparator(QLocale(QLocale::English, QLocale::UnitedStates)), ',');
    EXPECT_EQ(answers::csvSeparator(QLocale(QLocale::English, QLocale::UnitedKingdom)), ',');
    EXPECT_EQ(answers::csvSeparator(QLocale::c()), ',');
}

TEST(CsvDocument, fieldsAreQuotedOnlyWhenAReaderWouldMisreadThem) {
    struct Case {
        const char* text;
        const char* comma;
        const char* semicolon;
    };
    for (const Case c :
         {Case{"Zoé", "Zoé", "Zoé"},
          {"Léo; Jr", "Léo; Jr", "\"Léo; Jr\""},
          {"Ana, B", "\"Ana, B\"", "Ana, B"},
          {"Max \"le petit\"", "\"Max \"\"le petit\"\"\"", "\"Max \"\"le petit\"\"\""},
          {"two\nlines", "\"two\nlines\"", "\"two\nlines\""},
          {" Eva", "\" Eva\"", "\" Eva\""},
          {"", "", ""}}) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(answers::csvField(text, ','), QString::fromUtf8(c.comma)) << c.text;
        EXPECT_EQ(answers::csvField(text, ';'), QString::fromUtf8(c.semicolon)) << c.text;
    }
    const QByteArray document = answers::csvDocument({{"a", "b"}, {"1"}}, ',');
    EXPECT_EQ(document, QByteArray("\xEF\xBB\xBF"
                                   "a,b\r\n1\r\n"));
}

class AnswerExport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(store.open());
        for (const char* name : {"Zoé \"la grande\"", "Léo; Jr, 2e", "Ana\nB"}) {
            const auto id = store.add(app::newPlayerRecord(QString::fromUtf8(name)));
            ASSERT_TRUE(id);
            ids.push_back(*id);
        }
        ASSERT_TRUE(store.appendAnswers({
            {ids[0], 1'772'438'401, {Activity::Kind::Level, "7"}, 49, 50, false, 2300, 120, 7},
            {ids[1], 1'772'438'460, {Activity::Kind::Game, "score12"}, 400, 400, true, 870, 90, 0},
            {ids[0], 1'772'524'799, {Activity::Kind::Level, "1a"}, 6, 6, true, 15'000, 100, 23},
        }));
    }

    // The file the export wrote for `locale`, read back.
    std::vector<QStringList> exported(const QLocale& locale, QChar separator) {
        const QString path = tmp.filePath("answers.csv");
        const app::StoreStatus status = app::exportAnswerLog(store, ids, captions, locale, path);
        EXPECT_TRUE(status.ok()) << status.message.toStdString();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        QString wrong;
        const auto rows =
            pulsadrome::testing::readCsv(QString::fromUtf8(bytes.mid(3)), separator, &wrong);
        EXPECT_TRUE(wrong.isEmpty()) << wrong.toStdString();
        return rows;
    }

    QTemporaryDir tmp;
    app::DataDirectory dir = *app::DataDirectory::open(tmp.path());
    app::PlayerStore store{dir};
    std::vector<app::RowId> ids;
    i18n::CaptionTable captions;
};

TEST_F(AnswerExport, aSpreadsheetReadsBackEveryAnswerOfEveryPlayerInTheirLanguage) {
    const std::vector<QStringList> french = exported(QLocale(QLocale::French), ';');
    EXPECT_THAT(french,
                ElementsAre(QStringList{"Joueur", "Date et heure (UTC)", "Niveau ou jeu",
                                        "Rythme entendu", "Rythme choisi", "Juste (1) ou faux (0)",
                                        "Temps de réponse (ms)", "Vitesse", "Instrument (numéro)"},
                            QStringList{"Zoé \"la grande\"", "2026-03-02 08:00:01", "NIVEAU 7",
                                        "49", "50", "0", "2300", "120", "7"},
                            QStringList{"Zoé \"la grande\"", "2026-03-03 07:59:59", "NIVEAU 1a",
                                        "6", "6", "1", "15000", "100", "23"},
                            QStringList{"Léo; Jr, 2e", "2026-03-02 08:01:00", "JEU 12", "400",
                                        "400", "1", "870", "90", "0"}));

    captions.setCurrentCode(QStringLiteral("anglais"));
    captions.Command_langue_Click();
    const std::vector<QStringList> english =
        exported(QLocale(QLocale::English, QLocale::UnitedStates), ',');
    ASSERT_EQ(english.size(), french.size());
    EXPECT_EQ(english[0].front(), "Player");
    EXPECT_EQ(english[3][2], "GAME 12");
    for (std::size_t row = 1; row < english.size(); ++row) {
        EXPECT_EQ(english[row].mid(3), french[row].mid(3)) << row;
    }
}

TEST_F(AnswerExport, aFileThatCannotBeWrittenIsSaidAndAnOldOneStaysWhole) {
    const QString path = tmp.filePath("answers.csv");
    ASSERT_TRUE(app::exportAnswerLog(store, ids, captions, QLocale::c(), path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const QString nowhere = tmp.filePath("missing/answers.csv");
    const app::StoreStatus refused =
        app::exportAnswerLog(store, ids, captions, QLocale::c(), nowhere);
    EXPECT_EQ(refused.problem, app::StoreProblem::Failed);
    EXPECT_TRUE(refused.message.contains(nowhere)) << refused.message.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));

    // A player who is not in the database: nothing is written over the old file.
    const app::StoreStatus unknown =
        app::exportAnswerLog(store, {ids[0], 999}, captions, QLocale::c(), path);
    EXPECT_FALSE(unknown.ok());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

} // namespace
