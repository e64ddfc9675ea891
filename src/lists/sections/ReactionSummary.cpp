// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/ReactionSummary.h"

#include <vector>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/format/NumberFormats.h"
#include "lists/format/Units.h"
#include "lists/results/ReadResultList.h"
#include "lists/sections/SectionFiles.h"
#include "lists/writer/ResultSection.h"
#include "project/opening/ProjectState.h"

namespace teska {

namespace {

constexpr long ReactionKey = 142;

struct TotalRow {
    std::string Label;
    std::string Symbol;
    std::string Unit;
    double Total = 0;
};

class ReactionSummary : public SectionContent {
public:
    ReactionSummary(std::vector<TotalRow> rows, std::string format)
        : m_rows(std::move(rows))
        , m_format(std::move(format))
    { }

    void WriteHead(ListWriter& writer) override
    {
        for (const TotalRow& row : m_rows)
            writer.AddNameValueRow(row.Label, row.Symbol, row.Unit, row.Total, m_format);
        writer.FlushNameValueRows();
    }

private:
    std::vector<TotalRow> m_rows;
    std::string m_format;
};

std::string CaptionText(const CaptionEntry& caption, const TextCatalogue& catalogue)
{
    if (const long* id = std::get_if<long>(&caption))
        return catalogue.LookupText(*id);
    return std::get<std::string>(caption);
}

} // namespace

std::unique_ptr<SectionContent> ReadReactionSummary(const SectionInputs& inputs)
{
    Session& session = inputs.session;
    const ProjectState& project = inputs.project;
    const ResultContext context{project.ProjectDirectory, project.ProjectBaseName, project.AnalysisMethod,
        project.DesignCode, &inputs.formats};
    ResultTable table;
    if (ReadResultList(session, context, ListKey(ReactionKey), nullptr, table) != 0)
        return nullptr;

    // The empty-table warning names the section; a writer of its own keeps
    // the run's list text untouched while reading.
    ListState warningState;
    warningState.CurrentListKey = ReactionKey;
    ListWriter warner(session, warningState);
    ResultRows rows = RowsOf(table);
    if (CheckNonzeroRows(warner, rows, project.AnalysisMethod))
        return std::make_unique<EmptySection>(); // warned: the run goes on

    const ColumnDefinition columns = DataColumns(inputs, ReactionKey, 0);
    const TableHeading heading = DataTableHeading(inputs, columns);
    const std::string total = session.catalogue.LookupText(90039);
    const int count = std::min(columns.ColumnCount, rows.ColumnCount);
    std::vector<TotalRow> totals;
    for (int c = 1; c <= count; ++c) {
        TotalRow row;
        row.Label = total + " "
            + CaptionText(columns.ColumnCaptionIds[static_cast<std::size_t>(c)], session.catalogue);
        row.Symbol = columns.ColumnSymbols[static_cast<std::size_t>(c)];
        row.Unit = std::get<std::string>(heading.Rows[2][static_cast<std::size_t>(c)]);
        for (std::int32_t r = 1; r <= rows.RowCount; ++r)
            row.Total += rows.Value(r, c);
        totals.push_back(std::move(row));
    }
    std::string valueFormat, secondFormat;
    ChooseResultFormats(ListKey(ReactionKey), inputs.formats.slots, valueFormat, secondFormat);
    return std::make_unique<ReactionSummary>(std::move(totals), valueFormat);
}

} // namespace teska
