// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page raster and print options of one batch run (ListPageSettings):
// the stored values (page layout file, "List frmPlotPage" settings, the
// measured page) with the command-line overrides applied.

#include "ReportOptions.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "lists/run/ListRequests.h"

namespace teska::report {

// \p measuredLines and \p measuredChars: the page size of the printer set-up.
// Throws UsageError when the margins leave no room on the page.
ListPageSettings ResolvePageSettings(const ReportOptions& options, const PageLayout& storedLayout,
    const PrintOptions& stored, int measuredLines, int measuredChars);

} // namespace teska::report
