// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A section of the result list written from the result matrix: the result
// files are read into a ResultTable, the columns defined for the key, and
// the table written with page breaks (or skipped with a warning when every
// row is zero).

#include "lists/choice/ListKey.h"
#include "lists/sections/SectionContent.h"
#include "lists/writer/ResultSection.h"

namespace teska {

enum class ResultTableOutcome {
    Written,
    Empty, // every row was zero: warned, nothing written
    Stopped, // the reading was aborted or cancelled (see the run state)
};

// Reads the result table of \p key and writes its section. Bad content of a
// result file throws (FileFormatError naming the file).
ResultTableOutcome WriteResultTableSection(
    const SectionInputs& inputs, ListWriter& writer, const ListKey& key);

// The number formats of the result table of \p key.
ResultFormats ResultFormatsFor(const NumberFormats& formats, const ListKey& key);

} // namespace teska
