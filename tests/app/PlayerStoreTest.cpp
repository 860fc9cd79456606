// SPDX-License-Identifier: GPL-3.0-or-later
// The player store's behaviour, the same on the database file and on a database server.
#include "app/PlayerStore.h"
#include "app/ServerTable.h"

#include "RawDatabase.h"
#include "TestDatabases.h"

#include <gmock/gmock.h>

#include <memory>

using namespace pulsadrome::app;
using ::testing::ElementsAre;

namespace {

// The player table's columns in order, and a new player's value of each.
struct ColumnCase {
    const char* column;
    const char* newPlayer;
};

const ColumnCase kTable[] = {
    {"Nom", "Zoé"},        {"password", ""},      {"jeu_binaire", "1a"}, {"jeu_binaire2", "1"},
    {"jeu_ternaire", "1"}, {"fond", "jaune"},     {"chrono", "300"},     {"volume", "100"},
    {"tempo", "100"},      {"instruments", "23"}, {"tictac", "1"},       {"compteur", "1"},
    {"reponse", "1"},      {"bonus", "1"},        {"prof_v", "1"},       {"prof_f", "1"},
    {"espace_v", "0"},     {"espace_f", "0"},     {"cowboy_v", "0"},     {"cowboy_f", "0"},
    {"voiture_v", "0"},    {"voiture_f", "0"},    {"ordinateur_v", "0"}, {"ordinateur_f", "0"},
    {"cheval_v", "0"},     {"cheval_f", "0"},     {"train_v", "0"},      {"train_f", "0"},
    {"coq_v", "0"},        {"coq_f", "0"},        {"prof_v2", ""},       {"prof_f2", ""},
    {"espace_v2", ""},     {"espace_f2", ""},     {"cowboy_v2", ""},     {"cowboy_f2", ""},
    {"voiture_v2", ""},    {"voiture_f2", ""},    {"ordinateur_v2", ""}, {"ordinateur_f2", ""},
    {"cheval_v2", ""},     {"cheval_f2", ""},     {"train_v2", ""},      {"train_f2", ""},
    {"cog_v2", ""},        {"coq_f2", ""},        {"ecoute_choix", "0"},
};

QString name(const ColumnCase& c) {
    return QString::fromLatin1(c.column);
}

// Every field set through its own member to the text "<its column>*".
PlayerRecord everyFieldNamedAfterItsColumn() {
    PlayerRecord r;
    r.nom = "Nom*";
    r.password = "password*";
    r.jeuBinaire = "jeu_binaire*";
    r.jeuBinaire2 = "jeu_binaire2*";
    r.jeuTernaire = "jeu_ternaire*";
    r.fond = "fond*";
    r.chrono = "chrono*";
    r.volume = "volume*";
    r.tempo = "tempo*";
    r.instruments = "instruments*";
    r.tictac = "tictac*";
    r.compteur = "compteur*";
    r.reponse = "reponse*";
    r.bonus = "bonus*";
    const char* themes[] = {"prof",       "espace", "cowboy", "voiture",
                            "ordinateur", "cheval", "train",  "coq"};
    for (int i = 0; i < kSoundThemeCount; ++i) {
        const QString theme = QString::fromLatin1(themes[i]);
        r.ticks(SoundTheme(i)) = {theme + "_v*", theme + "_f*"};
        r.ticks2(SoundTheme(i)) = {theme + "_v2*", theme + "_f2*"};
    }
    r.ticks2(SoundTheme::Coq).right = "cog_v2*";
    r.ecouteChoix = "ecoute_choix*";
    return r;
}

class PlayerStoreTest : public ::testing::TestWithParam<BackEnd> {
protected:
    TestDatabase db{GetParam()};

    void SetUp() override { SKIP_WITHOUT(db); }

    QString file() const { return db.place(); }
    std::unique_ptr<RawDatabase> raw() const { return db.raw(); }

    std::unique_ptr<PlayerStore> opened(int busyTimeoutMs = PlayerStore::kDefaultBusyTimeoutMs) {
        auto store = db.store(busyTimeoutMs);
        const StoreStatus status = store->open();
        EXPECT_TRUE(status.ok()) << status.message.toStdString();
        return store;
    }

    static RowId added(PlayerStore& store, const PlayerRecord& record) {
        const auto id = store.add(record);
        EXPECT_TRUE(id) << id.status.message.toStdString();
        return id ? *id : -1;
    }

    static QStringList names(const PlayerStore& store) {
        QStringList list;
        for (const auto& entry : *store.players()) {
            list << entry.name;
        }
        return list;
    }
};

TEST_P(PlayerStoreTest, aFirstOpenCreatesTheTableWithEveryColumnAsTextUnderItsExactName) {
    auto store = opened();
    EXPECT_EQ(store->file(), file());
    EXPECT_FALSE(store->currentId().has_value());
    EXPECT_TRUE(store->players()->empty());

    QStringList expected{db.onServer() ? "id|BIGINT" : "id|INTEGER"};
    for (const auto& c : kTable) {
        expected << name(c) + "|TEXT";
    }
    EXPECT_EQ(db.columnTypes(), expected);
    if (db.onServer()) {
        EXPECT_EQ(raw()->value("SELECT \"version\" FROM \"SchemaVersion\""),
                  QString::number(server_table::kSchemaVersion));
        EXPECT_EQ(raw()->value("SELECT count(*) FROM information_schema.table_constraints WHERE "
                               "table_name = 'Pulsadrome' AND constraint_type = 'PRIMARY KEY'"),
                  "1");
    } else {
        EXPECT_EQ(raw()->value("SELECT pk FROM pragma_table_info('Pulsadrome') WHERE name = 'id'"),
                  "1");
        EXPECT_EQ(raw()->value("PRAGMA journal_mode"), "wal");
    }
}

TEST_P(PlayerStoreTest, aNewPlayersRowHoldsTheNewPlayerValues) {
    auto store = opened();
    const RowId id = added(*store, newPlayerRecord("Zoé"));
    auto raw = db.raw();
    for (const auto& c : kTable) {
        EXPECT_EQ(raw->value(QStringLiteral("SELECT \"%1\" FROM \"Pulsadrome\" WHERE id = %2")
                                 .arg(name(c))
                                 .arg(id)),
                  QString::fromUtf8(c.newPlayer))
            << c.column;
    }
}

TEST_P(PlayerStoreTest, everyFieldGoesToItsOwnColumnAndComesBackFromDisk) {
    const PlayerRecord record = everyFieldNamedAfterItsColumn();
    RowId id = 0;
    {
        auto store = opened();
        added(*store, newPlayerRecord("first"));
        id = added(*store, newPlayerRecord("second"));
        ASSERT_TRUE(store->moveTo(id));
        store->current() = record;
        const StoreStatus stored = store->storeCurrent();
        ASSERT_TRUE(stored) << stored.message.toStdString();
    }
    auto raw = db.raw();
    for (const auto& c : kTable) {
        EXPECT_EQ(raw->value(QStringLiteral("SELECT \"%1\" FROM \"Pulsadrome\" WHERE id = %2")
                                 .arg(name(c))
                                 .arg(id)),
                  name(c) + "*");
    }
    auto reopened = opened();
    EXPECT_EQ(*reopened->read(id), record);
    EXPECT_EQ(reopened->read(reopened->players()->front().id)->nom, "first");
}

TEST_P(PlayerStoreTest, theFirstPlayerAtOpenHoldsEveryStoredFieldInItsOwnPlace) {
    const PlayerRecord record = everyFieldNamedAfterItsColumn();
    {
        auto store = opened();
        added(*store, record);
        added(*store, newPlayerRecord("second"));
    }
    auto store = opened();
    EXPECT_EQ(store->current(), record);
    ASSERT_TRUE(store->moveTo(store->players()->back().id));
    ASSERT_TRUE(store->moveTo(store->players()->front().id));
    EXPECT_EQ(store->current(), record) << "read again as a pick in the list reads it";
}

TEST_P(PlayerStoreTest, playersKeepTheOrderTheyWereAddedInAndTheFirstIsCurrentAtOpen) {
    {
        auto store = opened();
        for (const char* player : {"Zoé", "Adam", "Léa", "Adam"}) {
            added(*store, newPlayerRecord(QString::fromUtf8(player)));
        }
        EXPECT_FALSE(store->currentId().has_value()) << "adding does not move the player";
    }
    auto store = opened();
    const auto players = *store->players();
    EXPECT_EQ(names(*store), QStringList({"Zoé", "Adam", "Léa", "Adam"}));
    EXPECT_TRUE(std::is_sorted(players.begin(), players.end(),
                               [](const auto& a, const auto& b) { return a.id < b.id; }));
    ASSERT_TRUE(store->currentId().has_value());
    EXPECT_EQ(*store->currentId(), players.front().id);
    EXPECT_EQ(store->current(), newPlayerRecord("Zoé"));
}

TEST_P(PlayerStoreTest, storingWritesOnlyTheCurrentRowAndReloadingDiscardsWhatWasChanged) {
    auto store = opened();
    const RowId first = added(*store, newPlayerRecord("Zoé"));
    const RowId second = added(*store, newPlayerRecord("Léo"));
    ASSERT_TRUE(store->moveTo(second));
    store->current().fond = "coq";
    store->current().setProgress({"7", "3", "2"});
    ASSERT_TRUE(store->storeCurrent());

    store->current().volume = "5";
    store->current().nom = "typed but cancelled";
    ASSERT_TRUE(store->reloadCurrent());
    EXPECT_EQ(store->current().volume, "100");
    EXPECT_EQ(store->current().nom, "Léo");
    EXPECT_EQ(store->current().fond, "coq");

    auto other = opened();
    EXPECT_EQ(*other->read(first), newPlayerRecord("Zoé"));
    EXPECT_EQ(other->read(second)->jeuBinaire, "7");
}

TEST_P(PlayerStoreTest, storedTextsComeBackExactlyAndAreStoredBackUnchanged) {
    struct Odd {
        const char* column;
        const char* sql; // as written into the row by hand
        const char* text;
    };
    const Odd odd[] = {
        {"jeu_binaire", "'01'", "01"},
        {"jeu_binaire2", "' 2'", " 2"},
        {"jeu_ternaire", "'2 '", "2 "},
        {"fond", "'JAUNE'", "JAUNE"},
        {"chrono", "'-300'", "-300"},
        {"volume", "''", ""},
        {"tempo", "7", "7"},
        {"Nom", "'Zoé 😀 « »'", "Zoé 😀 « »"},
        {"password", "'$argon2id$x'", "$argon2id$x"},
        {"cog_v2", "'oui'", "oui"},
        {"bonus", "'1.0'", "1.0"},
    };
    QStringList columns;
    QStringList values;
    for (const auto& o : odd) {
        columns << QStringLiteral("\"%1\"").arg(o.column);
        values << QString::fromUtf8(o.sql);
    }
    { opened(); }
    raw()->exec(QStringLiteral("INSERT INTO \"Pulsadrome\" (%1) VALUES (%2)")
                    .arg(columns.join(", "), values.join(", ")));
    auto store = opened();
    for (const auto& o : odd) {
        EXPECT_EQ(store->current().text(*columnIndex(o.column)), QString::fromUtf8(o.text))
            << o.column;
    }
    store->current().instruments = "24";
    ASSERT_TRUE(store->storeCurrent());
    auto raw = db.raw();
    for (const auto& o : odd) {
        EXPECT_EQ(raw->value(QStringLiteral("SELECT \"%1\" FROM \"Pulsadrome\"").arg(o.column)),
                  QString::fromUtf8(o.text))
            << o.column;
    }
    EXPECT_EQ(raw->value("SELECT count(*) FROM \"Pulsadrome\" WHERE \"prof_v2\" IS NULL"), "0");
}

TEST_P(PlayerStoreTest, operationsWithoutAnOpenDatabaseOrAPlayerSaySoWithTheFile) {
    const auto unopened = db.store();
    PlayerStore& closed = *unopened;
    EXPECT_TRUE(closed.storeCurrent().message.contains(file()))
        << closed.storeCurrent().message.toStdString();
    EXPECT_TRUE(closed.players().status.message.contains(file()))
        << closed.players().status.message.toStdString();
    EXPECT_FALSE(closed.add(newPlayerRecord("Zoé")));

    auto store = opened();
    const StoreStatus status = store->storeCurrent();
    EXPECT_EQ(status.problem, StoreProblem::Failed);
    EXPECT_TRUE(status.message.contains(file())) << status.message.toStdString();
    EXPECT_EQ(store->moveTo(42).problem, StoreProblem::Failed);
    EXPECT_FALSE(store->currentId().has_value());
}

TEST_P(PlayerStoreTest, aDatabaseHeldByAnotherCopyGivesAClearErrorAndLosesNothing) {
    auto store = opened(100);
    added(*store, newPlayerRecord("Zoé"));
    ASSERT_TRUE(store->open());
    auto otherCopy = opened(100);

    auto writer = db.raw();
    db.holdWrites(*writer);
    store->current().fond = "coq";
    store->current().chrono = "120";
    const StoreStatus busy = store->storeCurrent();
    EXPECT_EQ(busy.problem, StoreProblem::Busy);
    EXPECT_TRUE(busy.message.contains(file())) << busy.message.toStdString();
    EXPECT_EQ(store->add(newPlayerRecord("Léo")).status.problem, StoreProblem::Busy);
    EXPECT_EQ(store->current().fond, "coq") << "the record stays in memory";
    EXPECT_THAT(names(*otherCopy), ElementsAre("Zoé")) << "readers are not held up by a writer";
    writer->exec("ROLLBACK");

    const StoreStatus retried = store->storeCurrent();
    ASSERT_TRUE(retried) << retried.message.toStdString();
    ASSERT_TRUE(otherCopy->reloadCurrent());
    EXPECT_EQ(otherCopy->current().fond, "coq");
    EXPECT_EQ(otherCopy->current().chrono, "120");
}

TEST_P(PlayerStoreTest, aStoreWritesTheWholeRecordOrNothing) {
    auto store = opened();
    added(*store, newPlayerRecord("Zoé"));
    ASSERT_TRUE(store->open());
    // A refusal on the row's last column, after every other column has its new value.
    db.refuseUpdate("ecoute_choix", "no");
    store->current().fond = "train";
    store->current().jeuBinaire = "46";
    store->current().ticks2(SoundTheme::Coq).wrong = "1";
    store->current().ecouteChoix = "no";
    const StoreStatus refused = store->storeCurrent();
    EXPECT_EQ(refused.problem, StoreProblem::Failed);
    EXPECT_TRUE(refused.message.contains("refused")) << refused.message.toStdString();

    EXPECT_EQ(store->current().fond, "train");
    auto other = opened();
    EXPECT_EQ(other->current(), newPlayerRecord("Zoé"));
}

TEST_P(PlayerStoreTest, aDatabaseMadeBeforeTheLastColumnGetsItEmptyAndKeepsEveryStoredText) {
    // The table as the program made it while "ecoute_choix" did not exist (on a server: before
    // the schema had a version).
    QStringList definitions{db.idDefinition()};
    QStringList columns;
    QStringList values;
    for (const auto& c : kTable) {
        if (name(c) != "ecoute_choix") {
            definitions << QStringLiteral("\"%1\" TEXT NOT NULL DEFAULT ''").arg(name(c));
            columns << QStringLiteral("\"%1\"").arg(name(c));
            values << QStringLiteral("'%1'").arg(name(c) + "*");
        }
    }
    ASSERT_EQ(columns.size(), kColumnCount - 1);
    {
        auto raw = db.raw();
        raw->exec(QStringLiteral("CREATE TABLE \"Pulsadrome\" (%1)").arg(definitions.join(", ")));
        raw->exec(QStringLiteral("INSERT INTO \"Pulsadrome\" (%1) VALUES (%2)")
                      .arg(columns.join(", "), values.join(", ")));
    }

    PlayerRecord expected = everyFieldNamedAfterItsColumn();
    expected.ecouteChoix = "";
    {
        auto store = opened();
        EXPECT_EQ(store->current(), expected);
        store->current().ecouteChoix = "1";
        ASSERT_TRUE(store->storeCurrent());
    }
    EXPECT_THAT(db.columnTypes(), ::testing::Contains("ecoute_choix|TEXT"));
    EXPECT_EQ(raw()->value("SELECT \"ecoute_choix\", \"cog_v2\" FROM \"Pulsadrome\""), "1|cog_v2*");
    if (db.onServer()) {
        EXPECT_EQ(raw()->value("SELECT \"version\" FROM \"SchemaVersion\""),
                  QString::number(server_table::kSchemaVersion));
    }
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, PlayerStoreTest,
                         ::testing::Values(BackEnd::File, BackEnd::Server), backEndName);

} // namespace
