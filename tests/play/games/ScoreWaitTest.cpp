// SPDX-License-Identifier: GPL-3.0-or-later
// The score window on a school's server that stops answering: the window stays live and says
// that it waits, the entry lands once when the server answers again, closing the window while
// it waits is safe and what became of the entry is still told, and a server the players'
// sender knows to be down is not waited for at all. The server is a throw-away one of this
// program's own, frozen (every process stopped where it is), held (no new connection
// answered), stopped and started again.
#include "../ProgramStart.h"

#include "app/ProgramFlow.h"
#include "app/ServerScores.h"
#include "play/games/GameWindow.h"
#include "play/games/ScoreWindows.h"
#include "play/level/LevelPictures.h"
#include "support/ManualClock.h"
#include "support/PrivateServerTest.h"
#include "ui/ClickLabel.h"

#include "../../app/RawDatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <functional>
#include <memory>

using namespace pulsadrome;
using namespace pulsadrome::play;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

constexpr int kBoundMs = 60000; // far beyond any wait the program itself allows
const QString kTabs = QStringLiteral("\t\t\t");

// Waits, processing events, until `done` holds or the bound has passed; whether it holds.
bool eventually(const std::function<bool()>& done, int boundMs = kBoundMs) {
    const QDeadlineTimer deadline(boundMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

i18n::CaptionTable captionsIn(const char* language) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QString::fromLatin1(language));
    captions.Command_langue_Click();
    return captions;
}

// Answers every message box that opens while it lives, keeping its text.
class BoxReader {
public:
    BoxReader() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    texts << box->text().remove(QChar(0x200B));
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

// Counts the turns of the event loop's timers: they go on only while nothing holds the thread.
class Ticks {
public:
    Ticks() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { ++count; });
        timer_.start();
    }
    int count = 0;

private:
    QTimer timer_;
};

class ScoreWait : public pulsadrome::testing::PrivateServerTest {
protected:
    void SetUp() override { makeDatabase(QStringLiteral("wait")); }
    void TearDown() override {
        // The server answering again first, so that the program ends at once.
        if (server && server->whyNot().isEmpty()) {
            server->resume();
        }
        if (flow && flow->menu()) {
            flow->quit();
        }
        flow.reset();
        dropDatabase();
    }

    std::unique_ptr<HighScoreWindow> window(app::ServerScores& scores, QWidget* over = nullptr) {
        auto shown = std::make_unique<HighScoreWindow>(scores, QStringLiteral("score3"), german,
                                                       QStringLiteral("1"), clock, over);
        shown->show();
        return shown;
    }
    // The window's table, loaded while the server answers.
    std::unique_ptr<HighScoreWindow> loadedWindow(app::ServerScores& scores,
                                                  QWidget* over = nullptr) {
        auto shown = window(scores, over);
        shown->load();
        EXPECT_TRUE(eventually([&] { return !shown->waiting(); }));
        EXPECT_EQ(shown->items().size(), 30);
        return shown;
    }
    QString waitingText(const char16_t* key) const {
        return QStringLiteral("⏳ ") + german.text(key);
    }
    QStringList rows() {
        return RawDatabase(address).rows(
            QStringLiteral("SELECT \"game\", trim(\"name\"), \"score\" FROM \"HighScores\""));
    }
    // Escape after the window's first second, which no key ends.
    void pressEscape(HighScoreWindow& shown) {
        clock.advance(2000);
        QTest::keyClick(&shown, Qt::Key_Escape);
    }

    const i18n::CaptionTable german = captionsIn("allemand");
    pulsadrome::testing::ManualClock clock;
    QTemporaryDir dir;
    std::unique_ptr<app::ProgramFlow> flow;
};

TEST_F(ScoreWait, aFrozenServerLeavesTheWindowLiveAndTheEntryLandsOnceWhenItAnswersAgain) {
    app::ServerScores scores(address, 500);
    auto shown = loadedWindow(scores);
    EXPECT_FALSE(shown->waitingLine()->isVisible()) << "nothing to wait for on a live server";

    server->freeze();
    shown->enter(QStringLiteral("Zoé :"), QStringLiteral("70"));
    EXPECT_TRUE(shown->waiting());
    EXPECT_THAT(shown->items()[0].toStdString(), StartsWith("1. Zoé :")) << "shown at once";
    const Ticks ticks;
    ASSERT_TRUE(eventually([&] { return shown->waitingLine()->isVisible(); }));
    EXPECT_EQ(shown->waitingLine()->text(), waitingText(u"score_envoi_en_cours"));
    EXPECT_THAT(shown->waitingLine()->text().toStdString(), HasSubstr("Punktzahl"));
    EXPECT_TRUE(eventually([&] { return ticks.count >= 20; }))
        << "the window's thread goes on while the server is frozen";
    EXPECT_TRUE(shown->waiting());

    server->thaw();
    ASSERT_TRUE(eventually([&] { return !shown->waiting(); }));
    EXPECT_FALSE(shown->waitingLine()->isVisible());
    EXPECT_THAT(shown->items()[0].toStdString(), StartsWith("1. Zoé :"));
    EXPECT_THAT(shown->items()[1].toStdString(), StartsWith("2. *****"));
    EXPECT_EQ(rows(), QStringList{"3|Zoé :|70"}) << "entered once";
}

TEST_F(ScoreWait, closingTheWindowWhileItWaitsIsSafeAndTheEntryIsEnteredOnceOrToldNotEntered) {
    app::ServerScores scores(address, 500);
    QWidget screen;
    screen.show();
    const BoxReader boxes;

    // The entry handed to the server, the window closed and gone while the server is frozen.
    QFuture<KeptTable> entry;
    {
        auto shown = loadedWindow(scores, &screen);
        server->freeze();
        shown->enter(QStringLiteral("Ana :"), QStringLiteral("50"));
        ASSERT_TRUE(eventually([&] { return shown->waitingLine()->isVisible(); }));
        pressEscape(*shown);
        EXPECT_FALSE(shown->isVisible());
        EXPECT_FALSE(shown->entryDropped());
        ASSERT_TRUE(shown->unfinishedEntry().has_value());
        entry = *shown->unfinishedEntry();
        tellUnfinishedEntry(screen, german, *shown);
    }
    QTest::qWait(50);
    EXPECT_FALSE(entry.isFinished());
    server->thaw();
    ASSERT_TRUE(eventually([&] { return entry.isFinished(); }));
    EXPECT_TRUE(entry.result().status.ok()) << entry.result().status.message.toStdString();
    QTest::qWait(50);
    EXPECT_EQ(boxes.texts, QStringList{}) << "an entry that was kept needs no word";
    EXPECT_EQ(rows(), QStringList{"3|Ana :|50"});

    // The window closed before its table came: its entry is not made, and that is said.
    {
        auto shown = window(scores, &screen);
        server->freeze();
        shown->load();
        shown->enter(QStringLiteral("Bob :"), QStringLiteral("90"));
        ASSERT_TRUE(eventually([&] { return shown->waitingLine()->isVisible(); }));
        EXPECT_EQ(shown->waitingLine()->text(), waitingText(u"score_lecture_en_cours"));
        EXPECT_TRUE(shown->items().isEmpty());
        pressEscape(*shown);
        EXPECT_TRUE(shown->entryDropped());
        EXPECT_FALSE(shown->unfinishedEntry().has_value());
        tellUnfinishedEntry(screen, german, *shown);
    }
    EXPECT_EQ(boxes.texts, QStringList{german.text(u"score_pas_attendu")});
    server->thaw();
    // The table asked for ends on the scores' thread with no window to show it.
    ASSERT_TRUE(scores.read(3, 30));
    EXPECT_EQ(rows(), QStringList{"3|Ana :|50"}) << "Bob's score was not entered";
}

TEST_F(ScoreWait, theProgramEndingWhileTheServerIsFrozenDoesNotWaitAndEntersNothing) {
    QFuture<KeptTable> entry;
    QFuture<app::ServerScores::Table> queued;
    {
        app::ServerScores scores(address, 500);
        auto shown = loadedWindow(scores);
        server->freeze();
        shown->enter(QStringLiteral("Ana :"), QStringLiteral("50"));
        ASSERT_TRUE(eventually([&] { return shown->waitingLine()->isVisible(); }));
        pressEscape(*shown);
        ASSERT_TRUE(shown->unfinishedEntry().has_value());
        entry = *shown->unfinishedEntry();
        queued = scores.readLater(3, 30);
    } // the scores end with the entry waiting in the frozen server
    ASSERT_TRUE(entry.isFinished());
    EXPECT_EQ(entry.result().status.kind, ScoreFileStatus::Kind::Failed);
    ASSERT_TRUE(queued.isFinished());
    EXPECT_EQ(queued.result().status.fault, app::StoreFault::Unreachable);
    server->thaw();
    EXPECT_EQ(rows(), QStringList{}) << "what the server read of the entry was not kept";
}

TEST_F(ScoreWait, anEntryLostAfterTheWindowClosedIsToldOverTheScreenInTheLanguage) {
    app::ServerScores scores(address, 500);
    ASSERT_TRUE(scores.read(3, 30)); // the table is made
    {
        RawDatabase raw(address);
        raw.exec("CREATE FUNCTION linger() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                 "PERFORM pg_sleep(60); RETURN NEW; END $$");
        raw.exec("CREATE TRIGGER linger AFTER INSERT ON \"HighScores\" FOR EACH ROW EXECUTE "
                 "FUNCTION linger()");
    }
    QWidget screen;
    screen.show();
    const BoxReader boxes;
    {
        auto shown = loadedWindow(scores, &screen);
        shown->enter(QStringLiteral("Léa :"), QStringLiteral("30"));
        ASSERT_TRUE(eventually([&] { return shown->waitingLine()->isVisible(); }));
        pressEscape(*shown);
        ASSERT_TRUE(shown->unfinishedEntry().has_value());
        tellUnfinishedEntry(screen, german, *shown);
    }
    // The connection ended from outside while the entry sleeps in the server.
    RawDatabase admin(server->admin());
    ASSERT_TRUE(eventually([&] {
        return admin.value(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = "
                                          "'%1' AND wait_event = 'PgSleep'")
                               .arg(address.database)) == "1";
    }));
    admin.exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                              "datname = '%1' AND wait_event = 'PgSleep'")
                   .arg(address.database));
    ASSERT_TRUE(eventually([&] { return !boxes.texts.isEmpty(); }));
    EXPECT_EQ(boxes.texts, QStringList{german.text(u"score_serveur_non_enregistre")
                                           .arg(german.text(u"raison_serveur_injoignable"))});
    EXPECT_EQ(rows(), QStringList{}) << "nothing half entered";
}

TEST_F(ScoreWait, aServerThatTakesNoNewConnectionIsWaitedForLiveAndThenToldInTheLanguage) {
    server->hold();
    app::ServerScores scores(address, 500); // no connection yet
    const BoxReader boxes;
    auto shown = window(scores);
    shown->load();
    shown->enter(QStringLiteral("Zoé :"), QStringLiteral("70"));
    const Ticks ticks;
    ASSERT_TRUE(eventually([&] { return shown->waitingLine()->isVisible(); }));
    EXPECT_EQ(shown->waitingLine()->text(), waitingText(u"score_lecture_en_cours"));
    ASSERT_TRUE(eventually([&] { return !shown->waiting(); }));
    EXPECT_GT(ticks.count, 0);
    const QString reason = german.text(u"raison_serveur_injoignable");
    EXPECT_EQ(boxes.texts, (QStringList{german.text(u"score_serveur_illisible").arg(reason),
                                        german.text(u"score_serveur_non_enregistre").arg(reason)}));
    EXPECT_THAT(shown->items()[0].toStdString(), StartsWith("1. Zoé :")) << "shown all the same";
    server->thaw();
    ASSERT_TRUE(scores.read(3, 30)) << "the server answers again";
    EXPECT_EQ(rows(), QStringList{});
}

// The program on the server at its menu, Zoé chosen; the players' sender tries again soon.
std::unique_ptr<app::ProgramFlow> programAtMenu(const app::DataDirectory& data,
                                                const app::ServerAddress& address,
                                                pulsadrome::testing::ManualClock& clock) {
    auto flow = std::make_unique<app::ProgramFlow>(data, [](const i18n::CaptionTable&, QString*) {
        return std::unique_ptr<RhythmPort>(std::make_unique<play::testing::RecordingRhythm>());
    });
    flow->useServer(address);
    if (!flow->openPlayers() || !flow->players().add(app::newPlayerRecord(QStringLiteral("Zoé")))) {
        ADD_FAILURE() << "the players' server cannot be used";
        return nullptr;
    }
    flow->showPlayerChoice();
    flow->playerChoice()->pickName(flow->playerChoice()->list()->findText("Zoé"));
    flow->goOn();
    if (!flow->menu()) {
        ADD_FAILURE() << "no menu";
        return nullptr;
    }
    flow->setClock(clock);
    flow->setWallClock(clock);
    return flow;
}

TEST_F(ScoreWait, whileTheProgramKnowsTheServerIsDownATableFailsAtOnceAndWorksAgainAfter) {
    const auto data = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    flow = programAtMenu(*data, address, clock);
    ASSERT_NE(flow, nullptr);
    const i18n::CaptionTable& captions = flow->captions();
    const QString unreachable =
        captions.text(u"score_serveur_illisible").arg(captions.text(u"raison_serveur_injoignable"));
    auto keeper = flow->scoreKeepers().keeperOf(QStringLiteral("score3"), captions);
    ASSERT_TRUE(keeper->load(30, kTabs).result().status.ok());

    // The scores find the server gone first and tell the players' store, whose sender then
    // watches for the server: the next table is not waited for.
    server->halt();
    const KeptTable lost = keeper->load(30, kTabs).result();
    EXPECT_EQ(lost.status.message, unreachable);
    EXPECT_EQ(lost.entries.size(), 30u);
    // A port that takes connections and never answers: only a table not asked for returns
    // at once.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress(address.host), static_cast<quint16>(address.port)));
    QFuture<KeptTable> table = keeper->load(30, kTabs);
    ASSERT_TRUE(table.isFinished());
    EXPECT_EQ(table.result().status.message, unreachable);
    EXPECT_TRUE(flow->players().serverKnownDown());
    QFuture<KeptTable> entry =
        keeper->enter({QStringLiteral("Zoé :"), 70}, 0,
                      completedTable({{QStringLiteral("Zoé :"), 70}}, 30), kTabs);
    ASSERT_TRUE(entry.isFinished());
    EXPECT_EQ(entry.result().status.message,
              captions.text(u"score_serveur_non_enregistre")
                  .arg(captions.text(u"raison_serveur_injoignable")));

    // The store's own finding does the same.
    silent.close();
    server->resume();
    ASSERT_TRUE(eventually([&] { return !flow->players().serverKnownDown(); }));
    ASSERT_TRUE(keeper->load(30, kTabs).result().status.ok());
    server->halt();
    flow->players().current().fond = QStringLiteral("2");
    ASSERT_TRUE(flow->players().storeCurrent()) << "kept for later";
    ASSERT_TRUE(flow->players().serverKnownDown());
    table = keeper->load(30, kTabs);
    ASSERT_TRUE(table.isFinished());
    EXPECT_EQ(table.result().status.message, unreachable);

    // Its connection ended by the restart, the table opens another.
    server->resume();
    ASSERT_TRUE(eventually([&] { return !flow->players().serverKnownDown(); }));
    const KeptTable again = keeper->load(30, kTabs).result();
    EXPECT_TRUE(again.status.ok()) << again.status.message.toStdString();
    const KeptTable entered =
        keeper
            ->enter({QStringLiteral("Zoé :"), 70}, 0,
                    completedTable({{QStringLiteral("Zoé :"), 70}}, 30), kTabs)
            .result();
    EXPECT_TRUE(entered.status.ok()) << entered.status.message.toStdString();
    EXPECT_EQ(rows(), QStringList{"3|Zoé :|70"});
}

// The real end of a game on the games screen: the child closes the table while the server still
// holds the entry, and the entry lost afterwards is told over the games screen.
TEST_F(ScoreWait, aGameEndedOnTheServerIsToldOverTheGamesScreenWhenItsEntryIsLostAfterClosing) {
    const auto data = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    flow = programAtMenu(*data, address, clock);
    ASSERT_NE(flow, nullptr);
    const i18n::CaptionTable& captions = flow->captions();
    ASSERT_TRUE(flow->scoreKeepers()
                    .keeperOf(QStringLiteral("score1"), captions)
                    ->load(30, kTabs)
                    .result()
                    .status.ok());
    {
        RawDatabase raw(address);
        raw.exec("CREATE FUNCTION linger() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                 "PERFORM pg_sleep(60); RETURN NEW; END $$");
        raw.exec("CREATE TRIGGER linger AFTER INSERT ON \"HighScores\" FOR EACH ROW EXECUTE "
                 "FUNCTION linger()");
    }
    // Closes the table once it says that it waits; keeps every message.
    QStringList messages;
    QString waited;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                messages << box->text().remove(QChar(0x200B));
                box->accept();
            } else if (auto* table = qobject_cast<HighScoreWindow*>(window);
                       table && table->isVisible() &&
                       (table->waitingLine()->isVisible() || !table->waiting())) {
                waited = table->waitingLine()->isVisible() ? table->waitingLine()->text()
                                                           : QStringLiteral("nothing");
                clock.advance(2000);
                QTest::mouseClick(table->closeLabel(), Qt::LeftButton);
            }
        }
    });
    closer.start();

    QTest::mouseClick(flow->menu()->label("Label15a"), Qt::LeftButton);
    GameWindow* game = flow->game();
    ASSERT_NE(game, nullptr);
    QTest::mouseClick(game->playLabel(), Qt::LeftButton);
    // Three right answers: a score the table takes.
    for (int i = 0; i < 3; ++i) {
        int right = 1;
        while (!game->run().questions().isRight(right)) {
            ++right;
        }
        QTest::mouseClick(game->cell(right), Qt::LeftButton);
        game->Timer1_Timer();
        game->Timer1_Timer();
    }
    ASSERT_GT(game->run().score(), 0);
    for (int guard = 0; game->clockTimer().isActive() && guard < 1000; ++guard) {
        game->Timer2_Timer();
    }
    EXPECT_EQ(waited, QStringLiteral("⏳ ") + captions.text(u"score_envoi_en_cours"));
    EXPECT_EQ(messages, QStringList{}) << "nothing to tell yet";
    EXPECT_TRUE(game->isVisible());

    RawDatabase admin(server->admin());
    const QString sleeping = QStringLiteral("FROM pg_stat_activity WHERE datname = '%1' AND "
                                            "wait_event = 'PgSleep'")
                                 .arg(address.database);
    ASSERT_TRUE(eventually(
        [&] { return admin.value(QStringLiteral("SELECT count(*) ") + sleeping) == "1"; }));
    admin.exec(QStringLiteral("SELECT pg_terminate_backend(pid) ") + sleeping);
    ASSERT_TRUE(eventually([&] { return !messages.isEmpty(); }));
    EXPECT_EQ(messages, QStringList{captions.text(u"score_serveur_non_enregistre")
                                        .arg(captions.text(u"raison_serveur_injoignable"))});
    EXPECT_EQ(rows(), QStringList{}) << "nothing half entered";
}

} // namespace
