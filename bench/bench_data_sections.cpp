// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The node table (90054) and the element table (90055) of the data list for
// 100,000 and 1,000,000 nodes: the list run from the mesh files to the
// paged editor text. The time per node should stay the same at both sizes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <vector>

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/run/ListRun.h"
#include "lists/writer/ListWriter.h"
#include "project/data/ProjectData.h"
#include "project/opening/ProjectState.h"
#include "suite/Host.h"

namespace {

using namespace teska;

// A square-ish mesh of \p nodes nodes and as many four-node elements.
std::string MakeProject(std::int32_t nodes)
{
    const std::filesystem::path dir
        = std::filesystem::temp_directory_path() / ("teska-bench-mesh-" + std::to_string(nodes));
    std::filesystem::create_directories(dir);
    const std::string stem = (dir / "MESH").string();
    if (std::filesystem::exists(stem + ".ELM"))
        return dir.string() + "/";
    std::mt19937 random(11);
    std::uniform_real_distribution<float> coordinate(-250.0f, 250.0f);
    NodeCoordinates mesh;
    mesh.X.resize(static_cast<std::size_t>(nodes));
    mesh.Y.resize(static_cast<std::size_t>(nodes));
    for (std::int32_t i = 0; i < nodes; ++i) {
        mesh.X[static_cast<std::size_t>(i)] = coordinate(random);
        mesh.Y[static_cast<std::size_t>(i)] = coordinate(random);
    }
    WriteNodeFile(stem + ".NOD", mesh);
    std::vector<ElementNodes> elements(static_cast<std::size_t>(nodes));
    for (std::int32_t i = 0; i < nodes; ++i) {
        const std::int32_t n = i + 1;
        elements[static_cast<std::size_t>(i)]
            = ElementNodes{4, {n, n % nodes + 1, (n + 1) % nodes + 1, (n + 2) % nodes + 1}};
    }
    WriteElementFile(stem + ".ELM", elements);
    return dir.string() + "/";
}

void MeshSection(benchmark::State& run, long key)
{
    const auto nodes = static_cast<std::int32_t>(run.range(0));
    ProjectState project;
    project.ProjectDirectory = MakeProject(nodes);
    project.ProjectBaseName = "MESH";
    const std::string settings = (std::filesystem::temp_directory_path() / "teska-bench-settings/").string();
    std::filesystem::create_directories(settings);
    RecordingHost host;
    SessionOptions options;
    options.settingsDirectory = settings;
    options.language = "en";
    Session session(host, options);
    const NumberFormats formats;
    for (auto _ : run) {
        ListState state;
        state.LinesPerPage = 65;
        state.CharsPerLine = 96;
        ListWriter writer(session, state);
        ListRunRequest request;
        request.OutputTarget = TargetEditorData;
        request.ChosenLists = {key};
        const SectionInputs inputs{session, project, formats, 0, TargetEditorData};
        const ListRunResult result = RunList(inputs, writer, request);
        if (result.Outcome != ListRunOutcome::Completed)
            run.SkipWithError("the list run did not complete");
        benchmark::DoNotOptimize(state.ListText.data());
    }
    run.SetItemsProcessed(run.iterations() * nodes);
}

void NodeTable(benchmark::State& run)
{
    MeshSection(run, 90054L);
}
void ElementTable(benchmark::State& run)
{
    MeshSection(run, 90055L);
}
BENCHMARK(NodeTable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ElementTable)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
