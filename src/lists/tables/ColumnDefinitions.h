// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The column definitions of every table: a title, a caption, a symbol and a
// unit per column, for the result lists, the data tables and the viewer's
// grid alike; and the number formats of the result sections.

#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "lists/choice/ListKey.h"
#include "suite/SuiteEnvironment.h"

namespace teska {

class TextCatalogue;

// A caption: a catalogue identifier looked up when the header is written, or
// a ready text.
using CaptionEntry = std::variant<long, std::string>;
// A unit: a ready text, or a quantity kind whose label is made when the
// header is written.
using UnitEntry = std::variant<long, std::string>;

// Element 0 of each array is the table title / the row-number heading.
struct ColumnDefinition {
    int ColumnCount = 0;
    std::vector<CaptionEntry> ColumnCaptionIds;
    std::vector<std::string> ColumnSymbols;
    std::vector<UnitEntry> ColumnUnits;
};

// Everything the definitions depend on besides the key.
struct ColumnContext {
    const TextCatalogue& catalogue;
    UnitSettings units;
    int AnalysisMethod = 0;
    std::string DesignCode;
    long TermId = 0;
    // The beam data's switch: columns 3 and 4 of 10032 are height and width.
    bool BeamDimensions = false;
    // The unit label of a quantity kind, fetched at once.
    std::function<std::string(long kind)> UnitLabelNow;
};

// The selector of the special two-column table of a and b.
constexpr long SideTableSelector = 140105;

// Rebuilds \p columns for \p key and \p selector. A key without a definition
// (the coefficient lists) leaves \p columns as it is.
void DefineListColumns(
    ColumnDefinition& columns, const ListKey& key, long selector, const ColumnContext& context);

// Columns c and c + 1: the two coordinates.
void AddCoordinateColumns(ColumnDefinition& columns, int c, const ColumnContext& context);

// The number formats of a result section. \p slots holds the seventeen
// patterns at indices 1 to 17. The second format applies from column
// SecondFormatColumn on; 0 means it is not used for this key.
void ChooseResultFormats(const ListKey& key, std::span<const std::string> slots, std::string& valueFormat,
    std::string& secondFormat);
int SecondFormatColumn(const ListKey& key);

// True for the beam tables whose first two columns are node numbers,
// printed as whole numbers without a format.
bool HasNodeNumberColumns(const ListKey& key);

// True for the sections written from their own files rather than from the
// result matrix.
bool IsSummarySection(const ListKey& key);

} // namespace teska
