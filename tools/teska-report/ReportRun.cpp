// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportRun.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>

#include "PageSettings.h"
#include "ReportExport.h"
#include "ReportLists.h"
#include "TextOutput.h"
#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/page/PageLayout.h"
#include "lists/page/PrintOptions.h"
#include "lists/run/ListRequests.h"
#include "lists/run/ResultGrid.h"
#include "lists/writer/ListState.h"
#include "project/opening/OpenProject.h"
#include "suite/Errors.h"
#include "suite/FileText.h"
#include "suite/SettingsStore.h"

#ifdef TESKA_REPORT_HAVE_PICTURE
#include "ReportPicture.h"
#endif
#ifdef TESKA_REPORT_HAVE_PDF
#include "printing/PagePrinter.h"
#include "printing/PrinterPageSink.h"
#endif

namespace teska::report {

namespace {

// Passes everything on to the program's host and keeps the last status
// text: a missing file is announced there, and an aborted run repeats it
// as its reason when no error was reported.
class RunHost : public Host {
public:
    explicit RunHost(Host& to)
        : to_(to)
    { }
    void statusText(const std::string& text) override
    {
        if (!text.empty())
            lastStatus = text;
        to_.statusText(text);
    }
    void fileNotice(const std::string& file, int mode) override
    {
        lastFile = file;
        to_.fileNotice(file, mode);
    }
    void clearFileNotice() override { to_.clearFileNotice(); }
    void progress(const std::string& headline, const std::string& message) override
    {
        to_.progress(headline, message);
    }
    void processEvents() override { to_.processEvents(); }
    void warning(const std::string& title, const std::string& text) override { to_.warning(title, text); }
    void reportError(const std::string& message) override
    {
        ++errors;
        to_.reportError(message);
    }

    std::string lastStatus;
    std::string lastFile; // the file opened last, for a message
    int errors = 0;

private:
    Host& to_;
};

int Aborted(const RunHost& host, std::ostream& err)
{
    if (host.errors == 0)
        err << "teska-report: run aborted" << (host.lastStatus.empty() ? "" : ": " + host.lastStatus) << '\n';
    return ExitAborted;
}

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
    // Looked at, not opened: a pipe named *.PO1 would block the open.
    const std::string problem = RegularFileProblem(path);
    if (problem == "does not exist")
        throw FileAccessError(path, "no such project file");
    if (!problem.empty())
        throw FileAccessError(path, "the project file " + problem);
}

struct MeasuredPage {
    int lines = FallbackLinesPerPage;
    int chars = FallbackCharsPerLine;
};

#ifdef TESKA_REPORT_HAVE_PDF
// The printer of the run: the stored printer set-up, with --printer NAME
// for the printer. A set-up the printer refuses is said on \p err; the page
// size is then the printer's own.
std::unique_ptr<PagePrinter> SetUpPrinter(
    const SettingsStore& settings, const ReportOptions& options, bool rightToLeft, std::ostream& err)
{
    EnsureGuiApplication();
    auto printer = std::make_unique<PagePrinter>();
    DeviceMode device = ReadDeviceMode(settings);
    if (!options.printer.empty()) {
        const std::vector<std::string> names = SystemPrinterNames();
        if (std::find(names.begin(), names.end(), options.printer) == names.end()) {
            std::string known;
            for (const std::string& name : names)
                known += (known.empty() ? "" : ", ") + name;
            throw UsageError{"--printer: the system has no printer named '" + options.printer + "'"
                + (known.empty() ? std::string(" (it has none)") : " (printers: " + known + ")")};
        }
        device.DeviceName = options.printer;
    }
    const PagePrinter::Applied applied
        = printer->ApplyPrinterSettings(device, ReadListFont(settings), rightToLeft);
    if (!applied.Error.empty())
        err << "teska-report: printer set-up: " << applied.Error << '\n';
    return printer;
}
#endif

// An output that would overwrite a file the run reads (the project's own
// files, the settings) is refused before anything is written.
void RefuseOutputsOverInputs(
    const ReportOptions& options, const ProjectState& project, const std::string& settingsDirectory)
{
    namespace fs = std::filesystem;
    auto upper = [](std::string text) {
        std::transform(
            text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
        return text;
    };
    std::error_code error;
    const fs::path projectFolder = fs::weakly_canonical(project.ProjectDirectory, error);
    std::vector<fs::path> settingsFiles;
    for (const char* name : {"TESKA-List.ini", "suite.ini", "NOFORMAT", "PAGELAYO.LST"})
        settingsFiles.push_back(fs::weakly_canonical(settingsDirectory + name, error));
    for (const std::string& output : {options.textFile, options.pdfFile, options.xlsxFile, options.odtFile,
             options.csvFile, options.pictureFile}) {
        if (output.empty() || output == "-")
            continue;
        const fs::path target = fs::weakly_canonical(output, error);
        const bool projectFile = target.parent_path() == projectFolder
            && upper(target.stem().string()) == upper(project.ProjectBaseName);
        if (projectFile
            || std::find(settingsFiles.begin(), settingsFiles.end(), target) != settingsFiles.end())
            throw UsageError{output + ": this is a file the lists are made from; choose another output file"};
    }
}

} // namespace

int UsageFailure(std::ostream& err, const std::string& message)
{
    err << "teska-report: " << message << "\nTry 'teska-report --help'.\n";
    return ExitUsage;
}

int RuntimeFailure(std::ostream& err, const std::string& message)
{
    err << "teska-report: " << message << '\n';
    return ExitAborted;
}

int RunReportCommand(const std::vector<std::string>& args, Host& host, std::ostream& out, std::ostream& err)
{
    ReportOptions options;
    try {
        options = ParseReportOptions(args);
    } catch (const UsageError& e) {
        return UsageFailure(err, e.message);
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

int RunReport(const ReportOptions& options, Host& programHost, std::ostream& out, std::ostream& err)
{
    RunHost host(programHost);
    try {
#ifndef TESKA_REPORT_HAVE_PDF
        if (!options.pdfFile.empty())
            throw UsageError{"--pdf: this build has no PDF output (built without Qt)"};
#endif
        CheckProjectPath(options.project);
        // A mistyped settings folder is not made: only the default one is.
        if (!options.settingsDir.empty() && !std::filesystem::is_directory(options.settingsDir))
            throw UsageError{"--settings: no such folder: " + options.settingsDir};

        SessionOptions sessionOptions;
        sessionOptions.settingsDirectory = WithSlash(options.settingsDir);
        sessionOptions.language = options.language;
        Session session(host, sessionOptions);
        const std::string settingsDirectory = session.environment.SettingsDirectory();

        PageLayout layout;
        FileServices services = session.services();
        LoadPageLayout(services, session.file, layout, settingsDirectory);
        SettingsStore settings(ApplicationSettingsPath(settingsDirectory));
        settings.Load();
        MeasuredPage measured;
#ifdef TESKA_REPORT_HAVE_PDF
        std::unique_ptr<PagePrinter> printer;
        if (options.pictureKey.empty()
            && (!(options.lines && options.chars) || !options.pdfFile.empty() || !options.printer.empty())) {
            printer = SetUpPrinter(settings, options, session.catalogue.IsRightToLeft(), err);
            const PageMeasure m = printer->Measure();
            measured.lines = m.LinesPerPage;
            measured.chars = m.CharsPerLine;
        }
#else
        if (!options.printer.empty())
            throw UsageError{"--printer: this build has no printing (built without Qt)"};
#endif
        const ListPageSettings page = ResolvePageSettings(
            options, layout, LoadPrintOptions(settings), measured.lines, measured.chars);

        NumberFormats formats;
        LoadNumberFormats(services, session.file, formats, settingsDirectory);

        ProjectState project;
        {
            const std::filesystem::path path = std::filesystem::absolute(options.project);
            project.ProjectPath = path.string();
            project.ProjectDirectory = WithSlash(path.parent_path().string());
            project.ProjectBaseName = path.stem().string();
        }
        OpeningContext opening(host, [&session](long id) { return session.catalogue.LookupText(id); });
        // A batch run reads the project as a re-activation: no lock, no
        // announcement to the suite's tools.
        const OpenResult opened = OpenProject(project, opening, false);
        if (opened.Outcome != OpenOutcome::Opened) {
            err << "teska-report: " << options.project << ": the project could not be opened for lists\n";
            return ExitAborted; // the reason has been reported
        }
        RefuseOutputsOverInputs(options, project, settingsDirectory);
        ListProject report{
            session, project, formats, session.catalogue.TerminologySwitch() != 0 ? 90063L : 90065L};

        if (!options.pictureKey.empty()) {
#ifdef TESKA_REPORT_HAVE_PICTURE
            ListSelection one;
            one.keys.push_back(options.pictureKey);
            const ListKey key = ChooseKeys(one, OfferedLists(report, 2), true).front();
            return WriteReportPicture(report, key, options, err);
#else
            throw UsageError{"--picture: this build has no pictures (built without Qt)"};
#endif
        }
        if (options.offered) {
            const bool complete = WriteOffered(report, out, err);
            if (options.viewKey.empty() && options.results.empty() && options.data.empty())
                return complete ? ExitSuccess : ExitAborted;
        }
        std::vector<std::string> skipped;
        int status = ExitSuccess;
        if (!options.viewKey.empty()) {
            ListSelection one;
            one.keys.push_back(options.viewKey);
            // A data list the viewer offers is shown as its text; any other
            // key must be a result list.
            std::vector<ListKey> dataOffer;
            try {
                dataOffer = OfferedLists(report, 1);
            } catch (const RuntimeError&) {
                // No data offer (".BAU" unreadable): the key is looked up
                // among the result lists, whose offer reports the reason.
            }
            const bool dataKey
                = std::find(dataOffer.begin(), dataOffer.end(), ListKey(std::atol(options.viewKey.c_str())))
                != dataOffer.end();
            const ListKey key
                = ChooseKeys(one, dataKey ? dataOffer : OfferedLists(report, 2), !dataKey).front();
            if (dataKey || IsTextResultKey(key)) {
                ListRunOrder order;
                order.OutputTarget = dataKey ? TargetViewData : TargetViewResults;
                order.CurrentListKey = key;
                ListRunText shown = RunLists(report, page, order);
                if (!shown.Completed)
                    return Aborted(host, err);
                skipped = std::move(shown.Unavailable);
                out << shown.Text;
            } else {
                // A result table as tab-separated grid rows. A table whose
                // rows are all zero has been warned about and shows nothing.
                const std::optional<ResultGrid> grid = ResultGrid::Read(report, key);
                if (grid)
                    out << grid->TabText();
                else if (session.tools.RunStopped())
                    return Aborted(host, err);
            }
        }
        // The editor and the print target offer the same lists. Both kinds
        // go into the one text and the one PDF, the data first and then the
        // results, the way a calculation is handed in.
        std::vector<ListKey> dataKeys, resultKeys;
        if (!options.data.empty())
            dataKeys = ChooseKeys(options.data, OfferedLists(report, 6), false);
        if (!options.results.empty())
            resultKeys = ChooseKeys(options.results, OfferedLists(report, 5), false);
        const bool data = !options.data.empty(), results = !options.results.empty();
        std::vector<std::string> dataSkipped, resultSkipped;
        // Runs \p keys for \p target into \p pages or \p text; false when
        // the run was aborted or cancelled.
        const auto run = [&](int target, const std::vector<ListKey>& keys, PageSink* pages, TextSink* text,
                             std::vector<std::string>& unavailable) {
            ListRunOrder order;
            order.OutputTarget = target;
            order.ChosenLists = keys;
            order.Pages = pages;
            order.Text = text;
            ListRunText done = RunLists(report, page, order);
            unavailable = std::move(done.Unavailable);
            return done.Completed;
        };
        if ((data || results) && !options.textFile.empty()) {
            TextOutput text(options.textFile, out);
            if (data && !run(TargetEditorData, dataKeys, nullptr, &text, dataSkipped))
                return Aborted(host, err);
            if (results && !run(TargetEditorResults, resultKeys, nullptr, &text, resultSkipped))
                return Aborted(host, err);
            text.Commit();
        }
#ifdef TESKA_REPORT_HAVE_PDF
        // The printed lists: one print job on the printer, one PDF file;
        // an aborted run leaves neither.
        const auto print = [&](bool toFile) {
            if (toFile)
                printer->SetPdfFile(options.pdfFile);
            PrinterPageSink sink(*printer);
            std::vector<std::string> printDataSkipped, printResultSkipped;
            if (data && !run(TargetPrintData, dataKeys, &sink, nullptr, printDataSkipped))
                return false;
            if (results && !run(TargetPrintResults, resultKeys, &sink, nullptr, printResultSkipped))
                return false;
            sink.Finish();
            if (options.textFile.empty()) {
                dataSkipped = std::move(printDataSkipped);
                resultSkipped = std::move(printResultSkipped);
            }
            return true;
        };
        if ((data || results) && !options.printer.empty() && !print(false))
            return Aborted(host, err);
        if ((data || results) && !options.pdfFile.empty() && !print(true))
            return Aborted(host, err);
#endif
        if (const int exported = WriteReportExports(report, page, options, out, err); exported != ExitSuccess)
            return exported == ExitAborted ? Aborted(host, err) : exported;
        skipped.insert(skipped.end(), dataSkipped.begin(), dataSkipped.end());
        skipped.insert(skipped.end(), resultSkipped.begin(), resultSkipped.end());
        for (const std::string& s : skipped) {
            err << "teska-report: list " << s << ": this list is not available yet\n";
            status = ExitAborted;
        }
        // A fault inside an input file was reported and the list written
        // with what was read: a pipeline must see that.
        if (status == ExitSuccess && host.errors > 0)
            status = ExitWrittenWithErrors;
        // Standard output that could not take everything is a failure.
        out.flush();
        if (!out) {
            err << "teska-report: standard output: the output could not be written\n";
            return ExitAborted;
        }
        return status;
    } catch (const std::bad_alloc&) {
        err << "teska-report: not enough memory for the lists of " << options.project
            << (host.lastFile.empty() ? std::string() : " (reading " + host.lastFile + ")") << '\n';
        return ExitAborted;
    } catch (const UsageError& e) {
        return UsageFailure(err, e.message);
    } catch (const RuntimeError& e) {
        return RuntimeFailure(err, e.what());
    }
}

} // namespace teska::report
