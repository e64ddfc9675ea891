// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/input/InputHelpers.h"

#include <charconv>
#include <stdexcept>

#include "project/io/FieldReader.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"

namespace teska::input {

std::int16_t ReadCount(FieldReader& in, const char* what, long fieldsPerItem)
{
    const std::size_t line = in.line(); // reading the count may pass its line end
    const std::int16_t count = in.ReadInt16();
    if (count <= 0)
        return 0; // a negative or zero count reads no items
    CheckFits(in, static_cast<unsigned long long>(count) * static_cast<unsigned long long>(fieldsPerItem),
        std::string(what) + " (" + std::to_string(count) + ")", line);
    return count;
}

void CheckFits(const FieldReader& in, unsigned long long fields, const std::string& what, std::size_t line)
{
    if (fields > in.byteSize())
        throw FileFormatError(in.fileName(), line > 0 ? line : in.line(), 0, 0,
            "count of " + what + " larger than the file can hold");
}

std::int16_t RecordCount(const RecordFile& in, std::size_t record, const char* what)
{
    (void)what;
    const std::int16_t count = in.GetInt16(record);
    return count < 0 ? std::int16_t(0) : count; // a negative count reads no items
}

void CheckRecords(const RecordFile& in, std::size_t countRecord, const char* what, long count,
    std::size_t first, long recordsPerItem)
{
    const unsigned long long last = static_cast<unsigned long long>(first) - 1
        + static_cast<unsigned long long>(count) * static_cast<unsigned long long>(recordsPerItem);
    if (last > in.RecordCount())
        throw FileFormatError(in.fileName(), 0, 0, countRecord,
            std::string("count of ") + what + " (" + std::to_string(count) + ") needs records up to "
                + std::to_string(last) + ", the file has " + std::to_string(in.RecordCount()));
}

std::int16_t CountOf(std::size_t size, const char* what)
{
    if (size > 32767)
        throw std::length_error(
            std::string("too many ") + what + " for a 16-bit count: " + std::to_string(size));
    return static_cast<std::int16_t>(size);
}

void TextBuilder::separator()
{
    if (m_inLine)
        m_text += ',';
    m_inLine = true;
}

TextBuilder& TextBuilder::Line(const std::string& text)
{
    if (text.find_first_of("\r\n") != std::string::npos)
        throw std::invalid_argument("a whole line cannot hold a line end: \"" + text + "\"");
    if (m_inLine)
        End();
    m_text += text;
    m_text += "\r\n";
    return *this;
}

TextBuilder& TextBuilder::Field(double value)
{
    separator();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value));
    m_text.append(buffer, result.ptr);
    return *this;
}

TextBuilder& TextBuilder::Whole(long value)
{
    separator();
    m_text += std::to_string(value);
    return *this;
}

TextBuilder& TextBuilder::Quoted(const std::string& text)
{
    // Input # ends a quoted string at the next quote or line end.
    if (text.find_first_of("\"\r\n") != std::string::npos)
        throw std::invalid_argument("a quoted string cannot hold a quote or a line end: " + text);
    separator();
    m_text += '"';
    m_text += text;
    m_text += '"';
    return *this;
}

TextBuilder& TextBuilder::Bool(bool value)
{
    separator();
    m_text += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

TextBuilder& TextBuilder::End()
{
    m_text += "\r\n";
    m_inLine = false;
    return *this;
}

std::string TextBuilder::Take()
{
    if (m_inLine)
        End();
    return std::move(m_text);
}

} // namespace teska::input
