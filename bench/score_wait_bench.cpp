// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens' thread spends on a school's high-score table: the time its calls take to
// ask for a table or an entry and to show the answer, the waiting for the server being on the
// scores' own thread. Measured with the server answering, frozen (every process stopped: the
// answer does not come), and down while the players' sender knows it (the answer comes at
// once, without a try). Beside it, how long the answer takes to come.
//
//   score_wait_bench   starts the tests' throw-away server for itself
#include "BenchSupport.h"
#include "app/DataDirectory.h"
#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "app/ServerScores.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

using namespace pulsadrome;
using bench::EvenWidths;
using bench::percentile;
using bench::ThrowAwayServer;

namespace {

constexpr int kRounds = 200;
constexpr int kFrozenRounds = 20;

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Figures {
    std::vector<double> screen; // the screens' thread, asking and showing
    std::vector<double> answer; // from asking to the answer
};

void print(const char* what, const Figures& figures) {
    std::printf("  %-46s screens' thread: median %.3f ms, 99th percentile %.3f ms, longest "
                "%.3f ms; answer after median %.2f ms\n",
                what, percentile(figures.screen, 0.5), percentile(figures.screen, 0.99),
                *std::max_element(figures.screen.begin(), figures.screen.end()),
                percentile(figures.answer, 0.5));
}

// A table asked for and shown, `rounds` times; `before` runs before each, `between` while the
// answer is awaited.
template <typename Before, typename Between>
Figures loads(play::HighScoreList& list, int rounds, Before before, Between between) {
    Figures figures;
    QElapsedTimer timer;
    QElapsedTimer answer;
    for (int i = 0; i < rounds; ++i) {
        QStringList items;
        before();
        answer.start();
        timer.start();
        QFuture<play::KeptTable> table = list.startFill();
        double screen = milliseconds(timer);
        between(table);
        table.waitForFinished();
        figures.answer.push_back(milliseconds(answer));
        timer.start();
        list.showFilled(table.result(), items);
        screen += milliseconds(timer);
        figures.screen.push_back(screen);
    }
    return figures;
}

// An entry shown and handed to the keeper, then its answer shown, `rounds` times.
template <typename Before, typename Between>
Figures entries(play::HighScoreList& list, QStringList& items, int first, int rounds, Before before,
                Between between) {
    Figures figures;
    QElapsedTimer timer;
    QElapsedTimer answer;
    for (int i = first; i < first + rounds; ++i) {
        before();
        answer.start();
        timer.start();
        auto placed = list.placeHighScore(items, QStringLiteral("Enfant %1 :").arg(i), i);
        double screen = milliseconds(timer);
        if (!placed) {
            std::fprintf(stderr, "score %d was not better than the last\n", i);
            continue;
        }
        between(placed->kept);
        placed->kept.waitForFinished();
        figures.answer.push_back(milliseconds(answer));
        timer.start();
        list.showEntered(*placed, placed->kept.result(), items);
        screen += milliseconds(timer);
        figures.screen.push_back(screen);
    }
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ThrowAwayServer server;
    if (!server.address()) {
        std::printf("database server: not measured (PostgreSQL's server programs are missing)\n");
        return 0;
    }
    const app::ServerAddress& address = *server.address();
    QTemporaryDir folder;
    const auto data = app::DataDirectory::open(folder.path());
    if (!data) {
        return 1;
    }
    // The players' store, whose sender knows when the server is down.
    app::PlayerStore store(address);
    store.keepUnsentIn(*data);
    if (const auto opened = store.open(); !opened) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(opened.message));
        return 1;
    }
    if (!store.add(app::newPlayerRecord(QStringLiteral("Zoé"))) || !store.open()) {
        return 1;
    }
    app::ServerScores scores(address);
    scores.watchServer([&store](bool foundUnreachable) {
        if (foundUnreachable) {
            store.serverFoundDown();
        }
        return store.serverKnownDown();
    });
    const i18n::CaptionTable captions;
    const EvenWidths widths;
    play::HighScoreList list(scores.keeperOf(QStringLiteral("score1"), captions), widths);
    list.SetListCount(30);
    QStringList items;
    if (const auto status = list.FillScoreList(items); !status.ok()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(status.message));
        return 1;
    }
    const auto none = [] {};
    const auto nothing = [](const auto&) {};
    const auto freeze = [&] { server.run("freeze"); };
    // The answer comes once the server goes on, after the screens' part was measured.
    const auto thaw = [&](const auto&) {
        QThread::msleep(20);
        server.run("thaw");
    };

    std::printf("high scores on the database server (%s)\n", qUtf8Printable(address.shown()));
    print("server answering: a table", loads(list, kRounds, none, nothing));
    print("server answering: an entry", entries(list, items, 0, kRounds, none, nothing));
    print("server frozen: a table", loads(list, kFrozenRounds, freeze, thaw));
    print("server frozen: an entry", entries(list, items, kRounds, kFrozenRounds, freeze, thaw));

    // Down, and the players' store finds it so.
    server.run("halt");
    store.current().volume = QStringLiteral("3");
    if (!store.storeCurrent() || !store.serverKnownDown()) {
        std::fprintf(stderr, "the players' store did not find the server down\n");
        return 1;
    }
    print("server down, known to the sender: a table", loads(list, kRounds, none, nothing));
    print("server down, known to the sender: an entry",
          entries(list, items, kRounds + kFrozenRounds, kRounds, none, nothing));
    server.run("resume");
    return 0;
}
