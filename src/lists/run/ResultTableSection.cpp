// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/run/ResultTableSection.h"

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/format/NumberFormats.h"
#include "lists/results/ReadResultList.h"
#include "lists/results/ResultTable.h"
#include "lists/tables/ColumnDefinitions.h"
#include "project/opening/ProjectState.h"

namespace teska {

ResultFormats ResultFormatsFor(const NumberFormats& formats, const ListKey& key)
{
    ResultFormats f;
    ChooseResultFormats(key, formats.slots, f.valueFormat, f.secondFormat);
    f.secondFrom = SecondFormatColumn(key);
    f.nodeNumberColumns = HasNodeNumberColumns(key);
    return f;
}

ResultTableOutcome WriteResultTableSection(
    const SectionInputs& inputs, ListWriter& writer, const ListKey& key)
{
    const ProjectState& project = inputs.project;
    const ResultContext context{project.ProjectDirectory, project.ProjectBaseName, project.AnalysisMethod,
        project.DesignCode, &inputs.formats};
    ResultTable table;
    if (ReadResultList(inputs.session, context, key, nullptr, table) != 0)
        return ResultTableOutcome::Stopped;
    ColumnDefinition columns;
    DefineListColumns(columns, key, 0, DataColumnContext(inputs));
    ResultRows rows = RowsOf(table);
    if (!WriteResultSection(writer, rows, columns, ResultFormatsFor(inputs.formats, key)))
        return ResultTableOutcome::Empty;
    return inputs.session.tools.RunStopped() ? ResultTableOutcome::Stopped : ResultTableOutcome::Written;
}

} // namespace teska
