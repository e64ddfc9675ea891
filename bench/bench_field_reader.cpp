// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Values and bytes per second through the sequential field reader, on text
// laid out as the solver's result files are: a million numbers, five to a
// line, blank-separated, CRLF line ends. Each iteration builds the reader
// from the text (the UTF-8 check and copy included, as a file read has them)
// and reads every value.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "project/io/FieldReader.h"

namespace {

constexpr int ValueCount = 1000000;
constexpr int ValuesPerLine = 5;

std::string singlesText()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> mantissa(-9.99, 9.99);
    std::uniform_int_distribution<int> exponent(-6, 4);
    std::string text;
    text.reserve(ValueCount * 16);
    char buffer[32];
    for (int i = 0; i < ValueCount; ++i) {
        std::snprintf(buffer, sizeof buffer, " %13.6E", mantissa(random) * std::pow(10.0, exponent(random)));
        text += buffer;
        if (i % ValuesPerLine == ValuesPerLine - 1)
            text += "\r\n";
    }
    return text;
}

std::string wholesText()
{
    std::mt19937 random(11);
    std::uniform_int_distribution<std::int32_t> node(1, 2000000);
    std::string text;
    text.reserve(ValueCount * 9);
    for (int i = 0; i < ValueCount; ++i) {
        text += ' ';
        text += std::to_string(node(random));
        if (i % ValuesPerLine == ValuesPerLine - 1)
            text += "\r\n";
    }
    return text;
}

template <typename Read> void readAll(benchmark::State& state, const std::string& text, Read read)
{
    for (auto _ : state) {
        teska::FieldReader reader("BENCH.TXT", text);
        for (int i = 0; i < ValueCount; ++i)
            benchmark::DoNotOptimize(read(reader));
    }
    state.SetItemsProcessed(state.iterations() * ValueCount);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_Singles(benchmark::State& state)
{
    const std::string text = singlesText();
    readAll(state, text, [](teska::FieldReader& reader) { return reader.ReadSingle(); });
}

void BM_Int32(benchmark::State& state)
{
    const std::string text = wholesText();
    readAll(state, text, [](teska::FieldReader& reader) { return reader.ReadInt32(); });
}

// The same singles read from a file on disk, so the whole-file read counts.
void BM_SinglesFromFile(benchmark::State& state)
{
    const std::string text = singlesText();
    const std::string path = (std::filesystem::temp_directory_path() / "teska-bench-singles.txt").string();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    } else {
        state.SkipWithError("cannot write the temporary file");
        return;
    }
    for (auto _ : state) {
        teska::FieldReader reader = teska::FieldReader::FromFile(path);
        for (int i = 0; i < ValueCount; ++i)
            benchmark::DoNotOptimize(reader.ReadSingle());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * ValueCount);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

} // namespace

BENCHMARK(BM_Singles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Int32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SinglesFromFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
