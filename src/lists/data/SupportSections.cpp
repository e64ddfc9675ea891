// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The supports (60005) and the spring supports (140015) of the data list,
// with the side table of the points a and b that both files carry.

#include <algorithm>
#include <span>

#include "lists/Session.h"
#include "lists/data/DataSectionReaders.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/SupportTable.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "project/input/InputOpening.h"
#include "project/opening/ProjectState.h"

namespace teska {

namespace {

// The points as a table of two value columns in the units of the side
// table's columns.
TableCells PointTable(const SectionInputs& inputs, const ListKey& key, const std::vector<PointXY>& points)
{
    const ColumnDefinition columns = DataColumns(inputs, key, SideTableSelector);
    std::vector<float> a, b;
    a.reserve(points.size());
    b.reserve(points.size());
    for (const PointXY& p : points) {
        a.push_back(p.X);
        b.push_back(p.Y);
    }
    TableCells cells;
    FillNumberedRows(cells, 2, static_cast<std::int32_t>(points.size()),
        ValueColumn{std::span<const float>(a), DataColumnFactor(inputs, columns, 1), DataValuePattern},
        ValueColumn{std::span<const float>(b), DataColumnFactor(inputs, columns, 2), DataValuePattern});
    return cells;
}

// The side table of a and b: its caption line, then the table.
void WriteSideTable(
    const SectionInputs& inputs, ListWriter& writer, const ListKey& key, const TableCells& cells)
{
    writer.WriteLines({DataCaption(inputs, 140105) + " " + DataCaption(inputs, 90121) + ":"});
    WriteDataTable(inputs, writer, DataColumns(inputs, key, SideTableSelector), cells);
}

class SupportSection : public SectionContent {
public:
    SupportSection(const SectionInputs& inputs, std::size_t items, TableCells points, TableCells supports,
        TableCells conditions)
        : in_(inputs)
        , items_(items)
        , points_(std::move(points))
        , supports_(std::move(supports))
        , conditions_(std::move(conditions))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({60005L});
        writer.AddNameValueRow(90007L, "Na", "", std::to_string(items_), "");
        writer.FlushNameValueRows();
        writer.WriteLines({90008L, std::string()});
        // The legend of the condition column: free, fixed, elastic.
        writer.AddNameValueRow(90012L, "w, Theta =  F", "", std::string(), "");
        writer.AddNameValueRow(90013L, "w, Theta =  0", "", std::string(), "");
        writer.AddNameValueRow(90014L, "w, Theta <> 0", "", std::string(), "");
        writer.FlushNameValueRows();
    }

    void WriteBody(ListWriter& writer) override
    {
        WriteSideTable(in_, writer, 60005L, points_);
        writer.WriteLines({90010L});
        WriteDataTable(in_, writer, DataColumns(in_, 60005L, 0), supports_);
        WriteLegend(in_, writer, 80063L, 10073L, {10074L, 10075L, 10076L});
        WriteDataTable(in_, writer, DataColumns(in_, 60005L, 1), conditions_);
    }

private:
    SectionInputs in_;
    std::size_t items_;
    TableCells points_;
    TableCells supports_;
    TableCells conditions_;
};

class SpringSection : public SectionContent {
public:
    SpringSection(const SectionInputs& inputs, std::size_t items, TableCells points, TableCells springs)
        : in_(inputs)
        , items_(items)
        , points_(std::move(points))
        , springs_(std::move(springs))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({140015L});
        writer.AddNameValueRow(90007L, "Nas", "", std::to_string(items_), "");
        writer.FlushNameValueRows();
        writer.WriteLines({140015L});
    }

    void WriteBody(ListWriter& writer) override
    {
        WriteSideTable(in_, writer, 140015L, points_);
        writer.WriteLines({140015L});
        WriteDataTable(in_, writer, DataColumns(in_, 140015L, 0), springs_);
    }

private:
    SectionInputs in_;
    std::size_t items_;
    TableCells points_;
    TableCells springs_;
};

} // namespace

std::unique_ptr<SectionContent> ReadSupportSection(const SectionInputs& inputs)
{
    // Each file fills its record in place and is applied also after a
    // fault inside it, so the list shows what was read up to the fault.
    InputArrays arrays;
    SupportFileP61 p61;
    ReadDataText(
        inputs, DataSectionPath(inputs, ".P61"), [&](FieldReader& in) { ReadSupportFileP61(in, p61); });
    ApplySupportFileP61(p61, arrays.Supports);
    SupportFileP71 p71;
    ReadDataText(
        inputs, DataSectionPath(inputs, ".P71"), [&](FieldReader& in) { ReadSupportFileP71(in, p71); });
    ApplySupportFileP71(p71, arrays.Supports);
    // A .P31 that the data file check refuses leaves the arrays as .P71 left
    // them.
    const std::string p31 = DataSectionPath(inputs, ".P31");
    if (!DataFileCheckRefuses(p31, ModeInput)) {
        SupportFileP31 file;
        ReadDataText(inputs, p31, [&](FieldReader& in) { ReadSupportFileP31(in, file); });
        ApplySupportFileP31(file, arrays);
    }

    const ColumnDefinition columns = DataColumns(inputs, 60005L, 0);
    TableCells supports;
    FillSupportTable(supports, arrays.Supports, inputs.project.AnalysisMethod,
        DataColumnFactor(inputs, columns, 2), DataColumnFactor(inputs, columns, 3));

    // The second table: the item and condition-code pairs of .P61, one per
    // row, under the columns of selector 1. Only the plane frame model
    // (AnalysisMethod 21) defines those columns as item and code; for the
    // other models they are the support columns again, so the table keeps
    // its heading and has no rows.
    const ColumnDefinition second = DataColumns(inputs, 60005L, 1);
    TableCells conditions;
    const auto pairs
        = inputs.project.AnalysisMethod == 21 ? static_cast<std::int32_t>(arrays.Supports.Pairs.size()) : 0;
    conditions.Reset(std::max(2, second.ColumnCount), pairs);
    for (std::int32_t r = 1; r <= pairs; ++r) {
        const auto& pair = arrays.Supports.Pairs[static_cast<std::size_t>(r - 1)];
        AppendNumberText(conditions.Cell(r, 0), r);
        AppendNumberText(conditions.Cell(r, 1), pair[0]);
        AppendNumberText(conditions.Cell(r, 2), pair[1]);
    }
    return std::make_unique<SupportSection>(inputs, arrays.Supports.ItemCount(),
        PointTable(inputs, 60005L, arrays.Points), std::move(supports), std::move(conditions));
}

std::unique_ptr<SectionContent> ReadSpringSection(const SectionInputs& inputs)
{
    PointFileP35 file;
    ReadDataText(
        inputs, DataSectionPath(inputs, ".P35"), [&file](FieldReader& in) { ReadPointFileP35(in, file); });

    const UnitSettings& units = inputs.session.environment.Units();
    const double length2 = units.Length2Factor;
    const double stiffness = UnitFactor(units, 10);
    TableCells springs;
    const auto count = static_cast<std::int32_t>(file.Items.size());
    springs.Reset(4, count);
    for (std::int32_t i = 1; i <= count; ++i) {
        const PointItemP35& item = file.Items[static_cast<std::size_t>(i - 1)];
        AppendNumberText(springs.Cell(i, 0), i);
        AppendNumberText(springs.Cell(i, 1), item.Number1);
        springs.Cell(i, 2) = FormatNumber(static_cast<double>(item.Values[0]) * length2, DataValuePattern);
        springs.Cell(i, 3) = FormatNumber(static_cast<double>(item.Values[1]) * stiffness, DataValuePattern);
        springs.Cell(i, 4) = FormatNumber(static_cast<double>(item.Values[2]) * stiffness, DataValuePattern);
    }
    return std::make_unique<SpringSection>(
        inputs, file.Items.size(), PointTable(inputs, 140015L, file.Points), std::move(springs));
}

} // namespace teska
