// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tables of the list writer: name/value tables, table headings with their
// gaps and the lam-alef rule, continued tables; and the text measures.

#include "lists/writer_fixture_test.h"

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
    EXPECT_EQ(writer->PendingNameValueRows(), 5u);
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
    TableHeading heading;
    heading.ColumnCount = 2;
    heading.Rows = {{80079L, 90077L, std::string("Shear\nforce")},
        {std::string("No."), std::string("mx"), std::string("Q")}};
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

TEST_F(WriterTest, TableHeadingGapIsOneWhenTheColumnsFillTheLine)
{
    TableHeading heading;
    heading.ColumnCount = 2;
    heading.Rows = {{Rep(12, 'a'), Rep(14, 'b'), Rep(15, 'c')}};
    const TableLayout layout = writer->WriteTableHeading(heading);
    EXPECT_EQ(layout.Widths, (std::vector<std::int32_t>{12, 15, 16}));
    EXPECT_EQ(
        SplitLines(state.ListText).at(1), "  " + Rep(12, 'a') + " " + Rep(14, 'b') + " " + Rep(15, 'c'));
}

TEST_F(WriterTest, TableHeadingGapRoundsHalvesToEven)
{
    // 38 - (20 + 4 + 5) = 9 over 2 columns: 4.5 gives 4; 38 - 28 = 10 gives 5.
    TableHeading heading;
    heading.ColumnCount = 2;
    heading.Rows = {{Rep(20, 'a'), Rep(4, 'b'), Rep(5, 'c')}};
    EXPECT_EQ(writer->WriteTableHeading(heading).Widths, (std::vector<std::int32_t>{20, 8, 9}));
    heading.Rows = {{Rep(19, 'a'), Rep(4, 'b'), Rep(5, 'c')}};
    EXPECT_EQ(writer->WriteTableHeading(heading).Widths, (std::vector<std::int32_t>{19, 9, 10}));
    // 38 - 31 = 7 over 2 columns: 3.5 gives 4.
    heading.Rows = {{Rep(24, 'a'), Rep(3, 'b'), Rep(4, 'c')}};
    EXPECT_EQ(writer->WriteTableHeading(heading).Widths, (std::vector<std::int32_t>{24, 7, 8}));
}

TEST_F(WriterTest, LamAlefPairsGetOneExtraBlankEach)
{
    TableHeading heading;
    heading.ColumnCount = 1;
    heading.Rows = {{std::string("N"), std::string("abcdef")}, {std::string(), 600L}};
    const TableLayout layout = writer->WriteTableHeading(heading);
    // Widths 1 and 6 + gap 6; the text of 600 has 4 letters and two pairs:
    // 12 - 4 + 2 = 10 blanks instead of 8.
    ASSERT_EQ(layout.Widths, (std::vector<std::int32_t>{1, 12}));
    const std::string arabic = "\xD9\x84\xD8\xA7\xD9\x84\xD8\xA3";
    EXPECT_EQ(SplitLines(state.ListText).at(2), Sp(3) + Sp(10) + arabic);
}

TEST_F(WriterTest, ContinueTableWritesNothingForTheDataViewAndResultSummaries)
{
    state.OutputTarget = TargetViewData;
    EXPECT_FALSE(writer->WritesContinuation());
    EXPECT_TRUE(writer->ContinueTable(ThreeColumnHeading()).Widths.empty());
    state.OutputTarget = TargetViewResults;
    state.CurrentListKey = 140019L;
    EXPECT_TRUE(writer->ContinueTable(ThreeColumnHeading()).Widths.empty());
    EXPECT_EQ(state.ListText, "");
    EXPECT_EQ(state.LineOnPage, 0);
}

// --- measures ---------------------------------------------------------------

TEST(TextMeasure, LengthCountsCharactersNotBytes)
{
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("abc"), 3);
    EXPECT_EQ(TextLength("Gr\xC3\xBC\xC3\x9F"
                         "e"),
        5); // Grüße
    EXPECT_EQ(TextLength("\xE2\x82\xAC"), 1); // euro sign
    EXPECT_EQ(TextLength("\xF0\x9F\x98\x80"), 2); // beyond U+FFFF: two units
    EXPECT_EQ(TextLength("a\xFF"
                         "b"),
        3); // a stray byte is one character
    EXPECT_EQ(TextLength("\xC3"), 1); // a cut sequence too
}

TEST(TextMeasure, LamAlefCountsEveryAlefFormAndNothingElse)
{
    const std::string lam = "\xD9\x84";
    EXPECT_EQ(LamAlefCount(lam + "\xD8\xA7"), 1);
    EXPECT_EQ(LamAlefCount(lam + "\xD8\xA5" + lam + "\xD8\xA3" + lam + "\xD8\xA2"), 3);
    EXPECT_EQ(LamAlefCount(lam + "\xD8\xA8"), 0); // lam + beh
    EXPECT_EQ(LamAlefCount("\xD8\xA7" + lam), 0); // alef before lam
    EXPECT_EQ(LamAlefCount(lam + " \xD8\xA7"), 0); // not directly followed
    EXPECT_EQ(LamAlefCount("abc"), 0);
}

} // namespace
} // namespace teska::test
