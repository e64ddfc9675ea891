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
    explicit ResultGridModel(ResultGrid grid, bool rightToLeft = false, QObject* parent = nullptr);

    const ResultGrid& resultGrid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The selection as tab-separated text, rows in order; the heading rows
    // first when whole columns are selected.
    QString CopyText(const QItemSelection& selection, bool wholeColumns) const;

private:
    ResultGrid m_grid;
    bool m_rightToLeft = false;
};

} // namespace teska
