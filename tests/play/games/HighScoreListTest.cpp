// SPDX-License-Identifier: GPL-3.0-or-later
// A scored game's high-score table: first use, ranking, the stored file and its scrambling.
#include "play/games/HighScoreList.h"

#include "ScoreTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <set>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using ::testing::ElementsAre;

namespace {

class HighScoreListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        directory_ = app::DataDirectory::open(dir_.path());
        ASSERT_TRUE(directory_);
    }

    QString file(int n = 3) const { return dir_.filePath(QStringLiteral("Score%1.kdt").arg(n)); }

    // The score window's calling order: list count 30, the game's file, then the list.
    QStringList filled(ScoreFileStatus* status = nullptr) {
        HighScoreList list(*directory_, QStringLiteral("score3"), widths_, startCaptions());
        list.SetListCount(30);
        list.FileName(list.DefaultFileName());
        QStringList items;
        const ScoreFileStatus result = list.FillScoreList(items);
        if (status) {
            *status = result;
        }
        return items;
    }

    QStringList enter(const QString& name, qint32 score) {
        HighScoreList list(*directory_, QStringLiteral("score3"), widths_, startCaptions());
        list.SetListCount(30);
        list.FileName(list.DefaultFileName());
        QStringList items;
        EXPECT_TRUE(list.FillScoreList(items).ok());
        EXPECT_TRUE(list.AddHighScore(items, name, score).ok());
        return items;
    }

    QTemporaryDir dir_;
    std::optional<app::DataDirectory> directory_;
    LetterWidths widths_;
};

TEST_F(HighScoreListTest, firstUseCreatesThirtyDefaultLinesAndShowsThem) {
    ASSERT_FALSE(QFileInfo::exists(file()));
    ScoreFileStatus status;
    const QStringList items = filled(&status);
    EXPECT_TRUE(status.ok());

    ASSERT_EQ(items.size(), 30);
    // Seventeen asterisks are 119 wide, more than ten "N": no padding.
    EXPECT_EQ(items[0], QStringLiteral("1. *****************\t\t\t-100"));
    EXPECT_EQ(items[29], QStringLiteral("30. *****************\t\t\t-100"));

    const QByteArray bytes = readBytes(file());
    EXPECT_EQ(bytes.count("\r\n"), 30);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.contains("***")) << "names are not stored in clear";
    EXPECT_FALSE(bytes.contains("-100")) << "scores are not stored in clear";
    EXPECT_EQ(plainLinesOf(file()), QStringList(30, QStringLiteral("*****************\t\t\t-100")));
}

TEST_F(HighScoreListTest, minusOneHundredIsNoBetterThanTheDefaultsAndChangesNothing) {
    filled();
    const QByteArray before = readBytes(file());
    const QStringList items = enter(QStringLiteral("Zoé :"), -100);
    EXPECT_EQ(items, filled());
    EXPECT_EQ(readBytes(file()), before);
}

TEST_F(HighScoreListTest, minusNinetyNineTakesRankOneAndPushesTheLastDefaultOut) {
    const QStringList items = enter(QStringLiteral("Zoé :"), -99);
    ASSERT_EQ(items.size(), 30);
    // "Zoé :" is 4 x 7 + 4 = 32 wide; spaces are added up to 100, ten "N".
    EXPECT_EQ(items[0], QStringLiteral("1. Zoé :") + QString(17, u' ') + kTabs + "-99");
    EXPECT_EQ(items[1], QStringLiteral("2. *****************\t\t\t-100"));
    EXPECT_EQ(items[29], QStringLiteral("30. *****************\t\t\t-100"));

    const QStringList stored = plainLinesOf(file());
    ASSERT_EQ(stored.size(), 30);
    EXPECT_EQ(stored[0], QStringLiteral("Zoé :") + QString(17, u' ') + kTabs + "-99");
    EXPECT_EQ(filled(), items) << "the table reads back as it was shown";
}

TEST_F(HighScoreListTest, aNewScoreRanksBelowEveryEqualScore) {
    enter(QStringLiteral("Ana :"), 300);
    enter(QStringLiteral("Bob :"), 500);
    enter(QStringLiteral("Cid :"), 300);
    const QStringList items = enter(QStringLiteral("Dan :"), 300);
    std::vector<std::pair<QString, QString>> top;
    for (int i = 0; i < 5; ++i) {
        top.push_back(nameAndScore(items[i]));
    }
    using P = std::pair<QString, QString>;
    EXPECT_THAT(top, ElementsAre(P{"Bob :", "500"}, P{"Ana :", "300"}, P{"Cid :", "300"},
                                 P{"Dan :", "300"}, P{"*****************", "-100"}));
    EXPECT_TRUE(items[3].startsWith(QStringLiteral("4. Dan :")));
}

TEST_F(HighScoreListTest, aNameWithAFullStopKeepsItWhenItMovesDown) {
    enter(QStringLiteral("J.-P. :"), 200);
    const QStringList items = enter(QStringLiteral("Lou :"), 900);
    EXPECT_EQ(nameAndScore(items[1]),
              std::make_pair(QStringLiteral("J.-P. :"), QStringLiteral("200")));
    EXPECT_TRUE(items[1].startsWith(QStringLiteral("2. J.-P. :")));
    EXPECT_EQ(nameAndScore(filled()[1]).first, QStringLiteral("J.-P. :"));
}

TEST_F(HighScoreListTest, namesAreKeptToTheCharactersATableHolds) {
    const QStringList items = enter(QStringLiteral("NICOLÒ & Œdipe\tJoão’s"), 10);
    EXPECT_EQ(nameAndScore(items[0]).first, QStringLiteral("NICOLO  OEdipe João's"));
    EXPECT_EQ(nameAndScore(filled()[0]).first, nameAndScore(items[0]).first);
}

TEST_F(HighScoreListTest, scoresBeyondSixteenBitsAreRankedAndStored) {
    enter(QStringLiteral("Ana :"), 40000);
    const QStringList items = enter(QStringLiteral("Bob :"), 2000000000);
    EXPECT_EQ(nameAndScore(items[0]).second, QStringLiteral("2000000000"));
    EXPECT_EQ(nameAndScore(items[1]).second, QStringLiteral("40000"));
    EXPECT_EQ(filled(), items);
}

TEST_F(HighScoreListTest, aNameAtLeastAsWideAsTenNIsNotPadded) {
    const QString wide = QStringLiteral("Maximilien :"); // 7+7+7+3+7+3+3+3+7+7+4+7 = 65 wide
    const QString wider = QStringLiteral("Wolfgang Amadeus :");
    enter(wide, 20);
    const QStringList items = enter(wider, 10);
    EXPECT_EQ(itemBody(items[1]), wider + kTabs + "10");
    EXPECT_EQ(itemBody(items[0]), wide + QString(9, u' ') + kTabs + "20")
        << "65 + 9 spaces of 4 = 101 >= 100";
}

TEST_F(HighScoreListTest, aFontWhoseSpaceHasNoWidthStopsThePadding) {
    widths_.spaceWidth = 0;
    const QStringList items = enter(QStringLiteral("Al :"), 10);
    EXPECT_EQ(itemBody(items[0]), QStringLiteral("Al : ") + kTabs + "10");
}

TEST_F(HighScoreListTest, theGameCodeNamesTheFile) {
    const QString mine = dir_.filePath(QStringLiteral("Mine.kdt"));
    for (const auto& [code, expected] :
         std::vector<std::pair<QString, QString>>{{"score1", "Score1.kdt"},
                                                  {"score14", "Score14.kdt"},
                                                  {"score15", ""},
                                                  {"score03", ""},
                                                  {"1", ""}}) {
        HighScoreList list(*directory_, code, widths_, startCaptions());
        list.FileName(mine);
        const QString name = list.DefaultFileName();
        EXPECT_EQ(name, expected.isEmpty() ? QString() : dir_.filePath(expected))
            << code.toStdString();
        EXPECT_EQ(list.file(), expected.isEmpty() ? mine : name) << code.toStdString();
    }
}

TEST_F(HighScoreListTest, aTwoPlayerGameHasNoTableAndWritesNothing) {
    HighScoreList list(*directory_, QStringLiteral("2"), widths_, startCaptions());
    list.SetListCount(30);
    QStringList items;
    EXPECT_EQ(list.FillScoreList(items).kind, ScoreFileStatus::Kind::Failed);
    EXPECT_EQ(items.size(), 30);
    EXPECT_EQ(list.AddHighScore(items, QStringLiteral("Ana :"), 50).kind,
              ScoreFileStatus::Kind::Failed);
    EXPECT_TRUE(items[0].startsWith(QStringLiteral("1. Ana :")));
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(HighScoreListTest, theDefaultsOfAnUnsetListAreAHundredEntriesTenNAndThreeTabs) {
    HighScoreList list(*directory_, QStringLiteral("score9"), widths_, startCaptions());
    EXPECT_EQ(list.GetNameLength(), 10);
    QStringList items;
    ASSERT_TRUE(list.FillScoreList(items).ok());
    EXPECT_EQ(items.size(), 100);
    EXPECT_EQ(plainLinesOf(file(9)).size(), 100);
    EXPECT_EQ(list.separator(), kTabs);
}

// The line count of a stored table of 30 entries: ended by CR LF or not, it is read as it is;
// with fewer lines it is damaged (see HighScoreDamageTest for what is kept).
struct LineCountCase {
    const char* what;
    int entries;
    bool lastLineEnded;
    bool sound;
};

class StoredLineCount : public HighScoreListTest,
                        public ::testing::WithParamInterface<LineCountCase> {};

TEST_P(StoredLineCount, decidesWhetherTheFileIsReadAsItIs) {
    const LineCountCase c = GetParam();
    QByteArray bytes = storedLines(plainTable(c.entries));
    if (!c.lastLineEnded) {
        bytes.chop(2);
    }
    writeBytes(file(), bytes);
    ScoreFileStatus status;
    const QStringList items = filled(&status);
    ASSERT_EQ(items.size(), 30);
    EXPECT_EQ(status.ok(), c.sound) << status.message.toStdString();
    EXPECT_EQ(status.damagedCopy.isEmpty(), c.sound);
    if (!c.sound) {
        EXPECT_EQ(readBytes(status.damagedCopy), bytes) << "the file is kept as it was";
    }
    EXPECT_EQ(nameAndScore(items[c.entries - 1]).first,
              QStringLiteral("player %1 :").arg(c.entries));
}

INSTANTIATE_TEST_SUITE_P(
    HighScoreListTest, StoredLineCount,
    ::testing::Values(LineCountCase{"thirty lines ended by CR LF count 31", 30, true, true},
                      LineCountCase{"thirty lines, the last unended, count 30", 30, false, true},
                      LineCountCase{"twenty-nine ended lines count 30", 29, true, false},
                      LineCountCase{"twenty-nine unended lines count 29", 29, false, false}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ScoreScramble, isItsOwnInverseOverTheWholeAlphabet) {
    ASSERT_EQ(kScoreAlphabet.size(), 112);
    ASSERT_EQ(kScoreSubstitute.size(), 112);
    EXPECT_EQ(kScoreAlphabet.back(), u'\t');
    EXPECT_EQ(kScoreSubstitute.back(), u'\t');
    EXPECT_EQ(std::set<QChar>(kScoreAlphabet.begin(), kScoreAlphabet.end()).size(), 112u)
        << "no character twice";

    const QString everything = kScoreAlphabet.toString();
    EXPECT_EQ(scrambleLine(scrambleLine(everything)), everything);
    EXPECT_EQ(scrambleLine(everything), kScoreSubstitute.toString());
    const QString line = QStringLiteral("Zoé-Ümit O'Hara :\t\t\t-2147483648");
    EXPECT_NE(scrambleLine(line), line);
    EXPECT_EQ(scrambleLine(scrambleLine(line)), line);

    int standing = 0;
    for (qsizetype i = 0; i < kScoreAlphabet.size(); ++i) {
        standing += kScoreAlphabet[i] == kScoreSubstitute[i] ? 1 : 0;
    }
    EXPECT_EQ(standing, 2) << "only the apostrophe and the tab stand for themselves";
    EXPECT_TRUE(encodeWindows1252(kScoreAlphabet)) << "every character has a Windows-1252 byte";
}

TEST(ScoreScramble, dropsWhatIsNotInTheAlphabet) {
    EXPECT_EQ(scrambleLine(scrambleLine(u"Ana & Léo!\r\n€")), QStringLiteral("Ana  Léo"));
}

TEST(Windows1252, decodesTheHighBytesAndRefusesTheFiveWithoutCharacter) {
    EXPECT_EQ(decodeWindows1252("\x80\x8c\x9f\xe9").value(), QStringLiteral("€ŒŸé"));
    EXPECT_EQ(encodeWindows1252(u"€ŒŸé").value(), QByteArray("\x80\x8c\x9f\xe9"));
    for (const char bad : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'}) {
        EXPECT_FALSE(decodeWindows1252(QByteArray("ab") + bad));
    }
    EXPECT_FALSE(encodeWindows1252(u"Ā"));
}

} // namespace
