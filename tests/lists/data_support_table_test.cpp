// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The support table: free conditions stay "F", fixed ones are converted,
// items free in all three quantities are left out.

#include <gtest/gtest.h>

#include "lists/data/SupportTable.h"

namespace teska {
namespace {

SupportData ThreeItems()
{
    SupportData s;
    s.ItemNumbers = {12, 14, 17};
    s.KeptNumbers = {1, 2, 3};
    s.Texts2 = {"F", "0.5", "F"};
    s.Conditions2 = {"0", "F", "F"};
    s.Conditions3 = {"F", "0.002", "F"};
    return s;
}

TEST(SupportTable, FreeConditionsStayFAndAllFreeItemsAreLeftOut)
{
    TableCells cells;
    FillSupportTable(cells, ThreeItems(), 1, 100, 1); // w from m to cm
    ASSERT_EQ(cells.TableRowCount(), 2); // item 17 is free in all three
    EXPECT_EQ(cells.Cell(1, 0), "12");
    EXPECT_EQ(cells.Cell(1, 1), "1");
    EXPECT_EQ(cells.Cell(1, 2), "F");
    EXPECT_EQ(cells.Cell(1, 3), "0");
    EXPECT_EQ(cells.Cell(1, 4), "F");
    EXPECT_EQ(cells.Cell(2, 0), "14");
    EXPECT_EQ(cells.Cell(2, 1), "2");
    EXPECT_EQ(cells.Cell(2, 2), "50");
    EXPECT_EQ(cells.Cell(2, 3), "F");
    EXPECT_EQ(cells.Cell(2, 4), ".002");
}

TEST(SupportTable, PlaneModelsAndShortArraysGiveNoRowsBeyondTheData)
{
    TableCells cells;
    FillSupportTable(cells, ThreeItems(), 21, 1, 1);
    EXPECT_EQ(cells.TableRowCount(), 0);
    FillSupportTable(cells, ThreeItems(), 22, 1, 1);
    EXPECT_EQ(cells.TableRowCount(), 0);
    SupportData s = ThreeItems();
    s.Conditions3.resize(1); // a condition file with one item only
    FillSupportTable(cells, s, 1, 1, 1);
    EXPECT_EQ(cells.TableRowCount(), 1);
    EXPECT_EQ(cells.Cell(1, 0), "12");
}

} // namespace
} // namespace teska
