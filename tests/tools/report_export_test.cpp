// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-report --xlsx and --odt on the demo project (--csv: the runs of
// tests/data/tools/report_runs.tsv), and the spreadsheet formats of the list
// patterns, read back by LibreOffice: a workbook's cells must show the
// list's digits, a document the list's lines.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "export/SheetTable.h"
#include "export/SpreadsheetFormat.h"
#include "export/Workbook.h"
#include "lists/format/FormatNumber.h"
#include "suite/TextDecoding.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

const std::string kDemo = TESKA_SOURCE_DATA_DIR "/../examples/demo/DEMO.PO1";

// Splits RFC 4180 text into records of fields.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                records.back().back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                records.back().back() += c;
        } else if (c == '"')
            quoted = true;
        else if (c == ',')
            records.back().emplace_back();
        else if (c == '\n')
            records.emplace_back(1);
        else if (c != '\r')
            records.back().back() += c;
    }
    if (records.back().size() == 1 && records.back().front().empty())
        records.pop_back();
    return records;
}

// The lines of \p text without their line ends and the empty lines at the
// end, with the blanks at the right of each dropped when \p trimRight.
std::vector<std::string> Lines(const std::string& text, bool trimRight)
{
    std::vector<std::string> lines = SplitLines(text);
    for (std::string& line : lines)
        line.erase(trimRight ? line.find_last_not_of(' ') + 1 : line.size());
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// The tab-separated cells of the viewer's lines.
std::vector<std::vector<std::string>> Grid(const std::string& text)
{
    std::vector<std::vector<std::string>> grid;
    for (const std::string& line : Lines(text, false)) {
        grid.emplace_back();
        std::stringstream in(line);
        for (std::string cell; std::getline(in, cell, '\t');)
            grid.back().push_back(cell);
    }
    return grid;
}

class ReportExport : public ::testing::Test {
protected:
    test::ScratchDir dir;

    test::CommandResult Run(std::vector<std::string> args)
    {
        std::filesystem::create_directories(dir.dir() + "settings");
        args.insert(args.begin(), {kDemo, "--settings", dir.dir() + "settings"});
        return test::RunCommand(TESKA_REPORT_EXE, args, dir);
    }

    // Converts \p file with LibreOffice to \p filter in a private profile;
    // the converted file's text, or nullopt when LibreOffice cannot run.
    std::optional<std::string> Convert(
        const std::string& file, const std::string& filter, const std::string& extension)
    {
        const std::string out = dir.dir() + "converted/";
        std::filesystem::create_directories(out);
        const test::CommandResult r = test::RunCommand("soffice",
            {"-env:UserInstallation=file://" + dir.dir() + "lo-profile", "--headless", "--convert-to", filter,
                "--outdir", out, file},
            dir, 300);
        if (r.status != 0)
            return std::nullopt;
        const std::string converted = out + std::filesystem::path(file).stem().string() + "." + extension;
        if (!std::filesystem::exists(converted))
            return std::nullopt;
        return test::readFile(converted);
    }
};

bool HaveLibreOffice()
{
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

TEST_F(ReportExport, WorkbookReadsBackWithTheGridsHeadingsAndNumbers)
{
    if (!HaveLibreOffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the workbook cannot be read back";
    const test::CommandResult view = Run({"--view", "140"});
    ASSERT_EQ(view.status, 0) << view.err;
    const test::CommandResult r = Run({"--results", "140", "--xlsx", dir.file("m.xlsx")});
    ASSERT_EQ(r.status, 0) << r.err;
    // Raw values (not as shown), so that the cells are checked to be numbers.
    const auto raw = Convert(
        dir.file("m.xlsx"), "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false", "csv");
    if (!raw)
        GTEST_SKIP() << "LibreOffice could not convert the workbook (soffice --headless failed)";
    const auto cells = ParseCsv(*raw);
    const auto grid = Grid(view.out);
    ASSERT_EQ(cells.size() + 2, grid.size());
    for (std::size_t c = 0; c < grid[0].size(); ++c)
        EXPECT_EQ(cells[0][c], grid[0][c] + "\n" + grid[1][c] + "\n" + grid[2][c]);
    for (std::size_t row = 1; row < cells.size(); ++row)
        for (std::size_t c = 0; c < grid[0].size(); ++c) {
            char* end = nullptr;
            const double value = std::strtod(cells[row][c].c_str(), &end);
            ASSERT_TRUE(end && *end == '\0' && !cells[row][c].empty()) << "not a number: " << cells[row][c];
            const double shown = std::stod(grid[row + 2][c]);
            // The stored value rounds to the digits the list shows.
            EXPECT_LE(std::fabs(value - shown), 0.05 + 1e-9) << "row " << row << " column " << c;
        }
}

TEST_F(ReportExport, DocumentReadsBackAsTheListTextLineByLine)
{
    if (!HaveLibreOffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the document cannot be read back";
    const test::CommandResult text = Run({"--data", "90054", "--text", dir.file("n.txt")});
    ASSERT_EQ(text.status, 0) << text.err;
    const test::CommandResult r = Run({"--data", "90054", "--odt", dir.file("n.odt")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto back = Convert(dir.file("n.odt"), "txt:Text (encoded):UTF8,LF,,,", "txt");
    if (!back)
        GTEST_SKIP() << "LibreOffice could not convert the document (soffice --headless failed)";
    const auto expected = Lines(test::readFile(dir.file("n.txt")), true);
    auto got = Lines(back->starts_with("\xEF\xBB\xBF") ? back->substr(3) : *back, true);
    // A page break is a form feed or nothing in the text export.
    for (std::string& line : got)
        if (!line.empty() && line.front() == '\f')
            line.erase(0, 1);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], expected[i]) << "line " << i + 1;
    // Every list page is one document page.
    const auto pdf = Convert(dir.file("n.odt"), "pdf", "pdf");
    ASSERT_TRUE(pdf);
    const std::string info = dir.dir() + "converted/n.pdf";
    const test::CommandResult pdfinfo = test::RunCommand("pdfinfo", {info}, dir);
    ASSERT_EQ(pdfinfo.status, 0) << pdfinfo.err;
    const int pageCount = std::atoi(pdfinfo.out.substr(pdfinfo.out.find("Pages:") + 6).c_str());
    EXPECT_GE(pageCount, 2);
    const std::size_t formFeeds = std::count(back->begin(), back->end(), '\f');
    if (formFeeds > 0) {
        EXPECT_EQ(static_cast<std::size_t>(pageCount), formFeeds + 1);
    }
}

// A table of one pattern per column and one value per row.
class PatternTable : public SheetTable {
public:
    std::vector<std::string> patterns;
    std::vector<double> values;
    std::string Title() const override { return "Formats"; }
    std::int32_t ColumnCount() const override { return static_cast<std::int32_t>(patterns.size()); }
    std::int32_t RowCount() const override { return static_cast<std::int32_t>(values.size()); }
    std::string Heading(std::int32_t c) const override { return "c" + std::to_string(c); }
    double Value(std::int32_t r, std::int32_t) const override
    {
        return SpreadsheetValue(static_cast<float>(values[static_cast<std::size_t>(r - 1)]));
    }
    std::string Text(std::int32_t r, std::int32_t c) const override
    {
        return FormatNumber(static_cast<float>(values[static_cast<std::size_t>(r - 1)]),
            patterns[static_cast<std::size_t>(c)]);
    }
    std::string Pattern(std::int32_t c) const override { return patterns[static_cast<std::size_t>(c)]; }
};

TEST_F(ReportExport, SpreadsheetShowsTheDigitsOfEveryListPattern)
{
    if (!WorkbookAvailable())
        GTEST_SKIP() << "built without libxlsxwriter";
    if (!HaveLibreOffice())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the formats cannot be read back";
    PatternTable table;
    // The default slots, grouping, scaling, percent, literals, sections and
    // the named formats.
    table.patterns = {"0", "0.0", "0.00", "0.000", "#,##0.00", "0.00%", "0.0,", "#,##0.0,", "00.0",
        "0.00E+00", "0.0 \"kN\"", "x=0.0", "0.0;(0.0)", "0.0;;\"zero\"", "0.00;-0.00;0", "Fixed", "Standard",
        "Scientific", "0.0dm"};
    table.values = {0, 1, -1, 1.005, 2.5, -2.5, 0.125, 12345.678, -0.04, 0.5, 1234567, 999.95, -17.25};
    const std::string file = dir.file("formats.xlsx");
    WriteWorkbook(file, {WorkbookSheet{&table, {}, {}, {}}});
    const auto shown = Convert(file, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true", "csv");
    if (!shown)
        GTEST_SKIP() << "LibreOffice could not convert the workbook (soffice --headless failed)";
    const auto cells = ParseCsv(*shown);
    ASSERT_EQ(cells.size(), table.values.size() + 1);
    for (std::int32_t r = 1; r <= table.RowCount(); ++r)
        for (std::int32_t c = 0; c < table.ColumnCount(); ++c)
            EXPECT_EQ(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], table.Text(r, c))
                << "pattern " << table.patterns[static_cast<std::size_t>(c)] << " ("
                << SpreadsheetNumberFormat(table.patterns[static_cast<std::size_t>(c)]) << ") value "
                << table.values[static_cast<std::size_t>(r - 1)];
}

} // namespace
} // namespace teska
