// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The random numbers of the sample generator: SplitMix64, so that a seed
// gives the same project on every platform and standard library (the
// distributions of <random> are not specified bit for bit).

#include <cmath>
#include <cstdint>

namespace teska::sample {

class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    { }

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform in [lo, hi], rounded to a multiple of step: round input values.
    double Step(double lo, double hi, double step) { return std::round(Uniform(lo, hi) / step) * step; }
    // A whole number in [0, n).
    int Below(int n) { return static_cast<int>(Unit() * n); }

private:
    std::uint64_t m_state;
};

} // namespace teska::sample
