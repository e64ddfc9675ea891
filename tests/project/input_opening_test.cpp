// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The opening step of the input readers and the arrays that the support and
// load files share.

#include <gtest/gtest.h>

#include "project/input/InputOpening.h"
#include "suite/Host.h"
#include "suite/SuiteEnvironment.h"
#include "suite/SuiteTools.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

class InputOpening : public testing::Test {
protected:
    InputOpening()
        : environment(host, dir.dir())
        , catalogue(TextCatalogue::DefaultDirectory(), "en")
    { }

    std::string save(const std::string& extension, const std::string& bytes)
    {
        const std::string path = dir.dir() + "SLAB" + extension;
        SaveInputFile(path, bytes);
        return path;
    }

    FileServices services() { return FileServices{environment, tools, catalogue}; }

    test::ScratchDir dir;
    RecordingHost host;
    SuiteEnvironment environment;
    SuiteTools tools;
    TextCatalogue catalogue;
    ListFileSlot slot;
    InputArrays data;

    SupportFileP61 p61{"t", {{1, "a1", "a2", "a3"}, {2, "b1", "b2", "b3"}}, {{1, 2}}};
    SupportFileP71 p71{"t", {{11, "x1", "x2"}, {12, "y1", "y2"}}};
    SupportFileP31 p31{"t", {{100, 21, {"F", "0.5", "F"}}, {101, 22, {"1", "F", "2"}}}, {{1, 2}}};
};

TEST_F(InputOpening, LaterSupportAndLoadFilesReplaceTheSharedArrays)
{
    auto files = services();
    ASSERT_EQ(ReadSupportFileP61(files, slot, save(".P61", WriteSupportFileP61(p61)), 2, nullptr, data), 0);
    ASSERT_EQ(ReadSupportFileP71(files, slot, save(".P71", WriteSupportFileP71(p71)), 2, nullptr, data), 0);
    ASSERT_EQ(ReadSupportFileP31(files, slot, save(".P31", WriteSupportFileP31(p31)), 2, nullptr, data), 0);
    const SupportData& s = data.Supports;
    EXPECT_EQ(s.ItemNumbers, (std::vector<std::int16_t>{21, 22}));
    EXPECT_EQ(s.Texts1, (std::vector<std::string>{"x1", "y1"}));
    EXPECT_EQ(s.Texts2, (std::vector<std::string>{"F", "1"}));
    EXPECT_EQ(s.Texts3, (std::vector<std::string>{"a3", "b3"}));
    EXPECT_EQ(s.KeptNumbers, (std::vector<std::int16_t>{100, 101}));
    EXPECT_EQ(s.Conditions2, (std::vector<std::string>{"0.5", "F"}));
    EXPECT_EQ(s.Conditions3, (std::vector<std::string>{"F", "2"}));
    EXPECT_EQ(s.Pairs, (std::vector<std::array<std::int16_t, 2>>{{1, 2}}));
    EXPECT_EQ(data.Points, (std::vector<PointXY>{{1, 2}}));
    EXPECT_FALSE(slot.IsOpen());
    EXPECT_TRUE(host.errors.empty());
    // A .PC1 replaces the point list of the .P31.
    LoadFilePC1 pc1;
    pc1.Points = {{5, 6}, {7, 8}};
    ASSERT_EQ(ReadLoadFilePC1(files, slot, save(".PC1", WriteLoadFilePC1(pc1)), 2, nullptr, data), 0);
    EXPECT_EQ(data.Points, pc1.Points);
    EXPECT_EQ(data.PC1, pc1); // read through the step of the record files
    EXPECT_EQ(environment.CurrentFileName(), dir.dir() + "SLAB.PC1");
}

TEST_F(InputOpening, CorruptOrMissingFileLeavesTheArraysAsTheyWere)
{
    auto s = services();
    ASSERT_EQ(ReadSupportFileP71(s, slot, save(".P71", WriteSupportFileP71(p71)), 2, nullptr, data), 0);
    const std::string path = save(".P31", "title\r\n1,0\r\nx7,2\r\na\r\nb\r\nc\r\n");
    EXPECT_EQ(ReadSupportFileP31(s, slot, path, 2, nullptr, data), -1);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find(path + ", line 3"), std::string::npos) << host.errors[0];
    EXPECT_FALSE(slot.IsOpen());
    EXPECT_EQ(data.Supports.ItemNumbers, (std::vector<std::int16_t>{11, 12}));
    EXPECT_TRUE(data.Supports.KeptNumbers.empty());
    // A missing file aborts the run, again with the arrays as they were.
    EXPECT_EQ(ReadSupportFileP61(s, slot, dir.dir() + "SLAB.P61", 2, nullptr, data), -1);
    EXPECT_EQ(tools.RunState(), RunAborted);
    EXPECT_FALSE(slot.IsOpen());
    EXPECT_EQ(data.Supports.ItemNumbers, (std::vector<std::int16_t>{11, 12}));
    // The file number is free again for the next reader.
    EXPECT_EQ(ReadSupportFileP31(s, slot, save(".P31", WriteSupportFileP31(p31)), 2, nullptr, data), 0);
    EXPECT_EQ(data.Supports.ItemNumbers, (std::vector<std::int16_t>{21, 22}));
}

TEST_F(InputOpening, LoadFilesShareTheirFirstList)
{
    auto s = services();
    const LoadFilePCF pcf{"t", {{1, {10, 20, 30}}, {2, {11, 21, 31}}}, {{1, 2, 0.5f}}};
    const LoadFilePCW pcw{"t", {{7, {1.5f, 2.5f}}}};
    ASSERT_EQ(ReadLoadFilePCF(s, slot, save(".PCF", WriteLoadFilePCF(pcf)), 2, nullptr, data), 0);
    ASSERT_EQ(ReadLoadFilePCW(s, slot, save(".PCW", WriteLoadFilePCW(pcw)), 2, nullptr, data), 0);
    EXPECT_EQ(data.Loads.Numbers, (std::vector<std::int16_t>{7}));
    EXPECT_EQ(data.Loads.Values1, (std::vector<float>{1.5f}));
    EXPECT_EQ(data.Loads.Values2, (std::vector<float>{2.5f}));
    EXPECT_EQ(data.Loads.Values3, (std::vector<float>{30, 31}));
    EXPECT_EQ(data.Loads.Groups, pcf.Groups);
}

} // namespace
} // namespace teska
