// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Random-access files of fixed 128-byte records with one value per record,
// records numbered from 1. Whole numbers are little-endian 16 or 32 bits,
// reals IEEE single or double, strings a 16-bit length followed by the
// characters. Reading a record beyond the end throws FileFormatError naming
// the file and the record.
//
// A file whose size is not a multiple of 128 is accepted: RecordCount counts
// the whole records only, and the partial record after them can be read as
// far as its bytes go (a value whose bytes are all there is read, one that
// would run past the end throws). Strings are decoded as UTF-8 when valid,
// else as Windows-1252.

#include <cstdint>
#include <string>
#include <vector>

namespace teska {

constexpr std::size_t RecordLength = 128;

class RecordFile {
public:
    // Reads \p path whole; throws FileAccessError when it cannot be read.
    static RecordFile FromFile(const std::string& path);
    // Reads the first \p records records of \p path (the whole file when
    // it holds fewer): for a file of which only the head is needed.
    static RecordFile FromFileStart(const std::string& path, std::size_t records);
    RecordFile(std::string name, std::string content);

    std::size_t RecordCount() const { return content_.size() / RecordLength; }
    std::int16_t GetInt16(std::size_t record) const;
    std::int32_t GetInt32(std::size_t record) const;
    float GetSingle(std::size_t record) const;
    double GetDouble(std::size_t record) const;
    std::string GetString(std::size_t record) const; // length 0 to 126, else FileFormatError
    const std::string& fileName() const { return name_; }

private:
    const char* recordData(std::size_t record, std::size_t bytes) const;
    std::string name_;
    std::string content_;
};

// Builds a record file in memory and writes it in one go. Putting record 0
// or a string longer than 126 bytes is a programming error
// (std::invalid_argument); writing past the end extends the file with
// zero-filled records.
class RecordWriter {
public:
    void PutInt16(std::size_t record, std::int16_t value);
    void PutInt32(std::size_t record, std::int32_t value);
    void PutSingle(std::size_t record, float value);
    void PutDouble(std::size_t record, double value);
    void PutString(std::size_t record, const std::string& value); // at most 126 bytes
    void AppendInt16(std::int16_t value) { PutInt16(RecordCount() + 1, value); }
    void AppendInt32(std::int32_t value) { PutInt32(RecordCount() + 1, value); }
    void AppendSingle(float value) { PutSingle(RecordCount() + 1, value); }
    std::size_t RecordCount() const { return content_.size() / RecordLength; }
    const std::string& bytes() const { return content_; }
    // Writes a temporary file beside \p path and renames it over \p path;
    // throws FileAccessError.
    void Save(const std::string& path) const;

private:
    char* recordData(std::size_t record);
    std::string content_;
};

} // namespace teska
