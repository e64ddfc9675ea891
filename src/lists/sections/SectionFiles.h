// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the sections of the soil, load, pile and summary modules share:
// opening a sibling file of the project, the column context of the
// project, and the table heading of a column definition.

#include <string>

#include "lists/sections/SectionContent.h"
#include "lists/tables/ColumnDefinitions.h"
#include "lists/writer/ListWriter.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"

namespace teska {

// ProjectDirectory + ProjectBaseName + \p extension.
std::string SectionFilePath(const SectionInputs& inputs, const std::string& extension);

// Announces the file to SuiteEnvironment and reads it whole. Throws
// FileAccessError naming the file when it is missing or cannot be read.
FieldReader OpenSectionTextFile(const SectionInputs& inputs, const std::string& extension);
RecordFile OpenSectionRecordFile(const SectionInputs& inputs, const std::string& extension);

// The context of DefineListColumns for the opened project.
ColumnContext SectionColumnContext(const SectionInputs& inputs);

// The column definition of \p key for \p selector.
ColumnDefinition SectionColumns(const SectionInputs& inputs, long key, long selector);

// The heading of a table from its column definition (captions, symbols,
// unit labels), as the result tables use it.
TableHeading SectionTableHeading(const SectionInputs& inputs, const ColumnDefinition& columns);

// The value text of a table cell: \p value x \p factor written with
// FormatNumber and \p pattern.
std::string CellText(float value, double factor, const std::string& pattern);

} // namespace teska
