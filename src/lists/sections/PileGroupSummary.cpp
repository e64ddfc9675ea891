// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/PileGroupSummary.h"

#include <array>
#include <vector>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "lists/sections/SectionFiles.h"
#include "project/input/InputFiles.h"

namespace teska {

namespace {

// The summary keeps the plain number form: no result format is chosen for
// this key.
const std::string Plain;

struct PileTable {
    long HeadingId = 0;
    TableHeading Heading;
    TableCells Cells;
};

// The three value columns of one table: values[r][k] x factor k.
template <std::size_t N>
TableCells ThreeColumns(
    const std::vector<std::array<float, N>>& items, std::size_t first, const std::array<double, 3>& factors)
{
    std::array<std::vector<float>, 3> columns;
    for (const auto& item : items)
        for (std::size_t k = 0; k < 3; ++k)
            columns[k].push_back(item[first + k]);
    TableCells cells;
    const auto rows = static_cast<std::int32_t>(items.size());
    FillNumberedRows(cells, 3, rows, {columns[0], factors[0], Plain}, {columns[1], factors[1], Plain},
        {columns[2], factors[2], Plain});
    return cells;
}

// The definition of 400165 with the captions, symbols and units of one of
// the further tables.
ColumnDefinition Retitled(ColumnDefinition columns, const std::array<CaptionEntry, 3>& captions,
    const std::array<const char*, 3>& symbols, const std::array<std::string, 3>& units)
{
    for (std::size_t k = 0; k < 3; ++k) {
        columns.ColumnCaptionIds.at(k + 1) = captions[k];
        columns.ColumnSymbols.at(k + 1) = symbols[k];
        columns.ColumnUnits.at(k + 1) = units[k];
    }
    return columns;
}

class PileGroupSummary : public SectionContent {
public:
    PileGroupSummary(
        std::array<float, 3> head, std::string levelUnit, double lengthFactor, std::vector<PileTable> tables)
        : m_head(head)
        , m_levelUnit(std::move(levelUnit))
        , m_lengthFactor(lengthFactor)
        , m_tables(std::move(tables))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.AddNameValueRow(300026L, "Po", m_levelUnit, m_head[0] * m_lengthFactor, Plain);
        writer.AddNameValueRow(300088L, "PL", m_levelUnit, m_head[1] * m_lengthFactor, Plain);
        writer.AddNameValueRow(400142L, "Alfa-Kpp", "[%]", m_head[2], Plain);
        writer.FlushNameValueRows();
        for (const PileTable& table : m_tables) {
            const LineItem caption[] = {table.HeadingId};
            WriteCaptionedCellTable(writer, caption, table.Heading, table.Cells);
        }
    }

private:
    std::array<float, 3> m_head;
    std::string m_levelUnit;
    double m_lengthFactor;
    std::vector<PileTable> m_tables;
};

} // namespace

std::unique_ptr<SectionContent> ReadPileGroupSummary(const SectionInputs& inputs)
{
    FieldReader qp2File = OpenSectionTextFile(inputs, ".QP2");
    const DataFileQP2 qp2 = ReadDataFileQP2(qp2File);
    FieldReader qp3File = OpenSectionTextFile(inputs, ".QP3");
    const DataFileQP3 qp3 = ReadDataFileQP3(qp3File);
    FieldReader qp1File = OpenSectionTextFile(inputs, ".QP1");
    const DataFileQP1 qp1 = ReadDataFileQP1(qp1File);

    const UnitSettings& u = inputs.session.environment.Units();
    const ColumnDefinition columns = DataColumns(inputs, 400165, 0);
    auto heading = [&](const ColumnDefinition& c) { return DataTableHeading(inputs, c); };

    std::vector<PileTable> tables;
    tables.push_back({140239, heading(columns),
        ThreeColumns(qp2.Items, 0, {u.Force2Factor, u.Length2Factor, UnitFactor(u, 4)})});
    const ColumnDefinition resistances = Retitled(
        columns, {40082L, 40083L, 120045L}, {"Qma", "Qsp", "Fr"}, {u.Force2Unit, u.Force2Unit, u.Force2Unit});
    tables.push_back({400068, heading(resistances),
        ThreeColumns(qp3.Items, 0, {u.Force2Factor, u.Force2Factor, u.Force2Factor})});
    const ColumnDefinition settlements = Retitled(columns, {400143L, 40081L, 400145L}, {"Sv", "Sr-Sv", "Sr"},
        {u.Length2Unit, u.Length2Unit, u.Length2Unit});
    tables.push_back({140235, heading(settlements),
        ThreeColumns(qp3.Items, 3, {u.Length2Factor, u.Length2Factor, u.Length2Factor})});
    // The depth column has no caption of its own: its symbol and unit say it.
    const ColumnDefinition shaft = Retitled(columns, {std::string(), 400004L, 400093L}, {"L", "Qs", "Ss"},
        {u.LengthUnit, u.Force2Unit, u.Length2Unit});
    std::vector<std::array<float, 3>> layers;
    for (const QpItemQP1& item : qp1.Items)
        layers.push_back(item.First);
    tables.push_back(
        {400100, heading(shaft), ThreeColumns(layers, 0, {u.LengthFactor, u.Force2Factor, u.Length2Factor})});

    return std::make_unique<PileGroupSummary>(qp1.Head, u.LengthUnit, u.LengthFactor, std::move(tables));
}

} // namespace teska
