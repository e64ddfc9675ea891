// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/run/ResultGrid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/format/FormatNumber.h"
#include "lists/results/ReadResultList.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultTableSection.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"
#include "suite/Errors.h"

namespace teska {

namespace {

// The three square tables of coefficients, whose columns are nodes.
bool IsCoefficientKey(const ListKey& key)
{
    const std::string* text = std::get_if<std::string>(&key);
    if (!text)
        return false;
    for (const char* suffix : {" [Ce]", " [Cw]", " [ks]"})
        if (text->ends_with(suffix))
            return true;
    return false;
}

// Reports \p message as the error handler of a list run does: pending
// error, host report, list file closed.
void Report(Session& s, const std::string& message)
{
    FileServices services = s.services();
    s.environment.SetPendingError(message);
    ReportRuntimeError(services, s.file);
}

std::string HeadingText(const HeadingEntry& entry, const TextCatalogue& catalogue)
{
    if (const long* id = std::get_if<long>(&entry))
        return *id != 0 ? catalogue.LookupText(*id) : std::string();
    return std::get<std::string>(entry);
}

// A heading cell on one tab-separated line: line feeds become blanks.
void AppendHeadingCell(std::string& out, const std::string& cell)
{
    for (const char c : cell) {
        if (c == '\n')
            out += ' ';
        else if (c != '\r')
            out += c;
    }
}

void AppendWhole(std::string& out, long long value)
{
    char buffer[24];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    out.append(buffer, end);
}

} // namespace

std::optional<ResultGrid> ResultGrid::Read(ListProject& p, const ListKey& key, ProgressWindow* window)
{
    Session& s = p.session;
    ResultGrid grid;
    grid.m_key = key;

    // The writer is needed only for the empty-table warning, which carries
    // the list's title.
    ListState state;
    state.OutputTarget = TargetViewResults;
    state.CurrentListKey = key;
    state.AnalysisMethod = p.project.AnalysisMethod;
    ListWriter writer(s, state);
    grid.m_title = writer.Title();

    s.tools.SetRunState(RunRunning);
    const ResultContext context{p.project.ProjectDirectory, p.project.ProjectBaseName,
        p.project.AnalysisMethod, p.project.DesignCode, &p.formats};
    try {
        if (ReadResultList(s, context, key, window, grid.m_table) != 0) {
            // A missing file stops the read without an error of its own.
            if (s.tools.RunState() == RunAborted)
                Report(s,
                    FileAccessError(s.environment.AnnouncedFile(), "the file is missing or cannot be read")
                        .what());
            return std::nullopt;
        }
    } catch (const RuntimeError& e) {
        s.tools.SetRunState(RunAborted);
        Report(s, e.what());
        return std::nullopt;
    }
    if (s.tools.RunStopped())
        return std::nullopt;

    const SectionInputs inputs{s, p.project, p.formats, p.TermId, TargetViewResults};
    ColumnDefinition columns;
    DefineListColumns(columns, key, 0, DataColumnContext(inputs));

    // Drops the all-zero rows in place; the table keeps its allocation.
    ResultRows rows = RowsOf(grid.m_table);
    if (CheckNonzeroRows(writer, rows, p.project.AnalysisMethod))
        return std::nullopt;
    grid.m_rows = rows.RowCount;
    grid.m_columns = rows.ColumnCount;
    // When nothing was dropped the numbers are 1..n and need no array.
    if (rows.RowCount != grid.m_table.RowCount())
        grid.m_rowNumbers = std::move(rows.RowNumbers);

    const std::size_t width = static_cast<std::size_t>(grid.m_columns) + 1;
    grid.m_heading.assign(HeadingRowCount, std::vector<std::string>(width));
    if (IsCoefficientKey(key)) {
        for (std::size_t c = 1; c < width; ++c)
            grid.m_heading[0][c] = std::to_string(c);
    } else {
        const TableHeading heading = ResultTableHeading(columns, s.catalogue, s.environment.Units());
        for (std::size_t r = 0; r < heading.Rows.size() && r < HeadingRowCount; ++r)
            for (std::size_t c = 0; c < heading.Rows[r].size() && c < width; ++c)
                grid.m_heading[r][c] = HeadingText(heading.Rows[r][c], s.catalogue);
    }
    grid.m_formats = ResultFormatsFor(p.formats, key);
    return grid;
}

const std::string& ResultGrid::Heading(int headingRow, std::int32_t column) const
{
    return m_heading[static_cast<std::size_t>(headingRow)][static_cast<std::size_t>(column)];
}

std::string ResultGrid::HeadingLines(std::int32_t column) const
{
    std::string text;
    for (int h = 0; h < HeadingRowCount; ++h) {
        if (h > 0)
            text += '\n';
        for (const char c : Heading(h, column))
            if (c != '\r')
                text += c;
    }
    return text;
}

std::int32_t ResultGrid::RowNumber(std::int32_t row) const
{
    return m_rowNumbers.empty() ? row : m_rowNumbers[static_cast<std::size_t>(row - 1)];
}

float ResultGrid::Value(std::int32_t row, std::int32_t column) const
{
    // CheckNonzeroRows moved the kept rows to the front of the table with
    // the same row length, so kept row r sits where table row r was.
    return m_table.Value(row, column);
}

std::string ResultGrid::CellText(std::int32_t row, std::int32_t column) const
{
    std::string out;
    if (column == 0) {
        AppendWhole(out, RowNumber(row));
        return out;
    }
    const float value = Value(row, column);
    if (m_formats.nodeNumberColumns && column <= 2) {
        AppendWhole(out, std::llround(static_cast<double>(value)));
        return out;
    }
    const bool second = m_formats.secondFrom > 0 && column >= m_formats.secondFrom;
    return FormatNumber(value, second ? m_formats.secondFormat : m_formats.valueFormat);
}

std::string ResultGrid::ColumnPattern(std::int32_t column) const
{
    if (column == 0 || (m_formats.nodeNumberColumns && column <= 2))
        return "0";
    const bool second = m_formats.secondFrom > 0 && column >= m_formats.secondFrom;
    return second ? m_formats.secondFormat : m_formats.valueFormat;
}

std::size_t ResultGrid::MemoryBytes() const
{
    return static_cast<std::size_t>(m_table.RowCount()) * static_cast<std::size_t>(m_table.ColumnCount())
        * sizeof(float)
        + m_rowNumbers.size() * sizeof(std::int32_t);
}

std::string ResultGrid::TabText() const
{
    return TabText(1, m_rows, 0, m_columns, true);
}

std::string ResultGrid::TabText(std::int32_t firstRow, std::int32_t lastRow, std::int32_t firstColumn,
    std::int32_t lastColumn, bool headings) const
{
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, m_rows);
    firstColumn = std::max(firstColumn, 0);
    lastColumn = std::min(lastColumn, m_columns);
    std::string out;
    if (firstColumn > lastColumn)
        return out;
    if (headings)
        for (int h = 0; h < HeadingRowCount; ++h) {
            for (std::int32_t c = firstColumn; c <= lastColumn; ++c) {
                if (c > firstColumn)
                    out += '\t';
                AppendHeadingCell(out, Heading(h, c));
            }
            out += '\n';
        }
    for (std::int32_t r = firstRow; r <= lastRow; ++r) {
        for (std::int32_t c = firstColumn; c <= lastColumn; ++c) {
            if (c > firstColumn)
                out += '\t';
            out += CellText(r, c);
        }
        out += '\n';
    }
    return out;
}

} // namespace teska
