// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/SectionFiles.h"

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/format/FormatNumber.h"

namespace teska {

namespace {

// Announces the sibling file with \p extension and returns the name the
// environment settled on.
std::string AnnounceSectionFile(const SectionInputs& inputs, const std::string& extension)
{
    inputs.session.environment.SetCurrentFileName(DataSectionPath(inputs, extension));
    return inputs.session.environment.CurrentFileName();
}

} // namespace

FieldReader OpenSectionTextFile(const SectionInputs& inputs, const std::string& extension)
{
    return FieldReader::FromFile(AnnounceSectionFile(inputs, extension));
}

RecordFile OpenSectionRecordFile(const SectionInputs& inputs, const std::string& extension)
{
    return RecordFile::FromFile(AnnounceSectionFile(inputs, extension));
}

std::string CellText(float value, double factor, const std::string& pattern)
{
    return FormatNumber(static_cast<double>(value) * factor, pattern);
}

} // namespace teska
