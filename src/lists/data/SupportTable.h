// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The support table of section 60005: one row per support item whose three
// conditions are not all free ("F").

#include "lists/data/TableCells.h"
#include "project/input/InputOpening.h"

namespace teska {

// Fills \p cells with 4 value columns: column 0 the item number (from .P31),
// column 1 the number kept from .P31 alone, columns 2 to 4 the three
// conditions: "F" as it stands, any other text read as a number and
// multiplied by \p deflectionFactor (column 2) or \p rotationFactor (columns
// 3, 4), written with the empty pattern. Items whose arrays are not all
// filled (a file with fewer items) are left out. For AnalysisMethod 21 and
// 22 the table stays empty.
void FillSupportTable(TableCells& cells, const SupportData& supports, int analysisMethod,
    double deflectionFactor, double rotationFactor);

} // namespace teska
