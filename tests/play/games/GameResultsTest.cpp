// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game: the score window's entry, the winner line; and the game length boxes and
// the bonus draw that shape a game.
#include "play/games/GameResults.h"

#include "ScoreTestSupport.h"
#include "play/games/Bonus.h"
#include "play/games/GameLength.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <cmath>
#include <map>

using namespace pulsadrome;
using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;

namespace {

struct WinnerCase {
    const char* score;
    const char* scoreB;
    const char* winner; // empty: a tie
};

TEST(WinnerLine, namesTheHigherScoreOrTheTieEvenBeyondSixteenBits) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QStringLiteral("anglais"));
    captions.Command_langue_Click();
    const WinnerCase cases[] = {
        {"-20", "-50", "Ana"},      {"300", "300", ""},
        {"-7", "12", "Bob"},        {"40000", "39999", "Ana"}, // both above 32767
        {"70000", "4464", "Ana"},                              // the same number in 16 bits
        {"-70000", "-4464", "Bob"},
    };
    for (const WinnerCase& c : cases) {
        const WinnerLine line =
            winnerLine(QStringLiteral("Ana"), QStringLiteral("Bob"), QString::fromLatin1(c.score),
                       QString::fromLatin1(c.scoreB), captions);
        EXPECT_EQ(line.vainqueur, QString::fromLatin1(c.winner)) << c.score << " : " << c.scoreB;
        EXPECT_EQ(line.labelVainqueur, *c.winner ? captions.text(u"Label_vainqueur")
                                                 : captions.text(u"Label_scores_identiques"));
    }
    EXPECT_EQ(captions.text(u"Label_vainqueur"), QStringLiteral("The winner is"));
}

class ScoreWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        directory_ = app::DataDirectory::open(dir_.path());
        ASSERT_TRUE(directory_);
    }

    // The games screen's order: the window loads (filling the list), then Command1 is pressed.
    ScoreWindow opened(const QString& txtScore, ScoreFileStatus* entry = nullptr) {
        ScoreWindow window(*directory_, QStringLiteral("score13"), widths_, startCaptions());
        EXPECT_TRUE(window.Form_Load().ok());
        const ScoreFileStatus status = window.Command1_Click(QStringLiteral("Zoé :"), txtScore);
        if (entry) {
            *entry = status;
        }
        return window;
    }

    QTemporaryDir dir_;
    std::optional<app::DataDirectory> directory_;
    LetterWidths widths_;
};

TEST_F(ScoreWindowTest, theFirstGameCreatesTheTableAndShowsItsScoreAtRankOne) {
    const ScoreWindow window = opened(QStringLiteral("250"));
    ASSERT_EQ(window.lstScores().size(), 30);
    EXPECT_EQ(nameAndScore(window.lstScores()[0]),
              std::make_pair(QStringLiteral("Zoé :"), QStringLiteral("250")));
    EXPECT_EQ(plainLinesOf(dir_.filePath(QStringLiteral("Score13.kdt"))).size(), 30);
    EXPECT_EQ(opened(QStringLiteral("-100")).lstScores(), window.lstScores())
        << "-100 or less enters nothing";
}

TEST_F(ScoreWindowTest, theScoreTextIsRoundedToAWholeNumberOrEntersNothing) {
    EXPECT_EQ(nameAndScore(opened(QStringLiteral("12.5")).lstScores()[0]).second,
              QStringLiteral("12"));
    EXPECT_EQ(nameAndScore(opened(QStringLiteral("13.5")).lstScores()[0]).second,
              QStringLiteral("14"));
    for (const char* bad : {"abc", "", "3000000000"}) {
        ScoreFileStatus status;
        const ScoreWindow window = opened(QString::fromLatin1(bad), &status);
        EXPECT_EQ(status.kind, ScoreFileStatus::Kind::Failed) << bad;
        EXPECT_EQ(nameAndScore(window.lstScores()[0]).second, QStringLiteral("14")) << bad;
    }
}

struct LengthCase {
    const char* typed;
    bool byEnter; // Enter in the box; otherwise the arrows' second notification
    const char* text;
    int arrows;
};

TEST(GameLength, enterAcceptsZeroToNineHundredNinetyEightAndTheArrowsOneAndMore) {
    const LengthCase cases[] = {
        {"0", true, "0", 0},        {"998", true, "998", 998}, {"999", true, "120", 120},
        {"-1", true, "120", 120},   {"abc", true, "120", 120}, {"12.5", true, "120", 120},
        {" 45 ", true, "45", 45},   {"0", false, "120", 120},  {"1", false, "1", 1},
        {"999", false, "120", 120}, {"120", true, "120", 120},
    };
    for (const LengthCase& c : cases) {
        GameLength length;
        length.setStored(QStringLiteral("120"));
        length.type(QString::fromLatin1(c.typed));
        c.byEnter ? length.Text_chrono_KeyPress(13) : length.UpDown_chrono_GotFocus();
        EXPECT_EQ(length.text(), QString::fromLatin1(c.text)) << '"' << c.typed << '"';
        EXPECT_EQ(length.arrows(), c.arrows) << '"' << c.typed << '"';
    }

    GameLength scored;
    scored.setStored(QStringLiteral("300"));
    scored.setEnabled(false);
    scored.type(QStringLiteral("5"));
    scored.Text_chrono_KeyPress(13);
    EXPECT_EQ(scored.text(), QStringLiteral("300")) << "a scored game's length is fixed";
}

TEST(Bonus, theDrawTableGivesNinetyNoneFourFiftiesThreeHundredsTwoHundredFiftiesOneTwoHundred) {
    std::map<QString, int> byDraw;
    for (int r = 1; r <= 100; ++r) {
        struct Fixed final : Random {
            int value;
            int below(int n) override { return n == 100 ? value : 0; }
        } fixed;
        fixed.value = r - 1;
        Bonus bonus;
        bonus.Calcul_bonus(fixed);
        ++byDraw[bonus.label()];
        EXPECT_EQ(bonus.shown(), r > 90) << r;
        EXPECT_EQ(bonus.running(), r > 90) << r;
        EXPECT_EQ(bonus.points(), bonus.label().toInt()) << r;
    }
    EXPECT_EQ(byDraw, (std::map<QString, int>{
                          {"0", 90}, {"+50", 4}, {"+100", 3}, {"+150", 2}, {"+200", 1}}));

    SeededRandom random(20240611);
    std::map<QString, int> seen;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        Bonus bonus;
        bonus.Calcul_bonus(random);
        ++seen[bonus.label()];
    }
    // Within five standard deviations of the table's shares.
    for (const auto& [label, share] : std::map<QString, double>{
             {"0", 0.90}, {"+50", 0.04}, {"+100", 0.03}, {"+150", 0.02}, {"+200", 0.01}}) {
        const double expected = kDraws * share;
        EXPECT_NEAR(seen[label], expected, 5 * std::sqrt(expected * (1 - share)))
            << label.toStdString();
    }
}

} // namespace
