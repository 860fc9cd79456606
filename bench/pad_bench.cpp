// SPDX-License-Identifier: GPL-3.0-or-later
// What the game-pads cost: the process's CPU while the hub polls an idle pad, and one poll.
#include "input/GamepadHub.h"

#include <QCoreApplication>
#include <QTimer>

#include <SDL.h>

#include <benchmark/benchmark.h>

#include <ctime>

using namespace pulsadrome;

namespace {

double processCpuSeconds() {
    timespec now{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) != 0) {
        return 0.0;
    }
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double wallSeconds() {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0) {
        return 0.0;
    }
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A virtual pad at rest, opened for a player the way the level screen opens one.
struct IdlePad {
    IdlePad() {
        QString error;
        hub = input::GamepadHub::open(&error);
        if (!hub) {
            return;
        }
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 1);
        if (index < 0) {
            return;
        }
        device = hub->openDevice(index, play::kFirstPadMaximum);
        if (device) {
            QObject::connect(device.get(), &input::GamepadDevice::notified,
                             [this] { ++notifications; });
        }
    }
    ~IdlePad() {
        device.reset();
        const int count = SDL_NumJoysticks();
        for (int i = count - 1; i >= 0; --i) {
            if (SDL_JoystickIsVirtual(i) == SDL_TRUE) {
                SDL_JoystickDetachVirtual(i);
            }
        }
    }
    std::unique_ptr<input::GamepadHub> hub;
    std::unique_ptr<input::GamepadDevice> device;
    int notifications = 0;
};

// The hub's own timer for three seconds of an idle pad: the process's CPU time over the wall
// time, in percent.
void idleHubCpu(benchmark::State& state) {
    IdlePad pad;
    if (!pad.device) {
        state.SkipWithError("no virtual game-pad");
        return;
    }
    int polls = 0;
    QObject::connect(pad.device.get(), &input::GamepadDevice::notified, [] {});
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        QTimer counter;
        QObject::connect(&counter, &QTimer::timeout, [&] { ++polls; });
        const double cpuStart = processCpuSeconds();
        const double wallStart = wallSeconds();
        QTimer::singleShot(3000, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        cpu += processCpuSeconds() - cpuStart;
        wall += wallSeconds() - wallStart;
    }
    state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
    state.counters["poll_ms"] = pad.hub->pollInterval();
    state.counters["notifications"] = pad.notifications;
    (void)polls;
}
BENCHMARK(idleHubCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// One poll with one idle pad open: SDL's update, the device list and one reading.
void onePoll(benchmark::State& state) {
    IdlePad pad;
    if (!pad.device) {
        state.SkipWithError("no virtual game-pad");
        return;
    }
    for (auto _ : state) {
        pad.hub->poll();
    }
    state.counters["notifications"] = pad.notifications;
}
BENCHMARK(onePoll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
