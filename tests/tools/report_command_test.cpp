// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-report run as a program on small projects written here: exit
// status, messages, the text of the moments list, the viewer rows (result
// tables, support reactions, coefficients), the offered lists and the PDF
// pages.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

#include "project/data/ProjectData.h"
#include "project/io/RecordFile.h"
#include "project/opening/ProjectWriter.h"
#include "project/results/ResultFiles.h"
#include "suite/TextDecoding.h"
#include "support/TestSupport.h"
#include "teska-sample/SampleProject.h"

namespace teska {
namespace {

using RunOutput = test::CommandResult;

class ReportCommand : public ::testing::Test {
protected:
    test::ScratchDir dir;

    RunOutput Run(const std::vector<std::string>& args)
    {
        return test::RunCommand(TESKA_REPORT_EXE, args, dir);
    }

    // The settings folder of the run: made here, as a --settings folder
    // must exist.
    std::string Settings()
    {
        std::filesystem::create_directories(dir.dir() + "settings");
        return dir.dir() + "settings";
    }

    // A plate project (analysis method 1, no options) with the moments of
    // three nodes: node 2 has only zero moments, so the list drops it.
    //   node  mx  my  mxy   m1 = m + r, m2 = m - r (m = (mx+my)/2,
    //    1     3   1   0     r = sqrt(((mx-my)/2)^2 + mxy^2)):  3, 1
    //    2     0   0   0     dropped
    //    3     1   1   2     3, -1
    std::string MomentsProject()
    {
        ProjectFileData data;
        data.ProjectType = 2;
        data.AnalysisMethod = 1;
        data.JobLines = {"Job one", "Job two", "Job three"};
        WriteProjectFile(dir.file("PLATE.PO1"), data);
        WriteNodeCountFile(dir.file("PLATE.PL6"), 3);
        const float mx[] = {3, 0, 1}, my[] = {1, 0, 1}, mxy[] = {0, 0, 2};
        WriteColumnFile(dir.file("PLATE.PH3"), mx);
        WriteColumnFile(dir.file("PLATE.PH4"), my);
        WriteColumnFile(dir.file("PLATE.PH5"), mxy);
        return dir.file("PLATE.PO1");
    }

    // A plane frame project (analysis method 2) with a mesh of two nodes
    // (0, 1) and (2.5, -1) and one element.
    std::string MeshProject()
    {
        ProjectFileData data;
        data.ProjectType = 2;
        data.AnalysisMethod = 2;
        data.JobLines = {"Job one", "Job two", "Job three"};
        WriteProjectFile(dir.file("MESH.PO1"), data);
        WriteNodeFile(dir.file("MESH.NOD"), NodeCoordinates{{0.0f, 2.5f}, {1.0f, -1.0f}});
        WriteElementFile(dir.file("MESH.ELM"), {ElementNodes{2, {1, 2, 0, 0}}});
        return dir.file("MESH.PO1");
    }

    // The moments project with what its data lists need: one boring (the
    // data offer of method 1 asks for the count), the node coordinates
    // (0, 1), (2.5, -1), (4, 0) and one element.
    std::string DataAndResultsProject()
    {
        const std::string project = MomentsProject();
        RecordWriter bau;
        bau.PutInt16(4, 1);
        bau.Save(dir.file("PLATE.BAU"));
        WriteNodeFile(dir.file("PLATE.NOD"), NodeCoordinates{{0.0f, 2.5f, 4.0f}, {1.0f, -1.0f, 0.0f}});
        WriteElementFile(dir.file("PLATE.ELM"), {ElementNodes{2, {1, 2, 0, 0}}});
        return project;
    }

    // Runs \p project with \p list and the page arguments.
    RunOutput RunList(const std::string& project, const std::vector<std::string>& list)
    {
        std::vector<std::string> args = {project};
        args.insert(args.end(), list.begin(), list.end());
        for (const std::string& a : PageArgs())
            args.push_back(a);
        return Run(args);
    }

    // The file names in the scratch folder but the run's own (settings,
    // captured output).
    std::vector<std::string> FileNames()
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.dir()))
            if (const std::string name = entry.path().filename().string();
                name != "settings" && !name.starts_with("std"))
                names.push_back(name);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::vector<std::string> PageArgs()
    {
        return {"--lines", "30", "--chars", "60", "--margins", "0,0,2", "--no-company", "--no-job-data",
            "--settings", Settings()};
    }
};

// The lines whose fields are all numbers: the table rows.
std::vector<std::vector<double>> NumberRows(const std::string& text, char separator)
{
    std::vector<std::vector<double>> rows;
    for (const std::string& line : SplitLines(text)) {
        std::vector<double> row;
        std::string field;
        std::istringstream in(line);
        bool numeric = true;
        while (separator == ' ' ? static_cast<bool>(in >> field)
                                : static_cast<bool>(std::getline(in, field, separator))) {
            char* end = nullptr;
            const double v = std::strtod(field.c_str(), &end);
            if (field.empty() || *end != '\0') {
                numeric = false;
                break;
            }
            row.push_back(v);
        }
        if (numeric && !row.empty())
            rows.push_back(row);
    }
    return rows;
}

void ExpectMomentRows(const std::vector<std::vector<double>>& rows)
{
    const std::vector<std::vector<double>> expected = {{1, 3, 1, 0, 3, 1}, {3, 1, 1, 2, 3, -1}};
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), expected[r].size()) << "row " << r;
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_NEAR(rows[r][c], expected[r][c], 1e-6) << "row " << r << " column " << c;
    }
}

TEST_F(ReportCommand, HelpVersionAndUsageErrors)
{
    RunOutput r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: teska-report PROJECT.PO1", 0), 0u);
    r = Run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(std::regex_match(r.out, std::regex("teska-report [0-9]+\\.[0-9]+\\.[0-9]+\n")));
    r = Run({});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("no project file given"), std::string::npos);
    r = Run({"P.PO1", "--results", "140", "--text", "-", "--lines", "x"});
    EXPECT_EQ(r.status, 2);
    r = Run({dir.file("plate.txt"), "--offered"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("extension .PO1"), std::string::npos);
}

TEST_F(ReportCommand, MissingFilesAbortNamingTheFile)
{
    RunOutput r = Run({dir.file("NONE.PO1"), "--offered", "--settings", Settings()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("NONE.PO1"), std::string::npos);

    const std::string project = MomentsProject();
    std::filesystem::remove(dir.file("PLATE.PH4"));
    std::vector<std::string> args = {project, "--results", "140", "--text", "-"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty()) << "a partial list was written";
    EXPECT_NE(r.err.find("PLATE.PH4"), std::string::npos) << r.err;
}

TEST_F(ReportCommand, CorruptProjectFileAbortsWithItsPlace)
{
    test::writeFile(dir.file("BAD.PO1"), "not a project\r\n");
    const RunOutput r = Run({dir.file("BAD.PO1"), "--offered", "--settings", Settings()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("BAD.PO1"), std::string::npos) << r.err;
}

TEST_F(ReportCommand, MomentsListAsEditorText)
{
    std::vector<std::string> args
        = {MomentsProject(), "--results", "140", "--text", "-", "--first-page", "4"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = SplitLines(r.out);
    // One page of the raster: 30 lines, each ending with CR LF.
    EXPECT_EQ(lines.size(), 30u);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), std::count(r.out.begin(), r.out.end(), '\r'));
    // No top margin: rule, title line with the page reference at the right
    // edge (first page 4), rule.
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(60, '-'));
    const std::string title = "Bending moments";
    const std::string page = "Page 4";
    EXPECT_EQ(lines[1], title + std::string(60 - title.size() - page.size(), ' ') + page);
    EXPECT_EQ(lines[2], std::string(60, '-'));
    ExpectMomentRows(NumberRows(r.out, ' '));
}

TEST_F(ReportCommand, ResultsAllIsTheOfferForPrinting)
{
    // Method 1 without options offers 90048, 139, 140 and 141 for printing;
    // only the moments have files here, so "all" stops at the deflections.
    std::vector<std::string> args = {MomentsProject(), "--results", "all", "--text", "-"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("PLATE.PH1"), std::string::npos) << r.err;
}

TEST_F(ReportCommand, KeysMustBeOffered)
{
    std::vector<std::string> args = {MomentsProject(), "--results", "140,90060", "--text", "-"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("list 90060 is not offered"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

TEST_F(ReportCommand, OfferedDataListsNeedTheBoringCount)
{
    // Method 1 asks the .BAU count for the data lists; without the file the
    // two data offers stay empty, the result offers are still written.
    const RunOutput r = Run({MomentsProject(), "--offered", "--settings", Settings()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("PLATE.BAU"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("# data lists for printing\n# result lists for viewing\n90048\t"), std::string::npos)
        << r.out;
}

TEST_F(ReportCommand, OfferedListsByTargetGroup)
{
    const std::string project = MomentsProject();
    // One boring: the load list 90073 is not offered (it needs two).
    RecordWriter bau;
    bau.PutInt16(4, 1);
    bau.Save(dir.file("PLATE.BAU"));
    const RunOutput r = Run({project, "--offered", "--settings", Settings()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = SplitLines(r.out);
    auto group = [&](const std::string& heading) {
        std::vector<std::string> keys;
        auto it = std::find(lines.begin(), lines.end(), heading);
        for (++it; it < lines.end() && !it->starts_with("#"); ++it)
            keys.push_back(it->substr(0, it->find('\t')));
        return keys;
    };
    // Method 1, no switches: m3..m6 (90048, 139, 140, 141) for printing;
    // viewing adds the coefficient lists 17 ([Ce]) and 19 ([ks]), written
    // by their positions 5 and 6.
    EXPECT_EQ(group("# result lists for printing"), (std::vector<std::string>{"90048", "139", "140", "141"}));
    EXPECT_EQ(group("# result lists for viewing"),
        (std::vector<std::string>{"90048", "139", "140", "141", "5", "6"}));
    // The cover page 90045 is offered for printing the data, not for viewing.
    const std::vector<std::string> viewData = group("# data lists for viewing");
    const std::vector<std::string> printData = group("# data lists for printing");
    EXPECT_EQ(std::count(viewData.begin(), viewData.end(), "90045"), 0);
    ASSERT_FALSE(printData.empty());
    EXPECT_EQ(printData.front(), "90045");
    EXPECT_EQ(std::count(printData.begin(), printData.end(), "90073"), 0);
    EXPECT_NE(r.out.find("140\tBending moments\n"), std::string::npos);
}

TEST_F(ReportCommand, ViewShowsTheGridRowsTabSeparated)
{
    std::vector<std::string> args = {MomentsProject(), "--view", "140"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    ExpectMomentRows(NumberRows(r.out, '\t'));
    // Every line has the row-number column and five value columns.
    for (const std::string& line : SplitLines(r.out))
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 5) << line;
}

TEST_F(ReportCommand, ViewOfSupportReactionsAndCoefficientsIsTheirGrid)
{
    sample::SampleOptions options;
    options.NodesX = 4;
    options.NodesY = 3;
    options.Borings = 2;
    const sample::SampleProject sample = sample::BuildSampleProject(options);
    sample::WriteSampleProject(sample, dir.file("S.PO1"));
    const std::string project = dir.file("S.PO1");
    const std::size_t nodes = sample.NodeCount();

    // The support reactions V, My, Mx (kN, kN.m by default) of every node
    // with one of them not zero, under three heading rows.
    RunOutput r = Run({project, "--view", "142", "--settings", Settings()});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = SplitLines(r.out);
    ASSERT_GE(lines.size(), 3u) << r.out;
    EXPECT_TRUE(lines[1].ends_with("\tV\tMy\tMx")) << lines[1];
    EXPECT_EQ(lines[2].substr(lines[2].find('\t')), "\t[kN]\t[kN.m]\t[kN.m]");
    const std::vector<float>&v = sample.NodeColumns.at(".H10"), &my = sample.NodeColumns.at(".H11"),
          &mx = sample.NodeColumns.at(".H12");
    std::vector<std::vector<double>> expected;
    for (std::size_t n = 0; n < nodes; ++n)
        if (v[n] != 0 || my[n] != 0 || mx[n] != 0)
            expected.push_back({static_cast<double>(n + 1), v[n], my[n], mx[n]});
    const std::vector<std::vector<double>> rows = NumberRows(r.out, '\t');
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(rows.size(), expected.size()) << r.out;
    EXPECT_EQ(lines.size(), rows.size() + 3);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_NEAR(rows[i][c], expected[i][c], 0.051) << "row " << i << " column " << c;

    // A coefficient list, named by its position in the offer, has one
    // column per node, headed 1..n.
    r = Run({project, "--offered", "--settings", Settings()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::size_t ce = r.out.find(" [Ce]\n");
    ASSERT_NE(ce, std::string::npos) << r.out;
    const std::size_t start = r.out.rfind('\n', ce) + 1;
    const std::string position = r.out.substr(start, r.out.find('\t', start) - start);
    r = Run({project, "--view", position, "--settings", Settings()});
    ASSERT_EQ(r.status, 0) << r.err;
    lines = SplitLines(r.out);
    std::string numbers;
    for (std::size_t n = 1; n <= nodes; ++n)
        numbers += "\t" + std::to_string(n);
    ASSERT_GT(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[0], numbers);
    for (const std::string& line : lines)
        EXPECT_EQ(static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')), nodes) << line;
}

TEST_F(ReportCommand, DataListsAsEditorTextOneSectionPerPage)
{
    std::vector<std::string> args = {MeshProject(), "--data", "90045,90054", "--text", "-"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = SplitLines(r.out);
    // The cover page fills page 1; the node section starts page 2 with its
    // own header (no top margin: the rule, the title, the rule).
    ASSERT_EQ(lines.size(), 60u) << r.out;
    EXPECT_EQ(lines[30], std::string(60, '-'));
    EXPECT_EQ(lines[31].rfind("Node coordinates", 0), 0u) << lines[31];
    EXPECT_EQ(lines[32], std::string(60, '-'));
    const std::vector<std::vector<double>> expected = {{1, 0, 1}, {2, 2.5, -1}};
    EXPECT_EQ(NumberRows(r.out, ' '), expected);
}

TEST_F(ReportCommand, ViewOfADataListIsItsTextWithoutHeaders)
{
    std::vector<std::string> args = {MeshProject(), "--view", "90054"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = SplitLines(r.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Node coordinates");
    EXPECT_EQ(r.out.find(std::string(60, '-') + "\r\nNode coordinates"), std::string::npos)
        << "the viewer's text has no page header";
    const std::vector<std::vector<double>> expected = {{1, 0, 1}, {2, 2.5, -1}};
    EXPECT_EQ(NumberRows(r.out, ' '), expected);
}

TEST_F(ReportCommand, DataListWithMissingFileAbortsWithoutText)
{
    const std::string project = MeshProject();
    std::filesystem::remove(dir.file("MESH.NOD"));
    std::vector<std::string> args = {project, "--data", "90045,90054", "--text", "-"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty()) << "a partial list was written";
    EXPECT_NE(r.err.find("MESH.NOD"), std::string::npos) << r.err;
}

// A fault inside an input file is reported on stderr with the file and the
// place; the list is still written, with what was read, and the exit status
// is 3. A negative count is no fault: it reads no items.
TEST_F(ReportCommand, FaultInsideAFileWritesTheListWithStatus3)
{
    ProjectFileData data;
    data.ProjectType = 2;
    data.AnalysisMethod = 2;
    data.Options[0] = 1; // pile nodes (.PP1)
    data.Options[1] = 1; // temperature loads (.PT1)
    WriteProjectFile(dir.file("FAULT.PO1"), data);
    test::writeFile(dir.file("FAULT.PT1"), "15\r\n"); // AlfaT missing
    test::writeFile(dir.file("FAULT.PP1"), "-1\r\n");
    const RunOutput r = RunList(dir.file("FAULT.PO1"), {"--data", "140175,60004", "--text", "-"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find(dir.file("FAULT.PT1") + ", line 2"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("FAULT.PP1"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("= 15"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("= -1"), std::string::npos) << r.out;
    // Without the fault the same run succeeds.
    test::writeFile(dir.file("FAULT.PT1"), "15,1.2E-05\r\n");
    EXPECT_EQ(RunList(dir.file("FAULT.PO1"), {"--data", "140175,60004", "--text", "-"}).status, 0);
}

TEST_F(ReportCommand, DataKeysMustBeOfferedForTheTarget)
{
    // The cover page is offered for printing and the editor, not the viewer.
    std::vector<std::string> args = {MeshProject(), "--data", "12345", "--text", "-"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    const RunOutput r = Run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("12345"), std::string::npos) << r.err;
}

#ifdef TESKA_REPORT_HAVE_PDF
int CountPdfPages(const std::string& pdf)
{
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}
#endif

TEST_F(ReportCommand, PdfHasOnePagePerPrintedPageAndCopy)
{
#ifdef TESKA_REPORT_HAVE_PDF
    const std::string project = MomentsProject();
    std::vector<std::string> args = {project, "--results", "140", "--pdf", dir.file("one.pdf")};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    RunOutput r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(CountPdfPages(test::readFile(dir.file("one.pdf"))), 1);

    // Two copies print the one-page list twice.
    args = {project, "--results", "140", "--pdf", dir.file("two.pdf"), "--copies", "2"};
    for (const std::string& a : PageArgs())
        args.push_back(a);
    r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(CountPdfPages(test::readFile(dir.file("two.pdf"))), 2);
#else
    GTEST_SKIP() << "built without PDF output";
#endif
}

TEST_F(ReportCommand, TextFileHoldsTheSameBytesAsStandardOutput)
{
    const std::string project = DataAndResultsProject();
    const RunOutput toStdout = RunList(project, {"--results", "140", "--text", "-"});
    ASSERT_EQ(toStdout.status, 0) << toStdout.err;
    const RunOutput toFile = RunList(project, {"--results", "140", "--text", dir.file("list.txt")});
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_TRUE(toFile.out.empty());
    EXPECT_EQ(test::readFile(dir.file("list.txt")), toStdout.out);
}

TEST_F(ReportCommand, AbortedTextRunLeavesNoFile)
{
    const std::string project = DataAndResultsProject();
    std::filesystem::remove(dir.file("PLATE.PH4"));
    const std::vector<std::string> before = FileNames();
    // Alone, and after a data list that was written completely.
    for (const std::vector<std::string>& lists : {std::vector<std::string>{"--results", "140"},
             std::vector<std::string>{"--data", "90054", "--results", "140"}}) {
        std::vector<std::string> args = lists;
        args.insert(args.end(), {"--text", dir.file("list.txt")});
        const RunOutput r = RunList(project, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("PLATE.PH4"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("list.txt")));
        EXPECT_EQ(FileNames(), before) << "no temporary file may be left";
    }
    // An older file of that name stays as it was.
    test::writeFile(dir.file("list.txt"), "older list\r\n");
    EXPECT_EQ(RunList(project, {"--results", "140", "--text", dir.file("list.txt")}).status, 1);
    EXPECT_EQ(test::readFile(dir.file("list.txt")), "older list\r\n");
}

TEST_F(ReportCommand, DataListsComeBeforeTheResults)
{
    const std::string project = DataAndResultsProject();
    const RunOutput data = RunList(project, {"--data", "90054", "--text", "-"});
    const RunOutput results = RunList(project, {"--results", "140", "--text", "-"});
    ASSERT_EQ(data.status, 0) << data.err;
    ASSERT_EQ(results.status, 0) << results.err;
    // Either order on the command line gives the data first.
    for (const std::vector<std::string>& order :
        {std::vector<std::string>{"--results", "140", "--data", "90054"},
            std::vector<std::string>{"--data", "90054", "--results", "140"}}) {
        std::vector<std::string> args = order;
        args.insert(args.end(), {"--text", "-"});
        const RunOutput both = RunList(project, args);
        ASSERT_EQ(both.status, 0) << both.err;
        EXPECT_EQ(both.out, data.out + results.out);
    }
    const std::vector<std::string> lines = SplitLines(data.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("Node coordinates", 0), 0u) << lines[1];
}

TEST_F(ReportCommand, PdfTakesDataPagesThenResultPages)
{
#ifdef TESKA_REPORT_HAVE_PDF
    const RunOutput r = RunList(
        DataAndResultsProject(), {"--data", "90054", "--results", "140", "--pdf", dir.file("both.pdf")});
    ASSERT_EQ(r.status, 0) << r.err;
    // One page of node coordinates, one page of moments.
    EXPECT_EQ(CountPdfPages(test::readFile(dir.file("both.pdf"))), 2);
#else
    GTEST_SKIP() << "built without PDF output";
#endif
}

} // namespace
} // namespace teska
