// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The support files .P61, .P71, .P31 and the point file .P35.

#include "project/input/InputFiles.h"
#include "project/input/InputHelpers.h"
#include "project/io/FieldReader.h"
#include "suite/Errors.h"

namespace teska {

using input::CountOf;
using input::ReadCount;
using input::TextBuilder;

namespace {

std::vector<PointXY> readPoints(FieldReader& in, std::int16_t count)
{
    std::vector<PointXY> points(static_cast<std::size_t>(count));
    for (auto& point : points) {
        point.X = in.ReadSingle();
        point.Y = in.ReadSingle();
    }
    return points;
}

void writePoints(TextBuilder& out, const std::vector<PointXY>& points)
{
    for (const auto& point : points)
        out.Field(point.X).Field(point.Y).End();
}

} // namespace

void ReadSupportFileP61(FieldReader& in, SupportFileP61& file)
{
    file = SupportFileP61{};
    file.Title = in.LineInput();
    const auto n = ReadCount(in, "support items", 4);
    const auto m = ReadCount(in, "pairs", 2);
    // Both counts come before the items, so together they must fit.
    input::CheckFits(in, 4ULL * n + 2ULL * m, "support items and pairs");
    file.Items.resize(static_cast<std::size_t>(n));
    for (auto& item : file.Items) {
        item.ItemNumber = in.ReadInt16();
        item.Text1 = in.LineInput();
        item.Text2 = in.LineInput();
        item.Text3 = in.LineInput();
    }
    file.Pairs.resize(static_cast<std::size_t>(m));
    for (auto& pair : file.Pairs) {
        pair[0] = in.ReadInt16();
        pair[1] = in.ReadInt16();
    }
}

SupportFileP61 ReadSupportFileP61(FieldReader& in)
{
    SupportFileP61 file;
    ReadSupportFileP61(in, file);
    return file;
}

std::string WriteSupportFileP61(const SupportFileP61& data)
{
    TextBuilder out;
    out.Line(data.Title)
        .Whole(CountOf(data.Items.size(), "support items"))
        .Whole(CountOf(data.Pairs.size(), "pairs"))
        .End();
    for (const auto& item : data.Items)
        out.Whole(item.ItemNumber).End().Line(item.Text1).Line(item.Text2).Line(item.Text3);
    for (const auto& pair : data.Pairs)
        out.Whole(pair[0]).Whole(pair[1]).End();
    return out.Take();
}

void ReadSupportFileP71(FieldReader& in, SupportFileP71& file)
{
    file = SupportFileP71{};
    file.Title = in.LineInput();
    file.Items.resize(static_cast<std::size_t>(ReadCount(in, "support items", 3)));
    for (auto& item : file.Items) {
        item.ItemNumber = in.ReadInt16();
        item.Text1 = in.LineInput();
        item.Text2 = in.LineInput();
    }
}

SupportFileP71 ReadSupportFileP71(FieldReader& in)
{
    SupportFileP71 file;
    ReadSupportFileP71(in, file);
    return file;
}

std::string WriteSupportFileP71(const SupportFileP71& data)
{
    TextBuilder out;
    out.Line(data.Title).Whole(CountOf(data.Items.size(), "support items")).End();
    for (const auto& item : data.Items)
        out.Whole(item.ItemNumber).End().Line(item.Text1).Line(item.Text2);
    return out.Take();
}

void ReadSupportFileP31(FieldReader& in, SupportFileP31& file)
{
    file = SupportFileP31{};
    file.Title = in.LineInput();
    const auto n = ReadCount(in, "support items", 5);
    const auto p = ReadCount(in, "points", 2);
    // Both counts come before the items, so together they must fit.
    input::CheckFits(in, 5ULL * n + 2ULL * p, "support items and points");
    file.Items.resize(static_cast<std::size_t>(n));
    for (auto& item : file.Items) {
        item.KeptNumber = in.ReadInt16();
        item.ItemNumber = in.ReadInt16();
        for (auto& condition : item.Conditions)
            condition = in.LineInput();
    }
    file.Points = readPoints(in, p);
}

SupportFileP31 ReadSupportFileP31(FieldReader& in)
{
    SupportFileP31 file;
    ReadSupportFileP31(in, file);
    return file;
}

std::string WriteSupportFileP31(const SupportFileP31& data)
{
    TextBuilder out;
    out.Line(data.Title)
        .Whole(CountOf(data.Items.size(), "support items"))
        .Whole(CountOf(data.Points.size(), "points"))
        .End();
    for (const auto& item : data.Items) {
        out.Whole(item.KeptNumber).Whole(item.ItemNumber).End();
        for (const auto& condition : item.Conditions)
            out.Line(condition);
    }
    writePoints(out, data.Points);
    return out.Take();
}

void ReadPointFileP35(FieldReader& in, PointFileP35& file)
{
    file = PointFileP35{};
    file.Title = in.LineInput();
    const auto n = ReadCount(in, "items", 5);
    const auto p = ReadCount(in, "points", 2);
    // Both counts come before the items, so together they must fit.
    input::CheckFits(in, 5ULL * n + 2ULL * p, "items and points");
    file.Items.resize(static_cast<std::size_t>(n));
    for (auto& item : file.Items) {
        item.Number1 = in.ReadInt16();
        item.Number2 = in.ReadInt16();
        for (auto& value : item.Values)
            value = in.ReadSingle();
    }
    file.Points = readPoints(in, p);
}

PointFileP35 ReadPointFileP35(FieldReader& in)
{
    PointFileP35 file;
    ReadPointFileP35(in, file);
    return file;
}

std::string WritePointFileP35(const PointFileP35& data)
{
    TextBuilder out;
    out.Line(data.Title)
        .Whole(CountOf(data.Items.size(), "items"))
        .Whole(CountOf(data.Points.size(), "points"))
        .End();
    for (const auto& item : data.Items)
        out.Whole(item.Number1)
            .Whole(item.Number2)
            .Field(item.Values[0])
            .Field(item.Values[1])
            .Field(item.Values[2])
            .End();
    writePoints(out, data.Points);
    return out.Take();
}

} // namespace teska
