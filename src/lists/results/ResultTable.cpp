// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/results/ResultTable.h"

#include <stdexcept>
#include <string>

namespace teska {

void ResultTable::Create(std::int32_t rows, std::int32_t columns)
{
    if (rows < 0 || columns < 0)
        throw std::invalid_argument(
            "a result table of " + std::to_string(rows) + " x " + std::to_string(columns) + " cells");
    // Release the previous cells first, so that two big tables never coexist.
    std::vector<float>().swap(cells_);
    rows_ = 0;
    columns_ = 0;
    cells_.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0.0f);
    rows_ = rows;
    columns_ = columns;
}

} // namespace teska
