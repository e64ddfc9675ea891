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

// What the writers write, the project reader reads back: the text written
// again from what was read is the text first written, and a few values
// (beyond 16 bits, the smallest, the line load shapes) are checked as read.
TEST(ProjectDataFiles, RoundTripsThroughTheProjectReader)
{
    ScratchDir dir;
    const NodeCoordinates nodes{{0, 1.5f, -2.25f, 1e-7f}, {0, 3.1415927f, 100000, -0.1f}};
    WriteNodeFile(dir.file("P.NOD"), nodes);
    const NodeCoordinates nodesBack = ProjectReader::ReadNodes(dir.file("P"));
    EXPECT_EQ(nodesBack.X, nodes.X);
    EXPECT_EQ(nodesBack.Y, nodes.Y);
    WriteNodeFile(dir.file("E.NOD"), NodeCoordinates{});
    EXPECT_EQ(ProjectReader::ReadNodes(dir.file("E")).NodeCount(), 0u);

    const std::vector<ElementNodes> elements{{4, {1, 2, 3, 4}}, {3, {2, 3, 70000, 0}}, {1, {5, 0, 0, 0}}};
    WriteElementFile(dir.file("P.ELM"), elements);
    const std::vector<ElementNodes> elementsBack = ProjectReader::ReadElements(dir.file("P"));
    EXPECT_EQ(ElementFileText(elementsBack), ElementFileText(elements));
    ASSERT_EQ(elementsBack.size(), 3u);
    EXPECT_EQ(elementsBack[1].Nodes[2], 70000);
    EXPECT_EQ(elementsBack[2].NodeCount, 1);

    SlabData slab{25, 1.25f, -3, 30, 12.5f, -4, 1.2f, {{0.6f, 3.0e7f, 0.2f}, {0.45f, 2.9e7f, 0.15f}}};
    WriteSlabFile(dir.file("P.SLB"), slab);
    const SlabData slabBack = ProjectReader::ReadSlab(dir.file("P"));
    EXPECT_EQ(SlabFileText(slabBack), SlabFileText(slab));
    EXPECT_EQ(slabBack.Hm, 1.2f);
    ASSERT_EQ(slabBack.Regions.size(), 2u);
    EXPECT_EQ(slabBack.Regions[1].PoissonRatio, 0.15f);

    ProjectLoads loads;
    LoadCase dead{"Dead load, walls", 1.35f, true, {{7, -120, 3.5f, 0}, {40000, -1, 0, -2}}, {}};
    LoadCase live{"Live", 1.5f, false, {},
        {{0, 0, 5, 0, 10, 20, LineLoadShape::Linear}, {1, 1, 1, 4, 3, 0, LineLoadShape::Triangle},
            {2, 0, 2, 6, 7, 7, LineLoadShape::Constant}}};
    loads.Cases = {dead, live, LoadCase{}};
    WriteLoadFile(dir.file("P.LDS"), loads);
    const ProjectLoads loadsBack = ProjectReader::ReadLoads(dir.file("P"));
    EXPECT_EQ(LoadFileText(loadsBack), LoadFileText(loads));
    ASSERT_EQ(loadsBack.Cases.size(), 3u);
    EXPECT_EQ(loadsBack.Cases[0].Name, "Dead load, walls");
    EXPECT_TRUE(loadsBack.Cases[0].SlabWeightIncluded);
    EXPECT_EQ(loadsBack.Cases[0].NodeLoads.at(1).Node, 40000);
    ASSERT_EQ(loadsBack.Cases[1].LineLoads.size(), 3u);
    EXPECT_EQ(loadsBack.Cases[1].LineLoads[1].Shape, LineLoadShape::Triangle);
    EXPECT_EQ(loadsBack.Cases[1].LineLoads[0].P2, 20);
    EXPECT_EQ(std::string(LineLoadWord(LineLoadShape::Linear)), "Linear  ");
}

// A line load shape written unquoted and without its padding (the other
// loose forms: text_readers.tsv).
TEST(ProjectDataFiles, LineLoadShapeUnquotedAndUnpadded)
{
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
