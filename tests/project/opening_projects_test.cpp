// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping track of open projects: the open list and closing, the
// recent-file list in the settings file, lock files, and the checks made
// before a file is opened as a project or read as a data file; the project
// file and the files read on opening (what the writers write reads back,
// the forms the field rules allow, bad input named with file and line);
// and the availability switches, worked out switch by switch from the
// rules, each moving alone.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "project/opening/OpenedProjects.h"
#include "project/opening/ProjectFileReader.h"
#include "project/opening/ProjectReader.h"
#include "project/opening/ProjectRelease.h"
#include "project/opening/ProjectState.h"
#include "project/opening/ProjectWriter.h"
#include "project/opening/RecentFiles.h"
#include "suite/Errors.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using test::ScratchDir;
using test::writeFile;

TEST(OpenedProjectsList, ClosingMovesLaterEntriesDownAndKeepsCurrentInRange)
{
    ScratchDir dir;
    const LockOwner self = ThisProcess();
    OpenedProjects projects;
    bool already = false;
    for (const char* name : {"A", "B", "C"}) {
        IsProjectOpened(projects, dir.file(std::string(name) + ".PO1"), already);
        ASSERT_EQ(AcquireProject(dir.file(name), self).Result, LockResult::Acquired);
    }
    projects.CurrentProject = 2; // B
    CloseResult closed = CloseProject(projects, self);
    EXPECT_EQ(closed.ClosedPath, dir.file("B.PO1"));
    EXPECT_EQ(closed.Released, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("B.LCK")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("C.LCK")));
    EXPECT_EQ(projects.CurrentProject, 2u); // C moved into place 2
    EXPECT_EQ(closed.NewCurrent, dir.file("C.PO1"));
    EXPECT_TRUE(closed.MenusEnabled);

    closed = CloseProject(projects, self); // C, the last entry
    EXPECT_EQ(projects.CurrentProject, 1u);
    EXPECT_EQ(closed.NewCurrent, dir.file("A.PO1"));

    closed = CloseProject(projects, self); // A, the last project
    EXPECT_EQ(projects.CurrentProject, 0u);
    EXPECT_EQ(closed.NewCurrent, "");
    EXPECT_FALSE(closed.MenusEnabled);
    EXPECT_FALSE(std::filesystem::exists(dir.file("A.LCK")));

    closed = CloseProject(projects, self); // nothing open: no change
    EXPECT_EQ(closed.ClosedPath, "");
    EXPECT_FALSE(closed.MenusEnabled);

    // Ending the program releases every project.
    for (const char* name : {"D", "E"}) {
        IsProjectOpened(projects, dir.file(std::string(name) + ".PO1"), already);
        AcquireProject(dir.file(name), self);
    }
    ReleaseAllProjects(projects, self);
    EXPECT_FALSE(std::filesystem::exists(dir.file("D.LCK")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("E.LCK")));
}

TEST(RecentFileList, NewestFirstAtMostFiveAndNoDuplicates)
{
    SettingsStore store;
    RecentFileTable records;
    for (const char* path : {"/p/1.PO1", "/p/2.PO1", "/p/3.PO1"})
        AddRecentFile(store, path, records);
    EXPECT_EQ(LoadRecentPaths(store), (std::vector<std::string>{"/p/3.PO1", "/p/2.PO1", "/p/1.PO1"}));

    AddRecentFile(store, "/p/1.PO1", records); // moves to the top, not doubled
    EXPECT_EQ(LoadRecentPaths(store), (std::vector<std::string>{"/p/1.PO1", "/p/3.PO1", "/p/2.PO1"}));

    for (const char* path : {"/p/4.PO1", "/p/5.PO1", "/p/6.PO1"})
        AddRecentFile(store, path, records);
    EXPECT_EQ(LoadRecentPaths(store),
        (std::vector<std::string>{"/p/6.PO1", "/p/5.PO1", "/p/4.PO1", "/p/1.PO1", "/p/3.PO1"}));
    EXPECT_EQ(GetRecentFile(store, 0), "/p/6.PO1");
    EXPECT_EQ(GetRecentFile(store, 4), "/p/3.PO1");
    EXPECT_EQ(GetRecentFile(store, 5), "");
    EXPECT_EQ(GetRecentFile(store, -1), "");
    EXPECT_EQ(records[0].Caption, "&1 /p/6.PO1");
    EXPECT_EQ(records[4].Caption, "&5 /p/3.PO1");
    EXPECT_TRUE(records[4].Visible);
    // Hand-edited gaps and duplicates are dropped.
    SettingsStore edited;
    edited.SetValue("Recent Files", "File1", "/a.PO1");
    edited.SetValue("Recent Files", "File2", "");
    edited.SetValue("Recent Files", "File3", "/a.PO1");
    edited.SetValue("Recent Files", "File4", "/b.PO1");
    EXPECT_EQ(LoadRecentPaths(edited), (std::vector<std::string>{"/a.PO1", "/b.PO1"}));
    EXPECT_EQ(GetRecentFile(edited, 1), "/b.PO1");
}

TEST(ProjectLocks, AcquireReleaseOtherOwnersAndStaleLocks)
{
    ScratchDir dir;
    const std::string project = dir.file("P");
    const LockOwner self = ThisProcess();
    EXPECT_EQ(AcquireProject(project, self).Result, LockResult::Acquired);
    const std::string text = test::readFile(dir.file("P.LCK"));
    EXPECT_EQ(text, "TESKA-LCK\nhost=" + self.Host + "\npid=" + std::to_string(::getpid()) + "\n");
    EXPECT_EQ(AcquireProject(project, self).Result, LockResult::AlreadyOurs);

    // Another host's lock is live whatever its process id.
    const LockOwner remote{"another-host.example", 1};
    EXPECT_EQ(ProjectRelease(project, remote), -1); // not its lock
    EXPECT_EQ(ProjectRelease(project, self), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("P.LCK")));
    EXPECT_EQ(ProjectRelease(project, self), 0); // no lock: nothing to do

    EXPECT_EQ(AcquireProject(project, remote).Result, LockResult::Acquired);
    const ProjectLock held = AcquireProject(project, self);
    EXPECT_EQ(held.Result, LockResult::HeldByOther);
    EXPECT_EQ(held.Owner, remote);
    EXPECT_EQ(ProjectRelease(project, self), -1);
    EXPECT_TRUE(std::filesystem::exists(dir.file("P.LCK")));

    // Stale and corrupt locks are taken over. A process of this host that
    // has ended: a child that exits at once. of this host that has ended: a child that exits at once.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    int status = 0;
    ::waitpid(child, &status, 0);
    const LockOwner ended{self.Host, static_cast<long>(child)};
    EXPECT_FALSE(LockOwnerAlive(ended));
    EXPECT_EQ(AcquireProject(dir.file("S"), ended).Result, LockResult::Acquired);
    EXPECT_EQ(AcquireProject(dir.file("S"), self).Result, LockResult::TakenOverStale);
    EXPECT_EQ(ProjectRelease(dir.file("S"), self), 0);

    writeFile(dir.file("C.LCK"), "garbage\n");
    EXPECT_EQ(AcquireProject(dir.file("C"), self).Result, LockResult::TakenOverStale);
    EXPECT_EQ(ProjectRelease(dir.file("C"), ended), -1);

    EXPECT_TRUE(LockOwnerAlive(self));
    EXPECT_EQ(AcquireProject(dir.file("missing/P"), self).Result, LockResult::Failed);
}

TEST(ProjectChecks, ProjectAndDataFileChecksRefuseWhatCannotBeRead)
{
    ScratchDir dir;
    writeFile(dir.file("GOOD.PO1"), "TESKA-PO1\r\n1, 1\r\n");
    writeFile(dir.file("good.po1"), "TESKA-PO1\n");
    writeFile(dir.file("BAD.PO1"), "TESKA-PO2\r\n");
    writeFile(dir.file("GOOD.TXT"), "TESKA-PO1\r\n");
    EXPECT_TRUE(ProjectReader::CheckProjectFile(dir.file("GOOD.PO1")));
    EXPECT_TRUE(ProjectReader::CheckProjectFile(dir.file("good.po1")));
    const ProjectCheck bad = ProjectReader::CheckProjectFile(dir.file("BAD.PO1"));
    EXPECT_FALSE(bad);
    EXPECT_NE(bad.Reason.find("BAD.PO1"), std::string::npos) << bad.Reason;
    EXPECT_FALSE(ProjectReader::CheckProjectFile(dir.file("GOOD.TXT")));
    EXPECT_FALSE(ProjectReader::CheckProjectFile(dir.file("NONE.PO1")));
    std::filesystem::create_directory(dir.file("DIR.PO1"));
    EXPECT_FALSE(ProjectReader::CheckProjectFile(dir.file("DIR.PO1")));
    // A data file: missing, empty as a record file, or a folder.
    writeFile(dir.file("T.P31"), "");
    std::string reason;
    EXPECT_FALSE(DataFileRefused(dir.file("T.P31"), 1, &reason)); // an empty text file may be read
    EXPECT_EQ(reason, "");
    EXPECT_TRUE(DataFileRefused(dir.file("T.P31"), 3, &reason)); // as a record file it is empty
    EXPECT_NE(reason.find("T.P31"), std::string::npos);
    EXPECT_TRUE(DataFileRefused(dir.file("NONE.P21"), 3));
    EXPECT_TRUE(DataFileRefused(dir.dir(), 1));
}

// The stored files of tests/data/project/opening read and written again
// come back byte for byte: project files (the type beyond 16 bits, options
// at their limits, job lines with commas, umlauts and none at all), job
// files (blank, indented and quoted lines) and a design parameter file.
TEST(ProjectFile, StoredFilesReadAndWrittenAgain)
{
    ScratchDir dir;
    const std::string stored = test::dataPath("project/opening/");
    for (const char* name : {"A.PO1", "B.PO1"})
        WriteProjectFile(dir.file(name), ReadProjectFile(stored + name));
    for (const char* name : {"A.AUF", "E.AUF"})
        WriteJobFile(dir.file(name), ReadJobFile(stored + name));
    const DesignParameterData design = ReadDesignParameterFile(stored + "A.P23");
    WriteDesignParameterFile(dir.file("A.P23"), design.Numbers, design.DesignCode);
    for (const char* name : {"A.PO1", "B.PO1", "A.AUF", "E.AUF", "A.P23"})
        EXPECT_EQ(test::readFile(dir.file(name)), test::readFile(stored + name)) << name;
    EXPECT_EQ(ReadProjectFile(stored + "A.PO1").ProjectType, 70000);
    EXPECT_EQ(design.Numbers[4], 1e6);
}

TEST(ProjectFile, WriterRefusesWhatCannotBeReadBack)
{
    ScratchDir dir;
    ProjectFileData data;
    data.JobLines = {"a", "b", "c", "d"};
    EXPECT_THROW(WriteProjectFile(dir.file("A.PO1"), data), std::invalid_argument);
    data.JobLines = {"say \"hello\""};
    EXPECT_THROW(WriteProjectFile(dir.file("A.PO1"), data), std::invalid_argument);
    data.JobLines = {"two\nlines"};
    EXPECT_THROW(WriteProjectFile(dir.file("A.PO1"), data), std::invalid_argument);
    EXPECT_THROW(WriteJobFile(dir.file("A.AUF"), {"a\r\nb", "", ""}), std::invalid_argument);
    EXPECT_THROW(WriteDesignParameterFile(dir.file("A.P23"), {}, "x\ny"), std::invalid_argument);
    test::ExpectAccessErrorNaming(
        dir.file("missing/A.PO1"), [&] { WriteProjectFile(dir.file("missing/A.PO1"), {}); });
}

TEST(JobFile, MissingTrailingLinesReadAsEmpty)
{
    // Trailing blank lines and missing ones cannot be told apart at the end
    // of a file, so both give empty lines.
    FieldReader in("A.AUF", "Only line\n");
    EXPECT_EQ(ReadJobFile(in), (std::array<std::string, 3>{"Only line", "", ""}));
    test::ExpectAccessErrorNaming("/nonexistent/dir/A.AUF", [] { ReadJobFile("/nonexistent/dir/A.AUF"); });
}

TEST(SlabMarksFile, RoundTripsRecordsEightAndNine)
{
    ScratchDir dir;
    WriteSlabMarks(dir.file("A.P21"), "J", -1.5f);
    const SlabMarks marks = ReadSlabMarks(dir.file("A.P21"));
    EXPECT_EQ(marks.SlabMark, "J");
    EXPECT_EQ(marks.Record9, -1.5f);
    // The mark stands at the start of record 8, the single at record 9.
    const std::string bytes = test::readFile(dir.file("A.P21"));
    ASSERT_EQ(bytes.size(), 9 * RecordLength);
    EXPECT_EQ(bytes.substr(7 * RecordLength, 3), std::string("\x01\x00J", 3));
}

// Switches that one option at a given value turns on; every other switch
// stays off (AnalysisMethod 0 keeps 17 and 18 off).
struct OptionCase {
    int option;
    std::int16_t value;
    std::set<int> on;
};

TEST(ResultSwitches, EachOptionDrivesItsOwnSwitches)
{
    const OptionCase cases[] = {{1, 1, {1}}, {2, 1, {2}}, {3, 1, {3}}, {7, 1, {4}}, {8, 1, {5}}, {4, 1, {6}},
        {5, 1, {8}}, {6, 1, {9}}, {9, 1, {10}}, {10, 1, {11}}, {11, 1, {12}}, {12, 1, {13}}, {13, 1, {14}},
        {9, 4, {15}}, {9, 3, {16}}, {9, 2, {}}, {1, 2, {}}, {4, -1, {}}, {13, 0, {}}};
    for (const OptionCase& c : cases) {
        ProjectState state;
        state.Options[static_cast<std::size_t>(c.option - 1)] = c.value;
        SetResultSwitches(state);
        for (int n = 1; n <= 18; ++n)
            EXPECT_EQ(state.ResultSwitch(n), c.on.count(n) == 1)
                << "option " << c.option << " = " << c.value << ", switch " << n;
    }
}

TEST(ResultSwitches, AnalysisMethodDrivesSeventeenAndEighteen)
{
    const std::set<int> seventeen = {1, 5, 6, 7, 9, 13};
    const std::set<int> eighteen = {2, 8, 17, 18, 19, 20};
    for (int method = -1; method <= 23; ++method) {
        ProjectState state;
        state.AnalysisMethod = method;
        SetResultSwitches(state);
        EXPECT_EQ(state.ResultSwitch17, seventeen.count(method) == 1) << method;
        EXPECT_EQ(state.ResultSwitch18, eighteen.count(method) == 1) << method;
        EXPECT_FALSE(state.ResultSwitch1) << method;
        EXPECT_EQ(DesignResultsOfMethod(method), method == 3 || method == 8 || method == 9) << method;
    }
}

TEST(ResultSwitches, ResetOnEverySettingAndSevenWaitsForPunching)
{
    ProjectState state;
    state.Options.fill(1);
    state.AnalysisMethod = 7;
    SetResultSwitches(state);
    // All options 1: every switch but 7, 15, 16 (option 9 is 1) and 18.
    for (int n = 1; n <= 18; ++n)
        EXPECT_EQ(state.ResultSwitch(n), n != 7 && n != 15 && n != 16 && n != 18) << n;

    state.ResultSwitch7 = true;
    state.Options.fill(0);
    state.AnalysisMethod = 0;
    SetResultSwitches(state);
    for (int n = 1; n <= 18; ++n)
        EXPECT_FALSE(state.ResultSwitch(n)) << n;
    EXPECT_FALSE(state.ResultSwitch(0));
    EXPECT_FALSE(state.ResultSwitch(19));

    EXPECT_TRUE(PunchingResultsExist(true, 0.5));
    EXPECT_FALSE(PunchingResultsExist(true, 0));
    EXPECT_FALSE(PunchingResultsExist(true, -2));
    EXPECT_FALSE(PunchingResultsExist(false, 4));
}

TEST(DesignSwitch2, MarkOrRecordNineUnlessExcludedMethod)
{
    struct Case {
        const char* mark;
        float record9;
        int method;
        bool expected;
    };
    const Case cases[] = {{"J", 0, 1, true}, // the mark alone
        {"J", -5, 3, true}, {"N", 0.1f, 1, true}, // another mark with a positive record 9
        {"N", 0, 1, false}, {"N", -1, 1, false}, {"", 0, 1, false},
        {"j", 0, 1, false}, // the mark is the capital letter
        {"JA", 0, 1, false}, {"J", 1, 2, false}, // excluded methods
        {"J", 1, 8, false}, {"J", 1, 17, false}, {"J", 1, 18, false}, {"J", 1, 19, false},
        {"J", 1, 20, false}, {"J", 0, 21, true}, {"J", 0, 16, true}};
    for (const Case& c : cases)
        EXPECT_EQ(SlabDesignResults(c.mark, c.record9, c.method), c.expected)
            << c.mark << " " << c.record9 << " " << c.method;
}

} // namespace
} // namespace teska
