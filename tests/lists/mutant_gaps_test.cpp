// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults that no other test caught: a result table's columns written with
// the number format its key chooses and node numbers as whole numbers, the
// lists offered on one switch, the spring table's units.

#include "lists/run_fixture_test.h"

#include "lists/choice/ListCandidates.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "lists/run/ResultTableSection.h"
#include "project/input/InputFiles.h"
#include "project/results/ResultFiles.h"

namespace teska::test {
namespace {

struct FormatCase {
    long key;
    std::vector<float> row;
    std::vector<std::string> words; // the written row: its number, then the cells
};

class ResultColumnFormats : public WriterTest, public ::testing::WithParamInterface<FormatCase> { };

TEST_P(ResultColumnFormats, EachColumnTakesTheFormatOfItsKey)
{
    // Slot n shows n decimals: a cell's text tells which slot formatted it;
    // the empty format writes 1.5 as it is.
    for (std::size_t slot = 1; slot <= 9; ++slot)
        formats.slots[slot] = "0." + std::string(slot, '0');
    const FormatCase& c = GetParam();
    std::vector<float> values = c.row; // the rows are compacted in place
    ResultRows rows;
    rows.Values = values;
    rows.ColumnCount = static_cast<std::int32_t>(c.row.size());
    rows.RowCount = 1;
    ColumnDefinition columns; // headings wide enough for every cell
    columns.ColumnCount = rows.ColumnCount;
    columns.ColumnSymbols.assign(c.row.size() + 1, std::string(12, 'x'));
    ASSERT_TRUE(WriteResultSection(*writer, rows, columns, ResultFormatsFor(formats, c.key)));
    EXPECT_TRUE(HasLineOfWords(SplitLines(state.ListText), c.words)) << state.ListText;
}

INSTANTIATE_TEST_SUITE_P(Keys, ResultColumnFormats,
    ::testing::Values(
        // Plane frame deflections u, v in slot 2, the rotation plain.
        FormatCase{90046, {1.5f, 1.5f, 1.5f}, {"1", "1.50", "1.50", "1.5"}},
        FormatCase{139, {1.5f, 1.5f, 1.5f}, {"1", "1.50", "1.5", "1.5"}},
        FormatCase{90048, {1.5f, 1.5f}, {"1", "1.50", "1.500"}},
        // Beam lists: the two end nodes as whole numbers, then the values.
        FormatCase{160010, {3, 17, 1.5f}, {"1", "3", "17", "1.5000"}},
        FormatCase{160008, {3, 17, 1.5f, 1.5f}, {"1", "3", "17", "1.5000", "1.5000"}},
        FormatCase{160009, {3, 17, 1.5f, 1.5f}, {"1", "3", "17", "1.50000", "1.50000"}},
        FormatCase{80006, {3, 17, 1.5f, 1.5f}, {"1", "3", "17", "1.50000", "1.50000"}},
        // One slot for the whole table.
        FormatCase{138, {1.5f}, {"1", "1.50"}}, FormatCase{150, {1.5f}, {"1", "1.500"}},
        FormatCase{140, {1.5f}, {"1", "1.5000"}}, FormatCase{141, {1.5f}, {"1", "1.50000"}},
        FormatCase{142, {1.5f}, {"1", "1.500000"}}, FormatCase{146, {1.5f}, {"1", "1.5000000"}},
        FormatCase{90049, {1.5f}, {"1", "1.50000000"}}),
    [](const auto& info) { return "Key" + std::to_string(info.param.key); });

// The grid, which the viewer shows and the exports write, formats its cells
// as the list does and hands node-number columns out as whole numbers.
class GridFormats : public RunTest { };

TEST_F(GridFormats, CellsAndPatternsFollowTheKey)
{
    AddTexts("139\tDeflections\n160010\tTorsion\n90077\tMoment\n");
    project.AnalysisMethod = 1;
    WriteNodeCountFile(File(".PL6"), 1);
    // Deflections are listed a hundred times larger.
    WriteColumnFile(File(".PH1"), std::vector<float>{0.015f});
    for (const char* extension : {".THY", ".THX"})
        WriteColumnFile(File(extension), std::vector<float>{1.5f});
    WriteBeamFile(File(".GH1"), std::vector<BeamRecord>{{3, 17, {1.5f}}});
    formats.slots[2] = "0.00";
    formats.slots[4] = "0.0000";
    struct Case {
        long key;
        std::vector<std::string> cells, patterns; // columns 1 to 3
    };
    for (const Case& c : {Case{139, {"1.50", "1.5", "1.5"}, {"0.00", "", ""}},
             Case{160010, {"3", "17", "1.5000"}, {"0", "0", "0.0000"}}}) {
        ListProject p{*session, project, formats, 0};
        const std::optional<ResultGrid> grid = ResultGrid::Read(p, c.key);
        ASSERT_TRUE(grid.has_value()) << c.key;
        for (std::int32_t col = 1; col <= 3; ++col) {
            EXPECT_EQ(grid->CellText(1, col), c.cells[col - 1]) << c.key << ", column " << col;
            EXPECT_EQ(grid->ColumnPattern(col), c.patterns[col - 1]) << c.key << ", column " << col;
        }
    }
}

// Each of these lists comes with its own switch and with no other.
TEST(OfferedLists, PunchingAndReinforcementFollowTheirOwnSwitch)
{
    ScratchDir dir;
    writeFile(dir.file("en"), "140177\tSprings\n140221\tModulus\n");
    const TextCatalogue catalogue(dir.dir(), "en");
    const std::vector<std::string> plate = {"90048", "139", "140", "141"};
    for (const auto& [on, last] : {std::pair{7, "80045"}, std::pair{6, "90049"}}) {
        OfferState s;
        s.OutputTarget = TargetPrintResults;
        s.AnalysisMethod = 1;
        s.ResultSwitch[static_cast<std::size_t>(on)] = true;
        const std::optional<std::vector<ListKey>> offered = BuildListCandidates(s, catalogue);
        ASSERT_TRUE(offered.has_value());
        std::vector<std::string> keys;
        for (const ListKey& key : *offered)
            keys.push_back(ListKeyText(key));
        std::vector<std::string> expected = plate;
        expected.push_back(last);
        EXPECT_EQ(keys, expected) << "switch " << on;
    }
}

class SpringTable : public RunTest { };

TEST_F(SpringTable, KzInTheSecondLengthUnit)
{
    AddTexts("140015\tSprings\n80060\tkz\n80062\tkt\n");
    session->environment.Units().Length2Factor = 100;
    PointFileP35 p35;
    p35.Items = {PointItemP35{4, 0, {0.5f, 0, 0}}};
    SaveInputFile(File(".P35"), WritePointFileP35(p35));
    ASSERT_EQ(Run(TargetViewData, {140015L}).Outcome, ListRunOutcome::Completed)
        << ::testing::PrintToString(host.errors);
    EXPECT_TRUE(HasLineOfWords(SplitLines(state.ListText), {"1", "4", "50", "0", "0"})) << state.ListText;
}

} // namespace
} // namespace teska::test
