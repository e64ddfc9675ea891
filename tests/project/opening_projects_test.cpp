// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping track of open projects: the open list and closing, the
// recent-file list in the settings file, lock files, and the checks made
// before a file is opened as a project or read as a data file.

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "project/opening/OpenedProjects.h"
#include "project/opening/ProjectReader.h"
#include "project/opening/ProjectRelease.h"
#include "project/opening/RecentFiles.h"
#include "suite/SettingsStore.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using test::ScratchDir;
using test::writeFile;

TEST(OpenedProjectsList, SecondOpeningOfAPathSelectsTheExistingEntry)
{
    OpenedProjects projects;
    bool already = true;
    EXPECT_EQ(IsProjectOpened(projects, "/a/SLAB.PO1", already), 1u);
    EXPECT_FALSE(already);
    EXPECT_EQ(IsProjectOpened(projects, "/b/SLAB.PO1", already), 2u); // same base name
    EXPECT_FALSE(already);
    EXPECT_EQ(IsProjectOpened(projects, "/a/slab.PO1", already), 3u); // case-sensitive
    EXPECT_FALSE(already);
    EXPECT_EQ(projects.CurrentProject, 3u);
    EXPECT_EQ(IsProjectOpened(projects, "/a/SLAB.PO1", already), 1u);
    EXPECT_TRUE(already);
    EXPECT_EQ(projects.Count(), 3u);
    EXPECT_EQ(projects.Current(), "/a/SLAB.PO1");
}

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
}

TEST(OpenedProjectsList, EndingTheProgramReleasesEveryProject)
{
    ScratchDir dir;
    const LockOwner self = ThisProcess();
    OpenedProjects projects;
    bool already = false;
    for (const char* name : {"A", "B"}) {
        IsProjectOpened(projects, dir.file(std::string(name) + ".PO1"), already);
        AcquireProject(dir.file(name), self);
    }
    ReleaseAllProjects(projects, self);
    EXPECT_FALSE(std::filesystem::exists(dir.file("A.LCK")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("B.LCK")));
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

TEST(RecentFileList, StoredInTheApplicationSettingsFile)
{
    ScratchDir dir;
    SettingsStore store(ApplicationSettingsPath(dir.dir()));
    RecentFileTable records;
    EXPECT_TRUE(AddRecentFile(store, "/x/A.PO1", records));
    EXPECT_TRUE(AddRecentFile(store, "/x/B.PO1", records));
    EXPECT_EQ(records[2].Caption, "");
    EXPECT_FALSE(records[2].Visible);

    SettingsStore reloaded(dir.file("TESKA-List.ini"));
    ASSERT_TRUE(reloaded.Load());
    EXPECT_EQ(reloaded.Value("Recent Files", "File1"), "/x/B.PO1");
    EXPECT_EQ(reloaded.Value("Recent Files", "File2"), "/x/A.PO1");
    RecentFileTable loaded;
    LoadRecentList(reloaded, loaded);
    EXPECT_EQ(loaded[1].Caption, "&2 /x/A.PO1");
    EXPECT_FALSE(loaded[2].Visible);
}

TEST(ProjectLocks, AcquireReleaseAndOtherOwners)
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
}

TEST(ProjectLocks, StaleAndCorruptLocksAreTakenOver)
{
    ScratchDir dir;
    const LockOwner self = ThisProcess();
    // A process of this host that has ended: a child that exits at once.
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

} // namespace
} // namespace teska
