// SPDX-License-Identifier: GPL-3.0-or-later
// A computer's own players and high scores copied once to the school's server: beside the other
// computers' (a name already there is kept apart and said), ranked as new scores, nothing
// copied twice, nothing changed on the computer, a damaged table and a server that does not
// answer said in the interface language.
#include "app/ServerCopy.h"
#include "app/PlayerStore.h"
#include "app/ServerScores.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreList.h"

#include "../play/games/ScoreTestSupport.h"
#include "RawDatabase.h"
#include "TestDatabases.h"

#include <QTcpServer>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;
using pulsadrome::play::ScoreEntry;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

i18n::CaptionTable english() {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QStringLiteral("anglais"));
    captions.Command_langue_Click();
    return captions;
}

class ServerCopy : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT(db);
        ASSERT_TRUE(here.isValid());
        folder = DataDirectory::open(here.path());
        ASSERT_TRUE(folder);
    }

    // A player of this computer, with `answers` answers in its log.
    void addLocalPlayer(const QString& name, const QString& progress, int answers = 0) {
        PlayerStore store(*folder);
        ASSERT_TRUE(store.open());
        PlayerRecord record = newPlayerRecord(name);
        record.jeuBinaire = progress;
        const auto id = store.add(record);
        ASSERT_TRUE(id);
        std::vector<answers::AnswerRecord> log;
        for (int k = 0; k < answers; ++k) {
            log.push_back({*id,
                           1'700'000'000 + k,
                           {answers::Activity::Kind::Level, "7"},
                           10 + k,
                           10 + k + (k % 2),
                           k % 2 == 0,
                           900 + k,
                           0,
                           0});
        }
        ASSERT_TRUE(store.appendAnswers(log));
    }
    // Scores entered at the end of games on this computer.
    void enterLocally(const QString& code, const QString& name, qint32 score) {
        play::HighScoreList list(*folder, code, widths, play::testing::startCaptions());
        list.SetListCount(30);
        QStringList items;
        ASSERT_TRUE(list.FillScoreList(items).ok());
        ASSERT_TRUE(list.AddHighScore(items, name, score).ok());
    }
    std::vector<std::pair<QString, qint32>> serverTable(int game, int shown = 4) {
        ServerScores scores(db.address());
        const auto table = scores.read(game, 30);
        EXPECT_TRUE(table) << table.status.message.toStdString();
        std::vector<std::pair<QString, qint32>> top;
        for (int i = 0; table && i < shown; ++i) {
            top.emplace_back((*table)[static_cast<std::size_t>(i)].name.trimmed(),
                             (*table)[static_cast<std::size_t>(i)].score);
        }
        return top;
    }

    TestDatabase db{BackEnd::Server};
    QTemporaryDir here;
    std::optional<DataDirectory> folder;
    play::testing::LetterWidths widths;
};

TEST_F(ServerCopy, bringsEveryPlayerAndScoreOnceKeepsTakenNamesApartAndChangesNothingHere) {
    addLocalPlayer("Zoé", "9", 2);
    addLocalPlayer("Léo", "3", 3);
    enterLocally("score1", "Zoé :", 500);
    enterLocally("score1", "Léo :", 300);
    enterLocally("score1", "Léo :", 300); // the same name and score twice: two entries
    enterLocally("score14", "Léo :", 20);
    play::testing::writeBytes(folder->file("Score2.kdt"), "not a table\r\n");
    // Another computer of the room was there first.
    {
        auto store = db.store();
        ASSERT_TRUE(store->open());
        ASSERT_TRUE(store->add(newPlayerRecord("ZOÉ")));
        ServerScores scores(db.address());
        ASSERT_TRUE(scores.enter(1, {QStringLiteral("Ana :"), 400}, 30));
    }
    QMap<QString, QByteArray> before;
    for (const QString& name : QDir(here.path()).entryList(QDir::Files)) {
        before[name] = fileBytes(here.filePath(name));
    }

    const auto captions = english();
    const ServerCopyOutcome first = copyToServer(*folder, db.address(), captions);
    ASSERT_TRUE(first.ok()) << first.status.message.toStdString();
    EXPECT_EQ(first.playersCopied, 2);
    EXPECT_EQ(first.scoresCopied, 4);
    EXPECT_EQ(first.answersCopied, 5);
    using Names = std::pair<QString, QString>;
    EXPECT_THAT(first.renamed, ElementsAre(Names{"Zoé", "Zoé (2)"}));
    // Each renamed player on a line of its own, kept whole (no-break spaces).
    EXPECT_EQ(copyOutcomeText(captions, first).toStdString(),
              "Copied to the school's server: 2 player(s), 4 high score(s), 5 logged answer(s).\n"
              "These names were already taken on the server, so these players have another name "
              "there:\n"
              "• Zoé\u00a0→ Zoé\u00a0(2)\n"
              "The high-score table Score2.kdt cannot be read (line 1 has no separator between "
              "name and score); it was not copied.");

    auto raw = db.raw();
    EXPECT_THAT(raw->rows("SELECT \"Nom\", \"jeu_binaire\" FROM \"Pulsadrome\" ORDER BY \"id\""),
                ElementsAre("ZOÉ|" + newPlayerRecord("").jeuBinaire, "Zoé (2)|9", "Léo|3"));
    // Each log under the player's row on the server, in its order.
    EXPECT_THAT(
        raw->rows("SELECT p.\"Nom\", a.\"played\", a.\"chosen\" FROM \"Answers\" a JOIN "
                  "\"Pulsadrome\" p ON p.\"id\" = a.\"player\" ORDER BY a.\"n\""),
        ElementsAre("Zoé (2)|10|10", "Zoé (2)|11|12", "Léo|10|10", "Léo|11|12", "Léo|12|12"));
    using Entry = std::pair<QString, qint32>;
    EXPECT_THAT(serverTable(1), ElementsAre(Entry{"Zoé :", 500}, Entry{"Ana :", 400},
                                            Entry{"Léo :", 300}, Entry{"Léo :", 300}));
    EXPECT_EQ(serverTable(14, 1), (std::vector<Entry>{{"Léo :", 20}}));
    for (const QString& name : QDir(here.path()).entryList(QDir::Files)) {
        EXPECT_EQ(fileBytes(here.filePath(name)), before.value(name)) << name.toStdString();
    }
    QStringList after = QDir(here.path()).entryList(QDir::Files);
    after.sort(); // as the map orders them
    EXPECT_EQ(after, QStringList(before.keys()));

    // Once more, as a teacher who is not sure it was done.
    const ServerCopyOutcome second = copyToServer(*folder, db.address(), captions);
    ASSERT_TRUE(second.ok()) << second.status.message.toStdString();
    EXPECT_EQ(second.playersCopied, 0);
    EXPECT_EQ(second.scoresCopied, 0);
    EXPECT_EQ(second.playersCopiedBefore, 2);
    EXPECT_EQ(second.scoresCopiedBefore, 4);
    EXPECT_TRUE(second.renamed.empty());
    EXPECT_THAT(copyOutcomeText(captions, second).toStdString(),
                HasSubstr("Copied before, so not copied again: 2 player(s), 4 high score(s)."));
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Pulsadrome\""), "3");
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"HighScores\""), "5"); // Ana's and the 4
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Answers\""), "5");
}

TEST_F(ServerCopy, aCopyRefusedHalfwayLeavesNoPlayerOnTheServerAndCanBeMadeAgain) {
    addLocalPlayer("Zoé", "9", 2);
    addLocalPlayer("Léo", "3", 3);
    enterLocally("score1", "Zoé :", 500);
    {
        auto store = db.store(); // the tables, so that the server can be made to refuse
        ASSERT_TRUE(store->open());
    }
    auto raw = db.raw();
    // The server refuses Léo's last answer, after Zoé and her answers went in.
    raw->exec("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
              "IF NEW.\"played\" = 12 THEN RAISE EXCEPTION 'refused'; END IF; RETURN NEW; END $$");
    raw->exec("CREATE TRIGGER refuse BEFORE INSERT ON \"Answers\" FOR EACH ROW EXECUTE "
              "FUNCTION refuse()");
    const auto captions = english();
    const ServerCopyOutcome cut = copyToServer(*folder, db.address(), captions);
    EXPECT_FALSE(cut.ok());
    EXPECT_EQ(cut.playersCopied, 0);
    EXPECT_EQ(cut.answersCopied, 0);
    EXPECT_THAT(copyOutcomeText(captions, cut).toStdString(),
                HasSubstr("The copy to the school's server stopped before the end."));
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Pulsadrome\""), "0");
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Answers\""), "0");
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Copied\""), "0");
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"HighScores\""), "0");

    raw->exec("DROP TRIGGER refuse ON \"Answers\"");
    const ServerCopyOutcome again = copyToServer(*folder, db.address(), captions);
    ASSERT_TRUE(again.ok()) << again.status.message.toStdString();
    EXPECT_EQ(again.playersCopied, 2);
    EXPECT_EQ(again.answersCopied, 5);
    EXPECT_EQ(again.scoresCopied, 1);
    EXPECT_TRUE(again.renamed.empty()) << "nothing of the cut copy was left to take the names";
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Pulsadrome\""), "2");
}

TEST_F(ServerCopy, rankCopiedScoresAsNewOnesInAFullTable) {
    {
        ServerScores scores(db.address());
        for (int k = 0; k < 30; ++k) {
            ASSERT_TRUE(scores.enter(3, {QStringLiteral("p%1 :").arg(k), 100 + 10 * k}, 30));
        }
    }
    enterLocally("score3", "Zoé :", 100);  // no better than the server's last: dropped
    enterLocally("score3", "Léo :", 1000); // among the best
    const ServerCopyOutcome outcome = copyToServer(*folder, db.address(), english());
    ASSERT_TRUE(outcome.ok()) << outcome.status.message.toStdString();
    EXPECT_EQ(outcome.scoresCopied, 2);
    ServerScores scores(db.address());
    const auto table = scores.read(3, 30);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->front().score, 1000);
    EXPECT_EQ(table->back(), (ScoreEntry{QStringLiteral("p1 :"), 110}));
    EXPECT_EQ(db.raw()->value("SELECT count(*) FROM \"HighScores\" WHERE \"game\" = 3"), "30");
    EXPECT_EQ(db.raw()->value("SELECT count(*) FROM \"HighScores\" WHERE \"name\" LIKE 'Zoé%'"),
              "0");
}

TEST_F(ServerCopy, aServerThatDoesNotAnswerCopiesNothingAndSaysSo) {
    addLocalPlayer("Zoé", "9");
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    ServerAddress nobody = db.address();
    nobody.port = closed.serverPort();
    closed.close();
    const auto captions = english();
    const ServerCopyOutcome outcome = copyToServer(*folder, nobody, captions, 200);
    EXPECT_EQ(outcome.status.fault, StoreFault::Unreachable);
    EXPECT_EQ(outcome.playersCopied, 0);
    EXPECT_EQ(copyOutcomeText(captions, outcome).toStdString(),
              "The copy to the school's server stopped before the end. The players' server does "
              "not answer. The network or the server may be down. Copied to the school's server: "
              "0 player(s), 0 high score(s), 0 logged answer(s).");
}

} // namespace
