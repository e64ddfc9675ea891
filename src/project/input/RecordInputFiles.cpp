// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record input files .PC1, .P41, .P21 and .BAU: one value per 128-byte
// record, records numbered from 1.

#include <stdexcept>

#include "project/input/InputFiles.h"
#include "project/input/InputHelpers.h"
#include "project/io/RecordFile.h"
#include "suite/Errors.h"

namespace teska {

using input::CheckRecords;
using input::CountOf;
using input::RecordCount;

namespace {

// Walks a record file one record after the other.
class RecordCursor {
public:
    RecordCursor(const RecordFile& in, std::size_t next)
        : m_in(&in)
        , m_next(next)
    { }
    float Single() { return m_in->GetSingle(m_next++); }
    std::int16_t Int16() { return m_in->GetInt16(m_next++); }
    std::string String() { return m_in->GetString(m_next++); }
    template <std::size_t N> void Singles(std::array<float, N>& values)
    {
        for (auto& value : values)
            value = Single();
    }
    std::size_t Next() const { return m_next; }

private:
    const RecordFile* m_in;
    std::size_t m_next;
};

class RecordAppender {
public:
    void Single(float value) { m_out.AppendSingle(value); }
    void Int16(std::int16_t value) { m_out.AppendInt16(value); }
    void String(const std::string& value)
    {
        if (value.size() > RecordLength - 2)
            throw std::length_error(
                "a string of " + std::to_string(value.size()) + " bytes does not fit in one record");
        m_out.PutString(m_out.RecordCount() + 1, value);
    }
    template <std::size_t N> void Singles(const std::array<float, N>& values)
    {
        for (float value : values)
            Single(value);
    }
    void PutInt16(std::size_t record, std::int16_t value) { m_out.PutInt16(record, value); }
    void Skip() { m_out.AppendInt16(0); }
    std::string Take() const { return m_out.bytes(); }

private:
    RecordWriter m_out;
};

template <class Item> void resizeChecked(std::vector<Item>& items, std::int16_t count)
{
    items.resize(static_cast<std::size_t>(count));
}

} // namespace

// ------------------------------------------------------------------- .PC1

LoadFilePC1 ReadLoadFilePC1(const RecordFile& in)
{
    static const char* const names[8]
        = {"items A", "items B", "items C", "items D", "items E", "items F", "polylines", "points"};
    std::int16_t counts[8];
    for (std::size_t i = 0; i < 8; ++i)
        counts[i] = RecordCount(in, i + 1, names[i]);
    const auto [a, b, c, d, e, f, g, p] = counts;
    const long blockRecords = 6L * a + 5L * b + 4L * c + 3L * d + 3L * e + 2L * p + 6L * f;
    // The blocks, the two counts after them and one count per polyline.
    CheckRecords(in, 1, "block records", blockRecords + 2 + g, 10, 1);

    LoadFilePC1 file;
    RecordCursor cursor(in, 10);
    resizeChecked(file.BlockA, a);
    for (auto& item : file.BlockA)
        cursor.Singles(item);
    resizeChecked(file.BlockB, b);
    for (auto& item : file.BlockB)
        cursor.Singles(item);
    resizeChecked(file.BlockC, c);
    for (auto& item : file.BlockC) {
        item.Number = cursor.Int16();
        cursor.Singles(item.Values);
    }
    resizeChecked(file.BlockD, d);
    for (auto& item : file.BlockD)
        cursor.Singles(item);
    resizeChecked(file.BlockE, e);
    for (auto& item : file.BlockE)
        cursor.Singles(item);
    resizeChecked(file.Points, p);
    for (auto& point : file.Points) {
        point.X = cursor.Single();
        point.Y = cursor.Single();
    }
    resizeChecked(file.BlockF, f);
    for (auto& item : file.BlockF)
        cursor.Singles(item);

    file.FurtherCount = cursor.Int16();
    const std::size_t qRecord = cursor.Next();
    file.MaxPolylinePoints = RecordCount(in, qRecord, "polyline points (Q)");
    cursor = RecordCursor(in, qRecord + 1);

    file.Polylines.resize(static_cast<std::size_t>(g));
    for (auto& polyline : file.Polylines) {
        const std::size_t countRecord = cursor.Next();
        const std::int16_t n = RecordCount(in, countRecord, "polyline points");
        if (n > file.MaxPolylinePoints)
            throw FileFormatError(in.fileName(), 0, 0, countRecord,
                "polyline of " + std::to_string(n) + " points, more than Q ("
                    + std::to_string(file.MaxPolylinePoints) + ")");
        CheckRecords(in, countRecord, "polyline points", n, countRecord + 1, 3);
        cursor = RecordCursor(in, countRecord + 1);
        polyline.resize(static_cast<std::size_t>(n));
        for (auto& point : polyline) {
            point.X = cursor.Single();
            point.Y = cursor.Single();
            point.Value = cursor.Single();
        }
    }
    return file;
}

std::string WriteLoadFilePC1(const LoadFilePC1& data)
{
    RecordAppender out;
    out.Int16(CountOf(data.BlockA.size(), "items A"));
    out.Int16(CountOf(data.BlockB.size(), "items B"));
    out.Int16(CountOf(data.BlockC.size(), "items C"));
    out.Int16(CountOf(data.BlockD.size(), "items D"));
    out.Int16(CountOf(data.BlockE.size(), "items E"));
    out.Int16(CountOf(data.BlockF.size(), "items F"));
    out.Int16(CountOf(data.Polylines.size(), "polylines"));
    out.Int16(CountOf(data.Points.size(), "points"));
    out.Skip(); // record 9
    for (const auto& item : data.BlockA)
        out.Singles(item);
    for (const auto& item : data.BlockB)
        out.Singles(item);
    for (const auto& item : data.BlockC) {
        out.Int16(item.Number);
        out.Singles(item.Values);
    }
    for (const auto& item : data.BlockD)
        out.Singles(item);
    for (const auto& item : data.BlockE)
        out.Singles(item);
    for (const auto& point : data.Points) {
        out.Single(point.X);
        out.Single(point.Y);
    }
    for (const auto& item : data.BlockF)
        out.Singles(item);
    out.Int16(data.FurtherCount);
    out.Int16(data.MaxPolylinePoints);
    for (const auto& polyline : data.Polylines) {
        if (polyline.size() > static_cast<std::size_t>(std::max<std::int16_t>(data.MaxPolylinePoints, 0)))
            throw std::length_error(".PC1: a polyline has more points than Q");
        out.Int16(CountOf(polyline.size(), "polyline points"));
        for (const auto& point : polyline) {
            out.Single(point.X);
            out.Single(point.Y);
            out.Single(point.Value);
        }
    }
    return out.Take();
}

// ------------------------------------------------------------------- .P41

LoadFileP41 ReadLoadFileP41(const RecordFile& in)
{
    const auto n = RecordCount(in, 1, "load items");
    CheckRecords(in, 1, "load items", n, 2, 2);
    LoadFileP41 file;
    file.Items.resize(static_cast<std::size_t>(n));
    RecordCursor cursor(in, 2);
    for (auto& item : file.Items) {
        item.Number = cursor.Int16();
        item.Text = cursor.String();
    }
    return file;
}

std::string WriteLoadFileP41(const LoadFileP41& data)
{
    RecordAppender out;
    out.Int16(CountOf(data.Items.size(), "load items"));
    for (const auto& item : data.Items) {
        out.Int16(item.Number);
        out.String(item.Text);
    }
    return out.Take();
}

// ------------------------------------------------------------------- .P21

SlabFileP21 ReadSlabFileP21(const RecordFile& in)
{
    SlabFileP21 file;
    RecordCursor cursor(in, 1);
    file.Record1 = cursor.Single();
    const auto n = RecordCount(in, 2, "slab items");
    cursor = RecordCursor(in, 3);
    file.Record3 = cursor.Single();
    cursor.Singles(file.Records4To7);
    file.SlabMark = cursor.String();
    file.Record9 = cursor.Single();
    CheckRecords(in, 2, "slab items", n, 10, 3);
    file.Items.resize(static_cast<std::size_t>(n));
    for (auto& item : file.Items)
        cursor.Singles(item);
    // Every record after the items holds the whole number of one element.
    const std::size_t first = cursor.Next();
    file.ElementNumbers.resize(in.RecordCount() - (first - 1));
    for (auto& number : file.ElementNumbers)
        number = cursor.Int16();
    return file;
}

std::string WriteSlabFileP21(const SlabFileP21& data)
{
    RecordAppender out;
    out.Single(data.Record1);
    out.Int16(CountOf(data.Items.size(), "slab items"));
    out.Single(data.Record3);
    out.Singles(data.Records4To7);
    out.String(data.SlabMark);
    out.Single(data.Record9);
    for (const auto& item : data.Items)
        out.Singles(item);
    for (auto number : data.ElementNumbers)
        out.Int16(number);
    return out.Take();
}

// ------------------------------------------------------------------- .BAU

SoilFileBAU ReadSoilFileBAU(const RecordFile& in)
{
    SoilFileBAU file;
    RecordCursor cursor(in, 1);
    cursor.Singles(file.Records1To3);
    const auto borings = RecordCount(in, 4, "borings");
    cursor = RecordCursor(in, 5);
    file.Record5 = cursor.Single();
    // The headers, and after them at least the two values, the value and the
    // whole number of the end and one value per boring.
    CheckRecords(in, 4, "borings", borings, 6, 6);
    file.Borings.resize(static_cast<std::size_t>(borings));
    unsigned long long layerRecords = 0;
    for (auto& boring : file.Borings) {
        boring.X = cursor.Single();
        boring.Y = cursor.Single();
        boring.Name = cursor.String();
        const std::size_t layerRecord = cursor.Next();
        const auto layers = RecordCount(in, layerRecord, "layers");
        cursor = RecordCursor(in, layerRecord + 1);
        boring.HeaderValue = cursor.Single();
        // Each layer takes 5 + 2 + 2 records in the blocks that follow.
        layerRecords += 9ULL * static_cast<unsigned long long>(layers);
        CheckRecords(in, layerRecord, "layer records", static_cast<long>(layerRecords), cursor.Next(), 1);
        boring.Layers.resize(static_cast<std::size_t>(layers));
        boring.LayerEntries.resize(static_cast<std::size_t>(layers));
        boring.LayerEntries2.resize(static_cast<std::size_t>(layers));
    }
    CheckRecords(in, 4, "layer records", static_cast<long>(layerRecords) + borings + 4, cursor.Next(), 1);
    for (auto& boring : file.Borings)
        for (auto& layer : boring.Layers)
            cursor.Singles(layer);
    for (auto& boring : file.Borings)
        for (auto& entry : boring.LayerEntries)
            cursor.Singles(entry);
    for (auto& boring : file.Borings)
        boring.Value = cursor.Single();
    cursor.Singles(file.Values);
    for (auto& boring : file.Borings)
        for (auto& entry : boring.LayerEntries2)
            cursor.Singles(entry);
    file.LastValue = cursor.Single();
    file.LastNumber = cursor.Int16();
    return file;
}

std::string WriteSoilFileBAU(const SoilFileBAU& data)
{
    RecordAppender out;
    out.Singles(data.Records1To3);
    out.Int16(CountOf(data.Borings.size(), "borings"));
    out.Single(data.Record5);
    for (const auto& boring : data.Borings) {
        if (boring.LayerEntries.size() != boring.Layers.size()
            || boring.LayerEntries2.size() != boring.Layers.size())
            throw std::length_error(".BAU: every boring needs one entry of each list per layer");
        out.Single(boring.X);
        out.Single(boring.Y);
        out.String(boring.Name);
        out.Int16(CountOf(boring.Layers.size(), "layers"));
        out.Single(boring.HeaderValue);
    }
    for (const auto& boring : data.Borings)
        for (const auto& layer : boring.Layers)
            out.Singles(layer);
    for (const auto& boring : data.Borings)
        for (const auto& entry : boring.LayerEntries)
            out.Singles(entry);
    for (const auto& boring : data.Borings)
        out.Single(boring.Value);
    out.Singles(data.Values);
    for (const auto& boring : data.Borings)
        for (const auto& entry : boring.LayerEntries2)
            out.Singles(entry);
    out.Single(data.LastValue);
    out.Int16(data.LastNumber);
    return out.Take();
}

} // namespace teska
