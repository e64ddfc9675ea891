// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sections of the data list on a tiny project, viewed (target 1: no
// page headers, no title block), so that the text is the section alone
// padded to the page.

#include <filesystem>
#include <functional>

#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "run_fixture_test.h"

namespace teska::test {
namespace {

class DataSectionTest : public RunTest {
protected:
    void WriteSlab(const std::string& mark)
    {
        SlabData slab;
        slab.UnitWeight = 25;
        slab.Xo = 1;
        slab.Yo = 2;
        slab.Beta = 30;
        slab.Tk = 10;
        slab.Tf = 5;
        slab.Hm = 1.5f;
        slab.Regions = {SlabRegion{0.5f, 30000, 0.2f}};
        WriteSlabFile(File(".SLB"), slab);
        SlabFileP21 p21;
        p21.SlabMark = mark;
        SaveInputFile(File(".P21"), WriteSlabFileP21(p21));
    }
};

// Each section viewed from hand-made files, compared with the text stored
// as DataSectionTest.Sections_<name>.txt.
TEST_F(DataSectionTest, Sections)
{
    const struct {
        const char* name;
        long key;
        std::function<void()> files;
    } cases[] = {
        // Name/value rows: label 7, symbol 2, unit 3, value 1: gap 25 -> 8.
        // Table: widths 4, 9, 9; gap (38 - 22) / 2 = 8 -> 6; widths 4, 15, 15.
        {"NodeTableListsBothCoordinatesInOneFormatUnderItsHeading", 90054L,
            [this] {
                WriteNodeFile(File(".NOD"), NodeCoordinates{{1.5f, 10.25f, 0.125f}, {-2.0f, 0.0f, 3.0f}});
                WriteElementFile(File(".ELM"), {ElementNodes{3, {1, 2, 3, 0}}});
            }},
        {"NodeTableUsesTheLengthFactorAndCoordinateSlot", 90054L,
            [this] {
                session->environment.Units().LengthFactor = 100;
                formats.slots[2] = "0";
                WriteNodeFile(File(".NOD"), NodeCoordinates{{0.125f}, {2.0f}});
                WriteElementFile(File(".ELM"), {});
            }},
        {"ElementTableHoldsNodeNumbersAndTheNonzeroNumberOfP21", 90055L,
            [this] {
                WriteElementFile(
                    File(".ELM"), {ElementNodes{3, {1, 2, 3, 0}}, ElementNodes{4, {2, 3, 4, 5}}});
                SlabFileP21 slab;
                slab.SlabMark = "N";
                slab.ElementNumbers = {0, 7};
                SaveInputFile(File(".P21"), WriteSlabFileP21(slab));
            }},
        // Item 11 is free in all three conditions: no row. "F" stays, the
        // deflection is in the second length unit, the rotations unscaled; the
        // legend rows have label and symbol, no unit and no value. Method 0:
        // the second table has the support columns and no rows.
        {"SupportsKeepFreeConditionsAndLeaveOutAllFreeItems", 60005L,
            [this] {
                session->environment.Units().Length2Factor = 100;
                SupportFileP61 p61{
                    "supports", {{11, "a", "F", "c"}, {12, "a", "F", "c"}, {13, "a", "F", "c"}}, {{5, 2}}};
                SaveInputFile(File(".P61"), WriteSupportFileP61(p61));
                SupportFileP71 p71{"", {{11, "a", "F"}, {12, "a", "F"}, {13, "a", "F"}}};
                SaveInputFile(File(".P71"), WriteSupportFileP71(p71));
                SupportFileP31 p31{"",
                    {{7, 11, {"F", "F", "F"}}, {8, 12, {"0", "F", "0.5"}}, {9, 13, {"0.01", "0", "0"}}},
                    {{2, 3}}};
                SaveInputFile(File(".P31"), WriteSupportFileP31(p31));
            }},
        {"PlaneFrameSupportsListTheCodePairsOfP61", 60005L,
            [this] {
                project.AnalysisMethod = 21;
                SaveInputFile(
                    File(".P61"), WriteSupportFileP61({"", {{11, "a", "0", "c"}}, {{5, 2}, {6, 3}}}));
                SaveInputFile(File(".P71"), WriteSupportFileP71({"", {{11, "a", "0"}}}));
            }},
        // No .P31: the conditions it would add are missing, so no support row.
        {"SupportsWithoutP31KeepWhatP71Left", 60005L,
            [this] {
                SaveInputFile(File(".P61"), WriteSupportFileP61({"", {{11, "a", "0", "c"}}, {}}));
                SaveInputFile(File(".P71"), WriteSupportFileP71({"", {{11, "a", "F"}}}));
            }},
        // Label 9, symbol 5, unit 6, value 7: gap 38 - 27 = 11 -> 8.
        {"TemperatureLoadsAreANameValueSection", 140175L,
            [this] {
                SaveInputFile(File(".PT1"), WriteTemperatureFilePT1({20.0f, 1.2e-5f}));
            }},
        {"PileNodesCountTheNodesOfPP1", 60004L,
            [this] {
                SaveInputFile(File(".PP1"), WriteDataFilePP1({{"4", "9", "12"}}));
            }},
        {"PrescribedSettlementsInTheSecondLengthUnit", 60003L,
            [this] {
                session->environment.Units().Length2Factor = 100;
                SaveInputFile(File(".PV1"), WriteDataFilePV1({{0.5f, 0.25f}}));
            }},
        {"BeamsListCrossSectionsThenBeams", 10032L,
            [this] {
                DataFileGL1 gl1;
                gl1.ItemsA = {{1, 2, 1}};
                gl1.ItemsB = {{30000, 12000, 0.001f, 0.002f, 25}};
                gl1.ItemsB2 = {{0, 0}};
                SaveInputFile(File(".GL1"), WriteDataFileGL1(gl1));
            }},
        // The unit weight is force over length cubed; the temperatures only
        // with the mark "J"; method 15 without the axes and the mean depth.
        {"SlabMarkJ", 140176L, [this] { WriteSlab("J"); }},
        {"SlabMarkN", 140176L, [this] { WriteSlab("N"); }},
        {"SlabMethod15", 140176L, [this] { WriteSlab("N"), project.AnalysisMethod = 15; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : std::filesystem::directory_iterator(projectDir.path()))
            std::filesystem::remove(entry.path());
        session->environment.Units() = UnitSettings{};
        formats = NumberFormats{};
        project.AnalysisMethod = 0;
        c.files();
        ASSERT_EQ(Run(TargetViewData, {c.key}).Outcome, ListRunOutcome::Completed)
            << ::testing::PrintToString(host.errors);
        ExpectAsStored(state.ListText, std::string("_") + c.name);
    }
}

} // namespace
} // namespace teska::test
