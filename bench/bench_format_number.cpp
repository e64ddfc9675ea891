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
void Format(benchmark::State& state, std::string_view pattern)
{
    const std::vector<float> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(teska::FormatNumber(values[i++ & 4095], pattern));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

// The rows of a list: the pattern looked at once, the text into a reused
// NumberText, no string per number.
void FormatIntoRoom(benchmark::State& state, std::string_view text)
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

} // namespace

BENCHMARK_CAPTURE(Format, OneDecimal, "0.0");
BENCHMARK_CAPTURE(Format, TwoDecimals, "0.00");
BENCHMARK_CAPTURE(Format, FourDecimals, "0.0000");
BENCHMARK_CAPTURE(Format, SevenDecimals, "0.0000000");
BENCHMARK_CAPTURE(Format, Exponent, "0000E+00");
BENCHMARK_CAPTURE(Format, EmptyPattern, "");
// A pattern that no fast path covers: the general routine.
BENCHMARK_CAPTURE(Format, Grouping, "#,##0.00");
BENCHMARK_CAPTURE(FormatIntoRoom, OneDecimal, "0.0");
BENCHMARK_CAPTURE(FormatIntoRoom, TwoDecimals, "0.00");
BENCHMARK_CAPTURE(FormatIntoRoom, FourDecimals, "0.0000");
BENCHMARK_CAPTURE(FormatIntoRoom, Exponent, "0000E+00");
BENCHMARK_CAPTURE(FormatIntoRoom, EmptyPattern, "");
BENCHMARK_MAIN();
