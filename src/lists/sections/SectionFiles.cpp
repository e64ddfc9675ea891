// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/SectionFiles.h"

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "lists/writer/ResultSection.h"
#include "project/opening/ProjectState.h"

namespace teska {

std::string SectionFilePath(const SectionInputs& inputs, const std::string& extension)
{
    return inputs.project.SiblingPath(extension);
}

FieldReader OpenSectionTextFile(const SectionInputs& inputs, const std::string& extension)
{
    const std::string path = SectionFilePath(inputs, extension);
    inputs.session.environment.SetCurrentFileName(path);
    return FieldReader::FromFile(inputs.session.environment.CurrentFileName());
}

RecordFile OpenSectionRecordFile(const SectionInputs& inputs, const std::string& extension)
{
    const std::string path = SectionFilePath(inputs, extension);
    inputs.session.environment.SetCurrentFileName(path);
    return RecordFile::FromFile(inputs.session.environment.CurrentFileName());
}

ColumnContext SectionColumnContext(const SectionInputs& inputs)
{
    Session& session = inputs.session;
    const UnitSettings units = session.environment.Units();
    return ColumnContext{session.catalogue, units, inputs.project.AnalysisMethod, inputs.project.DesignCode,
        inputs.TermId, false,
        [&session, units](long kind) { return UnitLabel(units, session.catalogue, kind); }};
}

ColumnDefinition SectionColumns(const SectionInputs& inputs, long key, long selector)
{
    ColumnDefinition columns;
    DefineListColumns(columns, ListKey(key), selector, SectionColumnContext(inputs));
    return columns;
}

TableHeading SectionTableHeading(const SectionInputs& inputs, const ColumnDefinition& columns)
{
    return ResultTableHeading(columns, inputs.session.catalogue, inputs.session.environment.Units());
}

std::string CellText(float value, double factor, const std::string& pattern)
{
    return FormatNumber(static_cast<double>(value) * factor, pattern);
}

} // namespace teska
