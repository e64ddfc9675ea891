// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/io/FieldReader.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"

namespace teska {

namespace {

[[noreturn]] void refuse(const FieldReader& in, const std::string& expectation, std::size_t line = 0)
{
    throw FileFormatError(in.fileName(), line ? line : in.line(), 0, 0, expectation);
}

// A count of the file itself, checked against the file's size; errors name
// the count's line.
std::int32_t readFittingCount(
    FieldReader& in, const char* what, std::int64_t fieldsPerItem, const char* checked)
{
    const std::size_t line = in.line();
    const std::int32_t count = in.ReadInt32();
    if (count < 0)
        refuse(in, std::string(what) + " of 0 or more was expected, found " + std::to_string(count), line);
    CheckCountFitsFile(in, count, fieldsPerItem, checked, line);
    return count;
}

std::int16_t readSmallCount(FieldReader& in, const char* what)
{
    const std::size_t line = in.line();
    const std::int16_t count = in.ReadInt16();
    if (count < 0)
        refuse(in, std::string(what) + " of 0 or more was expected, found " + std::to_string(count), line);
    return count;
}

} // namespace

std::int32_t ReadResultCount(FieldReader& in, const char* what)
{
    const std::size_t line = in.line();
    const std::int32_t count = in.ReadInt32();
    if (count < 0)
        refuse(in, std::string(what) + " of 0 or more was expected, found " + std::to_string(count), line);
    return count;
}

void CheckCountFitsFile(
    const FieldReader& in, std::int64_t count, std::int64_t fieldsPerItem, const char* what, std::size_t line)
{
    // n numbers need n digits and n - 1 separators at the very least.
    const std::int64_t fields = count * fieldsPerItem;
    const std::int64_t capacity = (static_cast<std::int64_t>(in.byteSize()) + 1) / 2;
    if (fields > capacity)
        refuse(in,
            std::string(what) + " " + std::to_string(count) + " is larger than the file can hold ("
                + std::to_string(in.byteSize()) + " bytes)",
            line);
}

std::int32_t ReadNodeCountFile(FieldReader& in)
{
    return ReadResultCount(in, "a node count");
}

void ReadColumnValues(FieldReader& in, std::int32_t count, float* first, std::size_t stride)
{
    if (count < 0)
        refuse(in, "a node count of 0 or more was expected, found " + std::to_string(count));
    CheckCountFitsFile(in, count, 1, "the node count");
    float* out = first;
    for (std::int32_t i = 0; i < count; ++i, out += stride)
        *out = in.ReadSingle();
}

std::vector<float> ReadColumnList(FieldReader& in, std::int32_t count)
{
    if (count < 0)
        refuse(in, "a node count of 0 or more was expected, found " + std::to_string(count));
    CheckCountFitsFile(in, count, 1, "the node count");
    std::vector<float> values;
    // A value takes two bytes at least ("0" and a separator).
    values.reserve(std::min<std::size_t>(static_cast<std::size_t>(count), in.byteSize() / 2 + 1));
    for (std::int32_t i = 0; i < count; ++i)
        values.push_back(in.ReadSingle());
    return values;
}

std::vector<float> ReadCountedValues(FieldReader& in)
{
    const std::int32_t count = readFittingCount(in, "a count", 1, "the count");
    std::vector<float> values(static_cast<std::size_t>(count));
    for (float& v : values)
        v = in.ReadSingle();
    return values;
}

std::int32_t ReadMatrixOrder(FieldReader& in, std::int32_t nodeCount)
{
    const std::size_t line = in.line();
    const std::int32_t n = ReadResultCount(in, "a matrix order");
    if (n != nodeCount)
        refuse(in,
            "a square matrix over the " + std::to_string(nodeCount)
                + " nodes of .PL6 was expected, found order " + std::to_string(n),
            line);
    CheckCountFitsFile(in, static_cast<std::int64_t>(n) * n, 1, "the number of matrix values", line);
    return n;
}

void ReadMatrixValues(FieldReader& in, std::int32_t n, float* out)
{
    const std::size_t cells = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    for (std::size_t i = 0; i < cells; ++i)
        out[i] = in.ReadSingle();
}

PunchingFile ReadPunchingFile(FieldReader& in)
{
    PunchingFile file;
    // Each point has a point record of four and a result record of at least
    // ten numbers; each type two.
    const std::int32_t n
        = readFittingCount(in, "a number of punching points", 14, "the number of punching points");
    const std::size_t typeLine = in.line();
    const std::int16_t t = readSmallCount(in, "a number of cross-section types");
    CheckCountFitsFile(in, t, 2, "the number of cross-section types", typeLine);
    file.Points.resize(static_cast<std::size_t>(n));
    for (PunchingPoint& p : file.Points) {
        p.Load = in.ReadSingle();
        p.X = in.ReadSingle();
        p.Y = in.ReadSingle();
        const std::size_t typeLine = in.line();
        p.Type = in.ReadInt16();
        if (p.Type < 1 || p.Type > t)
            refuse(in,
                "a cross-section type from 1 to " + std::to_string(t) + " was expected, found "
                    + std::to_string(p.Type),
                typeLine);
    }
    file.Types.resize(static_cast<std::size_t>(t));
    for (CrossSectionType& type : file.Types) {
        type.SideA = in.ReadSingle();
        type.SideB = in.ReadSingle();
    }
    file.Results.resize(static_cast<std::size_t>(n));
    for (PunchingResult& r : file.Results) {
        r.Qp = in.ReadSingle();
        r.Qo = in.ReadSingle();
        r.PA = in.ReadSingle();
        r.AL = in.ReadSingle();
        r.Dp = in.ReadSingle();
        r.Rpa = in.ReadSingle();
        // The groups the lists do not use are read past; a count that runs
        // beyond the file ends in the reader's end-of-file error.
        for (std::int16_t k = readSmallCount(in, "a number of pairs"); k > 0; --k) {
            in.ReadSingle();
            in.ReadSingle();
        }
        for (std::int16_t k = readSmallCount(in, "a number of groups"); k > 0; --k)
            for (std::int16_t c = readSmallCount(in, "a group length"); c > 0; --c)
                in.ReadInt16();
        for (int kind = 0; kind < 2; ++kind)
            for (std::int16_t k = readSmallCount(in, "a number of groups"); k > 0; --k)
                for (int v = 0; v < 4; ++v)
                    in.ReadSingle();
    }
    return file;
}

std::vector<BeamRecord> ReadBeamFile(FieldReader& in)
{
    const std::int32_t m
        = readFittingCount(in, "a number of beam elements", 7, "the number of beam elements");
    std::vector<BeamRecord> beams(static_cast<std::size_t>(m));
    for (BeamRecord& b : beams) {
        b.Node1 = in.ReadInt32();
        b.Node2 = in.ReadInt32();
        for (float& s : b.S)
            s = in.ReadSingle();
    }
    return beams;
}

} // namespace teska
