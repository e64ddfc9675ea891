// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suite/Errors.h"

namespace teska {

namespace {

std::string describePlace(const std::string& file, std::size_t line, std::size_t field, std::size_t record,
    const std::string& expectation)
{
    std::string text = file;
    if (record > 0)
        text += ", record " + std::to_string(record);
    if (line > 0)
        text += ", line " + std::to_string(line);
    if (field > 0)
        text += ", field " + std::to_string(field);
    text += ": " + expectation;
    return text;
}

} // namespace

FileFormatError::FileFormatError(
    std::string file, std::size_t line, std::size_t field, std::size_t record, std::string expectation)
    : RuntimeError(describePlace(file, line, field, record, expectation))
    , file_(std::move(file))
    , line_(line)
    , field_(field)
    , record_(record)
    , expectation_(std::move(expectation))
{ }

FileAccessError::FileAccessError(std::string file, std::string reason)
    : RuntimeError(file + ": " + reason)
    , file_(std::move(file))
{ }

} // namespace teska
