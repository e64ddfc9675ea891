// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result table's storage and the computed columns on their own, for the
// cases that the hand-made projects do not reach.

#include <gtest/gtest.h>

#include <stdexcept>

#include "lists/results/ResultColumns.h"
#include "lists/results/ResultTable.h"

namespace teska::test {
namespace {

TEST(ResultTableStorage, CreateStartsFromZerosWhateverWasThere)
{
    ResultTable table;
    table.Create(2, 3);
    table.At(2, 3) = 5;
    table.At(1, 1) = 7;
    EXPECT_EQ(table.Row(2)[2], 5.0f);
    EXPECT_EQ(table.Value(1, 1), 7.0f);
    table.Create(3, 2);
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.ColumnCount(), 2);
    for (std::int32_t r = 1; r <= 3; ++r)
        for (std::int32_t c = 1; c <= 2; ++c)
            EXPECT_EQ(table.Value(r, c), 0.0f) << r << "," << c;
    // Rows follow each other: row 2 column 1 comes right after row 1 column 2.
    table.At(1, 2) = 1;
    table.At(2, 1) = 2;
    EXPECT_EQ(table.Cells()[1], 1.0f);
    EXPECT_EQ(table.Cells()[2], 2.0f);
    EXPECT_EQ(table.ColumnStart(2) + table.RowStride(), &table.At(2, 2));
    EXPECT_THROW(table.Create(-1, 2), std::invalid_argument);
}

TEST(ResultTableColumns, PureShearGivesEqualAndOppositePrincipalValues)
{
    ResultTable table;
    table.Create(2, 6);
    table.At(1, 3) = 2; // stress: tau 2 only
    table.At(2, 1) = -1; // uniaxial -1
    DeriveStressColumns(table, 1);
    EXPECT_EQ(table.Value(1, 4), 2.0f);
    EXPECT_EQ(table.Value(1, 5), 2.0f);
    EXPECT_EQ(table.Value(1, 6), -2.0f);
    EXPECT_EQ(table.Value(2, 4), 0.5f);
    EXPECT_EQ(table.Value(2, 5), 0.0f);
    EXPECT_EQ(table.Value(2, 6), -1.0f);
}

TEST(ResultTableColumns, ScalingTouchesOnlyTheListedColumns)
{
    ResultTable table;
    table.Create(2, 3);
    for (std::int32_t r = 1; r <= 2; ++r)
        for (std::int32_t c = 1; c <= 3; ++c)
            table.At(r, c) = 0.5f;
    ScaleColumns(table, 3.0, {1, 3});
    EXPECT_EQ(table.Value(1, 1), 1.5f);
    EXPECT_EQ(table.Value(2, 3), 1.5f);
    EXPECT_EQ(table.Value(2, 2), 0.5f);
    // Eight significant digits are cut to the seven of the plain form.
    float values[] = {1.0f, 0.0f};
    ScaleValues(values, 1.2345678);
    EXPECT_EQ(values[0], 1.234568f);
    EXPECT_EQ(values[1], 0.0f);
}

TEST(ResultTableColumns, DifferenceAndPrincipalMomentsRowByRow)
{
    ResultTable table;
    table.Create(2, 5);
    table.At(1, 1) = 3;
    table.At(1, 2) = -1; // mx 3, my -1, mxy 0: principal 3 and -1
    table.At(2, 3) = 4; // pure twisting 4: principal +4 and -4
    DerivePrincipalMoments(table);
    EXPECT_EQ(table.Value(1, 4), 3.0f);
    EXPECT_EQ(table.Value(1, 5), -1.0f);
    EXPECT_EQ(table.Value(2, 4), 4.0f);
    EXPECT_EQ(table.Value(2, 5), -4.0f);
    SubtractColumns(table, 3, 1, 2);
    EXPECT_EQ(table.Value(1, 3), 4.0f);
    EXPECT_EQ(table.Value(2, 3), 0.0f);
}

} // namespace
} // namespace teska::test
