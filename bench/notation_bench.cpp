// SPDX-License-Identifier: GPL-3.0-or-later
// What filling a games screen's grid costs: its 14 notation pictures parsed and drawn at 2x
// (466 x 114 each). The whole grid must be drawn within one frame, 16 ms.
#include "catalogue/Games.h"
#include "catalogue/Series.h"
#include "common/Random.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace pulsadrome;

namespace {

constexpr QSize kCellAt2x(466, 114);

QByteArray readPicture(int picture) {
    QFile file(QStringLiteral(PULSADROME_NOTATION_DIR "/%1.svg").arg(picture));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// Parses and draws each picture as a screen does when it fills its grid.
void drawGrid(benchmark::State& state, const std::vector<QByteArray>& pictures) {
    if (std::any_of(pictures.begin(), pictures.end(),
                    [](const QByteArray& p) { return p.isEmpty(); })) {
        state.SkipWithError("a notation picture is missing; run tools/engrave/run.sh");
        return;
    }
    QImage cell(kCellAt2x, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (const QByteArray& picture : pictures) {
            QSvgRenderer renderer(picture);
            cell.fill(Qt::transparent);
            QPainter painter(&cell);
            renderer.render(&painter);
        }
        benchmark::DoNotOptimize(cell.constBits());
    }
}

// A one-player game over the whole main series, drawn as the menu draws it.
void drawAGameGrid(benchmark::State& state) {
    SeededRandom random(7);
    std::vector<QByteArray> pictures;
    for (int rhythm : catalogue::Calcul_niveau(random, 1, 368)) {
        pictures.push_back(readPicture(catalogue::pictureOf(rhythm)));
    }
    drawGrid(state, pictures);
}
BENCHMARK(drawAGameGrid)->Unit(benchmark::kMillisecond);

// The worst case: the 14 busiest pictures of the catalogue (the largest files).
void drawTheBusiestGrid(benchmark::State& state) {
    std::vector<QByteArray> all;
    for (int rhythm = 1; rhythm <= catalogue::kRhythmCount; ++rhythm) {
        all.push_back(readPicture(catalogue::pictureOf(rhythm)));
    }
    std::sort(all.begin(), all.end(),
              [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
    all.resize(catalogue::kGameRhythmCount);
    drawGrid(state, all);
}
BENCHMARK(drawTheBusiestGrid)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
