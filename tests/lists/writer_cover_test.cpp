// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The title block and the cover page of a list.

#include "lists/writer_fixture_test.h"

namespace teska::test {
namespace {

TEST_F(WriterTest, TitleBlockWithoutAnalysisMethodEndsWithFourMarginLines)
{
    // Centred on 38 characters after the left margin of 2: "Slab analysis"
    // 13 -> 12.5 -> 12; "FE method" 9 -> 14.5 -> 14; "Lang Testish" 12 -> 13.
    writer->WriteTitleBlock();
    ExpectAsStored(state.ListText);
    EXPECT_EQ(state.LineOnPage, 7);
}

TEST_F(WriterTest, TitleBlockOfTheSoilAnalysisHasNoDescription)
{
    state.AnalysisMethod = 15;
    state.AnalysisDescription = {"D1", "D2"};
    writer->WriteTitleBlock();
    ExpectAsStored(state.ListText);
}

TEST_F(WriterTest, TitleBlockIsLeftOutOfTheDataViewAndThreeResultSummaries)
{
    state.OutputTarget = TargetViewData;
    writer->WriteTitleBlock();
    state.OutputTarget = TargetViewResults;
    for (long key : {140019L, 90050L, 400165L}) {
        state.CurrentListKey = key;
        writer->WriteTitleBlock();
    }
    EXPECT_EQ(state.ListText, "");
    // The other two summaries keep it.
    state.CurrentListKey = 140164L;
    writer->WriteTitleBlock();
    EXPECT_EQ(state.LineOnPage, 7);
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
    state.CurrentListKey = 90045L;
    state.LinesPerPage = 28; // (28 - 16) / 5 = 2.4 -> 2
    state.AnalysisMethod = 15; // no description
    writer->WriteCoverPage();
    std::vector<std::string> lines = SplitLines(state.ListText);
    EXPECT_EQ(lines.size(), 2u + 5u + 2u + 5u + 2u + 2u + 3u);
    EXPECT_EQ(lines[2], "  " + Rep(38, '*'));

    state.ListText.clear();
    state.LinesPerPage = 29; // 13 / 5 = 2.6 -> 3
    writer->WriteCoverPage();
    lines = SplitLines(state.ListText);
    EXPECT_EQ(lines[3], "  " + Rep(38, '*'));
    EXPECT_EQ(lines.size(), 4u * 3u + 5u + 5u + 3u);
}

} // namespace
} // namespace teska::test
