// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/LoadCases.h"

#include <cmath>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "lists/sections/SectionFiles.h"
#include "project/data/ProjectData.h"
#include "project/input/InputFiles.h"
#include "project/opening/ProjectReader.h"
#include "project/opening/ProjectState.h"

namespace teska {

namespace {

const std::string Plain;
constexpr long LoadKey = 90073;

// The mark of a line load's distribution in the second load table.
const char* ShapeMark(LineLoadShape shape)
{
    switch (shape) {
    case LineLoadShape::Triangle:
        return "I";
    case LineLoadShape::Linear:
        return "II";
    case LineLoadShape::Constant:
        break;
    }
    return "III";
}

class LoadCases : public SectionContent {
public:
    LoadCases(TableHeading headTable, TableHeading itemTable, TableCells items, TableHeading lineTable,
        TableCells lines)
        : m_headTable(std::move(headTable))
        , m_itemTable(std::move(itemTable))
        , m_items(std::move(items))
        , m_lineTable(std::move(lineTable))
        , m_lines(std::move(lines))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({LoadKey});
        writer.WriteLines({90018L, 90019L, 90017L, 16387L});
        writer.WriteTableHeading(m_headTable);
        writer.WriteLines({16392L, 16396L});
    }

    void WriteBody(ListWriter& writer) override
    {
        writer.WriteLines({90021L, 10033L});
        WriteCellTable(writer, m_itemTable, m_items);
        WriteCellTable(writer, m_lineTable, m_lines);
    }

private:
    TableHeading m_headTable;
    TableHeading m_itemTable;
    TableCells m_items;
    TableHeading m_lineTable;
    TableCells m_lines;
};

} // namespace

std::unique_ptr<SectionContent> ReadLoadCases(const SectionInputs& inputs)
{
    ReadSoilFileBAU(OpenSectionRecordFile(inputs, ".BAU"));
    const LoadFileP41 items = ReadLoadFileP41(OpenSectionRecordFile(inputs, ".P41"));
    const std::string base = inputs.project.SiblingPath(std::string());
    const ProjectLoads loads = ProjectReader::ReadLoads(base);
    const UnitSettings& units = inputs.session.environment.Units();

    ColumnDefinition head = DataColumns(inputs, LoadKey, 0);
    head.ColumnCaptionIds[0] = 160020L;

    const ColumnDefinition itemColumns = DataColumns(inputs, LoadKey, 1);
    TableCells itemCells;
    itemCells.Reset(itemColumns.ColumnCount, static_cast<std::int32_t>(items.Items.size()));
    for (std::size_t i = 1; i <= items.Items.size(); ++i) {
        const auto r = static_cast<std::int32_t>(i);
        itemCells.Cell(r, 0) = std::to_string(i);
        itemCells.Cell(r, 1) = std::to_string(items.Items[i - 1].Number);
        itemCells.Cell(r, 2) = items.Items[i - 1].Text;
    }

    std::vector<const LineLoad*> lineLoads;
    for (const LoadCase& loadCase : loads.Cases)
        for (const LineLoad& load : loadCase.LineLoads)
            lineLoads.push_back(&load);
    const ColumnDefinition lineColumns = DataColumns(inputs, LoadKey, 2);
    const double intensity = UnitFactor(units, 4);
    TableCells lineCells;
    lineCells.Reset(lineColumns.ColumnCount, static_cast<std::int32_t>(lineLoads.size()));
    for (std::size_t i = 1; i <= lineLoads.size(); ++i) {
        const LineLoad& load = *lineLoads[i - 1];
        const auto r = static_cast<std::int32_t>(i);
        const float length = std::hypot(load.X2 - load.X1, load.Y2 - load.Y1);
        lineCells.Cell(r, 0) = std::to_string(i);
        lineCells.Cell(r, 1) = ShapeMark(load.Shape);
        lineCells.Cell(r, 2) = CellText(load.P1, intensity, Plain);
        lineCells.Cell(r, 3) = CellText(load.P2, intensity, Plain);
        lineCells.Cell(r, 4) = CellText(length, units.LengthFactor, Plain);
    }

    return std::make_unique<LoadCases>(DataTableHeading(inputs, head), DataTableHeading(inputs, itemColumns),
        std::move(itemCells), DataTableHeading(inputs, lineColumns), std::move(lineCells));
}

} // namespace teska
