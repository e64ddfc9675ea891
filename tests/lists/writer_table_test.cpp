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
    state.SymbolSuffix = ":";
    writer->AddNameValueRow(500L, "E", "[kN]", 2.5, "0.00");
    writer->AddNameValueRow(std::string("Thickness"), "d", "", std::string("0.3"), "");
    writer->AddNameValueRow(std::string("Remark"), "", "", std::string(), "");
    writer->AddNameValueRow(std::string("Heading only"), "x", "[m]", std::monostate(), "");
    EXPECT_EQ(writer->PendingNameValueRows(), 4u);
    writer->FlushNameValueRows();
    // Widths: label 12, symbol 2 ("E:"), unit 4, value 4; 40 - 2 - 22 = 16,
    // clamped to a gap of 8: symbols start at 2 + 12 + 8 = 22.
    const std::string expected = L("  Label A" + Sp(13) + "E: [kN] = 2.50")
        + L("  Thickness" + Sp(11) + "d: [-]  = 0.3") + L("  Remark" + Sp(14) + ": ") + L("  Heading only");
    EXPECT_EQ(state.ListText, expected);
    EXPECT_EQ(state.LineOnPage, 4);
    EXPECT_EQ(writer->PendingNameValueRows(), 0u);

    // The rows are gone: a second flush writes nothing.
    writer->FlushNameValueRows();
    EXPECT_EQ(state.LineOnPage, 4);
}

TEST_F(WriterTest, NameValueGapShrinksToOneForLongLabels)
{
    // 40 - 2 - (30 + 1 + 3 + 5) = -1: gap 1.
    const std::string label = Rep(30, 'L');
    writer->AddNameValueRow(label, "s", "[m]", 1.25f, "0.000");
    writer->FlushNameValueRows();
    EXPECT_EQ(state.ListText, L("  " + label + " s [m] = 1.250"));
}

TEST_F(WriterTest, NameValueGapIsTheRoomLeftWhenBetweenOneAndEight)
{
    // 40 - 2 - (25 + 1 + 3 + 4) = 5.
    const std::string label = Rep(25, 'L');
    writer->AddNameValueRow(label, "s", "[m]", std::string("12.5"), "");
    writer->FlushNameValueRows();
    EXPECT_EQ(state.ListText, L("  " + label + Sp(5) + "s [m] = 12.5"));
}

TEST_F(WriterTest, NameValueEmptyUnitBecomesDashOnlyWithAValue)
{
    writer->AddNameValueRow(std::monostate(), "a", "", 3.0, "0");
    writer->AddNameValueRow(std::string("b"), "b", "", std::monostate(), "");
    writer->FlushNameValueRows();
    // Missing label is empty; widths label 1, symbol 1, unit 3, value 1;
    // gap 8: "" + 9 blanks + "a" + " [-] = 3".
    EXPECT_EQ(state.ListText, L("  " + Sp(9) + "a [-] = 3") + L("  b"));
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
    const TableLayout layout = writer->WriteTableHeading(ThreeColumnHeading());
    // Widths 4, 6, 5 (sum 15): (38 - 15) / 2 = 11.5, clamped to 6.
    ASSERT_EQ(layout.Widths, (std::vector<std::int32_t>{4, 12, 11}));
    EXPECT_EQ(layout.Rule, Rep(27, '-'));
    const std::string rule = "  " + Rep(27, '-');
    const std::string expected = L(rule) + L("  Node" + Sp(6) + "Moment" + Sp(6) + "Shear")
        + L(Sp(24) + "force") + L("  " + Sp(1) + "No." + Sp(10) + "mx" + Sp(10) + "Q") + L(rule);
    EXPECT_EQ(state.ListText, expected);
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

TEST_F(WriterTest, ContinueTableClosesBreaksOpensAndRepeatsTheHeading)
{
    state.TopMargin = 0;
    state.PageNumber = 1;
    writer->WriteLines({std::string("row")});
    const TableLayout layout = writer->ContinueTable(ThreeColumnHeading());
    EXPECT_EQ(layout.Widths, (std::vector<std::int32_t>{4, 12, 11}));
    const std::vector<std::string> lines = SplitLines(state.ListText);
    ASSERT_EQ(lines.size(), 12u + 3u + 1u + 5u);
    // The closing note ends at the right edge: 40 - 5 blanks.
    EXPECT_EQ(lines[1], Sp(35) + "cont.");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[13], "  Moments" + Sp(25) + "Page 2");
    EXPECT_EQ(lines[15], "  ...cont");
    EXPECT_EQ(lines[17], "  Node" + Sp(6) + "Moment" + Sp(6) + "Shear");
    EXPECT_EQ(state.LineOnPage, 9);
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

TEST(TextMeasure, DivisionRoundsHalvesToEven)
{
    EXPECT_EQ(DivideRoundHalfEven(5, 2), 2);
    EXPECT_EQ(DivideRoundHalfEven(7, 2), 4);
    EXPECT_EQ(DivideRoundHalfEven(7, 3), 2);
    EXPECT_EQ(DivideRoundHalfEven(8, 3), 3);
    EXPECT_EQ(DivideRoundHalfEven(-5, 2), -2);
    EXPECT_EQ(DivideRoundHalfEven(-7, 2), -4);
    EXPECT_EQ(DivideRoundHalfEven(-8, 3), -3);
    EXPECT_EQ(DivideRoundHalfEven(10, 5), 2);
}

TEST(TextMeasure, CutAtSlashKeepsThePartBeforeTheFirstSlash)
{
    std::string text = "kN/m2/s";
    CutAtSlash(text);
    EXPECT_EQ(text, "kN");
    text = "whole";
    CutAtSlash(text);
    EXPECT_EQ(text, "whole");
    text = "/lead";
    CutAtSlash(text);
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace teska::test
