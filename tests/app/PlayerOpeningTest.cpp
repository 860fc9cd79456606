// SPDX-License-Identifier: GPL-3.0-or-later
// The players opened on a thread of their own: the store they come back in works on the
// screens' thread, and a server that stops answering meanwhile leaves the player choice
// answering, then is said, and this computer's players are offered.
#include "app/PlayerOpening.h"
#include "app/ProgramFlow.h"
#include "app/TeacherPassword.h"
#include "app/TeacherPasswordWindow.h"
#include "i18n/Language.h"
#include "ui/ClickLabel.h"

#include "RawDatabase.h"
#include "TestDatabases.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <QtTest/QTest>

#include <gmock/gmock.h>

#include <functional>
#include <vector>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

// Runs the event loop until `done` or about ten seconds have passed.
bool processUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

class OpeningElsewhere : public ::testing::TestWithParam<BackEnd> {
protected:
    TestDatabase db{GetParam()};

    void SetUp() override { SKIP_WITHOUT(db); }
};

TEST_P(OpeningElsewhere, thePlayersComeInOrderAndTheStoreGoesOnOnThisThread) {
    PlayerRecord zoe = newPlayerRecord("Zoé");
    zoe.volume = "07";
    zoe.ecouteChoix = "1";
    RowId adam = 0;
    {
        auto store = db.store();
        ASSERT_TRUE(store->open());
        ASSERT_TRUE(store->add(zoe));
        adam = *store->add(newPlayerRecord("Adam"));
    }
    auto store = db.store();
    ASSERT_TRUE(store->open()) << "a store in use is closed here before it opens elsewhere";
    PlayerOpening opening(*store);
    bool finished = false;
    QObject::connect(&opening, &PlayerOpening::finished, [&] { finished = true; });
    opening.start();
    EXPECT_TRUE(opening.pending());
    ASSERT_TRUE(processUntil([&] { return finished; }));
    EXPECT_FALSE(opening.pending());
    const auto& opened = opening.result();
    ASSERT_TRUE(opened) << opened.status.message.toStdString();
    ASSERT_EQ(opened->size(), 2u);
    EXPECT_EQ(opened->at(0).name, "Zoé");
    EXPECT_EQ(opened->at(1).name, "Adam");

    // Every later use is on this thread, on the connection made over there.
    EXPECT_EQ(store->current(), zoe);
    EXPECT_EQ(*store->players(), *opened);
    ASSERT_TRUE(store->moveTo(adam));
    store->current().jeuBinaire = "5";
    const StoreStatus stored = store->storeCurrent();
    ASSERT_TRUE(stored) << stored.message.toStdString();
    EXPECT_EQ(store->read(adam)->jeuBinaire, "5");

    // And it opens elsewhere again, as after a change of players.
    finished = false;
    opening.start();
    ASSERT_TRUE(processUntil([&] { return finished; }));
    ASSERT_TRUE(opening.result());
    EXPECT_EQ(store->read(adam)->jeuBinaire, "5");
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, OpeningElsewhere,
                         ::testing::Values(BackEnd::File, BackEnd::Server), backEndName);

// A server that takes the connection and then says nothing, until it is told to go.
class SilentServer {
public:
    SilentServer() {
        listening_.listen(QHostAddress::LocalHost);
        QObject::connect(&listening_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = listening_.nextPendingConnection()) {
                held_.emplace_back(socket);
            }
        });
    }
    quint16 port() const { return listening_.serverPort(); }
    // A players server's address on it.
    ServerAddress address() const {
        ServerAddress server;
        server.host = QStringLiteral("127.0.0.1");
        server.port = port();
        server.database = QStringLiteral("pulsadrome");
        return server;
    }
    bool reached() const { return !held_.empty(); }
    // Stops listening and drops the connections it held.
    void go() {
        listening_.close();
        for (const QPointer<QTcpSocket>& socket : held_) {
            if (socket) {
                socket->abort();
            }
        }
    }

private:
    QTcpServer listening_;
    std::vector<QPointer<QTcpSocket>> held_;
};

// Answers every question box with its first button ("Oui") and keeps its text.
class YesSayer : public QObject {
public:
    YesSayer() { QCoreApplication::instance()->installEventFilter(this); }
    ~YesSayer() override { QCoreApplication::instance()->removeEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
        if (box) {
            QTimer::singleShot(0, box, [this, box = QPointer<QMessageBox>(box)] {
                if (box && !box->buttons().isEmpty()) {
                    texts << box->text();
                    box->buttons().constFirst()->click();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

// The program started on a server that takes the connection and says nothing: the player
// choice shown while its players are looked for, every question answered yes.
struct SilentStart {
    explicit SilentStart(const DataDirectory& data) : flow(data, {}, 200) {
        flow.useServer(silent.address());
        QObject::connect(&flow, &ProgramFlow::finished, [this] { ended = true; });
        flow.openPlayersWhileShown();
        flow.showPlayerChoice();
    }
    SilentServer silent;
    const YesSayer yes;
    ProgramFlow flow;
    bool ended = false;
};

TEST(OpeningAtStart,
     aServerThatStopsAnsweringLeavesThePlayerChoiceAnsweringThenOffersThisComputer) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        GTEST_SKIP() << "Qt's PostgreSQL driver (QPSQL) is not installed";
    }
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    {
        PlayerStore own(*data);
        ASSERT_TRUE(own.open());
        ASSERT_TRUE(own.add(newPlayerRecord("Léa")));
    }
    SilentStart start(*data);
    PlayerChoiceWindow* choice = start.flow.playerChoice();
    ASSERT_TRUE(choice);
    ASSERT_TRUE(processUntil([&] { return start.silent.reached(); }));

    // The server holds the connection: the window waits, says so, and answers meanwhile.
    EXPECT_TRUE(choice->waiting());
    EXPECT_EQ(choice->list()->placeholderText(), start.flow.captions().text(u"joueurs_recherche"));
    EXPECT_FALSE(choice->list()->isEnabled());
    EXPECT_FALSE(choice->newPlayerButton()->isEnabled());
    EXPECT_FALSE(choice->nextLabel()->isEnabled());
    EXPECT_TRUE(choice->quitLabel()->isEnabled());
    choice->Label_jouer_Click(); // nothing to go on with, and no store to ask
    choice->chooseLanguage(i18n::Language::Allemand);
    EXPECT_EQ(choice->list()->placeholderText(), "Spieler werden gesucht…");
    EXPECT_TRUE(start.yes.texts.isEmpty());

    start.silent.go();
    ASSERT_TRUE(processUntil([&] { return !choice->waiting(); }));
    ASSERT_EQ(start.yes.texts.size(), 1)
        << "the server unusable, and this computer's players offered";
    EXPECT_EQ(start.yes.texts.front(),
              start.flow.captions()
                  .text(u"serveur_inutilisable")
                  .arg(start.flow.captions().text(u"raison_serveur_injoignable"))
                  .trimmed());
    EXPECT_FALSE(start.flow.players().onServer());
    ASSERT_EQ(choice->list()->count(), 1);
    EXPECT_EQ(choice->list()->itemText(0), "Léa");
    EXPECT_TRUE(choice->list()->isEnabled());
    EXPECT_TRUE(choice->nextLabel()->isEnabled());
    EXPECT_FALSE(start.ended);
    EXPECT_EQ(start.flow.exitCode(), 0);
}

TEST(OpeningAtStart, aQuitWhileThePlayersAreLookedForEndsTheProgramWhenTheyAreBack) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        GTEST_SKIP() << "Qt's PostgreSQL driver (QPSQL) is not installed";
    }
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    SilentStart start(*data);
    ASSERT_TRUE(processUntil([&] { return start.silent.reached(); }));
    start.flow.quit();
    EXPECT_FALSE(start.ended) << "the store is still elsewhere";
    EXPECT_FALSE(start.flow.playerChoice()->isVisible());
    start.silent.go();
    ASSERT_TRUE(processUntil([&] { return start.ended; }));
    EXPECT_TRUE(start.yes.texts.isEmpty()) << "nothing is asked of a child who left";
}

// The class table of a school's server whose answer log another connection holds locked: the
// reading waits for it on its own thread while the screens answer.
class ClassOnALockedServer : public ::testing::Test {
protected:
    TestDatabase db{BackEnd::Server};
    QTemporaryDir dir;
    std::optional<DataDirectory> data;
    std::unique_ptr<ProgramFlow> flow;
    std::unique_ptr<RawDatabase> holder;

    void SetUp() override {
        SKIP_WITHOUT(db);
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        flow = std::make_unique<ProgramFlow>(*data, nullptr, lockWaitMs());
        flow->useServer(db.address());
        ASSERT_TRUE(flow->openPlayers());
        for (const char* name : {"Zoé", "Adam"}) {
            ASSERT_TRUE(flow->players().add(newPlayerRecord(QString::fromUtf8(name))));
        }
        TeacherPassword password(*data);
        ASSERT_EQ(password.choose("Sol-La", "Sol-La"), TeacherPassword::Refusal::None);
        flow->showPlayerChoice();
        flow->playerChoice()->reload();
        holder = db.raw();
        holder->exec("BEGIN");
        holder->exec("LOCK TABLE \"Answers\" IN ACCESS EXCLUSIVE MODE");
        flow->openTeacher();
        ASSERT_NE(flow->teacherPassword(), nullptr);
        flow->teacherPassword()->firstBox()->setText("Sol-La");
        flow->teacherPassword()->confirm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void TearDown() override {
        holder.reset(); // the lock goes with its connection
        if (flow) {
            flow->waitForStore();
            flow->quit();
        }
    }
    // How long the store waits for a lock another computer holds.
    virtual int lockWaitMs() const { return 20000; }
};

class ClassOnAServerLockedTooLong : public ClassOnALockedServer {
protected:
    int lockWaitMs() const override { return 300; }
};

TEST_F(ClassOnALockedServer, theTableWaitsSayingSoAndTheWayBackLeavesAWaitingPlayerChoice) {
    ClassWindow* window = flow->classTable();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->waiting());
    EXPECT_EQ(window->findChild<QLabel*>("Label_aide")->text(),
              flow->captions().text(u"classe_lecture"));
    EXPECT_EQ(window->table()->rowCount(), 0);
    EXPECT_FALSE(window->findChild<QWidget*>("Label_exporter")->isEnabled());

    // The way back while the lines are read: the player choice shows, waiting for the store.
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow->classTable(), nullptr);
    PlayerChoiceWindow* choice = flow->playerChoice();
    ASSERT_TRUE(choice->isVisible());
    EXPECT_TRUE(choice->waiting());
    EXPECT_FALSE(choice->teacherLabel()->isEnabled());

    holder->exec("ROLLBACK");
    ASSERT_TRUE(processUntil([&] { return !choice->waiting(); }));
    EXPECT_EQ(choice->list()->count(), 2);
    EXPECT_EQ(choice->list()->itemText(0), "Zoé");
    EXPECT_TRUE(choice->teacherLabel()->isEnabled());
    EXPECT_EQ(flow->players().currentId(), flow->players().players()->front().id);
}

TEST_F(ClassOnAServerLockedTooLong, isSaidAndLeadsBackToThePlayerChoice) {
    std::vector<QString> said;
    struct Answerer : QObject {
        std::vector<QString>* said;
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* box =
                event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
            if (box) {
                QTimer::singleShot(0, box, [this, box = QPointer<QMessageBox>(box)] {
                    if (box) {
                        said->push_back(box->text());
                        box->accept();
                    }
                });
            }
            return false;
        }
    } answerer;
    answerer.said = &said;
    QCoreApplication::instance()->installEventFilter(&answerer);
    ASSERT_TRUE(processUntil([&] { return !flow->classTable(); }));
    QCoreApplication::instance()->removeEventFilter(&answerer);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_THAT(
        said.front().toStdString(),
        ::testing::HasSubstr(flow->captions().text(u"raison_fichier_occupe").toStdString()));
    holder->exec("ROLLBACK");
    PlayerChoiceWindow* choice = flow->playerChoice();
    EXPECT_TRUE(choice->isVisible());
    EXPECT_FALSE(choice->waiting());
    EXPECT_EQ(choice->list()->count(), 2);
}

} // namespace
