// SPDX-License-Identifier: GPL-3.0-or-later
// The games screen inside the program: from the menu's game label, through a whole game played
// with keys, to the high-score table or the winner, and back to the menu. The engine only
// records.
#include "../ProgramStart.h"
#include "../level/LevelBench.h"

#include "app/ProgramFlow.h"
#include "play/games/GameWindow.h"
#include "play/games/ScoreWindows.h"
#include "play/level/LevelPictures.h"
#include "play/level/OptionPanel.h"
#include "support/Touch.h"
#include "support/TouchTargets.h"
#include "ui/BeatNote.h"
#include "ui/ClickLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gmock/gmock.h>

#include <functional>

using namespace pulsadrome;
using namespace pulsadrome::play;

namespace {

// What the next modal window showed: the table's items, or the winner's lines, or a message.
struct ModalText {
    QStringList items;
    int shown = 0; // rows of the table's view
    QString caption;
    QString winner;
    QStringList messages;
    bool closed = false;
};

// Reads every window that opens while it lives and closes it, message boxes first. An end
// window is clicked shut once its quiet second has gone on `clock`.
class ModalReader {
public:
    explicit ModalReader(pulsadrome::testing::ManualClock& clock) : clock_(clock) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { read(); });
        timer_.start();
    }
    ModalText seen;

private:
    void read() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                seen.messages << box->text();
                box->accept();
                return;
            }
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* table = qobject_cast<HighScoreWindow*>(window); table && table->isVisible()) {
                seen.items = table->items();
                seen.shown = table->list()->topLevelItemCount();
                seen.caption = table->title()->text();
                seen.closed = true;
                clock_.advance(EndWindowKeys::kQuietMilliseconds);
                QTest::mouseClick(table->closeLabel(), Qt::LeftButton);
                return;
            }
            if (auto* result = qobject_cast<WinnerWindow*>(window); result && result->isVisible()) {
                seen.caption = result->winnerCaption()->text();
                seen.winner = result->winner()->text();
                seen.closed = true;
                clock_.advance(EndWindowKeys::kQuietMilliseconds);
                QTest::mouseClick(result->closeLabel(), Qt::LeftButton);
                return;
            }
        }
    }
    pulsadrome::testing::ManualClock& clock_;
    QTimer timer_;
};

// Grid position (row by row, 0 ... 14) of a cell; the listen-again cell is the centre one.
int positionOf(int cell) {
    return cell == kListenCell ? 7 : (cell <= 7 ? cell - 1 : cell);
}

struct PlayerKeys {
    Qt::Key left, right, up, down, confirm;
    Qt::KeyboardModifiers modifiers;
};
// Player 2's keys as the pad gives them with Num Lock on.
const PlayerKeys kFirst{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                        Qt::Key_Down, Qt::Key_Space, Qt::NoModifier};
const PlayerKeys kSecond{Qt::Key_1, Qt::Key_3, Qt::Key_5, Qt::Key_2, Qt::Key_0, Qt::KeypadModifier};

class GameWindowTest : public play::testing::ProgramAtMenuTest {
protected:
    // Walks one player's cursor to `cell` with that player's keys and confirms.
    static void confirmCell(GameWindow* game, const PlayerKeys& keys, int cell) {
        const auto at = [&] {
            return positionOf(&keys == &kFirst ? game->run().cursor().cell()
                                               : game->run().cursorB().cell());
        };
        const int target = positionOf(cell);
        for (int guard = 0; at() / 3 < target / 3 && guard < 5; ++guard) {
            QTest::keyClick(game, keys.down, keys.modifiers);
        }
        for (int guard = 0; at() / 3 > target / 3 && guard < 5; ++guard) {
            QTest::keyClick(game, keys.up, keys.modifiers);
        }
        for (int guard = 0; at() % 3 < target % 3 && guard < 3; ++guard) {
            QTest::keyClick(game, keys.right, keys.modifiers);
        }
        for (int guard = 0; at() % 3 > target % 3 && guard < 3; ++guard) {
            QTest::keyClick(game, keys.left, keys.modifiers);
        }
        ASSERT_EQ(at(), target);
        QTest::keyClick(game, keys.confirm, keys.modifiers);
    }

    static void feedbackOver(GameWindow* game) {
        game->Timer1_Timer();
        game->Timer1_Timer();
    }

    // Runs the clock out; what the end window showed.
    ModalText endGame(GameWindow* game) {
        ModalReader reader(clock);
        for (int guard = 0; game->clockTimer().isActive() && guard < 1000; ++guard) {
            game->Timer2_Timer();
        }
        return reader.seen;
    }
};

TEST_F(GameWindowTest, aScoredGamePlayedWithKeysEntersItsScoreInTheTableKeptOnDisk) {
    ASSERT_TRUE(menuLabel("Label15a")->isEnabled());
    EXPECT_TRUE(menuLabel("Label15a")->toolTip().isEmpty());
    ASSERT_TRUE(menuLabel("Label_score1")->isEnabled());

    QTest::mouseClick(menuLabel("Label15a"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->isVisible());
    EXPECT_FALSE(flow->menu()->isVisible());
    EXPECT_EQ(game->run().gameCode(), QStringLiteral("score1"));
    // The fourteen drawn rhythms are on view, and only player 1's frame.
    for (int cell = 1; cell <= kGameCellCount; ++cell) {
        EXPECT_EQ(game->cell(cell)->pictureNumber(), 100 + game->run().questions().rhythmOf(cell));
        EXPECT_FALSE(game->secondFrame(cell)->isVisible());
    }
    EXPECT_FALSE(game->scoreLabelB()->isVisible());
    // A scored game lasts 300 seconds: no length box.
    EXPECT_FALSE(game->lengthBox()->isVisible());

    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    EXPECT_TRUE(game->clockTimer().isActive());
    EXPECT_EQ(game->cell(kListenCell)->frameColour(), catalogue::FrameColour::Red);

    // A wrong answer costs 100 points; then right answers earn 100 and the bonus on offer.
    const int asked = game->run().questions().question();
    confirmCell(game, kFirst, asked == 1 ? 2 : 1);
    EXPECT_TRUE(game->wrongLabel()->isVisible());
    EXPECT_EQ(game->run().score(), -100);
    feedbackOver(game);
    qint64 expected = -100;
    for (int i = 0; i < 4; ++i) {
        const qsizetype played = sound->argsOf("PlayRhythm").size();
        expected += 100 + game->run().bonus().points();
        confirmCell(game, kFirst, game->run().questions().question());
        ASSERT_TRUE(game->rightLabel()->isVisible()) << "answer " << i;
        feedbackOver(game);
        EXPECT_EQ(sound->argsOf("PlayRhythm").size(), played + 1);
    }
    EXPECT_EQ(game->run().score(), expected);
    EXPECT_TRUE(game->scoreLabel()->text().contains(QString::number(expected)));

    const ModalText end = endGame(game);
    ASSERT_TRUE(end.closed);
    EXPECT_TRUE(end.messages.isEmpty()) << end.messages.join(' ').toStdString();
    ASSERT_EQ(end.items.size(), 30);
    EXPECT_EQ(end.shown, 30);
    EXPECT_TRUE(end.items.first().startsWith(QStringLiteral("1. Zoé :")))
        << end.items.first().toStdString();
    // The clock may have cost points on its way; the table holds the score the game ended with.
    const qint64 final = game->run().score();
    EXPECT_LE(final, expected);
    EXPECT_TRUE(end.items.first().endsWith(QStringLiteral("\t") + QString::number(final)))
        << end.items.first().toStdString();
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Score1.kdt"))));
    EXPECT_FALSE(game->clockTimer().isActive());

    // Back on the menu, the table's label shows the same table read from the file.
    QTest::mouseClick(game->backLabel(), Qt::LeftButton);
    EXPECT_TRUE(flow->menu()->isVisible());
    ModalReader reader(clock);
    QTest::mouseClick(menuLabel("Label_score1"), Qt::LeftButton);
    ASSERT_TRUE(reader.seen.closed);
    EXPECT_EQ(reader.seen.items, end.items);
    EXPECT_TRUE(reader.seen.caption.contains(QStringLiteral("SCORES")));
}

TEST_F(GameWindowTest, aClickOnACellIsPlayerOnesAnswerAndIsIgnoredWhileTheRightAnswerShows) {
    QTest::mouseClick(menuLabel("Label15a"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);

    // The listen-again cell plays the rhythm again and judges nothing.
    game->run().MoveCursorUp();
    const qsizetype played = sound->argsOf("PlayRhythm").size();
    QTest::mouseClick(game->cell(kListenCell), Qt::LeftButton);
    EXPECT_EQ(game->run().cursor().cell(), kListenCell);
    EXPECT_EQ(sound->argsOf("PlayRhythm").size(), played + 1);
    EXPECT_EQ(game->run().score(), 0);

    // Every answer cell: player 1's frame goes there and the cell is judged; player 2's stays.
    for (int cell = 1; cell <= kGameCellCount; ++cell) {
        const bool right = game->run().questions().isRight(cell);
        const qint64 before = game->run().score();
        const qint64 bonus = game->run().bonus().points();
        QTest::mouseClick(game->cell(cell), Qt::LeftButton);
        EXPECT_EQ(game->run().cursor().cell(), cell);
        EXPECT_EQ(game->cell(cell)->frameColour(), catalogue::FrameColour::Red);
        EXPECT_EQ(game->run().cursorB().cell(), kListenCell);
        EXPECT_EQ(game->rightLabel()->isVisible(), right) << "cell " << cell;
        EXPECT_EQ(game->run().score(), before + (right ? 100 + bonus : -100)) << "cell " << cell;
        if (right) {
            const int other = cell == 1 ? 2 : 1;
            QTest::mouseClick(game->cell(other), Qt::LeftButton);
            EXPECT_EQ(game->run().cursor().cell(), cell);
            EXPECT_EQ(game->run().score(), before + 100 + bonus);
        }
        feedbackOver(game);
    }
}

TEST_F(GameWindowTest, aTouchSequenceStartsAGameAndAnswersAsPlayerOne) {
    using pulsadrome::testing::tap;
    // A player who chose "hear my choice" in the levels: the games leave the choice alone.
    flow->players().current().ecouteChoix = QStringLiteral("1");
    tap(menuLabel("Label15a"));
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    ASSERT_TRUE(game->isVisible());
    tap(game->playLabel());
    ASSERT_TRUE(game->run().clockRunning());

    int rightCell = 0;
    int wrongCell = 0;
    for (int cell = 1; cell <= kGameCellCount; ++cell) {
        (game->run().questions().isRight(cell) ? rightCell : wrongCell) = cell;
    }
    ASSERT_NE(rightCell, 0);
    ASSERT_NE(wrongCell, 0);
    const qsizetype played = sound->argsOf("PlayRhythm").size();
    tap(game->cell(wrongCell));
    EXPECT_EQ(game->run().cursor().cell(), wrongCell);
    EXPECT_TRUE(game->run().wrongShown());
    EXPECT_EQ(game->run().score(), -100);
    EXPECT_EQ(sound->argsOf("PlayRhythm").size(), played);
    feedbackOver(game);
    const qint64 bonus = game->run().bonus().points();
    tap(game->cell(rightCell));
    EXPECT_EQ(game->run().cursor().cell(), rightCell);
    EXPECT_TRUE(game->rightLabel()->isVisible());
    EXPECT_EQ(game->run().score(), bonus);
    EXPECT_EQ(game->run().cursorB().cell(), kListenCell);

    tap(game->optionLabel());
    ASSERT_TRUE(game->optionPanel()->isVisible());
    tap(game->optionPanel()->closeLabel());
    EXPECT_FALSE(game->optionPanel()->isVisible());
    EXPECT_EQ(flow->players().read(*flow->players().currentId())->ecouteChoix, QStringLiteral("1"));
    tap(game->backLabel());
    EXPECT_TRUE(flow->menu()->isVisible());
}

TEST_F(GameWindowTest, aDamagedTableIsReportedAndKeptAside) {
    const QString file = QDir(dir.path()).filePath(QStringLiteral("Score2.kdt"));
    {
        QFile damaged(file);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a table\r\n");
    }
    ModalReader reader(clock);
    QTest::mouseClick(menuLabel("Label_score2"), Qt::LeftButton);
    ASSERT_TRUE(reader.seen.closed);
    ASSERT_EQ(reader.seen.messages.size(), 1);
    EXPECT_EQ(reader.seen.items.size(), 30);
    const QStringList kept =
        QDir(dir.path()).entryList({QStringLiteral("Score2.kdt.damaged-*")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    QFile copy(QDir(dir.path()).filePath(kept.first()));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("not a table\r\n"));
}

TEST_F(GameWindowTest, twoPlayersShareTheKeyboardAndTheWinnerIsNamed) {
    flow->menu()->nameBox(2)->setText(QStringLiteral("Ana"));
    flow->menu()->nameBox(3)->setText(QStringLiteral("Bob"));
    QTest::mouseClick(menuLabel("Label15b"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    ASSERT_TRUE(game->run().twoPlayers());
    // Two players choose the length of their game; it holds from the start.
    ASSERT_TRUE(game->lengthBox()->isVisible());
    game->lengthBox()->setValue(45);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    ASSERT_TRUE(game->clockTimer().isActive());
    EXPECT_EQ(game->run().clock(), QStringLiteral("45"));
    EXPECT_FALSE(game->lengthBox()->isVisible());
    EXPECT_EQ(flow->players().current().chrono, QStringLiteral("45"));
    // Both cursors start on the listen-again cell: both frames show.
    EXPECT_EQ(game->cell(kListenCell)->frameColour(), catalogue::FrameColour::Red);
    EXPECT_TRUE(game->secondFrame(kListenCell)->isVisible());
    EXPECT_TRUE(game->scoreLabelB()->isVisible());

    // The pad's 2 with Num Lock off reads as Down: it still moves player 2, not player 1.
    QTest::keyClick(game, Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(game->run().cursor().cell(), kListenCell);
    EXPECT_NE(game->run().cursorB().cell(), kListenCell);
    EXPECT_TRUE(game->secondFrame(game->run().cursorB().cell())->isVisible());
    EXPECT_FALSE(game->secondFrame(kListenCell)->isVisible());

    // Player 1 errs, player 2 answers right twice.
    const int asked = game->run().questions().question();
    confirmCell(game, kFirst, asked == 1 ? 2 : 1);
    EXPECT_TRUE(game->wrongLabel()->isVisible());
    feedbackOver(game);
    for (int i = 0; i < 2; ++i) {
        confirmCell(game, kSecond, game->run().questions().question());
        ASSERT_TRUE(game->rightLabel()->isVisible()) << "answer " << i;
        feedbackOver(game);
    }
    EXPECT_EQ(game->run().score(), -100);
    EXPECT_GE(game->run().scoreB(), 200);

    const ModalText end = endGame(game);
    ASSERT_TRUE(end.closed);
    EXPECT_TRUE(end.winner.contains(QStringLiteral("Bob"))) << end.winner.toStdString();
    EXPECT_EQ(end.caption, QStringLiteral("Le vainqueur est"));
    // No table is written for two players.
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("Score*")}, QDir::Files).isEmpty());
}

} // namespace

namespace {

TEST_F(GameWindowTest, theOptionsPanelPausesTheGameAndStoresTheBonusAndPlayerTwosSounds) {
    flow->menu()->nameBox(2)->setText(QStringLiteral("Ana"));
    flow->menu()->nameBox(3)->setText(QStringLiteral("Bob"));
    QTest::mouseClick(menuLabel("Label15b"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    game->Timer2_Timer();

    game->setScale(1.0);
    QTest::mouseClick(game->optionLabel(), Qt::LeftButton);
    OptionPanel* panel = game->optionPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_FALSE(game->clockTimer().isActive());
    EXPECT_THAT(pulsadrome::testing::smallTargets(game), ::testing::IsEmpty());
    // The games screen asks about bonuses; its length is the screen's own box.
    ASSERT_NE(panel->bonusNo(), nullptr);
    EXPECT_TRUE(panel->bonusNo()->isVisible());
    // "Hear my choice" is the levels' alone.
    EXPECT_EQ(panel->echoYes(), nullptr);
    EXPECT_EQ(panel->durationField().box, nullptr);
    QTest::mouseClick(panel->bonusNo(), Qt::LeftButton);

    // The pads' page shows both players, and player 2's sounds under his name.
    QTest::mouseClick(panel->pageLabel(), Qt::LeftButton);
    EXPECT_EQ(panel->page(), OptionPanel::Page::Pads);
    EXPECT_FALSE(panel->bonusNo()->isVisible());
    EXPECT_TRUE(panel->pad(1).devices->isVisible());
    EXPECT_EQ(panel->pad(1).title->text(), QStringLiteral("🎮 Bob"));
    // Both players' pads and player 2's sounds: every target a finger's size.
    EXPECT_THAT(pulsadrome::testing::smallTargets(game), ::testing::IsEmpty());
    QCheckBox* trainRight = panel->soundBox2(app::SoundTheme::Train, Verdict::Right);
    ASSERT_TRUE(trainRight->isVisible());
    QTest::mouseClick(trainRight, Qt::LeftButton);

    QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(game->clockTimer().isActive());
    const app::PlayerRecord& record = flow->players().current();
    EXPECT_EQ(record.bonus, QStringLiteral("0"));
    EXPECT_EQ(record.ticks2(app::SoundTheme::Train).right, QStringLiteral("1"));
    // Stored, not only remembered: the store reads it back.
    const auto stored = flow->players().read(*flow->players().currentId());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->bonus, QStringLiteral("0"));

    // A one-player game shows no player-2 controls on the pads' page, but the help.
    QTest::mouseClick(game->backLabel(), Qt::LeftButton);
    QTest::mouseClick(menuLabel("Label15a"), Qt::LeftButton);
    QTest::mouseClick(game->optionLabel(), Qt::LeftButton);
    QTest::mouseClick(panel->pageLabel(), Qt::LeftButton);
    EXPECT_TRUE(panel->pad(0).devices->isVisible());
    EXPECT_FALSE(panel->pad(1).devices->isVisible());
    EXPECT_FALSE(trainRight->isVisible());
}

TEST_F(GameWindowTest, theTempoRowShowsTheNoteOfTheGamesSeriesGameAfterGame) {
    // Game "2" of the minim series shares its code with a level of the crotchet series.
    struct Game {
        const char* label;
        play::TempoGroup beat;
    };
    for (const Game& one :
         {Game{"LabelT4", play::TempoGroup::DottedCrotchet},
          Game{"LabelB1", play::TempoGroup::Minim}, Game{"Label15a", play::TempoGroup::Crotchet},
          Game{"LabelB4", play::TempoGroup::Minim}}) {
        SCOPED_TRACE(one.label);
        QTest::mouseClick(menuLabel(one.label), Qt::LeftButton);
        GameWindow* game = flow->game();
        ASSERT_NE(game, nullptr);
        ASSERT_TRUE(game->isVisible());
        QTest::mouseClick(game->optionLabel(), Qt::LeftButton);
        OptionPanel* panel = game->optionPanel();
        ASSERT_TRUE(panel->isVisible());
        EXPECT_TRUE(panel->tempoNote()->isVisible());
        EXPECT_EQ(panel->tempoNote()->beat(), one.beat);
        QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);
        QTest::mouseClick(game->backLabel(), Qt::LeftButton);
    }
}

TEST_F(GameWindowTest, theLevelAndGamesScreensEachHaveASoundOfTheirOwn) {
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    ASSERT_NE(flow->level(), nullptr);
    ASSERT_EQ(made.size(), 1u);
    play::testing::RecordingRhythm* levelSound = made.back();
    QTest::mouseClick(flow->level()->backLabel(), Qt::LeftButton);

    QTest::mouseClick(menuLabel("Label15a"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    ASSERT_EQ(made.size(), 2u);
    play::testing::RecordingRhythm* gameSound = made.back();
    ASSERT_NE(gameSound, levelSound);
    levelSound->calls.clear();
    gameSound->calls.clear();

    // A volume and a verdict of the game go to the game's sound only.
    QTest::mouseClick(game->optionLabel(), Qt::LeftButton);
    QTest::mouseClick(game->optionPanel()->volumeField().down, Qt::LeftButton);
    QTest::mouseClick(game->optionPanel()->closeLabel(), Qt::LeftButton);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    const int asked = game->run().questions().question();
    confirmCell(game, kFirst, asked == 1 ? 2 : 1);
    EXPECT_THAT(gameSound->argsOf("ChangeVolume"), ::testing::Contains("99"));
    EXPECT_FALSE(gameSound->argsOf("PlayFeedback").isEmpty());
    EXPECT_TRUE(levelSound->calls.isEmpty()) << levelSound->calls.join(", ").toStdString();

    // Back on the level screen, its own sound plays; the game's hears nothing of it.
    QTest::mouseClick(game->backLabel(), Qt::LeftButton);
    gameSound->calls.clear();
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    QTest::mouseClick(flow->level()->playLabel(), Qt::LeftButton);
    EXPECT_FALSE(levelSound->argsOf("PlayRhythm").isEmpty());
    EXPECT_TRUE(levelSound->argsOf("ChangeVolume").isEmpty());
    EXPECT_TRUE(gameSound->calls.isEmpty()) << gameSound->calls.join(", ").toStdString();
    EXPECT_EQ(made.size(), 2u);
}

} // namespace

namespace {

// Runs `script` once on the first end window that opens while it lives; a window the script
// left open is closed (and the test fails) so that the game can go on.
class EndWindowScript {
public:
    explicit EndWindowScript(std::function<void(EndWindow*)> script) : script_(std::move(script)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    bool ran = false;

private:
    void look() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* end = qobject_cast<EndWindow*>(window);
            if (!end || !end->isVisible() || ran) {
                continue;
            }
            ran = true;
            script_(end);
            if (end->isVisible()) {
                ADD_FAILURE() << "the script left the window open";
                end->close();
            }
            return;
        }
    }
    std::function<void(EndWindow*)> script_;
    QTimer timer_;
};

// A key as the keyboard sends it, to whatever has the window's keyboard focus.
void press(EndWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           bool autoRepeat = false) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent down(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &up);
}

TEST_F(GameWindowTest, theScoreTableOutlastsTheGameKeysAndItsFirstSecond) {
    QTest::mouseClick(menuLabel("Label15a"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);

    EndWindowScript script([this](EndWindow* window) {
        EXPECT_NE(qobject_cast<HighScoreWindow*>(window), nullptr);
        // The close mark never holds the keyboard: Space cannot press it.
        EXPECT_EQ(window->closeLabel()->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(window->closeLabel()->hasFocus());
        // In its first second nothing closes it, not even Enter, Escape or a click.
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            press(window, key);
            EXPECT_TRUE(window->isVisible()) << "key " << key;
        }
        clock.advance(EndWindowKeys::kQuietMilliseconds - 1);
        QTest::mouseClick(window->closeLabel(), Qt::LeftButton);
        press(window, Qt::Key_Return);
        EXPECT_TRUE(window->isVisible());
        // After it, the game's keys still do nothing, nor Enter held down since before.
        clock.advance(1);
        for (const Qt::Key key :
             {Qt::Key_Space, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
            press(window, key);
            press(window, key, Qt::NoModifier, true);
            EXPECT_TRUE(window->isVisible()) << "key " << key;
        }
        press(window, Qt::Key_0, Qt::KeypadModifier);
        press(window, Qt::Key_Return, Qt::NoModifier, true);
        press(window, Qt::Key_Escape, Qt::NoModifier, true);
        EXPECT_TRUE(window->isVisible());
        // A fresh Enter closes it.
        press(window, Qt::Key_Return);
        EXPECT_FALSE(window->isVisible());
    });
    for (int guard = 0; game->clockTimer().isActive() && guard < 1000; ++guard) {
        game->Timer2_Timer();
    }
    EXPECT_TRUE(script.ran);
}

TEST_F(GameWindowTest, theWinnerStaysUntilEscapeOrAClickAfterItsFirstSecond) {
    flow->menu()->nameBox(2)->setText(QStringLiteral("Ana"));
    flow->menu()->nameBox(3)->setText(QStringLiteral("Bob"));
    QTest::mouseClick(menuLabel("Label15b"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    for (const bool byClick : {false, true}) {
        QTest::mouseClick(game->playLabel(), Qt::LeftButton);
        EndWindowScript script([this, byClick](EndWindow* window) {
            EXPECT_NE(qobject_cast<WinnerWindow*>(window), nullptr);
            EXPECT_FALSE(window->closeLabel()->hasFocus());
            // Player 2's keys, with and without Num Lock.
            for (const Qt::Key key : {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_5,
                                      Qt::Key_Insert, Qt::Key_End, Qt::Key_Down}) {
                press(window, key, Qt::KeypadModifier);
            }
            QTest::mouseClick(window->closeLabel(), Qt::LeftButton);
            EXPECT_TRUE(window->isVisible());
            clock.advance(EndWindowKeys::kQuietMilliseconds);
            press(window, Qt::Key_Space);
            EXPECT_TRUE(window->isVisible());
            if (byClick) {
                QTest::mouseClick(window->closeLabel(), Qt::LeftButton);
            } else {
                press(window, Qt::Key_Escape);
            }
            EXPECT_FALSE(window->isVisible());
        });
        for (int guard = 0; game->clockTimer().isActive() && guard < 1000; ++guard) {
            game->Timer2_Timer();
        }
        EXPECT_TRUE(script.ran) << "by click " << byClick;
    }
}

} // namespace

namespace {

// The visible controls of the screen that cover one another, as "name / name"; a player-2 frame
// round its own cell is meant to.
QStringList overlappingControls(GameWindow* game) {
    QList<QWidget*> shown;
    for (QWidget* child : game->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(game)) {
            shown << child;
        }
    }
    QStringList overlaps;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            bool frameOfCell = false;
            for (int cell = 0; cell <= kGameCellCount; ++cell) {
                const QSet<QWidget*> pair{game->cell(cell), game->secondFrame(cell)};
                frameOfCell = frameOfCell || pair == QSet<QWidget*>{shown[i], shown[j]};
            }
            if (!frameOfCell && shown[i]->geometry().intersects(shown[j]->geometry())) {
                overlaps << shown[i]->objectName() + QStringLiteral(" / ") + shown[j]->objectName();
            }
        }
    }
    return overlaps;
}

// A game ends while a verdict still shows; the next start, from the menu and from the play
// label, shows every control clear of the others, for two players (with the length box) and for
// one.
TEST_F(GameWindowTest, noVisibleControlsOverlapWhenAGameStartsAfterAFinishedOne) {
    flow->menu()->nameBox(2)->setText(QStringLiteral("Ana"));
    flow->menu()->nameBox(3)->setText(QStringLiteral("Bob"));
    const auto expectClear = [](GameWindow* game, const char* when) {
        const QStringList overlaps = overlappingControls(game);
        EXPECT_TRUE(overlaps.isEmpty()) << when << ": " << overlaps.join(", ").toStdString();
    };
    for (const char* label : {"Label15b", "Label15b", "Label15a", "Label15b"}) {
        SCOPED_TRACE(label);
        QTest::mouseClick(menuLabel(label), Qt::LeftButton);
        GameWindow* game = flow->game();
        ASSERT_NE(game, nullptr);
        expectClear(game, "the menu's start");
        QTest::mouseClick(game->playLabel(), Qt::LeftButton);
        expectClear(game, "the game's start");
        // A right answer, then a wrong one whose verdict the end of the clock leaves on view.
        confirmCell(game, kFirst, game->run().questions().question());
        ASSERT_TRUE(game->rightLabel()->isVisible());
        expectClear(game, "a right answer");
        feedbackOver(game);
        const int asked = game->run().questions().question();
        confirmCell(game, kFirst, asked == 1 ? 2 : 1);
        ASSERT_TRUE(game->wrongLabel()->isVisible());
        expectClear(game, "a wrong answer");
        ASSERT_TRUE(endGame(game).closed);
        expectClear(game, "the end");
        QTest::mouseClick(game->playLabel(), Qt::LeftButton);
        expectClear(game, "a start after the end");
        const int next = game->run().questions().question();
        confirmCell(game, kFirst, next == 1 ? 2 : 1);
        QTest::mouseClick(game->stopLabel(), Qt::LeftButton);
        expectClear(game, "a stop during a verdict");
        QTest::mouseClick(game->backLabel(), Qt::LeftButton);
    }
}

} // namespace
