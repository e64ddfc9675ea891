// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A table as the exports take it: one heading per column and rows of
// numbers, each column with its FormatNumber pattern. GridTable presents a
// result grid so; the benchmark and the tests present tables of their own.

#include <cstdint>
#include <string>

namespace teska {

class ResultGrid;

class SheetTable {
public:
    virtual ~SheetTable() = default;
    // The list's title: the worksheet's name.
    virtual std::string Title() const = 0;
    virtual std::int32_t ColumnCount() const = 0;
    virtual std::int32_t RowCount() const = 0;
    // The heading of column 0..ColumnCount-1 as the grid shows it: its heading
    // rows joined by line feeds.
    virtual std::string Heading(std::int32_t column) const = 0;
    // The value of row 1..RowCount as a spreadsheet stores it.
    virtual double Value(std::int32_t row, std::int32_t column) const = 0;
    // The cell text the list shows.
    virtual std::string Text(std::int32_t row, std::int32_t column) const = 0;
    virtual std::string Pattern(std::int32_t column) const = 0;
};

// A result grid: column 0 the row numbers, then the value columns.
class GridTable : public SheetTable {
public:
    explicit GridTable(const ResultGrid& grid)
        : m_grid(grid)
    { }
    std::string Title() const override;
    std::int32_t ColumnCount() const override;
    std::int32_t RowCount() const override;
    std::string Heading(std::int32_t column) const override;
    double Value(std::int32_t row, std::int32_t column) const override;
    std::string Text(std::int32_t row, std::int32_t column) const override;
    std::string Pattern(std::int32_t column) const override;

private:
    const ResultGrid& m_grid;
};

} // namespace teska
