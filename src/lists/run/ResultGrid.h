// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One result table as a grid viewer shows it: the table of single-precision
// values read by ReadResultList, its rows without the all-zero ones (the
// former row numbers kept), the three heading rows of its columns (captions,
// symbols, units; column 0 heads the row numbers) and the number formats of
// its key. Cell texts are made on demand, so a table of a million rows costs
// four bytes per cell and four per row and nothing per text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lists/choice/ListKey.h"
#include "lists/results/ResultTable.h"
#include "lists/writer/ResultSection.h"

namespace teska {

struct ListProject;
class ProgressWindow;

class ResultGrid {
public:
    // Reads the result table of \p key (any result key that is not one of
    // the five text sections, 142 included). nullopt when the reading was
    // aborted (reported through the host, run state 3), cancelled (run
    // state 4), or every row was zero (warned with text 90079). A missing
    // or bad file is reported through the host with its name.
    // \p window (may be null) shows the progress labels of each file read.
    static std::optional<ResultGrid> Read(
        ListProject& p, const ListKey& key, ProgressWindow* window = nullptr);

    const ListKey& Key() const { return m_key; }
    const std::string& Title() const { return m_title; }

    // Kept rows 1..RowCount; value columns 1..ColumnCount (column 0 is the
    // row number column).
    std::int32_t RowCount() const { return m_rows; }
    std::int32_t ColumnCount() const { return m_columns; }

    // Heading row 0 (caption), 1 (symbol) or 2 (unit) of column 0..n. A
    // caption with line feeds keeps them. The three coefficient tables
    // (keys ending " [Ce]", " [Cw]", " [ks]") head column i with "i".
    static constexpr int HeadingRowCount = 3;
    const std::string& Heading(int headingRow, std::int32_t column) const;
    // The three heading rows of \p column joined by line feeds, as a grid
    // heading shows them (carriage returns left out).
    std::string HeadingLines(std::int32_t column) const;

    // The former row number of kept row \p row, as the list prints it.
    std::int32_t RowNumber(std::int32_t row) const;
    float Value(std::int32_t row, std::int32_t column) const;
    // Column 0: the row number; columns 1..n: the value formatted with
    // FormatNumber and the column's format (node number columns as whole
    // numbers), exactly as the list writes it.
    std::string CellText(std::int32_t row, std::int32_t column) const;
    // The FormatNumber pattern of column \p column's cells: "0" for the row
    // numbers and node number columns (whole numbers), else the column's
    // format.
    std::string ColumnPattern(std::int32_t column) const;

    // Bytes held for the values and row numbers.
    std::size_t MemoryBytes() const;

    // The grid as tab-separated text: the three heading rows (line feeds in
    // a caption become blanks), then one line per row. What
    // teska-report --view prints for a result table.
    std::string TabText() const;
    // Rows [firstRow, lastRow] and columns [firstColumn, lastColumn] as
    // tab-separated lines; with \p headings the three heading rows first.
    std::string TabText(std::int32_t firstRow, std::int32_t lastRow, std::int32_t firstColumn,
        std::int32_t lastColumn, bool headings) const;

private:
    ListKey m_key;
    std::string m_title;
    ResultTable m_table;
    std::vector<std::int32_t> m_rowNumbers; // empty: row r is r
    std::int32_t m_rows = 0;
    std::int32_t m_columns = 0;
    std::vector<std::vector<std::string>> m_heading; // [row][column]
    ResultFormats m_formats;
};

} // namespace teska
