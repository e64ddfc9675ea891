// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of teska-report and the page settings that follow from
// stored values and overrides (its messages: tools/report_runs_test.cpp).

#include <gtest/gtest.h>

#include <sstream>

#include "PageSettings.h"
#include "ReportOptions.h"

namespace teska::report {
namespace {

TEST(ReportOptions, ListSelectionsSplitAtCommasAndKeepOrder)
{
    const ReportOptions o = ParseReportOptions({"P.PO1", "--results", "140,138,4", "--text", "-"});
    EXPECT_EQ(o.project, "P.PO1");
    EXPECT_FALSE(o.results.all);
    EXPECT_EQ(o.results.keys, (std::vector<std::string>{"140", "138", "4"}));
    EXPECT_EQ(o.textFile, "-");

    const ReportOptions all = ParseReportOptions({"--results", "all", "P.PO1", "--pdf", "out.pdf"});
    EXPECT_TRUE(all.results.all);
    EXPECT_TRUE(all.results.keys.empty());
    EXPECT_EQ(all.pdfFile, "out.pdf");
}

// The page of a run: the stored layout (margins 4, 1, 3) and print options
// (page 3 first, numbered or not, 2 copies, no company lines, job data on)
// on a printer page of 70 lines of 110 characters, each replaced by its
// option on the command line.
TEST(ReportPageSettings, StoredValuesUnlessTheCommandLineSaysOtherwise)
{
    struct Case {
        std::vector<std::string> args;
        bool storedNumbered;
        // lines, characters, margins L T B, page number before the first
        // header (-2: not numbered), copies, company lines, job data
        const char* expected;
    };
    const Case cases[] = {
        {{}, true, "70 110 4 1 3 2 2 0 1"},
        {{"--lines", "50", "--chars", "72", "--margins", "0,0,0", "--first-page", "10", "--company",
             "--no-job-data", "--copies", "4"},
            true, "50 72 0 0 0 9 4 1 0"},
        {{}, false, "70 110 4 1 3 -2 2 0 1"}, // stored "no page numbers" holds ...
        {{"--first-page", "1"}, false, "70 110 4 1 3 0 2 0 1"}, // ... a first page numbers again
        {{"--no-page-numbers"}, true, "70 110 4 1 3 -2 2 0 1"},
    };
    PageLayout layout;
    layout.LeftMargin = 4;
    layout.TopMargin = 1;
    layout.BottomMargin = 3;
    for (const Case& c : cases) {
        std::vector<std::string> args = {"P.PO1", "--offered"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        PrintOptions stored;
        stored.NumberPages = c.storedNumbered;
        stored.FirstPage = 3;
        stored.CopyCount = 2;
        stored.PrintCompanyHeader = false;
        stored.PrintJobData = true;
        const ListPageSettings s = ResolvePageSettings(ParseReportOptions(args), layout, stored, 70, 110);
        std::ostringstream got;
        got << s.LinesPerPage << " " << s.CharsPerLine << " " << s.Layout.LeftMargin << " "
            << s.Layout.TopMargin << " " << s.Layout.BottomMargin << " " << s.PageNumber << " " << s.CopyCount
            << " " << s.PrintCompanyHeader << " " << s.PrintJobData;
        EXPECT_EQ(got.str(), c.expected) << ::testing::PrintToString(c.args);
    }
}

} // namespace
} // namespace teska::report
