// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The remaining text input files: .GL1, .PT1, .PP1, .PV1, the pile files
// .PL9, .PL3, .PIL, and .PS1, .LDH, .LD1, .QP1, .QP2, .QP3.

#include "project/input/InputFiles.h"
#include "project/input/InputHelpers.h"
#include <stdexcept>

#include "project/io/FieldReader.h"

namespace teska {

using input::CountOf;
using input::ReadCount;
using input::TextBuilder;

namespace {

template <std::size_t N> void readSingles(FieldReader& in, std::array<float, N>& values)
{
    for (auto& value : values)
        value = in.ReadSingle();
}

template <std::size_t N> void writeSingles(TextBuilder& out, const std::array<float, N>& values)
{
    for (float value : values)
        out.Field(value);
}

} // namespace

void ReadDataFileGL1(FieldReader& in, DataFileGL1& file)
{
    file = DataFileGL1{};
    file.Title = in.LineInput();
    const auto a = ReadCount(in, "items A", 3);
    const auto b = ReadCount(in, "items B", 7);
    input::CheckFits(in, 3ULL * a + 7ULL * b, "items A and B");
    file.ItemsA.resize(static_cast<std::size_t>(a));
    for (auto& item : file.ItemsA)
        for (auto& number : item)
            number = in.ReadInt16();
    file.ItemsB.resize(static_cast<std::size_t>(b));
    for (auto& item : file.ItemsB)
        readSingles(in, item);
    file.Switch = in.ReadBool();
    file.ItemsB2.resize(static_cast<std::size_t>(b));
    for (auto& item : file.ItemsB2)
        readSingles(in, item);
}

DataFileGL1 ReadDataFileGL1(FieldReader& in)
{
    DataFileGL1 file;
    ReadDataFileGL1(in, file);
    return file;
}

std::string WriteDataFileGL1(const DataFileGL1& data)
{
    if (data.ItemsB2.size() != data.ItemsB.size())
        throw std::length_error(".GL1: both lists of items B must have the same length");
    TextBuilder out;
    out.Line(data.Title)
        .Whole(CountOf(data.ItemsA.size(), "items A"))
        .Whole(CountOf(data.ItemsB.size(), "items B"))
        .End();
    for (const auto& item : data.ItemsA)
        out.Whole(item[0]).Whole(item[1]).Whole(item[2]).End();
    for (const auto& item : data.ItemsB) {
        writeSingles(out, item);
        out.End();
    }
    out.Bool(data.Switch).End();
    for (const auto& item : data.ItemsB2) {
        writeSingles(out, item);
        out.End();
    }
    return out.Take();
}

void ReadTemperatureFilePT1(FieldReader& in, TemperatureFilePT1& file)
{
    file = TemperatureFilePT1{};
    file.DT = in.ReadSingle();
    file.AlfaT = in.ReadSingle();
}

TemperatureFilePT1 ReadTemperatureFilePT1(FieldReader& in)
{
    TemperatureFilePT1 file;
    ReadTemperatureFilePT1(in, file);
    return file;
}

std::string WriteTemperatureFilePT1(const TemperatureFilePT1& data)
{
    return TextBuilder().Field(data.DT).Field(data.AlfaT).Take();
}

void ReadDataFilePP1(FieldReader& in, DataFilePP1& file)
{
    file = DataFilePP1{};
    const std::size_t line = in.line();
    file.Count = in.ReadInt16();
    if (file.Count > 0)
        input::CheckFits(in, static_cast<unsigned long long>(file.Count),
            "texts (" + std::to_string(file.Count) + ")", line);
    file.Texts.resize(file.Count > 0 ? static_cast<std::size_t>(file.Count) : 0);
    for (auto& text : file.Texts)
        text = in.ReadString();
}

DataFilePP1 ReadDataFilePP1(FieldReader& in)
{
    DataFilePP1 file;
    ReadDataFilePP1(in, file);
    return file;
}

std::string WriteDataFilePP1(const DataFilePP1& data)
{
    TextBuilder out;
    out.Whole(CountOf(data.Texts.size(), "texts")).End();
    for (const auto& text : data.Texts)
        out.Quoted(text).End();
    return out.Take();
}

void ReadDataFilePV1(FieldReader& in, DataFilePV1& file)
{
    file = DataFilePV1{};
    while (!in.AtEnd())
        file.Values.push_back(in.ReadSingle());
}

DataFilePV1 ReadDataFilePV1(FieldReader& in)
{
    DataFilePV1 file;
    ReadDataFilePV1(in, file);
    return file;
}

std::string WriteDataFilePV1(const DataFilePV1& data)
{
    TextBuilder out;
    for (float value : data.Values)
        out.Field(value).End();
    return out.Take();
}

void ReadPileFilePL9(FieldReader& in, PileFilePL9& file)
{
    file = PileFilePL9{};
    file.Pairs.resize(static_cast<std::size_t>(ReadCount(in, "pairs", 2)));
    for (auto& pair : file.Pairs)
        readSingles(in, pair);
}

PileFilePL9 ReadPileFilePL9(FieldReader& in)
{
    PileFilePL9 file;
    ReadPileFilePL9(in, file);
    return file;
}

std::string WritePileFilePL9(const PileFilePL9& data)
{
    TextBuilder out;
    out.Whole(CountOf(data.Pairs.size(), "pairs")).End();
    for (const auto& pair : data.Pairs)
        out.Field(pair[0]).Field(pair[1]).End();
    return out.Take();
}

void ReadPileFilePL3(FieldReader& in, PileFilePL3& file)
{
    file = PileFilePL3{};
    while (!in.AtEnd())
        file.Numbers.push_back(in.ReadInt16());
}

PileFilePL3 ReadPileFilePL3(FieldReader& in)
{
    PileFilePL3 file;
    ReadPileFilePL3(in, file);
    return file;
}

std::string WritePileFilePL3(const PileFilePL3& data)
{
    TextBuilder out;
    for (auto number : data.Numbers)
        out.Whole(number).End();
    return out.Take();
}

void ReadPileFilePIL(FieldReader& in, PileFilePIL& file)
{
    file = PileFilePIL{};
    // A pile takes at least 12 fields: its whole number in the first list,
    // then two whole numbers, seven values, a line and a value.
    const auto piles = ReadCount(in, "piles", 12);
    file.Value1 = in.ReadSingle();
    file.Value2 = in.ReadSingle();
    file.Number = in.ReadInt16();
    file.PileNumbers.resize(static_cast<std::size_t>(piles));
    for (auto& number : file.PileNumbers)
        number = in.ReadInt16();
    file.Piles.resize(static_cast<std::size_t>(piles));
    for (auto& pile : file.Piles) {
        pile.Numbers[0] = in.ReadInt16();
        pile.Numbers[1] = in.ReadInt16();
        readSingles(in, pile.Values);
        pile.Line = in.LineInput();
        pile.LastValue = in.ReadSingle();
    }
    while (!in.AtEnd()) {
        PileBlockPIL block;
        readSingles(in, block.Values);
        block.Entries.resize(static_cast<std::size_t>(ReadCount(in, "block entries", 1)));
        for (auto& entry : block.Entries)
            entry = in.ReadSingle();
        file.Blocks.push_back(std::move(block));
    }
}

PileFilePIL ReadPileFilePIL(FieldReader& in)
{
    PileFilePIL file;
    ReadPileFilePIL(in, file);
    return file;
}

std::string WritePileFilePIL(const PileFilePIL& data)
{
    if (data.PileNumbers.size() != data.Piles.size())
        throw std::length_error(".PIL: one pile number per pile is needed");
    TextBuilder out;
    out.Whole(CountOf(data.Piles.size(), "piles"))
        .Field(data.Value1)
        .Field(data.Value2)
        .Whole(data.Number)
        .End();
    for (auto number : data.PileNumbers)
        out.Whole(number).End();
    for (const auto& pile : data.Piles) {
        out.Whole(pile.Numbers[0]).Whole(pile.Numbers[1]);
        writeSingles(out, pile.Values);
        out.End().Line(pile.Line).Field(pile.LastValue).End();
    }
    // A block is one line: its four values, the entry count and the entries.
    for (const auto& block : data.Blocks) {
        writeSingles(out, block.Values);
        out.Whole(CountOf(block.Entries.size(), "block entries"));
        for (float entry : block.Entries)
            out.Field(entry);
        out.End();
    }
    return out.Take();
}

void ReadDataFilePS1(FieldReader& in, DataFilePS1& file)
{
    file = DataFilePS1{};
    file.Wo = in.ReadSingle();
    file.ThetaOx = in.ReadSingle();
    file.ThetaOy = in.ReadSingle();
}

DataFilePS1 ReadDataFilePS1(FieldReader& in)
{
    DataFilePS1 file;
    ReadDataFilePS1(in, file);
    return file;
}

std::string WriteDataFilePS1(const DataFilePS1& data)
{
    return TextBuilder().Field(data.Wo).Field(data.ThetaOx).Field(data.ThetaOy).Take();
}

void ReadDataFileLDH(FieldReader& in, DataFileLDH& file)
{
    file = DataFileLDH{};
    readSingles(in, file.Values);
    while (!in.AtEnd()) {
        LineItemLDH item;
        item.Line = in.LineInput();
        readSingles(in, item.Values);
        file.Items.push_back(std::move(item));
    }
}

DataFileLDH ReadDataFileLDH(FieldReader& in)
{
    DataFileLDH file;
    ReadDataFileLDH(in, file);
    return file;
}

std::string WriteDataFileLDH(const DataFileLDH& data)
{
    TextBuilder out;
    writeSingles(out, data.Values);
    out.End();
    for (const auto& item : data.Items) {
        out.Line(item.Line);
        writeSingles(out, item.Values);
        out.End();
    }
    return out.Take();
}

void ReadDataFileLD1(FieldReader& in, DataFileLD1& file)
{
    file = DataFileLD1{};
    const auto n = ReadCount(in, "values", 1);
    file.Value = in.ReadSingle();
    const auto m = ReadCount(in, "rows", 4);
    input::CheckFits(in, 1ULL * n + 4ULL * m, "values and rows");
    file.Values.resize(static_cast<std::size_t>(n));
    for (auto& value : file.Values)
        value = in.ReadSingle();
    file.Rows.resize(static_cast<std::size_t>(m));
    for (auto& row : file.Rows)
        readSingles(in, row);
    readSingles(in, file.EndValues);
    file.EndLine = in.LineInput();
}

DataFileLD1 ReadDataFileLD1(FieldReader& in)
{
    DataFileLD1 file;
    ReadDataFileLD1(in, file);
    return file;
}

std::string WriteDataFileLD1(const DataFileLD1& data)
{
    TextBuilder out;
    // The N values follow the counts on their line, so that no line is empty.
    out.Whole(CountOf(data.Values.size(), "values"))
        .Field(data.Value)
        .Whole(CountOf(data.Rows.size(), "rows"));
    for (float value : data.Values)
        out.Field(value);
    out.End();
    for (const auto& row : data.Rows) {
        writeSingles(out, row);
        out.End();
    }
    writeSingles(out, data.EndValues);
    // The whole line is a line of its own after the two values.
    out.End().Line(data.EndLine);
    return out.Take();
}

void ReadDataFileQP1(FieldReader& in, DataFileQP1& file)
{
    file = DataFileQP1{};
    const auto n = ReadCount(in, "items", 7);
    readSingles(in, file.Head);
    file.Items.resize(static_cast<std::size_t>(n));
    for (auto& item : file.Items) {
        readSingles(in, item.First);
        item.Number = in.ReadInt16();
        readSingles(in, item.Second);
    }
}

DataFileQP1 ReadDataFileQP1(FieldReader& in)
{
    DataFileQP1 file;
    ReadDataFileQP1(in, file);
    return file;
}

std::string WriteDataFileQP1(const DataFileQP1& data)
{
    TextBuilder out;
    out.Whole(CountOf(data.Items.size(), "items"));
    writeSingles(out, data.Head);
    out.End();
    for (const auto& item : data.Items) {
        writeSingles(out, item.First);
        out.Whole(item.Number);
        writeSingles(out, item.Second);
        out.End();
    }
    return out.Take();
}

namespace {

template <std::size_t N, class File> File readQp(FieldReader& in)
{
    File file;
    const auto n = ReadCount(in, "items", N);
    readSingles(in, file.Head);
    file.Items.resize(static_cast<std::size_t>(n));
    for (auto& item : file.Items)
        readSingles(in, item);
    return file;
}

template <class File> std::string writeQp(const File& data)
{
    TextBuilder out;
    out.Whole(CountOf(data.Items.size(), "items"));
    writeSingles(out, data.Head);
    out.End();
    for (const auto& item : data.Items) {
        writeSingles(out, item);
        out.End();
    }
    return out.Take();
}

} // namespace

DataFileQP2 ReadDataFileQP2(FieldReader& in)
{
    return readQp<3, DataFileQP2>(in);
}
DataFileQP3 ReadDataFileQP3(FieldReader& in)
{
    return readQp<6, DataFileQP3>(in);
}
std::string WriteDataFileQP2(const DataFileQP2& data)
{
    return writeQp(data);
}
std::string WriteDataFileQP3(const DataFileQP3& data)
{
    return writeQp(data);
}

} // namespace teska
