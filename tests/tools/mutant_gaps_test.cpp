// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults that no other test caught in the exports: CSV quoting, the row
// numbers of a grid whose all-zero rows were dropped.

#include <gtest/gtest.h>

#include <sstream>

#include "export/CsvText.h"
#include "export/SheetTable.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "lists/run_fixture_test.h"
#include "project/results/ResultFiles.h"

namespace teska::test {
namespace {

// One column whose heading and cell need quoting.
class QuotedTable : public SheetTable {
public:
    std::string Title() const override { return "T"; }
    std::int32_t ColumnCount() const override { return 2; }
    std::int32_t RowCount() const override { return 1; }
    std::string Heading(std::int32_t column) const override { return column == 0 ? "No." : "Force\n\"V\""; }
    double Value(std::int32_t, std::int32_t) const override { return 0; }
    std::string Text(std::int32_t, std::int32_t column) const override { return column == 0 ? "1" : "1,5"; }
    std::string Pattern(std::int32_t) const override { return ""; }
};

TEST(CsvExport, FieldsWithQuotesOrCommasAreQuoted)
{
    std::ostringstream out;
    WriteCsv(out, QuotedTable());
    EXPECT_EQ(out.str(), "No.,\"Force \"\"V\"\"\"\r\n1,\"1,5\"\r\n");
}

class GridRows : public RunTest { };

TEST_F(GridRows, TheWorkbookKeepsTheNodeNumbersOfTheRowsLeft)
{
    project.AnalysisMethod = 1;
    WriteNodeCountFile(File(".PL6"), 3);
    WriteColumnFile(File(".PH6"), std::vector<float>{0, 0, 2});
    WriteColumnFile(File(".PH7"), std::vector<float>{0, 0, 0});
    ListProject p{*session, project, formats, 0};
    const std::optional<ResultGrid> grid = ResultGrid::Read(p, 141L);
    ASSERT_TRUE(grid.has_value());
    const GridTable table(*grid);
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Value(1, 0), 3.0);
}

} // namespace
} // namespace teska::test
