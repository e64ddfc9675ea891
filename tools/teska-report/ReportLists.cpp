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

bool WriteOffered(ListProject& p, std::ostream& out, std::ostream& err)
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
            out << key << '\t' << ListCaption(p, keys[i]) << '\n';
        }
    }
    return complete;
}

std::vector<ListKey> ChooseKeys(
    const ListSelection& selection, const std::vector<ListKey>& offered, bool byPosition)
{
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

ColumnContext ColumnsContext(ListProject& p)
{
    Session& s = p.session;
    const UnitSettings units = s.environment.Units();
    return ColumnContext{s.catalogue, units, p.project.AnalysisMethod, p.project.DesignCode, p.TermId, false,
        [&s, units](long kind) { return UnitLabel(units, s.catalogue, kind); }};
}

ResultContext ResultsContext(ListProject& p)
{
    return ResultContext{p.project.ProjectDirectory, p.project.ProjectBaseName, p.project.AnalysisMethod,
        p.project.DesignCode, &p.formats};
}

// Reads the result table of \p key; false when the run was aborted.
bool ReadTable(ListProject& p, const ListKey& key, ResultTable& table)
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

std::optional<std::string> ViewResultTable(
    ListProject& p, const ListPageSettings& page, const ListKey& key, std::vector<std::string>& skipped)
{
    Session& s = p.session;
    if (IsSummaryListKey(key)) {
        skipped.push_back(ListKeyText(key) + " " + ListCaption(p, key));
        return std::string();
    }
    ListState state;
    state.OutputTarget = TargetViewResults;
    state.LinesPerPage = page.LinesPerPage;
    state.CharsPerLine = page.CharsPerLine;
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
    const ResultFormats formats = ResultFormatsFor(p.formats, key);
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
