// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program closed from outside (its title bar's button, the desktop), as a
// child or the desktop would: the record is stored and the program ends, or the window goes back,
// as its own way out does. The last test runs the real program and closes its window through the
// window system.
#include "ProgramStart.h"
#include "level/LevelBench.h"

#include "app/PlayerWindows.h"
#include "app/ResolutionWindow.h"
#include "listening/ListeningWindow.h"
#include "play/games/GameWindow.h"
#include "play/games/ScoreWindows.h"
#include "play/level/LevelWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <functional>

using namespace pulsadrome;
using namespace pulsadrome::play;
using pulsadrome::play::testing::RecordingRhythm;

namespace {

// A close as the window system sends it: an event the window may refuse.
bool closeFromOutside(QWidget* window) {
    QCloseEvent event;
    QApplication::sendEvent(window, &event);
    return event.isAccepted();
}

class WindowCloseTest : public pulsadrome::play::testing::ProgramAtMenuTest {
protected:
    // The current player's record as a store of its own reads it from the file.
    app::PlayerRecord stored() {
        app::PlayerStore store(*data);
        EXPECT_TRUE(store.open());
        const auto players = store.players();
        EXPECT_TRUE(players && players->size() == 1);
        return players && !players->empty() ? *store.read(players->front().id)
                                            : app::PlayerRecord{};
    }

    // The program started again on the same data, Zoé chosen, at its menu.
    void reopen() {
        flow = std::make_unique<app::ProgramFlow>(*data, [](const i18n::CaptionTable&, QString*) {
            return std::unique_ptr<RhythmPort>(std::make_unique<RecordingRhythm>());
        });
        ASSERT_TRUE(flow->openPlayers());
        flow->showPlayerChoice();
        flow->playerChoice()->pickName(0);
        flow->goOn();
    }

    // The program has gone its quit way: every window away and finished() said once.
    void expectEnded(const QSignalSpy& finished) {
        EXPECT_EQ(finished.count(), 1);
        EXPECT_EQ(flow->menu(), nullptr);
        EXPECT_EQ(flow->backdrop(), nullptr);
        EXPECT_EQ(flow->playerChoice(), nullptr);
        EXPECT_EQ(flow->level(), nullptr);
        EXPECT_EQ(flow->game(), nullptr);
        EXPECT_EQ(flow->listening(), nullptr);
    }
};

// The windows over which the program quits, each closed at the menu and while a play screen is
// shown over the backdrop.
TEST_F(WindowCloseTest, closingTheMenuOrTheBackdropStoresTheRecordAndEndsTheProgram) {
    const struct {
        const char* window;
        const char* during; // the menu label started first, or none
    } cases[] = {{"menu", nullptr},
                 {"backdrop", nullptr},
                 {"backdrop", "Label_1a"},
                 {"backdrop", "Label15a"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " during " + (c.during ? c.during : "the menu"));
        if (!flow->menu()) {
            reopen();
            ASSERT_NE(flow->menu(), nullptr);
        }
        if (c.during) {
            menuLabel(c.during)->clicked();
            QWidget* screen = flow->level() && flow->level()->isVisible()
                                  ? static_cast<QWidget*>(flow->level())
                                  : static_cast<QWidget*>(flow->game());
            ASSERT_TRUE(screen && screen->isVisible());
        }
        const QString volume = QString::number(10 + static_cast<int>(&c - cases));
        flow->players().current().volume = volume;
        QSignalSpy finished(flow.get(), &app::ProgramFlow::finished);
        QWidget* window = std::string(c.window) == "menu" ? static_cast<QWidget*>(flow->menu())
                                                          : flow->backdrop();
        // The window stays until the quit has run, after its close has returned.
        EXPECT_FALSE(closeFromOutside(window));
        EXPECT_EQ(finished.count(), 0);
        QApplication::processEvents();
        expectEnded(finished);
        EXPECT_EQ(stored().volume, volume);
    }
}

TEST_F(WindowCloseTest, closingThePlayerChoiceEndsTheProgramWhetherShownFirstOrAfterAChange) {
    flow->players().current().tempo = QStringLiteral("77");
    flow->changePlayer();
    ASSERT_TRUE(flow->playerChoice()->isVisible());
    EXPECT_EQ(stored().tempo, QLatin1String("77"));
    QSignalSpy finished(flow.get(), &app::ProgramFlow::finished);
    flow->playerChoice()->close();
    QApplication::processEvents();
    expectEnded(finished);

    // A first start, before any player was chosen.
    app::ProgramFlow fresh(*data);
    ASSERT_TRUE(fresh.openPlayers());
    fresh.showPlayerChoice();
    QSignalSpy freshFinished(&fresh, &app::ProgramFlow::finished);
    fresh.playerChoice()->close();
    QApplication::processEvents();
    EXPECT_EQ(freshFinished.count(), 1);
    EXPECT_EQ(fresh.playerChoice(), nullptr);
}

TEST_F(WindowCloseTest, closingTheNewPlayerFormCancelsItAndShowsThePlayerChoiceAgain) {
    flow->changePlayer();
    QTest::mouseClick(flow->playerChoice()->findChild<QPushButton*>("Command_nouveau"),
                      Qt::LeftButton);
    app::NewPlayerWindow* form = flow->newPlayer();
    ASSERT_NE(form, nullptr);
    form->nameBox()->setText(QStringLiteral("Léo"));
    QSignalSpy finished(flow.get(), &app::ProgramFlow::finished);
    form->close();
    QApplication::processEvents();
    QApplication::processEvents(); // the form goes later
    EXPECT_EQ(flow->newPlayer(), nullptr);
    ASSERT_NE(flow->playerChoice(), nullptr);
    EXPECT_TRUE(flow->playerChoice()->isVisible());
    EXPECT_EQ(flow->playerChoice()->list()->findText(QStringLiteral("Léo")), -1);
    EXPECT_EQ(finished.count(), 0);
}

// The play screens and the listening screen go back to the menu, as their return picture does.
TEST_F(WindowCloseTest, closingAPlayOrListeningScreenGoesBackToTheMenu) {
    menuLabel("Label_1a")->clicked();
    ASSERT_TRUE(flow->level()->isVisible());
    flow->level()->close();
    EXPECT_FALSE(flow->level()->isVisible());
    EXPECT_TRUE(flow->menu()->isVisible());

    menuLabel("Label15a")->clicked();
    ASSERT_TRUE(flow->game()->isVisible());
    flow->game()->close();
    EXPECT_FALSE(flow->game()->isVisible());
    EXPECT_TRUE(flow->menu()->isVisible());

    flow->openListening();
    ASSERT_NE(flow->listening(), nullptr);
    auto* volume = flow->listening()->findChild<QLineEdit*>("EDIT_Volume");
    ASSERT_NE(volume, nullptr);
    volume->setText(QStringLiteral("64"));
    flow->listening()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow->listening(), nullptr);
    EXPECT_TRUE(flow->menu()->isVisible());
    EXPECT_EQ(stored().volume, QLatin1String("64"));
}

// Quitting while the listening screen is open keeps what was typed there, as its return would.
TEST_F(WindowCloseTest, closingTheBackdropUnderTheListeningScreenStoresItsVolumeToo) {
    flow->openListening();
    auto* volume = flow->listening()->findChild<QLineEdit*>("EDIT_Volume");
    ASSERT_NE(volume, nullptr);
    volume->setText(QStringLiteral("33"));
    QSignalSpy finished(flow.get(), &app::ProgramFlow::finished);
    flow->backdrop()->close();
    QApplication::processEvents();
    expectEnded(finished);
    EXPECT_EQ(stored().volume, QLatin1String("33"));
}

// A modal window closed from outside ends as its close picture ends it: the menu stays.
TEST_F(WindowCloseTest, closingAHighScoreTableReturnsToTheMenu) {
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* table = qobject_cast<HighScoreWindow*>(window); table && table->isVisible()) {
                seen = true;
                closeFromOutside(table);
            }
        }
    });
    flow->showScores(1);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(flow->menu()->isVisible());
}

TEST(ResolutionWindowClose, closingTheWarningEndsTheCheckWithoutThePlayerChoice) {
    std::vector<app::ResolutionStep> steps;
    app::ResolutionWindow warning([] { return 640; },
                                  [&steps](const app::ResolutionStep& s) { steps.push_back(s); });
    warning.start();
    ASSERT_TRUE(warning.isVisible());
    ASSERT_TRUE(steps.empty());
    warning.close();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(steps[0].closeCheck);
    EXPECT_FALSE(steps[0].showPlayerChoice);
    EXPECT_FALSE(warning.timer().isActive());

    // Its own "Ok!" on a wide screen closes it once, without a second step.
    int width = 640;
    steps.clear();
    app::ResolutionWindow again([&width] { return width; },
                                [&steps](const app::ResolutionStep& s) { steps.push_back(s); });
    again.start();
    width = 1024;
    again.Command1_Click();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(steps[0].showPlayerChoice);
    EXPECT_FALSE(again.isVisible());
}

// The real program under the offscreen platform: a plug-in of the tests closes the player choice
// through the window system, as a title bar's button does, and the process ends on its own.
TEST(ProgramProcess, closingThePlayerChoiceWindowEndsTheProcess) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                       QStringLiteral(PULSADROME_TEST_QT_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                       QStringLiteral("windowcloser:pulsadrome::app::PlayerChoiceWindow"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PULSADROME_PROGRAM), {QStringLiteral("--data-dir"), data.path()});
    ASSERT_TRUE(program.waitForStarted(10000));
    const bool ended = program.waitForFinished(30000);
    if (!ended) {
        program.kill();
        program.waitForFinished(5000);
    }
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    ASSERT_TRUE(ended) << "still running after its window was closed: " << errors.toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    EXPECT_THAT(errors.toStdString(),
                ::testing::HasSubstr("window closer: pulsadrome::app::PlayerChoiceWindow"));
}

} // namespace
