// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One result section: dropping all-zero rows, the empty-table warning, and
// whole pages of a small table with a page break.

#include "lists/writer_fixture_test.h"

#include "lists/writer/ResultSection.h"

#include <stdexcept>

namespace teska::test {
namespace {

struct Table {
    std::vector<float> values;
    ResultRows rows;
    Table(std::int32_t columns, std::vector<float> cells)
        : values(std::move(cells))
        , rows{values, static_cast<std::int32_t>(values.size()) / columns, columns, {}}
    { }
};

TEST_F(WriterTest, CheckNonzeroRowsKeepsRowsWithAValueInTheFirstThreeColumns)
{
    Table table(4, {0, 0, 0, 0, /**/ 1, 0, 0, 9, /**/ 0, 0, 0, 5, /**/ 0, 0, -2, 7});
    EXPECT_FALSE(CheckNonzeroRows(*writer, table.rows, 0));
    EXPECT_EQ(table.rows.RowCount, 2);
    EXPECT_EQ(table.rows.RowNumbers, (std::vector<std::int32_t>{2, 4}));
    EXPECT_EQ(std::vector<float>(table.values.begin(), table.values.begin() + 8),
        (std::vector<float>{1, 0, 0, 9, 0, 0, -2, 7}));
    EXPECT_TRUE(host.warnings.empty());

    // A second check keeps the first row numbers.
    table.rows.Values[0] = 0.0f;
    EXPECT_FALSE(CheckNonzeroRows(*writer, table.rows, 0));
    EXPECT_EQ(table.rows.RowNumbers, (std::vector<std::int32_t>{4}));
    // The frame analysis keeps every row; missing columns count as zero.
    Table frame(3, {0, 0, 0, /**/ 1, 0, 0});
    EXPECT_FALSE(CheckNonzeroRows(*writer, frame.rows, 22));
    EXPECT_EQ(frame.rows.RowCount, 2);
    EXPECT_EQ(frame.rows.RowNumber(1), 1);
    Table narrow(1, {0, 4});
    EXPECT_FALSE(CheckNonzeroRows(*writer, narrow.rows, 0));
    EXPECT_EQ(narrow.rows.RowNumbers, (std::vector<std::int32_t>{2}));
}

ColumnDefinition MomentColumns()
{
    return {2, {80079L, 90077L, 90077L}, {"No.", "mx", "my"}, {std::string("[-]"), 1L, std::string("[kN]")}};
}

class SectionTest : public WriterTest {
protected:
    SectionTest()
    {
        state.TopMargin = 0;
        formats.valueFormat = "0.00";
    }
    Table table{2, {1.5f, -2, /**/ 0, 0, /**/ 0.25f, 3, /**/ 10, 0}};
    ResultFormats formats;
};

TEST_F(SectionTest, TwoPagesForTheEditorPaddedToTheRaster)
{
    // Page 40 x 12, margins 2 / 0 / 1. Heading widths 4, 8, 6 (sum 18):
    // gap (38 - 18) / 2 = 10, clamped 6: widths 4, 14, 12, rule 30. Rows
    // 1, 3 and 4 remain; row 4 no longer fits above the bottom margin with
    // room for the closing note (LineOnPage 10 > 12 - 1 - 2).
    EXPECT_TRUE(WriteResultSection(*writer, table.rows, MomentColumns(), formats));
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.PageNumber, 2);
    EXPECT_TRUE(sink.calls.empty());
}

TEST_F(SectionTest, TwoPrintedPagesGoToTheSink)
{
    // The pages of the editor's text, not padded.
    state.OutputTarget = TargetPrintResults;
    state.ListText = "left over\r\n";
    EXPECT_TRUE(WriteResultSection(*writer, table.rows, MomentColumns(), formats));
    EXPECT_EQ(sink.calls, "PNPE");
    ASSERT_EQ(sink.printed.size(), 2u);
    ExpectAsStored(sink.printed[0] + "<page>\r\n" + sink.printed[1]);
    EXPECT_EQ(state.ListText, "");
}

TEST_F(SectionTest, AnEmptyTableIsNotWritten)
{
    Table zeros(2, {0, 0, 0, 0});
    EXPECT_FALSE(WriteResultSection(*writer, zeros.rows, MomentColumns(), formats));
    EXPECT_EQ(state.ListText, "");
    EXPECT_EQ(state.PageNumber, 0);
    EXPECT_EQ(host.warnings, (std::vector<std::string>{"Moments: Empty table"}));
}

TEST_F(SectionTest, DataViewHasNoHeadersAndNoBreaks)
{
    // Heading 5 + rows 3, no page header, no notes; then no padding as the
    // page is already past its 5 lines.
    state.OutputTarget = TargetViewData;
    state.LinesPerPage = 5;
    EXPECT_TRUE(WriteResultSection(*writer, table.rows, MomentColumns(), formats));
    ExpectAsStored(state.ListText);
}

TEST_F(WriterTest, NodeNumberColumnsAndTheSecondFormat)
{
    // Widths 1, 1, 1, 1: gap (38 - 4) / 3 = 11.3 -> 6, so 1, 7, 7, 7. A cell
    // wider than its column pushes the rest of the row to the right; a cell
    // of more bytes than characters is aligned by its characters.
    state.TopMargin = 0;
    ColumnDefinition columns{3, {std::string("T"), std::string("a"), std::string("b"), std::string("c")},
        {"", "", "", ""}, {std::string(), std::string(), std::string(), std::string()}};
    const struct {
        float node;
        const char* second; // from column 3, or none
        std::string row;
    } cases[] = {{17, "", "  1" + Sp(6) + "3" + Sp(5) + "17" + Sp(4) + "1.2"},
        {17, "0.000", "  1" + Sp(6) + "3" + Sp(5) + "17" + Sp(2) + "1.235"},
        {12345678, "0.0 \"\xC2\xB0\"", "  1" + Sp(6) + "3" + "12345678" + Sp(2) + "1.2 \xC2\xB0"}};
    for (const auto& c : cases) {
        Table table(3, {3, c.node, 1.2345f});
        ResultFormats formats;
        formats.valueFormat = "0.0";
        formats.nodeNumberColumns = true;
        if (*c.second != '\0') {
            formats.secondFormat = c.second;
            formats.secondFrom = 3;
        }
        state.ListText.clear();
        ASSERT_TRUE(WriteResultSection(*writer, table.rows, columns, formats));
        EXPECT_EQ(SplitLines(state.ListText).at(8), c.row);
    }
}

} // namespace
} // namespace teska::test
