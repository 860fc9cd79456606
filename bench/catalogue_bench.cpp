// SPDX-License-Identifier: GPL-3.0-or-later
// What a click on the menu costs: a game's draw, a level start and the unlocking rule.
#include "catalogue/GameStart.h"
#include "catalogue/LevelStart.h"
#include "catalogue/Progress.h"
#include "i18n/CaptionTable.h"

#include <benchmark/benchmark.h>

using namespace pulsadrome;
using namespace pulsadrome::catalogue;

static void drawFourteenFromTheSmallestPool(benchmark::State& state) {
    SeededRandom random(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calcul_niveau(random, 465, 32));
    }
}
BENCHMARK(drawFourteenFromTheSmallestPool);

static void startAGame(benchmark::State& state) {
    SeededRandom random(1);
    MenuHolders holders;
    const GameEntry& game = *findGameByLabel(u"Label46a");
    for (auto _ : state) {
        benchmark::DoNotOptimize(startGame(game, random, holders, false));
    }
}
BENCHMARK(startAGame);

static void startALevel(benchmark::State& state) {
    MenuHolders holders;
    const Level& level = *findLevelByLabel(u"Niveau46");
    const QString title = QStringLiteral("NIVEAU ");
    const QString chrono = QStringLiteral("180");
    for (auto _ : state) {
        benchmark::DoNotOptimize(startLevel(level, title, chrono, holders));
    }
}
BENCHMARK(startALevel);

static void applyFullProgress(benchmark::State& state) {
    const ProgressFields progress{QStringLiteral("46"), QStringLiteral("12"), QStringLiteral("12")};
    for (auto _ : state) {
        LevelLabelStates states;
        states.ApplyProgress(progress);
        benchmark::DoNotOptimize(states.enabledCount());
    }
}
BENCHMARK(applyFullProgress);

static void fillCaptionTable(benchmark::State& state) {
    i18n::CaptionTable table;
    bool german = false;
    for (auto _ : state) {
        table.setCurrentCode(german ? QStringLiteral("allemand") : QStringLiteral("anglais"));
        table.Command_langue_Click();
        german = !german;
    }
}
BENCHMARK(fillCaptionTable);

BENCHMARK_MAIN();
