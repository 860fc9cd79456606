// SPDX-License-Identifier: GPL-3.0-or-later
// "Practise my confusions" through the real windows: from the child's Progress screen to a
// practice level of the rhythms the child mixes up most, played with keys on the level screen,
// whose answers are logged as practice, which writes no progress, and whose way back leads to
// the Progress screen again.
#include "../ProgramStart.h"

#include "app/DemoHistory.h"
#include "app/ProgramFlow.h"
#include "app/ProgressWindow.h"
#include "catalogue/Practice.h"
#include "play/level/LevelWindow.h"
#include "play/level/ResultWindow.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using answers::Activity;
using answers::AnswerRecord;

namespace {

// Closes the verdict window as soon as it shows, keeping its message.
class VerdictCloser {
public:
    VerdictCloser() {
        QTimer::singleShot(0, [this] { look(); });
    }
    QString message;

private:
    void look() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* result = qobject_cast<ResultWindow*>(window); result && result->isVisible()) {
                message = result->message()->text();
                QTest::mouseClick(result->closeLabel(), Qt::LeftButton);
                return;
            }
        }
        QTimer::singleShot(10, [this] { look(); });
    }
};

class PracticeWindowTest : public play::testing::ProgramAtMenuTest {
protected:
    void SetUp() override {
        ProgramAtMenuTest::SetUp();
        // Ten weeks of play before the test's day.
        const app::DemoHistoryOutcome history = app::playDemoHistory(
            flow->players(), pulsadrome::testing::ManualClock::kStartUtcSeconds - 70 * 86'400, 14);
        ASSERT_TRUE(history.status) << history.status.message.toStdString();
        player = *flow->players().currentId();
        // The menu opens again on what the history opened.
        flow->changePlayer();
        flow->playerChoice()->pickName(0);
        flow->goOn();
        ASSERT_NE(flow->menu(), nullptr);
    }

    app::ProgressWindow* openProgress() {
        QTest::mouseClick(menuLabel("Label_progres"), Qt::LeftButton);
        return flow->progress();
    }

    // The cell of answer `answer` on the full grid: 1 2 3 / 4 _ 5 / 6 7 8.
    static int cellOf(int answer) { return answer <= 4 ? answer : answer + 1; }

    // Walks the red frame with the arrow keys to `cell` and presses Space.
    static void confirmCell(LevelWindow* level, int cell) {
        const auto row = [](int c) { return (c - 1) / 3; };
        while (row(level->run().grid().cursor()) < row(cell)) {
            QTest::keyClick(level, Qt::Key_Down);
        }
        while (row(level->run().grid().cursor()) > row(cell)) {
            QTest::keyClick(level, Qt::Key_Up);
        }
        while (level->run().grid().cursor() < cell) {
            QTest::keyClick(level, Qt::Key_Right);
        }
        while (level->run().grid().cursor() > cell) {
            QTest::keyClick(level, Qt::Key_Left);
        }
        QTest::keyClick(level, Qt::Key_Space);
    }

    void feedbackOver(LevelWindow* level) {
        for (int i = 0; i < 2; ++i) {
            clock.advance(1000);
            level->Timer1_Timer();
        }
    }

    std::vector<AnswerRecord> loggedToday() {
        std::vector<AnswerRecord> today;
        for (const AnswerRecord& answer : *flow->players().answersOf(player)) {
            if (answer.utcSeconds >= pulsadrome::testing::ManualClock::kStartUtcSeconds) {
                today.push_back(answer);
            }
        }
        return today;
    }

    static int answersIn(const app::ProgressWindow& window) {
        int answers = 0;
        for (const auto& week : window.progress().weeks) {
            answers += week.answers;
        }
        return answers;
    }

    app::RowId player = 0;
};

TEST_F(PracticeWindowTest, theWorstRhythmsArePractisedWithKeysAndNoProgressIsWritten) {
    const catalogue::ProgressFields progressBefore = flow->players().current().progress();
    const int openBefore = flow->menuModel()->levels.enabledCount();
    app::ProgressWindow* progress = openProgress();
    ASSERT_NE(progress, nullptr);
    const int answersBefore = answersIn(*progress);
    const QList<int> confused = progress->confusedRhythms();
    const auto expected =
        catalogue::practiceLevel(std::vector<int>(confused.begin(), confused.end()));
    ASSERT_TRUE(expected);

    QTest::mouseClick(progress->findChild<QWidget*>("Label_pratiquer"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow->progress(), nullptr);
    LevelWindow* level = flow->level();
    ASSERT_NE(level, nullptr);
    EXPECT_TRUE(level->isVisible());
    EXPECT_FALSE(flow->menu()->isVisible());
    EXPECT_TRUE(flow->practising());
    EXPECT_EQ(level->titleLabel()->text(), QStringLiteral("ENTRAÎNEMENT"));
    EXPECT_EQ(level->run().levelCode(), expected->code);
    // The eight pictures, worst first, all on the full grid.
    for (int answer = 1; answer <= 8; ++answer) {
        const int rhythm = expected->answers[static_cast<std::size_t>(answer - 1)].rhythm;
        EXPECT_EQ(level->run().rhythms()[static_cast<std::size_t>(answer - 1)],
                  QString::number(rhythm));
        EXPECT_TRUE(level->cell(cellOf(answer))->isVisible());
    }
    EXPECT_EQ(level->run().rhythms()[0], QString::number(confused[0]));

    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    const Activity practice{Activity::Kind::Practice, expected->code};
    std::vector<std::pair<int, int>> given; // heard, chosen
    const auto rhythmOf = [&](int answer) {
        return level->run().rhythms()[static_cast<std::size_t>(answer - 1)].toInt();
    };
    // A wrong answer first: the neighbour of the answer asked.
    const int asked = level->run().question().toInt();
    const int other = asked == 8 ? 7 : asked + 1;
    clock.advance(1500);
    confirmCell(level, cellOf(other));
    ASSERT_TRUE(level->wrongLabel()->isVisible());
    given.emplace_back(rhythmOf(asked), rhythmOf(other));
    feedbackOver(level);
    // Then twelve right ones: 1100 points, over 1000 after the mascot's point.
    for (int i = 0; i < 12; ++i) {
        const int next = level->run().question().toInt();
        clock.advance(1500);
        confirmCell(level, cellOf(next));
        ASSERT_TRUE(level->rightLabel()->isVisible());
        given.emplace_back(rhythmOf(next), rhythmOf(next));
        feedbackOver(level);
    }
    VerdictCloser verdict;
    level->Timer2_Timer();
    EXPECT_EQ(verdict.message, flow->captions().text(u"pratique_reussie"));

    // Every answer is logged as practice, with the rhythms heard and chosen.
    const std::vector<AnswerRecord> logged = loggedToday();
    ASSERT_EQ(logged.size(), given.size());
    for (std::size_t i = 0; i < logged.size(); ++i) {
        EXPECT_EQ(logged[i].activity, practice);
        EXPECT_EQ(logged[i].played, given[i].first);
        EXPECT_EQ(logged[i].chosen, given[i].second);
        EXPECT_EQ(logged[i].right, i > 0);
    }
    // No progress was written, in memory or on disk, and the menu opens what it opened.
    EXPECT_EQ(flow->players().current().progress(), progressBefore);
    EXPECT_EQ(flow->players().read(player)->progress(), progressBefore);
    EXPECT_EQ(flow->menuModel()->levels.enabledCount(), openBefore);

    // The way back leads to the Progress screen again, which counts the practice.
    QTest::mouseClick(level->backLabel(), Qt::LeftButton);
    EXPECT_FALSE(flow->practising());
    app::ProgressWindow* again = flow->progress();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->visit(), app::ProgressWindow::Visit::Child);
    EXPECT_EQ(answersIn(*again), answersBefore + static_cast<int>(given.size()));
    // The menu's levels play as before.
    again->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(flow->startLevel(QStringLiteral("Label_1a")));
    EXPECT_EQ(level->run().levelCode(), QLatin1String("1a"));
    QTest::mouseClick(level->backLabel(), Qt::LeftButton);
    EXPECT_EQ(flow->progress(), nullptr);
    EXPECT_TRUE(flow->menu()->isVisible());
}

TEST_F(PracticeWindowTest, aPracticeLeftEarlyKeepsItsAnswersAndTheTeachersLookOffersNone) {
    app::ProgressWindow* progress = openProgress();
    ASSERT_NE(progress, nullptr);
    QTest::mouseClick(progress->findChild<QWidget*>("Label_pratiquer"), Qt::LeftButton);
    LevelWindow* level = flow->level();
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    const int asked = level->run().question().toInt();
    clock.advance(2000);
    confirmCell(level, cellOf(asked));
    QTest::mouseClick(level->backLabel(), Qt::LeftButton);
    ASSERT_EQ(loggedToday().size(), 1u);
    EXPECT_EQ(loggedToday().front().activity.kind, Activity::Kind::Practice);
    ASSERT_NE(flow->progress(), nullptr);
    flow->progress()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The same child seen from the class: no practice in the child's name.
    ASSERT_TRUE(flow->openProgressOf(player));
    app::ProgressWindow* seen = flow->progress();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->visit(), app::ProgressWindow::Visit::Teacher);
    EXPECT_FALSE(seen->findChild<QWidget*>("Label_pratiquer")->isVisible());
    EXPECT_FALSE(flow->startPractice(seen->confusedRhythms()));
    EXPECT_FALSE(level->isVisible());
}

} // namespace
