// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportRun.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "PageSettings.h"
#include "lists/Session.h"
#include "lists/page/IniSettings.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "project/opening/ProjectFileReader.h"
#include "suite/Errors.h"

#ifdef TESKA_REPORT_HAVE_PDF
#include "printing/PdfPagePrinter.h"
#endif

namespace teska::report {

namespace {

std::string WithSlash(std::string directory)
{
    if (!directory.empty() && directory.back() != '/')
        directory += '/';
    return directory;
}

// The project must be an existing, readable file with the extension PO1.
void CheckProjectPath(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (extension != ".PO1")
        throw UsageError{"the project file must have the extension .PO1: " + path};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw FileAccessError(path, "no such project file");
    std::ifstream probe(path, std::ios::binary);
    if (!probe)
        throw FileAccessError(path, "the project file cannot be read");
}

struct MeasuredPage {
    int lines = FallbackLinesPerPage;
    int chars = FallbackCharsPerLine;
};

MeasuredPage MeasureStoredPrinter(const IniSettings& settings, const ReportOptions& options)
{
    MeasuredPage page;
    if (options.lines && options.chars)
        return page; // both given: nothing to measure
#ifdef TESKA_REPORT_HAVE_PDF
    DeviceModeValues device;
    device.orientation = static_cast<int>(settings.GetLong("Device Mode", "dmOrientation", 0));
    device.paperSize = static_cast<int>(settings.GetLong("Device Mode", "dmPaperSize", 0));
    EnsureGuiApplication();
    const PageMeasure m = MeasurePageSetup(PageSetupFromDeviceMode(device));
    page.lines = m.LinesPerPage;
    page.chars = m.CharsPerLine;
#else
    (void)settings;
#endif
    return page;
}

} // namespace

int RunReportCommand(const std::vector<std::string>& args, Host& host, std::ostream& out, std::ostream& err)
{
    ReportOptions options;
    try {
        options = ParseReportOptions(args);
    } catch (const UsageError& e) {
        err << "teska-report: " << e.message << "\nTry 'teska-report --help'.\n";
        return ExitUsage;
    }
    if (options.help) {
        out << ReportUsage();
        return ExitSuccess;
    }
    if (options.version) {
        out << "teska-report " << TESKA_VERSION << '\n';
        return ExitSuccess;
    }
    return RunReport(options, host, out, err);
}

int RunReport(const ReportOptions& options, Host& host, std::ostream& out, std::ostream& err)
{
    (void)out;
    try {
        if (!options.data.empty()) {
            err << "teska-report: --data: the data list is not available yet\n";
            return ExitAborted;
        }
#ifndef TESKA_REPORT_HAVE_PDF
        if (!options.pdfFile.empty())
            throw UsageError{"--pdf: this build has no PDF output (built without Qt)"};
#endif
        CheckProjectPath(options.project);

        SessionOptions sessionOptions;
        sessionOptions.settingsDirectory = WithSlash(options.settingsDir);
        sessionOptions.language = options.language;
        Session session(host, sessionOptions);
        const std::string settingsDirectory = session.environment.SettingsDirectory();

        PageLayout layout;
        FileServices services = session.services();
        LoadPageLayout(services, session.file, layout, settingsDirectory);
        const IniSettings settings = IniSettings::Load(settingsDirectory + ProgramSettingsFileName);
        const MeasuredPage measured = MeasureStoredPrinter(settings, options);
        const PageSettings page
            = ResolvePageSettings(options, layout, LoadPrintOptions(settings), measured.lines, measured.chars);
        (void)page;

        const ProjectFileData project = ReadProjectFile(options.project);
        (void)project;

        err << "teska-report: the lists of a project cannot be produced yet (project opening and the "
               "result lists are still missing)\n";
        return ExitAborted;
    } catch (const UsageError& e) {
        err << "teska-report: " << e.message << "\nTry 'teska-report --help'.\n";
        return ExitUsage;
    } catch (const RuntimeError& e) {
        err << "teska-report: " << e.what() << '\n';
        return ExitAborted;
    }
}

} // namespace teska::report
