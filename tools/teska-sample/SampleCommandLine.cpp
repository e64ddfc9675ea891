// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teska-sample/SampleCommandLine.h"

#include <charconv>
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "suite/Errors.h"

#ifndef TESKA_VERSION
#define TESKA_VERSION "unknown"
#endif

namespace teska::sample {

namespace {

long long WholeNumber(const std::string& option, const std::string& text, long long lo, long long hi)
{
    long long v = 0;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, v);
    if (text.empty() || res.ec != std::errc() || res.ptr != end)
        throw SampleUsageError{option + " needs a whole number, not \"" + text + "\""};
    if (v < lo || v > hi)
        throw SampleUsageError{
            option + " must be " + std::to_string(lo) + " to " + std::to_string(hi) + ", not " + text};
    return v;
}

} // namespace

const char* SampleUsage()
{
    return "Usage: teska-sample [--method M] [--nodes NX NY] [--borings B] [--seed S] OUT/NAME.PO1\n"
           "\n"
           "Writes a generated sample project (a slab on Winkler springs under a\n"
           "uniform load and column loads, in closed form): the project file and\n"
           "every input and result file that the lists offered for the method read.\n"
           "\n"
           "  --method M      AnalysisMethod, 1 to 22 (default 1); 21 is a plane\n"
           "                  frame of strips, 22 a plane section through the slab\n"
           "  --nodes NX NY   mesh nodes along x and y, each 2 to 100000, at most\n"
           "                  4000000 in all (default 21 15)\n"
           "  --borings B     soil borings, 1 to 20 (default 3)\n"
           "  --seed S        seed of the generated values, 0 to 4294967295\n"
           "                  (default 1); the same seed gives the same files\n"
           "  --help          this text\n"
           "  --version       the program's version\n"
           "\n"
           "Above 3000 nodes no coefficient matrices (.PD1, .PD2, .PE1) are written\n"
           "and option 9 is set to 4, so the coefficient lists are not offered.\n"
           "Exit status: 0 done, 1 a file could not be written, 2 usage error.\n";
}

std::string SampleVersion()
{
    return std::string("teska-sample ") + TESKA_VERSION;
}

SampleCommandLine ParseSampleArguments(const std::vector<std::string>& args)
{
    SampleCommandLine cl;
    auto value = [&](std::size_t& i, const std::string& option) -> const std::string& {
        if (i + 1 >= args.size())
            throw SampleUsageError{option + " needs a value"};
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.Help = true;
        } else if (a == "--version") {
            cl.Version = true;
        } else if (a == "--method") {
            cl.Options.Method = static_cast<int>(WholeNumber(a, value(i, a), 1, 22));
        } else if (a == "--nodes") {
            cl.Options.NodesX = static_cast<int>(WholeNumber(a, value(i, a), 2, 100000));
            cl.Options.NodesY = static_cast<int>(WholeNumber(a, value(i, a), 2, 100000));
        } else if (a == "--borings") {
            cl.Options.Borings = static_cast<int>(WholeNumber(a, value(i, a), 1, 20));
        } else if (a == "--seed") {
            cl.Options.Seed = static_cast<std::uint32_t>(WholeNumber(a, value(i, a), 0, 4294967295LL));
        } else if (a.size() > 1 && a[0] == '-') {
            throw SampleUsageError{"unknown option " + a};
        } else if (!cl.ProjectPath.empty()) {
            throw SampleUsageError{"only one project file may be given, not also " + a};
        } else {
            cl.ProjectPath = a;
        }
    }
    if (cl.Help || cl.Version)
        return cl;
    if (cl.ProjectPath.empty())
        throw SampleUsageError{"no project file given"};
    const std::string name = std::filesystem::path(cl.ProjectPath).filename().string();
    if (name.size() < 5 || name.compare(name.size() - 4, 4, ".PO1") != 0)
        throw SampleUsageError{"the project file must be named NAME.PO1, not " + cl.ProjectPath};
    if (static_cast<long long>(cl.Options.NodesX) * cl.Options.NodesY > 4'000'000)
        throw SampleUsageError{"--nodes gives more than 4000000 nodes"};
    return cl;
}

int RunSample(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    SampleCommandLine cl;
    try {
        cl = ParseSampleArguments(args);
    } catch (const SampleUsageError& e) {
        err << "teska-sample: " << e.message << "\n\n" << SampleUsage();
        return 2;
    }
    if (cl.Help) {
        out << SampleUsage();
        return 0;
    }
    if (cl.Version) {
        out << SampleVersion() << '\n';
        return 0;
    }
    try {
        const std::filesystem::path dir = std::filesystem::path(cl.ProjectPath).parent_path();
        if (!dir.empty()) {
            std::error_code ec;
            std::filesystem::create_directories(dir, ec);
            if (ec)
                throw FileAccessError(dir.string(), "cannot be created: " + ec.message());
        }
        const SampleProject project = BuildSampleProject(cl.Options);
        const std::vector<std::string> written = WriteSampleProject(project, cl.ProjectPath);
        out << "teska-sample: " << cl.ProjectPath << ": AnalysisMethod " << cl.Options.Method << ", "
            << project.NodeCount() << " nodes, " << written.size() << " files:";
        for (const std::string& ext : written)
            out << ' ' << ext;
        out << '\n';
    } catch (const RuntimeError& e) {
        err << "teska-sample: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        err << "teska-sample: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace teska::sample
