// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <stdexcept>

#include "project/data/DataFileSupport.h"
#include "project/data/ProjectData.h"
#include "project/input/InputHelpers.h"
#include "project/io/FieldReader.h"
#include "project/io/WholeFile.h"
#include "suite/Errors.h"

namespace teska {

using data::ReadCount32;
using input::TextBuilder;

namespace {

// The smallest number of fields an item can have, for the count checks.
constexpr long kNodeFields = 2; // x, y
constexpr long kElementFields = 2; // node count and at least one node
constexpr long kRegionFields = 3;
constexpr long kCaseFields = 5; // name, factor, switch, two counts
constexpr long kNodeLoadFields = 4;
constexpr long kLineLoadFields = 7;

std::int32_t Int32Of(std::size_t size, const char* what)
{
    if (size > static_cast<std::size_t>(INT32_MAX))
        throw std::length_error(std::string("too many ") + what + " for a 32-bit count");
    return static_cast<std::int32_t>(size);
}

LineLoadShape ReadShape(FieldReader& in)
{
    const std::size_t line = in.line();
    std::string word = in.ReadString();
    while (!word.empty() && word.back() == ' ')
        word.pop_back();
    if (word == "Triangle")
        return LineLoadShape::Triangle;
    if (word == "Linear")
        return LineLoadShape::Linear;
    if (word == "Constant")
        return LineLoadShape::Constant;
    throw FileFormatError(in.fileName(), line, 0, 0,
        "a line load shape \"Triangle\", \"Linear\" or \"Constant\", not \"" + word + "\"");
}

} // namespace

const char* LineLoadWord(LineLoadShape shape)
{
    switch (shape) {
    case LineLoadShape::Triangle:
        return "Triangle";
    case LineLoadShape::Linear:
        return "Linear  ";
    case LineLoadShape::Constant:
        break;
    }
    return "Constant";
}

NodeCoordinates ReadNodeFile(FieldReader& in)
{
    data::ExpectSignature(in, kNodeSignature);
    const std::int32_t count = ReadCount32(in, "nodes", kNodeFields);
    NodeCoordinates nodes;
    nodes.X.reserve(static_cast<std::size_t>(count));
    nodes.Y.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        nodes.X.push_back(in.ReadSingle());
        nodes.Y.push_back(in.ReadSingle());
    }
    return nodes;
}

std::vector<ElementNodes> ReadElementFile(FieldReader& in)
{
    data::ExpectSignature(in, kElementSignature);
    const std::int32_t count = ReadCount32(in, "elements", kElementFields);
    std::vector<ElementNodes> elements;
    elements.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        ElementNodes element;
        const std::size_t line = in.line();
        element.NodeCount = in.ReadInt32();
        if (element.NodeCount < 1 || element.NodeCount > 4)
            throw FileFormatError(in.fileName(), line, 0, 0,
                "a node count of 1 to 4 for element " + std::to_string(i + 1) + ", not "
                    + std::to_string(element.NodeCount));
        for (std::int32_t k = 0; k < element.NodeCount; ++k) {
            const std::size_t nodeLine = in.line();
            const std::int32_t node = in.ReadInt32();
            if (node < 1)
                throw FileFormatError(in.fileName(), nodeLine, 0, 0,
                    "a node number of at least 1 in element " + std::to_string(i + 1) + ", not "
                        + std::to_string(node));
            element.Nodes[static_cast<std::size_t>(k)] = node;
        }
        elements.push_back(element);
    }
    return elements;
}

SlabData ReadSlabFile(FieldReader& in)
{
    data::ExpectSignature(in, kSlabSignature);
    SlabData slab;
    for (float* value : {&slab.UnitWeight, &slab.Xo, &slab.Yo, &slab.Beta, &slab.Tk, &slab.Tf, &slab.Hm})
        *value = in.ReadSingle();
    const std::int32_t count = ReadCount32(in, "slab regions", kRegionFields);
    slab.Regions.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        SlabRegion region;
        region.Thickness = in.ReadSingle();
        region.ElasticModulus = in.ReadSingle();
        region.PoissonRatio = in.ReadSingle();
        slab.Regions.push_back(region);
    }
    return slab;
}

ProjectLoads ReadLoadFile(FieldReader& in)
{
    data::ExpectSignature(in, kLoadSignature);
    ProjectLoads loads;
    const std::int32_t cases = ReadCount32(in, "load cases", kCaseFields);
    loads.Cases.reserve(static_cast<std::size_t>(cases));
    for (std::int32_t c = 0; c < cases; ++c) {
        LoadCase loadCase;
        loadCase.Name = in.ReadString();
        loadCase.Factor = in.ReadSingle();
        loadCase.SlabWeightIncluded = in.ReadBool();
        const std::int32_t nodeLoads = ReadCount32(in, "node loads", kNodeLoadFields);
        const std::int32_t lineLoads = ReadCount32(in, "line loads", kLineLoadFields);
        // Both counts were checked against the whole file; the loads of all
        // cases together are bounded by reading them, so nothing is reserved.
        for (std::int32_t i = 0; i < nodeLoads; ++i) {
            NodeLoad load;
            const std::size_t line = in.line();
            load.Node = in.ReadInt32();
            if (load.Node < 1)
                throw FileFormatError(in.fileName(), line, 0, 0,
                    "a node number of at least 1, not " + std::to_string(load.Node));
            load.Pz = in.ReadSingle();
            load.Mx = in.ReadSingle();
            load.My = in.ReadSingle();
            loadCase.NodeLoads.push_back(load);
        }
        for (std::int32_t i = 0; i < lineLoads; ++i) {
            LineLoad load;
            for (float* value : {&load.X1, &load.Y1, &load.X2, &load.Y2, &load.P1, &load.P2})
                *value = in.ReadSingle();
            load.Shape = ReadShape(in);
            loadCase.LineLoads.push_back(load);
        }
        loads.Cases.push_back(std::move(loadCase));
    }
    return loads;
}

std::string NodeFileText(const NodeCoordinates& nodes)
{
    if (nodes.X.size() != nodes.Y.size())
        throw std::invalid_argument("node coordinate arrays of different lengths");
    TextBuilder out;
    out.Line(kNodeSignature).Whole(Int32Of(nodes.X.size(), "nodes")).End();
    for (std::size_t i = 0; i < nodes.X.size(); ++i)
        out.Field(nodes.X[i]).Field(nodes.Y[i]).End();
    return out.Take();
}

std::string ElementFileText(const std::vector<ElementNodes>& elements)
{
    TextBuilder out;
    out.Line(kElementSignature).Whole(Int32Of(elements.size(), "elements")).End();
    for (const ElementNodes& element : elements) {
        if (element.NodeCount < 1 || element.NodeCount > 4)
            throw std::invalid_argument("an element with a node count outside 1 to 4");
        out.Whole(element.NodeCount);
        for (std::int32_t k = 0; k < element.NodeCount; ++k) {
            if (element.Nodes[static_cast<std::size_t>(k)] < 1)
                throw std::invalid_argument("an element node number below 1");
            out.Whole(element.Nodes[static_cast<std::size_t>(k)]);
        }
        out.End();
    }
    return out.Take();
}

std::string SlabFileText(const SlabData& slab)
{
    TextBuilder out;
    out.Line(kSlabSignature);
    for (float value : {slab.UnitWeight, slab.Xo, slab.Yo, slab.Beta, slab.Tk, slab.Tf, slab.Hm})
        out.Field(value);
    out.End().Whole(Int32Of(slab.Regions.size(), "slab regions")).End();
    for (const SlabRegion& region : slab.Regions)
        out.Field(region.Thickness).Field(region.ElasticModulus).Field(region.PoissonRatio).End();
    return out.Take();
}

std::string LoadFileText(const ProjectLoads& loads)
{
    TextBuilder out;
    out.Line(kLoadSignature).Whole(Int32Of(loads.Cases.size(), "load cases")).End();
    for (const LoadCase& loadCase : loads.Cases) {
        data::CheckQuotable(loadCase.Name, "a load case name");
        out.Quoted(loadCase.Name)
            .Field(loadCase.Factor)
            .Bool(loadCase.SlabWeightIncluded)
            .Whole(Int32Of(loadCase.NodeLoads.size(), "node loads"))
            .Whole(Int32Of(loadCase.LineLoads.size(), "line loads"))
            .End();
        for (const NodeLoad& load : loadCase.NodeLoads) {
            if (load.Node < 1)
                throw std::invalid_argument("a node load at a node number below 1");
            out.Whole(load.Node).Field(load.Pz).Field(load.Mx).Field(load.My).End();
        }
        for (const LineLoad& load : loadCase.LineLoads)
            out.Field(load.X1)
                .Field(load.Y1)
                .Field(load.X2)
                .Field(load.Y2)
                .Field(load.P1)
                .Field(load.P2)
                .Quoted(LineLoadWord(load.Shape))
                .End();
    }
    return out.Take();
}

void WriteNodeFile(const std::string& path, const NodeCoordinates& nodes)
{
    WriteFileAtomically(path, NodeFileText(nodes));
}

void WriteElementFile(const std::string& path, const std::vector<ElementNodes>& elements)
{
    WriteFileAtomically(path, ElementFileText(elements));
}

void WriteSlabFile(const std::string& path, const SlabData& slab)
{
    WriteFileAtomically(path, SlabFileText(slab));
}

void WriteLoadFile(const std::string& path, const ProjectLoads& loads)
{
    WriteFileAtomically(path, LoadFileText(loads));
}

} // namespace teska
