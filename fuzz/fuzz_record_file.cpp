// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Record files of any content, any size, read at record numbers chosen by the
// input's first bytes (including record 0, the last whole record, the
// partial record and numbers far beyond the end). Only FileFormatError may
// come out, naming the file and the record asked for. Reads inside the file
// must agree: the 16-bit value is the low half of the 32-bit one, the single
// has the 32-bit value's bits, the double's low half is the 32-bit value, and
// a string whose length lies in 0 to 126 and whose bytes are there is read.
//
// Layout of an input: byte 0 gives the program length n (1 to 16), then n
// pairs of bytes (read kind, record choice), then the file content.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "project/io/RecordFile.h"
#include "suite/Errors.h"
#include "suite/TextDecoding.h"

namespace {

const std::string FileName = "FUZZ.ERG";

void require(bool condition)
{
    if (!condition)
        std::abort();
}

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The record a choice byte stands for: small numbers as they are, the rest
// spread around the end of the file and far beyond it.
std::size_t recordFor(std::uint8_t choice, std::size_t fileSize)
{
    const std::size_t whole = fileSize / teska::RecordLength;
    switch (choice >> 5) {
    case 0:
    case 1:
        return choice & 0x3F; // 0 to 63
    case 2:
        return whole + (choice & 3); // the last whole record and just past it
    case 3:
        return whole > (choice & 7) ? whole - (choice & 7) : 1;
    case 4:
        return std::size_t(1) << (choice & 31);
    case 5:
        return static_cast<std::size_t>(-1) - (choice & 3);
    default:
        return 1 + (std::size_t(choice) * 2654435761u) % (whole + 2);
    }
}

// True when the first \p bytes of record \p record are all in the file.
bool byteAt(const std::string& content, std::size_t record, std::size_t bytes)
{
    if (record == 0 || record > content.size() / teska::RecordLength + 1)
        return false;
    return (record - 1) * teska::RecordLength + bytes <= content.size();
}

template <typename Read> bool readsOk(std::size_t record, Read read)
{
    try {
        read();
        return true;
    } catch (const teska::FileFormatError& error) {
        require(error.file() == FileName);
        require(error.record() == record);
        require(!error.expectation().empty());
        return false;
    }
}

void readRecord(const teska::RecordFile& file, const std::string& content, unsigned kind, std::size_t record)
{
    switch (kind % 2) {
    case 0: { // the whole-number and real views of the same bytes
        std::int16_t shortValue = 0;
        std::int32_t longValue = 0;
        float single = 0;
        double real = 0;
        const bool shortOk = readsOk(record, [&] { shortValue = file.GetInt16(record); });
        const bool longOk = readsOk(record, [&] { longValue = file.GetInt32(record); });
        const bool singleOk = readsOk(record, [&] { single = file.GetSingle(record); });
        const bool realOk = readsOk(record, [&] { real = file.GetDouble(record); });
        require(shortOk == byteAt(content, record, 2));
        require(longOk == byteAt(content, record, 4));
        require(singleOk == longOk);
        require(realOk == byteAt(content, record, 8));
        if (record >= 1 && record <= file.RecordCount())
            require(shortOk && longOk && singleOk && realOk);
        if (longOk) {
            require(
                static_cast<std::uint16_t>(shortValue) == (static_cast<std::uint32_t>(longValue) & 0xFFFF));
            require(bitsOf(single) == static_cast<std::uint32_t>(longValue));
        }
        if (realOk)
            require((bitsOf(real) & 0xFFFFFFFFu) == static_cast<std::uint32_t>(longValue));
        return;
    }
    default: { // strings: read exactly when the length is sound and its bytes are there
        std::string text;
        const bool ok = readsOk(record, [&] { text = file.GetString(record); });
        bool expected = false;
        if (byteAt(content, record, 2)) {
            const std::size_t at = (record - 1) * teska::RecordLength;
            const auto length = static_cast<std::int16_t>(
                static_cast<unsigned char>(content[at]) | (static_cast<unsigned char>(content[at + 1]) << 8));
            expected = length >= 0 && length <= 126 && byteAt(content, record, 2 + std::size_t(length));
            if (ok) {
                require(teska::IsValidUtf8(text));
                // Windows-1252 turns a byte into at most three UTF-8 bytes.
                require(text.size() <= 3 * std::size_t(length));
            }
        }
        require(ok == expected);
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::size_t programLength = std::min<std::size_t>((size - 1) / 2, data[0] % 16 + 1);
    const std::uint8_t* program = data + 1;
    const std::size_t skip = 1 + 2 * programLength;
    const std::string content(reinterpret_cast<const char*>(data) + skip, size - skip);

    const teska::RecordFile file(FileName, content);
    require(file.RecordCount() == content.size() / teska::RecordLength);
    for (std::size_t step = 0; step < programLength; ++step)
        readRecord(file, content, program[2 * step], recordFor(program[2 * step + 1], content.size()));
    // Every whole record and the partial one once each, as a list reader would.
    const std::size_t records = std::min<std::size_t>(file.RecordCount() + 1, 64);
    for (std::size_t record = 1; record <= records; ++record)
        readRecord(file, content, record, record);
    return 0;
}
