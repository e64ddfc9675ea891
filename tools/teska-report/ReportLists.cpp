// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportLists.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "lists/Session.h"
#include "lists/choice/ListCandidates.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "lists/results/ReadResultList.h"
#include "lists/results/ResultTable.h"
#include "lists/run/ListRun.h"
#include "lists/run/ResultTableSection.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"
#include "lists/writer/ResultSection.h"
#include "suite/Errors.h"

namespace teska::report {

namespace {

OfferState OfferFor(ReportProject& p, int outputTarget)
{
    OfferState s;
    s.OutputTarget = outputTarget;
    s.AnalysisMethod = p.project.AnalysisMethod;
    s.ResultSwitch = p.project.ResultSwitches();
    s.DesignSwitch1 = p.project.DesignSwitch1;
    s.DesignSwitch2 = p.project.DesignSwitch2;
    s.TermId = p.TermId;
    s.BauCount = [&p]() {
        FileServices services = p.session.services();
        return ReadBauCount(services, p.session.file, p.project.SiblingPath(".BAU"));
    };
    return s;
}

std::string Caption(ReportProject& p, const ListKey& key)
{
    if (const long* id = std::get_if<long>(&key))
        return p.session.catalogue.LookupText(*id);
    return std::get<std::string>(key);
}

ColumnContext ColumnsContext(ReportProject& p)
{
    Session& s = p.session;
    const UnitSettings units = s.environment.Units();
    return ColumnContext{s.catalogue, units, p.project.AnalysisMethod, p.project.DesignCode, p.TermId, false,
        [&s, units](long kind) { return UnitLabel(units, s.catalogue, kind); }};
}

ResultFormats FormatsFor(ReportProject& p, const ListKey& key)
{
    return ResultFormatsFor(p.formats, key);
}

void ApplyPage(ListState& state, const PageSettings& page, ReportProject& p, int outputTarget)
{
    state.OutputTarget = outputTarget;
    state.LinesPerPage = page.LinesPerPage;
    state.CharsPerLine = page.CharsPerLine;
    state.LeftMargin = page.Layout.LeftMargin;
    state.TopMargin = page.Layout.TopMargin;
    state.BottomMargin = page.Layout.BottomMargin;
    state.PageNumber = page.PageNumber;
    state.CopyCount = page.CopyCount;
    state.PrintCompanyHeader = page.PrintCompanyHeader;
    state.PrintJobData = page.PrintJobData;
    state.CompanyLine1 = p.session.environment.CompanyLine1;
    state.CompanyLine2 = p.session.environment.CompanyLine2;
    state.JobLines = p.project.JobLines;
    state.ProjectBaseName = p.project.ProjectBaseName;
    state.ProjectType = p.project.ProjectType;
    state.AnalysisMethod = p.project.AnalysisMethod;
    state.SymbolSuffix = p.session.catalogue.LookupText(123);
}

ResultContext ResultsContext(ReportProject& p)
{
    return ResultContext{p.project.ProjectDirectory, p.project.ProjectBaseName, p.project.AnalysisMethod,
        p.project.DesignCode, &p.formats};
}

// Reads the result table of \p key; false when the run was aborted.
bool ReadTable(ReportProject& p, const ListKey& key, ResultTable& table)
{
    Session& s = p.session;
    try {
        if (ReadResultList(s, ResultsContext(p), key, nullptr, table) != 0)
            return false;
    } catch (const RuntimeError& e) {
        FileServices services = s.services();
        s.environment.SetPendingError(e.what());
        ReportRuntimeError(services, s.file);
        return false;
    }
    return true;
}

} // namespace

std::vector<ListKey> OfferedLists(ReportProject& p, int outputTarget)
{
    const auto offered = BuildListCandidates(OfferFor(p, outputTarget), p.session.catalogue);
    if (!offered)
        throw FileAccessError(p.project.SiblingPath(".BAU"), "needed for the offered lists and not readable");
    return *offered;
}

bool WriteOffered(ReportProject& p, std::ostream& out, std::ostream& err)
{
    bool complete = true;
    struct Group {
        const char* heading;
        int target;
    };
    const Group groups[] = {{"# data lists for viewing", 1}, {"# data lists for printing", 3},
        {"# result lists for viewing", 2}, {"# result lists for printing", 4}};
    for (const Group& g : groups) {
        out << g.heading << '\n';
        std::vector<ListKey> keys;
        try {
            keys = OfferedLists(p, g.target);
        } catch (const RuntimeError& e) {
            err << "teska-report: " << (g.heading + 2) << ": " << e.what() << '\n';
            complete = false;
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::string key
                = std::holds_alternative<long>(keys[i]) ? ListKeyText(keys[i]) : std::to_string(i + 1);
            out << key << '\t' << Caption(p, keys[i]) << '\n';
        }
    }
    return complete;
}

std::vector<ListKey> ChooseKeys(const ListSelection& selection, const std::vector<ListKey>& offered,
    bool byPosition, const TextCatalogue& catalogue)
{
    (void)catalogue;
    std::vector<ListKey> chosen;
    if (selection.all)
        chosen = offered;
    for (const std::string& text : selection.keys) {
        long number = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (ec != std::errc() || end != text.data() + text.size())
            throw UsageError{"list key '" + text + "' is not a whole number (see --offered)"};
        std::optional<ListKey> found;
        if (byPosition && number >= 1 && static_cast<std::size_t>(number) <= offered.size()
            && std::holds_alternative<std::string>(offered[static_cast<std::size_t>(number - 1)]))
            found = offered[static_cast<std::size_t>(number - 1)];
        else if (std::find(offered.begin(), offered.end(), ListKey(number)) != offered.end())
            found = ListKey(number);
        if (!found)
            throw UsageError{"list " + text + " is not offered by this project (see --offered)"};
        chosen.push_back(*found);
    }
    if (chosen.size() > MaxChosenLists)
        throw UsageError{"at most " + std::to_string(MaxChosenLists)
            + " lists can be chosen for one run, not " + std::to_string(chosen.size())};
    return chosen;
}

namespace {

// The list run of \p request, once per copy for printed output; the text of
// the last copy for the other targets. nullopt when the run was aborted (a
// missing or unreadable file, reported through the host) or cancelled.
std::optional<std::string> RunChosen(ReportProject& p, const PageSettings& page,
    const ListRunRequest& request, PageSink* sink, std::vector<std::string>& skipped,
    TextSink* textSink = nullptr)
{
    Session& s = p.session;
    ListState state;
    ApplyPage(state, page, p, request.OutputTarget);
    const bool printed = IsPrintedTarget(request.OutputTarget);
    const int copies = printed ? std::max<int>(1, page.CopyCount) : 1;
    ListWriter writer(s, state, printed ? sink : nullptr);
    if (!printed)
        writer.SetTextSink(textSink);
    const SectionInputs inputs{s, p.project, p.formats, p.TermId, request.OutputTarget};
    std::string text;
    for (int copy = 0; copy < copies; ++copy) {
        const ListRunResult result = RunList(inputs, writer, request);
        if (result.Outcome != ListRunOutcome::Completed)
            return std::nullopt;
        if (copy == 0)
            for (const ListKey& key : result.Unavailable)
                skipped.push_back(ListKeyText(key) + " " + Caption(p, key));
        if (!printed) {
            writer.FlushText();
            text = std::move(state.ListText);
        }
    }
    return text;
}

} // namespace

std::optional<std::string> RunResultList(ReportProject& p, const PageSettings& page,
    const std::vector<ListKey>& keys, int outputTarget, PageSink* sink, std::vector<std::string>& skipped,
    TextSink* text)
{
    ListRunRequest request;
    request.OutputTarget = outputTarget;
    request.ChosenLists = keys;
    return RunChosen(p, page, request, sink, skipped, text);
}

std::optional<std::string> RunDataList(ReportProject& p, const PageSettings& page,
    const std::vector<ListKey>& keys, int outputTarget, PageSink* sink, std::vector<std::string>& skipped,
    TextSink* text)
{
    ListRunRequest request;
    request.OutputTarget = outputTarget;
    request.ChosenLists = keys;
    return RunChosen(p, page, request, sink, skipped, text);
}

std::optional<std::string> ViewDataList(
    ReportProject& p, const PageSettings& page, const ListKey& key, std::vector<std::string>& skipped)
{
    ListRunRequest request;
    request.OutputTarget = TargetViewData;
    request.CurrentListKey = key;
    return RunChosen(p, page, request, nullptr, skipped);
}

std::optional<std::string> ViewResultList(
    ReportProject& p, const PageSettings& page, const ListKey& key, std::vector<std::string>& skipped)
{
    Session& s = p.session;
    if (IsSummarySection(key)) {
        // The five summary sections are shown as text.
        ListRunRequest request;
        request.OutputTarget = TargetViewResults;
        request.CurrentListKey = key;
        return RunChosen(p, page, request, nullptr, skipped);
    }
    if (IsSummaryListKey(key)) {
        skipped.push_back(ListKeyText(key) + " " + Caption(p, key));
        return std::string();
    }
    ListState state;
    ApplyPage(state, page, p, TargetViewResults);
    state.CurrentListKey = key;
    ListWriter writer(s, state);
    s.tools.SetRunState(RunRunning);
    ResultTable table;
    if (!ReadTable(p, key, table))
        return std::nullopt;
    ColumnDefinition columns;
    DefineListColumns(columns, key, 0, ColumnsContext(p));
    ResultRows rows = RowsOf(table);
    if (CheckNonzeroRows(writer, rows, p.project.AnalysisMethod))
        return std::string();

    std::string out;
    // The heading: one line per heading row, a heading with line feeds
    // joined by blanks so that every column keeps one cell.
    const TableHeading heading = ResultTableHeading(columns, s.catalogue, s.environment.Units());
    for (const std::vector<HeadingEntry>& row : heading.Rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::string cell = std::holds_alternative<long>(row[c])
                ? (std::get<long>(row[c]) != 0 ? s.catalogue.LookupText(std::get<long>(row[c]))
                                               : std::string())
                : std::get<std::string>(row[c]);
            std::replace(cell.begin(), cell.end(), '\n', ' ');
            cell.erase(std::remove(cell.begin(), cell.end(), '\r'), cell.end());
            if (c > 0)
                out += '\t';
            out += cell;
        }
        out += '\n';
    }
    const ResultFormats formats = FormatsFor(p, key);
    for (std::int32_t r = 1; r <= rows.RowCount; ++r) {
        out += std::to_string(rows.RowNumber(r));
        for (std::int32_t c = 1; c <= rows.ColumnCount; ++c) {
            out += '\t';
            const float value = rows.Value(r, c);
            if (formats.nodeNumberColumns && c <= 2)
                out += std::to_string(std::llround(static_cast<double>(value)));
            else
                out += FormatNumber(value,
                    formats.secondFrom > 0 && c >= formats.secondFrom ? formats.secondFormat
                                                                      : formats.valueFormat);
        }
        out += '\n';
    }
    return out;
}

} // namespace teska::report
