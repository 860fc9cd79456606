// SPDX-License-Identifier: GPL-3.0-or-later
// The player store on a database server, beside the players file: the time to store one player
// (a setting and a level passed, as the end of a level stores them), median and 99th
// percentile, the time the player choice takes to load with 500 players (open the store, list
// the players, read the first one), on the screens' thread and, as the program starts, on a
// thread of its own (PlayerOpening: then the time the screens' thread spends on it), and the time
// to enter one high score as the end of a game does (on the server: lock, read again, insert, trim;
// in the file: rewrite it).
//
//   player_server_bench [URL]   a postgresql:// URL of a database the bench may fill; without
//                               one it starts the tests' throw-away server for itself
#include "BenchSupport.h"
#include "app/PlayerOpening.h"
#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "app/ServerScores.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace pulsadrome;
using bench::EvenWidths;
using bench::percentile;
using bench::ThrowAwayServer;

namespace {

constexpr int kStores = 400;
constexpr int kClassPlayers = 500;
constexpr int kLoads = 20;
constexpr int kScores = 400;

bool check(const app::StoreStatus& status) {
    if (!status) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(status.message));
    }
    return status.ok();
}

// Measures one back end; `makeStore` gives a new store on the same database each time.
bool measure(const char* title,
             const std::function<std::unique_ptr<app::PlayerStore>()>& makeStore) {
    auto store = makeStore();
    if (!check(store->open())) {
        return false;
    }
    for (int i = 0; i < kClassPlayers; ++i) {
        const auto id = store->add(app::newPlayerRecord(QStringLiteral("Enfant %1").arg(i + 1)));
        if (!check(id.status)) {
            return false;
        }
    }
    if (!check(store->open())) {
        return false;
    }
    std::vector<double> stores;
    QElapsedTimer timer;
    for (int i = 0; i < kStores; ++i) {
        store->current().volume = QString::number(i % 100);
        store->current().jeuBinaire = QString::number(1 + i % 46);
        timer.start();
        if (!check(store->storeCurrent())) {
            return false;
        }
        stores.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::vector<double> loads;
    std::vector<double> opens;
    std::vector<double> lists;
    for (int i = 0; i < kLoads; ++i) {
        timer.start();
        auto menu = makeStore();
        if (!check(menu->open())) {
            return false;
        }
        const auto opened = timer.nsecsElapsed();
        const auto players = menu->players();
        if (!check(players.status) || static_cast<int>(players->size()) < kClassPlayers) {
            return false;
        }
        const auto loaded = timer.nsecsElapsed();
        loads.push_back(static_cast<double>(loaded) / 1e6);
        opens.push_back(static_cast<double>(opened) / 1e6);
        lists.push_back(static_cast<double>(loaded - opened) / 1e6);
    }
    // The start's way: the open and the list on a thread of their own; the screens' thread only
    // starts it and takes the list.
    std::vector<double> uiTimes;
    std::vector<double> waits;
    for (int i = 0; i < kLoads; ++i) {
        auto menu = makeStore();
        app::PlayerOpening opening(*menu);
        QEventLoop loop;
        double taking = 0;
        std::size_t listed = 0;
        QObject::connect(&opening, &app::PlayerOpening::finished, &loop, [&] {
            QElapsedTimer took;
            took.start();
            const auto players = opening.result();
            listed = players ? players->size() : 0;
            taking = static_cast<double>(took.nsecsElapsed()) / 1e6;
            loop.quit();
        });
        timer.start();
        opening.start();
        const double starting = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        loop.exec();
        waits.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!check(opening.result().status) || static_cast<int>(listed) < kClassPlayers) {
            return false;
        }
        uiTimes.push_back(starting + taking);
    }
    std::printf("%s\n", title);
    std::printf("  store of one player (%d stores): median %.2f ms, 99th percentile %.2f ms\n",
                kStores, percentile(stores, 0.5), percentile(stores, 0.99));
    std::printf("  player list with %d players (open, list, first player; %d loads): median "
                "%.2f ms, 99th percentile %.2f ms\n",
                kClassPlayers, kLoads, percentile(loads, 0.5), percentile(loads, 0.99));
    std::printf("    of which the open (connection, schema, first player): median %.2f ms, 99th "
                "percentile %.2f ms; the list: median %.2f ms, 99th percentile %.2f ms\n",
                percentile(opens, 0.5), percentile(opens, 0.99), percentile(lists, 0.5),
                percentile(lists, 0.99));
    std::printf("  the same on a thread of its own, as the program starts (%d loads): the screens' "
                "thread busy median %.3f ms, 99th percentile %.3f ms; the list there after median "
                "%.2f ms, 99th percentile %.2f ms\n",
                kLoads, percentile(uiTimes, 0.5), percentile(uiTimes, 0.99), percentile(waits, 0.5),
                percentile(waits, 0.99));
    return true;
}

// The end of a game, `kScores` times: each score better than the last, so that each enters the
// table at the top and pushes its last entry out.
bool measureScores(const char* title, play::ScoreKeepers& keepers) {
    const i18n::CaptionTable captions;
    const EvenWidths widths;
    play::HighScoreList list(keepers.keeperOf(QStringLiteral("score1"), captions), widths);
    list.SetListCount(30);
    QStringList items;
    if (const auto status = list.FillScoreList(items); !status.ok()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(status.message));
        return false;
    }
    std::vector<double> entries;
    QElapsedTimer timer;
    for (int i = 0; i < kScores; ++i) {
        timer.start();
        const auto status = list.AddHighScore(items, QStringLiteral("Enfant %1 :").arg(i), i);
        if (!status.ok()) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(status.message));
            return false;
        }
        entries.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%s\n  one high-score entry (%d entries): median %.2f ms, 99th percentile "
                "%.2f ms\n",
                title, kScores, percentile(entries, 0.5), percentile(entries, 0.99));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::optional<ThrowAwayServer> own;
    std::optional<app::ServerAddress> server;
    if (argc > 1) {
        QString why;
        server = app::ServerAddress::parse(QString::fromLocal8Bit(argv[1]), &why);
        if (!server) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(why));
            return 1;
        }
    } else {
        own.emplace();
        server = own->address();
    }

    QTemporaryDir folder;
    const auto directory = app::DataDirectory::open(folder.path());
    if (!directory || !measure("players file (SQLite)",
                               [&] { return std::make_unique<app::PlayerStore>(*directory); })) {
        return 1;
    }
    play::ScoreFiles files(*directory);
    if (!measureScores("high scores in the data folder (Score1.kdt)", files)) {
        return 1;
    }
    if (!server) {
        std::printf("database server: not measured (PostgreSQL's server programs are missing)\n");
        return 0;
    }
    const QString title = QStringLiteral("database server (%1)").arg(server->shown());
    if (!measure(qUtf8Printable(title),
                 [&] { return std::make_unique<app::PlayerStore>(*server); })) {
        return 1;
    }
    app::ServerScores scores(*server);
    return measureScores(
               qUtf8Printable(
                   QStringLiteral("high scores on the database server (%1)").arg(server->shown())),
               scores)
               ? 0
               : 1;
}
