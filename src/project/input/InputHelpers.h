// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared steps of the input readers and writers: count checks made before
// any allocation, and a builder for text files in the form the suite's
// programs write them (comma-separated fields, CRLF line ends).

#include <cstdint>
#include <string>

namespace teska {

class FieldReader;
class RecordFile;

namespace input {

// Reads a 16-bit count named \p what and checks that \p fieldsPerItem fields
// per item can still be in the file (every field takes at least one byte).
// A negative count reads no items: the result is then 0.
std::int16_t ReadCount(FieldReader& in, const char* what, long fieldsPerItem);

// Throws when \p fields fields (at least one byte each) cannot be in the
// file; the message names \p line, or the reader's line when it is 0.
void CheckFits(
    const FieldReader& in, unsigned long long fields, const std::string& what, std::size_t line = 0);

// Reads the 16-bit count of record \p record (a negative count gives 0, no
// items) and checks that \p count items of \p recordsPerItem records
// starting at record \p first fit in the file.
std::int16_t RecordCount(const RecordFile& in, std::size_t record, const char* what);
void CheckRecords(const RecordFile& in, std::size_t countRecord, const char* what, long count,
    std::size_t first, long recordsPerItem);

// A 16-bit count for a writer; throws std::length_error when it does not fit.
std::int16_t CountOf(std::size_t size, const char* what);

class TextBuilder {
public:
    TextBuilder& Line(const std::string& text); // a whole line
    TextBuilder& Field(double value); // shortest exact form of a single
    TextBuilder& Whole(long value);
    TextBuilder& Quoted(const std::string& text);
    TextBuilder& Bool(bool value);
    TextBuilder& End(); // ends the current line of fields
    std::string Take();

private:
    void separator();
    std::string m_text;
    bool m_inLine = false;
};

} // namespace input
} // namespace teska
