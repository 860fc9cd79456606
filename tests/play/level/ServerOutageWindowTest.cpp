// SPDX-License-Identifier: GPL-3.0-or-later
// A level played on a school's players server that stops half way: the child plays on to the
// verdict without a message, the next level opens, and the record and the answers reach the
// server once it is back, or at the next start when the program was closed first.
#include "../ProgramStart.h"
#include "LevelBench.h"

#include "app/ProgramFlow.h"
#include "app/ServerOutbox.h"
#include "play/games/HighScoreList.h"
#include "play/level/AnswerGrid.h"
#include "play/level/LevelWindow.h"
#include "play/level/QuestionOrder.h"
#include "play/level/ResultWindow.h"
#include "support/PrivateServerTest.h"

#include "../../app/RawDatabase.h"
#include "../games/ScoreTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;

namespace {

// Closes every result window and message box that opens while it lives, keeping their texts.
class WindowReader {
public:
    WindowReader() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* result = qobject_cast<ResultWindow*>(window);
                    result && result->isVisible()) {
                    results << result->message()->text();
                    QTest::mouseClick(result->closeLabel(), Qt::LeftButton);
                } else if (auto* box = qobject_cast<QMessageBox*>(window);
                           box && box->isVisible()) {
                    messages << box->text().remove(QChar(0x200B));
                    // A question is answered with its second answer (Cancel, No).
                    if (QAbstractButton* cancel = box->button(QMessageBox::Cancel)) {
                        cancel->click();
                    } else {
                        box->accept();
                    }
                }
            }
        });
        timer_.start();
    }
    QStringList results;
    QStringList messages;

private:
    QTimer timer_;
};

class ServerOutageWindowTest : public pulsadrome::testing::PrivateServerTest {
protected:
    void SetUp() override {
        makeDatabase(QStringLiteral("level"));
        if (IsSkipped()) {
            return;
        }
        data = app::DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
    }
    void TearDown() override {
        if (flow && flow->menu()) {
            flow->quit();
        }
        flow.reset();
        dropDatabase();
    }

    // The program on the server, Zoé chosen, at the menu.
    void startAtMenu(bool addZoe) { startAtMenu(flow, *data, addZoe); }
    // The same with the data folder of another computer of the room.
    void startAtMenu(std::unique_ptr<app::ProgramFlow>& program, const app::DataDirectory& folder,
                     bool addZoe) {
        program = std::make_unique<app::ProgramFlow>(folder, [](const i18n::CaptionTable&,
                                                                QString*) {
            return std::unique_ptr<RhythmPort>(std::make_unique<play::testing::RecordingRhythm>());
        });
        program->useServer(address);
        ASSERT_TRUE(program->openPlayers());
        if (addZoe) {
            ASSERT_TRUE(program->players().add(app::newPlayerRecord(QStringLiteral("Zoé"))));
        }
        program->showPlayerChoice();
        const int zoe = program->playerChoice()->list()->findText("Zoé");
        ASSERT_GE(zoe, 0);
        program->playerChoice()->pickName(zoe);
        program->goOn();
        ASSERT_NE(program->menu(), nullptr);
        program->setClock(clock);
        program->setWallClock(clock);
    }

    static int rightCell(LevelWindow* level) {
        const GridKind kind = gridKindOf(level->run().levelCode());
        for (int cell = 1; cell <= AnswerGrid::kCellCount; ++cell) {
            if (answerNumberOf(cell, kind) == level->run().question().toInt()) {
                return cell;
            }
        }
        return 0;
    }

    // Level 1a, its twelve right answers, the server halted after the fourth (`haltAfter`; never
    // when it is 12), then the verdict.
    void playLevelWhileTheServerStops(WindowReader& reader, int haltAfter = 4) {
        QTest::mouseClick(flow->menu()->label("Label_1a"), Qt::LeftButton);
        LevelWindow* level = flow->level();
        ASSERT_NE(level, nullptr);
        QTest::mouseClick(level->playLabel(), Qt::LeftButton);
        for (int i = 0; i < 12; ++i) {
            if (i == haltAfter) {
                server->halt();
            }
            clock.advance(700);
            QTest::mouseClick(level->cell(rightCell(level)), Qt::LeftButton);
            ASSERT_TRUE(level->rightLabel()->isVisible()) << "answer " << i;
            level->Timer1_Timer();
            level->Timer1_Timer();
        }
        level->Timer2_Timer();
        QTest::qWait(50);
        EXPECT_EQ(reader.results, QStringList{flow->captions().text(u"Label_resultat2")});
        EXPECT_EQ(reader.messages, QStringList{}) << "no message while the child plays";
        QTest::mouseClick(level->backLabel(), Qt::LeftButton);
        EXPECT_TRUE(flow->menu()->label("Label_1b")->isEnabled()) << "the next level opens";
    }

    QString onServer(const QString& sql) { return RawDatabase(address).value(sql); }

    pulsadrome::testing::ManualClock clock;
    QTemporaryDir dir;
    std::optional<app::DataDirectory> data;
    std::unique_ptr<app::ProgramFlow> flow;
};

TEST_F(ServerOutageWindowTest, theLevelGoesOnAndItsRecordReachesTheServerWhenItIsBack) {
    startAtMenu(true);
    WindowReader reader;
    playLevelWhileTheServerStops(reader);
    EXPECT_GT(flow->players().unsentCount(), 0u);

    server->resume();
    const QDeadlineTimer deadline(30000);
    while (flow->players().unsentCount() > 0 && !deadline.hasExpired()) {
        QThread::msleep(20);
    }
    EXPECT_EQ(flow->players().unsentCount(), 0u);
    EXPECT_EQ(onServer("SELECT \"jeu_binaire\" FROM \"Pulsadrome\""), "1b");
    EXPECT_EQ(onServer("SELECT count(*) FROM \"Answers\""), "12") << "each answer once";

    flow->quit();
    EXPECT_EQ(reader.messages, QStringList{}) << "nothing left to tell";
}

TEST_F(ServerOutageWindowTest, quittingWhileTheServerIsDownSaysSoAndTheNextStartSendsIt) {
    startAtMenu(true);
    WindowReader reader;
    playLevelWhileTheServerStops(reader);
    flow->quit();
    QTest::qWait(50);
    EXPECT_EQ(reader.messages, QStringList{flow->captions().text(u"envoi_plus_tard")});
    flow.reset();
    EXPECT_TRUE(QFile::exists(data->file(app::ServerOutbox::fileName())));

    server->resume();
    EXPECT_EQ(onServer("SELECT \"jeu_binaire\" FROM \"Pulsadrome\""), "1a") << "not yet";
    EXPECT_EQ(onServer("SELECT count(*) FROM \"Answers\""), "0");
    startAtMenu(false);
    EXPECT_TRUE(flow->menu()->label("Label_1b")->isEnabled());
    EXPECT_EQ(onServer("SELECT \"jeu_binaire\" FROM \"Pulsadrome\""), "1b");
    EXPECT_EQ(onServer("SELECT count(*) FROM \"Answers\""), "12");
    EXPECT_FALSE(QFile::exists(data->file(app::ServerOutbox::fileName())));
}

// Two copies of the program, each with its own data folder, on the same server: what one does
// with Zoé, the other finds, and both enter the same high-score tables.
using TwoComputersOfARoom = ServerOutageWindowTest;

TEST_F(TwoComputersOfARoom, shareThePlayersTheirProgressAndTheHighScores) {
    QTemporaryDir otherDir;
    const auto otherData = app::DataDirectory::open(otherDir.path());
    ASSERT_TRUE(otherData);
    std::unique_ptr<app::ProgramFlow> other;
    startAtMenu(other, *otherData, true); // Zoé made on the other computer
    EXPECT_FALSE(other->menu()->label("Label_1b")->isEnabled());

    startAtMenu(false); // and found on this one
    WindowReader reader;
    playLevelWhileTheServerStops(reader, 12);
    EXPECT_EQ(flow->players().unsentCount(), 0u);
    EXPECT_EQ(onServer("SELECT \"jeu_binaire\" FROM \"Pulsadrome\""), "1b");

    // The other computer, choosing Zoé again, has her new level open.
    other->changePlayer();
    other->playerChoice()->pickName(other->playerChoice()->list()->findText("Zoé"));
    other->goOn();
    ASSERT_NE(other->menu(), nullptr);
    EXPECT_TRUE(other->menu()->label("Label_1b")->isEnabled());

    // A score entered on each computer: both in the one table each shows.
    play::testing::LetterWidths widths;
    const auto enter = [&](app::ProgramFlow& program, const QString& name, qint32 score) {
        play::HighScoreList list(program.scoreKeepers().keeperOf("score4", program.captions()),
                                 widths);
        QStringList items;
        ASSERT_TRUE(list.FillScoreList(items).ok());
        ASSERT_TRUE(list.AddHighScore(items, name, score).ok());
    };
    enter(*other, QStringLiteral("Zoé :"), 700);
    enter(*flow, QStringLiteral("Léo :"), 900);
    for (app::ProgramFlow* program : {flow.get(), other.get()}) {
        const play::KeptTable table = program->scoreKeepers()
                                          .keeperOf("score4", program->captions())
                                          ->load(30, "\t\t\t")
                                          .result();
        ASSERT_TRUE(table.status.ok()) << table.status.message.toStdString();
        ASSERT_EQ(table.entries.size(), 30u);
        EXPECT_EQ(table.entries[0].name.trimmed(), "Léo :");
        EXPECT_EQ(table.entries[0].score, 900);
        EXPECT_EQ(table.entries[1].name.trimmed(), "Zoé :");
        EXPECT_EQ(table.entries[1].score, 700);
    }
    EXPECT_FALSE(QFile::exists(data->file("Score4.kdt"))) << "the room's table, not the files";
    EXPECT_FALSE(QFile::exists(otherData->file("Score4.kdt")));
    other->quit();
    EXPECT_EQ(reader.messages, QStringList{});
}

TEST_F(ServerOutageWindowTest, aDamagedJournalIsSaidAtTheStartAndKeptAside) {
    QFile file(data->file(app::ServerOutbox::fileName()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a journal");
    file.close();
    WindowReader reader;
    startAtMenu(true);
    QTest::qWait(50);
    ASSERT_EQ(reader.messages.size(), 1);
    EXPECT_EQ(reader.messages.front(), flow->captions().text(u"envoi_journal_abime"));
    EXPECT_FALSE(file.exists());
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("unsent.json.damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(aside.front()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "not a journal");
}

TEST_F(ServerOutageWindowTest, progressThatCannotBeKeptIsAskedAboutAndThenTheProgramStays) {
    // A folder where the journal goes: it can be neither read nor written over.
    QDir(dir.path()).mkdir(app::ServerOutbox::fileName());
    WindowReader reader;
    startAtMenu(true);
    QTest::qWait(50);
    EXPECT_EQ(reader.messages, QStringList{flow->captions().text(u"envoi_journal_illisible")});
    reader.messages.clear();
    playLevelWhileTheServerStops(reader);

    flow->quit();
    QTest::qWait(50);
    ASSERT_EQ(reader.messages.size(), 1);
    EXPECT_THAT(
        reader.messages.front().toStdString(),
        ::testing::HasSubstr(flow->captions().text(u"envoi_non_garde").arg("").toStdString()));
    ASSERT_NE(flow->menu(), nullptr) << "the program stays, the progress with it";
    EXPECT_GT(flow->players().unsentCount(), 0u);

    // The folder gone, the end keeps the progress and says so.
    ASSERT_TRUE(QDir(dir.filePath(app::ServerOutbox::fileName())).removeRecursively());
    reader.messages.clear();
    flow->quit();
    QTest::qWait(50);
    EXPECT_EQ(reader.messages, QStringList{flow->captions().text(u"envoi_plus_tard")});
    EXPECT_EQ(flow->menu(), nullptr);
    flow.reset();
    EXPECT_TRUE(QFile::exists(data->file(app::ServerOutbox::fileName())));
}

} // namespace
