// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged high-score files: never a crash, never thrown away. The damaged file is kept beside the
// table as it was, and the rebuilt table keeps every entry that could be read.
#include "play/games/GameResults.h"
#include "play/games/HighScoreList.h"

#include "ScoreTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <random>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;

namespace {

QByteArray noise(int size) {
    std::mt19937 engine(20240611);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(engine() & 0xff);
    }
    return bytes;
}

// The stored table of plainTable() with line `n` (from 1) replaced by `bytes`.
QByteArray withLine(int n, const QByteArray& bytes) {
    QList<QByteArray> lines = storedLines(plainTable()).split('\n');
    lines[n - 1] = bytes + '\r';
    return lines.join('\n');
}

struct DamageCase {
    const char* what;
    QByteArray (*bytes)();
    std::vector<int> kept; // the players of plainTable() still in the table
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.what;
}

std::vector<int> allBut(std::initializer_list<int> lost, int count = 30) {
    std::vector<int> kept;
    for (int k = 1; k <= count; ++k) {
        if (std::find(lost.begin(), lost.end(), k) == lost.end()) {
            kept.push_back(k);
        }
    }
    return kept;
}

const DamageCase kDamaged[] = {
    {"a line without the separator",
     [] { return withLine(5, storedLines({QStringLiteral("nobody 500")}).chopped(2)); },
     allBut({5})},
    {"a line whose score is no number",
     [] { return withLine(6, storedLines({QStringLiteral("Ana :\t\t\tlots")}).chopped(2)); },
     allBut({6})},
    {"a score beyond 32 bits",
     [] { return withLine(7, storedLines({QStringLiteral("Ana :\t\t\t99999999999")}).chopped(2)); },
     allBut({7})},
    {"an empty line among the entries", [] { return withLine(8, QByteArray()); }, allBut({8})},
    {"a 10 000-character line",
     [] { return withLine(3, storedLines({QString(10000, u'a')}).chopped(2)); }, allBut({3})},
    {"a byte that Windows-1252 lacks",
     [] {
         QByteArray line = storedLines({plainTable()[6]}).chopped(2);
         line.insert(2, '\x81');
         return withLine(7, line);
     },
     allBut({7})},
    {"characters the program never writes",
     [] { return withLine(9, QByteArray("\x01\x02\x80 \t\t\tT")); }, allBut({9})},
    {"twenty-eight lines", [] { return storedLines(plainTable(28)); }, allBut({}, 28)},
    {"thirty-one lines", [] { return storedLines(plainTable(31)); }, allBut({})},
    {"an empty file", [] { return QByteArray(); }, {}},
    {"binary garbage", [] { return noise(4096); }, {}},
    {"lines of garbage", [] { return noise(3000).replace('\n', '\r').append("\r\n"); }, {}},
    {"unscrambled text",
     [] { return plainTable().join(QStringLiteral("\r\n")).toLatin1().append("\r\n"); },
     {}},
};

class DamagedScoreFile : public ::testing::TestWithParam<DamageCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        directory_ = app::DataDirectory::open(dir_.path());
        ASSERT_TRUE(directory_);
    }

    QString file() const { return dir_.filePath(QStringLiteral("Score5.kdt")); }

    QStringList filled(ScoreFileStatus& status) {
        HighScoreList list(*directory_, QStringLiteral("score5"), widths_, startCaptions());
        list.SetListCount(30);
        list.FileName(list.DefaultFileName());
        QStringList items;
        status = list.FillScoreList(items);
        return items;
    }

    QTemporaryDir dir_;
    std::optional<app::DataDirectory> directory_;
    LetterWidths widths_;
};

TEST_P(DamagedScoreFile, isKeptAsideAndItsReadableEntriesStayInTheTable) {
    const DamageCase& c = GetParam();
    const QByteArray damaged = c.bytes();
    writeBytes(file(), damaged);

    ScoreFileStatus status;
    const QStringList items = filled(status);
    ASSERT_EQ(status.kind, ScoreFileStatus::Kind::Repaired) << status.message.toStdString();
    EXPECT_THAT(status.message.toStdString(), ::testing::HasSubstr("Score5.kdt"));

    // The bad file is beside the table, byte for byte, under a dated name.
    EXPECT_THAT(QFileInfo(status.damagedCopy).fileName().toStdString(),
                ::testing::MatchesRegex(R"(Score5\.kdt\.damaged-[0-9]{8}-[0-9]{6})"));
    EXPECT_EQ(readBytes(status.damagedCopy), damaged);

    ASSERT_EQ(items.size(), 30);
    for (std::size_t i = 0; i < c.kept.size(); ++i) {
        const int k = c.kept[i];
        EXPECT_EQ(
            nameAndScore(items[static_cast<int>(i)]),
            std::make_pair(QStringLiteral("player %1 :").arg(k), QString::number(1000 - 10 * k)))
            << "rank " << i + 1;
    }
    for (auto i = static_cast<int>(c.kept.size()); i < 30; ++i) {
        EXPECT_EQ(nameAndScore(items[i]),
                  std::make_pair(QStringLiteral("*****************"), QStringLiteral("-100")));
    }

    // The rebuilt table is a sound one, and shows the same the next time.
    ScoreFileStatus again;
    EXPECT_EQ(filled(again), items);
    EXPECT_TRUE(again.ok()) << again.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(HighScoreList, DamagedScoreFile, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(DamagedScoreFiles, aRebuiltTableIsRankedAndASecondRepairKeepsTheFirstCopy) {
    QTemporaryDir dir;
    const auto directory = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(directory);
    const QString file = dir.filePath(QStringLiteral("Score1.kdt"));
    LetterWidths widths;
    const auto fill = [&](ScoreFileStatus& status) {
        HighScoreList list(*directory, QStringLiteral("score1"), widths, startCaptions());
        list.SetListCount(30);
        QStringList items;
        status = list.FillScoreList(items);
        return items;
    };

    writeBytes(file,
               storedLines({QStringLiteral("Low :\t\t\t-300"), QStringLiteral("Top :\t\t\t90"),
                            QStringLiteral("Mid :\t\t\t-100")}));
    ScoreFileStatus first;
    const QStringList items = fill(first);
    ASSERT_EQ(first.kind, ScoreFileStatus::Kind::Repaired);
    EXPECT_EQ(nameAndScore(items[0]).first, QStringLiteral("Top :"));
    EXPECT_EQ(nameAndScore(items[1]).first, QStringLiteral("Mid :"))
        << "read before the defaults of equal score";
    EXPECT_EQ(nameAndScore(items[2]).first, QStringLiteral("*****************"));
    EXPECT_EQ(nameAndScore(items[29]),
              std::make_pair(QStringLiteral("Low :"), QStringLiteral("-300")));

    writeBytes(file, "garbage");
    ScoreFileStatus second;
    fill(second);
    ASSERT_EQ(second.kind, ScoreFileStatus::Kind::Repaired);
    EXPECT_NE(second.damagedCopy, first.damagedCopy);
    EXPECT_EQ(readBytes(first.damagedCopy).count("\r\n"), 3);
    EXPECT_EQ(readBytes(second.damagedCopy), QByteArray("garbage"));
}

TEST(DamagedScoreFiles, aTableThatCannotBeReadIsLeftAloneAndNothingIsStored) {
    QTemporaryDir dir;
    const auto directory = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(directory);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Score2.kdt")));
    LetterWidths widths;
    HighScoreList list(*directory, QStringLiteral("score2"), widths, startCaptions());
    list.SetListCount(30);
    QStringList items;
    EXPECT_EQ(list.FillScoreList(items).kind, ScoreFileStatus::Kind::Failed);
    ASSERT_EQ(items.size(), 30);
    const ScoreFileStatus added = list.AddHighScore(items, QStringLiteral("Ana :"), 10);
    EXPECT_EQ(added.kind, ScoreFileStatus::Kind::Failed);
    EXPECT_THAT(added.message.toStdString(), ::testing::HasSubstr("pas enregistré"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Score2.kdt"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

TEST(DamagedScoreFiles, theAdultIsToldInTheInterfacesLanguage) {
    QTemporaryDir dir;
    const auto directory = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(directory);
    LetterWidths widths;
    QStringList seen;
    for (const char* code :
         {"francais", "anglais", "espagnol", "portugais", "italien", "allemand"}) {
        i18n::CaptionTable captions;
        captions.setCurrentCode(QString::fromLatin1(code));
        captions.Command_langue_Click();
        writeBytes(dir.filePath(QStringLiteral("Score6.kdt")),
                   storedLines({QStringLiteral("Top :\t\t\t90"), QStringLiteral("Bad :\t\t\tabc"),
                                QStringLiteral("Low :\t\t\t-300")}));
        HighScoreList list(*directory, QStringLiteral("score6"), widths, captions);
        list.SetListCount(30);
        QStringList items;
        const ScoreFileStatus status = list.FillScoreList(items);
        ASSERT_EQ(status.kind, ScoreFileStatus::Kind::Repaired) << code;
        // The sentence and the phrase inside it are both the language's own.
        EXPECT_EQ(status.message, captions.text(u"score_abime_repare")
                                      .arg(QStringLiteral("Score6.kdt"),
                                           captions.text(u"score_ligne_sans_score").arg(2))
                                      .arg(2)
                                      .arg(QFileInfo(status.damagedCopy).fileName()))
            << code;
        seen << status.message.left(status.message.indexOf(u'('));

        ScoreWindow window(*directory, QStringLiteral("score6"), widths, captions);
        ASSERT_TRUE(window.Form_Load().ok()) << code;
        EXPECT_EQ(window.Command1_Click(QStringLiteral("Ana"), QStringLiteral("beaucoup")).message,
                  captions.text(u"score_pas_un_nombre").arg(QStringLiteral("beaucoup")))
            << code;
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 6) << seen.join(u'|').toStdString();
}

} // namespace
