// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of teska-report and the page settings that follow from
// stored values and overrides (its messages: tools/report_runs_test.cpp).

#include <gtest/gtest.h>

#include "PageSettings.h"
#include "ReportOptions.h"

namespace teska::report {
namespace {

ReportOptions Parse(std::vector<std::string> args)
{
    return ParseReportOptions(args);
}

TEST(ReportOptions, ListSelectionsSplitAtCommasAndKeepOrder)
{
    const ReportOptions o = Parse({"P.PO1", "--results", "140,138,4", "--text", "-"});
    EXPECT_EQ(o.project, "P.PO1");
    EXPECT_FALSE(o.results.all);
    EXPECT_EQ(o.results.keys, (std::vector<std::string>{"140", "138", "4"}));
    EXPECT_EQ(o.textFile, "-");

    const ReportOptions all = Parse({"--results", "all", "P.PO1", "--pdf", "out.pdf"});
    EXPECT_TRUE(all.results.all);
    EXPECT_TRUE(all.results.keys.empty());
    EXPECT_EQ(all.pdfFile, "out.pdf");
}

// Stored print options as the page dialog leaves them: page 3 first,
// numbered, 2 copies, no company lines, job data on.
PrintOptions Stored()
{
    PrintOptions p;
    p.NumberPages = true;
    p.FirstPage = 3;
    p.CopyCount = 2;
    p.PrintCompanyHeader = false;
    p.PrintJobData = true;
    return p;
}

TEST(ReportPageSettings, StoredValuesApplyWithoutOverrides)
{
    PageLayout layout;
    layout.LeftMargin = 4;
    layout.TopMargin = 1;
    layout.BottomMargin = 3;
    const ListPageSettings s = ResolvePageSettings(Parse({"P.PO1", "--offered"}), layout, Stored(), 70, 110);
    EXPECT_EQ(s.LinesPerPage, 70);
    EXPECT_EQ(s.CharsPerLine, 110);
    EXPECT_EQ(s.Layout.LeftMargin, 4);
    EXPECT_EQ(s.Layout.TopMargin, 1);
    EXPECT_EQ(s.Layout.BottomMargin, 3);
    // First page 3: the page number before the first header is 2.
    EXPECT_EQ(s.PageNumber, 2);
    EXPECT_EQ(s.CopyCount, 2);
    EXPECT_FALSE(s.PrintCompanyHeader);
    EXPECT_TRUE(s.PrintJobData);
}

TEST(ReportPageSettings, OverridesReplaceStoredValues)
{
    const ListPageSettings s = ResolvePageSettings(
        Parse({"P.PO1", "--offered", "--lines", "50", "--chars", "72", "--margins", "0,0,0", "--first-page",
            "10", "--company", "--no-job-data", "--copies", "4"}),
        PageLayout{}, Stored(), 70, 110);
    EXPECT_EQ(s.LinesPerPage, 50);
    EXPECT_EQ(s.CharsPerLine, 72);
    EXPECT_EQ(s.Layout.LeftMargin, 0);
    EXPECT_EQ(s.Layout.BottomMargin, 0);
    EXPECT_EQ(s.PageNumber, 9);
    EXPECT_EQ(s.CopyCount, 4);
    EXPECT_TRUE(s.PrintCompanyHeader);
    EXPECT_FALSE(s.PrintJobData);
}

TEST(ReportPageSettings, PageNumberingChoices)
{
    PrintOptions unnumbered = Stored();
    unnumbered.NumberPages = false;
    // Stored "no page numbers" holds without an override ...
    EXPECT_EQ(ResolvePageSettings(Parse({"P.PO1", "--offered"}), PageLayout{}, unnumbered, 65, 80).PageNumber,
        NoPageNumbers);
    // ... a first page on the command line numbers the pages again ...
    EXPECT_EQ(ResolvePageSettings(
                  Parse({"P.PO1", "--offered", "--first-page", "1"}), PageLayout{}, unnumbered, 65, 80)
                  .PageNumber,
        0);
    // ... and --no-page-numbers wins over stored numbering.
    EXPECT_EQ(ResolvePageSettings(
                  Parse({"P.PO1", "--offered", "--no-page-numbers"}), PageLayout{}, Stored(), 65, 80)
                  .PageNumber,
        NoPageNumbers);
}

} // namespace
} // namespace teska::report
