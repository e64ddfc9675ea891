// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The load sections of a tiny project. The column load section (140169):
// two column loads with their load areas, one load group, a moment and an
// area load of .PC1 and the load resultant. The load case section (90073):
// the head captions, the .P41 items and the line loads with their
// distribution marks. Fixture units: L factor 2 [m], F factor 10 [kN], so
// kind 0 (F/L2) is 2.5, kind 2 (F.L) 20, kind 4 (F/L) 5, L4 16, L3 8, L2 4;
// a line load intensity is multiplied by 10 / 2 = 5.

#include <cstdio>
#include <functional>

#include "project/data/ProjectData.h"
#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class ColumnLoadsTest : public SectionsTest {
protected:
    ColumnLoadsTest()
    {
        state.LinesPerPage = 200; // the whole section on one page
    }

    void SaveProject(float waterPressure = 0)
    {
        Save(".PCF", WriteLoadFilePCF({"", {{1, {1, 2, 100}}, {2, {3, 0.5f, 50}}}, {{1, 2, 4}}}));
        Save(".PCW", WriteLoadFilePCW({"", {{1, {0.5f, 0.25f}}, {2, {0.4f, 0.3f}}}}));
        Save(".PC1", WriteLoadFilePC1({{}, {{2, 0, 4, 3, 0}}, {}, {{3, 1, 1}}, {}, {}, {}, 0, 0, {}}));
        Save(".PC7", WriteLoadFilePC7({{150, 40, 190, waterPressure, 0, 2, 10, -5, 0.5f, -0.25f}}));
        Save(".PC8", WriteLoadFilePC8({{1, 2, 0, 12, 6}}));
    }
};

TEST_F(ColumnLoadsTest, TinyProjectLineByLine)
{
    SaveProject();
    // Worked out by hand: the column loads (number, P x 10, x and y x 2, gap
    // 6, the axis name in brackets), the load areas (a, b x 2), the legend,
    // block D (Mx x 20; no default symbol or unit), block B (load x 2.5,
    // edges x 2, Pa not 0) and the resultant (label width 17, gap 8).
    ExpectAsStored(Written(140169, true));
}

TEST_F(ColumnLoadsTest, EveryPc1BlockHasItsTableInOrder)
{
    // The moments Mx and My, blocks A, F, C and the combination in this
    // order: E My x 20, A Pl x 5 with its kind and extents x 2, F Ml x 10,
    // C load x 2.5 at x, y, the polyline points (value, x, y).
    SaveProject();
    // Blocks A to F, no shared points, no further count, polylines of at
    // most two points.
    Save(".PC1",
        WriteLoadFilePC1({{{6, 2, 0.5f, 1, 1.5f, 2}}, {{2, 0, 4, 3, 0}}, {{9, {1, 1, 1}}}, {{3, 1, 1}},
            {{4, 1, 2}}, {{1, 3, 0, 1, 2, 3}}, {}, 0, 2, {{{1, 2, 3}, {2, 0, 4}}}}));
    ExpectAsStored(Written(140169, true));
}

TEST_F(ColumnLoadsTest, WaterPressureAndCodeTermsChangeTheResultantLabels)
{
    AddTexts("@term\t1\n");
    SaveProject(5);
    ExpectAsStored(Written(140169, true));
}

TEST_F(ColumnLoadsTest, PlaneFrameListsTheLoadGroupsAndNoPlateLoads)
{
    // Method 21: No., Pv x 10, M x 20 (value 2 has no column), the load
    // group (beam 1, Pd 4 x 5, load kind 2), no plate loads; method 22: Pv
    // and Ph only.
    SaveProject();
    for (const int method : {21, 22}) {
        project.AnalysisMethod = method;
        ExpectAsStored(Written(140169, true), std::to_string(method));
    }
}

TEST_F(ColumnLoadsTest, MissingOrShortFilesAreNamedBeforeAnyLine)
{
    for (const char* extension : {".PCF", ".PCW", ".PC7", ".PC8"}) {
        SaveProject();
        std::remove(Path(extension).c_str());
        state.ListText.clear();
        const std::string message = ErrorText<FileAccessError>([&] { Written(140169, true); });
        EXPECT_NE(message.find(std::string("SLAB") + extension), std::string::npos) << message;
        EXPECT_EQ(state.ListText, "") << extension;
    }

    // A file cut short is reported once, naming it; the section is still
    // written with what was read.
    RecordWriter w;
    w.PutInt16(1, 2); // two items of block A announced, none follows
    const std::pair<const char*, std::function<void()>> cut[] = {{".PC1", [&] { w.Save(Path(".PC1")); }},
        {".PC7", [&] { writeFile(Path(".PC7"), "1, 2, 3\r\n"); }}}; // three values of ten
    for (const auto& [extension, save] : cut) {
        SaveProject();
        save();
        host.errors.clear();
        EXPECT_NE(Written(140169, true), "");
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_NE(host.errors[0].find(std::string("SLAB") + extension), std::string::npos) << host.errors[0];
    }
}

class LoadsTest : public SectionsTest {
protected:
    void SaveProject()
    {
        SoilFileBAU soil;
        soil.Borings = {{.Name = "S1",
            .Layers = {{3, 8, 16, 0.3f, 0.1f}},
            .LayerEntries = {{0.7f, 16}},
            .LayerEntries2 = {{30, 2}}}};
        Save(".BAU", WriteSoilFileBAU(soil));

        Save(".P41", WriteLoadFileP41({{{7, "Dead"}, {12, "Live"}}}));

        // Two load cases of line loads only.
        const std::vector<LineLoad> g
            = {{0, 0, 3, 4, 2, 4, LineLoadShape::Triangle}, {0, 0, 1, 0, 1, 1, LineLoadShape::Linear}};
        const std::vector<LineLoad> q = {{0, 0, 0, 2, 6, 6, LineLoadShape::Constant}};
        WriteLoadFile(Path(".LDS"), ProjectLoads{{{"G", 1, false, {}, g}, {"Q", 1, false, {}, q}}});
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
    RecordWriter cut;
    cut.PutInt16(1, 3); // three items announced, none follows
    const std::pair<const char*, bool> cases[]
        = {{".P41", true}, {".P41", false}, {".LDS", true}, {".BAU", true}};
    for (const auto& [extension, missing] : cases) {
        SaveProject();
        std::remove(Path(extension).c_str());
        auto write = [&] { Written(90073); };
        if (!missing)
            cut.Save(Path(extension));
        const std::string message
            = missing ? ErrorText<FileAccessError>(write) : ErrorText<FileFormatError>(write);
        EXPECT_NE(message.find(std::string("SLAB") + extension), std::string::npos) << message;
    }
}

} // namespace
} // namespace teska::test
