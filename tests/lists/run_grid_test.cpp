// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result grid of a viewer on a hand-made project of four nodes: the
// three heading rows, the rows left after the all-zero ones are dropped with
// their former numbers, the cell texts in the formats of each key, and the
// reads that give no grid (a missing file, an all-zero table).

#include <gtest/gtest.h>

#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "project/results/ResultFiles.h"
#include "run_fixture_test.h"

namespace teska::test {
namespace {

class ResultGridTest : public RunTest {
protected:
    ResultGridTest()
    {
        project.AnalysisMethod = 1;
        WriteNodeCountFile(File(".PL6"), 4);
        // 141: nodes 1 and 3 are zero in both columns.
        WriteColumnFile(File(".PH6"), std::vector<float>{0, 1.5f, 0, -2.25f});
        WriteColumnFile(File(".PH7"), std::vector<float>{0, 0, 0, 3});
        // 142: nodes 2 and 4 are zero.
        WriteColumnFile(File(".H10"), std::vector<float>{0, 0, 7, 0});
        WriteColumnFile(File(".H11"), std::vector<float>{0, 0, 0.5f, 0});
        WriteColumnFile(File(".H12"), std::vector<float>{1, 0, 0, 0});
        // [Ce]: row 2 is zero in columns 1 to 3 (its column 4 does not count).
        WriteMatrixFile(File(".PD1"), 4, std::vector<float>{1, 0, 0, 0, 0, 0, 0, 9, 0, 2, 0, 0, 0, 0, 3, 0});
        WriteColumnFile(File(".PW1"), std::vector<float>{0, 0, 0, 0});
        formats.slots[5] = "0.00"; // 141
        formats.slots[6] = "0.0"; // 142
        formats.slots[17] = "0.0"; // the coefficient tables
    }

    ListProject Project() { return ListProject{*session, project, formats, 0}; }
};

using Texts = std::vector<std::string>;

TEST_F(ResultGridTest, HeadingsKeptRowsAndCellTexts)
{
    // 141: nodes 1 and 3 dropped; 142: nodes 2 and 4; [Ce]: row 2, whose
    // column 4 does not count. The grid's text and the kept rows' numbers.
    const ListKey keys[] = {141L, 142L, std::string("Settlement coefficient [Ce]")};
    for (const ListKey& key : keys) {
        SCOPED_TRACE(ListKeyText(key));
        ListProject p = Project();
        const std::optional<ResultGrid> grid = ResultGrid::Read(p, key);
        ASSERT_TRUE(grid.has_value());
        EXPECT_TRUE(host.errors.empty());
        std::string numbers = "rows";
        for (std::int32_t r = 1; r <= grid->RowCount(); ++r)
            numbers += " " + std::to_string(grid->RowNumber(r));
        ExpectAsStored(grid->TabText() + numbers + "\n", ListKeyText(key));
        // The values stay where the dropped rows were squeezed out, with
        // no second copy of the table.
        EXPECT_LE(grid->MemoryBytes(), 4u * 4u * sizeof(float) + 4u * sizeof(std::int32_t));
    }
}

TEST_F(ResultGridTest, TabTextJoinsHeadingsAndRowsAndCutsASelection)
{
    ListProject p = Project();
    const std::optional<ResultGrid> grid = ResultGrid::Read(p, 141L);
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(grid->TabText(),
        "Node\tShear\tShear\nNo.\tQx\tQy\n[-]\t[kN/m]\t[kN/m]\n2\t1.50\t0.00\n4\t-2.25\t3.00\n");
    EXPECT_EQ(grid->TabText(2, 2, 1, 2, false), "-2.25\t3.00\n");
    EXPECT_EQ(grid->TabText(1, 2, 2, 2, true), "Shear\nQy\n[kN/m]\n0.00\n3.00\n");
}

TEST_F(ResultGridTest, NoGridWhenAFileIsMissingOrEveryRowIsZero)
{
    {
        SCOPED_TRACE("missing file");
        ListProject p = Project();
        EXPECT_FALSE(ResultGrid::Read(p, 90049L).has_value()); // .H13 is not there
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_NE(host.errors[0].find(File(".H13")), std::string::npos) << host.errors[0];
        EXPECT_EQ(session->tools.RunState(), RunAborted);
        EXPECT_FALSE(session->file.IsOpen());
    }
    {
        SCOPED_TRACE("all rows zero");
        ListProject p = Project();
        EXPECT_FALSE(ResultGrid::Read(p, 146L).has_value());
        EXPECT_EQ(host.warnings, (Texts{"Pressure: Empty table"}));
        EXPECT_EQ(host.errors.size(), 1u);
    }
}

} // namespace
} // namespace teska::test
