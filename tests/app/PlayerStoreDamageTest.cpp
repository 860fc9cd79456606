// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are not player databases: they are reported, left byte for byte as they were (their
// WAL included), and only set aside (renamed, never deleted) when asked.
#include "app/PlayerStore.h"

#include "RawDatabase.h"
#include "support/ChildProcess.h"

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

constexpr int kPage = 4096;

QString walOf(const QString& file) {
    return file + QStringLiteral("-wal");
}

// A real player database of 300 players, closed (so without a WAL beside it).
void playerDatabase(const QString& file) {
    PlayerStore store(*DataDirectory::open(QFileInfo(file).path()));
    ASSERT_TRUE(store.open());
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(store.add(newPlayerRecord(QStringLiteral("player %1").arg(i))));
    }
}

// A real player database with two pages in the middle of its table overwritten: its first rows
// still read well.
void damagedPlayerDatabase(const QString& file) {
    playerDatabase(file);
    QByteArray bytes = fileBytes(file);
    ASSERT_GT(bytes.size(), 8 * kPage);
    bytes.replace(5 * kPage, 2 * kPage, noise(2 * kPage));
    writeFile(file, bytes);
}

void truncatedPlayerDatabase(const QString& file) {
    playerDatabase(file);
    writeFile(file, fileBytes(file).left(3 * kPage + 100));
}

// `file` and its WAL as a copy of the program leaves them while it runs (or when it is killed):
// a player database whose latest changes, `statements`, are still in the WAL only. The last
// connection to close would copy the WAL into the file and delete it.
void liveCopy(const QString& file, std::initializer_list<const char*> statements) {
    QTemporaryDir origin;
    const QString source = origin.filePath(QStringLiteral("pulsadrome.sqlite"));
    playerDatabase(source);
    RawDatabase raw(source);
    for (const char* sql : statements) {
        raw.exec(QString::fromUtf8(sql));
    }
    ASSERT_TRUE(QFileInfo::exists(walOf(source)));
    writeFile(file, fileBytes(source));
    writeFile(walOf(file), fileBytes(walOf(source)));
}

const std::initializer_list<const char*> kRecentChanges = {
    "UPDATE Pulsadrome SET jeu_binaire = '7' WHERE rowid = 1",
    "INSERT INTO Pulsadrome (Nom) VALUES ('Zoé')"};

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
    {"a truncated player database", truncatedPlayerDatabase},
    {"a running copy's player database whose WAL replaces the table with another",
     [](const QString& f) {
         liveCopy(f, {"UPDATE Pulsadrome SET fond = 'coq'", "DROP TABLE Pulsadrome",
                      "CREATE TABLE Pulsadrome (Nom TEXT, volume INTEGER)",
                      "INSERT INTO Pulsadrome VALUES ('Zoé', 100)"});
     }},
    {"a running copy's player database with damaged pages",
     [](const QString& f) {
         liveCopy(f, kRecentChanges);
         QByteArray bytes = fileBytes(f);
         bytes.replace(6 * kPage, 2 * kPage, noise(2 * kPage));
         writeFile(f, bytes);
     }},
    {"a running copy's truncated player database",
     [](const QString& f) {
         liveCopy(f, kRecentChanges);
         writeFile(f, fileBytes(f).left(5 * kPage));
     }},
};

// The file and its WAL (empty when there is none).
struct Bytes {
    QByteArray file;
    QByteArray wal;
    bool operator==(const Bytes&) const = default;
};

Bytes bytesOf(const QString& file) {
    return {fileBytes(file), QFileInfo::exists(walOf(file)) ? fileBytes(walOf(file)) : ""};
}

class DamagedFile : public ::testing::TestWithParam<DamageCase> {
protected:
    QTemporaryDir tmp;
    DataDirectory dir = *DataDirectory::open(tmp.path());
    QString file() const { return dir.file(QStringLiteral("pulsadrome.sqlite")); }
    // The files of the folder but a WAL index, which SQLite rebuilds from the WAL whenever it
    // reads one and which holds nothing of its own.
    QStringList listing() const {
        QStringList files = QDir(tmp.path()).entryList(QDir::Files);
        files.removeIf([](const QString& name) { return name.endsWith(QLatin1String("-shm")); });
        return files;
    }
};

TEST_P(DamagedFile, isReportedWithItsNameAndLeftAsItWas) {
    GetParam().make(file());
    const Bytes before = bytesOf(file());
    const QStringList filesBefore = listing();
    {
        PlayerStore store(dir);
        const StoreStatus status = store.open();
        EXPECT_EQ(status.problem, StoreProblem::Damaged) << status.message.toStdString();
        EXPECT_TRUE(status.message.contains(file())) << status.message.toStdString();
        EXPECT_FALSE(store.isOpen());
        EXPECT_FALSE(store.players());
        EXPECT_EQ(store.storeCurrent().problem, StoreProblem::Failed);
        EXPECT_EQ(store.open().problem, StoreProblem::Damaged); // a second look changes nothing
    }
    EXPECT_TRUE(bytesOf(file()) == before);
    EXPECT_EQ(listing(), filesBefore);
}

TEST_P(DamagedFile, isSetAsideWhenAskedAndAFreshDatabaseTakesItsPlace) {
    GetParam().make(file());
    const Bytes before = bytesOf(file());
    PlayerStore store(dir);
    ASSERT_FALSE(store.open());

    const auto aside = store.setAsideAndCreateFresh();
    ASSERT_TRUE(aside) << aside.status.message.toStdString();
    EXPECT_THAT(aside->toStdString(),
                ::testing::MatchesRegex(R"(.*/pulsadrome\.sqlite\.damaged-[0-9]{8}-[0-9]{6})"));
    EXPECT_TRUE(bytesOf(*aside) == before);
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

// One running copy's database, damaged in many ways: cut at every kilobyte, its WAL cut at
// every frame's length, and sixteen bytes overwritten at random places of either. Each variant
// is either found sound and used, or reported and left byte for byte as it was.
TEST(PlayerStoreDamage, everyVariantOfADamagedDatabaseIsUsedOrLeftByteForByte) {
    QTemporaryDir origin;
    const QString source = origin.filePath(QStringLiteral("pulsadrome.sqlite"));
    liveCopy(source, kRecentChanges);
    const Bytes original = bytesOf(source);
    ASSERT_GT(original.wal.size(), 0);

    std::vector<Bytes> variants;
    for (qsizetype length = 0; length < original.file.size(); length += 1024) {
        variants.push_back({original.file.left(length), original.wal});
    }
    for (qsizetype length = 32; length < original.wal.size(); length += kPage + 24) {
        variants.push_back({original.file, original.wal.left(length)});
    }
    std::mt19937 engine(1234);
    for (int i = 0; i < 120; ++i) {
        Bytes variant = original;
        QByteArray& bytes = i % 2 ? variant.wal : variant.file;
        const auto at = static_cast<qsizetype>(engine() % static_cast<unsigned>(bytes.size() - 16));
        bytes.replace(at, 16, noise(16 + i).right(16));
        variants.push_back(variant);
    }

    int damaged = 0;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        QTemporaryDir tmp;
        const DataDirectory dir = *DataDirectory::open(tmp.path());
        const QString file = dir.file(PlayerStore::fileName());
        writeFile(file, variants[i].file);
        writeFile(walOf(file), variants[i].wal);
        StoreStatus status;
        {
            PlayerStore store(dir);
            status = store.open();
        }
        if (!status) {
            ++damaged;
            EXPECT_EQ(status.problem, StoreProblem::Damaged)
                << "variant " << i << ": " << status.message.toStdString();
            EXPECT_TRUE(bytesOf(file) == variants[i]) << "variant " << i << " was changed";
        }
    }
    RecordProperty("variants", static_cast<int>(variants.size()));
    RecordProperty("damaged", damaged);
    EXPECT_GT(damaged, static_cast<int>(variants.size()) / 4);
}

// A copy killed while it wrote in rollback-journal mode leaves a hot journal: the file is put
// back as it was before that write, judged, and used.
const bool kCutAWriteShort =
    pulsadrome::testing::registerChildAction("cutAWriteShort", [](const QStringList& arguments) {
        // Never closed: the child ends in the middle of the write, as a killed copy does.
        auto* raw = new RawDatabase(arguments.value(0));
        raw->exec("PRAGMA cache_size = 2");
        raw->exec("BEGIN");
        raw->exec("UPDATE Pulsadrome SET fond = 'coq'");
        return QStringLiteral("killed");
    });

TEST(PlayerStoreDamage, aWriteCutShortInRollbackModeIsUndoneAndTheFileUsed) {
    QTemporaryDir tmp;
    const DataDirectory dir = *DataDirectory::open(tmp.path());
    const QString file = dir.file(PlayerStore::fileName());
    {
        RawDatabase raw(file);
        raw.exec("CREATE TABLE Pulsadrome (Nom TEXT, fond TEXT)");
        raw.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                 "INSERT INTO Pulsadrome SELECT 'player ' || i, 'jaune' || hex(randomblob(40)) "
                 "FROM n");
    }
    const QString child = pulsadrome::testing::runInChild("cutAWriteShort", {file});
    ASSERT_EQ(child, QStringLiteral("killed"));
    ASSERT_TRUE(QFileInfo::exists(file + QStringLiteral("-journal")));

    PlayerStore store(dir);
    const StoreStatus status = store.open();
    ASSERT_TRUE(status) << status.message.toStdString();
    ASSERT_EQ(store.players()->size(), 2000u);
    EXPECT_TRUE(store.current().fond.startsWith(QLatin1String("jaune")));
    RawDatabase raw(file);
    EXPECT_EQ(raw.value("SELECT count(*) FROM Pulsadrome WHERE fond = 'coq'"), "0");
}

TEST(PlayerStoreDamage, aRunningCopysSoundDatabaseIsUsedWithTheChangesInItsWal) {
    QTemporaryDir tmp;
    const DataDirectory dir = *DataDirectory::open(tmp.path());
    liveCopy(dir.file(PlayerStore::fileName()), kRecentChanges);
    PlayerStore store(dir);
    ASSERT_TRUE(store.open());
    EXPECT_EQ(store.current().jeuBinaire, "7");
    EXPECT_EQ(store.players()->back().name, "Zoé");
}

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
