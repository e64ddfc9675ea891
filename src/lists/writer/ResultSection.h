// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writing one result section from a result table: the empty-table check, the
// heading from the column definition, and the rows with page breaks.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "lists/results/ResultTable.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"

namespace teska {

// The numbers of a result table, row-major: row r (1..RowCount), column c
// (1..ColumnCount) at Values[(r - 1) * ColumnCount + (c - 1)]. RowNumbers
// holds the row number printed for each row (empty: r itself).
struct ResultRows {
    std::span<float> Values;
    std::int32_t RowCount = 0;
    std::int32_t ColumnCount = 0;
    std::vector<std::int32_t> RowNumbers;

    float Value(std::int32_t row, std::int32_t column) const
    {
        return Values[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(ColumnCount)
            + static_cast<std::size_t>(column - 1)];
    }
    std::int32_t RowNumber(std::int32_t row) const
    {
        return RowNumbers.empty() ? row : RowNumbers[static_cast<std::size_t>(row - 1)];
    }
};

// The rows of \p table as the section writer reads them. The table keeps
// its own RowCount; CheckNonzeroRows shortens the view only.
inline ResultRows RowsOf(ResultTable& table)
{
    ResultRows rows;
    rows.Values = table.Cells();
    rows.RowCount = table.RowCount();
    rows.ColumnCount = table.ColumnCount();
    return rows;
}

// Unless \p analysisMethod is 22: keeps the rows whose values in columns 1,
// 2 and 3 are not all exactly zero (a column beyond ColumnCount counts as
// zero), moving them down and remembering their former numbers in
// RowNumbers; RowCount becomes the number kept. When none is kept, warns
// through the host (title = text of CurrentListKey, text 90079) and returns
// true.
bool CheckNonzeroRows(ListWriter& writer, ResultRows& rows, std::int32_t analysisMethod);

// The heading of a result table from its column definition: captions
// (element 0 = the table title), symbols, and units (a quantity kind turned
// into its unit label).
TableHeading ResultTableHeading(
    const ColumnDefinition& columns, const TextCatalogue& catalogue, const UnitSettings& units);

// The number formats of one section: \p valueFormat for columns 1 on,
// \p secondFormat from column \p secondFrom on (0: not used);
// \p nodeNumberColumns: columns 1 and 2 are whole numbers without a format.
struct ResultFormats {
    std::string valueFormat;
    std::string secondFormat;
    std::int32_t secondFrom = 0;
    bool nodeNumberColumns = false;
};

// Writes one result section: BeginSection, the first page header, the table
// heading, one line per row (row number, then the formatted values,
// right-aligned in the heading's widths), ContinueTable whenever fewer than
// two lines remain above the bottom margin, and EndList. Returns false and
// writes nothing when CheckNonzeroRows finds the table empty. Stops early
// (returning true) when the run is cancelled.
bool WriteResultSection(
    ListWriter& writer, ResultRows& rows, const ColumnDefinition& columns, const ResultFormats& formats);

} // namespace teska
