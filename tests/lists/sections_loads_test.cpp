// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The load case section (90073): the head captions, the table of the .P41
// items and the table of the line loads with their distribution marks, by
// the fixture's units (L factor 2, force factor 10, so a line load
// intensity is multiplied by 10 / 2 = 5).

#include "project/data/ProjectData.h"
#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class LoadsTest : public SectionsTest {
protected:
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
};

TEST_F(LoadsTest, BodyListsTheItemsAndEveryLineLoadWithItsMark)
{
    // The head captions around the distribution heading, the .P41 items,
    // then the line loads of both cases: mark, P1 x 5, P2 x 5, length x 2.
    SaveProject();
    const std::string head = Written(90073);
    const std::string all = Written(90073, true);
    EXPECT_EQ(all.substr(0, head.size()), head);
    ExpectAsStored(all);
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
