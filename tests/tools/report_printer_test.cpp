// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-report printing through a system printer: a data list and a result
// list of the demo project go to the CUPS queue TESKA_TEST_PRINTER, a
// cups-pdf queue that writes each job as a PDF file to
// TESKA_TEST_PRINTER_OUT (scripts/test starts one on a private server with
// scripts/cups-test-server). The printed sheets are read back as text and
// compared page by page with the editor text of the same lists. Without
// such a queue the test skips.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "suite/TextDecoding.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

namespace fs = std::filesystem;

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The non-blank lines of \p text, each ended by a line feed, with every
// run of blanks made one space: pdftotext places the words of a line by
// their position on the sheet and so may space the columns differently from
// the text.
std::string Words(const std::vector<std::string>& lines)
{
    std::string result;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        std::string joined;
        for (std::string word; in >> word;)
            joined += (joined.empty() ? "" : " ") + word;
        if (!joined.empty())
            result += joined + "\n";
    }
    return result;
}

// The job number in a cups-pdf file name ("...-job_12.pdf"); jobs are
// numbered in the order they were sent.
int JobNumber(const std::string& name)
{
    static const std::regex job(R"(job_(\d+)\.pdf$)");
    std::smatch m;
    return std::regex_search(name, m, job) ? std::stoi(m[1]) : 0;
}

class ReportPrinter : public ::testing::Test {
protected:
    test::ScratchDir dir;
    std::string printer = Env("TESKA_TEST_PRINTER");
    std::string outDir = Env("TESKA_TEST_PRINTER_OUT");

    test::CommandResult Run(const std::string& program, const std::vector<std::string>& args)
    {
        return test::RunCommand(program, args, dir, 120);
    }

    // Why the printing cannot be tried here; empty when it can.
    std::string Unavailable()
    {
        if (printer.empty() || outDir.empty())
            return "TESKA_TEST_PRINTER or TESKA_TEST_PRINTER_OUT is not set: no printer to print "
                   "on (scripts/test sets up a private CUPS queue with scripts/cups-test-server)";
        const test::CommandResult queue = Run("lpstat", {"-p", printer});
        if (queue.status != 0)
            return "lpstat cannot reach printer " + printer + " (CUPS_SERVER=" + Env("CUPS_SERVER")
                + "): " + queue.err;
        for (const char* tool : {"pdftotext", "pdfinfo"})
            if (Run(tool, {"-v"}).status != 0)
                return std::string(tool) + " is not installed (poppler-utils)";
        if (Run(TESKA_REPORT_EXE, {"--help"}).out.find("--printer") == std::string::npos)
            return "teska-report has no --printer option";
        return {};
    }

    std::set<std::string> PdfFiles()
    {
        std::set<std::string> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(outDir, ec))
            if (entry.path().extension() == ".pdf")
                files.insert(entry.path().string());
        return files;
    }

    // The PDF files the queue wrote since \p before, in job order, once
    // the queue has no pending job left; empty when none came within a
    // minute.
    std::vector<std::string> WaitForPrintout(const std::set<std::string>& before)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            std::vector<std::string> added;
            for (const std::string& file : PdfFiles())
                if (!before.count(file))
                    added.push_back(file);
            // A job is listed until its backend has finished the file.
            const test::CommandResult pending = Run("lpstat", {"-o", printer});
            if (!added.empty() && pending.status == 0 && pending.out.empty()) {
                std::sort(added.begin(), added.end(),
                    [](const std::string& a, const std::string& b) { return JobNumber(a) < JobNumber(b); });
                return added;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        return {};
    }
};

TEST_F(ReportPrinter, PrintedSheetsCarryThePagesOfTheEditorText)
{
    if (const std::string reason = Unavailable(); !reason.empty())
        GTEST_SKIP() << reason;

    // The batch run leaves the demo folder as it is, but the project is
    // copied all the same so that nothing is written next to the sources.
    const fs::path demo = dir.path() / "demo";
    fs::copy(fs::path(TESKA_SOURCE_DATA_DIR) / ".." / "examples" / "demo", demo, fs::copy_options::recursive);
    const std::string project = (demo / "DEMO.PO1").string();
    // One run writes the editor text and prints: the page is measured
    // once, on the printer, for both, and each is written by its own pass
    // of the list engine. Fresh settings: A4 paper, the default layout.
    const std::string textFile = dir.file("lists.txt");
    fs::create_directories(dir.file("settings"));
    const std::set<std::string> before = PdfFiles();
    const test::CommandResult run = Run(TESKA_REPORT_EXE,
        {project, "--data", "90054", "--results", "140", "--settings", dir.file("settings"), "--text",
            textFile, "--printer", printer});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> textLines = SplitLines(test::readFile(textFile));
    const std::vector<std::string> files = WaitForPrintout(before);
    ASSERT_FALSE(files.empty()) << "no PDF from printer " << printer << " in " << outDir
                                << " within 60 s; queue: " << Run("lpstat", {"-l", "-p", printer}).out
                                << Run("lpstat", {"-o", printer}).out;

    // The sheets of all jobs, each as the lines pdftotext finds on it.
    std::vector<std::string> sheets;
    static const std::regex pagesLine(R"(\nPages:\s+(\d+))");
    static const std::regex a4(R"(Page\s+\d+ size:\s+595(\.\d+)? x 84[12](\.\d+)? pts)");
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const test::CommandResult info = Run("pdfinfo", {"-f", "1", "-l", "9999", file});
        ASSERT_EQ(info.status, 0) << info.err;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(info.out, m, pagesLine)) << info.out;
        const int pages = std::stoi(m[1]);
        // Every sheet is the A4 paper of the settings.
        EXPECT_EQ(
            std::distance(std::sregex_iterator(info.out.begin(), info.out.end(), a4), std::sregex_iterator()),
            pages)
            << info.out;

        const test::CommandResult layout = Run("pdftotext", {"-layout", file, "-"});
        ASSERT_EQ(layout.status, 0) << layout.err;
        // pdftotext ends every page with a form feed.
        std::vector<std::string> fileSheets;
        std::size_t start = 0;
        for (std::size_t ff; (ff = layout.out.find('\f', start)) != std::string::npos; start = ff + 1)
            fileSheets.push_back(layout.out.substr(start, ff - start));
        ASSERT_EQ(static_cast<int>(fileSheets.size()), pages);
        for (const std::string& sheet : fileSheets)
            sheets.push_back(Words(SplitLines(sheet)));
    }
    for (const std::string& file : files)
        fs::remove(file);

    // The editor text keeps the page raster: LinesPerPage lines a printed
    // page, so the sheets divide it evenly and each sheet holds the
    // non-blank lines of its share. Both lists span several pages.
    const std::size_t sheetCount = sheets.size();
    ASSERT_GE(sheetCount, 2u);
    ASSERT_EQ(textLines.size() % sheetCount, 0u)
        << textLines.size() << " lines of text for " << sheetCount << " printed pages";
    const std::size_t linesPerPage = textLines.size() / sheetCount;
    for (std::size_t page = 0; page < sheetCount; ++page) {
        SCOPED_TRACE("printed page " + std::to_string(page + 1));
        const auto first = textLines.begin() + static_cast<std::ptrdiff_t>(page * linesPerPage);
        const std::string expected
            = Words(std::vector<std::string>(first, first + static_cast<std::ptrdiff_t>(linesPerPage)));
        // A header (title and page number) at least: never an empty match.
        ASSERT_GE(std::count(expected.begin(), expected.end(), '\n'), 2);
        EXPECT_EQ(test::FirstDifference(expected, sheets[page]), "");
    }
}

} // namespace
} // namespace teska
