// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens' thread waits for the players server when it is up and when it is down: the
// longest and the median time of the calls a level's end makes (the record stored, a batch of
// twelve answers written) and of a player read, on a store that keeps what the server cannot
// take (PlayerStore::keepUnsentIn). The server is the tests' throw-away one, stopped with a fast
// shutdown half way and started again; the time the sender then takes to deliver what waited
// is shown too.
//
//   server_outage_bench   needs PostgreSQL's server programs and Qt's driver
#include "app/PlayerStore.h"
#include "app/ServerAddress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

using namespace pulsadrome;

namespace {

constexpr int kRounds = 200;

const QString kScript = QStringLiteral(PULSADROME_SOURCE_DIR "/tests/support/test-postgres.sh");

struct Stalls {
    std::vector<double> store;
    std::vector<double> answers;
    std::vector<double> read;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double percentile99(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[(values.size() * 99) / 100];
}

double longest(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

void print(const char* title, const Stalls& stalls) {
    std::printf("%s\n", title);
    const auto line = [](const char* what, const std::vector<double>& values) {
        std::printf("  %-28s median %.3f ms, 99th percentile %.3f ms, longest %.3f ms\n", what,
                    median(values), percentile99(values), longest(values));
    };
    line("record stored:", stalls.store);
    line("twelve answers written:", stalls.answers);
    line("player read:", stalls.read);
}

std::vector<answers::AnswerRecord> twelveAnswers(app::RowId player, int round) {
    std::vector<answers::AnswerRecord> records;
    for (int i = 0; i < 12; ++i) {
        records.push_back({player, 1760000000 + round * 12 + i,
                           answers::Activity{answers::Activity::Kind::Level, QStringLiteral("7")},
                           49 + i, 49, true, 800, 100, 2});
    }
    return records;
}

double timed(const std::function<void()>& call) {
    QElapsedTimer timer;
    timer.start();
    call();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

Stalls measure(app::PlayerStore& store, app::RowId player, int firstRound) {
    Stalls stalls;
    for (int round = firstRound; round < firstRound + kRounds; ++round) {
        store.current().volume = QString::number(round % 100);
        store.current().jeuBinaire = QString::number(1 + round % 46);
        stalls.store.push_back(timed([&] { store.storeCurrent(); }));
        const auto records = twelveAnswers(player, round);
        stalls.answers.push_back(timed([&] { store.appendAnswers(records); }));
        stalls.read.push_back(timed([&] { (void)store.read(player); }));
    }
    return stalls;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir state;
    if (QProcess::execute(kScript, {QStringLiteral("start"), state.path()}) != 0) {
        std::printf("not measured: PostgreSQL's server programs are missing\n");
        return 0;
    }
    const auto stop = [&] { QProcess::execute(kScript, {QStringLiteral("stop"), state.path()}); };
    QFile file(state.path() + QStringLiteral("/address"));
    std::optional<app::ServerAddress> server;
    if (file.open(QIODevice::ReadOnly)) {
        server = app::ServerAddress::parse(QString::fromUtf8(file.readAll()).trimmed());
    }
    QTemporaryDir folder;
    const auto data = app::DataDirectory::open(folder.path());
    if (!server || !data) {
        stop();
        return 1;
    }
    int result = 0;
    {
        app::PlayerStore store(*server);
        store.keepUnsentIn(*data);
        const auto id = store.open() ? store.add(app::newPlayerRecord(QStringLiteral("Zoé")))
                                     : app::StoreResult<app::RowId>{};
        if (!id || !store.moveTo(*id)) {
            std::fprintf(stderr, "the bench's player cannot be made\n");
            stop();
            return 1;
        }
        print("server up", measure(store, *id, 0));

        QProcess::execute(kScript, {QStringLiteral("halt"), state.path()});
        // The first call after the drop finds the connection gone; the next ones know it.
        store.current().volume = QStringLiteral("1");
        const double first = timed([&] { store.storeCurrent(); });
        print("server down (stopped with a fast shutdown)", measure(store, *id, kRounds));
        std::printf("  first store after the drop:  %.3f ms\n", first);
        std::printf("  changes waiting: %zu\n", store.unsentCount());

        QProcess::execute(kScript, {QStringLiteral("resume"), state.path()});
        QElapsedTimer delivery;
        delivery.start();
        while (store.unsentCount() > 0 && delivery.elapsed() < 120000) {
            QThread::msleep(5);
        }
        if (store.unsentCount() > 0) {
            std::fprintf(stderr, "the waiting changes did not reach the server\n");
            result = 1;
        } else {
            std::printf("server back: everything delivered %.0f ms after the restart (the "
                        "sender's next attempt comes within its wait, 1 s to 15 s)\n",
                        static_cast<double>(delivery.elapsed()));
        }
    }
    stop();
    return result;
}
