// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The run of teska-report: from the command line to the written lists.

#include <ostream>
#include <string>
#include <vector>

#include "ReportOptions.h"

namespace teska {
class Host;
}

namespace teska::report {

enum ExitStatus : int {
    ExitSuccess = 0,
    ExitAborted = 1, // a missing or unreadable file, a failed run
    ExitUsage = 2,
    ExitWrittenWithErrors = 3, // the lists were written, errors were reported on the way
};

// The message and exit status of a failed run: a usage error (status 2)
// or a run-time error (status 1).
int UsageFailure(std::ostream& err, const std::string& message);
int RuntimeFailure(std::ostream& err, const std::string& message);

// Parses \p args (without the program name), handles --help and --version
// on \p out, usage errors on \p err, and runs the rest.
int RunReportCommand(const std::vector<std::string>& args, Host& host, std::ostream& out, std::ostream& err);

// Runs parsed options. Lists go to the --text file (or \p out for "-"), the
// --pdf file, or \p out for --view and --offered; errors to \p err.
int RunReport(const ReportOptions& options, Host& host, std::ostream& out, std::ostream& err);

// The page size used when no printer set-up can be measured (builds without
// the printing library) and none is given on the command line.
inline constexpr int FallbackLinesPerPage = 65;
inline constexpr int FallbackCharsPerLine = 80;

} // namespace teska::report
