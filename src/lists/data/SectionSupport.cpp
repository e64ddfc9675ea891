// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/data/SectionSupport.h"

#include <charconv>
#include <cstdint>

#include "lists/Session.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "lists/writer/ResultSection.h"
#include "project/opening/ProjectReader.h"
#include "project/opening/ProjectState.h"
#include "suite/Errors.h"

namespace teska {

namespace {

// Progress selector of the data list's files: a missing file aborts the run.
constexpr int SectionFileSelector = 2;

template <class Read>
void ReadSectionFile(const SectionInputs& inputs, const std::string& path, int mode, const Read& read)
{
    Session& s = inputs.session;
    FileServices services = s.services();
    s.environment.SetCurrentFileName(path);
    const std::string name = s.environment.CurrentFileName();
    if (OpenListFile(services, s.file, name, mode, 1, SectionFileSelector, nullptr) != 0) {
        s.tools.SetRunState(RunAborted);
        throw FileAccessError(name, "the file is missing or cannot be read");
    }
    try {
        read();
    } catch (const RuntimeError& error) {
        // A fault inside the file is reported once and closes it; the
        // section goes on with what had been read.
        s.environment.SetPendingError(error.what());
        ReportRuntimeError(services, s.file);
        return;
    } catch (...) {
        CloseListFile(services, s.file);
        throw;
    }
    CloseListFile(services, s.file);
}

} // namespace

std::string DataSectionPath(const SectionInputs& inputs, const std::string& extension)
{
    return inputs.project.SiblingPath(extension);
}

std::string DataProjectStem(const SectionInputs& inputs)
{
    return inputs.project.ProjectDirectory + inputs.project.ProjectBaseName;
}

void ReadDataText(
    const SectionInputs& inputs, const std::string& path, const std::function<void(FieldReader&)>& read)
{
    ReadSectionFile(inputs, path, ModeInput, [&] { read(inputs.session.file.Input()); });
}

void ReadDataRecords(
    const SectionInputs& inputs, const std::string& path, const std::function<void(const RecordFile&)>& read)
{
    ReadSectionFile(inputs, path, ModeRecord, [&] { read(inputs.session.file.Records()); });
}

bool DataFileCheckRefuses(const std::string& path, int mode)
{
    return DataFileRefused(path, mode);
}

ColumnContext DataColumnContext(const SectionInputs& inputs)
{
    const Session& s = inputs.session;
    const UnitSettings units = s.environment.Units();
    const TextCatalogue& catalogue = s.catalogue;
    return ColumnContext{catalogue, units, inputs.project.AnalysisMethod, inputs.project.DesignCode,
        inputs.TermId, false, [&catalogue, units](long kind) { return UnitLabel(units, catalogue, kind); }};
}

ColumnDefinition DataColumns(const SectionInputs& inputs, const ListKey& key, long selector)
{
    ColumnDefinition columns;
    DefineListColumns(columns, key, selector, DataColumnContext(inputs));
    return columns;
}

TableHeading DataTableHeading(const SectionInputs& inputs, const ColumnDefinition& columns)
{
    return ResultTableHeading(columns, inputs.session.catalogue, inputs.session.environment.Units());
}

double DataColumnFactor(const SectionInputs& inputs, const ColumnDefinition& columns, int column)
{
    const UnitSettings& units = inputs.session.environment.Units();
    if (column < 0 || static_cast<std::size_t>(column) >= columns.ColumnUnits.size())
        return 1;
    const UnitEntry& unit = columns.ColumnUnits[static_cast<std::size_t>(column)];
    if (const long* kind = std::get_if<long>(&unit))
        return UnitFactor(units, *kind);
    const std::string& label = std::get<std::string>(unit);
    if (label == units.LengthUnit)
        return units.LengthFactor;
    if (label == units.Length2Unit)
        return units.Length2Factor;
    if (label == units.ForceUnit)
        return units.ForceFactor;
    return 1;
}

void WriteDataTable(
    const SectionInputs& inputs, ListWriter& writer, const ColumnDefinition& columns, const TableCells& cells)
{
    WriteCellTable(writer, DataTableHeading(inputs, columns), cells);
}

std::string DataCaption(const SectionInputs& inputs, long id)
{
    return inputs.session.catalogue.LookupText(id);
}

void AppendNumberText(std::string& out, long long value)
{
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    (void)error;
    out.append(digits, end);
}

void WriteLegend(const SectionInputs& inputs, ListWriter& writer, long heading, long prefix,
    const std::array<long, 3>& items)
{
    constexpr std::int32_t LegendLines = 6;
    writer.EnsureLines(LegendLines);
    writer.State().LineOnPage += 2;
    const std::string lead = DataCaption(inputs, prefix) + " ";
    writer.WriteLines({heading, "1= " + lead + DataCaption(inputs, items[0]),
        "2= " + lead + DataCaption(inputs, items[1]), "3= " + lead + DataCaption(inputs, items[2])});
}

} // namespace teska
