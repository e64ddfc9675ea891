// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/ColumnLoads.h"

#include <array>
#include <span>
#include <vector>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "project/input/InputFiles.h"
#include "project/input/InputOpening.h"
#include "project/opening/ProjectState.h"

namespace teska {

namespace {

constexpr long Key = 140169;
constexpr const char* Plain = ""; // the empty pattern of the data values

// One value column of a table: the values of rows 1..n and their factor.
struct Values {
    std::vector<float> Data;
    double Factor = 1;
};

// Element k of every item.
template <std::size_t N>
std::vector<float> Field(const std::vector<std::array<float, N>>& items, std::size_t k)
{
    std::vector<float> out;
    out.reserve(items.size());
    for (const auto& item : items)
        out.push_back(item[k]);
    return out;
}

// The numbered rows of \p columns (2 to 6 of them, all as long as the first).
TableCells Numbered(int columnCount, const std::vector<Values>& columns)
{
    std::vector<ValueColumn> v;
    for (const Values& c : columns)
        v.push_back({std::span<const float>(c.Data), c.Factor, Plain});
    const auto rows = static_cast<std::int32_t>(columns.front().Data.size());
    TableCells cells;
    switch (v.size()) {
    case 2:
        FillNumberedRows(cells, columnCount, rows, v[0], v[1]);
        break;
    case 5:
        FillNumberedRows(cells, columnCount, rows, v[0], v[1], v[2], v[3], v[4]);
        break;
    case 6:
        FillNumberedRows(cells, columnCount, rows, v[0], v[1], v[2], v[3], v[4], v[5]);
        break;
    default:
        // Three columns, or four: the family has no member for four, so the
        // fourth is filled the same way after the first three.
        FillNumberedRows(cells, columnCount, rows, v[0], v[1], v[2]);
        for (std::size_t k = 3; k < v.size(); ++k)
            for (std::int32_t r = 1; r <= rows; ++r)
                cells.Cell(r, static_cast<int>(k) + 1) = FormatNumber(
                    static_cast<double>(v[k].Values[static_cast<std::size_t>(r - 1)]) * v[k].Factor, Plain);
        break;
    }
    return cells;
}

// A caption line (or none) and a table under it.
struct Part {
    std::vector<LineItem> Lines;
    TableHeading Heading;
    TableCells Cells;
};

// One load combination row.
struct ResultRow {
    NameValueLabel Label;
    std::string Symbol;
    std::string Unit;
    double Value = 0;
};

class ColumnLoads : public SectionContent {
public:
    ColumnLoads(const SectionInputs& inputs, Part loads, Part sides, std::vector<Part> tables,
        std::vector<ResultRow> rows)
        : in_(inputs)
        , loads_(std::move(loads))
        , sides_(std::move(sides))
        , tables_(std::move(tables))
        , rows_(std::move(rows))
    { }

    void WriteHead(ListWriter& writer) override { writer.WriteLines({90038L}); }

    void WriteBody(ListWriter& writer) override
    {
        Write(writer, std::span<const Part>(&loads_, 1));
        Write(writer, std::span<const Part>(&sides_, 1));
        WriteLegend(in_, writer, 10078L, 10077L, {10081L, 10082L, 10083L});
        Write(writer, tables_);
        // The resultant is read as one block.
        writer.KeepTogether(static_cast<std::int32_t>(rows_.size()));
        for (const ResultRow& row : rows_)
            writer.AddNameValueRow(row.Label, row.Symbol, row.Unit, row.Value, Plain);
        writer.FlushNameValueRows();
    }

private:
    static void Write(ListWriter& writer, std::span<const Part> parts)
    {
        for (const Part& part : parts)
            WriteCaptionedCellTable(writer, part.Lines, part.Heading, part.Cells);
    }

    SectionInputs in_;
    Part loads_;
    Part sides_;
    std::vector<Part> tables_;
    std::vector<ResultRow> rows_;
};

struct Files {
    LoadFilePCF pcf;
    LoadFilePCW pcw;
    LoadFilePC1 pc1;
    LoadFilePC7 pc7;
    LoadFilePC8 pc8;
};

Files ReadFiles(const SectionInputs& inputs)
{
    Files f;
    ReadDataText(
        inputs, DataSectionPath(inputs, ".PCF"), [&](FieldReader& in) { ReadLoadFilePCF(in, f.pcf); });
    ReadDataText(
        inputs, DataSectionPath(inputs, ".PCW"), [&](FieldReader& in) { ReadLoadFilePCW(in, f.pcw); });
    // The check takes the name as the file system holds it: on a system that
    // tells case apart, ".Pc1" would never be found.
    const std::string pc1 = DataSectionPath(inputs, ".PC1");
    if (!DataFileCheckRefuses(pc1, ModeRecord))
        ReadDataRecords(inputs, pc1, [&](const RecordFile& in) { f.pc1 = ReadLoadFilePC1(in); });
    ReadDataText(
        inputs, DataSectionPath(inputs, ".PC7"), [&](FieldReader& in) { ReadLoadFilePC7(in, f.pc7); });
    ReadDataText(
        inputs, DataSectionPath(inputs, ".PC8"), [&](FieldReader& in) { ReadLoadFilePC8(in, f.pc8); });
    return f;
}

class Builder {
public:
    explicit Builder(const SectionInputs& inputs)
        : in_(inputs)
        , units_(inputs.session.environment.Units())
        , method_(inputs.project.AnalysisMethod)
    { }

    Part Table(long selector, std::vector<LineItem> lines, TableCells cells) const
    {
        return Part{
            std::move(lines), DataTableHeading(in_, DataColumns(in_, Key, selector)), std::move(cells)};
    }
    ColumnDefinition Columns(long selector) const { return DataColumns(in_, Key, selector); }
    double Factor(const ColumnDefinition& columns, int column) const
    {
        return DataColumnFactor(in_, columns, column);
    }

    // The column loads of .PCF under the columns of selector 0.
    Part ColumnLoadTable(const LoadFilePCF& pcf) const
    {
        std::vector<float> numbers, v1, v2, v3;
        for (const LoadItemPCF& item : pcf.Items) {
            numbers.push_back(item.Number);
            v1.push_back(item.Values[0]);
            v2.push_back(item.Values[1]);
            v3.push_back(item.Values[2]);
        }
        const ColumnDefinition c = Columns(0);
        TableCells cells;
        if (method_ == 21) // No., Pv, M; the moment's unit is a label, not a kind
            cells = Numbered(c.ColumnCount, {{numbers, 1}, {v1, Factor(c, 2)}, {v3, UnitFactor(units_, 2)}});
        else if (method_ == 22)
            cells = Numbered(c.ColumnCount, {{v1, Factor(c, 1)}, {v2, Factor(c, 2)}});
        else
            cells = Numbered(
                c.ColumnCount, {{numbers, 1}, {v3, Factor(c, 2)}, {v1, Factor(c, 3)}, {v2, Factor(c, 4)}});
        return Part{{10079L}, DataTableHeading(in_, c), std::move(cells)};
    }

    // The side table of a and b under its caption line.
    Part SideTable(const LoadFilePCW& pcw) const
    {
        std::vector<float> a, b;
        for (const LoadItemPCW& item : pcw.Items) {
            a.push_back(item.Values[0]);
            b.push_back(item.Values[1]);
        }
        const ColumnDefinition c = Columns(SideTableSelector);
        return Part{{DataCaption(in_, 140105) + " " + DataCaption(in_, 90121) + ":"},
            DataTableHeading(in_, c), Numbered(c.ColumnCount, {{a, Factor(c, 1)}, {b, Factor(c, 2)}})};
    }

    // The tables after the legend; a table without rows is left out.
    std::vector<Part> LoadTables(const Files& f) const
    {
        std::vector<Part> parts;
        if (method_ == 21) {
            if (!f.pcf.Groups.empty())
                parts.push_back(Table(1, {}, GroupCells(f.pcf.Groups)));
            return parts;
        }
        if (method_ == 22)
            return parts;
        const LoadFilePC1& p = f.pc1;
        const auto add = [&](long selector, std::vector<LineItem> lines, const std::vector<Values>& columns) {
            if (!columns.front().Data.empty())
                parts.push_back(
                    Table(selector, std::move(lines), Numbered(Columns(selector).ColumnCount, columns)));
        };
        add(1, {DataCaption(in_, 90051) + " Mx:"}, Located(1, p.BlockD));
        add(2, {DataCaption(in_, 90051) + " My:"}, Located(2, p.BlockE));
        add(3, {10022L}, Extents(3, p.BlockA));
        add(5, {40006L}, Extents(5, p.BlockF));
        std::vector<std::array<float, 3>> c, polyline;
        for (const LoadItemPC1C& item : p.BlockC)
            c.push_back(item.Values);
        for (const auto& line : p.Polylines)
            for (const PolylinePoint& point : line)
                polyline.push_back({point.Value, point.X, point.Y});
        add(6, {}, Located(6, c));
        add(6, {}, Located(6, polyline));
        const long part = f.pc7.Values[1] == 0 ? 90082 : 10062;
        add(4, {DataCaption(in_, 90041) + " " + DataCaption(in_, part)}, Extents(4, p.BlockB));
        return parts;
    }

    std::vector<ResultRow> Rows(const LoadFilePC7& pc7, const LoadFilePC8& pc8) const
    {
        const TextCatalogue& catalogue = in_.session.catalogue;
        const std::string force = units_.ForceUnit;
        const double f = units_.ForceFactor;
        const auto kind = [&](long k) { return UnitLabel(units_, catalogue, k); };
        const auto& v = pc7.Values;
        const bool code = catalogue.TerminologySwitch() != 0;
        const std::string total
            = DataCaption(in_, 120045) + (v[3] != 0 ? " (P =  Pe + Pa - Pw)" : " (P = Pe + Pa)");
        const double pressure = UnitFactor(units_, 0), moment = UnitFactor(units_, 2);
        const double length = units_.LengthFactor;
        return {
            {code ? 120044L : 120048L, "Pe", force, v[0] * f},
            {code ? 120046L : 120047L, "Pa", force, v[1] * f},
            {total, "P", force, v[2] * f},
            {120049L, "Pw", force, v[3] * f},
            {140215L, "Qw", kind(0), v[4] * pressure},
            {160007L, "Qo", kind(0), v[5] * pressure},
            {120050L, "Mx", kind(2), v[6] * moment},
            {120050L, "My", kind(2), v[7] * moment},
            {90118L, "ex", units_.LengthUnit, v[8] * length},
            {90118L, "ey", units_.LengthUnit, v[9] * length},
            {90119L, "Ix", kind(5), pc8.Values[0] * UnitFactor(units_, 5)},
            {90119L, "Iy", kind(5), pc8.Values[1] * UnitFactor(units_, 5)},
            {90120L, "Ixy", kind(5), pc8.Values[2] * UnitFactor(units_, 5)},
            {120052L, "A", kind(7), pc8.Values[3] * UnitFactor(units_, 7)},
            {120053L, "V", kind(6), pc8.Values[4] * UnitFactor(units_, 6)},
        };
    }

private:
    // Items of (value, x, y) under the three columns of \p selector.
    std::vector<Values> Located(long selector, const std::vector<std::array<float, 3>>& items) const
    {
        const ColumnDefinition c = Columns(selector);
        return {{Field(items, 0), Factor(c, 1)}, {Field(items, 1), Factor(c, 2)},
            {Field(items, 2), Factor(c, 3)}};
    }

    // Items of N values, one per column of \p selector in file order.
    template <std::size_t N>
    std::vector<Values> Extents(long selector, const std::vector<std::array<float, N>>& items) const
    {
        const ColumnDefinition c = Columns(selector);
        std::vector<Values> columns;
        for (std::size_t k = 0; k < N; ++k)
            columns.push_back({Field(items, k), Factor(c, static_cast<int>(k) + 1)});
        return columns;
    }

    // The load groups of the plane frame: the beam in the row-number column.
    TableCells GroupCells(const std::vector<LoadGroupPCF>& groups) const
    {
        TableCells cells;
        const auto rows = static_cast<std::int32_t>(groups.size());
        cells.Reset(2, rows);
        const double perLength = UnitFactor(units_, 4);
        for (std::int32_t r = 1; r <= rows; ++r) {
            const LoadGroupPCF& g = groups[static_cast<std::size_t>(r - 1)];
            AppendNumberText(cells.Cell(r, 0), g.Number1);
            cells.Cell(r, 1) = FormatNumber(static_cast<double>(g.Value) * perLength, Plain);
            AppendNumberText(cells.Cell(r, 2), g.Number2);
        }
        return cells;
    }

    const SectionInputs& in_;
    UnitSettings units_;
    int method_;
};

} // namespace

std::unique_ptr<SectionContent> ReadColumnLoads(const SectionInputs& inputs)
{
    const Files f = ReadFiles(inputs);
    const Builder b(inputs);
    return std::make_unique<ColumnLoads>(
        inputs, b.ColumnLoadTable(f.pcf), b.SideTable(f.pcw), b.LoadTables(f), b.Rows(f.pc7, f.pc8));
}

} // namespace teska
