// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The open commands end to end: from a path or a recent-file entry to a
// registered, read project at the top of the recent-file list.

#include <gtest/gtest.h>

#include "project/opening/ProjectOpening.h"
#include "project/opening/ProjectWriter.h"
#include "suite/Host.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

class OpenCommands : public ::testing::Test {
protected:
    OpenCommands()
        : settings(ApplicationSettingsPath(dir.dir()))
        , context(host)
        , session{state, projects, settings, recent, context}
    {
        ProjectFileData data;
        data.AnalysisMethod = 7;
        data.Options[0] = 1;
        WriteProjectFile(dir.file("ONE.PO1"), data);
        data.AnalysisMethod = 2;
        WriteProjectFile(dir.file("TWO.PO1"), data);
        test::writeFile(dir.file("BAD.PO1"), "hello\r\n");
    }

    test::ScratchDir dir;
    RecordingHost host;
    ProjectState state;
    OpenedProjects projects;
    SettingsStore settings;
    RecentFileTable recent;
    OpeningContext context;
    OpeningSession session;
};

TEST_F(OpenCommands, PathSplitsIntoDirectoryAndBaseName)
{
    std::string directory, base;
    SplitProjectPath("/p/q/Slab.2.PO1", directory, base);
    EXPECT_EQ(directory, "/p/q/");
    EXPECT_EQ(base, "Slab.2");
    SplitProjectPath("NAME.PO1", directory, base);
    EXPECT_EQ(directory, "");
    EXPECT_EQ(base, "NAME");
}

TEST_F(OpenCommands, OpeningRegistersReadsAndRemembers)
{
    OpenCommandResult result = OpenProjectFromPath(session, dir.file("ONE.PO1"));
    EXPECT_EQ(result.Outcome, OpenCommandOutcome::Opened);
    EXPECT_EQ(result.Open.Outcome, OpenOutcome::Opened);
    EXPECT_EQ(state.ProjectBaseName, "ONE");
    EXPECT_EQ(state.ProjectDirectory, dir.dir());
    EXPECT_EQ(state.AnalysisMethod, 7);
    EXPECT_TRUE(state.ResultSwitch1);

    result = OpenProjectFromPath(session, dir.file("TWO.PO1"));
    EXPECT_EQ(result.Index, 2u);
    EXPECT_EQ(state.AnalysisMethod, 2);
    EXPECT_EQ(GetRecentFile(settings, 0), dir.file("TWO.PO1"));
    EXPECT_EQ(recent[1].Caption, "&2 " + dir.file("ONE.PO1"));

    // The same file again: the existing entry, read again, no new entry.
    result = OpenProjectFromPath(session, dir.file("ONE.PO1"));
    EXPECT_EQ(result.Outcome, OpenCommandOutcome::Activated);
    EXPECT_EQ(result.Index, 1u);
    EXPECT_EQ(projects.Count(), 2u);
    EXPECT_EQ(projects.CurrentProject, 1u);
    EXPECT_EQ(state.AnalysisMethod, 7);
}

TEST_F(OpenCommands, RefusedFilesAndEmptyEntriesChangeNothing)
{
    OpenProjectFromPath(session, dir.file("ONE.PO1"));
    OpenCommandResult result = OpenProjectFromPath(session, dir.file("BAD.PO1"));
    EXPECT_EQ(result.Outcome, OpenCommandOutcome::Refused);
    EXPECT_NE(result.Reason.find("BAD.PO1"), std::string::npos);
    EXPECT_EQ(state.ProjectBaseName, "ONE");
    EXPECT_EQ(projects.Count(), 1u);
    EXPECT_EQ(GetRecentFile(settings, 1), "");

    EXPECT_EQ(OpenRecentFile(session, 1).Outcome, OpenCommandOutcome::NoEntry);
    EXPECT_EQ(OpenRecentFile(session, 7).Outcome, OpenCommandOutcome::NoEntry);
}

TEST_F(OpenCommands, RecentEntryOpensItsProject)
{
    OpenProjectFromPath(session, dir.file("ONE.PO1"));
    OpenProjectFromPath(session, dir.file("TWO.PO1"));
    projects = {};
    const OpenCommandResult result = OpenRecentFile(session, 1); // ONE, the older
    EXPECT_EQ(result.Outcome, OpenCommandOutcome::Opened);
    EXPECT_EQ(state.ProjectBaseName, "ONE");
    EXPECT_EQ(GetRecentFile(settings, 0), dir.file("ONE.PO1"));
    EXPECT_EQ(GetRecentFile(settings, 1), dir.file("TWO.PO1"));
}

} // namespace
} // namespace teska
