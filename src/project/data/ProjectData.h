// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The project data that the data list prints and that the calculation
// programs leave beside the project file: node coordinates (.NOD), element
// node numbers (.ELM), slab data (.SLB) and load data (.LDS). All four are
// text files read with the FieldReader; the first line of each is its
// signature. Layouts are in docs/file-formats.md.
//
// Node and element counts are 32-bit (meshes may exceed 32767 nodes); every
// count is checked against the file size before anything is allocated from
// it. Every failure throws FileFormatError naming the file and the line; a
// file that cannot be read throws FileAccessError.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace teska {

class FieldReader;

struct NodeCoordinates {
    std::vector<float> X; // node i is X[i - 1], Y[i - 1]
    std::vector<float> Y;
    std::size_t NodeCount() const { return X.size(); }
};

struct ElementNodes {
    std::int32_t NodeCount = 0; // 1 to 4
    std::array<std::int32_t, 4> Nodes{}; // node numbers from 1; unused ones 0
};

struct SlabRegion {
    float Thickness = 0;
    float ElasticModulus = 0;
    float PoissonRatio = 0;
};

struct SlabData {
    float UnitWeight = 0; // GB
    float Xo = 0; // origin of the slab axes
    float Yo = 0;
    float Beta = 0; // angle of the slab axes, degrees
    float Tk = 0; // temperature at the top (used when the slab mark is "J")
    float Tf = 0; // temperature at the bottom
    float Hm = 0; // mean depth of the foundation
    std::vector<SlabRegion> Regions;
};

// The distribution of a line load along its length.
enum class LineLoadShape { Triangle, Linear, Constant };
// The eight-character word of the shape as the files and lists write it:
// "Triangle", "Linear  ", "Constant".
const char* LineLoadWord(LineLoadShape shape);

struct NodeLoad {
    std::int32_t Node = 0;
    float Pz = 0;
    float Mx = 0;
    float My = 0;
};

struct LineLoad {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    float P1 = 0, P2 = 0; // intensities at the two ends
    LineLoadShape Shape = LineLoadShape::Constant;
};

struct LoadCase {
    std::string Name;
    float Factor = 1;
    bool SlabWeightIncluded = false;
    std::vector<NodeLoad> NodeLoads;
    std::vector<LineLoad> LineLoads;
};

struct ProjectLoads {
    std::vector<LoadCase> Cases;
};

inline constexpr const char* kNodeSignature = "TESKA-NOD";
inline constexpr const char* kElementSignature = "TESKA-ELM";
inline constexpr const char* kSlabSignature = "TESKA-SLB";
inline constexpr const char* kLoadSignature = "TESKA-LDS";

NodeCoordinates ReadNodeFile(FieldReader& in);
std::vector<ElementNodes> ReadElementFile(FieldReader& in);
SlabData ReadSlabFile(FieldReader& in);
ProjectLoads ReadLoadFile(FieldReader& in);

// Writers; throw FileAccessError naming the file, std::invalid_argument for
// data the readers would refuse (mismatched arrays, bad node counts, names
// holding quotes or line ends).
void WriteNodeFile(const std::string& path, const NodeCoordinates& nodes);
void WriteElementFile(const std::string& path, const std::vector<ElementNodes>& elements);
void WriteSlabFile(const std::string& path, const SlabData& slab);
void WriteLoadFile(const std::string& path, const ProjectLoads& loads);

// The file text the writers produce (tests, fuzz seeds).
std::string NodeFileText(const NodeCoordinates& nodes);
std::string ElementFileText(const std::vector<ElementNodes>& elements);
std::string SlabFileText(const SlabData& slab);
std::string LoadFileText(const ProjectLoads& loads);

} // namespace teska
