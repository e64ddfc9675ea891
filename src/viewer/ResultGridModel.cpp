// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/ResultGridModel.h"

#include <QItemSelection>
#include <algorithm>
#include <utility>
#include <vector>

namespace teska {

namespace {

struct Range {
    int top, bottom, left, right;
    bool contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
};

void AppendHeadingCell(std::string& out, const std::string& text)
{
    for (const char c : text) {
        if (c == '\n')
            out += ' ';
        else if (c != '\r')
            out += c;
    }
}

} // namespace

ResultGridModel::ResultGridModel(ResultGrid grid, QObject* parent)
    : QAbstractTableModel(parent)
    , m_grid(std::move(grid))
{ }

int ResultGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.RowCount();
}

int ResultGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.ColumnCount() + 1;
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= rowCount()
        || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_grid.CellText(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole:
        // Digits read left to right in every language: numbers stay
        // right-aligned in a right-to-left layout too.
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter));
    default:
        return {};
    }
}

QString ResultGridModel::HeadingText(int column) const
{
    return QString::fromStdString(m_grid.HeadingLines(column));
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return HeadingText(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags ResultGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QString ResultGridModel::CopyText(const QItemSelection& selection, bool wholeColumns) const
{
    std::vector<Range> ranges;
    for (const QItemSelectionRange& r : selection)
        if (r.isValid() && r.model() == this)
            ranges.push_back(Range{r.top(), r.bottom(), r.left(), r.right()});
    if (ranges.empty())
        return {};
    // One rectangle, the usual case: the grid cuts it out without a
    // membership test per cell.
    if (ranges.size() == 1) {
        const Range& r = ranges.front();
        return QString::fromStdString(m_grid.TabText(r.top + 1, r.bottom + 1, r.left, r.right, wholeColumns));
    }

    std::vector<bool> columnUsed(static_cast<std::size_t>(columnCount()), false);
    for (const Range& r : ranges)
        for (int c = r.left; c <= r.right; ++c)
            columnUsed[static_cast<std::size_t>(c)] = true;
    std::vector<int> columns;
    for (int c = 0; c < columnCount(); ++c)
        if (columnUsed[static_cast<std::size_t>(c)])
            columns.push_back(c);
    // The selected rows as merged intervals, in order.
    std::vector<std::pair<int, int>> rows;
    for (const Range& r : ranges)
        rows.emplace_back(r.top, r.bottom);
    std::sort(rows.begin(), rows.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& span : rows) {
        if (!merged.empty() && span.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }

    std::string out;
    if (wholeColumns)
        for (int h = 0; h < ResultGrid::HeadingRowCount; ++h) {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (i > 0)
                    out += '\t';
                AppendHeadingCell(out, m_grid.Heading(h, columns[i]));
            }
            out += '\n';
        }
    for (const auto& [first, last] : merged)
        for (int row = first; row <= last; ++row) {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (i > 0)
                    out += '\t';
                const int column = columns[i];
                if (std::any_of(ranges.begin(), ranges.end(),
                        [row, column](const Range& r) { return r.contains(row, column); }))
                    out += m_grid.CellText(row + 1, column);
            }
            out += '\n';
        }
    return QString::fromStdString(out);
}

} // namespace teska
