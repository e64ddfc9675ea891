// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Page composition: lines, the page raster, page headers and their numbers,
// printed pages against padded text.

#include "lists/writer_fixture_test.h"

#include "lists/page/PrintOptions.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

// Page 40 x 12, left margin 2, top margin 1: a header of rule, title, rule
// has 38 "-" and the title line is 38 characters wide.
const std::string Rule = "  " + Rep(38, '-');

TEST_F(WriterTest, WriteLinesLooksUpIdentifiersSkipsZeroAndCountsEveryItem)
{
    state.LineOnPage = 4;
    writer->WriteLines({500L, 0L, std::string("abc"), std::string()});
    EXPECT_EQ(state.ListText, L("  Label A") + L("  abc") + L("  "));
    EXPECT_EQ(state.LineOnPage, 8);
}

TEST_F(WriterTest, PageHeaderWithCompanyLinesAndNumberAtTheRightEdge)
{
    state.PageNumber = 4;
    state.PrintCompanyHeader = true;
    state.CompanyLine1 = "ACME"; // (38 - 4) / 2 = 17
    state.CompanyLine2 = "Town 12"; // (38 - 7) / 2 = 15.5, to even 16
    writer->WritePageHeader();
    // "Moments" 7 + 25 blanks + "Page 5" 6 = 38
    const std::string expected = L("") + L("  " + Sp(17) + "ACME") + L("  " + Sp(16) + "Town 12") + L(Rule)
        + L("  Moments" + Sp(25) + "Page 5") + L(Rule);
    EXPECT_EQ(state.ListText, expected);
    EXPECT_EQ(state.PageNumber, 5);
    EXPECT_EQ(state.LineOnPage, 6);
}

TEST_F(WriterTest, PageHeaderWithoutNumbersKeepsRoomForThreeDigits)
{
    state.PageNumber = NoPageNumbers;
    state.TopMargin = 0;
    writer->WritePageHeader();
    // 38 - 7 - 5 - 3 = 23 blanks, then "Page " and no number.
    EXPECT_EQ(state.ListText, L(Rule) + L("  Moments" + Sp(23) + "Page ") + L(Rule));
    EXPECT_EQ(state.PageNumber, NoPageNumbers);
    writer->WritePageHeader();
    EXPECT_EQ(state.PageNumber, NoPageNumbers);
}

TEST_F(WriterTest, PageNumberWidthFollowsTheDigitsAndTextKeysAreTheirOwnTitle)
{
    state.PageNumber = 99;
    state.TopMargin = 0;
    state.CurrentListKey = std::string("Slab [ks]");
    writer->WritePageHeader();
    // "Slab [ks]" 9 + 21 blanks + "Page 100" 8 = 38
    EXPECT_EQ(SplitLines(state.ListText).at(1), "  Slab [ks]" + Sp(21) + "Page 100");
}

TEST_F(WriterTest, PageNumberBeyondSixteenBitsIsAnError)
{
    state.PageNumber = 32767;
    EXPECT_THROW(writer->WritePageHeader(), RuntimeError);
}

TEST_F(WriterTest, NoHeadersForTheDataViewNorForSummarySectionsInTheResultView)
{
    state.OutputTarget = TargetViewData;
    writer->WritePageHeader();
    writer->WriteFirstPageHeader();
    EXPECT_EQ(state.ListText, "");
    EXPECT_EQ(state.PageNumber, 0);

    state.OutputTarget = TargetViewResults;
    state.CurrentListKey = 140019L;
    writer->WritePageHeader();
    EXPECT_EQ(state.ListText, "");

    state.CurrentListKey = 140L;
    writer->WritePageHeader();
    EXPECT_EQ(SplitLines(state.ListText).size(), 4u);
    EXPECT_EQ(state.PageNumber, 1);
}

TEST_F(WriterTest, FirstPageHeaderWithJobDataAndSystemCaption)
{
    state.TopMargin = 0;
    state.PrintJobData = true;
    state.JobLines = {"J1", "J2", "J3"};
    state.ProjectBaseName = "plate";
    state.ProjectType = 2;
    writer->WriteFirstPageHeader();
    const std::string expected = L(Rule) + L("  Moments" + Sp(25) + "Page 1") + L(Rule) + L("  Job: J1")
        + L("  Client: J2") + L("  Notes: J3") + L("  File: plate") + L("  System: Frame x-z");
    EXPECT_EQ(state.ListText, expected);
    EXPECT_EQ(state.LineOnPage, 8);
}

TEST_F(WriterTest, SystemCaptionByProjectType)
{
    const char* expected[] = {"", "", "Frame x-z", "Frame y-z", "Slab", "Solid", ""};
    for (int type = 0; type <= 6; ++type) {
        state.ProjectType = type;
        EXPECT_EQ(writer->SystemCaption(), expected[type]) << "type " << type;
    }
}

TEST_F(WriterTest, FirstPageHeaderOfTypeOneHasNoSystemLineAndWithoutJobDataOnlyTheHeader)
{
    state.TopMargin = 0;
    state.PrintJobData = true;
    state.ProjectType = 1;
    writer->WriteFirstPageHeader();
    EXPECT_EQ(SplitLines(state.ListText).size(), 7u);
    EXPECT_EQ(SplitLines(state.ListText).back(), "  File: ");

    state.ListText.clear();
    state.PrintJobData = false;
    state.ProjectType = 2;
    writer->WriteFirstPageHeader();
    EXPECT_EQ(SplitLines(state.ListText).size(), 3u);
}

TEST_F(WriterTest, NewPageOnScreenPadsThePageToTheRaster)
{
    writer->WriteLines({std::string("a"), std::string("b"), std::string("c")});
    writer->NewPage();
    const std::vector<std::string> lines = SplitLines(state.ListText);
    // 3 written + 9 padding = 12, then the next header (top margin + 3).
    ASSERT_EQ(lines.size(), 16u);
    for (int i = 3; i < 12; ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], "") << "line " << i;
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[14], "  Moments" + Sp(25) + "Page 1");
    EXPECT_EQ(state.LineOnPage, 4);
    EXPECT_TRUE(sink.calls.empty());
}

TEST_F(WriterTest, NewPageOfAPrintedListSendsThePageAndStartsTheNext)
{
    state.OutputTarget = TargetPrintResults;
    writer->WriteLines({std::string("a")});
    writer->NewPage();
    ASSERT_EQ(sink.printed.size(), 1u);
    EXPECT_EQ(sink.printed[0], L("  a"));
    EXPECT_EQ(sink.calls, "PN");
    EXPECT_EQ(state.ListText, L("") + L(Rule) + L("  Moments" + Sp(25) + "Page 1") + L(Rule));

    writer->EndList();
    EXPECT_EQ(sink.calls, "PNPE");
    EXPECT_EQ(sink.printed[1], L("") + L(Rule) + L("  Moments" + Sp(25) + "Page 1") + L(Rule));
    EXPECT_EQ(state.ListText, "");
}

TEST_F(WriterTest, EndListOnScreenPadsAndKeepsTheText)
{
    state.LineOnPage = 10;
    state.ListText = "x\r\n";
    writer->EndList();
    EXPECT_EQ(state.ListText, "x\r\n" + L("") + L(""));
    EXPECT_EQ(state.LineOnPage, 12);
    // An overfull page gets no padding.
    writer->EndList();
    EXPECT_EQ(state.LineOnPage, 12);
}

TEST_F(WriterTest, EnsureLinesBreaksOnlyWhenTheBlockDoesNotFit)
{
    // 12 lines, bottom margin 1, a block of 3: room while LineOnPage <= 8.
    state.LineOnPage = 8;
    writer->EnsureLines(3);
    EXPECT_EQ(state.ListText, "\r\n\r\n");
    EXPECT_EQ(state.LineOnPage, 8);

    state.ListText.clear();
    state.LineOnPage = 9;
    writer->EnsureLines(3);
    const std::vector<std::string> lines = SplitLines(state.ListText);
    // 3 padding lines, header of 4, then the two uncounted empty lines.
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[5], "  Moments" + Sp(25) + "Page 1");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(state.LineOnPage, 4);
}

TEST_F(WriterTest, PageNumbersRunOnAcrossPagesAndCopies)
{
    state.PageNumber = static_cast<std::int16_t>(PageNumberBeforeFirst(true, 7));
    for (int copy = 0; copy < 2; ++copy) {
        state.ListText.clear();
        writer->BeginSection();
        writer->WriteFirstPageHeader();
        writer->NewPage();
        writer->EndList();
    }
    EXPECT_EQ(state.PageNumber, 10);
    const std::vector<std::string> lines = SplitLines(state.ListText);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[2], "  Moments" + Sp(25) + "Page 9");
    EXPECT_EQ(lines[14], "  Moments" + Sp(24) + "Page 10");
}

TEST_F(WriterTest, BeginSectionResetsTheLineCountAndShowsItsMessage)
{
    state.ListText = "kept\r\n";
    state.LineOnPage = 7;
    writer->BeginSection();
    EXPECT_EQ(state.LineOnPage, 0);
    EXPECT_EQ(state.ListText, "kept\r\n");
    EXPECT_EQ(host.lastStatus, "Preparing Moments");

    state.OutputTarget = TargetPrintData;
    writer->BeginSection();
    EXPECT_EQ(state.ListText, "");
    EXPECT_EQ(host.lastStatus, "Printing Moments");
}

TEST_F(WriterTest, APrintedListWithoutAPageSinkIsRefused)
{
    ListWriter bare(*session, state);
    state.OutputTarget = TargetPrintData;
    EXPECT_THROW(bare.NewPage(), std::logic_error);
}

} // namespace
} // namespace teska::test
