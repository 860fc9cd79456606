// SPDX-License-Identifier: GPL-3.0-or-later
// Two running copies of the program on one player database, each with its own store on the same
// player: whatever the order of their changes and stores, no stored progress goes back and no
// copy's change is undone by the other.
#include "app/PlayerStore.h"
#include "catalogue/Progress.h"
#include "common/NetworkFileSystem.h"

#include "RawDatabase.h"
#include "TestDatabases.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <map>
#include <memory>
#include <vector>

using namespace pulsadrome::app;
using pulsadrome::catalogue::progressReach;
using pulsadrome::catalogue::Series;

namespace {

// One step of one copy: change some columns of its record in memory, or store it.
struct Step {
    std::vector<std::pair<const char*, const char*>> changes; // empty: store
};

Step change(std::vector<std::pair<const char*, const char*>> columns) {
    return {std::move(columns)};
}
const Step kStore{};

// Each copy passes levels (progress) and changes settings; the other copy changes others, and
// both change the theme and the main series' progress. Copy B reaches less of the main series
// than A, so a store of B after A must not take A's level back.
const std::vector<Step> kCopyA = {
    change({{"jeu_binaire", "8"}, {"fond", "coq"}}),
    kStore,
    change({{"chrono", "120"}, {"jeu_ternaire", "4"}}),
    kStore,
};
const std::vector<Step> kCopyB = {
    change({{"jeu_binaire", "5"}, {"volume", "40"}}),
    kStore,
    change({{"jeu_binaire2", "7"}, {"fond", "train"}, {"jeu_binaire", "6"}}),
    kStore,
};

const std::pair<const char*, Series> kProgress[] = {
    {"jeu_binaire", Series::Main},
    {"jeu_binaire2", Series::MinimBeat},
    {"jeu_ternaire", Series::Compound},
};

std::optional<Series> progressOf(const QString& column) {
    for (const auto& [name, series] : kProgress) {
        if (column == QLatin1String(name)) {
            return series;
        }
    }
    return std::nullopt;
}

// Every order of the two copies' steps that keeps each copy's own order: 'A' or 'B' per step.
std::vector<std::string> interleavings(std::size_t a, std::size_t b) {
    if (a == 0 || b == 0) {
        return {std::string(a, 'A') + std::string(b, 'B')};
    }
    std::vector<std::string> all;
    for (const auto& rest : interleavings(a - 1, b)) {
        all.push_back('A' + rest);
    }
    for (const auto& rest : interleavings(a, b - 1)) {
        all.push_back('B' + rest);
    }
    return all;
}

class TwoCopies : public ::testing::TestWithParam<BackEnd> {
protected:
    TestDatabase db{GetParam()};

    void SetUp() override { SKIP_WITHOUT(db); }

    std::unique_ptr<PlayerStore> opened() {
        auto store = db.store(500);
        const StoreStatus status = store->open();
        EXPECT_TRUE(status) << status.message.toStdString();
        return store;
    }

    // A fresh database: Zoé, who has passed a few levels, and Léo.
    void makeDatabase() {
        db.clear();
        auto store = opened();
        PlayerRecord zoe = newPlayerRecord("Zoé");
        zoe.setProgress({"3", "2", "2"});
        ASSERT_TRUE(store->add(zoe));
        ASSERT_TRUE(store->add(newPlayerRecord("Léo")));
    }

    // Zoé's row as stored, for the columns named.
    std::map<QString, QString> stored(const std::map<QString, QString>& columns) {
        QStringList names;
        for (const auto& [column, value] : columns) {
            names << QStringLiteral("\"%1\"").arg(column);
        }
        const QStringList values =
            db.raw()
                ->value(QStringLiteral("SELECT %1 FROM \"Pulsadrome\" ORDER BY id LIMIT 1")
                            .arg(names.join(QStringLiteral(" || '|' || "))))
                .split(QLatin1Char('|'));
        std::map<QString, QString> row;
        int i = 0;
        for (const auto& [column, value] : columns) {
            row[column] = values.value(i++);
        }
        return row;
    }
};

TEST_P(TwoCopies, inEveryOrderNoProgressGoesBackAndEveryChangeOfEitherCopyStays) {
    const auto orders = interleavings(kCopyA.size(), kCopyB.size());
    ASSERT_EQ(orders.size(), 70u);
    for (const std::string& order : orders) {
        SCOPED_TRACE(order);
        makeDatabase();
        // Both copies load Zoé before either changes anything.
        std::map<char, std::unique_ptr<PlayerStore>> copies;
        copies['A'] = opened();
        copies['B'] = opened();
        std::map<char, const std::vector<Step>*> steps{{'A', &kCopyA}, {'B', &kCopyB}};
        std::map<char, std::size_t> next{{'A', 0}, {'B', 0}};
        std::map<char, std::map<QString, QString>> pending; // changed since the copy's last store

        // What the row must hold: the last stored change of a setting, the furthest progress.
        std::map<QString, QString> expected;
        for (const auto& column : {"jeu_binaire", "jeu_binaire2", "jeu_ternaire", "fond", "chrono",
                                   "volume", "tempo", "Nom"}) {
            expected[QString::fromLatin1(column)];
        }
        expected = stored(expected);
        ASSERT_EQ(expected["jeu_binaire"], "3");
        for (const char who : order) {
            const Step& step = (*steps[who])[next[who]++];
            PlayerStore& store = *copies[who];
            if (!step.changes.empty()) {
                for (const auto& [column, value] : step.changes) {
                    store.current().text(*columnIndex(column)) = QString::fromLatin1(value);
                    pending[who][QString::fromLatin1(column)] = QString::fromLatin1(value);
                }
                continue;
            }
            const StoreStatus status = store.storeCurrent();
            ASSERT_TRUE(status) << status.message.toStdString();
            for (const auto& [column, value] : pending[who]) {
                const auto series = progressOf(column);
                if (!series ||
                    *progressReach(*series, value) > *progressReach(*series, expected[column])) {
                    expected[column] = value;
                }
            }
            EXPECT_EQ(stored(expected), expected) << "after a store of " << who;
            // The copy goes on with the progress it stored, the other copy's if that was further.
            for (const auto& [column, value] : pending[who]) {
                if (progressOf(column)) {
                    EXPECT_EQ(store.current().text(*columnIndex(column)), expected[column])
                        << column.toStdString();
                }
            }
            pending[who].clear();
        }
        EXPECT_EQ(expected["jeu_binaire"], "8");
        EXPECT_EQ(expected["jeu_binaire2"], "7");
        EXPECT_EQ(expected["jeu_ternaire"], "4");
        EXPECT_EQ(expected["chrono"], "120");
        EXPECT_EQ(expected["volume"], "40");
        EXPECT_EQ(expected["tempo"], "100");
        copies.clear();
        EXPECT_EQ(db.raw()->value("SELECT \"Nom\" || '|' || \"jeu_binaire\" FROM \"Pulsadrome\" "
                                  "WHERE id = 2"),
                  "Léo|1a")
            << "the other player's row is left alone";
    }
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, TwoCopies, ::testing::Values(BackEnd::File, BackEnd::Server),
                         backEndName);

TEST(NetworkFileSystem, theTypesOtherComputersShareAreToldFromLocalOnes) {
    // statfs's f_type, as the kernel numbers them; CIFS's has its top bit set and may arrive
    // sign-extended.
    const auto signExtended = [](unsigned int type) {
        return static_cast<unsigned long>(static_cast<long>(static_cast<int>(type)));
    };
    for (const unsigned long shared :
         {0x6969ul, 0x517Bul, 0xFF534D42ul, signExtended(0xFF534D42), 0xFE534D42ul,
          signExtended(0xFE534D42), 0x01021997ul, 0x65735546ul}) {
        EXPECT_TRUE(pulsadrome::isNetworkFileSystemType(shared)) << std::hex << shared;
    }
    for (const unsigned long local : {0xEF53ul, 0x01021994ul, 0x9123683Eul, 0x58465342ul,
                                      0x794c7630ul, 0x4d44ul, 0x5346544eul, 0ul}) {
        EXPECT_FALSE(pulsadrome::isNetworkFileSystemType(local)) << std::hex << local;
    }
    QTemporaryDir tmp;
    EXPECT_EQ(pulsadrome::onNetworkFileSystem(tmp.path()), std::optional<bool>(false));
    EXPECT_EQ(pulsadrome::onNetworkFileSystem(tmp.path() + "/missing"), std::nullopt);
}

} // namespace
