// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers formatted per second for the patterns the lists use most.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "lists/format/FormatNumber.h"

namespace {

std::vector<float> sampleValues()
{
    std::mt19937 random(42);
    std::uniform_real_distribution<float> value(-5000.0f, 5000.0f);
    std::vector<float> values(4096);
    for (float& v : values)
        v = value(random);
    return values;
}

void formatWith(benchmark::State& state, const char* pattern)
{
    const std::vector<float> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(teska::FormatNumber(values[i++ & 4095], pattern));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_TwoDecimals(benchmark::State& state)
{
    formatWith(state, "0.00");
}
void BM_SevenDecimals(benchmark::State& state)
{
    formatWith(state, "0.0000000");
}
void BM_Exponent(benchmark::State& state)
{
    formatWith(state, "0000E+00");
}
void BM_EmptyPattern(benchmark::State& state)
{
    formatWith(state, "");
}

} // namespace

BENCHMARK(BM_TwoDecimals);
BENCHMARK(BM_SevenDecimals);
BENCHMARK(BM_Exponent);
BENCHMARK(BM_EmptyPattern);
BENCHMARK_MAIN();
