// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sample generator on square meshes: evaluating the slab model on every
// node (BuildSampleProject) and writing the whole project with every input
// and result file (WriteSampleProject), separately, into a scratch folder
// under the system temp dir. Meshes above 3000 nodes have no coefficient
// matrices, so the write is linear in the node count.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "teska-sample/SampleProject.h"

namespace {

teska::sample::SampleOptions Square(benchmark::State& state)
{
    teska::sample::SampleOptions options;
    options.NodesX = static_cast<int>(state.range(0));
    options.NodesY = static_cast<int>(state.range(0));
    return options;
}

void BuildProject(benchmark::State& state)
{
    const teska::sample::SampleOptions options = Square(state);
    for (auto _ : state) {
        teska::sample::SampleProject project = teska::sample::BuildSampleProject(options);
        benchmark::DoNotOptimize(project.NodeColumns.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void WriteProject(benchmark::State& state)
{
    const teska::sample::SampleProject project = teska::sample::BuildSampleProject(Square(state));
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "teska-bench-sample";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "BENCH.PO1").string();
    std::size_t files = 0;
    for (auto _ : state)
        files = teska::sample::WriteSampleProject(project, path).size();
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        bytes += entry.file_size();
    state.counters["files"] = static_cast<double>(files);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
    std::filesystem::remove_all(dir);
}

} // namespace

BENCHMARK(BuildProject)->Arg(100)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteProject)->Arg(100)->Arg(316)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
