// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the sections of the soil, load, pile and summary modules share
// beyond lists/data/SectionSupport.h: reading a sibling file of the project
// whole, and the value text of a cell.

#include <string>

#include "lists/sections/SectionContent.h"
#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"

namespace teska {

// Announces the file to SuiteEnvironment and reads it whole. Throws
// FileAccessError naming the file when it is missing or cannot be read.
FieldReader OpenSectionTextFile(const SectionInputs& inputs, const std::string& extension);
RecordFile OpenSectionRecordFile(const SectionInputs& inputs, const std::string& extension);

// The value text of a table cell: \p value x \p factor written with
// FormatNumber and \p pattern.
std::string CellText(float value, double factor, const std::string& pattern);

} // namespace teska
