// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A workbook of a result table of a million rows (row number and five
// value columns, two number formats), written by the export's workbook
// writer in libxlsxwriter's constant-memory mode.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "export/SheetTable.h"
#include "export/Workbook.h"

namespace {

class MillionRows : public teska::SheetTable {
public:
    std::string Title() const override { return "Bending moments"; }
    std::int32_t ColumnCount() const override { return 6; }
    std::int32_t RowCount() const override { return 1'000'000; }
    std::string Heading(std::int32_t c) const override
    {
        return "Moment\nm" + std::to_string(c) + "\n[kN.m/m]";
    }
    double Value(std::int32_t r, std::int32_t c) const override
    {
        return c == 0 ? r : std::round(std::sin(r * 0.001 + c) * 1000.0) / 10.0;
    }
    std::string Text(std::int32_t r, std::int32_t c) const override { return std::to_string(Value(r, c)); }
    std::string Pattern(std::int32_t c) const override { return c == 0 ? "0" : c < 4 ? "0.0" : "0.00"; }
};

void WriteMillionRowWorkbook(benchmark::State& state)
{
    if (!teska::WorkbookAvailable()) {
        state.SkipWithError("built without libxlsxwriter");
        return;
    }
    const MillionRows table;
    const std::string path = (std::filesystem::temp_directory_path() / "teska-bench.xlsx").string();
    for (auto _ : state)
        teska::WriteWorkbook(path, {teska::WorkbookSheet{&table, {}, {}, {}}});
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::remove(path.c_str());
}
BENCHMARK(WriteMillionRowWorkbook)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
