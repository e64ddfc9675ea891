// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exports of teska-report: --xlsx (one worksheet per chosen result
// list), --odt (the chosen data and result lists as one document) and
// --csv (one result table), written by the same code as the window's
// export commands.

#include <ostream>

#include "ReportOptions.h"
#include "lists/run/ListRequests.h"

namespace teska::report {

// Writes the exports that \p options ask for. Each file appears whole or
// not at all (an existing file is replaced only by a complete one).
// Returns 0 on success, 1 when a list run was aborted or a file could not
// be written (said on \p err with the file's name), 2 for a usage error.
int WriteReportExports(ListProject& project, const ListPageSettings& page, const ReportOptions& options,
    std::ostream& out, std::ostream& err);

} // namespace teska::report
