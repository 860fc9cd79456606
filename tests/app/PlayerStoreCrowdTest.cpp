// SPDX-License-Identifier: GPL-3.0-or-later
// A classroom at once: twenty computers, each with its own connection, store the progress and
// the settings of the same five players over and over. No stored progress ever goes back, and
// every computer's last change of its own setting is the one stored. On a server they also
// enter high scores into the same table all along: none that belongs among the thirty best is
// lost, and the table stays thirty entries in order. The run is short unless
// PULSADROME_CROWD_SECONDS asks for longer (30 for the full classroom test).
#include "app/PlayerStore.h"
#include "app/ServerScores.h"
#include "catalogue/Progress.h"
#include "play/games/HighScoreList.h"

#include "TestDatabases.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <thread>
#include <vector>

using namespace pulsadrome::app;
using pulsadrome::catalogue::progressReach;
using pulsadrome::catalogue::Series;

namespace {

constexpr int kComputers = 20;
constexpr int kPlayers = 5;
constexpr int kShortRunStores = 12; // per computer, without PULSADROME_CROWD_SECONDS
constexpr int kScoreTable = 9;
constexpr int kTableCount = 30;

// The main series' progress texts, from the start to the end.
QStringList mainProgressCodes() {
    QStringList codes{"1a", "1b"};
    for (int level = 1; level <= 46; ++level) {
        codes << QString::number(level);
    }
    return codes;
}

// The column only computer `c` writes: a setting, not a progress column or the name.
int ownColumn(int computer) {
    return *columnIndex(QStringLiteral("fond")) + computer;
}

// The table holds exactly the thirty best of every score entered and of the default entries, in
// order, each once; equal scores may stand in any order of entry.
void expectTheThirtyBest(const TestDatabase& db, const std::map<QString, qint32>& entered) {
    using pulsadrome::play::HighScoreList;
    ServerScores scores(db.address());
    const auto table = scores.read(kScoreTable, kTableCount);
    ASSERT_TRUE(table) << table.status.message.toStdString();
    ASSERT_EQ(static_cast<int>(table->size()), kTableCount);
    std::vector<qint32> best(kTableCount, HighScoreList::kDefaultScore);
    for (const auto& [name, score] : entered) {
        best.push_back(score);
    }
    std::sort(best.begin(), best.end(), std::greater<>());
    best.resize(kTableCount);
    std::vector<qint32> shown;
    std::set<QString> names;
    for (const auto& entry : *table) {
        shown.push_back(entry.score);
        if (entry.name == HighScoreList::kDefaultName) {
            continue;
        }
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name.toStdString() << " twice";
        const auto found = entered.find(entry.name);
        ASSERT_NE(found, entered.end()) << entry.name.toStdString() << " was never entered";
        EXPECT_EQ(found->second, entry.score) << entry.name.toStdString();
    }
    EXPECT_EQ(shown, best) << "no score among the thirty best was lost, and the order holds";
    // Every score above the thirtieth is there by name.
    for (const auto& [name, score] : entered) {
        if (score > best.back()) {
            EXPECT_TRUE(names.count(name)) << name.toStdString() << " scoring " << score;
        }
    }
    RawDatabase raw(db.address());
    EXPECT_LE(raw.value(QStringLiteral("SELECT count(*) FROM \"HighScores\"")).toInt(),
              kTableCount);
    ::testing::Test::RecordProperty("scoresEntered", static_cast<int>(entered.size()));
}

class Classroom : public ::testing::TestWithParam<BackEnd> {
protected:
    TestDatabase db{GetParam()};
    void SetUp() override { SKIP_WITHOUT(db); }
};

TEST_P(Classroom, twentyComputersOnFivePlayersLowerNoProgressAndLoseNoLastChange) {
    const int seconds = qEnvironmentVariableIntValue("PULSADROME_CROWD_SECONDS");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const QStringList codes = mainProgressCodes();
    for (int c = 0; c < kComputers; ++c) {
        ASSERT_NE(columnName(ownColumn(c)), "") << c;
        ASSERT_FALSE(progressReach(Series::Main, columnName(ownColumn(c)))) << c;
    }

    std::vector<RowId> players;
    {
        auto store = db.store();
        ASSERT_TRUE(store->open());
        for (int p = 0; p < kPlayers; ++p) {
            const auto id = store->add(newPlayerRecord(QStringLiteral("Élève %1").arg(p)));
            ASSERT_TRUE(id);
            players.push_back(*id);
        }
    }

    std::mutex mutex; // guards the records below, written after each store
    std::array<std::array<QString, kPlayers>, kComputers> lastStored{};
    std::array<int, kPlayers> furthest{}; // the furthest progress any computer stored
    std::atomic<int> failures{0};
    std::atomic<int> busyRetries{0};
    std::atomic<int> stores{0};
    std::atomic<bool> running{true};
    std::map<QString, qint32> scoresEntered; // every score a computer was told it entered
    std::vector<std::string> problems;
    const auto fail = [&](std::string what) {
        std::lock_guard lock(mutex);
        ++failures;
        if (problems.size() < 10) {
            problems.push_back(std::move(what));
        }
    };

    // A teacher's screen that reads the progress all along: it never sees it go back.
    std::thread watcher([&] {
        auto store = db.store(10000);
        if (!store->open()) {
            fail("the watcher could not open the database");
            return;
        }
        std::array<int, kPlayers> seen{};
        while (running) {
            for (int p = 0; p < kPlayers; ++p) {
                const auto row = store->read(players[p]);
                if (!row) {
                    fail("watcher: " + row.status.message.toStdString());
                    continue;
                }
                const int reach = progressReach(Series::Main, row->jeuBinaire).value_or(-1);
                if (reach < seen[p]) {
                    fail("progress went back for player " + std::to_string(p));
                }
                seen[p] = std::max(seen[p], reach);
            }
        }
    });

    std::vector<std::thread> computers;
    for (int c = 0; c < kComputers; ++c) {
        computers.emplace_back([&, c] {
            std::mt19937 random(static_cast<unsigned>(c + 1));
            auto store = db.store(10000);
            if (const StoreStatus status = store->open(); !status) {
                fail("computer " + std::to_string(c) + ": " + status.message.toStdString());
                return;
            }
            std::optional<ServerScores> scores;
            if (db.onServer()) {
                scores.emplace(db.address(), 10000);
            }
            for (int n = 0;
                 seconds > 0 ? std::chrono::steady_clock::now() < deadline : n < kShortRunStores;
                 ++n) {
                // Each player for a few stores in a row, so that a computer stores over what it
                // read several stores ago while the others wrote.
                const int p = (c + n / 3) % kPlayers;
                if (n % 3 == 0) {
                    if (const StoreStatus status = store->moveTo(players[p]); !status) {
                        fail("computer " + std::to_string(c) + ": " + status.message.toStdString());
                        continue;
                    }
                }
                const QString own = QStringLiteral("c%1-%2").arg(c).arg(n);
                const QString progress = codes[static_cast<int>(random() % codes.size())];
                store->current().text(ownColumn(c)) = own;
                store->current().jeuBinaire = progress;
                StoreStatus status = store->storeCurrent();
                while (status.problem == StoreProblem::Busy) {
                    ++busyRetries;
                    status = store->storeCurrent();
                }
                if (!status) {
                    fail("computer " + std::to_string(c) + ": " + status.message.toStdString());
                    continue;
                }
                ++stores;
                const int reach = *progressReach(Series::Main, progress);
                if (progressReach(Series::Main, store->current().jeuBinaire).value_or(-1) < reach) {
                    fail("a store took the computer's own progress back");
                }
                {
                    std::lock_guard lock(mutex);
                    lastStored[c][p] = own;
                    furthest[p] = std::max(furthest[p], reach);
                }
                if (!scores) {
                    continue;
                }
                // The end of a game: scores spread so that many enter and many ties occur.
                const pulsadrome::play::ScoreEntry entry{
                    own, static_cast<qint32>(random() % 400) * 5 - 150};
                auto entered = scores->enter(kScoreTable, entry, kTableCount);
                while (entered.status.problem == StoreProblem::Busy) {
                    ++busyRetries;
                    entered = scores->enter(kScoreTable, entry, kTableCount);
                }
                if (!entered) {
                    fail("computer " + std::to_string(c) + ": " +
                         entered.status.message.toStdString());
                    continue;
                }
                if (static_cast<int>(entered->table.size()) != kTableCount) {
                    fail("a table of " + std::to_string(entered->table.size()) + " entries");
                }
                std::lock_guard lock(mutex);
                scoresEntered[own] = entry.score;
            }
        });
    }
    for (auto& computer : computers) {
        computer.join();
    }
    running = false;
    watcher.join();
    EXPECT_EQ(failures.load(), 0) << ::testing::PrintToString(problems);
    EXPECT_GE(stores.load(), kComputers * (seconds > 0 ? 1 : kShortRunStores));
    RecordProperty("stores", stores.load());
    RecordProperty("busyRetries", busyRetries.load());

    auto store = db.store();
    ASSERT_TRUE(store->open());
    for (int p = 0; p < kPlayers; ++p) {
        const auto row = store->read(players[p]);
        ASSERT_TRUE(row);
        EXPECT_EQ(progressReach(Series::Main, row->jeuBinaire), furthest[p]) << "player " << p;
        for (int c = 0; c < kComputers; ++c) {
            const QString expected = lastStored[c][p].isEmpty()
                                         ? newPlayerRecord("").text(ownColumn(c))
                                         : lastStored[c][p];
            EXPECT_EQ(row->text(ownColumn(c)), expected) << "player " << p << ", computer " << c;
        }
        EXPECT_EQ(row->nom, QStringLiteral("Élève %1").arg(p));
    }
    if (db.onServer()) {
        expectTheThirtyBest(db, scoresEntered);
    }
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, Classroom, ::testing::Values(BackEnd::File, BackEnd::Server),
                         backEndName);

} // namespace
