// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Steps shared by the sections of the data list: opening a project file the
// way every list file is opened, the column context and table headings,
// and the unit factor of a column.

#include <array>
#include <functional>
#include <string>

#include "lists/sections/SectionContent.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"

namespace teska {

class FieldReader;
class RecordFile;
class TableCells;

// ProjectDirectory + ProjectBaseName + \p extension.
std::string DataSectionPath(const SectionInputs& inputs, const std::string& extension);
// The project path without its extension, as ProjectReader takes it.
std::string DataProjectStem(const SectionInputs& inputs);

// Announces \p path, opens it as the list file (mode 1 text, mode 3
// records), runs \p read and closes it. A file that is not there throws
// FileAccessError naming it (the run state is then 3, aborted). A
// RuntimeError of \p read (a value out of range, a file that ends early, a
// non-number) is reported once through ReportRuntimeError, which closes the
// file, and the call returns: the section goes on with what was read.
void ReadDataText(
    const SectionInputs& inputs, const std::string& path, const std::function<void(FieldReader&)>& read);
void ReadDataRecords(
    const SectionInputs& inputs, const std::string& path, const std::function<void(const RecordFile&)>& read);

// True when the data file check refuses \p path in \p mode: the section then
// reads nothing from it and keeps what it had.
bool DataFileCheckRefuses(const std::string& path, int mode);

ColumnContext DataColumnContext(const SectionInputs& inputs);
// The columns of \p key with \p selector.
ColumnDefinition DataColumns(const SectionInputs& inputs, const ListKey& key, long selector);
// The three heading rows (captions, symbols, units) of \p columns.
TableHeading DataTableHeading(const SectionInputs& inputs, const ColumnDefinition& columns);
// The factor that converts stored values of column \p column into the unit
// its heading shows: the factor of a quantity kind, of the first or the
// second length unit, else 1.
double DataColumnFactor(const SectionInputs& inputs, const ColumnDefinition& columns, int column);

// Writes \p cells under the heading of \p columns.
void WriteDataTable(const SectionInputs& inputs, ListWriter& writer, const ColumnDefinition& columns,
    const TableCells& cells);

// A legend block kept on one page: two empty lines, \p heading, then the
// rows "1= ", "2= ", "3= ", each caption \p prefix followed by its item.
void WriteLegend(const SectionInputs& inputs, ListWriter& writer, long heading, long prefix,
    const std::array<long, 3>& items);

// Caption \p id from the catalogue.
std::string DataCaption(const SectionInputs& inputs, long id);

// A whole number as text without a leading blank, appended to \p out.
void AppendNumberText(std::string& out, long long value);

} // namespace teska
