// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log inside the program: a level and a game played with keys through the real
// screens write one row per answer into the player database, timed by the test's clock.
#include "../ProgramStart.h"

#include "app/ProgramFlow.h"
#include "play/games/GameWindow.h"
#include "play/level/LevelWindow.h"
#include "play/level/ResultWindow.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using answers::Activity;
using answers::AnswerRecord;

namespace {

// Closes the verdict window as soon as it shows.
class VerdictCloser {
public:
    VerdictCloser() {
        QTimer::singleShot(0, [this] { look(); });
    }
    bool closed = false;

private:
    void look() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* result = qobject_cast<ResultWindow*>(window); result && result->isVisible()) {
                QTest::mouseClick(result->closeLabel(), Qt::LeftButton);
                closed = true;
                return;
            }
        }
        QTimer::singleShot(10, [this] { look(); });
    }
};

class AnswerLogWindowTest : public play::testing::ProgramAtMenuTest {
protected:
    // Walks the red frame with the arrow keys to `cell` (1 ... 9) and presses Space.
    static void confirmCell(LevelWindow* level, int cell) {
        const auto row = [](int c) { return (c - 1) / 3; };
        while (row(level->run().grid().cursor()) < row(cell)) {
            QTest::keyClick(level, Qt::Key_Down);
        }
        while (level->run().grid().cursor() < cell) {
            QTest::keyClick(level, Qt::Key_Right);
        }
        while (level->run().grid().cursor() > cell) {
            QTest::keyClick(level, Qt::Key_Left);
        }
        QTest::keyClick(level, Qt::Key_Space);
    }

    // Level "1a" asks rhythms 6, 7 and 8 on the bottom row: answer k is in cell k + 1.
    static int cellOf(int answer) { return answer + 1; }

    // Two seconds of feedback, one tick a second.
    void feedbackOver(LevelWindow* level) {
        for (int i = 0; i < 2; ++i) {
            clock.advance(1000);
            level->Timer1_Timer();
        }
    }

    std::vector<AnswerRecord> logged() {
        const auto id = flow->players().currentId();
        EXPECT_TRUE(id.has_value());
        const auto rows = flow->players().answersOf(id.value_or(0));
        EXPECT_TRUE(rows) << rows.status.message.toStdString();
        return rows ? *rows : std::vector<AnswerRecord>{};
    }

    qint64 utcNow() const { return clock.utcSeconds(); }
};

TEST_F(AnswerLogWindowTest, aLevelPlayedWithKeysWritesOneRowPerAnswerWhenItEnds) {
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    LevelWindow* level = flow->level();
    ASSERT_NE(level, nullptr);
    const app::RowId player = *flow->players().currentId();
    flow->players().current().tempo = "90";
    flow->players().current().instruments = "5";
    const Activity starter{Activity::Kind::Level, QStringLiteral("1a")};
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);

    std::vector<AnswerRecord> expected;
    // A wrong answer 1.2 seconds after the rhythm started.
    const int asked = level->run().question().toInt();
    const int other = asked == 8 ? 7 : 8;
    clock.advance(1200);
    confirmCell(level, cellOf(other));
    ASSERT_TRUE(level->wrongLabel()->isVisible());
    expected.push_back({player, utcNow(), starter, asked, other, false, 1200, 90, 5});
    feedbackOver(level);
    // The same question again, counted from the wrong answer.
    clock.advance(700);
    confirmCell(level, cellOf(asked));
    expected.push_back({player, utcNow(), starter, asked, asked, true, 2700, 90, 5});
    feedbackOver(level);
    // Eleven more right answers, each 1.5 seconds after its rhythm started: 1100 points.
    for (int i = 0; i < 11; ++i) {
        const int next = level->run().question().toInt();
        clock.advance(1500);
        confirmCell(level, cellOf(next));
        ASSERT_TRUE(level->rightLabel()->isVisible());
        expected.push_back({player, utcNow(), starter, next, next, true, 1500, 90, 5});
        feedbackOver(level);
    }
    // Nothing is written while the level runs.
    EXPECT_TRUE(logged().empty());
    EXPECT_EQ(flow->answerLog().waiting().size(), 13u);

    VerdictCloser verdict;
    level->Timer2_Timer();
    EXPECT_TRUE(verdict.closed);
    EXPECT_EQ(logged(), expected);
    EXPECT_TRUE(flow->answerLog().waiting().empty());
}

TEST_F(AnswerLogWindowTest, aGamesAnswersAreWrittenOnTheWayBackAndALevelsWhenTheProgramEnds) {
    QTest::mouseClick(menuLabel("Label15a"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    // Down from the listen-again cell is cell 10; its right neighbour cell 11.
    const int asked = game->run().questions().question();
    const int cell = asked == 10 ? 11 : 10;
    clock.advance(2500);
    QTest::keyClick(game, Qt::Key_Down);
    if (cell == 11) {
        QTest::keyClick(game, Qt::Key_Right);
    }
    QTest::keyClick(game, Qt::Key_Space);
    const app::RowId player = *flow->players().currentId();
    const Activity score1{Activity::Kind::Game, QStringLiteral("score1")};
    const AnswerRecord answer{player,
                              utcNow(),
                              score1,
                              game->run().questions().rhythmOf(asked),
                              game->run().questions().rhythmOf(cell),
                              false,
                              2500,
                              100,
                              23};
    QTest::mouseClick(game->backLabel(), Qt::LeftButton);
    EXPECT_THAT(logged(), ::testing::ElementsAre(answer));

    // A level left running when the program ends keeps its answers too.
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    LevelWindow* level = flow->level();
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    const int right = level->run().question().toInt();
    clock.advance(900);
    confirmCell(level, cellOf(right));
    flow->quit();
    EXPECT_EQ(flow->menu(), nullptr);
    app::PlayerStore reopened(*data);
    ASSERT_TRUE(reopened.open());
    const auto rows = reopened.answersOf(player);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ(rows->back(),
              (AnswerRecord{player, utcNow(), Activity{Activity::Kind::Level, QStringLiteral("1a")},
                            right, right, true, 900, 100, 23}));
}

} // namespace
