// SPDX-License-Identifier: GPL-3.0-or-later
// A school's players server that stops while children play: the store goes on, what the server
// could not take reaches it once it is back, or waits in the data folder's journal for the
// next start; nothing is lost, nothing is written twice, no progress goes back.
#include "app/PlayerStore.h"
#include "app/ServerOutbox.h"
#include "common/AtomicFile.h"

#include "RawDatabase.h"
#include "support/PrivateServerTest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gmock/gmock.h>

#include <functional>
#include <memory>

using namespace pulsadrome::app;
using pulsadrome::writeFileAtomically;
using pulsadrome::answers::Activity;
using pulsadrome::answers::AnswerRecord;

namespace {

// True once `condition` holds, false when it still does not after 30 s.
bool eventually(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(30000);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

std::vector<AnswerRecord> answersOf(RowId player, int count, int first = 0) {
    std::vector<AnswerRecord> records;
    for (int i = first; i < first + count; ++i) {
        records.push_back({player, 1760000000 + i, Activity{Activity::Kind::Level, "7"}, 49 + i, 50,
                           i % 2 == 0, 900 + i, 100, 2});
    }
    return records;
}

UnsentJournal sampleJournal() {
    UnsentChange record;
    record.player = 9000000000LL; // beyond 32 bits
    // In column order, as the journal reads them back.
    record.columns = {{*columnIndex("Nom"), "Zoé \"la\""}, {*columnIndex("jeu_binaire"), "12"}};
    UnsentChange answers;
    answers.kind = UnsentChange::Kind::Answers;
    answers.answers = answersOf(3, 2);
    answers.answers[1].utcSeconds = 4102444800; // after 2038
    answers.answers[1].activity = Activity{Activity::Kind::Game, "3"};
    answers.attempt = 5000000000LL;
    UnsentJournal journal;
    journal["postgresql://teacher@school:5432/music"] = {{record, answers}, {}};
    journal["postgresql://other@elsewhere:5432/pulsadrome"] = {{}, {record}};
    return journal;
}

TEST(UnsentJournal, readsBackAsWrittenAndRefusesWhatItDidNotWrite) {
    const UnsentJournal journal = sampleJournal();
    const QByteArray bytes = encodeJournal(journal);
    EXPECT_FALSE(bytes.contains("password"));
    const auto back = decodeJournal(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, journal);

    QByteArray unknownColumn = bytes;
    unknownColumn.replace("\"jeu_binaire\"", "\"colour\"");
    QByteArray badAnswer = bytes;
    badAnswer.replace("true", "\"yes\"");
    QByteArray badAttempt = bytes;
    badAttempt.replace("\"5000000000\"", "5000000000");
    for (const QByteArray& wrong :
         {QByteArray(), QByteArray("{"), bytes.left(bytes.size() / 2),
          QByteArray("{\"format\":\"other\"}"), unknownColumn, badAnswer, badAttempt}) {
        QString why;
        EXPECT_FALSE(decodeJournal(wrong, &why)) << wrong.toStdString();
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST(UnsentJournal, aChangeTakesTheFurtherProgressAndItsOwnValueForTheRest) {
    PlayerRecord row = newPlayerRecord("Zoé");
    row.jeuBinaire = "20";
    row.jeuTernaire = "3";
    row.volume = "10";
    UnsentChange change;
    change.columns = {{*columnIndex("jeu_binaire"), "12"},
                      {*columnIndex("jeu_ternaire"), "5"},
                      {*columnIndex("volume"), "42"}};
    applyChange(change, row);
    EXPECT_EQ(row.jeuBinaire, "20") << "never lowered";
    EXPECT_EQ(row.jeuTernaire, "5");
    EXPECT_EQ(row.volume, "42");
}

class ServerOutage : public pulsadrome::testing::PrivateServerTest {
protected:
    void SetUp() override {
        makeDatabase(QStringLiteral("outage"));
        if (IsSkipped()) {
            return;
        }
        data = DataDirectory::open(folder.path());
        ASSERT_TRUE(data);
        // A first store makes the schema and Zoé, with some progress.
        PlayerStore maker(address);
        ASSERT_TRUE(maker.open());
        PlayerRecord zoe = newPlayerRecord("Zoé");
        zoe.jeuBinaire = "10";
        const auto id = maker.add(zoe);
        ASSERT_TRUE(id);
        zoeId = *id;
    }
    void TearDown() override { dropDatabase(); }

    // A store of this computer, which keeps what it cannot send in the data folder.
    std::unique_ptr<PlayerStore> keepingStore() {
        auto store = std::make_unique<PlayerStore>(address, 500);
        store->keepUnsentIn(*data, ServerRetry{50, 400});
        return store;
    }
    QString journal() const { return data->file(ServerOutbox::fileName()); }
    QString column(const QString& name) {
        return RawDatabase(address).value(
            QStringLiteral("SELECT \"%1\" FROM \"Pulsadrome\" WHERE \"id\" = %2")
                .arg(name)
                .arg(zoeId));
    }
    QString answerCount() {
        return RawDatabase(address).value(
            QStringLiteral("SELECT count(*) FROM \"Answers\" WHERE \"player\" = %1").arg(zoeId));
    }

    QTemporaryDir folder;
    std::optional<DataDirectory> data;
    RowId zoeId = 0;
};

TEST_F(ServerOutage, theStoreGoesOnWhileTheServerIsStoppedAndEverythingReachesItAfterTheRestart) {
    auto store = keepingStore();
    ASSERT_TRUE(store->open());
    ASSERT_EQ(store->currentId(), std::optional<RowId>(zoeId));
    // Another computer takes Zoé further before the server stops.
    {
        PlayerStore other(address);
        ASSERT_TRUE(other.open());
        other.current().jeuBinaire = "20";
        ASSERT_TRUE(other.storeCurrent());
    }

    server->halt();
    store->current().jeuBinaire = "12";
    store->current().volume = "42";
    const StoreStatus stored = store->storeCurrent();
    EXPECT_TRUE(stored) << "the level goes on: " << stored.message.toStdString();
    EXPECT_TRUE(store->appendAnswers(answersOf(zoeId, 3)));
    store->current().fond = "coq";
    EXPECT_TRUE(store->storeCurrent());
    EXPECT_TRUE(store->appendAnswers(answersOf(zoeId, 2, 3)));
    EXPECT_EQ(store->unsentCount(), 4u);
    // Whatever needs the server says at once that it cannot be reached.
    const auto players = store->players();
    EXPECT_EQ(players.status.fault, StoreFault::Unreachable);
    EXPECT_TRUE(eventually([&] { return QFile::exists(journal()); }))
        << "the journal is written while the server is away";
    EXPECT_EQ(QFileInfo(journal()).permissions() &
                  (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                   QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        << "readable by its owner only";

    server->resume();
    ASSERT_TRUE(eventually([&] { return store->unsentCount() == 0; }));
    EXPECT_EQ(column("jeu_binaire"), "20") << "the other computer's progress stays";
    EXPECT_EQ(column("volume"), "42");
    EXPECT_EQ(column("fond"), "coq");
    EXPECT_EQ(answerCount(), "5");
    EXPECT_TRUE(eventually([&] { return !QFile::exists(journal()); }));

    // The store uses the server directly again.
    store->current().volume = "43";
    ASSERT_TRUE(store->storeCurrent());
    EXPECT_EQ(column("volume"), "43");
    ASSERT_TRUE(store->reloadCurrent());
    EXPECT_EQ(store->current().jeuBinaire, "20");
    EXPECT_EQ(store->current().fond, "coq");
    const auto logged = store->answersOf(zoeId);
    ASSERT_TRUE(logged);
    EXPECT_EQ(*logged, answersOf(zoeId, 5));
}

TEST_F(ServerOutage, quittingWhileTheServerIsDownKeepsAJournalTheNextStartSendsFirst) {
    {
        auto store = keepingStore();
        ASSERT_TRUE(store->open());
        server->halt();
        store->current().jeuBinaire = "14";
        store->current().tempo = "90";
        ASSERT_TRUE(store->storeCurrent());
        ASSERT_TRUE(store->appendAnswers(answersOf(zoeId, 4)));
        ASSERT_EQ(store->unsentCount(), 2u);
    }
    ASSERT_TRUE(QFile::exists(journal()));
    QFile file(journal());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("password")) << "no password in the journal";
    EXPECT_FALSE(bytes.contains(":pulsadrome@"));
    const auto kept = decodeJournal(bytes);
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->count(address.shown()), 1u);
    EXPECT_EQ(kept->at(address.shown()).waiting.size(), 2u);

    // The next start, the server back: the journal goes first, and the player read shows it.
    server->resume();
    auto store = keepingStore();
    ASSERT_TRUE(store->open());
    EXPECT_EQ(store->current().jeuBinaire, "14");
    EXPECT_EQ(store->current().tempo, "90");
    EXPECT_EQ(store->unsentCount(), 0u);
    EXPECT_EQ(column("jeu_binaire"), "14");
    EXPECT_EQ(answerCount(), "4");
    EXPECT_FALSE(QFile::exists(journal()));

    // Opened once more: nothing is sent twice.
    store.reset();
    store = keepingStore();
    ASSERT_TRUE(store->open());
    EXPECT_EQ(answerCount(), "4");
}

TEST_F(ServerOutage, aJournalForAnotherServerWaitsForThatServer) {
    UnsentJournal journal = sampleJournal();
    ASSERT_TRUE(writeFileAtomically(this->journal(), encodeJournal(journal)));
    auto store = keepingStore();
    ASSERT_TRUE(store->open());
    EXPECT_EQ(store->unsentCount(), 0u);
    server->halt();
    store->current().volume = "7";
    ASSERT_TRUE(store->storeCurrent());
    store.reset();
    QFile file(this->journal());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto back = decodeJournal(file.readAll());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), 3u);
    for (const auto& [server, part] : journal) {
        EXPECT_EQ(back->at(server), part) << server.toStdString();
    }
    EXPECT_EQ(back->at(address.shown()).waiting.size(), 1u);
}

TEST_F(ServerOutage, aSendCutShortIsNotRepeatedAndOneThatFailedIsSentOnce) {
    {
        PlayerStore maker(address);
        ASSERT_TRUE(maker.open()); // the answer log's table
    }
    // Two sends cut short before their answer came: the first was committed, the second not.
    RawDatabase raw(address);
    raw.exec("BEGIN");
    const qint64 committed = raw.value("SELECT txid_current()").toLongLong();
    raw.exec(
        QStringLiteral("INSERT INTO \"Answers\" (\"player\", \"at\", \"activity\", "
                       "\"played\", \"chosen\", \"right\", \"answer_ms\", \"tempo\", \"band\") "
                       "VALUES (%1, 1, 7, 49, 49, 1, 900, 100, 2), (%1, 2, 7, 50, 49, 0, 900, "
                       "100, 2)")
            .arg(zoeId));
    raw.exec("COMMIT");
    raw.exec("BEGIN");
    const qint64 rolledBack = raw.value("SELECT txid_current()").toLongLong();
    raw.exec("ROLLBACK");

    UnsentChange first;
    first.kind = UnsentChange::Kind::Answers;
    first.answers = answersOf(zoeId, 2);
    first.attempt = committed;
    UnsentChange second = first;
    second.answers = answersOf(zoeId, 3, 10);
    second.attempt = rolledBack;
    UnsentJournal journal;
    journal[address.shown()].waiting = {first, second};
    ASSERT_TRUE(writeFileAtomically(this->journal(), encodeJournal(journal)));

    auto store = keepingStore();
    ASSERT_TRUE(store->open());
    EXPECT_EQ(answerCount(), "5") << "the committed two once, the three that failed once";
    EXPECT_FALSE(QFile::exists(this->journal()));
}

TEST_F(ServerOutage, aDamagedJournalIsSetAsideWholeAndSaid) {
    const QByteArray damaged = "{\"format\":\"pulsadrome-unsent\",\"version\":1,\"servers\":[{";
    ASSERT_TRUE(writeFileAtomically(journal(), damaged));
    auto store = keepingStore();
    ASSERT_TRUE(store->open());
    ASSERT_FALSE(store->setAsideJournal().isEmpty());
    EXPECT_THAT(store->setAsideJournal().toStdString(),
                ::testing::HasSubstr("unsent.json.damaged-"));
    QFile aside(store->setAsideJournal());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged) << "kept byte for byte";
    EXPECT_FALSE(QFile::exists(journal()));
    EXPECT_EQ(store->current().nom, "Zoé");
}

TEST_F(ServerOutage, aPlayerRemovedMeanwhileKeepsItsChangeAsideAndTheRestGoesOn) {
    {
        auto store = keepingStore();
        ASSERT_TRUE(store->open());
        server->halt();
        store->current().volume = "42";
        ASSERT_TRUE(store->storeCurrent());
        ASSERT_TRUE(store->appendAnswers(answersOf(zoeId, 2)));
    }
    server->resume();
    RawDatabase(address).exec(
        QStringLiteral("DELETE FROM \"Pulsadrome\" WHERE \"id\" = %1").arg(zoeId));
    auto store = keepingStore();
    ASSERT_TRUE(store->open());
    EXPECT_EQ(store->unsentCount(), 0u);
    EXPECT_EQ(answerCount(), "2");
    store.reset();
    QFile file(journal());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto back = decodeJournal(file.readAll());
    ASSERT_TRUE(back);
    ASSERT_EQ(back->at(address.shown()).refused.size(), 1u);
    EXPECT_EQ(back->at(address.shown()).refused[0].columns.front().second, "42");
}

} // namespace
