// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sections of the data list on a tiny project, viewed (target 1: no
// page headers, no title block), so that the text is the section alone
// padded to the page.

#include <algorithm>

#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "run_fixture_test.h"

namespace teska::test {
namespace {

std::string Padding(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += L("");
    return text;
}

class DataSectionTest : public RunTest { };

TEST_F(DataSectionTest, NodeTableListsBothCoordinatesInOneFormatUnderItsHeading)
{
    WriteNodeFile(File(".NOD"), NodeCoordinates{{1.5f, 10.25f, 0.125f}, {-2.0f, 0.0f, 3.0f}});
    WriteElementFile(File(".ELM"), {ElementNodes{3, {1, 2, 3, 0}}});
    ASSERT_EQ(Run(TargetViewData, {90054L}).Outcome, ListRunOutcome::Completed);

    // Name/value rows: label 7, symbol 2, unit 3, value 1: gap 25 -> 8.
    // Table: widths 4, 9, 9; gap (38 - 22) / 2 = 8 -> 6; widths 4, 15, 15.
    const std::string rule = L(Sp(2) + Rep(34, '-'));
    const std::string expected = L("  Nodes") + L("  Count N        Nk [-] = 3")
        + L("  Count E        Ne [-] = 1") + L("  Table N") + rule
        + L("  Node" + Sp(6) + "Coord (x)" + Sp(6) + "Coord (y)")
        + L(Sp(3) + "No." + Sp(14) + "X" + Sp(14) + "Y") + L(Sp(3) + "[-]" + Sp(12) + "[m]" + Sp(12) + "[m]")
        + rule + L(Sp(5) + "1" + Sp(11) + "1.50" + Sp(10) + "-2.00")
        + L(Sp(5) + "2" + Sp(10) + "10.25" + Sp(11) + "0.00")
        + L(Sp(5) + "3" + Sp(11) + "0.13" + Sp(11) + "3.00") + rule + Padding(30 - 13);
    EXPECT_EQ(state.ListText, expected);
}

TEST_F(DataSectionTest, NodeTableUsesTheLengthFactorAndCoordinateSlot)
{
    session->environment.Units().LengthFactor = 100;
    formats.slots[2] = "0";
    WriteNodeFile(File(".NOD"), NodeCoordinates{{0.125f}, {2.0f}});
    WriteElementFile(File(".ELM"), {});
    ASSERT_EQ(Run(TargetViewData, {90054L}).Outcome, ListRunOutcome::Completed);
    const auto lines = SplitLines(state.ListText);
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "13", "200"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"Count", "E", "Ne", "[-]", "=", "0"})) << state.ListText;
}

TEST_F(DataSectionTest, ElementTableHoldsNodeNumbersAndTheNonzeroNumberOfP21)
{
    WriteElementFile(File(".ELM"), {ElementNodes{3, {1, 2, 3, 0}}, ElementNodes{4, {2, 3, 4, 5}}});
    SlabFileP21 slab;
    slab.SlabMark = "N";
    slab.ElementNumbers = {0, 7};
    SaveInputFile(File(".P21"), WriteSlabFileP21(slab));
    ASSERT_EQ(Run(TargetViewData, {90055L}).Outcome, ListRunOutcome::Completed);
    const auto lines = SplitLines(state.ListText);
    EXPECT_EQ(lines.at(0), "  Elements");
    EXPECT_TRUE(HasLineOfWords(lines, {"El", "1.Node", "2.Node", "3.Node", "4.Node", "Mat"}))
        << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "1", "2", "3"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"2", "2", "3", "4", "5", "7"})) << state.ListText;
}

TEST_F(DataSectionTest, SupportsKeepFreeConditionsAndLeaveOutAllFreeItems)
{
    session->environment.Units().Length2Factor = 100;
    SupportFileP61 p61;
    p61.Title = "supports";
    p61.Items = {{11, "a", "F", "c"}, {12, "a", "F", "c"}, {13, "a", "F", "c"}};
    p61.Pairs = {{5, 2}};
    SaveInputFile(File(".P61"), WriteSupportFileP61(p61));
    SupportFileP71 p71;
    p71.Items = {{11, "a", "F"}, {12, "a", "F"}, {13, "a", "F"}};
    SaveInputFile(File(".P71"), WriteSupportFileP71(p71));
    SupportFileP31 p31;
    p31.Items = {{7, 11, {"F", "F", "F"}}, {8, 12, {"0", "F", "0.5"}}, {9, 13, {"0.01", "0", "0"}}};
    p31.Points = {{2, 3}};
    SaveInputFile(File(".P31"), WriteSupportFileP31(p31));

    ASSERT_EQ(Run(TargetViewData, {60005L}).Outcome, ListRunOutcome::Completed) << host.errors.size();
    const auto lines = SplitLines(state.ListText);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "  Supports");
    EXPECT_EQ(Words(lines[1]), (std::vector<std::string>{"Supported", "Na", "[-]", "=", "3"}));
    EXPECT_EQ(lines[2], "  Conditions");
    // The legend rows: label and symbol, no unit and no value.
    EXPECT_EQ(lines[4], "  Free" + Sp(8 + 2) + "w, Theta =  F");
    EXPECT_EQ(lines[5], "  Fixed" + Sp(8 + 1) + "w, Theta =  0");
    EXPECT_EQ(lines[6], "  Spring" + Sp(8) + "w, Theta <> 0");
    EXPECT_EQ(lines[7], "  Area sizes:");
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "2", "3"})) << state.ListText;
    // Item 11 is free in all three conditions: no row. "F" stays, the
    // deflection is in the second length unit, the rotations unscaled.
    EXPECT_TRUE(HasLineOfWords(lines, {"12", "8", "0", "F", ".5"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"13", "9", "1", "0", "0"})) << state.ListText;
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        const auto w = Words(l);
        return !w.empty() && w[0] == "11";
    }));
    EXPECT_TRUE(HasLineOfWords(lines, {"Legend:"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"1=", "Cond", "fix"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"3=", "Cond", "elastic"}));
    // Method 0: the second table has the support columns and no rows.
    EXPECT_FALSE(HasLineOfWords(lines, {"1", "5", "2"})) << state.ListText;
}

TEST_F(DataSectionTest, PlaneFrameSupportsListTheCodePairsOfP61)
{
    project.AnalysisMethod = 21;
    SupportFileP61 p61;
    p61.Items = {{11, "a", "0", "c"}};
    p61.Pairs = {{5, 2}, {6, 3}};
    SaveInputFile(File(".P61"), WriteSupportFileP61(p61));
    SupportFileP71 p71;
    p71.Items = {{11, "a", "0"}};
    SaveInputFile(File(".P71"), WriteSupportFileP71(p71));
    ASSERT_EQ(Run(TargetViewData, {60005L}).Outcome, ListRunOutcome::Completed);
    const auto lines = SplitLines(state.ListText);
    EXPECT_TRUE(HasLineOfWords(lines, {"Node", "Beam", "Cond"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "5", "2"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"2", "6", "3"})) << state.ListText;
}

TEST_F(DataSectionTest, SupportsWithoutP31KeepWhatP71Left)
{
    SupportFileP61 p61;
    p61.Items = {{11, "a", "0", "c"}};
    SaveInputFile(File(".P61"), WriteSupportFileP61(p61));
    SupportFileP71 p71;
    p71.Items = {{11, "a", "F"}};
    SaveInputFile(File(".P71"), WriteSupportFileP71(p71));
    ASSERT_EQ(Run(TargetViewData, {60005L}).Outcome, ListRunOutcome::Completed);
    const auto lines = SplitLines(state.ListText);
    EXPECT_EQ(Words(lines.at(1)), (std::vector<std::string>{"Supported", "Na", "[-]", "=", "1"}));
    // No .P31: the conditions it would add are missing, so no support row.
    EXPECT_FALSE(HasLineOfWords(lines, {"11", "0", "F"}));
}

TEST_F(DataSectionTest, TemperatureLoadsAreANameValueSection)
{
    SaveInputFile(File(".PT1"), WriteTemperatureFilePT1({20.0f, 1.2e-5f}));
    ASSERT_EQ(Run(TargetViewData, {140175L}).Outcome, ListRunOutcome::Completed);
    // Label 9, symbol 5, unit 6, value 7: gap 38 - 27 = 11 -> 8.
    const std::string expected = L("  Temp loads") + L("  Temp diff DT = To - Tu") + L("  To top, Tu bottom")
        + L("  Temp diff" + Sp(8) + "DT" + Sp(3) + " [°C]" + Sp(2) + " = 20")
        + L("  Expansion" + Sp(8) + "AlfaT [1/°C] = 1.2E-05") + Padding(25);
    EXPECT_EQ(state.ListText, expected);
}

TEST_F(DataSectionTest, PileNodesCountTheNodesOfPP1)
{
    SaveInputFile(File(".PP1"), WriteDataFilePP1({{"4", "9", "12"}}));
    ASSERT_EQ(Run(TargetViewData, {60004L}).Outcome, ListRunOutcome::Completed);
    EXPECT_EQ(state.ListText, L("  Piles") + L("  Pile nodes     Nex = 3") + Padding(28));
}

class SlabSectionTest : public DataSectionTest {
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

TEST_F(SlabSectionTest, SlabMarkedJListsItsTemperatures)
{
    WriteSlab("J");
    ASSERT_EQ(Run(TargetViewData, {140176L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    const auto lines = SplitLines(state.ListText);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "  Slab");
    // Unit weight: force over length cubed, [kN/m3].
    EXPECT_EQ(Words(lines[1]), (std::vector<std::string>{"Weight", "GB", "[kN/m3]", "=", "25"}));
    EXPECT_EQ(lines[2], "  Slab and thickness");
    EXPECT_EQ(lines[3], "  Thickness");
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "30000", ".2", ".5"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"Coord", "x", "Xo", "[m]", "=", "1"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"Coord", "y", "Yo", "[m]", "=", "2"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"Angle", "Beta", "[°]", "=", "30"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"Top", "Tk", "[°C]", "=", "10"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"Bottom", "Tf", "[°C]", "=", "5"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"Mean", "depth", "Hm", "[m]", "=", "1.5"}));
}

TEST_F(SlabSectionTest, OtherMarksHaveNoTemperaturesAndMethod15NoAxes)
{
    WriteSlab("N");
    ASSERT_EQ(Run(TargetViewData, {140176L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    auto lines = SplitLines(state.ListText);
    EXPECT_FALSE(HasLineOfWords(lines, {"Top", "Tk", "[°C]", "=", "10"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"Mean", "depth", "Hm", "[m]", "=", "1.5"}));

    project.AnalysisMethod = 15;
    ASSERT_EQ(Run(TargetViewData, {140176L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    lines = SplitLines(state.ListText);
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "30000", ".2", ".5"}));
    EXPECT_FALSE(HasLineOfWords(lines, {"Mean", "depth", "Hm", "[m]", "=", "1.5"}));
}

TEST_F(DataSectionTest, PrescribedSettlementsInTheSecondLengthUnit)
{
    session->environment.Units().Length2Factor = 100;
    SaveInputFile(File(".PV1"), WriteDataFilePV1({{0.5f, 0.25f}}));
    ASSERT_EQ(Run(TargetViewData, {60003L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    const auto lines = SplitLines(state.ListText);
    EXPECT_EQ(lines.at(0), "  Settlement");
    EXPECT_TRUE(HasLineOfWords(lines, {"Node", "Settlement"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "50"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"2", "25"})) << state.ListText;
}

TEST_F(DataSectionTest, BeamsListCrossSectionsThenBeams)
{
    DataFileGL1 gl1;
    gl1.ItemsA = {{1, 2, 1}};
    gl1.ItemsB = {{30000, 12000, 0.001f, 0.002f, 25}};
    gl1.ItemsB2 = {{0, 0}};
    SaveInputFile(File(".GL1"), WriteDataFileGL1(gl1));
    ASSERT_EQ(Run(TargetViewData, {10032L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    const auto lines = SplitLines(state.ListText);
    EXPECT_EQ(lines.at(0), "  Cross-sections");
    EXPECT_EQ(lines.at(1), "  sizes");
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "30000", "12000", ".001", ".002", "25"})) << state.ListText;
    EXPECT_TRUE(HasLineOfWords(lines, {"Beam", "list"}));
    EXPECT_TRUE(HasLineOfWords(lines, {"1", "1", "2", "1"})) << state.ListText;
}

TEST_F(DataSectionTest, BadContentIsReportedAndTheListWrittenWithWhatWasRead)
{
    writeFile(File(".PT1"), "20,abc\r\n");
    EXPECT_EQ(Run(TargetViewData, {140175L}).Outcome, ListRunOutcome::Completed);
    EXPECT_NE(state.ListText.find(" = 20"), std::string::npos) << state.ListText;
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("demo.PT1"), std::string::npos) << host.errors[0];
    EXPECT_FALSE(session->file.IsOpen());
}

} // namespace
} // namespace teska::test
