// SPDX-License-Identifier: GPL-3.0-or-later
// The answer log's growth: a class of 30 children playing 200 days, 100 answers a day each,
// written as the program writes them (one transaction per run; here one run a child a day), then
// the file's size once closed, the writing time, the time to read and sum up one child, and the
// time the teacher's class table takes to open: summed up by the database (as the table does)
// beside every child's answers read and summed up one by one, and what the screens' thread spends
// on it when it is read on a thread of its own (ClassReading), as the program reads it.
//
//   answer_log_bench [folder]     (a temporary folder by default; the database is left there)
#include "answers/Confusions.h"
#include "app/ClassTable.h"
#include "app/PlayerOpening.h"
#include "app/PlayerStore.h"
#include "catalogue/Levels.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

using namespace pulsadrome;

namespace {

constexpr int kChildren = 30;
constexpr int kDays = 200;
constexpr int kAnswersPerDay = 100;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    temporary.setAutoRemove(argc <= 1);
    const auto directory = app::DataDirectory::open(folder);
    if (!directory) {
        std::fprintf(stderr, "The folder %s cannot be used.\n", qUtf8Printable(folder));
        return 1;
    }
    auto store = std::make_unique<app::PlayerStore>(*directory);
    if (const app::StoreStatus status = store->open(); !status) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(status.message));
        return 1;
    }
    std::vector<app::RowId> children;
    for (int i = 0; i < kChildren; ++i) {
        const auto id = store->add(app::newPlayerRecord(QStringLiteral("Enfant %1").arg(i + 1)));
        if (!id) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(id.status.message));
            return 1;
        }
        children.push_back(*id);
    }

    // A school year from September: the children play at school, one after another.
    QRandomGenerator random(20260901);
    const auto& levels = catalogue::levels();
    const qint64 firstDay = 1'788'249'600; // 2026-09-01 00:00 UTC
    QElapsedTimer timer;
    qint64 writing = 0;
    qint64 slowest = 0;
    for (int day = 0; day < kDays; ++day) {
        for (int child = 0; child < kChildren; ++child) {
            const catalogue::Level& level =
                levels[static_cast<std::size_t>(random.bounded(static_cast<int>(levels.size())))];
            const auto rhythmOfLevel = [&] {
                return level.answers[static_cast<std::size_t>(random.bounded(level.rhythmCount()))]
                    .rhythm;
            };
            qint64 at = firstDay + day * 86'400 + 8 * 3600 + child * 600;
            std::vector<answers::AnswerRecord> run;
            run.reserve(kAnswersPerDay);
            for (int i = 0; i < kAnswersPerDay; ++i) {
                const int played = rhythmOfLevel();
                const bool right = random.bounded(100) < 80;
                const int chosen = right ? played : rhythmOfLevel();
                const qint64 ms = 800 + random.bounded(6000);
                at += 2 + ms / 1000;
                run.push_back({children[static_cast<std::size_t>(child)],
                               at,
                               {answers::Activity::Kind::Level, level.code},
                               played,
                               chosen,
                               right || chosen == played,
                               ms,
                               100,
                               23});
            }
            timer.start();
            if (const app::StoreStatus status = store->appendAnswers(run); !status) {
                std::fprintf(stderr, "%s\n", qUtf8Printable(status.message));
                return 1;
            }
            const qint64 took = timer.nsecsElapsed();
            writing += took;
            slowest = std::max(slowest, took);
        }
    }

    timer.start();
    const auto one = store->answersOf(children.front());
    const answers::ChildSummary summary = one ? answers::summarise(*one) : answers::ChildSummary{};
    const double readMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    // The class table, best of three each way.
    double tableMs = 1e9;
    double oneByOneMs = 1e9;
    for (int round = 0; round < 3; ++round) {
        timer.start();
        const auto lines = app::classLines(*store);
        tableMs = std::min(tableMs, static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        std::vector<app::ClassLine> read;
        for (const app::RowId child : children) {
            const auto record = store->read(child);
            const auto answers = store->answersOf(child);
            if (!record || !answers) {
                std::fprintf(stderr, "a child cannot be read\n");
                return 1;
            }
            read.push_back(app::classLine(child, *record, *answers));
        }
        oneByOneMs = std::min(oneByOneMs, static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!lines || *lines != read) {
            std::fprintf(stderr, "the class table's sums differ from the answers read\n");
            return 1;
        }
    }
    // The same as the program reads it: on a thread of its own while the window waits; the
    // screens' thread only starts the reading and takes the lines.
    double screensMs = 1e9;
    double readyMs = 1e9;
    for (int round = 0; round < 3; ++round) {
        app::ClassReading reading(*store);
        QEventLoop loop;
        double taking = 0;
        QObject::connect(&reading, &app::ClassReading::finished, &loop, [&] {
            QElapsedTimer took;
            took.start();
            const auto lines = reading.result();
            taking = static_cast<double>(took.nsecsElapsed()) / 1e6;
            loop.quit();
        });
        timer.start();
        reading.start();
        const double starting = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        loop.exec();
        readyMs = std::min(readyMs, static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!reading.result()) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(reading.result().status.message));
            return 1;
        }
        screensMs = std::min(screensMs, starting + taking);
    }
    const QString file = store->file();
    store.reset(); // the last connection: the write-ahead log goes into the file
    const qint64 bytes = QFileInfo(file).size();
    const qint64 rows = qint64{kChildren} * kDays * kAnswersPerDay;
    const int batches = kChildren * kDays;

    std::printf("answer log: %d children x %d days x %d answers = %lld rows\n", kChildren, kDays,
                kAnswersPerDay, static_cast<long long>(rows));
    std::printf("file size: %.1f MB (%.1f bytes a row), %s\n", static_cast<double>(bytes) / 1e6,
                static_cast<double>(bytes) / static_cast<double>(rows), qUtf8Printable(file));
    std::printf("writing: %.2f s in %d transactions of %d rows: %.2f ms each, slowest %.2f ms\n",
                static_cast<double>(writing) / 1e9, batches, kAnswersPerDay,
                static_cast<double>(writing) / 1e6 / batches, static_cast<double>(slowest) / 1e6);
    std::printf("one child: %zu answers read and summed up in %.1f ms (%zu confused pairs)\n",
                one ? one->size() : std::size_t{0}, readMs, summary.confusedPairs.size());
    std::printf("class table of %d children: %.1f ms summed up by the database, %.1f ms with "
                "every answer read\n",
                kChildren, tableMs, oneByOneMs);
    std::printf("class table read on a thread of its own: the screens' thread busy %.3f ms, the "
                "lines there after %.1f ms\n",
                screensMs, readyMs);
    return 0;
}
