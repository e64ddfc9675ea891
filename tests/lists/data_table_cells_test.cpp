// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Data tables: numbered rows filled from value columns with factors and
// patterns, and the table written right-aligned under its heading.

#include "lists/data/TableCells.h"

#include <stdexcept>

#include "writer_fixture_test.h"

namespace teska::test {
namespace {

TEST(FillNumberedRows, RefillReplacesTheGridAndShortColumnsAreRefused)
{
    const float a[] = {1, 2, 3};
    TableCells cells;
    FillNumberedRows(cells, 2, 3, {a, 1, "0"}, {a, 10, "0"});
    FillNumberedRows(cells, 2, 1, {a, 1, "0"}, {a, 1, "0"});
    EXPECT_EQ(cells.TableRowCount(), 1);
    EXPECT_EQ(cells.Cell(1, 2), "1");
    const float shortColumn[] = {1};
    EXPECT_THROW(FillNumberedRows(cells, 2, 2, {a, 1, "0"}, {shortColumn, 1, "0"}), std::invalid_argument);
}

TEST_F(WriterTest, CellTableIsRightAlignedInTheHeadingWidths)
{
    // Widths 2, 1, 1; gap (40 - 2 - 4) / 2 = 17, clamped to 6: 2, 7, 7.
    state.OutputTarget = TargetViewData;
    const float x[] = {1.5f, -2};
    const float y[] = {10, 0.25f};
    TableCells cells;
    FillNumberedRows(cells, 2, 2, {x, 2, "0.0"}, {y, 1, "0.00"});
    TableHeading heading;
    heading.ColumnCount = 2;
    heading.Rows = {{std::string("No"), std::string("x"), std::string("y")}};
    WriteCellTable(*writer, heading, cells);
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 6);
}

TEST_F(WriterTest, CellTableBreaksAfterTheLastRowThatFitsAndRepeatsTheHeading)
{
    // Editor output, 12-line pages with a bottom margin of 1: a row that
    // leaves LineOnPage above 10 ends the page unless it is the last row:
    // heading 3 + rows 1..8 = 11 lines, the note, then rows 9 and 10 on
    // page 1 under the repeated heading.
    const float v[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    TableCells cells;
    FillNumberedRows(cells, 1, 10, {v, 1, "0"}, {v, 1, "0"});
    TableHeading heading;
    heading.ColumnCount = 1;
    heading.Rows = {{std::string("No"), std::string("v")}};
    WriteCellTable(*writer, heading, cells);
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 11);
    EXPECT_EQ(state.PageNumber, 1);
}

TEST_F(WriterTest, CellTableWhoseHeadingAndFirstRowDoNotFitStartsOnANewPage)
{
    // 12-line pages, bottom margin 1: heading (3 lines) and one row fit
    // after line 7 but not after line 8, where the page is padded and the
    // next page header follows.
    const float v[] = {1};
    TableCells cells;
    FillNumberedRows(cells, 1, 1, {v, 1, "0"}, {v, 1, "0"});
    TableHeading heading;
    heading.ColumnCount = 1;
    heading.Rows = {{std::string("No"), std::string("v")}};
    for (const int before : {7, 8}) {
        state.ListText.clear();
        state.LineOnPage = 0;
        state.PageNumber = 0;
        writer->AppendEmptyLines(before);
        WriteCellTable(*writer, heading, cells);
        ExpectAsStored(state.ListText, std::to_string(before));
    }
}

} // namespace
} // namespace teska::test
