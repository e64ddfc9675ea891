// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The input and project data files of a generated project read back
// through the engine's readers: the counts and key values are the ones of
// the model (columns, borings, mesh, slab). That every file of every method
// parses, the all-lists test shows.

#include <gtest/gtest.h>

#include <algorithm>

#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "project/results/ResultFiles.h"
#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska::sample {
namespace {

class SampleFilesTest : public ::testing::Test {
protected:
    void Generate(int method)
    {
        SampleOptions options;
        options.Method = method;
        options.NodesX = 6;
        options.NodesY = 4;
        options.Borings = 3;
        project = BuildSampleProject(options);
        written = WriteSampleProject(project, dir.file("F.PO1"));
    }
    FieldReader Text(const char* ext) { return FieldReader::FromFile(dir.file(std::string("F") + ext)); }
    RecordFile Records(const char* ext) { return RecordFile::FromFile(dir.file(std::string("F") + ext)); }
    bool Written(const char* ext) const
    {
        return std::find(written.begin(), written.end(), ext) != written.end();
    }

    test::ScratchDir dir;
    SampleProject project;
    std::vector<std::string> written;
};

TEST_F(SampleFilesTest, MeshAndSlabDataOfThePlate)
{
    Generate(1);
    FieldReader nod = Text(".NOD");
    const NodeCoordinates nodes = ReadNodeFile(nod);
    ASSERT_EQ(nodes.NodeCount(), 24u);
    // Row by row, x fastest: node 7 starts the second row at x = 0.
    EXPECT_EQ(nodes.X[0], 0.0f);
    EXPECT_FLOAT_EQ(nodes.X[5], static_cast<float>(project.Slab.Lx));
    EXPECT_EQ(nodes.X[6], 0.0f);
    EXPECT_FLOAT_EQ(nodes.Y[6], static_cast<float>(project.Slab.Ly / 3.0));
    FieldReader elm = Text(".ELM");
    const std::vector<ElementNodes> elements = ReadElementFile(elm);
    ASSERT_EQ(elements.size(), 15u); // 5 x 3 quadrilaterals
    EXPECT_EQ(elements[0].NodeCount, 4);
    EXPECT_EQ(elements[0].Nodes, (std::array<std::int32_t, 4>{1, 2, 8, 7}));
    EXPECT_EQ(elements[14].Nodes, (std::array<std::int32_t, 4>{17, 18, 24, 23}));
    FieldReader slb = Text(".SLB");
    const SlabData slab = ReadSlabFile(slb);
    ASSERT_EQ(slab.Regions.size(), 1u);
    EXPECT_FLOAT_EQ(slab.Regions[0].Thickness, static_cast<float>(project.Slab.h));
    FieldReader lds = Text(".LDS");
    const ProjectLoads loads = ReadLoadFile(lds);
    ASSERT_EQ(loads.Cases.size(), 1u);
    EXPECT_EQ(loads.Cases[0].NodeLoads.size(), project.Slab.Columns.size());
    for (const NodeLoad& load : loads.Cases[0].NodeLoads) {
        EXPECT_GE(load.Node, 1);
        EXPECT_LE(load.Node, 24);
    }
    const SlabFileP21 p21 = ReadSlabFileP21(Records(".P21"));
    EXPECT_TRUE(p21.MarkedJ());
    EXPECT_EQ(p21.ElementNumbers.size(), 15u);
}

// The values stand where the data list and the pile group summary read
// them; once the generator wrote the soil layers, the beam section and the
// pile results in other orders, and each list printed them under the
// wrong captions.
TEST_F(SampleFilesTest, SoilBeamAndPileValuesInTheOrderTheListsRead)
{
    Generate(1);
    const SoilFileBAU soil = ReadSoilFileBAU(Records(".BAU"));
    EXPECT_FLOAT_EQ(soil.Records1To3[0], 0.2f); // limit-depth coefficient
    const Boring& model = project.Borings[0];
    const BoringBAU& boring = soil.Borings[0];
    ASSERT_EQ(boring.Layers.size(), model.Layers.size());
    double top = 0;
    for (std::size_t j = 0; j < boring.Layers.size(); ++j) {
        const SoilLayer& l = model.Layers[j];
        SCOPED_TRACE("layer " + std::to_string(j + 1));
        // Thickness, Es, E, Nue, Cc; eo, Gama; Fhi, c.
        EXPECT_NEAR(boring.Layers[j][0], l.Bottom - top, 1e-5);
        EXPECT_FLOAT_EQ(boring.Layers[j][1], static_cast<float>(l.Es));
        EXPECT_GT(boring.Layers[j][2], 0.5 * l.Es); // E below Es for nu 0.25..0.35
        EXPECT_LT(boring.Layers[j][2], l.Es);
        EXPECT_FLOAT_EQ(boring.Layers[j][3], static_cast<float>(l.Nu));
        EXPECT_FLOAT_EQ(boring.Layers[j][4], static_cast<float>(l.Cc));
        EXPECT_EQ(boring.LayerEntries[j],
            (std::array<float, 2>{static_cast<float>(l.Eo), static_cast<float>(l.Gamma)}));
        EXPECT_EQ(boring.LayerEntries2[j],
            (std::array<float, 2>{static_cast<float>(l.Phi), static_cast<float>(l.C)}));
        top = l.Bottom;
    }
    // The beam section: E, G, height, width.
    FieldReader gl1 = Text(".GL1");
    const DataFileGL1 beams = ReadDataFileGL1(gl1);
    ASSERT_EQ(beams.ItemsB.size(), 1u);
    EXPECT_FLOAT_EQ(beams.ItemsB[0][0], static_cast<float>(project.Slab.E));
    EXPECT_LT(beams.ItemsB[0][1], beams.ItemsB[0][0]);
    EXPECT_GT(beams.ItemsB[0][2], beams.ItemsB[0][3]); // 1.0 m high, 0.5 m wide
    // Pile results: force = stiffness x head settlement (cm); skin + tip =
    // total; head + (foot - head) = foot.
    FieldReader qp1 = Text(".QP1"), qp2 = Text(".QP2"), qp3 = Text(".QP3");
    const DataFileQP1 shaft = ReadDataFileQP1(qp1);
    EXPECT_LT(shaft.Head[0], 0.0f);
    EXPECT_FLOAT_EQ(shaft.Head[1], 12.0f);
    const DataFileQP2 forces = ReadDataFileQP2(qp2);
    const DataFileQP3 resistances = ReadDataFileQP3(qp3);
    ASSERT_EQ(forces.Items.size(), resistances.Items.size());
    for (std::size_t i = 0; i < forces.Items.size(); ++i) {
        const auto& f = forces.Items[i];
        const auto& r = resistances.Items[i];
        EXPECT_NEAR(f[0], f[2] * f[1] / 100.0f, 1e-3 * f[0]) << "pile " << i + 1;
        EXPECT_NEAR(r[0] + r[1], r[2], 1e-3 * r[2]) << "pile " << i + 1;
        EXPECT_FLOAT_EQ(r[2], f[0]);
        EXPECT_FLOAT_EQ(r[3], f[1]);
        EXPECT_NEAR(r[3] + r[4], r[5], 1e-6) << "pile " << i + 1;
        EXPECT_LT(r[5], r[3]); // the foot settles less than the head
    }
}

TEST_F(SampleFilesTest, SettlementPointAndPunchingFiles)
{
    Generate(3);
    ASSERT_TRUE(Written(".LDH"));
    FieldReader ldh = Text(".LDH"), ld1 = Text(".LD1");
    const DataFileLDH byLayer = ReadDataFileLDH(ldh);
    const DataFileLD1 point = ReadDataFileLD1(ld1);
    // One row per layer of the first boring, in the columns of the
    // settlement summary: depth, SE, SD (the overburden, growing with
    // depth) and SV; the total settlement is the sum of the layers'.
    ASSERT_EQ(point.Rows.size(), project.Borings[0].Layers.size());
    ASSERT_EQ(byLayer.Items.size(), point.Rows.size());
    float sum = 0, overburden = 0;
    for (std::size_t i = 0; i < point.Rows.size(); ++i) {
        const auto& row = point.Rows[i];
        EXPECT_FLOAT_EQ(row[0], static_cast<float>(project.Borings[0].Layers[i].Bottom));
        EXPECT_FLOAT_EQ(row[1], byLayer.Items[i].Values[0]);
        EXPECT_GT(row[2], overburden);
        EXPECT_FLOAT_EQ(row[3], row[2] + 100.0f);
        overburden = row[2];
        sum += byLayer.Items[i].Values[1];
    }
    EXPECT_NEAR(point.EndValues[0], sum, 1e-6);
    // The limit depth is a layer bottom; the degree of consolidation a share.
    EXPECT_TRUE(std::any_of(
        point.Rows.begin(), point.Rows.end(), [&](const auto& row) { return row[0] == point.Value; }));
    ASSERT_FALSE(point.Values.empty());
    EXPECT_GT(point.Values.back(), 0.0f);
    EXPECT_LE(point.Values.back(), 1.0f);
    FieldReader ppu = Text(".PPU");
    const PunchingFile punching = ReadPunchingFile(ppu);
    ASSERT_EQ(punching.Points.size(), project.Slab.Columns.size());
    ASSERT_EQ(punching.Types.size(), project.Slab.Columns.size());
    for (std::size_t i = 0; i < punching.Points.size(); ++i) {
        EXPECT_EQ(punching.Points[i].Type, static_cast<std::int16_t>(i + 1));
        EXPECT_FLOAT_EQ(punching.Types[i].SideA, static_cast<float>(project.Slab.Columns[i].SideA));
        const PunchingResult& r = punching.Results[i];
        EXPECT_NEAR(r.Rpa, r.Qp / project.Punching[i].Resistance * 100.0, 1e-3);
    }
}

TEST_F(SampleFilesTest, PlaneFrameHasBeamsAlongEveryStrip)
{
    Generate(21);
    FieldReader gh1 = Text(".GH1");
    const std::vector<BeamRecord> beams = ReadBeamFile(gh1);
    ASSERT_EQ(beams.size(), 20u); // 4 strips of 5 beams
    EXPECT_EQ(beams[0].Node1, 1);
    EXPECT_EQ(beams[0].Node2, 2);
    EXPECT_EQ(beams[5].Node1, 7);
    // The horizontal load of 20 kN/m runs through the strip as compression.
    for (const BeamRecord& b : beams)
        EXPECT_LT(b.S[0], 0.0f);
    EXPECT_FALSE(Written(".PPU"));
    EXPECT_FALSE(Written(".PL4"));
}

} // namespace
} // namespace teska::sample
