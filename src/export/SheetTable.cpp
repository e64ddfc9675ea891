// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/SheetTable.h"

#include "export/SpreadsheetFormat.h"
#include "lists/run/ResultGrid.h"

namespace teska {

std::string GridTable::Title() const
{
    return m_grid.Title();
}

std::int32_t GridTable::ColumnCount() const
{
    return m_grid.ColumnCount() + 1;
}

std::int32_t GridTable::RowCount() const
{
    return m_grid.RowCount();
}

std::string GridTable::Heading(std::int32_t column) const
{
    return m_grid.HeadingLines(column);
}

double GridTable::Value(std::int32_t row, std::int32_t column) const
{
    if (column == 0)
        return m_grid.RowNumber(row);
    return SpreadsheetValue(m_grid.Value(row, column));
}

std::string GridTable::Text(std::int32_t row, std::int32_t column) const
{
    return m_grid.CellText(row, column);
}

std::string GridTable::Pattern(std::int32_t column) const
{
    return m_grid.ColumnPattern(column);
}

} // namespace teska
