// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text load files .PCF, .PCW, .PC7 and .PC8.

#include "project/input/InputFiles.h"
#include "project/input/InputHelpers.h"
#include "project/io/FieldReader.h"

namespace teska {

using input::CountOf;
using input::ReadCount;
using input::TextBuilder;

void ReadLoadFilePCF(FieldReader& in, LoadFilePCF& file)
{
    file = LoadFilePCF{};
    file.Title = in.LineInput();
    const auto k = ReadCount(in, "load items", 4);
    const auto l = ReadCount(in, "load groups", 3);
    input::CheckFits(in, 4ULL * k + 3ULL * l, "load items and load groups");
    file.Items.resize(static_cast<std::size_t>(k));
    for (auto& item : file.Items) {
        item.Number = in.ReadInt16();
        for (auto& value : item.Values)
            value = in.ReadSingle();
    }
    file.Groups.resize(static_cast<std::size_t>(l));
    for (auto& group : file.Groups) {
        group.Number1 = in.ReadInt16();
        group.Number2 = in.ReadInt16();
        group.Value = in.ReadSingle();
    }
}

LoadFilePCF ReadLoadFilePCF(FieldReader& in)
{
    LoadFilePCF file;
    ReadLoadFilePCF(in, file);
    return file;
}

std::string WriteLoadFilePCF(const LoadFilePCF& data)
{
    TextBuilder out;
    out.Line(data.Title)
        .Whole(CountOf(data.Items.size(), "load items"))
        .Whole(CountOf(data.Groups.size(), "load groups"))
        .End();
    for (const auto& item : data.Items)
        out.Whole(item.Number).Field(item.Values[0]).Field(item.Values[1]).Field(item.Values[2]).End();
    for (const auto& group : data.Groups)
        out.Whole(group.Number1).Whole(group.Number2).Field(group.Value).End();
    return out.Take();
}

void ReadLoadFilePCW(FieldReader& in, LoadFilePCW& file)
{
    file = LoadFilePCW{};
    file.Title = in.LineInput();
    file.Items.resize(static_cast<std::size_t>(ReadCount(in, "load items", 3)));
    for (auto& item : file.Items) {
        item.Number = in.ReadInt16();
        for (auto& value : item.Values)
            value = in.ReadSingle();
    }
}

LoadFilePCW ReadLoadFilePCW(FieldReader& in)
{
    LoadFilePCW file;
    ReadLoadFilePCW(in, file);
    return file;
}

std::string WriteLoadFilePCW(const LoadFilePCW& data)
{
    TextBuilder out;
    out.Line(data.Title).Whole(CountOf(data.Items.size(), "load items")).End();
    for (const auto& item : data.Items)
        out.Whole(item.Number).Field(item.Values[0]).Field(item.Values[1]).End();
    return out.Take();
}

void ReadLoadFilePC7(FieldReader& in, LoadFilePC7& file)
{
    file = LoadFilePC7{};
    for (auto& value : file.Values)
        value = in.ReadSingle();
}

LoadFilePC7 ReadLoadFilePC7(FieldReader& in)
{
    LoadFilePC7 file;
    ReadLoadFilePC7(in, file);
    return file;
}

std::string WriteLoadFilePC7(const LoadFilePC7& data)
{
    TextBuilder out;
    for (float value : data.Values)
        out.Field(value);
    return out.Take();
}

void ReadLoadFilePC8(FieldReader& in, LoadFilePC8& file)
{
    file = LoadFilePC8{};
    for (auto& value : file.Values)
        value = in.ReadSingle();
}

LoadFilePC8 ReadLoadFilePC8(FieldReader& in)
{
    LoadFilePC8 file;
    ReadLoadFilePC8(in, file);
    return file;
}

std::string WriteLoadFilePC8(const LoadFilePC8& data)
{
    TextBuilder out;
    for (float value : data.Values)
        out.Field(value);
    return out.Take();
}

} // namespace teska
