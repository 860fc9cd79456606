// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace pulsadrome {

// A source of uniform integers. The program holds one seeded from the clock; tests hold one
// with a fixed seed, so every draw in a test is repeatable.
class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, n). Requires n > 0.
    virtual int below(int n) = 0;
};

// Mersenne twister behind the Random interface; an unbiased bounded draw.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937_64 engine_;
};

// Seeded once from the system's entropy and clock: the program's own source.
std::uint64_t freshSeed();

} // namespace pulsadrome
