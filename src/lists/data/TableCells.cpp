// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/data/TableCells.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <stdexcept>

#include "lists/format/FormatNumber.h"
#include "lists/writer/ListWriter.h"
#include "lists/writer/TextMeasure.h"

namespace teska {

void TableCells::Reset(int columnCount, std::int32_t rowCount)
{
    if (columnCount < 0 || rowCount < 0)
        throw std::length_error("a table cannot have a negative size");
    const std::size_t width = static_cast<std::size_t>(columnCount) + 1;
    const std::size_t height = static_cast<std::size_t>(rowCount) + 1;
    if (height > std::numeric_limits<std::size_t>::max() / width / sizeof(std::string))
        throw std::length_error("a table of this size does not fit in memory");
    m_columns = columnCount;
    m_rows = rowCount;
    m_cells.assign(width * height, std::string());
}

namespace {

void Fill(TableCells& cells, int columnCount, std::int32_t rowCount,
    std::initializer_list<const ValueColumn*> values)
{
    for (const ValueColumn* column : values)
        if (rowCount > 0 && column->Values.size() < static_cast<std::size_t>(rowCount))
            throw std::invalid_argument("a value column is shorter than the table");
    cells.Reset(columnCount, rowCount);
    for (std::int32_t r = 1; r <= rowCount; ++r) {
        cells.Cell(r, 0) = std::to_string(r);
        int k = 1;
        for (const ValueColumn* column : values) {
            if (k > columnCount)
                break;
            const double value
                = static_cast<double>(column->Values[static_cast<std::size_t>(r - 1)]) * column->Factor;
            cells.Cell(r, k++) = FormatNumber(value, column->Pattern);
        }
    }
}

} // namespace

void FillNumberedRows(
    TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1, const ValueColumn& c2)
{
    Fill(cells, columnCount, rowCount, {&c1, &c2});
}

void FillNumberedRows(TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1,
    const ValueColumn& c2, const ValueColumn& c3)
{
    Fill(cells, columnCount, rowCount, {&c1, &c2, &c3});
}

void FillNumberedRows(TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1,
    const ValueColumn& c2, const ValueColumn& c3, const ValueColumn& c4, const ValueColumn& c5)
{
    Fill(cells, columnCount, rowCount, {&c1, &c2, &c3, &c4, &c5});
}

void FillNumberedRows(TableCells& cells, int columnCount, std::int32_t rowCount, const ValueColumn& c1,
    const ValueColumn& c2, const ValueColumn& c3, const ValueColumn& c4, const ValueColumn& c5,
    const ValueColumn& c6)
{
    Fill(cells, columnCount, rowCount, {&c1, &c2, &c3, &c4, &c5, &c6});
}

void WriteCellTable(ListWriter& writer, const TableHeading& heading, const TableCells& cells)
{
    WriteGeneratedTable(writer, heading, cells.TableRowCount(), cells.ColumnCount(),
        [&cells](std::int32_t row, int column, std::string& out) { out += cells.Cell(row, column); });
}

void WriteCaptionedCellTable(ListWriter& writer, std::span<const LineItem> caption,
    const TableHeading& heading, const TableCells& cells)
{
    if (!caption.empty())
        writer.KeepTogether(static_cast<std::int32_t>(caption.size()) + writer.HeadingLineCount(heading) + 1);
    writer.WriteLines(caption);
    WriteCellTable(writer, heading, cells);
}

void WriteGeneratedTable(ListWriter& writer, const TableHeading& heading, std::int32_t rows, int columnCount,
    const std::function<void(std::int32_t row, int column, std::string& out)>& cell)
{
    // The heading and the first row (or the closing rule) start on the same
    // page; later rows break the table with a continuation.
    writer.KeepTogether(writer.HeadingLineCount(heading) + 1);
    const WrittenHeading written = writer.WriteKeptTableHeading(heading);
    const TableLayout& layout = written.Layout;
    ListState& state = writer.State();
    const int columns = std::min<int>(columnCount, static_cast<int>(layout.Widths.size()) - 1);
    if (!IsPrintedTarget(state.OutputTarget)) {
        // The whole table stays in the text: one allocation for its rows
        // instead of a copy of the text at every doubling.
        std::size_t lineLength = static_cast<std::size_t>(std::max<int>(0, state.LeftMargin)) + 2;
        for (const std::int32_t width : layout.Widths)
            lineLength += static_cast<std::size_t>(std::max(0, width));
        state.ListText.reserve(
            state.ListText.size() + static_cast<std::size_t>(std::max(0, rows)) * lineLength);
    }
    std::string text;
    for (std::int32_t r = 1; r <= rows; ++r) {
        std::string& line = writer.LineBuffer();
        for (int c = 0; c <= columns; ++c) {
            text.clear();
            cell(r, c, text);
            std::int32_t pad = layout.Widths[static_cast<std::size_t>(c)] - TextLength(text);
            if (c == 0)
                pad += state.LeftMargin;
            if (pad > 0)
                line.append(static_cast<std::size_t>(pad), ' ');
            line += text;
        }
        writer.CommitLine();
        if (r < rows && state.LineOnPage > state.LinesPerPage - state.BottomMargin - 1)
            writer.ContinueTable(written);
    }
    writer.WriteLines({layout.Rule});
}

} // namespace teska
