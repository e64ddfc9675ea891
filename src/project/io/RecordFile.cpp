// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/io/RecordFile.h"

#include <cstring>
#include <stdexcept>

#include "project/io/WholeFile.h"
#include "suite/Errors.h"
#include "suite/TextDecoding.h"

namespace teska {

namespace {

constexpr std::size_t MaxRecordString = RecordLength - 2;

// Little-endian bytes to and from values, whatever the host's byte order.
template <typename Unsigned> Unsigned loadLittleEndian(const char* bytes)
{
    Unsigned value = 0;
    for (std::size_t i = sizeof(Unsigned); i-- > 0;)
        value = static_cast<Unsigned>((value << 8) | static_cast<unsigned char>(bytes[i]));
    return value;
}

template <typename Unsigned> void storeLittleEndian(char* bytes, Unsigned value)
{
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
        bytes[i] = static_cast<char>(value & 0xFF);
        value = static_cast<Unsigned>(value >> 8);
    }
}

template <typename To, typename From> To bitCast(From from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

} // namespace

RecordFile RecordFile::FromFile(const std::string& path)
{
    return RecordFile(path, ReadWholeFile(path));
}

RecordFile RecordFile::FromFileStart(const std::string& path, std::size_t records)
{
    return RecordFile(path, ReadListFileStart(path, records * RecordLength));
}

RecordFile::RecordFile(std::string name, std::string content)
    : name_(std::move(name))
    , content_(std::move(content))
{ }

const char* RecordFile::recordData(std::size_t record, std::size_t bytes) const
{
    if (record == 0)
        throw FileFormatError(name_, 0, 0, record, "record 0 was read; records are numbered from 1");
    const std::size_t available = (content_.size() + RecordLength - 1) / RecordLength;
    if (record > available || (record - 1) * RecordLength + bytes > content_.size())
        throw FileFormatError(name_, 0, 0, record,
            "record " + std::to_string(record) + " lies beyond the end of the file ("
                + std::to_string(content_.size()) + " bytes, " + std::to_string(RecordCount())
                + " whole records)");
    return content_.data() + (record - 1) * RecordLength;
}

std::int16_t RecordFile::GetInt16(std::size_t record) const
{
    return static_cast<std::int16_t>(loadLittleEndian<std::uint16_t>(recordData(record, 2)));
}

std::int32_t RecordFile::GetInt32(std::size_t record) const
{
    return static_cast<std::int32_t>(loadLittleEndian<std::uint32_t>(recordData(record, 4)));
}

float RecordFile::GetSingle(std::size_t record) const
{
    return bitCast<float>(loadLittleEndian<std::uint32_t>(recordData(record, 4)));
}

double RecordFile::GetDouble(std::size_t record) const
{
    return bitCast<double>(loadLittleEndian<std::uint64_t>(recordData(record, 8)));
}

std::string RecordFile::GetString(std::size_t record) const
{
    const auto length = static_cast<std::int16_t>(loadLittleEndian<std::uint16_t>(recordData(record, 2)));
    if (length < 0 || static_cast<std::size_t>(length) > MaxRecordString)
        throw FileFormatError(name_, 0, 0, record,
            "string length " + std::to_string(length) + " is outside 0 to "
                + std::to_string(MaxRecordString));
    const char* data = recordData(record, 2 + static_cast<std::size_t>(length));
    return DecodeSuiteText(std::string_view(data + 2, static_cast<std::size_t>(length)));
}

char* RecordWriter::recordData(std::size_t record)
{
    if (record == 0)
        throw std::invalid_argument("record 0 written; records are numbered from 1");
    if (record > MaxListFileBytes / RecordLength)
        throw std::invalid_argument("record " + std::to_string(record) + " is beyond any list file");
    if (content_.size() < record * RecordLength)
        content_.resize(record * RecordLength, '\0');
    return content_.data() + (record - 1) * RecordLength;
}

void RecordWriter::PutInt16(std::size_t record, std::int16_t value)
{
    storeLittleEndian(recordData(record), static_cast<std::uint16_t>(value));
}

void RecordWriter::PutInt32(std::size_t record, std::int32_t value)
{
    storeLittleEndian(recordData(record), static_cast<std::uint32_t>(value));
}

void RecordWriter::PutSingle(std::size_t record, float value)
{
    storeLittleEndian(recordData(record), bitCast<std::uint32_t>(value));
}

void RecordWriter::PutDouble(std::size_t record, double value)
{
    storeLittleEndian(recordData(record), bitCast<std::uint64_t>(value));
}

void RecordWriter::PutString(std::size_t record, const std::string& value)
{
    if (value.size() > MaxRecordString)
        throw std::invalid_argument("string of " + std::to_string(value.size())
            + " bytes does not fit a record (at most " + std::to_string(MaxRecordString) + ")");
    char* data = recordData(record);
    storeLittleEndian(data, static_cast<std::uint16_t>(value.size()));
    std::memcpy(data + 2, value.data(), value.size());
}

void RecordWriter::Save(const std::string& path) const
{
    WriteFileAtomically(path, content_);
}

} // namespace teska
