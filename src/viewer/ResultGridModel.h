// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The item model of a grid viewer over one ResultGrid: column 0 is the
// former row number, columns 1..n the values, each cell formatted when the
// view asks for it (no item and no string is kept per cell). The three
// heading rows (caption, symbol, unit) are the horizontal header.

#include <QAbstractTableModel>

#include "lists/run/ResultGrid.h"

class QItemSelection;

namespace teska {

class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultGridModel(ResultGrid grid, QObject* parent = nullptr);

    const ResultGrid& resultGrid() const { return m_grid; }

    // Rows are the kept rows of the grid (model row r = grid row r + 1);
    // columns 0..ColumnCount of the grid.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display: the cell text; alignment: right (numbers), whatever the
    // layout direction.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Horizontal: caption, symbol and unit of the column on three lines.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The heading of \p column as the header shows it.
    QString HeadingText(int column) const;

    // The selected cells as tab-separated lines, rows and columns in order:
    // every row that has a selected cell gives one line over every column
    // that has one (a cell outside the selection stays empty). With
    // \p wholeColumns the three heading rows come first (line feeds in a
    // caption become blanks). Lines end with "\n".
    QString CopyText(const QItemSelection& selection, bool wholeColumns) const;

private:
    ResultGrid m_grid;
};

} // namespace teska
