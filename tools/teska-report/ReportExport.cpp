// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportExport.h"

#include <fstream>
#include <list>
#include <optional>

#include "ReportLists.h"
#include "ReportRun.h"
#include "export/CsvText.h"
#include "export/ExportFile.h"
#include "export/SheetTable.h"
#include "export/Workbook.h"
#include "lists/Session.h"
#include "lists/run/ResultGrid.h"
#include "lists/writer/ListState.h"
#include "suite/Errors.h"

#ifdef TESKA_REPORT_HAVE_ODT
#include "viewer/ListDocument.h"
#endif

namespace teska::report {

namespace {

// The result keys of \p selection among the lists the viewer offers: every
// one is a table (a grid) or a summary section (a text).
std::vector<ListKey> ViewedResultKeys(ListProject& p, const ListSelection& selection)
{
    return ChooseKeys(selection, OfferedLists(p, TargetViewResults), true);
}

void WriteTo(const std::string& path, const std::function<void(const std::string& temporary)>& write)
{
    WriteExportFile(ExportTarget{path, {}, {}, {}}, write);
}

// Runs \p order; nullopt when the run was aborted or cancelled.
std::optional<std::string> RunText(ListProject& p, const ListPageSettings& page, const ListRunOrder& order)
{
    ListRunText done = RunLists(p, page, order);
    if (!done.Completed)
        return std::nullopt;
    return std::move(done.Text);
}

} // namespace

int WriteReportExports(ListProject& p, const ListPageSettings& page, const ReportOptions& options,
    std::ostream& out, std::ostream& err)
{
    try {
        if (!options.xlsxFile.empty()) {
            if (options.results.empty())
                throw UsageError{"--xlsx needs --results KEYS|all"};
            if (!WorkbookAvailable())
                throw UsageError{
                    "--xlsx: this build has no spreadsheet output (built without libxlsxwriter)"};
            // The grids and texts stay until the workbook is written.
            std::list<ResultGrid> grids;
            std::list<GridTable> tables;
            std::vector<WorkbookSheet> sheets;
            for (const ListKey& key : ViewedResultKeys(p, options.results)) {
                if (IsTextResultKey(key)) {
                    ListRunOrder order;
                    order.OutputTarget = TargetViewResults;
                    order.CurrentListKey = key;
                    std::optional<std::string> text = RunText(p, page, order);
                    if (!text)
                        return ExitAborted;
                    sheets.push_back(WorkbookSheet{nullptr, ListCaption(p, key), std::move(*text),
                        p.session.catalogue.LookupText(160017)});
                    continue;
                }
                std::optional<ResultGrid> grid = ResultGrid::Read(p, key);
                if (!grid) {
                    if (p.session.tools.RunStopped())
                        return ExitAborted;
                    continue; // every row zero: warned, no sheet
                }
                grids.push_back(std::move(*grid));
                tables.emplace_back(grids.back());
                sheets.push_back(WorkbookSheet{&tables.back(), {}, {}, {}});
            }
            if (sheets.empty()) {
                err << "teska-report: " << options.xlsxFile << ": not written, every chosen table is empty\n";
                return ExitAborted;
            }
            WriteTo(
                options.xlsxFile, [&](const std::string& temporary) { WriteWorkbook(temporary, sheets); });
        }

        if (!options.csvFile.empty()) {
            const std::vector<ListKey> keys
                = options.results.empty() ? std::vector<ListKey>() : ViewedResultKeys(p, options.results);
            if (keys.size() != 1 || IsTextResultKey(keys.front()))
                throw UsageError{"--csv needs --results with one result table"};
            const std::optional<ResultGrid> grid = ResultGrid::Read(p, keys.front());
            if (!grid) {
                err << "teska-report: " << options.csvFile
                    << ": not written, the table could not be read or is empty\n";
                return ExitAborted;
            }
            const GridTable table(*grid);
            if (options.csvFile == "-")
                WriteCsv(out, table);
            else
                WriteTo(options.csvFile, [&](const std::string& temporary) {
                    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
                    WriteCsv(file, table);
                    file.flush();
                    if (!file)
                        throw RuntimeError("cannot be written");
                });
        }

        if (!options.odtFile.empty()) {
#ifdef TESKA_REPORT_HAVE_ODT
            if (options.data.empty() && options.results.empty())
                throw UsageError{"--odt needs --data and/or --results"};
            // The lists as the text editor receives them, data first.
            std::string text;
            for (const auto& [selection, target] : {std::pair{&options.data, TargetEditorData},
                     std::pair{&options.results, TargetEditorResults}}) {
                if (selection->empty())
                    continue;
                ListRunOrder order;
                order.OutputTarget = target;
                order.ChosenLists = ChooseKeys(*selection, OfferedLists(p, target), false);
                std::optional<std::string> run = RunText(p, page, order);
                if (!run)
                    return ExitAborted;
                text += *run;
            }
            ListDocumentStyle style;
            style.fontFamily = QString::fromStdString(p.session.catalogue.LookupText(160017));
            style.rightToLeft = p.session.catalogue.IsRightToLeft();
            style.linesPerPage = page.LinesPerPage;
            style.charsPerLine = page.CharsPerLine;
            const QString document = QString::fromStdString(text);
            WriteTo(options.odtFile,
                [&](const std::string& temporary) { WriteListDocument(temporary, document, style); });
#else
            throw UsageError{"--odt: this build has no document output (built without Qt)"};
#endif
        }
    } catch (const UsageError& e) {
        return UsageFailure(err, e.message);
    } catch (const RuntimeError& e) {
        return RuntimeFailure(err, e.what());
    }
    return ExitSuccess;
}

} // namespace teska::report
