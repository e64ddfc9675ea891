// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text files of any content read field by field, the kinds of read chosen by
// the input's first bytes. Only FileFormatError may come out, and it must name
// the file and a line inside it. Besides that the reads must agree with each
// other: the same field read as a 16-bit and as a 32-bit whole number gives
// the same value whenever it fits, a whole number is the rounded real, a
// Boolean is "real is not zero", and every read moves forward (no read that
// succeeds without consuming anything, which would hang a `while (!AtEnd())`
// loop).
//
// Layout of an input: byte 0 gives the program length n (1 to 16), bytes 1..n
// are the program (one read kind per byte, repeated in turn), the rest is the
// file content.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/io/FieldReader.h"
#include "suite/Errors.h"
#include "suite/TextDecoding.h"

namespace {

const std::string FileName = "FUZZ.TXT";

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Half to even, worked out independently of the reader's own rounding.
double nearestEven(double x)
{
    return std::nearbyint(x); // the default rounding mode is to nearest, ties to even
}

void checkError(const teska::FileFormatError& error, std::size_t lineCount)
{
    require(error.file() == FileName);
    require(error.line() >= 1 && error.line() <= lineCount);
    require(!error.expectation().empty());
}

void checkText(const std::string& text)
{
    require(teska::IsValidUtf8(text));
    require(text.find('\r') == std::string::npos && text.find('\n') == std::string::npos);
}

// One read of the given kind, cross-checked against the other kinds of read
// of the same field on copies of the reader.
void readOne(teska::FieldReader& reader, unsigned kind)
{
    switch (kind % 6) {
    case 0:
        checkText(reader.LineInput());
        return;
    case 1:
        checkText(reader.ReadString());
        return;
    case 2: {
        (void)reader.ReadSingle();
        return;
    }
    case 3: { // whole numbers, checked against each other and the real
        teska::FieldReader asShort = reader;
        teska::FieldReader asReal = reader;
        bool realRead = true;
        double real = 0;
        try {
            real = asReal.ReadDouble();
        } catch (const teska::FileFormatError&) {
            realRead = false; // a field such as 1E400 or ABC
        }
        std::int32_t whole = 0;
        try {
            whole = reader.ReadInt32();
        } catch (const teska::FileFormatError&) {
            // A real that rounds into the 32-bit range must have been read.
            require(!(realRead && nearestEven(real) >= -2147483648.0 && nearestEven(real) <= 2147483647.0));
            throw;
        }
        bool shortFits = true;
        std::int16_t shortValue = 0;
        try {
            shortValue = asShort.ReadInt16();
        } catch (const teska::FileFormatError&) {
            shortFits = false;
        }
        require(shortFits == (whole >= -32768 && whole <= 32767));
        if (shortFits) {
            require(shortValue == whole);
            require(asShort.line() == reader.line());
        }
        if (realRead) {
            require(asReal.line() == reader.line());
            require(nearestEven(real) == double(whole));
        }
        return;
    }
    case 4: { // a 16-bit number fits a 32-bit one too
        teska::FieldReader asLong = reader;
        const std::int16_t value = reader.ReadInt16();
        require(asLong.ReadInt32() == value);
        return;
    }
    default: { // Booleans against the real value of the same field
        teska::FieldReader asReal = reader;
        const bool value = reader.ReadBool();
        double real = 0;
        try {
            real = asReal.ReadDouble();
        } catch (const teska::FileFormatError&) {
            return; // True and False are no numbers
        }
        require(value == (real != 0));
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t programLength = std::min<std::size_t>(size - 1, data[0] % 16 + 1);
    const std::uint8_t* program = data + 1;
    const std::size_t skip = 1 + programLength;
    std::string content(reinterpret_cast<const char*>(data) + skip, size - skip);
    if (programLength == 0)
        return 0;

    teska::FieldReader reader(FileName, content);
    // Every line end starts a line; the reader's lines are numbered from 1.
    std::size_t lineCount = 1;
    for (std::size_t i = 0; i < content.size(); ++i)
        if (content[i] == '\n' || (content[i] == '\r' && (i + 1 == content.size() || content[i + 1] != '\n')))
            ++lineCount;

    // Each successful read consumes at least one byte, so a file of n bytes
    // gives at most n + 1 successful reads (the +1 for a read at a final
    // line end that returns an empty field).
    const std::size_t readLimit = reader.byteSize() + 1;
    std::size_t reads = 0;
    try {
        for (std::size_t step = 0; !reader.AtEnd(); ++step) {
            readOne(reader, program[step % programLength]);
            require(reader.line() <= lineCount);
            require(++reads <= readLimit);
        }
        // Past the last field: reads either meet the trailing blanks and line
        // ends or fail with "past end", never anything else.
        for (std::size_t step = 0; step < 4; ++step) {
            readOne(reader, program[step % programLength]);
            require(++reads <= readLimit);
        }
    } catch (const teska::FileFormatError& error) {
        checkError(error, lineCount);
    }
    return 0;
}
