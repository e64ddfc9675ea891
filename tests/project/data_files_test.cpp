// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The project data files (.NOD, .ELM, .SLB, .LDS): round trips through the
// writers, hand-written files, the project reader's addressing, and bad
// input refused with the file and line named before anything is allocated.

#include <gtest/gtest.h>

#include <functional>

#include "project/data/ProjectData.h"
#include "project/io/FieldReader.h"
#include "project/opening/ProjectReader.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using test::ScratchDir;
using test::writeFile;

TEST(ProjectDataFiles, NodesRoundTripThroughTheProjectReader)
{
    ScratchDir dir;
    NodeCoordinates written;
    written.X = {0, 1.5f, -2.25f, 1e-7f};
    written.Y = {0, 3.1415927f, 100000, -0.1f};
    WriteNodeFile(dir.file("P.NOD"), written);
    const NodeCoordinates back = ProjectReader::ReadNodes(dir.file("P"));
    EXPECT_EQ(back.X, written.X);
    EXPECT_EQ(back.Y, written.Y);
    EXPECT_EQ(back.NodeCount(), 4u);

    WriteNodeFile(dir.file("E.NOD"), NodeCoordinates{});
    EXPECT_EQ(ProjectReader::ReadNodes(dir.file("E")).NodeCount(), 0u);
}

TEST(ProjectDataFiles, ElementsRoundTripWithOneToFourNodes)
{
    ScratchDir dir;
    std::vector<ElementNodes> written(3);
    written[0] = {4, {1, 2, 3, 4}};
    written[1] = {3, {2, 3, 70000, 0}}; // node numbers beyond 16 bits
    written[2] = {1, {5, 0, 0, 0}};
    WriteElementFile(dir.file("P.ELM"), written);
    const std::vector<ElementNodes> back = ProjectReader::ReadElements(dir.file("P"));
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i].NodeCount, written[i].NodeCount) << i;
        EXPECT_EQ(back[i].Nodes, written[i].Nodes) << i;
    }
}

TEST(ProjectDataFiles, SlabRoundTripsValuesAndRegions)
{
    ScratchDir dir;
    SlabData written;
    written.UnitWeight = 25;
    written.Xo = 1.25f;
    written.Yo = -3;
    written.Beta = 30;
    written.Tk = 12.5f;
    written.Tf = -4;
    written.Hm = 1.2f;
    written.Regions = {{0.6f, 3.0e7f, 0.2f}, {0.45f, 2.9e7f, 0.15f}};
    WriteSlabFile(dir.file("P.SLB"), written);
    const SlabData back = ProjectReader::ReadSlab(dir.file("P"));
    EXPECT_EQ(back.UnitWeight, 25);
    EXPECT_EQ(back.Xo, 1.25f);
    EXPECT_EQ(back.Yo, -3);
    EXPECT_EQ(back.Beta, 30);
    EXPECT_EQ(back.Tk, 12.5f);
    EXPECT_EQ(back.Tf, -4);
    EXPECT_EQ(back.Hm, 1.2f);
    ASSERT_EQ(back.Regions.size(), 2u);
    EXPECT_EQ(back.Regions[1].Thickness, 0.45f);
    EXPECT_EQ(back.Regions[1].ElasticModulus, 2.9e7f);
    EXPECT_EQ(back.Regions[1].PoissonRatio, 0.15f);
}

TEST(ProjectDataFiles, LoadsRoundTripCasesNodeAndLineLoads)
{
    ScratchDir dir;
    ProjectLoads written;
    LoadCase dead{"Dead load, walls", 1.35f, true, {{7, -120, 3.5f, 0}, {40000, -1, 0, -2}}, {}};
    LoadCase live{"Live", 1.5f, false, {},
        {{0, 0, 5, 0, 10, 20, LineLoadShape::Linear}, {1, 1, 1, 4, 3, 0, LineLoadShape::Triangle},
            {2, 0, 2, 6, 7, 7, LineLoadShape::Constant}}};
    written.Cases = {dead, live, LoadCase{}};
    WriteLoadFile(dir.file("P.LDS"), written);
    const ProjectLoads back = ProjectReader::ReadLoads(dir.file("P"));
    ASSERT_EQ(back.Cases.size(), 3u);
    EXPECT_EQ(back.Cases[0].Name, "Dead load, walls");
    EXPECT_EQ(back.Cases[0].Factor, 1.35f);
    EXPECT_TRUE(back.Cases[0].SlabWeightIncluded);
    ASSERT_EQ(back.Cases[0].NodeLoads.size(), 2u);
    EXPECT_EQ(back.Cases[0].NodeLoads[1].Node, 40000);
    EXPECT_EQ(back.Cases[0].NodeLoads[0].Pz, -120);
    EXPECT_EQ(back.Cases[0].NodeLoads[0].Mx, 3.5f);
    EXPECT_FALSE(back.Cases[1].SlabWeightIncluded);
    ASSERT_EQ(back.Cases[1].LineLoads.size(), 3u);
    EXPECT_EQ(back.Cases[1].LineLoads[0].Shape, LineLoadShape::Linear);
    EXPECT_EQ(back.Cases[1].LineLoads[1].Shape, LineLoadShape::Triangle);
    EXPECT_EQ(back.Cases[1].LineLoads[2].Shape, LineLoadShape::Constant);
    EXPECT_EQ(back.Cases[1].LineLoads[0].X2, 5);
    EXPECT_EQ(back.Cases[1].LineLoads[0].P2, 20);
    EXPECT_TRUE(back.Cases[2].NodeLoads.empty());
    EXPECT_EQ(std::string(LineLoadWord(LineLoadShape::Linear)), "Linear  ");
}

TEST(ProjectDataFiles, HandWrittenFilesInLooserForms)
{
    // LF ends, blanks as separators, several items on one line.
    FieldReader in("H.NOD", "TESKA-NOD\n3\n0 0  1 0\n1 1\n");
    const NodeCoordinates n = ReadNodeFile(in);
    EXPECT_EQ(n.X, (std::vector<float>{0, 1, 1}));
    EXPECT_EQ(n.Y, (std::vector<float>{0, 0, 1}));
    // A line load shape written unquoted and without its padding.
    FieldReader l("H.LDS", "TESKA-LDS\n1\nCase 1,1,#FALSE#,0,1\n0,0,1,0,2,2,Linear\n");
    EXPECT_EQ(ReadLoadFile(l).Cases[0].LineLoads[0].Shape, LineLoadShape::Linear);
}

TEST(ProjectDataFiles, WritersRefuseWhatTheReadersWouldRefuse)
{
    NodeCoordinates uneven;
    uneven.X = {1, 2};
    uneven.Y = {1};
    EXPECT_THROW(NodeFileText(uneven), std::invalid_argument);
    EXPECT_THROW(ElementFileText({ElementNodes{5, {1, 2, 3, 4}}}), std::invalid_argument);
    EXPECT_THROW(ElementFileText({ElementNodes{2, {1, 0, 0, 0}}}), std::invalid_argument);
    ProjectLoads quoted;
    quoted.Cases.push_back(LoadCase{"say \"x\"", 1, false, {}, {}});
    EXPECT_THROW(LoadFileText(quoted), std::invalid_argument);
}

TEST(ProjectDataFiles, ProjectReaderNamesMissingFiles)
{
    ScratchDir dir;
    // The message names the file once, then why it cannot be read.
    EXPECT_EQ(test::ExpectAccessErrorNaming(
                  dir.file("NONE.SLB"), [&] { ProjectReader::ReadSlab(dir.file("NONE")); }),
        dir.file("NONE.SLB") + ": the file does not exist");
    // The extension is appended in upper case: a lower-case file is not it.
    writeFile(dir.file("low.nod"), "TESKA-NOD\r\n0\r\n");
    EXPECT_THROW(ProjectReader::ReadNodes(dir.file("low")), FileAccessError);
}

} // namespace
} // namespace teska
