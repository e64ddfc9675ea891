// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tables of the list writer: name/value tables, table headings with their
// gaps and the lam-alef rule, data tables of numbered rows filled from value
// columns; and the text measures.

#include "lists/writer_fixture_test.h"

#include <stdexcept>

#include "lists/data/TableCells.h"
#include "lists/writer/TextMeasure.h"

namespace teska::test {
namespace {

// --- name/value tables ------------------------------------------------------

TEST_F(WriterTest, NameValueTableAlignsLabelsSymbolsAndUnits)
{
    // Widths: label 12, symbol 2 ("E:"), unit 4, value 4; 40 - 2 - 22 = 16,
    // clamped to a gap of 8: symbols start at 2 + 12 + 8 = 22. An empty
    // unit with a value is [-]; a row without a value ends at its symbol.
    state.SymbolSuffix = ":";
    writer->AddNameValueRow(500L, "E", "[kN]", 2.5, "0.00");
    writer->AddNameValueRow(std::string("Thickness"), "d", "", std::string("0.3"), "");
    writer->AddNameValueRow(std::string("Remark"), "", "", std::string(), "");
    writer->AddNameValueRow(std::string("Heading only"), "x", "[m]", std::monostate(), "");
    writer->AddNameValueRow(std::monostate(), "a", "", 3.0, "0");
    writer->FlushNameValueRows();
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 5);
    // The rows are gone: a second flush writes nothing.
    writer->FlushNameValueRows();
    EXPECT_EQ(state.LineOnPage, 5);
}

TEST_F(WriterTest, NameValueGapIsTheRoomLeftDownToOne)
{
    // 40 - 2 - (25 + 1 + 3 + 4) = 5; 40 - 2 - (30 + 1 + 3 + 5) = -1: gap 1.
    writer->AddNameValueRow(Rep(25, 'L'), "s", "[m]", std::string("12.5"), "");
    writer->FlushNameValueRows();
    writer->AddNameValueRow(Rep(30, 'M'), "s", "[m]", 1.25f, "0.000");
    writer->FlushNameValueRows();
    EXPECT_EQ(state.ListText,
        L("  " + Rep(25, 'L') + Sp(5) + "s [m] = 12.5") + L("  " + Rep(30, 'M') + " s [m] = 1.250"));
}

// Once a name/value table longer than the rest of the page ran past the
// bottom margin (the design parameters on a short page).
TEST_F(WriterTest, NameValueRowsBeyondTheBottomMarginGoOnTheNextPage)
{
    // 12-line pages, bottom margin 1: rows 1 to 11 fill the page; padded to
    // 12 lines, then the next page's top margin and header; labels up to 3
    // wide, gap 8.
    for (int r = 1; r <= 14; ++r)
        writer->AddNameValueRow(std::string("R") + std::to_string(r), "s", "[-]", std::to_string(r), "");
    writer->FlushNameValueRows();
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 7);
}

// --- table headings ---------------------------------------------------------

TableHeading ThreeColumnHeading()
{
    TableHeading heading{2,
        {{80079L, 90077L, std::string("Shear\nforce")},
            {std::string("No."), std::string("mx"), std::string("Q")}}};
    return heading;
}

TEST_F(WriterTest, TableHeadingRightAlignsCellsAndSplitsLineFeeds)
{
    // Widths 4, 6, 5 (sum 15): (38 - 15) / 2 = 11.5, clamped to 6.
    const TableLayout layout = writer->WriteTableHeading(ThreeColumnHeading());
    ASSERT_EQ(layout.Widths, (std::vector<std::int32_t>{4, 12, 11}));
    EXPECT_EQ(layout.Rule, Rep(27, '-'));
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 5);
}

// The gap is the room left over the columns, halves to even, at least one:
// 38 - 41 gives 1; 38 - 29 = 9 over 2 columns gives 4, 10 gives 5, 7 gives 4.
TEST_F(WriterTest, TableHeadingGapHalvesToEvenAndIsAtLeastOne)
{
    const std::pair<std::vector<int>, std::vector<std::int32_t>> cases[] = {{{12, 14, 15}, {12, 15, 16}},
        {{20, 4, 5}, {20, 8, 9}}, {{19, 4, 5}, {19, 9, 10}}, {{24, 3, 4}, {24, 7, 8}}};
    for (const auto& [widths, expected] : cases) {
        TableHeading heading{2, {{Rep(widths[0], 'a'), Rep(widths[1], 'b'), Rep(widths[2], 'c')}}};
        EXPECT_EQ(writer->WriteTableHeading(heading).Widths, expected);
    }
}

TEST_F(WriterTest, LamAlefPairsGetOneExtraBlankEach)
{
    TableHeading heading{1, {{std::string("N"), std::string("abcdef")}, {std::string(), 600L}}};
    const TableLayout layout = writer->WriteTableHeading(heading);
    // Widths 1 and 6 + gap 6; the text of 600 has 4 letters and two pairs:
    // 12 - 4 + 2 = 10 blanks instead of 8.
    ASSERT_EQ(layout.Widths, (std::vector<std::int32_t>{1, 12}));
    const std::string arabic = "\xD9\x84\xD8\xA7\xD9\x84\xD8\xA3";
    EXPECT_EQ(SplitLines(state.ListText).at(2), Sp(3) + Sp(10) + arabic);
}

// --- measures ---------------------------------------------------------------

TEST(TextMeasure, LengthAndLamAlefPairs)
{
    const auto cases = TableRows("lists/text_measure.tsv", 3);
    ASSERT_EQ(cases.size(), 12u);
    for (const auto& c : cases) {
        const std::string text = Unescaped(c[0]);
        EXPECT_EQ(TextLength(text), std::stoi(c[1])) << c[0];
        EXPECT_EQ(LamAlefCount(text), std::stoi(c[2])) << c[0];
    }
}

// --- data tables ------------------------------------------------------------

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
    TableHeading heading{2, {{std::string("No"), std::string("x"), std::string("y")}}};
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
    TableHeading heading{1, {{std::string("No"), std::string("v")}}};
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
    TableHeading heading{1, {{std::string("No"), std::string("v")}}};
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
