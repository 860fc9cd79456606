// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever name a child types, the score window enters it in a table that reads back whole: the
// file is never set aside for a name, and the table shown is the table stored.
#include "play/games/GameResults.h"
#include "play/games/HighScoreFile.h"

#include "ScoreTestSupport.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;

namespace {

// The letters of the six interface languages, capitals and small.
const QString kFrench = QStringLiteral("ÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸàâæçéèêëîïôœùûüÿ");
const QString kSpanish = QStringLiteral("ÁÉÍÑÓÚÜáéíñóúü");
const QString kPortuguese = QStringLiteral("ÁÂÃÀÇÉÊÍÓÔÕÚáâãàçéêíóôõú");
const QString kItalian = QStringLiteral("ÀÈÉÌÍÎÒÓÙÚàèéìíîòóùú");
const QString kGerman = QStringLiteral("ÄÖÜẞäöüß");
const QString kEnglish = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

struct NameCase {
    const char* what;
    QString name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.what;
}

QString repeated(const QString& text, int times) {
    QString out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

const NameCase kNames[] = {
    {"empty", QString()},
    {"forty letters", QString(40, u'W')},
    {"just under the line length", QString(240, u'a')},
    {"one line length", QString(kMaxScoreLineLength, u'b')},
    {"far beyond the line length", QString(5000, u'c')},
    {"the French letters", repeated(kFrench, 12)},
    {"the Spanish letters", repeated(kSpanish, 20)},
    {"the Portuguese letters", repeated(kPortuguese, 12)},
    {"the Italian letters", repeated(kItalian, 14)},
    {"the German letters", repeated(kGerman, 40)},
    {"the English letters", repeated(kEnglish, 6)},
    {"outside Windows-1252",
     QStringLiteral("Миша 李 🎵🥁 Ωμέγα Łukasz Đorđe \u0301\u200B\uFEFF")},
    {"control characters and line ends",
     QStringLiteral("A\r\nB\tC\u0000D\u001B\u007F\u0081\u009D") + QString(300, u'\t')},
    {"the separator and score digits", QStringLiteral("\t\t\t-2147483648\t\t\t99 :")},
    {"Windows-1252 signs beyond the alphabet", QStringLiteral("€‚ƒ„…†‡ˆ‰‹‘’“”•–—˜™›¡¿«»©®")},
};

class ExtremeName : public ::testing::TestWithParam<NameCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        directory_ = app::DataDirectory::open(dir_.path());
        ASSERT_TRUE(directory_);
    }
    QTemporaryDir dir_;
    std::optional<app::DataDirectory> directory_;
    LetterWidths widths_;
};

TEST_P(ExtremeName, isEnteredAndReadBackWithTheBestScoreKept) {
    const QString& name = GetParam().name;
    QStringList shown;
    {
        ScoreWindow window(*directory_, QStringLiteral("score4"), widths_, startCaptions());
        ASSERT_TRUE(window.Form_Load().ok());
        const ScoreFileStatus entered =
            window.Command1_Click(name + QStringLiteral(" :"), QStringLiteral("950"));
        ASSERT_TRUE(entered.ok()) << entered.message.toStdString();
        shown = window.lstScores();
    }
    // The file reads as sound: nothing is set aside, the best score is there.
    const ScoreFileContents file =
        readScoreFile(dir_.filePath(QStringLiteral("Score4.kdt")), 30, kTabs);
    ASSERT_EQ(file.state, ScoreFileContents::State::Sound)
        << describe(file.problem, startCaptions()).toStdString();
    ASSERT_EQ(file.entries.size(), 30U);
    EXPECT_EQ(file.entries.front().score, 950);
    // Every letter that a table can hold is kept, in order, as far as the line has room.
    const QString expected = storableName(name + QStringLiteral(" :"));
    const QString& stored = file.entries.front().name;
    QString unpadded = stored;
    while (unpadded.endsWith(u' ')) {
        unpadded.chop(1);
    }
    EXPECT_TRUE(expected.startsWith(unpadded)) << stored.toStdString();
    EXPECT_GE(stored.size(), std::min<qsizetype>(expected.size(), 240));

    ScoreWindow again(*directory_, QStringLiteral("score4"), widths_, startCaptions());
    ASSERT_TRUE(again.Form_Load().ok());
    EXPECT_EQ(again.lstScores(), shown);
    // A second long name pushes the first down: both lines still read.
    ASSERT_TRUE(again.Command1_Click(name + name, QStringLiteral("1000")).ok());
    EXPECT_EQ(readScoreFile(dir_.filePath(QStringLiteral("Score4.kdt")), 30, kTabs).state,
              ScoreFileContents::State::Sound);
}

INSTANTIATE_TEST_SUITE_P(HighScoreNames, ExtremeName, ::testing::ValuesIn(kNames),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             return "name" + std::to_string(info.index);
                         });

TEST(HighScoreNames, everyLetterOfTheSixLanguagesSurvivesAsItselfOrItsPlainLetter) {
    for (const QString& letters : {kFrench, kSpanish, kPortuguese, kItalian, kGerman, kEnglish}) {
        for (const QChar letter : letters) {
            const QString kept = storableName(QString(letter));
            ASSERT_FALSE(kept.isEmpty()) << QString(letter).toStdString();
            for (const QChar c : kept) {
                EXPECT_TRUE(c.isLetter() && isInScoreAlphabet(c)) << QString(letter).toStdString();
            }
        }
    }
}

TEST(HighScoreNames, aSeparatorOfItsOwnNeverAppearsInsideTheStoredName) {
    // The reader splits at the first separator: the name may neither hold it nor end with its
    // beginning.
    for (const QString& separator : {QStringLiteral("::"), QStringLiteral(" - "), kTabs}) {
        for (const QString& name : {QStringLiteral("Ana :"), QStringLiteral("a::b::"),
                                    QStringLiteral("x - y -"), QStringLiteral("Zoé :::")}) {
            const ScoreEntry stored = storableEntry({name, -42}, separator);
            const QString line = stored.name + separator + QStringLiteral("-42");
            EXPECT_EQ(line.indexOf(separator), stored.name.size())
                << name.toStdString() << " / " << separator.toStdString();
        }
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Score9.kdt"));
    ASSERT_TRUE(writeScoreFile(path, {{QStringLiteral("Ana :"), 10}, {QStringLiteral("::"), 5}},
                               QStringLiteral("::"))
                    .none());
    const ScoreFileContents back = readScoreFile(path, 2, QStringLiteral("::"));
    ASSERT_EQ(back.state, ScoreFileContents::State::Sound)
        << describe(back.problem, startCaptions()).toStdString();
    EXPECT_EQ(back.entries[0].name, QStringLiteral("Ana "));
    EXPECT_EQ(back.entries[1].score, 5);
}

TEST(HighScoreNames, aSeparatorTheTableCannotHoldWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Score9.kdt"));
    EXPECT_EQ(writeScoreFile(path, {{QStringLiteral("Ana"), 10}}, QStringLiteral("→")).kind,
              ScoreProblem::Kind::LineNotReadBack);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
