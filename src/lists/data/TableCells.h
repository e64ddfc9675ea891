// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The data tables of the data list: TableCells, a grid of ready texts with
// the row number in column 0, filled by FillNumberedRows, and the writer
// that lays it out under a table heading with page breaks.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace teska {

class ListWriter;
struct TableHeading;

// Columns 0..ColumnCount by rows 0..TableRowCount; row 0 is not used.
class TableCells {
public:
    // Re-creates the grid with every cell empty. Throws std::length_error
    // when the grid would not fit in memory addressing.
    void Reset(int columnCount, std::int32_t rowCount);
    int ColumnCount() const { return m_columns; }
    std::int32_t TableRowCount() const { return m_rows; }
    std::string& Cell(std::int32_t row, int column) { return m_cells[Index(row, column)]; }
    const std::string& Cell(std::int32_t row, int column) const { return m_cells[Index(row, column)]; }

private:
    std::size_t Index(std::int32_t row, int column) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns + 1)
            + static_cast<std::size_t>(column);
    }
    int m_columns = 0;
    std::int32_t m_rows = 0;
    std::vector<std::string> m_cells;
};

// One value column: the values of rows 1..n (element r - 1), the factor and
// the FormatNumber pattern.
struct ValueColumn {
    std::span<const float> Values;
    double Factor = 1;
    std::string_view Pattern;
};

// Re-creates \p cells with \p columnCount columns and \p rowCount rows;
// row r gets its number in column 0 and FormatNumber(values(r) x factor,
// pattern) of column k in column k. The members of the family take 2, 3,
// 5 or 6 value columns. A value array shorter than \p rowCount throws
// std::invalid_argument.
void FillNumberedRows(
    TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1, const ValueColumn& c2);
void FillNumberedRows(TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1,
    const ValueColumn& c2, const ValueColumn& c3);
void FillNumberedRows(TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1,
    const ValueColumn& c2, const ValueColumn& c3, const ValueColumn& c4, const ValueColumn& c5);
void FillNumberedRows(TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1,
    const ValueColumn& c2, const ValueColumn& c3, const ValueColumn& c4, const ValueColumn& c5,
    const ValueColumn& c6);

// Writes \p cells under \p heading: a new page first when the heading and
// the first row do not fit on this one, the heading, one line per row with every
// cell right-aligned in the heading's widths, a continuation (ContinueTable)
// after a row that is not the last when LineOnPage > LinesPerPage -
// BottomMargin - 1, and the rule once more at the end. Rows go straight into
// the list text, no temporary per cell.
void WriteCellTable(ListWriter& writer, const TableHeading& heading, const TableCells& cells);

// The same table under its caption lines (ids or texts, as WriteLines takes
// them); the caption starts on the page of the heading and the first row.
void WriteCaptionedCellTable(ListWriter& writer, std::span<const std::variant<long, std::string>> caption,
    const TableHeading& heading, const TableCells& cells);

// The same table for cells made while the rows are written: \p cell appends
// the text of cell (\p row, \p column) to its (empty) string. For the large
// tables of the mesh, whose numbers take far less memory than a grid of
// texts.
void WriteGeneratedTable(ListWriter& writer, const TableHeading& heading, std::int32_t rows, int columnCount,
    const std::function<void(std::int32_t row, int column, std::string& out)>& cell);

} // namespace teska
