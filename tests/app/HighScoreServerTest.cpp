// SPDX-License-Identifier: GPL-3.0-or-later
// The scored games' high-score tables on the data folder's files and on a school's server: the
// same rules on both (thirty entries, the default entries, ties, the names a table holds), and
// on the server the faults a network brings: a computer that entered a score since this one
// showed its table, a connection dropped in the middle of an entry, a login without rights, a
// server that does not answer, a schema of the previous version.
#include "app/PlayerStore.h"
#include "app/ServerScores.h"
#include "app/ServerTable.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreList.h"
#include "play/games/ScoreKeeper.h"

#include "../play/games/ScoreTestSupport.h"
#include "RawDatabase.h"
#include "TestDatabases.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QThread>

#include <gmock/gmock.h>

#include <future>
#include <memory>
#include <thread>

using namespace pulsadrome;
using namespace pulsadrome::app;
using pulsadrome::play::HighScoreList;
using pulsadrome::play::ScoreFileStatus;
using pulsadrome::play::testing::kTabs;
using pulsadrome::play::testing::LetterWidths;
using pulsadrome::play::testing::nameAndScore;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

using Shown = std::pair<QString, QString>;

i18n::CaptionTable captionsIn(const char* language) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QString::fromLatin1(language));
    captions.Command_langue_Click();
    return captions;
}

// One computer's score window on a table: the list it shows and what it enters.
class Window {
public:
    Window(play::ScoreKeepers& keepers, const QString& code, const i18n::CaptionTable& captions)
        : list_(keepers.keeperOf(code, captions), widths_) {
        list_.SetListCount(30);
    }
    ScoreFileStatus load() {
        items.clear();
        return list_.FillScoreList(items);
    }
    ScoreFileStatus enter(const QString& name, qint32 score) {
        return list_.AddHighScore(items, name, score);
    }
    std::vector<Shown> top(int n) const {
        std::vector<Shown> shown;
        for (int i = 0; i < n && i < items.size(); ++i) {
            shown.push_back(nameAndScore(items[i]));
        }
        return shown;
    }

    QStringList items;

private:
    LetterWidths widths_;
    HighScoreList list_;
};

class ScoreTables : public ::testing::TestWithParam<BackEnd> {
protected:
    void SetUp() override {
        SKIP_WITHOUT(db);
        if (db.onServer()) {
            keepers_ = std::make_unique<ServerScores>(db.address(), 500);
        } else {
            keepers_ = std::make_unique<play::ScoreFiles>(db.directory());
        }
    }

    // A new window, as at the end of each game.
    std::unique_ptr<Window> window(const QString& code = QStringLiteral("score3")) {
        return std::make_unique<Window>(*keepers_, code, captions_);
    }
    QStringList filled() {
        auto w = window();
        EXPECT_TRUE(w->load().ok());
        return w->items;
    }
    QStringList entered(const QString& name, qint32 score) {
        auto w = window();
        EXPECT_TRUE(w->load().ok());
        const ScoreFileStatus status = w->enter(name, score);
        EXPECT_TRUE(status.ok()) << status.message.toStdString();
        return w->items;
    }

    TestDatabase db{GetParam()};
    const i18n::CaptionTable& captions_ = play::testing::startCaptions();
    std::unique_ptr<play::ScoreKeepers> keepers_;
};

TEST_P(ScoreTables, startWithThirtyDefaultEntriesThatMinusOneHundredDoesNotBeat) {
    const QStringList first = filled();
    ASSERT_EQ(first.size(), 30);
    EXPECT_EQ(first[0], QStringLiteral("1. *****************\t\t\t-100"));
    EXPECT_EQ(first[29], QStringLiteral("30. *****************\t\t\t-100"));
    EXPECT_EQ(entered(QStringLiteral("Zoé :"), -100), first);
    EXPECT_EQ(filled(), first);

    const QStringList items = entered(QStringLiteral("Zoé :"), -99);
    EXPECT_EQ(items[0], QStringLiteral("1. Zoé :") + QString(17, u' ') + kTabs + "-99");
    EXPECT_EQ(items[1], QStringLiteral("2. *****************\t\t\t-100"));
    EXPECT_EQ(items.size(), 30);
    EXPECT_EQ(filled(), items) << "the table reads back as it was shown";
}

TEST_P(ScoreTables, rankANewScoreBelowEveryEqualScoreAndKeepTheThirtyBest) {
    entered(QStringLiteral("Ana :"), 300);
    entered(QStringLiteral("Bob :"), 500);
    entered(QStringLiteral("Cid :"), 300);
    const QStringList items = entered(QStringLiteral("Dan :"), 300);
    auto w = window();
    ASSERT_TRUE(w->load().ok());
    EXPECT_EQ(w->items, items);
    EXPECT_THAT(w->top(5),
                ElementsAre(Shown{"Bob :", "500"}, Shown{"Ana :", "300"}, Shown{"Cid :", "300"},
                            Shown{"Dan :", "300"}, Shown{"*****************", "-100"}));

    for (int k = 1; k <= 30; ++k) {
        entered(QStringLiteral("p%1 :").arg(k), 1000 + k);
    }
    const QStringList full = filled();
    ASSERT_EQ(full.size(), 30);
    EXPECT_EQ(nameAndScore(full[0]), Shown("p30 :", "1030"));
    EXPECT_EQ(nameAndScore(full[29]), Shown("p1 :", "1001"));
    EXPECT_EQ(entered(QStringLiteral("Eve :"), 1001), full) << "no better than the last";
    const QStringList pushed = entered(QStringLiteral("Eve :"), 1002);
    EXPECT_EQ(nameAndScore(pushed[29]), Shown("Eve :", "1002"));
    EXPECT_EQ(filled(), pushed);
    if (db.onServer()) {
        EXPECT_EQ(db.raw()->value("SELECT count(*) FROM \"HighScores\""), "30")
            << "the rows pushed out are gone";
    }
}

TEST_P(ScoreTables, keepNamesToTheCharactersATableHoldsAndScoresBeyondSixteenBits) {
    entered(QStringLiteral("NICOLÒ & Œdipe\tJoão’s"), 40000);
    const QStringList items = entered(QStringLiteral("J.-P. :"), 2000000000);
    EXPECT_EQ(nameAndScore(items[0]), Shown("J.-P. :", "2000000000"));
    EXPECT_EQ(nameAndScore(items[1]), Shown("NICOLO  OEdipe João's", "40000"));
    EXPECT_EQ(filled(), items);
}

TEST_P(ScoreTables, keepTheFourteenTablesApartAndGiveATwoPlayerGameNone) {
    auto one = window(QStringLiteral("score1"));
    ASSERT_TRUE(one->load().ok());
    ASSERT_TRUE(one->enter(QStringLiteral("Ana :"), 50).ok());
    auto fourteen = window(QStringLiteral("score14"));
    ASSERT_TRUE(fourteen->load().ok());
    EXPECT_EQ(nameAndScore(fourteen->items[0]), Shown("*****************", "-100"));

    auto two = window(QStringLiteral("2"));
    EXPECT_EQ(two->load().kind, ScoreFileStatus::Kind::Failed);
    EXPECT_EQ(two->items.size(), 30);
    EXPECT_EQ(two->enter(QStringLiteral("Bob :"), 60).kind, ScoreFileStatus::Kind::Failed);
    auto again = window(QStringLiteral("score1"));
    ASSERT_TRUE(again->load().ok());
    EXPECT_EQ(nameAndScore(again->items[0]), Shown("Ana :", "50"));
    EXPECT_EQ(nameAndScore(again->items[1]), Shown("*****************", "-100"));
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ScoreTables,
                         ::testing::Values(BackEnd::File, BackEnd::Server), backEndName);

class ServerScoreTables : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT(db); }

    // The server's process of the connection that waits in pg_sleep, once there is one.
    QString sleepingBackend() {
        RawDatabase admin(db.admin());
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000) {
            const QString pid = admin.value(
                QStringLiteral("SELECT pid FROM pg_stat_activity WHERE datname = '%1' AND "
                               "wait_event = 'PgSleep'")
                    .arg(db.address().database));
            if (pid != "<no row>") {
                return pid;
            }
            QThread::msleep(20);
        }
        return {};
    }

    // Table `game` made, and every insertion into the high scores then sleeping a minute with
    // the table locked: right after the row, or as its transaction commits (`deferred`).
    void lingerOnInsert(int game, bool deferred) {
        ServerScores maker(db.address());
        ASSERT_TRUE(maker.read(game, 30));
        auto raw = db.raw();
        raw->exec("CREATE FUNCTION linger() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                  "PERFORM pg_sleep(60); RETURN NEW; END $$");
        raw->exec(deferred ? "CREATE CONSTRAINT TRIGGER linger AFTER INSERT ON \"HighScores\" "
                             "DEFERRABLE INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION linger()"
                           : "CREATE TRIGGER linger AFTER INSERT ON \"HighScores\" FOR EACH ROW "
                             "EXECUTE FUNCTION linger()");
    }

    TestDatabase db{BackEnd::Server};
};

TEST_F(ServerScoreTables, aScoreEnteredElsewhereSinceTheTableWasShownIsKeptAndShown) {
    ServerScores first(db.address());
    ServerScores second(db.address());
    const auto& captions = play::testing::startCaptions();
    Window a(first, QStringLiteral("score2"), captions);
    Window b(second, QStringLiteral("score2"), captions);
    ASSERT_TRUE(a.load().ok());
    ASSERT_TRUE(b.load().ok());
    ASSERT_TRUE(a.enter(QStringLiteral("Ana :"), 500).ok());
    ASSERT_TRUE(b.enter(QStringLiteral("Bob :"), 300).ok());
    EXPECT_THAT(b.top(3), ElementsAre(Shown{"Ana :", "500"}, Shown{"Bob :", "300"},
                                      Shown{"*****************", "-100"}));
    EXPECT_TRUE(b.items[1].startsWith("2. Bob :"));
    ASSERT_TRUE(a.enter(QStringLiteral("Cid :"), 400).ok());
    EXPECT_THAT(a.top(3),
                ElementsAre(Shown{"Ana :", "500"}, Shown{"Cid :", "400"}, Shown{"Bob :", "300"}));
}

TEST_F(ServerScoreTables, aConnectionDroppedWhileEnteringWritesNothingAndTheNextEntryWorks) {
    // The server holds the entry between its insertion and the end of its transaction, with
    // the table locked, until the connection is ended from outside.
    lingerOnInsert(4, false);
    const auto english = captionsIn("anglais");
    std::promise<void> triggerGone;
    std::future<void> gone = triggerGone.get_future();
    std::promise<std::pair<ScoreFileStatus, QStringList>> firstTry;
    std::promise<std::pair<ScoreFileStatus, QStringList>> secondTry;
    std::thread computer([&] {
        ServerScores scores(db.address(), 500);
        Window window(scores, QStringLiteral("score4"), english);
        window.load();
        const ScoreFileStatus lost = window.enter(QStringLiteral("Zoé :"), 70);
        firstTry.set_value({lost, window.items});
        gone.wait();
        window.load();
        const ScoreFileStatus again = window.enter(QStringLiteral("Zoé :"), 70);
        secondTry.set_value({again, window.items});
    });
    const QString pid = sleepingBackend();
    EXPECT_FALSE(pid.isEmpty()) << "the entry never reached its insertion";
    RawDatabase admin(db.admin());
    if (!pid.isEmpty()) {
        admin.exec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid));
    }
    const auto [lost, shown] = firstTry.get_future().get();
    EXPECT_EQ(lost.kind, ScoreFileStatus::Kind::Failed);
    EXPECT_EQ(lost.message.toStdString(),
              "The score is shown but not stored in the school's high scores. The players' "
              "server does not answer. The network or the server may be down.");
    EXPECT_THAT(lost.detail.toStdString(), HasSubstr("postgresql://"));
    EXPECT_EQ(nameAndScore(shown[0]), Shown("Zoé :", "70")) << "shown all the same";
    EXPECT_EQ(db.raw()->value("SELECT count(*) FROM \"HighScores\""), "0") << "nothing written";

    db.raw()->exec("DROP TRIGGER linger ON \"HighScores\"");
    triggerGone.set_value();
    const auto [again, after] = secondTry.get_future().get();
    computer.join();
    EXPECT_TRUE(again.ok()) << again.message.toStdString();
    EXPECT_EQ(nameAndScore(after[0]), Shown("Zoé :", "70"));
    EXPECT_EQ(nameAndScore(after[1]), Shown("*****************", "-100"));
    EXPECT_EQ(db.raw()->rows("SELECT \"game\", \"score\" FROM \"HighScores\""), QStringList{"4|70"})
        << "entered once";
}

TEST_F(ServerScoreTables, aConnectionLostAsTheEntryEndsIsAskedAboutAgainAndToldNotEntered) {
    // The check runs as the transaction ends: the connection drops during the commit.
    lingerOnInsert(5, true);
    std::promise<StoreStatus> result;
    std::thread computer([&] {
        ServerScores scores(db.address(), 500);
        const auto entered = scores.enter(5, {QStringLiteral("Ana :"), 10}, 30);
        result.set_value(entered.status);
    });
    const QString pid = sleepingBackend();
    ASSERT_FALSE(pid.isEmpty());
    RawDatabase(db.admin()).exec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid));
    const StoreStatus status = result.get_future().get();
    computer.join();
    EXPECT_EQ(status.fault, StoreFault::Unreachable) << status.message.toStdString();
    EXPECT_EQ(db.raw()->value("SELECT count(*) FROM \"HighScores\""), "0");
}

TEST_F(ServerScoreTables, aLoginWithoutRightsAndAServerThatDoesNotAnswerAreToldInTheLanguage) {
    ASSERT_TRUE(db.store()->open()); // the schema, made by the teacher's login
    ServerAddress visitor = db.address();
    visitor.user = "visitor";
    visitor.password = "visitor";
    auto raw = db.raw();
    raw->exec("GRANT SELECT, INSERT, UPDATE ON \"Pulsadrome\", \"Answers\", \"SchemaVersion\" TO "
              "visitor");
    raw->exec("GRANT SELECT ON \"HighScores\" TO visitor");
    const auto german = captionsIn("allemand");
    {
        ServerScores scores(visitor, 200);
        Window window(scores, QStringLiteral("score6"), german);
        EXPECT_TRUE(window.load().ok()) << "reading is allowed";
        const ScoreFileStatus refused = window.enter(QStringLiteral("Lea :"), 10);
        EXPECT_EQ(refused.kind, ScoreFileStatus::Kind::Failed);
        EXPECT_EQ(refused.message.toStdString(),
                  "Die Punktzahl wird gezeigt, aber nicht in den Punktzahlen der Schule "
                  "gespeichert. Der Spielerserver erlaubt diesem Benutzer das nicht.");
        EXPECT_EQ(nameAndScore(window.items[0]), Shown("Lea :", "10"));
    }
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"HighScores\""), "0");

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    ServerAddress nobody = db.address();
    nobody.port = closed.serverPort();
    closed.close();
    ServerScores scores(nobody, 200);
    const auto italian = captionsIn("italien");
    Window window(scores, QStringLiteral("score6"), italian);
    const ScoreFileStatus unread = window.load();
    EXPECT_EQ(unread.message.toStdString(),
              "Non è possibile leggere i punteggi della scuola. Il server dei giocatori non "
              "risponde. Forse la rete o il server sono fermi.");
    ASSERT_EQ(window.items.size(), 30);
    EXPECT_EQ(nameAndScore(window.items[0]), Shown("*****************", "-100"));
}

TEST_F(ServerScoreTables, aDatabaseOfThePreviousSchemaGetsItsHighScoreTableAndKeepsItsPlayers) {
    {
        auto store = db.store();
        ASSERT_TRUE(store->open());
        ASSERT_TRUE(store->add(newPlayerRecord("Zoé")));
    }
    // As the previous version of the program left it: no high-score table, version 1.
    auto raw = db.raw();
    raw->exec("DROP TABLE \"HighScores\"");
    raw->exec("UPDATE \"SchemaVersion\" SET \"version\" = 1");

    ServerScores scores(db.address());
    const auto entered = scores.enter(7, {QStringLiteral("Zoé :"), 120}, 30);
    ASSERT_TRUE(entered) << entered.status.message.toStdString();
    EXPECT_TRUE(entered->entered);
    EXPECT_EQ(raw->value("SELECT \"version\" FROM \"SchemaVersion\""),
              QString::number(server_table::kSchemaVersion));
    EXPECT_EQ(server_table::kSchemaVersion, 2);
    auto store = db.store();
    ASSERT_TRUE(store->open());
    EXPECT_EQ(store->current().nom, "Zoé");
    const auto table = scores.read(7, 30);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->front(), (play::ScoreEntry{QStringLiteral("Zoé :"), 120}));
}

} // namespace
