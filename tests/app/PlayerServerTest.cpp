// SPDX-License-Identifier: GPL-3.0-or-later
// The player store on a database server: its address, the faults a school's network brings
// (no server, a wrong password, a login without rights, a lost connection, a schema of another
// version), and the answer log kept there too.
#include "app/PlayerStore.h"
#include "app/ProblemTexts.h"
#include "app/ServerAddress.h"
#include "app/ServerTable.h"
#include "i18n/CaptionTable.h"

#include "RawDatabase.h"
#include "TestDatabases.h"

#include <QTcpServer>

#include <gmock/gmock.h>

using namespace pulsadrome::app;
using ::testing::HasSubstr;

namespace {

TEST(ServerAddress, readsTheUrlsAnAdultWritesAndRefusesTheRest) {
    const auto full = ServerAddress::parse(
        "postgresql://school.lan:6543/music?user=teacher&password=s%C3%A9cret%26x");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->host, "school.lan");
    EXPECT_EQ(full->port, 6543);
    EXPECT_EQ(full->database, "music");
    EXPECT_EQ(full->user, "teacher");
    EXPECT_EQ(full->password, "sécret&x");
    EXPECT_EQ(full->shown(), "postgresql://teacher@school.lan:6543/music")
        << "the password never shows";

    const auto login = ServerAddress::parse("postgres://pc%40room:pw@10.0.0.2");
    ASSERT_TRUE(login);
    EXPECT_EQ(login->host, "10.0.0.2");
    EXPECT_EQ(login->port, 5432);
    EXPECT_EQ(login->database, "pulsadrome");
    EXPECT_EQ(login->user, "pc@room");
    EXPECT_EQ(login->password, "pw");

    const auto socket = ServerAddress::parse("postgresql:///players?host=/run/pg&port=5433");
    ASSERT_TRUE(socket);
    EXPECT_EQ(socket->host, "/run/pg");
    EXPECT_EQ(socket->port, 5433);
    EXPECT_EQ(socket->database, "players");

    for (const char* wrong : {"mysql://host/db", "school.lan:5432", "postgresql://host:99999/db",
                              "postgresql://host/db/more", "postgresql://host/db?colour=red",
                              "postgresql://host/db?port=x", ""}) {
        QString why;
        EXPECT_FALSE(ServerAddress::parse(QString::fromUtf8(wrong), &why)) << wrong;
        EXPECT_FALSE(why.isEmpty()) << wrong;
    }
}

class PlayerServer : public ::testing::Test {
protected:
    TestDatabase db{BackEnd::Server};

    void SetUp() override { SKIP_WITHOUT(db); }

    static StoreStatus openedWith(const ServerAddress& address) {
        PlayerStore store(address, 200);
        return store.open();
    }
};

TEST_F(PlayerServer, aServerNobodyListensOnAWrongPasswordAndALoginWithoutRightsAreToldApart) {
    pulsadrome::i18n::CaptionTable english;
    english.setCurrentCode(QStringLiteral("anglais"));
    english.Command_langue_Click();

    QTcpServer closed; // a port that was free, and is free again once this closes
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    ServerAddress nobody = db.address();
    nobody.port = closed.serverPort();
    closed.close();
    const StoreStatus unreachable = openedWith(nobody);
    EXPECT_EQ(unreachable.fault, StoreFault::Unreachable) << unreachable.message.toStdString();
    EXPECT_THAT(unreachable.message.toStdString(), HasSubstr(nobody.shown().toStdString()));
    EXPECT_EQ(storeProblemText(english, unreachable),
              "The players' server does not answer. The network or the server may be down.");
    EXPECT_THAT(storeProblemDetail(english, unreachable, nobody.shown()).toStdString(),
                HasSubstr("Players' server: postgresql://"));

    ServerAddress wrong = db.address();
    wrong.password = "not the password";
    const StoreStatus refused = openedWith(wrong);
    EXPECT_EQ(refused.fault, StoreFault::WrongPassword) << refused.message.toStdString();
    EXPECT_FALSE(refused.message.contains("not the password"));

    // A login that may connect but not create the tables.
    ServerAddress visitor = db.address();
    visitor.user = "visitor";
    visitor.password = "visitor";
    const StoreStatus noRights = openedWith(visitor);
    EXPECT_EQ(noRights.fault, StoreFault::NoRights) << noRights.message.toStdString();
    EXPECT_EQ(db.raw()->value("SELECT to_regclass('\"Pulsadrome\"') IS NULL"), "true")
        << "nothing was half made";

    // Once the teacher made the schema and let the login use the rows, it plays.
    ASSERT_TRUE(openedWith(db.address()));
    auto raw = db.raw();
    raw->exec("GRANT SELECT, INSERT, UPDATE ON \"Pulsadrome\", \"Answers\", \"SchemaVersion\" TO "
              "visitor");
    raw->exec("GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO visitor");
    PlayerStore store(visitor, 200);
    const StoreStatus opened = store.open();
    ASSERT_TRUE(opened) << opened.message.toStdString();
    ASSERT_TRUE(store.add(newPlayerRecord("Zoé")));
}

TEST_F(PlayerServer, aSchemaOfAnotherVersionIsBroughtUpToDateOrRefusedWhenNewer) {
    {
        // The table of a first version, without a version and without the answer log.
        auto raw = db.raw();
        QStringList definitions{db.idDefinition()};
        for (int i = 0; i < kColumnCount; ++i) {
            if (columnName(i) != QLatin1String("tempo")) {
                definitions << QStringLiteral("\"%1\" TEXT NOT NULL DEFAULT ''").arg(columnName(i));
            }
        }
        raw->exec(QStringLiteral("CREATE TABLE \"Pulsadrome\" (%1)").arg(definitions.join(", ")));
        raw->exec("INSERT INTO \"Pulsadrome\" (\"Nom\", \"jeu_binaire\") VALUES ('Zoé', '9')");
    }
    {
        auto store = db.store();
        ASSERT_TRUE(store->open());
        EXPECT_EQ(store->current().nom, "Zoé");
        EXPECT_EQ(store->current().jeuBinaire, "9");
        EXPECT_EQ(store->current().tempo, "");
        EXPECT_TRUE(store->appendAnswers({}));
    }
    auto raw = db.raw();
    EXPECT_EQ(raw->value("SELECT \"version\" FROM \"SchemaVersion\""),
              QString::number(server_table::kSchemaVersion));
    EXPECT_EQ(raw->value("SELECT to_regclass('\"HighScores\"') IS NOT NULL"), "true");
    EXPECT_EQ(raw->value("SELECT to_regclass('\"Answers\"') IS NOT NULL"), "true");
    EXPECT_THAT(db.columnTypes(), ::testing::Contains("tempo|TEXT"));

    raw->exec("UPDATE \"SchemaVersion\" SET \"version\" = 99");
    auto store = db.store();
    const StoreStatus newer = store->open();
    EXPECT_FALSE(newer);
    EXPECT_THAT(newer.message.toStdString(), HasSubstr("newer"));
    EXPECT_EQ(raw->value("SELECT \"version\" FROM \"SchemaVersion\""), "99") << "left alone";
}

TEST_F(PlayerServer, theTableAnAdultMadeIsJudgedByTheTypesItsColumnsReallyHold) {
    {
        // Text under other names, a column dropped since, and one record column missing.
        auto raw = db.raw();
        raw->exec("CREATE DOMAIN \"words\" AS TEXT");
        QStringList definitions{db.idDefinition(), "\"chrono\" INTEGER"};
        for (int i = 0; i < kColumnCount; ++i) {
            const QString column = columnName(i);
            if (column == QLatin1String("chrono")) {
                continue;
            }
            const char* type = column == QLatin1String("tempo")    ? "\"words\""
                               : column == QLatin1String("volume") ? "VARCHAR(12)"
                                                                   : "TEXT";
            definitions << QStringLiteral("\"%1\" %2 NOT NULL DEFAULT ''").arg(column, type);
        }
        raw->exec(QStringLiteral("CREATE TABLE \"Pulsadrome\" (%1)").arg(definitions.join(", ")));
        raw->exec("ALTER TABLE \"Pulsadrome\" DROP COLUMN \"chrono\"");
        raw->exec("INSERT INTO \"Pulsadrome\" (\"Nom\", \"tempo\", \"volume\") VALUES ('Zoé', "
                  "'090', '07')");
    }
    {
        auto store = db.store();
        const StoreStatus opened = store->open();
        ASSERT_TRUE(opened) << opened.message.toStdString();
        EXPECT_EQ(store->current().tempo, "090");
        EXPECT_EQ(store->current().volume, "07");
        EXPECT_EQ(store->current().chrono, "") << "the dropped column's place was made anew";
        store->current().chrono = "300";
        ASSERT_TRUE(store->storeCurrent());
    }
    EXPECT_THAT(db.columnTypes(), ::testing::Contains("chrono|TEXT"));
    auto reopened = db.store();
    ASSERT_TRUE(reopened->open());
    EXPECT_EQ(reopened->current().chrono, "300");

    // A column that turns "07" into 7 is refused, and the table left as it is.
    db.raw()->exec("ALTER TABLE \"Pulsadrome\" ALTER COLUMN \"volume\" DROP DEFAULT, ALTER COLUMN "
                   "\"volume\" TYPE INTEGER USING 7");
    const StoreStatus refused = db.store()->open();
    EXPECT_EQ(refused.problem, StoreProblem::Damaged) << refused.message.toStdString();
    EXPECT_THAT(refused.message.toStdString(), HasSubstr("\"volume\" does not hold text"));
    EXPECT_EQ(db.raw()->value("SELECT \"volume\" FROM \"Pulsadrome\""), "7");
}

TEST_F(PlayerServer, aLostConnectionIsToldAndTheNextOperationConnectsAgain) {
    auto store = db.store(500);
    ASSERT_TRUE(store->open());
    ASSERT_TRUE(store->add(newPlayerRecord("Zoé")));
    ASSERT_TRUE(store->open());
    store->current().jeuBinaire = "12";

    // The server ends every connection to the database, as when it restarts.
    RawDatabase admin(db.admin());
    admin.exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                              "datname = '%1' AND pid <> pg_backend_pid()")
                   .arg(db.address().database));
    const StoreStatus lost = store->storeCurrent();
    EXPECT_EQ(lost.fault, StoreFault::Unreachable) << lost.message.toStdString();
    EXPECT_EQ(store->current().jeuBinaire, "12") << "the record waits in memory";

    const StoreStatus again = store->storeCurrent();
    ASSERT_TRUE(again) << again.message.toStdString();
    EXPECT_EQ(db.raw()->value("SELECT \"jeu_binaire\" FROM \"Pulsadrome\""), "12");
}

TEST_F(PlayerServer, theAnswerLogIsKeptOnTheServerInTheOrderItWasWritten) {
    using pulsadrome::answers::AnswerRecord;
    auto store = db.store();
    ASSERT_TRUE(store->open());
    const auto zoe = store->add(newPlayerRecord("Zoé"));
    ASSERT_TRUE(zoe);
    std::vector<AnswerRecord> log;
    for (int i = 0; i < 5; ++i) {
        AnswerRecord record;
        record.player = *zoe;
        record.utcSeconds = 4102444800 + (i < 3 ? 0 : i); // after 2038: a 64-bit time
        record.activity = {pulsadrome::answers::Activity::Kind::Level, QStringLiteral("7")};
        record.played = 49 + i;
        record.chosen = 49 + (i % 2);
        record.right = i % 2 == 0;
        record.answerMs = 1000 + i;
        record.tempo = 100;
        record.band = 3;
        log.push_back(record);
    }
    ASSERT_TRUE(store->appendAnswers(log));
    const auto back = store->answersOf(*zoe);
    ASSERT_TRUE(back) << back.status.message.toStdString();
    EXPECT_EQ(*back, log);
}

} // namespace
