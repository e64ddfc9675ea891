// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The moments list of 1,000,000 nodes (5 columns, format "0.00") through
// the result section writer, paged with headers and page breaks, against a
// bare loop that formats the same numbers into one text.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "lists/writer/ResultSection.h"
#include "lists/writer/TextMeasure.h"
#include "suite/Host.h"

namespace {

using namespace teska;

constexpr std::int32_t Nodes = 1000000;
constexpr std::int32_t Columns = 5;

std::vector<float> MakeValues()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> value(-500.0f, 500.0f);
    std::vector<float> values(static_cast<std::size_t>(Nodes) * Columns);
    for (float& v : values)
        v = value(random);
    return values;
}

void BareFormatLoop(benchmark::State& run)
{
    const std::vector<float> values = MakeValues();
    for (auto _ : run) {
        std::string text;
        for (std::int32_t r = 0; r < Nodes; ++r) {
            text += std::to_string(r + 1);
            for (std::int32_t c = 0; c < Columns; ++c) {
                const std::string cell
                    = FormatNumber(values[static_cast<std::size_t>(r) * Columns + c], "0.00");
                AppendBlanks(text, 12 - static_cast<std::int64_t>(cell.size()));
                text += cell;
            }
            text += "\r\n";
        }
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BareFormatLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

void MomentsListSection(benchmark::State& run)
{
    const std::string settings = (std::filesystem::temp_directory_path() / "teska-bench-settings/").string();
    std::filesystem::create_directories(settings);
    RecordingHost host;
    SessionOptions options;
    options.settingsDirectory = settings;
    options.language = "en";
    Session session(host, options);

    ColumnDefinition columns;
    columns.ColumnCount = Columns;
    columns.ColumnCaptionIds = {80079L, 90077L, 90077L, 90077L, 145L, 145L};
    columns.ColumnSymbols = {"No.", "mx", "my", "mxy", "mh1", "mh2"};
    columns.ColumnUnits = {std::string("[-]"), 1L, 1L, 1L, 1L, 1L};
    ResultFormats formats;
    formats.valueFormat = "0.00";

    const std::vector<float> original = MakeValues();
    for (auto _ : run) {
        run.PauseTiming();
        std::vector<float> values = original;
        ListState state;
        state.OutputTarget = TargetEditorResults;
        state.CurrentListKey = 140L;
        state.LinesPerPage = 65;
        state.CharsPerLine = 96;
        ListWriter writer(session, state);
        ResultRows rows;
        rows.Values = values;
        rows.RowCount = Nodes;
        rows.ColumnCount = Columns;
        run.ResumeTiming();
        WriteResultSection(writer, rows, columns, formats);
        benchmark::DoNotOptimize(state.ListText.data());
    }
}
BENCHMARK(MomentsListSection)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
