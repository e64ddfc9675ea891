// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// teska-report --picture: one nodal result list drawn as a coloured
// picture of the slab into a PNG, SVG or PDF file.

#include <ostream>

#include "ReportOptions.h"
#include "lists/run/ListRequests.h"

namespace teska::report {

// Draws value column options.pictureColumn of \p key into
// options.pictureFile. Returns 0 when written, 1 when the list has no
// picture, a file could not be read or the file not written (said on
// \p err); throws UsageError for a column the list does not have.
int WriteReportPicture(
    ListProject& project, const ListKey& key, const ReportOptions& options, std::ostream& err);

} // namespace teska::report
