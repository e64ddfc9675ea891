// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teska-report: writes the lists of a project as text or PDF without the
// window. Exit status 0 success, 1 run aborted, 2 usage error.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "ReportRun.h"
#include "StderrHost.h"
#include "suite/TemporaryFiles.h"

int main(int argc, char** argv)
{
    // An interrupted run leaves no temporary file behind (exit 130 or 143).
    teska::RemoveTemporaryFilesOnInterrupt();
    std::vector<std::string> args(argv + 1, argv + argc);
    teska::report::StderrHost host(std::cerr, isatty(STDERR_FILENO) != 0);
    return teska::report::RunReportCommand(args, host, std::cout, std::cerr);
}
