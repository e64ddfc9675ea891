// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-report against the faults a user's machine brings: pipes and
// devices in place of files, outputs that would overwrite inputs, links and
// modes, full outputs, long names, interrupts. Each run has a time limit, so
// a hang shows as status 124.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska {
namespace {

namespace fs = std::filesystem;

class ReportSafety : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // One small generated project for every case (copied where a case
        // changes it).
        shared = new test::ScratchDir();
        sample::SampleOptions options;
        options.NodesX = 6;
        options.NodesY = 5;
        sample::WriteSampleProject(sample::BuildSampleProject(options), shared->file("S.PO1"));
    }
    static void TearDownTestSuite() { delete shared; }

    void SetUp() override
    {
        fs::create_directories(dir.file("settings"));
        fs::create_directories(dir.file("p"));
        for (const auto& entry : fs::directory_iterator(shared->path()))
            fs::copy_file(entry.path(), dir.file("p/" + entry.path().filename().string()));
    }
    test::CommandResult Report(std::vector<std::string> args)
    {
        args.insert(args.begin(), dir.file("p/S.PO1"));
        args.insert(args.end(), {"--settings", dir.file("settings"), "--lines", "60", "--chars", "80"});
        return test::RunCommand(TESKA_REPORT_EXE, args, dir, 20);
    }

    static test::ScratchDir* shared;
    test::ScratchDir dir;
};

test::ScratchDir* ReportSafety::shared = nullptr;

TEST_F(ReportSafety, PipesInPlaceOfFilesAreRefusedWithoutWaiting)
{
    struct Case {
        const char* name;
        const char* fifo; // under the scratch folder
        const char* said;
    };
    const Case cases[] = {{"project file", "p/S.PO1", "p/S.PO1"}, {"result file", "p/S.PH3", "S.PH3"},
        {"settings file", "settings/TESKA-List.ini", "TESKA-List.ini"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir.file("p"));
        fs::remove_all(dir.file("settings"));
        SetUp();
        fs::remove(dir.file(c.fifo));
        ASSERT_EQ(::mkfifo(dir.file(c.fifo).c_str(), 0600), 0);
        const test::CommandResult r = Report({"--results", "140", "--text", "-"});
        EXPECT_EQ(r.status, 1) << r.err; // 124 would be a hang
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("named pipe"), std::string::npos) << r.err;
    }
}

TEST_F(ReportSafety, OutputsThatWouldOverwriteInputsAndUnknownSettingsAreRefused)
{
    const std::string p21 = test::readFile(dir.file("p/S.P21"));
    struct Case {
        std::vector<std::string> args;
        const char* said;
    };
    const Case cases[] = {{{"--results", "140", "--text", dir.file("p/S.P21")}, "S.P21"},
        {{"--results", "140", "--text", dir.file("p/s.txt")}, "s.txt"},
        {{"--results", "140", "--text", dir.file("settings/TESKA-List.ini")}, "TESKA-List.ini"},
        {{"--results", "140", "--xlsx", dir.file("p/S.PH3")}, "S.PH3"}};
    for (const Case& c : cases) {
        const test::CommandResult r = Report(c.args);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    }
    EXPECT_EQ(test::readFile(dir.file("p/S.P21")), p21);
    EXPECT_FALSE(fs::exists(dir.file("p/s.txt")));
    EXPECT_FALSE(fs::exists(dir.file("settings/TESKA-List.ini")));
    // A mistyped settings folder is not made.
    const test::CommandResult r = test::RunCommand(
        TESKA_REPORT_EXE, {dir.file("p/S.PO1"), "--offered", "--settings", dir.file("setings")}, dir, 20);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find("setings"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("setings")));
}

TEST_F(ReportSafety, TextGoesThroughLinksKeepsTheModeAndTakesLongNames)
{
    const std::string expected = Report({"--results", "140", "--text", "-"}).out;
    ASSERT_GT(expected.size(), 500u);
    // Through a link: the link stays, its target gets the text and keeps
    // its mode.
    test::writeFile(dir.file("real.txt"), "old");
    ::chmod(dir.file("real.txt").c_str(), 0600);
    fs::create_symlink(dir.file("real.txt"), dir.file("link.txt"));
    EXPECT_EQ(Report({"--results", "140", "--text", dir.file("link.txt")}).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(test::readFile(dir.file("real.txt")), expected);
    struct stat st { };
    ASSERT_EQ(::stat(dir.file("real.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // A name as long as the file system takes.
    const std::string longName = dir.file(std::string(251, 'x') + ".txt");
    EXPECT_EQ(Report({"--results", "140", "--text", longName}).status, 0);
    EXPECT_EQ(test::readFile(longName), expected);
    // A device is written directly; a full one is a failure, also for the
    // outputs of --view and --offered on standard output.
    EXPECT_EQ(Report({"--results", "140", "--text", "/dev/null"}).status, 0);
    for (const std::vector<std::string>& args :
        {std::vector<std::string>{"--results", "140", "--text", "/dev/full"},
            std::vector<std::string>{"--view", "140"}}) {
        const std::string shell = "'" + std::string(TESKA_REPORT_EXE) + "' '" + dir.file("p/S.PO1") + "' '"
            + args[0] + "' '" + args[1] + "'"
            + (args.size() > 2 ? " '" + args[2] + "' '" + args[3] + "'" : "") + " --settings '"
            + dir.file("settings") + "' >/dev/full 2>/dev/null";
        const int raw = std::system(shell.c_str());
        EXPECT_EQ(WEXITSTATUS(raw), 1) << shell;
    }
    // Nothing but the outputs is left in the folder.
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".teska-", 0), 0u) << entry.path();
}

// A node count of 100 million over column files that hold nothing but 128
// MiB of holes: the run names the file it cannot read, and memory follows
// what was read, not the count announced ahead of it.
TEST_F(ReportSafety, HugeNodeCountOverEmptyColumnsCostsNoMemory)
{
    test::writeFile(dir.file("p/S.PL6"), "100000000\r\n");
    for (const char* column : {"p/S.PH3", "p/S.PH4", "p/S.PH5"}) {
        fs::remove(dir.file(column));
        test::writeFile(dir.file(column), "");
        fs::resize_file(dir.file(column), std::uintmax_t(128) << 20); // sparse: no disk used
    }
    const test::CommandResult r = test::RunCommand(TESKA_REPORT_EXE,
        {dir.file("p/S.PO1"), "--results", "140", "--text", "-", "--settings", dir.file("settings"),
            "--lines", "60", "--chars", "80"},
        dir, 120);
    struct rusage usage { };
    ::getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("S.PH3"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("memory"), std::string::npos) << r.err;
    // The column file itself is read (128 MiB); a table for the count would
    // take 2 GB.
    EXPECT_LT(usage.ru_maxrss, 1024L * 1024) << "peak of a child process, KiB";
}

TEST_F(ReportSafety, InterruptedRunLeavesNoTemporaryFile)
{
    // A project large enough that the run is still writing when it is told
    // to stop.
    test::ScratchDir big;
    sample::SampleOptions options;
    options.NodesX = 400;
    options.NodesY = 400;
    sample::WriteSampleProject(sample::BuildSampleProject(options), big.file("B.PO1"));
    for (const int signal : {SIGTERM, SIGINT}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string out = dir.file("lists.txt"), settings = dir.file("settings");
            ::execl(TESKA_REPORT_EXE, "teska-report", big.file("B.PO1").c_str(), "--results", "all", "--text",
                out.c_str(), "--settings", settings.c_str(), "--lines", "60", "--chars", "80", nullptr);
            ::_exit(127);
        }
        // Wait for its temporary file, then stop it.
        bool seen = false;
        for (int i = 0; i < 20000 && !seen; ++i) {
            for (const auto& entry : fs::directory_iterator(dir.path()))
                seen = seen || entry.path().filename().string().rfind(".teska-", 0) == 0;
            if (!seen)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!seen)
            GTEST_SKIP() << "the run ended before its temporary file could be seen";
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
        for (const auto& entry : fs::directory_iterator(dir.path()))
            EXPECT_NE(entry.path().filename().string().rfind(".teska-", 0), 0u) << entry.path();
        EXPECT_FALSE(fs::exists(dir.file("lists.txt")));
    }
}

} // namespace
} // namespace teska
