// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A generated sample project: the slab model of SlabModel.h evaluated on a
// regular mesh, the project options that switch on the lists the chosen
// AnalysisMethod can offer, and every input and result file those lists
// read, written through the engine's own file writers.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "project/input/InputFiles.h"
#include "project/opening/ProjectWriter.h"
#include "project/results/ResultFiles.h"
#include "teska-sample/SlabModel.h"

namespace teska::sample {

// Above this many nodes no coefficient matrices (.PD1, .PD2, .PE1) are
// written and option 9 is 4, which withdraws the coefficient lists.
constexpr std::size_t MaxCoefficientNodes = 3000;

struct SampleOptions {
    int Method = 1; // AnalysisMethod, 1 to 22
    int NodesX = 21; // nodes along x, at least 2
    int NodesY = 15; // nodes along y (plane models: across the thickness)
    int Borings = 3; // 1 to 20
    std::uint32_t Seed = 1;
};

// Plane frame (21) and plane section (22) use the section of the slab
// through the first column line; every other method is the plate.
bool IsPlaneMethod(int method);

// The 13 options of the project file for a method and node count.
std::array<std::int16_t, 13> ProjectOptionsFor(int method, std::size_t nodeCount);

struct SampleProject {
    SampleOptions Options;
    SlabParameters Slab;
    ProjectFileData Project;
    std::array<std::string, 3> JobLines;

    // The mesh: nodes numbered row by row (x fastest), 1-based in the files.
    // For the plane section Y holds the height above the mid-plane.
    std::vector<float> NodeX, NodeY;
    std::vector<std::array<std::int32_t, 4>> Elements; // quadrilaterals
    std::vector<float> NodeArea; // tributary area per node, m2 (plate)

    std::vector<Boring> Borings;
    std::vector<PunchingCheck> Punching; // one per column
    // .GH1: end nodes (1-based) and S1 to S5 (normal force or torsion, the
    // moments at the two ends, the shear forces at the two ends).
    std::vector<BeamRecord> Beams;

    // Column result files: extension -> one value per node.
    std::map<std::string, std::vector<float>> NodeColumns;
    // Counted value files (.QUB, .PW2): extension -> one value per boring.
    std::map<std::string, std::vector<float>> BoringValues;

    bool WriteCoefficients = false;

    std::size_t NodeCount() const { return NodeX.size(); }
};

// Evaluates the model for \p options. Deterministic for a given seed.
// Throws std::invalid_argument for options outside their ranges.
SampleProject BuildSampleProject(const SampleOptions& options);

// Writes the project file \p po1Path (its extension must be .PO1) and all
// its siblings; returns the extensions written, in writing order. Throws
// FileAccessError when a file cannot be written.
std::vector<std::string> WriteSampleProject(const SampleProject& project, const std::string& po1Path);

} // namespace teska::sample
