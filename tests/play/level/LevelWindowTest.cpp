// SPDX-License-Identifier: GPL-3.0-or-later
// The level screen inside the program: from the menu's level label, through a whole run played
// with keys, to the verdict window and back to the menu. The engine only records.
#include "../ProgramStart.h"
#include "LevelBench.h"

#include "app/ProgramFlow.h"
#include "catalogue/Levels.h"
#include "catalogue/Series.h"
#include "play/level/LevelWindow.h"
#include "play/level/OptionPanel.h"
#include "play/level/ResultWindow.h"
#include "support/Touch.h"
#include "support/TouchTargets.h"
#include "ui/BeatNote.h"
#include "ui/ClickLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace pulsadrome;
using namespace pulsadrome::play;

namespace {

// Reads the text of the next modal window (result window or message box) and closes it, the
// result window with a click or, when told so, with a tap.
class ModalReader {
public:
    explicit ModalReader(bool byTouch = false) : byTouch_(byTouch) {
        QTimer::singleShot(0, [this] { read(); });
    }
    const QString& text() const { return text_; }

private:
    void read() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* result = qobject_cast<ResultWindow*>(window); result && result->isVisible()) {
                text_ = result->message()->text();
                if (byTouch_) {
                    pulsadrome::testing::tap(result->closeLabel());
                } else {
                    QTest::mouseClick(result->closeLabel(), Qt::LeftButton);
                }
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                text_ = box->text();
                box->accept();
                return;
            }
        }
        QTimer::singleShot(10, [this] { read(); });
    }
    bool byTouch_;
    QString text_;
};

// Closes every message box that opens while it lives, keeping their texts.
class MessageCloser {
public:
    MessageCloser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    texts << box->text();
                    box->accept();
                }
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

class LevelWindowTest : public ::testing::Test {
protected:
    void SetUp() override { makeFlow(true); }

    void makeFlow(bool withSound) {
        dirs.push_back(std::make_unique<QTemporaryDir>());
        data = app::DataDirectory::open(dirs.back()->path());
        ASSERT_TRUE(data.has_value());
        flow = play::testing::startAtMenu(
            *data, [this, withSound](const i18n::CaptionTable&, QString* why) {
                std::unique_ptr<RhythmPort> port;
                if (withSound) {
                    auto recording = std::make_unique<play::testing::RecordingRhythm>();
                    recording->failBands = failBands;
                    sound = recording.get();
                    port = std::move(recording);
                } else {
                    *why = QStringLiteral("no audio output");
                }
                return port;
            });
        ASSERT_NE(flow, nullptr);
    }

    void TearDown() override {
        if (flow && flow->menu()) {
            flow->quit();
        }
    }

    ui::ClickLabel* menuLabel(const char* name) const {
        return flow->menu()->label(QString::fromLatin1(name));
    }

    LevelWindow* openLevel(const char* label) {
        QTest::mouseClick(menuLabel(label), Qt::LeftButton);
        return flow->level();
    }

    // Walks the cursor with the arrow keys to `cell` of the bottom or middle row and confirms.
    static void confirmCell(LevelWindow* level, int cell) {
        const auto rowOf = [](int c) { return (c - 1) / 3; };
        while (rowOf(level->run().grid().cursor()) < rowOf(cell)) {
            QTest::keyClick(level, Qt::Key_Down);
        }
        while (rowOf(level->run().grid().cursor()) > rowOf(cell)) {
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

    // The cell holding the rhythm last asked.
    static int rightCell(LevelWindow* level) {
        const GridKind kind = gridKindOf(level->run().levelCode());
        for (int cell = 1; cell <= AnswerGrid::kCellCount; ++cell) {
            if (answerNumberOf(cell, kind) == level->run().question().toInt()) {
                return cell;
            }
        }
        return 0;
    }

    static void click(LevelWindow* level, int cell) {
        QTest::mouseClick(level->cell(cell), Qt::LeftButton);
    }

    static void touch(LevelWindow* level, int cell) { pulsadrome::testing::tap(level->cell(cell)); }

    // Twelve right answers, each followed by its two seconds of feedback, then the clock tick
    // that gives the verdict; the verdict's text, its window closed by a click or a tap.
    QString winWith(LevelWindow* level, const std::function<void(int)>& answer,
                    bool byTouch = false) {
        for (int i = 0; i < 12; ++i) {
            answer(rightCell(level));
            EXPECT_TRUE(level->rightLabel()->isVisible()) << "answer " << i;
            level->Timer1_Timer();
            level->Timer1_Timer();
        }
        ModalReader verdict(byTouch);
        level->Timer2_Timer();
        return verdict.text();
    }

    // The cell of answer 6, 7 or 8: the bottom row.
    static int cellOfAnswer(int answer) { return answer + 1; }

    std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    std::optional<app::DataDirectory> data;
    std::unique_ptr<app::ProgramFlow> flow;
    play::testing::RecordingRhythm* sound = nullptr;
    bool failBands = false;
};

TEST_F(LevelWindowTest, aLevelPlayedWithKeysEndsInItsVerdictAndOpensTheNextLevel) {
    ASSERT_TRUE(menuLabel("Label_1a")->isEnabled());
    ASSERT_FALSE(menuLabel("Label_1b")->isEnabled());
    EXPECT_TRUE(menuLabel("Label_1a")->toolTip().isEmpty());

    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    EXPECT_TRUE(level->isVisible());
    EXPECT_FALSE(flow->menu()->isVisible());
    EXPECT_EQ(level->titleLabel()->text(), QStringLiteral("NIVEAU 1"));
    // The starter level leaves the top row out.
    EXPECT_FALSE(level->cell(1)->isVisible());
    EXPECT_TRUE(level->cell(7)->isVisible());
    EXPECT_FALSE(level->clockTimer().isActive());

    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    EXPECT_TRUE(level->clockTimer().isActive());
    ASSERT_FALSE(sound->argsOf("PlayRhythm").isEmpty());

    // A wrong answer first: FAUX shows and costs 100 points.
    const int asked = level->run().question().toInt();
    confirmCell(level, cellOfAnswer(asked == 8 ? 7 : 8));
    EXPECT_TRUE(level->wrongLabel()->isVisible());
    EXPECT_EQ(level->run().score(), QStringLiteral("-100"));
    EXPECT_TRUE(level->feedbackTimer().isActive());
    level->Timer1_Timer();
    level->Timer1_Timer();
    EXPECT_FALSE(level->wrongLabel()->isVisible());
    EXPECT_FALSE(level->feedbackTimer().isActive());

    // Twelve right answers: VRAI shows, keys wait, and two seconds later the next rhythm plays.
    for (int i = 0; i < 12; ++i) {
        const qsizetype played = sound->argsOf("PlayRhythm").size();
        confirmCell(level, cellOfAnswer(level->run().question().toInt()));
        ASSERT_TRUE(level->rightLabel()->isVisible()) << "answer " << i;
        const int cursor = level->run().grid().cursor();
        QTest::keyClick(level, Qt::Key_Up);
        EXPECT_EQ(level->run().grid().cursor(), cursor);
        level->Timer1_Timer();
        level->Timer1_Timer();
        EXPECT_FALSE(level->rightLabel()->isVisible());
        EXPECT_EQ(sound->argsOf("PlayRhythm").size(), played + 1);
    }
    EXPECT_EQ(level->run().score(), QStringLiteral("1100"));

    // The next clock tick ends the level (Tictac on view takes its point first); the verdict
    // window is modal.
    ModalReader verdict;
    level->Timer2_Timer();
    EXPECT_EQ(verdict.text(), flow->captions().text(u"Label_resultat2"));
    EXPECT_EQ(level->scoreLabel()->text(), QStringLiteral("⭐ 1099"));
    EXPECT_FALSE(level->clockTimer().isActive());
    EXPECT_EQ(flow->players().current().progress().binaire1, QStringLiteral("1b"));

    // Back to the menu: level 1b is open; the same screen takes it.
    QTest::mouseClick(level->backLabel(), Qt::LeftButton);
    EXPECT_FALSE(level->isVisible());
    EXPECT_TRUE(flow->menu()->isVisible());
    EXPECT_TRUE(menuLabel("Label_1b")->isEnabled());
    EXPECT_EQ(openLevel("Label_1b"), level);
    EXPECT_TRUE(level->cell(4)->isVisible());
    EXPECT_FALSE(level->cell(2)->isVisible());
}

TEST_F(LevelWindowTest, aClickOnACellMovesTheFrameThereAndAnswersItAsSpaceWould) {
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    // Before the run starts a click does nothing.
    click(level, 7);
    EXPECT_EQ(level->run().grid().cursor(), AnswerGrid::kReplayCell);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);

    // The cells the starter level leaves without a rhythm (its top row, and the middle row's
    // sides) take neither the frame nor an answer.
    const GridKind kind = gridKindOf(level->run().levelCode());
    for (const int cell : {1, 2, 3, 4, 6}) {
        ASSERT_FALSE(answerNumberOf(cell, kind).has_value()) << "cell " << cell;
        click(level, cell);
        EXPECT_EQ(level->run().grid().cursor(), AnswerGrid::kReplayCell) << "cell " << cell;
    }
    EXPECT_EQ(level->run().score(), QStringLiteral("0"));

    // The listen-again cell plays the rhythm again and judges nothing.
    qsizetype played = sound->argsOf("PlayRhythm").size();
    click(level, AnswerGrid::kReplayCell);
    EXPECT_EQ(sound->argsOf("PlayRhythm").size(), played + 1);
    EXPECT_FALSE(level->wrongLabel()->isVisible());
    EXPECT_FALSE(level->rightLabel()->isVisible());

    // Every rhythm cell: the frame goes there and the answer is judged.
    int score = 0;
    for (const int cell : {7, 8, 9}) {
        const bool right = cell == rightCell(level);
        click(level, cell);
        EXPECT_EQ(level->run().grid().cursor(), cell);
        EXPECT_EQ(level->rightLabel()->isVisible(), right) << "cell " << cell;
        EXPECT_EQ(level->wrongLabel()->isVisible(), !right) << "cell " << cell;
        score += right ? 100 : -100;
        EXPECT_EQ(level->run().score(), QString::number(score)) << "cell " << cell;
        if (right) {
            // While the right answer shows, clicks are ignored.
            const int other = cell == 7 ? 8 : 7;
            click(level, other);
            EXPECT_EQ(level->run().grid().cursor(), cell);
            EXPECT_EQ(level->run().score(), QString::number(score));
        } else {
            // While the wrong answer shows, the frame moves but nothing more is judged.
            click(level, cell);
            EXPECT_EQ(level->run().score(), QString::number(score));
        }
        level->Timer1_Timer();
        level->Timer1_Timer();
    }
}

TEST_F(LevelWindowTest, aChildPlaysALevelToItsVerdictWithTheMouseAlone) {
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    const int asked = rightCell(level);
    click(level, asked == 9 ? 8 : 9);
    EXPECT_TRUE(level->wrongLabel()->isVisible());
    level->Timer1_Timer();
    level->Timer1_Timer();
    EXPECT_EQ(winWith(level, [&](int cell) { click(level, cell); }),
              flow->captions().text(u"Label_resultat2"));
    QTest::mouseClick(level->backLabel(), Qt::LeftButton);
    EXPECT_TRUE(menuLabel("Label_1b")->isEnabled());
}

TEST_F(LevelWindowTest, aChildPlaysALevelToItsVerdictWithTouchAlone) {
    using pulsadrome::testing::tap;
    tap(menuLabel("Label_1a"));
    LevelWindow* level = flow->level();
    ASSERT_NE(level, nullptr);
    ASSERT_TRUE(level->isVisible());
    tap(level->playLabel());
    ASSERT_TRUE(level->clockTimer().isActive());
    const int asked = rightCell(level);
    touch(level, asked == 9 ? 8 : 9);
    EXPECT_EQ(level->run().grid().cursor(), asked == 9 ? 8 : 9);
    EXPECT_TRUE(level->wrongLabel()->isVisible());
    level->Timer1_Timer();
    level->Timer1_Timer();
    EXPECT_EQ(winWith(
                  level, [&](int cell) { touch(level, cell); }, true),
              flow->captions().text(u"Label_resultat2"));
    tap(level->backLabel());
    EXPECT_FALSE(level->isVisible());
    EXPECT_TRUE(flow->menu()->isVisible());
    EXPECT_TRUE(menuLabel("Label_1b")->isEnabled());
}

TEST_F(LevelWindowTest, aClickOnEachCellOfAFullGridOfEightPicturesAnswersThatCell) {
    LevelWindow* level = openLevel("Niveau01T");
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    int score = 0;
    for (const int cell : {1, 2, 3, 4, 6, 7, 8, 9}) {
        ASSERT_TRUE(level->cell(cell)->isVisible()) << "cell " << cell;
        const bool right = cell == rightCell(level);
        const qsizetype played = sound->argsOf("PlayRhythm").size();
        click(level, cell);
        EXPECT_EQ(level->run().grid().cursor(), cell);
        EXPECT_EQ(level->rightLabel()->isVisible(), right) << "cell " << cell;
        EXPECT_EQ(level->wrongLabel()->isVisible(), !right) << "cell " << cell;
        score += right ? 100 : -100;
        EXPECT_EQ(level->run().score(), QString::number(score)) << "cell " << cell;
        level->Timer1_Timer();
        level->Timer1_Timer();
        // After a right answer the next rhythm plays; after a wrong one the question stays.
        EXPECT_EQ(sound->argsOf("PlayRhythm").size(), played + (right ? 1 : 0)) << "cell " << cell;
    }
}

TEST_F(LevelWindowTest, hearMyChoiceIsOffForANewPlayerAndOnceChosenPlaysTheChosenThenTheAsked) {
    LevelWindow* level = openLevel("Niveau01T");
    ASSERT_NE(level, nullptr);
    OptionPanel* panel = level->optionPanel();
    const app::RowId id = *flow->players().currentId();
    EXPECT_EQ(flow->players().read(id)->ecouteChoix, QStringLiteral("0"));
    QTest::mouseClick(level->optionLabel(), Qt::LeftButton);
    EXPECT_TRUE(panel->echoNo()->isChecked());
    EXPECT_TRUE(panel->echoYes()->isVisible());
    QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);

    // Off: a wrong answer plays no rhythm.
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    const auto motifOfCell = [&](int cell) {
        const int answer = *answerNumberOf(cell, gridKindOf(level->run().levelCode()));
        return QString::number(catalogue::motifOf(
            level->run().rhythms()[static_cast<std::size_t>(answer - 1)].toInt()));
    };
    const auto wrongCell = [&] { return rightCell(level) == 1 ? 2 : 1; };
    qsizetype mark = sound->calls.size();
    click(level, wrongCell());
    EXPECT_TRUE(level->wrongLabel()->isVisible());
    EXPECT_TRUE(sound->calls.mid(mark).filter(QStringLiteral("PlayRhythm")).isEmpty());
    EXPECT_FALSE(level->echoTimer().isActive());
    level->Timer1_Timer();
    level->Timer1_Timer();

    // Chosen on the panel, it is stored at the close.
    QTest::mouseClick(level->optionLabel(), Qt::LeftButton);
    QTest::mouseClick(panel->echoYes(), Qt::LeftButton);
    QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);
    EXPECT_EQ(flow->players().read(id)->ecouteChoix, QStringLiteral("1"));

    const QString asked = motifOfCell(rightCell(level));
    const int chosen = wrongCell();
    const QString clockBefore = level->run().clock().remaining();
    mark = sound->calls.size();
    click(level, chosen);
    EXPECT_THAT(sound->calls.mid(mark),
                ::testing::ElementsAre(QStringLiteral("PlayFeedback prof_faux"),
                                       QStringLiteral("PlayRhythm ") + motifOfCell(chosen)));
    ASSERT_TRUE(level->echoTimer().isActive());
    EXPECT_EQ(level->echoTimer().interval(), ChoiceEcho::kTickMs);
    EXPECT_TRUE(level->clockTimer().isActive());
    mark = sound->calls.size();
    int ticks = 0;
    while (level->echoTimer().isActive() && ticks < 1000) {
        level->Timer_echo();
        ++ticks;
    }
    EXPECT_EQ(ticks, (2400 + ChoiceEcho::kPauseMs) / ChoiceEcho::kTickMs);
    EXPECT_THAT(
        sound->calls.mid(mark),
        ::testing::ElementsAre(QStringLiteral("StopAll"), QStringLiteral("PlayRhythm ") + asked));
    EXPECT_EQ(level->run().clock().remaining(), clockBefore);
    EXPECT_EQ(level->run().score(), QStringLiteral("-200"));
}

TEST_F(LevelWindowTest, timeRunningOutFailsTheLevelAndOpensNothing) {
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    const int duration = level->run().options().duration().value;
    ModalReader verdict;
    for (int second = 0; second < duration && level->clockTimer().isActive(); ++second) {
        level->Timer2_Timer();
    }
    EXPECT_EQ(verdict.text(), flow->captions().text(u"Label_resultat1"));
    EXPECT_EQ(level->timeLabel()->text(), QStringLiteral("⏱ 0"));
    // The mascot was on view: one point a second.
    EXPECT_EQ(level->run().score(), QString::number(-duration));
    QTest::mouseClick(level->backLabel(), Qt::LeftButton);
    EXPECT_FALSE(menuLabel("Label_1b")->isEnabled());
    EXPECT_EQ(flow->players().current().progress().binaire1, QStringLiteral("1a"));
}

TEST_F(LevelWindowTest, stopResetsTheRunAndClosedLevelsDoNotStart) {
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    level->Timer2_Timer();
    QTest::keyClick(level, Qt::Key_Down);
    QTest::mouseClick(level->stopLabel(), Qt::LeftButton);
    EXPECT_FALSE(level->clockTimer().isActive());
    EXPECT_EQ(level->run().grid().cursor(), AnswerGrid::kReplayCell);
    EXPECT_EQ(level->run().score(), QStringLiteral("0"));
    EXPECT_EQ(sound->calls.last(), QStringLiteral("StopAll"));
    // Keys do nothing while no run is going.
    QTest::keyClick(level, Qt::Key_Down);
    EXPECT_EQ(level->run().grid().cursor(), AnswerGrid::kReplayCell);

    // Closing the window leaves it as the back picture does.
    level->close();
    EXPECT_FALSE(level->isVisible());
    EXPECT_TRUE(flow->menu()->isVisible());
    EXPECT_EQ(flow->level(), level);
    EXPECT_FALSE(flow->startLevel(QStringLiteral("Niveau3")));
    EXPECT_FALSE(level->isVisible());
}

TEST_F(LevelWindowTest, theOptionsPanelPausesTheRunAndStoresItsChoicesWhenClosed) {
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    level->Timer2_Timer();
    OptionPanel* panel = level->optionPanel();
    EXPECT_FALSE(panel->isVisible());

    QTest::mouseClick(level->optionLabel(), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(level->clockTimer().isActive());
    EXPECT_EQ(sound->calls.last(), QStringLiteral("StopAll"));

    QTest::mouseClick(panel->metronomeNo(), Qt::LeftButton);
    QTest::mouseClick(panel->scoreNo(), Qt::LeftButton);
    QTest::mouseClick(panel->themePicture(app::SoundTheme::Cheval), Qt::LeftButton);
    EXPECT_TRUE(panel->soundBox(app::SoundTheme::Cheval, Verdict::Wrong)->isChecked());
    EXPECT_FALSE(panel->soundBox(app::SoundTheme::Prof, Verdict::Wrong)->isChecked());
    QTest::mouseClick(panel->preview(app::SoundTheme::Coq, Verdict::Right), Qt::LeftButton);
    EXPECT_EQ(sound->calls.last(), QStringLiteral("PlayFeedback coq_vrai preview"));
    QTest::mouseClick(panel->instrument(5), Qt::LeftButton);
    EXPECT_EQ(panel->bandList()->currentIndex(), 5);
    EXPECT_EQ(sound->argsOf("SelectBand").last(), sound->bands.at(5));
    const QString volume = panel->volumeField().box->text();
    QTest::mouseClick(panel->volumeField().down, Qt::LeftButton);
    EXPECT_EQ(panel->volumeField().box->text(), QString::number(volume.toInt() - 1));
    QTest::mouseClick(panel->beatLabel(), Qt::LeftButton);
    EXPECT_EQ(sound->calls.last(), QStringLiteral("PlayBeatSample 0"));
    // A refused tempo goes back to the arrows' value when Enter is pressed.
    panel->tempoField().box->setText(QStringLiteral("301"));
    QTest::keyClick(panel->tempoField().box, Qt::Key_Return);
    EXPECT_EQ(panel->tempoField().box->text(), QStringLiteral("100"));
    // Display choices wait for the close; the record is stored only then.
    EXPECT_TRUE(level->mascot()->isVisible());
    const app::RowId id = *flow->players().currentId();
    EXPECT_NE(flow->players().read(id)->fond, QStringLiteral("cheval"));

    QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(level->clockTimer().isActive());
    EXPECT_FALSE(level->mascot()->isVisible());
    EXPECT_FALSE(level->scoreLabel()->isVisible());
    EXPECT_TRUE(level->timeLabel()->isVisible());
    const auto stored = flow->players().read(id);
    EXPECT_EQ(stored->fond, QStringLiteral("cheval"));
    EXPECT_EQ(stored->tictac, QStringLiteral("0"));
    EXPECT_EQ(stored->instruments, QStringLiteral("5"));
    EXPECT_EQ(stored->volume, QString::number(volume.toInt() - 1));
}

TEST_F(LevelWindowTest, theOptionsPanelsTargetsAreAFingersSizeAndEachChoiceTakesItsWholeRow) {
    using pulsadrome::testing::tap;
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    level->setScale(1.0);
    tap(level->optionLabel());
    OptionPanel* panel = level->optionPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_THAT(pulsadrome::testing::smallTargets(level), ::testing::IsEmpty());
    // The switch says where it leads, in words as well as in its picture.
    EXPECT_THAT(panel->pageLabel()->text().toStdString(),
                ::testing::HasSubstr(flow->captions().text(u"page_manettes").toStdString()));

    // A tap at the far end of a choice's row, away from its mark and its word, chooses it.
    QRadioButton* no = panel->metronomeNo();
    tap(no, QPoint(no->width() - 2, 1));
    EXPECT_TRUE(no->isChecked());
    QRadioButton* yes = panel->echoYes();
    tap(yes, QPoint(yes->width() - 2, yes->height() - 2));
    EXPECT_TRUE(yes->isChecked());
    QCheckBox* box = panel->soundBox(app::SoundTheme::Coq, Verdict::Right);
    const bool ticked = box->isChecked();
    tap(box, QPoint(box->width() - 2, box->height() - 2));
    EXPECT_NE(box->isChecked(), ticked);

    tap(panel->pageLabel());
    ASSERT_EQ(panel->page(), OptionPanel::Page::Pads);
    EXPECT_THAT(pulsadrome::testing::smallTargets(level), ::testing::IsEmpty());
    EXPECT_THAT(panel->pageLabel()->text().toStdString(),
                ::testing::HasSubstr(flow->captions().text(u"Label_options").toStdString()));
    tap(panel->pageLabel());
    tap(panel->closeLabel());
    EXPECT_FALSE(panel->isVisible());
    const auto stored = flow->players().read(*flow->players().currentId());
    EXPECT_EQ(stored->tictac, QStringLiteral("0"));
    EXPECT_EQ(stored->ecouteChoix, QStringLiteral("1"));
}

// The tempo row counts the beat of the level's series: "Tempo", the series' note, "=", the
// beat's button and the arrows' box, side by side, the caption whole in every language.
TEST_F(LevelWindowTest, theTempoRowShowsTheNoteOfTheLevelsSeriesAndFitsInEveryLanguage) {
    struct Series {
        const char* label;
        TempoGroup beat;
    };
    const Series series[] = {{"Label_1a", TempoGroup::Crotchet},
                             {"Niveau01T", TempoGroup::DottedCrotchet},
                             {"Niveau01B", TempoGroup::Minim}};
    const char* const languages[] = {"fr", "en", "es", "pt", "it", "de"};
    for (const char* language : languages) {
        flow->quit();
        flow.reset();
        makeFlow(true);
        flow->captions().setCurrentCode(QString::fromLatin1(language));
        flow->captions().Command_langue_Click();
        // One screen serves the three series in turn: its panel follows the level now played.
        for (const Series& one : series) {
            SCOPED_TRACE(std::string(language) + " " + one.label);
            LevelWindow* level = openLevel(one.label);
            ASSERT_NE(level, nullptr);
            level->setScale(1.0);
            QTest::mouseClick(level->optionLabel(), Qt::LeftButton);
            OptionPanel* panel = level->optionPanel();
            ASSERT_TRUE(panel->isVisible());

            ui::BeatNote* note = panel->tempoNote();
            ASSERT_NE(note, nullptr);
            EXPECT_TRUE(note->isVisible());
            EXPECT_EQ(note->beat(), one.beat);
            QLabel* caption = panel->tempoField().caption;
            EXPECT_EQ(caption->text(), flow->captions().text(u"mot_tempo"));
            caption->ensurePolished();
            const int needed = caption->fontMetrics().horizontalAdvance(caption->text());
            EXPECT_LE(needed, caption->contentsRect().width()) << caption->text().toStdString();
            // Left to right without overlap, all on the row's height.
            const std::vector<QWidget*> row{caption,
                                            note,
                                            panel->tempoEquals(),
                                            panel->beatLabel(),
                                            panel->tempoField().down,
                                            panel->tempoField().box,
                                            panel->tempoField().up};
            for (std::size_t i = 0; i + 1 < row.size(); ++i) {
                EXPECT_LE(row[i]->geometry().right(), row[i + 1]->geometry().left())
                    << row[i]->objectName().toStdString() << " | "
                    << row[i + 1]->objectName().toStdString();
            }
            for (QWidget* widget : row) {
                EXPECT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
                EXPECT_LE(std::abs(widget->geometry().center().y() - note->geometry().center().y()),
                          2)
                    << widget->objectName().toStdString();
            }
            // The volume row above and the duration row below stay clear of the note.
            EXPECT_FALSE(note->geometry().intersects(panel->volumeField().caption->geometry()));
            EXPECT_FALSE(note->geometry().intersects(panel->durationField().caption->geometry()));
            QTest::mouseClick(panel->closeLabel(), Qt::LeftButton);
            QTest::mouseClick(level->backLabel(), Qt::LeftButton);
        }
    }
}

TEST_F(LevelWindowTest, aBandTheEngineRefusesIsReportedAndTheScreenStaysUsable) {
    flow->quit();
    flow.reset();
    failBands = true;
    makeFlow(true);
    MessageCloser messages;
    LevelWindow* level = openLevel("Label_1a");
    ASSERT_NE(level, nullptr);
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_EQ(messages.texts.first(), QStringLiteral("erreur Bands"));
    EXPECT_TRUE(level->isVisible());
    QTest::mouseClick(level->playLabel(), Qt::LeftButton);
    EXPECT_TRUE(level->clockTimer().isActive());
    EXPECT_FALSE(sound->argsOf("PlayRhythm").isEmpty());
}

TEST_F(LevelWindowTest, withoutSoundTheProgramSaysSoAndEnds) {
    flow->quit();
    flow.reset();
    makeFlow(false);
    QSignalSpy finished(flow.get(), &app::ProgramFlow::finished);
    ModalReader message;
    QTest::mouseClick(menuLabel("Label_1a"), Qt::LeftButton);
    EXPECT_EQ(message.text(), flow->captions().text(u"Label_directx"));
    EXPECT_EQ(flow->level(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
