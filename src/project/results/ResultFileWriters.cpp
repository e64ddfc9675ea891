// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <charconv>
#include <limits>
#include <stdexcept>
#include <vector>

#include "project/io/WholeFile.h"
#include "project/results/ResultFiles.h"

namespace teska {

namespace {

constexpr const char* Eol = "\r\n";

void append(std::string& out, float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void append(std::string& out, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void requireCount(std::size_t count, std::size_t limit, const std::string& path, const char* what)
{
    if (count > limit)
        throw std::invalid_argument(
            path + ": " + what + " " + std::to_string(count) + " does not fit the file's whole number");
}

constexpr std::size_t Max32 = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
constexpr std::size_t Max16 = static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());

template <typename Group> void appendFloatGroups(std::string& out, const std::vector<Group>& groups)
{
    append(out, static_cast<long long>(groups.size()));
    out += Eol;
    for (const Group& group : groups) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (i)
                out += ", ";
            append(out, group[i]);
        }
        out += Eol;
    }
}

} // namespace

std::string SingleText(float value)
{
    std::string text;
    append(text, value);
    return text;
}

void WriteNodeCountFile(const std::string& path, std::int32_t nodes)
{
    if (nodes < 0)
        throw std::invalid_argument(path + ": a node count of " + std::to_string(nodes));
    std::string out;
    append(out, static_cast<long long>(nodes));
    out += Eol;
    WriteFileAtomically(path, out);
}

void WriteColumnFile(const std::string& path, std::span<const float> values)
{
    requireCount(values.size(), Max32, path, "the node count");
    std::string out;
    out.reserve(values.size() * 14);
    for (float v : values) {
        append(out, v);
        out += Eol;
    }
    WriteFileAtomically(path, out);
}

void WriteCountedFile(const std::string& path, std::span<const float> values)
{
    requireCount(values.size(), Max32, path, "the count");
    std::string out;
    out.reserve(values.size() * 14 + 16);
    append(out, static_cast<long long>(values.size()));
    out += Eol;
    for (float v : values) {
        append(out, v);
        out += Eol;
    }
    WriteFileAtomically(path, out);
}

void WriteMatrixFile(
    const std::string& path, std::int32_t n, const std::function<void(std::int32_t, std::span<float>)>& row)
{
    if (n < 0)
        throw std::invalid_argument(path + ": a matrix of order " + std::to_string(n));
    std::string out;
    out.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n) * 14 + 16);
    append(out, static_cast<long long>(n));
    out += Eol;
    std::vector<float> values(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        row(i, values);
        for (std::size_t j = 0; j < values.size(); ++j) {
            if (j)
                out += ", ";
            append(out, values[j]);
        }
        out += Eol;
    }
    WriteFileAtomically(path, out);
}

void WriteMatrixFile(const std::string& path, std::int32_t n, std::span<const float> rowMajor)
{
    if (n < 0 || rowMajor.size() != static_cast<std::size_t>(n) * static_cast<std::size_t>(n))
        throw std::invalid_argument(path + ": " + std::to_string(rowMajor.size())
            + " values are not a square matrix of order " + std::to_string(n));
    WriteMatrixFile(path, n, [&](std::int32_t i, std::span<float> out) {
        const std::size_t start = static_cast<std::size_t>(i) * static_cast<std::size_t>(n);
        std::copy(rowMajor.begin() + static_cast<std::ptrdiff_t>(start),
            rowMajor.begin() + static_cast<std::ptrdiff_t>(start + out.size()), out.begin());
    });
}

void WritePunchingResults(const std::string& path, const PunchingFile& file)
{
    requireCount(file.Points.size(), Max32, path, "the number of punching points");
    requireCount(file.Types.size(), Max16, path, "the number of cross-section types");
    if (file.Results.size() != file.Points.size())
        throw std::invalid_argument(path + ": " + std::to_string(file.Results.size()) + " results for "
            + std::to_string(file.Points.size()) + " punching points");
    std::string out;
    out.reserve(file.Points.size() * 120 + 32);
    append(out, static_cast<long long>(file.Points.size()));
    out += Eol;
    append(out, static_cast<long long>(file.Types.size()));
    out += Eol;
    for (const PunchingPoint& p : file.Points) {
        if (p.Type < 1 || static_cast<std::size_t>(p.Type) > file.Types.size())
            throw std::invalid_argument(path + ": cross-section type " + std::to_string(p.Type) + " of "
                + std::to_string(file.Types.size()));
        for (float v : {p.Load, p.X, p.Y}) {
            append(out, v);
            out += ", ";
        }
        append(out, static_cast<long long>(p.Type));
        out += Eol;
    }
    for (const CrossSectionType& t : file.Types) {
        append(out, t.SideA);
        out += ", ";
        append(out, t.SideB);
        out += Eol;
    }
    for (const PunchingResult& r : file.Results) {
        const float six[6] = {r.Qp, r.Qo, r.PA, r.AL, r.Dp, r.Rpa};
        for (int k = 0; k < 6; ++k) {
            if (k)
                out += ", ";
            append(out, six[k]);
        }
        out += Eol;
        const PunchingGroups& g = r.Skipped;
        requireCount(g.Pairs.size(), Max16, path, "the number of pairs");
        requireCount(g.Lists.size(), Max16, path, "the number of groups");
        requireCount(g.Quads1.size(), Max16, path, "the number of groups");
        requireCount(g.Quads2.size(), Max16, path, "the number of groups");
        appendFloatGroups(out, g.Pairs);
        append(out, static_cast<long long>(g.Lists.size()));
        out += Eol;
        for (const std::vector<std::int16_t>& list : g.Lists) {
            requireCount(list.size(), Max16, path, "the group length");
            append(out, static_cast<long long>(list.size()));
            for (std::int16_t v : list) {
                out += ", ";
                append(out, static_cast<long long>(v));
            }
            out += Eol;
        }
        appendFloatGroups(out, g.Quads1);
        appendFloatGroups(out, g.Quads2);
    }
    WriteFileAtomically(path, out);
}

void WriteBeamFile(const std::string& path, std::span<const BeamRecord> beams)
{
    requireCount(beams.size(), Max32, path, "the number of beam elements");
    std::string out;
    out.reserve(beams.size() * 80 + 16);
    append(out, static_cast<long long>(beams.size()));
    out += Eol;
    for (const BeamRecord& b : beams) {
        append(out, static_cast<long long>(b.Node1));
        out += ", ";
        append(out, static_cast<long long>(b.Node2));
        for (float s : b.S) {
            out += ", ";
            append(out, s);
        }
        out += Eol;
    }
    WriteFileAtomically(path, out);
}

} // namespace teska
