// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The result table of one list: RowCount rows (nodes, elements or punching
// points) by ColumnCount columns of single-precision values, rows and
// columns numbered from 1 as the list prints them. The values sit in one
// contiguous row-major array, so a list of a million nodes costs four bytes
// per cell and nothing per row.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace teska {

class ResultTable {
public:
    // Makes the table anew: \p rows x \p columns zeros. Both 0 or more; the
    // caller has checked them against the file that gave them.
    void Create(std::int32_t rows, std::int32_t columns);

    std::int32_t RowCount() const { return rows_; }
    std::int32_t ColumnCount() const { return columns_; }

    // Row 1..RowCount, column 1..ColumnCount (unchecked, like an array).
    float Value(std::int32_t row, std::int32_t column) const { return cells_[index(row, column)]; }
    float& At(std::int32_t row, std::int32_t column) { return cells_[index(row, column)]; }
    // The columns of one row, column 1 first.
    std::span<const float> Row(std::int32_t row) const
    {
        return {cells_.data() + index(row, 1), static_cast<std::size_t>(columns_)};
    }
    // Where column \p column of row 1 is and the distance between rows, for
    // readers that fill one column at a time.
    float* ColumnStart(std::int32_t column) { return cells_.data() + index(1, column); }
    std::size_t RowStride() const { return static_cast<std::size_t>(columns_); }
    std::span<float> Cells() { return cells_; }

private:
    std::size_t index(std::int32_t row, std::int32_t column) const
    {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_)
            + static_cast<std::size_t>(column - 1);
    }

    std::int32_t rows_ = 0;
    std::int32_t columns_ = 0;
    std::vector<float> cells_;
};

} // namespace teska
