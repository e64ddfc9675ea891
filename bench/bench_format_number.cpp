// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers formatted per second for the patterns the lists use most.

#include <benchmark/benchmark.h>

#include <random>
#include <string_view>
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

// The lists hold their patterns as strings: no strlen per call.
void formatWith(benchmark::State& state, std::string_view pattern)
{
    const std::vector<float> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(teska::FormatNumber(values[i++ & 4095], pattern));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_OneDecimal(benchmark::State& state)
{
    formatWith(state, "0.0");
}
void BM_TwoDecimals(benchmark::State& state)
{
    formatWith(state, "0.00");
}
void BM_FourDecimals(benchmark::State& state)
{
    formatWith(state, "0.0000");
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
// A pattern that no fast path covers: the general routine.
void BM_Grouping(benchmark::State& state)
{
    formatWith(state, "#,##0.00");
}
// The rows of a list: the pattern looked at once, the text into a reused
// NumberText, no string per number.
void intoRoom(benchmark::State& state, std::string_view text)
{
    const std::vector<float> values = sampleValues();
    const teska::NumberPattern pattern(text);
    teska::NumberText room;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(teska::FormatNumber(values[i++ & 4095], pattern, room).size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_OneDecimalIntoRoom(benchmark::State& state)
{
    intoRoom(state, "0.0");
}
void BM_TwoDecimalsIntoRoom(benchmark::State& state)
{
    intoRoom(state, "0.00");
}
void BM_FourDecimalsIntoRoom(benchmark::State& state)
{
    intoRoom(state, "0.0000");
}
void BM_ExponentIntoRoom(benchmark::State& state)
{
    intoRoom(state, "0000E+00");
}
void BM_EmptyPatternIntoRoom(benchmark::State& state)
{
    intoRoom(state, "");
}

} // namespace

BENCHMARK(BM_OneDecimal);
BENCHMARK(BM_TwoDecimals);
BENCHMARK(BM_FourDecimals);
BENCHMARK(BM_SevenDecimals);
BENCHMARK(BM_Exponent);
BENCHMARK(BM_EmptyPattern);
BENCHMARK(BM_Grouping);
BENCHMARK(BM_OneDecimalIntoRoom);
BENCHMARK(BM_TwoDecimalsIntoRoom);
BENCHMARK(BM_FourDecimalsIntoRoom);
BENCHMARK(BM_ExponentIntoRoom);
BENCHMARK(BM_EmptyPatternIntoRoom);
BENCHMARK_MAIN();
