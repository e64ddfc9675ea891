// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a project: the order of the steps, the early ends at a missing
// design parameter file or an unopenable slab file, the fallbacks of the
// job and punching files, and errors reported with the file they concern;
// and the open commands end to end, from a path or a recent-file entry to a
// registered, read project at the top of the recent-file list.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <unistd.h>

#include "project/io/RecordFile.h"
#include "project/opening/OpenProject.h"
#include "project/opening/ProjectOpening.h"
#include "project/opening/ProjectWriter.h"
#include "project/opening/RecentFiles.h"
#include "suite/Host.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using test::ScratchDir;

class OpenProjectTest : public ::testing::Test {
protected:
    OpenProjectTest()
        : context(host, [](long id) { return texts.count(id) ? texts.at(id) : std::string("?"); })
        , settings(ApplicationSettingsPath(dir.dir()))
        , session{state, projects, settings, recent, context}
    {
        // For the open commands: ONE (method 7, option 1 on), TWO (method
        // 2) and BAD, which is no project file.
        ProjectFileData data;
        data.AnalysisMethod = 7;
        data.Options[0] = 1;
        WriteProjectFile(dir.file("ONE.PO1"), data);
        data.AnalysisMethod = 2;
        WriteProjectFile(dir.file("TWO.PO1"), data);
        test::writeFile(dir.file("BAD.PO1"), "hello\r\n");

        state.ProjectDirectory = dir.dir();
        state.ProjectBaseName = "SLAB";
        state.ProjectPath = dir.file("SLAB.PO1");
        state.MainCaption = "before";
        context.announce = [this](const std::string& d, const std::string& b) { announced.push_back(d + b); };
    }

    // A project with option 4 (punching and design) as given.
    void WriteProject(std::int16_t option4, std::int32_t method = 1)
    {
        ProjectFileData data;
        data.ProjectType = 2;
        data.AnalysisMethod = method;
        data.Options = {1, 0, 0, option4, 0, 0, 1, 0, 3, 0, 0, 0, 0};
        WriteProjectFile(file(".PO1"), data);
    }
    std::string file(const std::string& ext) const { return dir.file("SLAB" + ext); }

    static inline const std::map<long, std::string> texts
        = {{40010, "Reading the project"}, {160024, "TESKA-List"}};
    ScratchDir dir;
    RecordingHost host;
    OpeningContext context;
    ProjectState state;
    std::vector<std::string> announced;
    OpenedProjects projects;
    SettingsStore settings;
    RecentFileTable recent;
    OpeningSession session;
};

TEST_F(OpenProjectTest, FullProjectSetsEverySwitchMenuAndCaption)
{
    WriteProject(1, 9);
    WriteJobFile(file(".AUF"), {"Hall 3", "Slab B", "2026"});
    WritePunchingFile(file(".PPU"), 3);
    WriteDesignParameterFile(file(".P23"), {1, 2, 3, 4, 5, 6}, "EN 1992-1-1");
    WriteSlabMarks(file(".P21"), "J", 0);

    const OpenResult result = OpenProject(state, context, true);
    EXPECT_EQ(result.Outcome, OpenOutcome::Opened);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(state.ProjectType, 2);
    EXPECT_EQ(state.AnalysisMethod, 9);
    EXPECT_EQ(state.JobLines, (std::array<std::string, 3>{"Hall 3", "Slab B", "2026"}));
    EXPECT_EQ(state.DesignCode, "EN 1992-1-1");
    EXPECT_TRUE(state.ResultSwitch1);
    EXPECT_TRUE(state.ResultSwitch4); // option 7
    EXPECT_TRUE(state.ResultSwitch6);
    EXPECT_TRUE(state.ResultSwitch7); // punching number 3 > 0
    EXPECT_TRUE(state.ResultSwitch16); // option 9 = 3
    EXPECT_FALSE(state.ResultSwitch10);
    EXPECT_TRUE(state.ResultSwitch17); // method 9
    EXPECT_TRUE(state.DesignSwitch1); // method 9
    EXPECT_TRUE(state.DesignSwitch2); // mark "J"
    EXPECT_TRUE(state.ListMenuEnabled);
    EXPECT_TRUE(state.CloseCommandEnabled);
    EXPECT_EQ(state.MainCaption, "TESKA-List - [SLAB]");
    EXPECT_EQ(host.lastStatus, "Reading the project");
    EXPECT_EQ(announced, (std::vector<std::string>{dir.dir() + "SLAB"}));
    EXPECT_EQ(result.Lock, LockResult::Acquired);
    EXPECT_TRUE(std::filesystem::exists(file(".LCK")));
}

TEST_F(OpenProjectTest, MissingOptionalFilesFallBack)
{
    WriteProject(0); // no punching: .PPU and .P23 are not looked at
    WritePunchingFile(file(".PPU"), 5);
    state.JobLines = {"stale", "stale", "stale"};
    EXPECT_EQ(OpenProject(state, context, true).Outcome, OpenOutcome::Opened);
    EXPECT_EQ(state.JobLines, (std::array<std::string, 3>{}));
    EXPECT_FALSE(state.ResultSwitch7);
    EXPECT_FALSE(state.DesignSwitch2); // no .P21
    EXPECT_TRUE(state.ListMenuEnabled);

    // Punching switched on, .P23 there but .PPU missing: no punching results.
    WriteProject(1);
    std::filesystem::remove(file(".PPU"));
    WriteDesignParameterFile(file(".P23"), {}, "Code");
    EXPECT_EQ(OpenProject(state, context, false).Outcome, OpenOutcome::Opened);
    EXPECT_TRUE(state.ResultSwitch6);
    EXPECT_FALSE(state.ResultSwitch7);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(OpenProjectTest, EarlyEndsNameTheirFileAndLeaveTheMenusOff)
{
    // Each ends before the menus with one report naming its file; the
    // switches set before the end stay, the others and the caption do not
    // change.
    const struct {
        const char* name;
        std::function<void()> files;
        OpenOutcome outcome;
        const char* file;
    } cases[] = {
        {"no design parameters",
            [&] {
                WriteProject(1);
                WritePunchingFile(file(".PPU"), 2);
                WriteSlabMarks(file(".P21"), "J", 1);
            },
            OpenOutcome::NoDesignParameters, "SLAB.P23"},
        {"corrupt design parameters", [&] { test::writeFile(file(".P23"), "1, 2, x, 4, 5, 6\r\nCode\r\n"); },
            OpenOutcome::Failed, "SLAB.P23, line 1"},
        {"unopenable slab file",
            [&] {
                std::filesystem::remove(file(".P23"));
                WriteProject(0);
                std::filesystem::permissions(file(".P21"), std::filesystem::perms::none);
            },
            OpenOutcome::SlabFileUnopened, "SLAB.P21"},
        {"unreadable options", [&] { test::writeFile(file(".PO1"), "NOT-A-PROJECT\r\n1, 1\r\n"); },
            OpenOutcome::OptionsUnread, "SLAB.PO1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.files();
        if (c.outcome == OpenOutcome::SlabFileUnopened && ::geteuid() == 0)
            continue; // file permissions do not bind the superuser
        host.errors.clear();
        state = ProjectState{};
        state.ProjectDirectory = dir.dir();
        state.ProjectBaseName = "SLAB";
        state.ProjectPath = file(".PO1");
        state.MainCaption = "before";
        state.ResultSwitch3 = true;
        EXPECT_EQ(OpenProject(state, context, true).Outcome, c.outcome);
        EXPECT_FALSE(state.ListMenuEnabled);
        EXPECT_EQ(state.MainCaption, "before");
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_NE(host.errors[0].find(c.file), std::string::npos) << host.errors[0];
        if (c.outcome == OpenOutcome::NoDesignParameters) {
            EXPECT_TRUE(state.ResultSwitch6); // switches of step 4 are set
            EXPECT_FALSE(state.ResultSwitch7); // ended before punching was decided
            EXPECT_FALSE(state.DesignSwitch2); // .P21 was not reached
        }
        if (c.outcome == OpenOutcome::OptionsUnread) {
            EXPECT_TRUE(state.ResultSwitch3);
        }
    }
}

TEST_F(OpenProjectTest, SlabFileDecidesDesignSwitchTwo)
{
    WriteProject(0, 8);
    WriteSlabMarks(file(".P21"), "J", 1);
    EXPECT_EQ(OpenProject(state, context, true).Outcome, OpenOutcome::Opened);
    EXPECT_FALSE(state.DesignSwitch2); // method 8 excludes it
    EXPECT_TRUE(state.DesignSwitch1); // method 8

    WriteProject(0, 4);
    WriteSlabMarks(file(".P21"), "N", 0.5f);
    OpenProject(state, context, false);
    EXPECT_TRUE(state.DesignSwitch2);
    EXPECT_FALSE(state.DesignSwitch1);

    // An empty .P21 is refused by the data file check: passed over, as if
    // it were missing.
    test::writeFile(file(".P21"), "");
    EXPECT_EQ(OpenProject(state, context, false).Outcome, OpenOutcome::Opened);
    EXPECT_FALSE(state.DesignSwitch2);
    EXPECT_TRUE(host.errors.empty());

    // A .P21 too short for record 9 is a trapped error naming the record.
    RecordWriter eight;
    eight.PutString(8, "J");
    eight.Save(file(".P21"));
    EXPECT_EQ(OpenProject(state, context, false).Outcome, OpenOutcome::Failed);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("SLAB.P21, record 9"), std::string::npos) << host.errors[0];
}

TEST_F(OpenProjectTest, ReactivationNeitherAnnouncesNorLocksAndGroupGetsThePath)
{
    WriteProject(0);
    std::vector<std::string> handed;
    context.StartedByGroup = true;
    context.groupHandOver = [&](const std::string& path) { handed.push_back(path); };
    const OpenResult again = OpenProject(state, context, false);
    EXPECT_EQ(again.Outcome, OpenOutcome::Opened);
    EXPECT_TRUE(announced.empty());
    EXPECT_FALSE(std::filesystem::exists(file(".LCK")));
    EXPECT_EQ(handed, (std::vector<std::string>{state.ProjectPath}));

    EXPECT_EQ(OpenProject(state, context, true).Lock, LockResult::Acquired);
    EXPECT_EQ(OpenProject(state, context, true).Lock, LockResult::AlreadyOurs);
}

TEST_F(OpenProjectTest, ProjectPathKeepsTheChosenExtensionCase)
{
    ProjectFileData data;
    data.AnalysisMethod = 13;
    WriteProjectFile(dir.file("lower.po1"), data);
    state.ProjectBaseName = "lower";
    state.ProjectPath = dir.file("lower.po1");
    EXPECT_EQ(OpenProject(state, context, true).Outcome, OpenOutcome::Opened);
    EXPECT_EQ(state.AnalysisMethod, 13);
    EXPECT_TRUE(std::filesystem::exists(dir.file("lower.LCK")));
}

TEST_F(OpenProjectTest, PathSplitsIntoDirectoryAndBaseName)
{
    std::string directory, base;
    SplitProjectPath("/p/q/Slab.2.PO1", directory, base);
    EXPECT_EQ(directory, "/p/q/");
    EXPECT_EQ(base, "Slab.2");
    SplitProjectPath("NAME.PO1", directory, base);
    EXPECT_EQ(directory, "");
    EXPECT_EQ(base, "NAME");
}

TEST_F(OpenProjectTest, OpeningRegistersReadsAndRemembers)
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
    // The recent files are in the application's settings file.
    SettingsStore reloaded(dir.file("TESKA-List.ini"));
    ASSERT_TRUE(reloaded.Load());
    RecentFileTable loaded;
    LoadRecentList(reloaded, loaded);
    EXPECT_EQ(loaded[1].Caption, "&2 " + dir.file("ONE.PO1"));
    EXPECT_TRUE(loaded[1].Visible);
    EXPECT_FALSE(loaded[2].Visible);

    // The same file again: the existing entry, read again, no new entry.
    result = OpenProjectFromPath(session, dir.file("ONE.PO1"));
    EXPECT_EQ(result.Outcome, OpenCommandOutcome::Activated);
    EXPECT_EQ(result.Index, 1u);
    EXPECT_EQ(projects.Count(), 2u);
    EXPECT_EQ(projects.CurrentProject, 1u);
    EXPECT_EQ(state.AnalysisMethod, 7);

    // A file of the same name in another folder, or the same path in
    // another case, is another project.
    std::filesystem::create_directory(dir.file("sub"));
    std::filesystem::copy_file(dir.file("ONE.PO1"), dir.file("sub/ONE.PO1"));
    std::filesystem::copy_file(dir.file("ONE.PO1"), dir.file("one.PO1"));
    EXPECT_EQ(OpenProjectFromPath(session, dir.file("sub/ONE.PO1")).Index, 3u);
    EXPECT_EQ(OpenProjectFromPath(session, dir.file("one.PO1")).Index, 4u);
    EXPECT_EQ(projects.Count(), 4u);
}

TEST_F(OpenProjectTest, RefusedFilesAndEmptyEntriesChangeNothing)
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

TEST_F(OpenProjectTest, RecentEntryOpensItsProject)
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
