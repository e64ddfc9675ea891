// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list requests that the window and the batch tool share, on a
// generated project: the editor text RunLists returns for the offered lists
// is, byte for byte, what teska-report --text writes (streamed through its
// own sink) for the same lists and page, and a run that is cancelled or
// aborted part-way leaves neither text nor unavailable lists.

#include <gtest/gtest.h>

#include <filesystem>

#include "PageSettings.h"
#include "ReportOptions.h"
#include "lists/run/ListRequests.h"
#include "lists/writer/ListState.h"
#include "tools/sample_session_test.h"

namespace teska::report {
namespace {

// Cancels the run when section number cancelAt (1-based) announces itself,
// as the window's cancel button would.
class CancellingHost : public RecordingHost {
public:
    void statusText(const std::string& text) override
    {
        RecordingHost::statusText(text);
        if (tools && text.rfind("Preparing", 0) == 0 && ++sections == cancelAt)
            tools->Cancel();
    }
    SuiteTools* tools = nullptr;
    int cancelAt = 0;
    int sections = 0;
};

class ListRequestsTest : public test::SampleSessionTest<CancellingHost> {
protected:
    ListRequestsTest()
    {
        host.tools = &session->tools;
        // The page as the tool resolves it from the same command line; the
        // company header and job data stay on, from the shared settings.
        std::vector<std::string> args = PageArgs();
        args.push_back("--offered");
        page = ResolvePageSettings(ParseReportOptions(args), PageLayout{}, PrintOptions{}, 0, 0);
    }

    std::vector<std::string> PageArgs()
    {
        return {dir.file("S.PO1"), "--lines", "40", "--chars", "72", "--margins", "3,1,2", "--first-page",
            "3", "--lang", "en", "--settings", settings};
    }

    ListRunText Run(int target)
    {
        ListProject p{
            *session, project, formats, session->catalogue.TerminologySwitch() != 0 ? 90063L : 90065L};
        ListRunOrder order;
        order.OutputTarget = target;
        order.ChosenLists = OfferedLists(p, target);
        return RunLists(p, page, order);
    }

    ListPageSettings page;
};

TEST_F(ListRequestsTest, EditorTextIsWhatTheBatchToolWrites)
{
    ASSERT_TRUE(opened);
    const ListRunText data = Run(TargetEditorData);
    const ListRunText results = Run(TargetEditorResults);
    ASSERT_TRUE(data.Completed && results.Completed) << (host.errors.empty() ? "" : host.errors.front());
    EXPECT_FALSE(data.Cancelled || results.Cancelled);
    EXPECT_TRUE(data.Unavailable.empty() && results.Unavailable.empty());
    // Both lists span pages: the cover, the data sections, the result tables.
    ASSERT_GT(data.Text.size(), 2000u);
    ASSERT_GT(results.Text.size(), 2000u);

    std::vector<std::string> args = PageArgs();
    args.insert(args.end(), {"--data", "all", "--results", "all", "--text", "-"});
    const test::CommandResult written = test::RunCommand(TESKA_REPORT_EXE, args, dir);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(test::FirstDifference(data.Text + results.Text, written.out), "");
}

TEST_F(ListRequestsTest, StoppedRunLeavesNoText)
{
    ASSERT_TRUE(opened);
    struct Case {
        const char* name;
        int cancelAt; // section that cancels; 0: none
        const char* removed; // a file the run needs; "": none
        bool cancelled;
    };
    // The cover page (section 1) reads no file and writes a whole page
    // before the run stops in the node section.
    for (const Case& c : {Case{"cancelled", 2, "", true}, Case{"aborted", 0, "S.NOD", false}}) {
        SCOPED_TRACE(c.name);
        host.sections = 0;
        host.cancelAt = c.cancelAt;
        host.errors.clear();
        if (*c.removed)
            std::filesystem::remove(dir.file(c.removed));
        const ListRunText run = Run(TargetEditorData);
        EXPECT_FALSE(run.Completed);
        EXPECT_EQ(run.Cancelled, c.cancelled);
        EXPECT_EQ(run.Text, "");
        EXPECT_TRUE(run.Unavailable.empty());
        EXPECT_GE(host.sections, 2);
        // A cancel is no error; a missing file is reported by its name.
        if (c.cancelled)
            EXPECT_TRUE(host.errors.empty());
        else
            EXPECT_TRUE(host.errors.size() == 1 && host.errors[0].find("S.NOD") != std::string::npos);
    }
}

} // namespace
} // namespace teska::report
