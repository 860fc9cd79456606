// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not player databases: they are reported, left as they were, and only set aside
// (renamed, never deleted) when asked.
#include "app/PlayerStore.h"

#include "RawDatabase.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <random>

using namespace pulsadrome::app;

namespace {

QByteArray noise(int size) {
    std::mt19937 engine(20240517);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(engine() & 0xff);
    }
    return bytes;
}

void withRawDatabase(const QString& file, std::initializer_list<const char*> statements) {
    RawDatabase raw(file);
    for (const char* sql : statements) {
        raw.exec(QString::fromUtf8(sql));
    }
}

// A real player database with two pages in the middle of its table overwritten: its first rows
// still read well.
void damagedPlayerDatabase(const QString& file) {
    {
        PlayerStore store(*DataDirectory::open(QFileInfo(file).path()));
        ASSERT_TRUE(store.open());
        for (int i = 0; i < 300; ++i) {
            ASSERT_TRUE(store.add(newPlayerRecord(QStringLiteral("player %1").arg(i))));
        }
    }
    constexpr int kPage = 4096;
    QByteArray bytes = fileBytes(file);
    ASSERT_GT(bytes.size(), 8 * kPage);
    bytes.replace(5 * kPage, 2 * kPage, noise(2 * kPage));
    writeFile(file, bytes);
}

struct DamageCase {
    const char* what;
    void (*make)(const QString& file);
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.what;
}

const DamageCase kDamaged[] = {
    {"random bytes", [](const QString& f) { writeFile(f, noise(8192)); }},
    {"a text file", [](const QString& f) { writeFile(f, "Nom;password;fond\nZoé;;jaune\n"); }},
    {"an empty file", [](const QString& f) { writeFile(f, ""); }},
    {"an SQLite header and then noise",
     [](const QString& f) { writeFile(f, QByteArray("SQLite format 3", 16) + noise(4080)); }},
    {"another program's SQLite database",
     [](const QString& f) {
         withRawDatabase(f, {"CREATE TABLE invoices (n INTEGER, total REAL)",
                             "INSERT INTO invoices VALUES (1, 9.5)"});
     }},
    {"a view named like the table",
     [](const QString& f) {
         withRawDatabase(f, {"CREATE TABLE t (Nom TEXT)", "INSERT INTO t VALUES ('Zoé')",
                             "CREATE VIEW Pulsadrome AS SELECT * FROM t"});
     }},
    {"a number column that would turn \"01\" into 1",
     [](const QString& f) {
         withRawDatabase(f, {"CREATE TABLE Pulsadrome (Nom TEXT, volume INTEGER)",
                             "INSERT INTO Pulsadrome VALUES ('Zoé', 100)"});
     }},
    {"a table without row ids",
     [](const QString& f) {
         withRawDatabase(f,
                         {"CREATE TABLE Pulsadrome (Nom TEXT PRIMARY KEY, fond TEXT) WITHOUT ROWID",
                          "INSERT INTO Pulsadrome VALUES ('Zoé', 'coq')"});
     }},
    {"a player database with damaged pages", damagedPlayerDatabase},
};

class DamagedFile : public ::testing::TestWithParam<DamageCase> {
protected:
    QTemporaryDir tmp;
    DataDirectory dir = *DataDirectory::open(tmp.path());
    QString file() const { return dir.file(QStringLiteral("pulsadrome.sqlite")); }
    QStringList listing() const { return QDir(tmp.path()).entryList(QDir::Files); }
};

TEST_P(DamagedFile, isReportedWithItsNameAndLeftAsItWas) {
    GetParam().make(file());
    const QByteArray before = fileBytes(file());
    const QStringList filesBefore = listing();

    PlayerStore store(dir);
    const StoreStatus status = store.open();
    EXPECT_EQ(status.problem, StoreProblem::Damaged) << status.message.toStdString();
    EXPECT_TRUE(status.message.contains(file())) << status.message.toStdString();
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(store.players());
    EXPECT_EQ(store.storeCurrent().problem, StoreProblem::Failed);

    EXPECT_EQ(fileBytes(file()), before);
    EXPECT_EQ(listing(), filesBefore);
}

TEST_P(DamagedFile, isSetAsideWhenAskedAndAFreshDatabaseTakesItsPlace) {
    GetParam().make(file());
    const QByteArray before = fileBytes(file());
    PlayerStore store(dir);
    ASSERT_FALSE(store.open());

    const auto aside = store.setAsideAndCreateFresh();
    ASSERT_TRUE(aside) << aside.status.message.toStdString();
    EXPECT_THAT(aside->toStdString(),
                ::testing::MatchesRegex(R"(.*/pulsadrome\.sqlite\.damaged-[0-9]{8}-[0-9]{6})"));
    EXPECT_EQ(fileBytes(*aside), before);
    EXPECT_TRUE(store.isOpen());
    EXPECT_TRUE(store.players()->empty());
    ASSERT_TRUE(store.add(newPlayerRecord("Zoé")));

    PlayerStore again(dir);
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.current(), newPlayerRecord("Zoé"));
}

INSTANTIATE_TEST_SUITE_P(PlayerStore, DamagedFile, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) {
                             QString name = QString::fromUtf8(info.param.what);
                             name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
                             return name.toStdString();
                         });

TEST(PlayerStoreRepair, aTableLackingColumnsGetsThemEmptyAndKeepsItsRowsAndOtherColumns) {
    QTemporaryDir tmp;
    const DataDirectory dir = *DataDirectory::open(tmp.path());
    const QString file = dir.file(QStringLiteral("pulsadrome.sqlite"));
    withRawDatabase(file, {"CREATE TABLE pulsadrome (NOM TEXT, \"Fond\" VARCHAR(20), note TEXT)",
                           "INSERT INTO pulsadrome VALUES ('Zoé', 'coq', 'kept')",
                           "INSERT INTO pulsadrome VALUES ('Léo', NULL, 'kept too')"});

    PlayerStore store(dir);
    const StoreStatus status = store.open();
    ASSERT_TRUE(status) << status.message.toStdString();
    EXPECT_EQ(store.current().nom, "Zoé");
    EXPECT_EQ(store.current().fond, "coq");
    EXPECT_EQ(store.current().chrono, "");
    EXPECT_EQ(store.current().ticks2(SoundTheme::Coq).right, "");

    store.current().chrono = "300";
    ASSERT_TRUE(store.storeCurrent());
    ASSERT_TRUE(store.add(newPlayerRecord("Mia")));

    RawDatabase raw(file);
    EXPECT_EQ(raw.value("SELECT count(*) FROM pragma_table_info('Pulsadrome')"),
              QString::number(kColumnCount + 1));
    EXPECT_EQ(raw.rows("SELECT \"Nom\", \"fond\", \"chrono\", note FROM Pulsadrome ORDER BY rowid"),
              QStringList({"Zoé|coq|300|kept", "Léo|<null>||kept too", "Mia|jaune|300|<null>"}));
}

} // namespace
