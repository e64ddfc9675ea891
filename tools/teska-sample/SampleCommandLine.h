// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line of teska-sample:
//   teska-sample [--method M] [--nodes NX NY] [--borings B] [--seed S] OUT/NAME.PO1
//   teska-sample --help | --version

#include <iosfwd>
#include <string>
#include <vector>

#include "teska-sample/SampleProject.h"

namespace teska::sample {

struct SampleCommandLine {
    SampleOptions Options;
    std::string ProjectPath;
    bool Help = false;
    bool Version = false;
};

// Thrown for a usage error; the message says what is wrong.
struct SampleUsageError {
    std::string message;
};

SampleCommandLine ParseSampleArguments(const std::vector<std::string>& args);
const char* SampleUsage();
// "teska-sample <version>".
std::string SampleVersion();

// The whole program: parses \p args (without the program name), writes the
// project and reports on \p out. Exit code 0, 2 for a usage error (message
// and usage on \p err), 1 when a file cannot be written.
int RunSample(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace teska::sample
