// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The list state that the list writer and the section writers share: the
// output target, the list text and line count, page numbering, the page
// raster and margins, and the project data that page headers print. Owned by
// whoever runs a list (the main window or the batch tool) and passed to
// ListWriter explicitly.

#include <array>
#include <cstdint>
#include <string>

#include "lists/choice/ListKey.h"

namespace teska {

// OutputTarget values.
enum OutputTargetValue : int {
    TargetViewData = 1,
    TargetViewResults = 2,
    TargetPrintData = 3,
    TargetPrintResults = 4,
    TargetEditorResults = 5,
    TargetEditorData = 6,
};

// Targets 3 and 4: every full page goes to the PageSink and leaves ListText.
inline bool IsPrintedTarget(int target)
{
    return target == TargetPrintData || target == TargetPrintResults;
}

struct ListState {
    int OutputTarget = TargetViewData; // 1..6
    // The text built so far; every line ends with CR LF. For printed output
    // it holds the current page only.
    std::string ListText;
    // Lines written on the current page; 0 at a page start. 32-bit, as the
    // unpaged text of target 1 may run far beyond one page.
    std::int32_t LineOnPage = 0;
    // Number of the last page header written; NoPageNumbers (-2) = pages
    // not numbered. Not reset between copies.
    std::int16_t PageNumber = 0;
    std::int16_t CopyCount = 1;
    ListKey CurrentListKey = 0L;
    bool PrintCompanyHeader = true;
    bool PrintJobData = true;
    std::string CompanyLine1;
    std::string CompanyLine2;
    std::int16_t LinesPerPage = 65;
    std::int16_t CharsPerLine = 80;
    std::int16_t LeftMargin = 5;
    std::int16_t TopMargin = 2;
    std::int16_t BottomMargin = 2;

    // Job data of the project: three job lines and the base name.
    std::array<std::string, 3> JobLines;
    std::string ProjectBaseName;
    // ProjectType 2..5 picks the system caption; 1 has none in headers.
    std::int32_t ProjectType = 0;
    std::int32_t AnalysisMethod = 0;
    // The two description lines of the analysis method, as the suite
    // supplies them for AnalysisMethod.
    std::array<std::string, 2> AnalysisDescription;
    // Text123, appended to every symbol of a name/value table.
    std::string SymbolSuffix;
};

} // namespace teska
