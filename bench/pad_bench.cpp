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
            hub->poll(); // the set-up's notification
            notifications = 0;
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

// Process CPU time over wall time, in percent, while the event loop runs for three seconds.
double cpuPercentOverThreeSeconds() {
    const double cpuStart = processCpuSeconds();
    const double wallStart = wallSeconds();
    QTimer::singleShot(3000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double wall = wallSeconds() - wallStart;
    return wall > 0 ? 100.0 * (processCpuSeconds() - cpuStart) / wall : 0.0;
}

// The hub's own timer polling an idle pad.
void idleHubCpu(benchmark::State& state) {
    IdlePad pad;
    if (!pad.device) {
        state.SkipWithError("no virtual game-pad");
        return;
    }
    double percent = 0;
    for (auto _ : state) {
        percent = cpuPercentOverThreeSeconds();
    }
    state.counters["cpu_percent"] = percent;
    state.counters["poll_ms"] = pad.hub->pollInterval();
    state.counters["notifications"] = pad.notifications;
}
BENCHMARK(idleHubCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The hub with no pad open, only watching for pads plugged in.
void watchingHubCpu(benchmark::State& state) {
    auto hub = input::GamepadHub::open();
    if (!hub) {
        state.SkipWithError("no joystick subsystem");
        return;
    }
    double percent = 0;
    for (auto _ : state) {
        percent = cpuPercentOverThreeSeconds();
    }
    state.counters["cpu_percent"] = percent;
    state.counters["poll_ms"] = hub->pollInterval();
}
BENCHMARK(watchingHubCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// For comparison: an empty timer at the same interval, the cost of waking up alone.
void bareTimerCpu(benchmark::State& state) {
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(input::GamepadHub::kDevicePollMs);
    double percent = 0;
    for (auto _ : state) {
        percent = cpuPercentOverThreeSeconds();
    }
    state.counters["cpu_percent"] = percent;
}
BENCHMARK(bareTimerCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

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
