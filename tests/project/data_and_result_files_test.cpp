// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result files: what the writers refuse, written files read back,
// hand-written files read, and every prefix of a written punching file
// refused while the whole file reads back. The project data files (.NOD,
// .ELM, .SLB, .LDS): round trips through the writers and the project
// reader's addressing, and what the writers refuse (the other faults of
// both: text_readers_test.cpp).

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "project/data/ProjectData.h"
#include "project/io/FieldReader.h"
#include "project/opening/ProjectReader.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"
#include "support/TestSupport.h"

namespace teska::test {
namespace {

FieldReader reader(const std::string& name, const std::string& content)
{
    return FieldReader(name, content);
}

// ---- writers (result and project data files) ----------------------------------

TEST(Writers, RefuseWhatTheReadersWouldRefuse)
{
    ScratchDir dir;
    PunchingFile badType;
    badType.Points = {{1, 0, 0, 2}};
    badType.Types = {{1, 1}};
    badType.Results.resize(1);
    EXPECT_THROW(WritePunchingResults(dir.file("A.PPU"), badType), std::invalid_argument);
    PunchingFile missingResult = badType;
    missingResult.Points[0].Type = 1;
    missingResult.Results.clear();
    EXPECT_THROW(WritePunchingResults(dir.file("A.PPU"), missingResult), std::invalid_argument);
    const float three[] = {1, 2, 3};
    EXPECT_THROW(WriteMatrixFile(dir.file("A.PD1"), 2, three), std::invalid_argument);
    EXPECT_THROW(WriteNodeCountFile(dir.file("A.PL6"), -1), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(dir.file("A.PPU")));
    ExpectAccessErrorNaming(
        dir.file("missing/A.PH1"), [&] { WriteColumnFile(dir.file("missing/A.PH1"), three); });
    // The project data files.
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

// ---- round trips -------------------------------------------------------------

TEST(ResultFileRoundTrip, SinglesComeBackBitForBit)
{
    const float values[] = {0.1f, -1.0f / 3.0f, 1e-38f, std::numeric_limits<float>::max(),
        std::numeric_limits<float>::denorm_min(), 123456.79f, -0.0f};
    ScratchDir dir;
    WriteColumnFile(dir.file("A.PH3"), values);
    FieldReader in = FieldReader::FromFile(dir.file("A.PH3"));
    float back[7] = {};
    ReadColumnValues(in, 7, back, 1);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(std::signbit(back[i]), std::signbit(values[i])) << i;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(back[i], values[i]) << i;

    WriteCountedFile(dir.file("A.PL4"), values);
    FieldReader counted = FieldReader::FromFile(dir.file("A.PL4"));
    const std::vector<float> areas = ReadCountedValues(counted);
    EXPECT_EQ(areas, std::vector<float>(std::begin(values), std::end(values)));
}

// ---- reading hand-written files --------------------------------------------

TEST(ResultFileReading, PunchingPointsTakeTheirTypeAndSkipTheGroups)
{
    // Two points, two types; the first result has one pair, one list of two
    // whole numbers, no quads of the first kind and one of the second.
    FieldReader in = reader("A.PPU",
        "2, 2\n"
        "150, 1, 2, 2\n"
        "90, 3, 4, 1\n"
        "0.3, 0.3\n"
        "0.4, 0.6\n"
        "11, 12, 13, 14, 15, 16\n"
        "1\n 0.1, 0.2\n"
        "1\n 2, 5, 6\n"
        "0\n"
        "1\n 1, 2, 3, 4\n"
        "21, 22, 23, 24, 25, 26\n"
        "0 0 0 0\n");
    const PunchingFile file = ReadPunchingFile(in);
    ASSERT_EQ(file.Points.size(), 2u);
    EXPECT_EQ(file.Points[0].Load, 150.0f);
    EXPECT_EQ(file.Points[0].Type, 2);
    EXPECT_EQ(file.Types[1].SideB, 0.6f);
    EXPECT_EQ(file.Results[0].Rpa, 16.0f);
    EXPECT_EQ(file.Results[1].Qp, 21.0f);
    EXPECT_EQ(file.Results[1].Dp, 25.0f);
    EXPECT_TRUE(file.Results[0].Skipped.Pairs.empty());
}

// ---- bad input ---------------------------------------------------------------

TEST(ResultFileErrors, EveryPrefixOfAPunchingFileFailsCleanly)
{
    PunchingFile punching;
    punching.Points = {{10, 1, 2, 1}, {20, 3, 4, 1}};
    punching.Types = {{0.3f, 0.3f}};
    punching.Results = {{1, 2, 3, 4, 5, 6, {}}, {7, 8, 9, 10, 11, 12, {}}};
    punching.Results[0].Skipped.Pairs = {{1, 2}};
    punching.Results[1].Skipped.Lists = {{1, 2}};
    ScratchDir dir;
    WritePunchingResults(dir.file("A.PPU"), punching);
    const std::string whole = readFile(dir.file("A.PPU"));
    // Cut inside the last number or before it: the reader must fail with a
    // format error, never read garbage or crash.
    const std::size_t lastNeeded = whole.rfind("0\r\n0\r\n");
    ASSERT_NE(lastNeeded, std::string::npos);
    for (std::size_t cut = 0; cut <= lastNeeded + 3; ++cut) {
        FieldReader in = reader("A.PPU", whole.substr(0, cut));
        EXPECT_THROW(ReadPunchingFile(in), FileFormatError) << "cut at " << cut;
    }
    FieldReader in = reader("A.PPU", whole);
    EXPECT_EQ(ReadPunchingFile(in).Results[1].Rpa, 12.0f);
}

// ---- project data files (.NOD, .ELM, .SLB, .LDS) -------------------------------

// The stored files of tests/data/project/data (P: nodes, elements, slab and
// loads; E: no nodes) read through the project reader and written again
// come back byte for byte; a few values (beyond 16 bits, the smallest, the
// line load shapes) are checked as read.
TEST(ProjectDataFiles, StoredFilesReadThroughTheProjectReaderAndWrittenAgain)
{
    const std::string p = dataPath("project/data/P");
    EXPECT_EQ(NodeFileText(ProjectReader::ReadNodes(p)), readFile(p + ".NOD"));
    EXPECT_EQ(ProjectReader::ReadNodes(dataPath("project/data/E")).NodeCount(), 0u);
    const std::vector<ElementNodes> elements = ProjectReader::ReadElements(p);
    EXPECT_EQ(ElementFileText(elements), readFile(p + ".ELM"));
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[1].Nodes[2], 70000);
    EXPECT_EQ(elements[2].NodeCount, 1);
    const SlabData slab = ProjectReader::ReadSlab(p);
    EXPECT_EQ(SlabFileText(slab), readFile(p + ".SLB"));
    EXPECT_EQ(slab.Hm, 1.2f);
    ASSERT_EQ(slab.Regions.size(), 2u);
    EXPECT_EQ(slab.Regions[1].PoissonRatio, 0.15f);
    const ProjectLoads loads = ProjectReader::ReadLoads(p);
    EXPECT_EQ(LoadFileText(loads), readFile(p + ".LDS"));
    ASSERT_EQ(loads.Cases.size(), 3u);
    EXPECT_EQ(loads.Cases[0].Name, "Dead load, walls");
    EXPECT_TRUE(loads.Cases[0].SlabWeightIncluded);
    EXPECT_EQ(loads.Cases[0].NodeLoads.at(1).Node, 40000);
    ASSERT_EQ(loads.Cases[1].LineLoads.size(), 3u);
    EXPECT_EQ(loads.Cases[1].LineLoads[1].Shape, LineLoadShape::Triangle);
    EXPECT_EQ(loads.Cases[1].LineLoads[0].P2, 20);
    EXPECT_EQ(std::string(LineLoadWord(LineLoadShape::Linear)), "Linear  ");
}

// A line load shape written unquoted and without its padding (the other
// loose forms: text_readers.tsv).
TEST(ProjectDataFiles, LineLoadShapeUnquotedAndUnpadded)
{
    FieldReader l("H.LDS", "TESKA-LDS\n1\nCase 1,1,#FALSE#,0,1\n0,0,1,0,2,2,Linear\n");
    EXPECT_EQ(ReadLoadFile(l).Cases[0].LineLoads[0].Shape, LineLoadShape::Linear);
}

TEST(ProjectDataFiles, ProjectReaderNamesMissingFiles)
{
    ScratchDir dir;
    // The message names the file once, then why it cannot be read.
    EXPECT_EQ(
        ExpectAccessErrorNaming(dir.file("NONE.SLB"), [&] { ProjectReader::ReadSlab(dir.file("NONE")); }),
        dir.file("NONE.SLB") + ": the file does not exist");
    // The extension is appended in upper case: a lower-case file is not it.
    writeFile(dir.file("low.nod"), "TESKA-NOD\r\n0\r\n");
    EXPECT_THROW(ProjectReader::ReadNodes(dir.file("low")), FileAccessError);
}

} // namespace
} // namespace teska::test
