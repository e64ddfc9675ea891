// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The load case section (90073): the head captions, the table of the .P41
// items and the table of the line loads with their distribution marks, by
// the fixture's units (L factor 2, force factor 10, so a line load
// intensity is multiplied by 10 / 2 = 5).

#include <algorithm>
#include <vector>

#include "project/data/ProjectData.h"
#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

const char* LoadTexts = "90073\tLoads\n90018\tCapA\n90019\tCapB\n90017\tCapC\n16387\tCapD\n160020\tCase\n"
                        "16392\tCapE\n16396\tCapF\n90021\tItems\n10033\tLines\n30044\tKind\n10036\tDist\n";

class LoadsTest : public SectionsTest {
protected:
    LoadsTest() { AddTexts(LoadTexts); }

    void SaveProject()
    {
        SoilFileBAU soil;
        BoringBAU boring;
        boring.Name = "S1";
        boring.Layers = {{3, 8, 16, 0.3f, 0.1f}};
        boring.LayerEntries = {{0.7f, 16}};
        boring.LayerEntries2 = {{30, 2}};
        soil.Borings.push_back(boring);
        Save(".BAU", WriteSoilFileBAU(soil));

        LoadFileP41 items;
        items.Items = {{7, "Dead"}, {12, "Live"}};
        Save(".P41", WriteLoadFileP41(items));

        ProjectLoads loads;
        LoadCase first;
        first.Name = "G";
        first.LineLoads.push_back({0, 0, 3, 4, 2, 4, LineLoadShape::Triangle});
        first.LineLoads.push_back({0, 0, 1, 0, 1, 1, LineLoadShape::Linear});
        LoadCase second;
        second.Name = "Q";
        second.LineLoads.push_back({0, 0, 0, 2, 6, 6, LineLoadShape::Constant});
        loads.Cases = {first, second};
        WriteLoadFile(Path(".LDS"), loads);
    }

    // The line whose words are \p words, or "" when none is.
    static std::string RowOf(const std::vector<std::string>& lines, const std::vector<std::string>& words)
    {
        for (const std::string& line : lines)
            if (Words(line) == words)
                return line;
        return {};
    }
};

TEST_F(LoadsTest, HeadWritesTheCaptionsAroundTheDistributionHeading)
{
    SaveProject();
    const std::vector<std::string> lines = SplitLines(Written(90073));
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "  Loads");
    EXPECT_EQ(lines[1], "  CapA");
    EXPECT_EQ(lines[2], "  CapB");
    EXPECT_EQ(lines[3], "  CapC");
    EXPECT_EQ(lines[4], "  CapD");
    EXPECT_EQ(lines[lines.size() - 2], "  CapE");
    EXPECT_EQ(lines.back(), "  CapF");
    const std::string heading = Written(90073);
    EXPECT_NE(heading.find("Case"), std::string::npos);
    EXPECT_NE(heading.find("Dist I"), std::string::npos);
    EXPECT_NE(heading.find("Dist III"), std::string::npos);
}

TEST_F(LoadsTest, BodyListsTheItemsAndEveryLineLoadWithItsMark)
{
    SaveProject();
    const std::string head = Written(90073);
    const std::string all = Written(90073, true);
    ASSERT_EQ(all.substr(0, head.size()), head);
    const std::vector<std::string> body = SplitLines(all.substr(head.size()));
    ASSERT_GE(body.size(), 2u);
    EXPECT_EQ(body[0], "  Items");
    EXPECT_EQ(body[1], "  Lines");
    // The .P41 items: number and text.
    const std::string dead = RowOf(body, {"1", "7", "Dead"});
    const std::string live = RowOf(body, {"2", "12", "Live"});
    ASSERT_FALSE(dead.empty());
    ASSERT_FALSE(live.empty());
    EXPECT_EQ(dead.size(), live.size()); // right-aligned in the same widths
    // The line loads of both cases: mark, P1 x 5, P2 x 5, length x 2.
    const std::string triangle = RowOf(body, {"1", "I", "10", "20", "10"}); // length 5 from (0,0) to (3,4)
    const std::string linear = RowOf(body, {"2", "II", "5", "5", "2"});
    const std::string constant = RowOf(body, {"3", "III", "30", "30", "4"});
    EXPECT_FALSE(triangle.empty()) << all;
    EXPECT_FALSE(linear.empty()) << all;
    ASSERT_FALSE(constant.empty()) << all;
    EXPECT_EQ(triangle.size(), constant.size());
    EXPECT_EQ(linear.size(), constant.size());
    // The items come before the line loads.
    const auto at
        = [&](const std::string& row) { return std::find(body.begin(), body.end(), row) - body.begin(); };
    EXPECT_LT(at(live), at(triangle));
}

TEST_F(LoadsTest, MissingOrShortFilesAreNamed)
{
    SaveProject();
    std::remove(Path(".P41").c_str());
    std::string message = ErrorText<FileAccessError>([&] { Written(90073); });
    EXPECT_NE(message.find("SLAB.P41"), std::string::npos) << message;

    RecordWriter w;
    w.PutInt16(1, 3); // three items announced, none follows
    w.Save(Path(".P41"));
    message = ErrorText<FileFormatError>([&] { Written(90073); });
    EXPECT_NE(message.find("SLAB.P41"), std::string::npos) << message;

    SaveProject();
    std::remove(Path(".LDS").c_str());
    message = ErrorText<FileAccessError>([&] { Written(90073); });
    EXPECT_NE(message.find("SLAB.LDS"), std::string::npos) << message;

    SaveProject();
    std::remove(Path(".BAU").c_str());
    message = ErrorText<FileAccessError>([&] { Written(90073); });
    EXPECT_NE(message.find("SLAB.BAU"), std::string::npos) << message;
}

} // namespace
} // namespace teska::test
