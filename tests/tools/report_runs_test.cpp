// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-report run as a program: the runs of tests/data/tools/report_runs.tsv
// (arguments, exit status, error and output), and the runs that need more
// than one call: text files against standard output, aborted runs, order
// of data and results, PDF pages, links, devices, pipes and interrupts.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska {
namespace {

namespace fs = std::filesystem;

// Builds the project \p name in \p dir: a copy of the folder
// tests/data/tools/projects/NAME (see its README.md), a generated sample or
// the demo; returns its project file, empty for none.
std::string BuildProject(const std::string& name, const test::ScratchDir& dir)
{
    if (name.starts_with("sample")) {
        // "sample", or "sample:M:X:Y": the analysis method M on X by Y nodes.
        sample::SampleOptions options;
        options.NodesX = 4;
        options.NodesY = 3;
        options.Borings = 2;
        std::sscanf(name.c_str(), "sample:%d:%d:%d", &options.Method, &options.NodesX, &options.NodesY);
        sample::WriteSampleProject(sample::BuildSampleProject(options), dir.file("S.PO1"));
        return dir.file("S.PO1");
    }
    if (name == "demo")
        return TESKA_SOURCE_DATA_DIR "/../examples/demo/DEMO.PO1";
    std::string project;
    std::error_code none;
    for (const auto& entry : fs::directory_iterator(test::dataPath("tools/projects/" + name), none)) {
        fs::copy_file(
            entry.path(), dir.path() / entry.path().filename(), fs::copy_options::overwrite_existing);
        if (entry.path().extension() == ".PO1")
            project = dir.file(entry.path().filename().string());
    }
    return project;
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// Every file under \p dir, with its size.
std::set<std::string> Listing(const test::ScratchDir& dir)
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        files.insert(
            entry.path().string() + (entry.is_regular_file() ? " " + std::to_string(entry.file_size()) : ""));
    return files;
}

TEST(ReportRuns, EachRowOfTheTable)
{
    const auto table = test::TableRows("tools/report_runs.tsv", 6);
    ASSERT_GT(table.size(), 40u);
    for (const std::vector<std::string>& f : table) {
        SCOPED_TRACE(f[0]);
        test::ScratchDir dir;
        fs::create_directories(dir.file("settings"));
        std::istringstream projectWords(f[1]);
        std::string name, removed;
        projectWords >> name;
        const std::string project = BuildProject(name, dir);
        while (projectWords >> removed)
            fs::remove(dir.file(removed.substr(1)));
        const std::string page
            = "--lines 30 --chars 60 --margins 0,0,2 --no-company --no-job-data --settings {settings}";
        const auto expand = [&](const std::string& text) {
            return Replace(Replace(Replace(Replace(text, "{page}", page), "{project}", project), "{settings}",
                               dir.file("settings")),
                "{dir}", dir.dir());
        };
        std::vector<std::string> args;
        std::istringstream words(expand(f[2]));
        for (std::string word; words >> word;)
            args.push_back(word);
        const std::set<std::string> before = Listing(dir);
        const test::CommandResult r = test::RunCommand(TESKA_REPORT_EXE, args, dir, 30);
        EXPECT_EQ(r.status, std::stoi(f[3])) << r.err;
        // "-": nothing; "*": anything; "=FILE": the whole stored text; else a part.
        const auto expectOutput = [&](const std::string& got, const std::string& want) {
            if (want == "-" || want.starts_with("=")) {
                EXPECT_EQ(want == "-" ? got : test::compareWithExpected(want.substr(1), got), "");
            } else if (want != "*") {
                EXPECT_NE(
                    got.find(expand(Replace(Replace(want, "\\t", "\t"), "\\n", "\n"))), std::string::npos)
                    << got;
            }
        };
        expectOutput(r.err, f[4]);
        expectOutput(r.out, f[5]);
        if (r.status != 0) {
            EXPECT_EQ(Listing(dir), before) << "a failing run changed its folder";
        }
        for (std::size_t i = 0; r.status == 0 && i + 1 < args.size(); ++i) {
            if (std::set<std::string>{"--text", "--pdf", "--xlsx", "--odt", "--csv", "--png", "--svg"}.count(
                    args[i])
                && args[i + 1] != "-") {
                EXPECT_TRUE(fs::exists(args[i + 1])) << args[i + 1];
            }
        }
    }
}

class ReportRun : public ::testing::Test {
protected:
    test::CommandResult Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), project);
        args.insert(args.end(),
            {"--lines", "30", "--chars", "60", "--margins", "0,0,2", "--no-company", "--no-job-data",
                "--settings", settings});
        return test::RunCommand(TESKA_REPORT_EXE, args, dir, 120);
    }

    test::ScratchDir dir;
    std::string project = BuildProject("data", dir);
    std::string settings = (fs::create_directories(dir.file("settings")), dir.file("settings"));
};

// The text file holds what standard output would, the data lists before
// the results whatever their order on the command line; a run that aborts
// leaves an older file of that name and no temporary file.
TEST_F(ReportRun, TextFileHoldsStandardOutputDataFirstAndAnAbortedRunLeavesNone)
{
    const test::CommandResult data = Run({"--data", "90054", "--text", "-"});
    const test::CommandResult results = Run({"--results", "140", "--text", "-"});
    ASSERT_EQ(data.status + results.status, 0) << data.err << results.err;
    EXPECT_EQ(Run({"--results", "140", "--data", "90054", "--text", dir.file("list.txt")}).out, "");
    EXPECT_EQ(test::readFile(dir.file("list.txt")), data.out + results.out);
#ifdef TESKA_REPORT_HAVE_PDF
    // One page of node coordinates, one page of moments; two copies of
    // the one-page moments list print it twice.
    const auto pages = [this](const std::string& file) {
        static const std::regex page(R"(/Type\s*/Page[^s])");
        const std::string pdf = test::readFile(dir.file(file));
        return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
    };
    ASSERT_EQ(Run({"--results", "140", "--data", "90054", "--pdf", dir.file("both.pdf")}).status, 0);
    EXPECT_EQ(pages("both.pdf"), 2);
    ASSERT_EQ(Run({"--results", "140", "--pdf", dir.file("two.pdf"), "--copies", "2"}).status, 0);
    EXPECT_EQ(pages("two.pdf"), 2);
#endif
    fs::remove(dir.file("PLATE.PH4"));
    test::writeFile(dir.file("list.txt"), "older list\r\n");
    const std::set<std::string> before = Listing(dir);
    const test::CommandResult r
        = Run({"--data", "90054", "--results", "140", "--text", dir.file("list.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("PLATE.PH4"), std::string::npos) << r.err;
    EXPECT_EQ(Listing(dir), before);
}

TEST_F(ReportRun, PipesInPlaceOfFilesAreRefusedWithoutWaiting)
{
    for (const char* fifo : {"PLATE.PH3", "settings/TESKA-List.ini", "PLATE.PO1"}) {
        SCOPED_TRACE(fifo);
        fs::remove(dir.file(fifo));
        ASSERT_EQ(::mkfifo(dir.file(fifo).c_str(), 0600), 0);
        const test::CommandResult r = Run({"--results", "140", "--text", "-"});
        EXPECT_EQ(r.status, 1) << r.err; // 124 would be a hang
        EXPECT_NE(r.err.find(fs::path(fifo).filename().string()), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("named pipe"), std::string::npos) << r.err;
        fs::remove(dir.file(fifo));
        project = BuildProject("data", dir);
    }
}

TEST_F(ReportRun, TextGoesThroughLinksKeepsTheModeTakesLongNamesAndFailsOnAFullDevice)
{
    const std::string expected = Run({"--results", "140", "--text", "-"}).out;
    ASSERT_GT(expected.size(), 500u);
    test::writeFile(dir.file("real.txt"), "old");
    ::chmod(dir.file("real.txt").c_str(), 0600);
    fs::create_symlink(dir.file("real.txt"), dir.file("link.txt"));
    EXPECT_EQ(Run({"--results", "140", "--text", dir.file("link.txt")}).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(test::readFile(dir.file("real.txt")), expected);
    struct stat st { };
    ASSERT_EQ(::stat(dir.file("real.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string longName = dir.file(std::string(251, 'x') + ".txt");
    EXPECT_EQ(Run({"--results", "140", "--text", longName}).status, 0);
    EXPECT_EQ(test::readFile(longName), expected);
    EXPECT_EQ(Run({"--results", "140", "--text", "/dev/null"}).status, 0);
    EXPECT_EQ(Run({"--results", "140", "--text", "/dev/full"}).status, 1);
    // Standard output on a full device fails too.
    const std::string shell = "'" + std::string(TESKA_REPORT_EXE) + "' '" + project
        + "' --view 140 --settings '" + settings + "' >/dev/full 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(shell.c_str())), 1);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind(".teska-", 0), 0u) << entry.path();
}

// A node count of 100 million over column files of 128 MiB of holes: the
// run names the file it cannot read, and memory follows what was read,
// not the count announced ahead of it.
TEST_F(ReportRun, HugeNodeCountOverEmptyColumnsCostsNoMemory)
{
    test::writeFile(dir.file("PLATE.PL6"), "100000000\r\n");
    for (const char* column : {"PLATE.PH3", "PLATE.PH4", "PLATE.PH5"}) {
        fs::remove(dir.file(column));
        test::writeFile(dir.file(column), "");
        fs::resize_file(dir.file(column), std::uintmax_t(128) << 20);
    }
    const test::CommandResult r = Run({"--results", "140", "--text", "-"});
    struct rusage usage { };
    ::getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("PLATE.PH3"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("memory"), std::string::npos) << r.err;
    EXPECT_LT(usage.ru_maxrss, 1024L * 1024) << "peak of a child process, KiB";
}

TEST_F(ReportRun, InterruptedRunLeavesNoTemporaryFile)
{
    // A project large enough that the run is still writing when stopped.
    sample::SampleOptions options;
    options.NodesX = 400;
    options.NodesY = 400;
    sample::WriteSampleProject(sample::BuildSampleProject(options), dir.file("B.PO1"));
    for (const int signal : {SIGTERM, SIGINT}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string out = dir.file("lists.txt"), project = dir.file("B.PO1");
            ::execl(TESKA_REPORT_EXE, "teska-report", project.c_str(), "--results", "all", "--text",
                out.c_str(), "--settings", settings.c_str(), nullptr);
            ::_exit(127);
        }
        const auto temporary = [this] {
            for (const auto& entry : fs::directory_iterator(dir.path()))
                if (entry.path().filename().string().rfind(".teska-", 0) == 0)
                    return true;
            return false;
        };
        bool seen = false;
        for (int i = 0; i < 20000 && !(seen = temporary()); ++i)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!seen)
            GTEST_SKIP() << "the run ended before its temporary file could be seen";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + signal) << status;
        EXPECT_FALSE(temporary());
        EXPECT_FALSE(fs::exists(dir.file("lists.txt")));
    }
}

} // namespace
} // namespace teska
