// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list run: sections one after another with their own first page
// header and end, the cover page, printed pages, abort on a missing file,
// cancel, and the keys a target does not write. The result grid of a viewer
// on a hand-made project of four nodes: the three heading rows, the rows
// left after the all-zero ones are dropped with their former numbers, the
// cell texts in the formats of each key, and the reads that give no grid.
// The sections of the data list on a tiny project, viewed (target 1: no
// page headers, no title block), so that the text is the section alone
// padded to the page.

#include <filesystem>
#include <functional>

#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "project/results/ResultFiles.h"
#include "run_fixture_test.h"

namespace teska::test {
namespace {

class ListRunTest : public RunTest {
protected:
    void WriteSmallFiles()
    {
        SaveInputFile(File(".PT1"), WriteTemperatureFilePT1({20.0f, 1.2e-5f}));
        SaveInputFile(File(".PP1"), WriteDataFilePP1({{"4", "9"}}));
    }
};

TEST_F(ListRunTest, EverySectionHasItsOwnFirstPageHeaderAndEnd)
{
    // The cover page: spacing (30 - 16) / 5 = 2.8 -> 3 empty lines per
    // block, the job block centred as a whole on its widest line (13):
    // indent 12; no page header. The next sections begin on the page raster
    // with pages 1 and 2, each with its title block. Nothing is reported.
    WriteSmallFiles();
    ASSERT_EQ(Run(TargetEditorData, {90045L, 140175L, 60004L}).Outcome, ListRunOutcome::Completed);
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.PageNumber, 2);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(ListRunTest, JobDataFollowTheFirstPageHeaderWhenAsked)
{
    WriteSmallFiles();
    state.PrintJobData = true;
    ASSERT_EQ(Run(TargetEditorData, {60004L}).Outcome, ListRunOutcome::Completed);
    ExpectAsStored(state.ListText);
}

// Each printed section is a print job of its own, after the printer
// settings were applied once; an aborted print run applies them again.
TEST_F(ListRunTest, PrintedSectionsGoToThePrinterOneJobEach)
{
    int printerSetups = 0;
    ListRunRequest request{TargetPrintData, 0L, {60004L}};
    const SectionInputs inputs{*session, project, formats, 0, TargetPrintData};
    ListRunHooks hooks;
    hooks.ApplyPrinterSettings = [&printerSetups] { ++printerSetups; };
    EXPECT_EQ(RunList(inputs, *writer, request, hooks).Outcome, ListRunOutcome::Aborted);
    EXPECT_EQ(printerSetups, 2);
    EXPECT_EQ(sink.calls, "");

    WriteSmallFiles();
    printerSetups = 0;
    request.ChosenLists = {140175L, 60004L};
    ASSERT_EQ(RunList(inputs, *writer, request, hooks).Outcome, ListRunOutcome::Completed);
    EXPECT_EQ(sink.calls, "PEPE");
    EXPECT_EQ(printerSetups, 1);
    // Printed pages are not padded: the second is header 4, title block
    // 7, head 2.
    ASSERT_EQ(sink.printed.size(), 2u);
    ExpectAsStored(sink.printed[0] + sink.printed[1]);
    EXPECT_TRUE(state.ListText.empty());
}

TEST_F(ListRunTest, MissingFileAbortsTheRunNamingItAndKeepsNoText)
{
    // .PP1 of the second section, the mesh of the project reader, .P23 of
    // the design parameters.
    SaveInputFile(File(".PT1"), WriteTemperatureFilePT1({20.0f, 1.2e-5f}));
    const std::pair<std::vector<ListKey>, const char*> cases[]
        = {{{140175L, 60004L}, ".PP1"}, {{90054L}, ".NOD"}, {{90062L}, ".P23"}};
    for (const auto& [keys, file] : cases) {
        host.errors.clear();
        EXPECT_EQ(Run(TargetEditorData, keys).Outcome, ListRunOutcome::Aborted);
        EXPECT_EQ(session->tools.RunState(), RunAborted);
        EXPECT_TRUE(state.ListText.empty());
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_NE(host.errors[0].find(File(file)), std::string::npos) << host.errors[0];
        EXPECT_FALSE(session->file.IsOpen());
    }
}

TEST_F(ListRunTest, CancelWhileASectionOpensEndsTheRun)
{
    WriteSmallFiles();
    host.cancel = &session->tools;
    const ListRunResult result = Run(TargetEditorData, {140175L, 60004L});
    EXPECT_EQ(result.Outcome, ListRunOutcome::Cancelled);
    EXPECT_TRUE(state.ListText.empty());
    EXPECT_TRUE(host.errors.empty());
}

// The result viewer shows tables itself; a result key whose caption is
// empty is skipped without reading; a data key without a section writer is
// reported unavailable.
TEST_F(ListRunTest, TargetsSkipWhatTheyDoNotWrite)
{
    EXPECT_EQ(Run(TargetViewResults, {140L}).Outcome, ListRunOutcome::Completed);
    EXPECT_EQ(Run(TargetEditorResults, {555L}).Outcome, ListRunOutcome::Completed);
    EXPECT_TRUE(state.ListText.empty());
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(session->tools.RunState(), RunCancelled); // 4: the run is over
    const ListRunResult result = Run(TargetEditorData, {140L});
    EXPECT_EQ(result.Outcome, ListRunOutcome::Completed);
    EXPECT_EQ(result.Unavailable, std::vector<ListKey>{ListKey(140L)});
}

// The reader rules through a whole list: a negative count reads no items;
// a fault inside a file is reported once naming the file and the place, the
// file is closed and the run goes on.
TEST_F(ListRunTest, ReaderRulesThroughTheWholeList)
{
    const std::string p71 = WriteSupportFileP71({"t", {{11, "a", "b"}, {12, "c", "d"}}});
    const std::string p31
        = WriteSupportFileP31({"t", {{1, 21, {"F", "0.5", "F"}}, {2, 22, {"1", "2", "3"}}}, {}});
    struct Case {
        const char* name;
        std::vector<ListKey> keys;
        std::function<void()> files;
        std::function<void()> sameAs; // files of a list that must read alike, or none
        std::vector<std::string> shown; // each must be in the text
        std::string error; // the extension of the file the error names, or "" for none
    };
    const Case cases[] = {
        {"NegativeP61CountListsP71AndP31", {60005L},
            [&] {
                SaveInputFile(File(".P61"), "t\r\n-3,0\r\n");
                SaveInputFile(File(".P71"), p71);
                SaveInputFile(File(".P31"), p31);
            },
            [&] { SaveInputFile(File(".P61"), "t\r\n0,0\r\n"); }, {"Supports"}, ""},
        {"NegativePP1CountIsWrittenAsItStands", {60004L}, [&] { SaveInputFile(File(".PP1"), "-1\r\n"); },
            nullptr, {"Nex = -1"}, ""},
        {"PT1EndingEarlyIsReportedAndTheNextSectionWritten", {140175L, 60004L},
            [&] {
                SaveInputFile(File(".PT1"), "15\r\n");
                SaveInputFile(File(".PP1"), WriteDataFilePP1({{"4", "9"}}));
            },
            nullptr, {"Temp loads", "DT    [°C]   = 15", "Nex = 2"}, ".PT1"},
        {"PT1BadNumberKeepsWhatWasRead", {140175L}, [&] { writeFile(File(".PT1"), "20,abc\r\n"); }, nullptr,
            {"DT    [°C]   = 20"}, ".PT1"},
        {"PP1EndingEarlyKeepsItsCount", {60004L}, [&] { SaveInputFile(File(".PP1"), "2\r\n\"a\"\r\n"); },
            nullptr, {"Nex = 2"}, ".PP1"},
    };
    const int firstPage = state.PageNumber;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.errors.clear();
        state.PageNumber = firstPage;
        c.files();
        ASSERT_EQ(Run(TargetEditorData, c.keys).Outcome, ListRunOutcome::Completed);
        const std::string text = state.ListText;
        for (const std::string& part : c.shown)
            EXPECT_NE(text.find(part), std::string::npos) << part << " not in:\n" << text;
        if (c.error.empty()) {
            EXPECT_TRUE(host.errors.empty()) << host.errors.front();
        } else {
            ASSERT_EQ(host.errors.size(), 1u);
            EXPECT_NE(host.errors[0].find(File(c.error)), std::string::npos) << host.errors[0];
            EXPECT_NE(host.errors[0].find("line "), std::string::npos) << host.errors[0];
        }
        EXPECT_FALSE(session->file.IsOpen());
        if (c.sameAs) {
            c.sameAs();
            state.PageNumber = firstPage;
            ASSERT_EQ(Run(TargetEditorData, c.keys).Outcome, ListRunOutcome::Completed);
            EXPECT_EQ(text, state.ListText);
        }
    }
}

// An "RFT" fault ends the reading before .P23: the section is written with
// the values in memory, among them the open project's design code.
TEST_F(ListRunTest, DesignCodeOfTheProjectSurvivesAnRftFault)
{
    project.DesignCode = "EC 2";
    writeFile(
        session->environment.SettingsDirectory() + "RFT", "#FALSE#,1,1,1,1\r\nroh_t  [%]\r\nabc\r\nx\r\n");
    writeFile(File(".P23"), "30,500,5,4,6,3.5\r\nACI\r\n");
    ASSERT_EQ(Run(TargetEditorData, {90062L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("RFT"), std::string::npos) << host.errors[0];
    // EC 2's symbols and built classes (fc and fs were not read: 0).
    for (const char* part : {"fck", "fyk", "C 0/0", "BSt 0"})
        EXPECT_NE(state.ListText.find(part), std::string::npos) << part << " not in:\n" << state.ListText;
    EXPECT_EQ(state.ListText.find("f'c"), std::string::npos);
}

class ResultGridTest : public RunTest {
protected:
    ResultGridTest()
    {
        project.AnalysisMethod = 1;
        WriteNodeCountFile(File(".PL6"), 4);
        // 141: nodes 1 and 3 are zero in both columns.
        WriteColumnFile(File(".PH6"), std::vector<float>{0, 1.5f, 0, -2.25f});
        WriteColumnFile(File(".PH7"), std::vector<float>{0, 0, 0, 3});
        // 142: nodes 2 and 4 are zero.
        WriteColumnFile(File(".H10"), std::vector<float>{0, 0, 7, 0});
        WriteColumnFile(File(".H11"), std::vector<float>{0, 0, 0.5f, 0});
        WriteColumnFile(File(".H12"), std::vector<float>{1, 0, 0, 0});
        // [Ce]: row 2 is zero in columns 1 to 3 (its column 4 does not count).
        WriteMatrixFile(File(".PD1"), 4, std::vector<float>{1, 0, 0, 0, 0, 0, 0, 9, 0, 2, 0, 0, 0, 0, 3, 0});
        WriteColumnFile(File(".PW1"), std::vector<float>{0, 0, 0, 0});
        formats.slots[5] = "0.00"; // 141
        formats.slots[6] = "0.0"; // 142
        formats.slots[17] = "0.0"; // the coefficient tables
    }

    ListProject Project() { return ListProject{*session, project, formats, 0}; }
};

TEST_F(ResultGridTest, HeadingsKeptRowsAndCellTexts)
{
    // 141: nodes 1 and 3 dropped; 142: nodes 2 and 4; [Ce]: row 2, whose
    // column 4 does not count. The grid's text and the kept rows' numbers.
    const ListKey keys[] = {141L, 142L, std::string("Settlement coefficient [Ce]")};
    for (const ListKey& key : keys) {
        SCOPED_TRACE(ListKeyText(key));
        ListProject p = Project();
        const std::optional<ResultGrid> grid = ResultGrid::Read(p, key);
        ASSERT_TRUE(grid.has_value());
        EXPECT_TRUE(host.errors.empty());
        std::string numbers = "rows";
        for (std::int32_t r = 1; r <= grid->RowCount(); ++r)
            numbers += " " + std::to_string(grid->RowNumber(r));
        ExpectAsStored(grid->TabText() + numbers + "\n", ListKeyText(key));
        // The values stay where the dropped rows were squeezed out, with
        // no second copy of the table.
        EXPECT_LE(grid->MemoryBytes(), 4u * 4u * sizeof(float) + 4u * sizeof(std::int32_t));
    }
}

TEST_F(ResultGridTest, TabTextCutsASelection)
{
    ListProject p = Project();
    const std::optional<ResultGrid> grid = ResultGrid::Read(p, 141L);
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(grid->TabText(2, 2, 1, 2, false), "-2.25\t3.00\n");
    EXPECT_EQ(grid->TabText(1, 2, 2, 2, true), "Shear\nQy\n[kN/m]\n0.00\n3.00\n");
}

TEST_F(ResultGridTest, NoGridWhenAFileIsMissingOrEveryRowIsZero)
{
    {
        SCOPED_TRACE("missing file");
        ListProject p = Project();
        EXPECT_FALSE(ResultGrid::Read(p, 90049L).has_value()); // .H13 is not there
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_NE(host.errors[0].find(File(".H13")), std::string::npos) << host.errors[0];
        EXPECT_EQ(session->tools.RunState(), RunAborted);
        EXPECT_FALSE(session->file.IsOpen());
    }
    {
        SCOPED_TRACE("all rows zero");
        ListProject p = Project();
        EXPECT_FALSE(ResultGrid::Read(p, 146L).has_value());
        EXPECT_EQ(host.warnings, std::vector<std::string>{"Pressure: Empty table"});
        EXPECT_EQ(host.errors.size(), 1u);
    }
}

class DataSectionTest : public RunTest {
protected:
    void WriteSlab(const std::string& mark)
    {
        // Unit weight, Xo, Yo, Beta, Tk, Tf, Hm, one region.
        WriteSlabFile(File(".SLB"), SlabData{25, 1, 2, 30, 10, 5, 1.5f, {SlabRegion{0.5f, 30000, 0.2f}}});
        SaveInputFile(File(".P21"), WriteSlabFileP21({0, 0, {}, mark, 0, {}, {}}));
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
                SaveInputFile(File(".P21"), WriteSlabFileP21({0, 0, {}, "N", 0, {}, {0, 7}}));
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
                SaveInputFile(File(".GL1"),
                    WriteDataFileGL1(
                        {"", {{1, 2, 1}}, {{30000, 12000, 0.001f, 0.002f, 25}}, false, {{0, 0}}}));
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
