// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page raster and print options of one batch run: the stored values
// (page layout file, "List frmPlotPage" settings, the measured page) with
// the command-line overrides applied.

#include <cstdint>

#include "ReportOptions.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"

namespace teska::report {

struct PageSettings {
    std::int16_t LinesPerPage = 0;
    std::int16_t CharsPerLine = 0;
    PageLayout Layout;
    // PageNumber before the first page header (NoPageNumbers: not numbered).
    std::int16_t PageNumber = 0;
    std::int16_t CopyCount = 1;
    bool PrintCompanyHeader = true;
    bool PrintJobData = true;
};

// \p measuredLines and \p measuredChars: the page size of the printer set-up.
// Throws UsageError when the margins leave no room on the page.
PageSettings ResolvePageSettings(const ReportOptions& options, const PageLayout& storedLayout,
    const PrintOptions& stored, int measuredLines, int measuredChars);

} // namespace teska::report
