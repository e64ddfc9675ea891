// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Page composition: lines, the page raster, page headers and their numbers,
// printed pages against padded text, the title block and the cover page.

#include "lists/writer_fixture_test.h"

#include "lists/page/PrintOptions.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

TEST_F(WriterTest, WriteLinesLooksUpIdentifiersSkipsZeroAndCountsEveryItem)
{
    state.LineOnPage = 4;
    writer->WriteLines({500L, 0L, std::string("abc"), std::string()});
    EXPECT_EQ(state.ListText, L("  Label A") + L("  abc") + L("  "));
    EXPECT_EQ(state.LineOnPage, 8);
}

TEST_F(WriterTest, PageHeaderWithCompanyLinesAndNumberAtTheRightEdge)
{
    // The company lines centred on 38: (38 - 4) / 2 = 17, (38 - 7) / 2 =
    // 15.5 to even 16; "Moments" 7 + 25 blanks + "Page 5" 6 = 38.
    state.PageNumber = 4;
    state.PrintCompanyHeader = true;
    state.CompanyLine1 = "ACME";
    state.CompanyLine2 = "Town 12";
    writer->WritePageHeader();
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.PageNumber, 5);
    EXPECT_EQ(state.LineOnPage, 6);
}

TEST_F(WriterTest, PageHeaderWithoutNumbersKeepsRoomForThreeDigits)
{
    // 38 - 7 - 5 - 3 = 23 blanks, then "Page " and no number.
    state.PageNumber = NoPageNumbers;
    state.TopMargin = 0;
    writer->WritePageHeader();
    ExpectAsStored(state.ListText);
    writer->WritePageHeader();
    EXPECT_EQ(state.PageNumber, NoPageNumbers);
}

TEST_F(WriterTest, PageNumberWidthFollowsTheDigitsUpToSixteenBitsAndTextKeysAreTheirOwnTitle)
{
    state.PageNumber = 99;
    state.TopMargin = 0;
    state.CurrentListKey = std::string("Slab [ks]");
    writer->WritePageHeader();
    // "Slab [ks]" 9 + 21 blanks + "Page 100" 8 = 38
    EXPECT_EQ(SplitLines(state.ListText).at(1), "  Slab [ks]" + Sp(21) + "Page 100");
    state.PageNumber = 32767; // the next number would be beyond sixteen bits
    EXPECT_THROW(writer->WritePageHeader(), RuntimeError);
}

TEST_F(WriterTest, NoHeadersForSummarySectionsInTheResultView)
{
    // The data view: see DataSectionTest and SectionTest.DataViewHasNoHeadersAndNoBreaks.
    state.OutputTarget = TargetViewResults;
    state.CurrentListKey = 140019L;
    writer->WritePageHeader();
    writer->ContinueTable(WrittenHeading{});
    for (long key : {140019L, 90050L, 400165L}) {
        state.CurrentListKey = key;
        writer->WriteTitleBlock();
    }
    EXPECT_EQ(state.ListText, "");
    EXPECT_EQ(state.LineOnPage, 0);

    // The other two summaries keep the title block, the tables the header.
    state.CurrentListKey = 140164L;
    writer->WriteTitleBlock();
    EXPECT_EQ(state.LineOnPage, 7);
    state.ListText.clear();
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
    ExpectAsStored(state.ListText);
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

TEST_F(WriterTest, PageNumbersRunOnAcrossPagesAndCopies)
{
    // Two copies of a two-page list from page 7: pages 7 to 10.
    state.PageNumber = static_cast<std::int16_t>(PageNumberBeforeFirst(true, 7));
    for (int copy = 0; copy < 2; ++copy) {
        state.ListText.clear();
        writer->BeginSection();
        writer->WriteFirstPageHeader();
        writer->NewPage();
        writer->EndList();
    }
    EXPECT_EQ(state.PageNumber, 10);
    ExpectAsStored(state.ListText);
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

TEST_F(WriterTest, TitleBlockWithoutAnalysisMethodEndsWithFourMarginLines)
{
    // Centred on 38 characters after the left margin of 2: "Slab analysis"
    // 13 -> 12.5 -> 12; "FE method" 9 -> 14.5 -> 14; "Lang Testish" 12 -> 13.
    writer->WriteTitleBlock();
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 7);
    // The soil analysis (method 15) has no description.
    state.ListText.clear();
    state.AnalysisMethod = 15;
    state.AnalysisDescription = {"D1", "D2"};
    writer->WriteTitleBlock();
    ExpectAsStored(state.ListText, "Method15");
}

TEST_F(WriterTest, CoverPageOfTheDataList)
{
    // Spacing (26 - 16) / 5 = 2; the job block is centred on its widest
    // line, "System : Slab" (13); 140148 with option 4 loses its colon.
    state.OutputTarget = TargetEditorData;
    state.CurrentListKey = 90045L;
    state.LinesPerPage = 26;
    state.JobLines = {"J1", "J2", "J3"};
    state.ProjectBaseName = "plate";
    state.ProjectType = 4;
    state.AnalysisMethod = 3;
    state.AnalysisDescription = {"D1", "D2"};
    writer->WriteCoverPage();
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 25);
    EXPECT_EQ(host.lastStatus, "Preparing Data list");
}

TEST_F(WriterTest, CoverPageSpacingRoundsToTheNearestLine)
{
    // (28 - 16) / 5 = 2.4 -> 2 (2.8 -> 3 in ListRunTest's list with a cover page).
    state.CurrentListKey = 90045L;
    state.LinesPerPage = 28;
    state.AnalysisMethod = 15; // no description
    writer->WriteCoverPage();
    const std::vector<std::string> lines = SplitLines(state.ListText);
    EXPECT_EQ(lines.size(), 2u + 5u + 2u + 5u + 2u + 2u + 3u);
    EXPECT_EQ(lines[2], "  " + Rep(38, '*'));
}

} // namespace
} // namespace teska::test
