// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/SettlementSummary.h"

#include <vector>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "lists/sections/BoreholeSummary.h"
#include "lists/sections/SectionFiles.h"
#include "project/input/InputFiles.h"

namespace teska {

namespace {

const std::string Plain;

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class SettlementSummary : public SectionContent {
public:
    struct Values {
        std::string Kind; // the kind of point as it is printed
        double Dz = 0, Cs = 0, ZG = 0, U = 0;
        std::string LengthUnit;
    };

    SettlementSummary(Values values, TableHeading heading, TableCells cells)
        : m_values(std::move(values))
        , m_heading(std::move(heading))
        , m_cells(std::move(cells))
    { }

    void WriteHead(ListWriter& writer) override
    {
        const TextCatalogue& catalogue = writer.SessionRef().catalogue;
        writer.WriteLines({catalogue.LookupText(90139, {std::string("|1"), m_values.Kind})});
        writer.AddNameValueRow(10146L, "Dz", m_values.LengthUnit, m_values.Dz, Plain);
        writer.AddNameValueRow(10147L, "Cs", std::string(), m_values.Cs, Plain);
        writer.AddNameValueRow(90140L, std::string(), std::string(), m_values.Kind, Plain);
        writer.AddNameValueRow(catalogue.LookupText(90144, {std::string("|1"), std::string("unter")}), "ZG",
            m_values.LengthUnit, m_values.ZG, Plain);
        writer.AddNameValueRow(90145L, std::string(), std::string(), std::monostate(), Plain);
        writer.AddNameValueRow(90146L, "U", std::string(), m_values.U, Plain);
        writer.FlushNameValueRows();
        writer.WriteLines({90147L});
        WriteCellTable(writer, m_heading, m_cells);
    }

private:
    Values m_values;
    TableHeading m_heading;
    TableCells m_cells;
};

} // namespace

long PointKindCaption(const std::string& word)
{
    const std::string w = Trimmed(word);
    if (w == "CharacteristicPoint")
        return 90141;
    if (w == "SlabCenter")
        return 90142;
    if (w == "CertainPoint")
        return 90143;
    return 0;
}

std::unique_ptr<SectionContent> ReadSettlementSummary(const SectionInputs& inputs)
{
    ReadBoringHeaders(OpenSectionRecordFile(inputs, ".BAU"));
    FieldReader ldhFile = OpenSectionTextFile(inputs, ".LDH");
    const DataFileLDH ldh = ReadDataFileLDH(ldhFile);
    FieldReader ld1File = OpenSectionTextFile(inputs, ".LD1");
    const DataFileLD1 ld1 = ReadDataFileLD1(ld1File);

    const UnitSettings& u = inputs.session.environment.Units();
    SettlementSummary::Values values;
    const long kind = PointKindCaption(ld1.EndLine);
    values.Kind = kind != 0 ? inputs.session.catalogue.LookupText(kind) : Trimmed(ld1.EndLine);
    values.Dz = ldh.Values[0] * u.LengthFactor;
    values.Cs = ldh.Values[1];
    values.ZG = ld1.Value * u.LengthFactor;
    values.U = ld1.Values.empty() ? 0.0 : ld1.Values.back();
    values.LengthUnit = u.LengthUnit;

    const std::size_t n = ld1.Rows.size();
    std::vector<float> dz(n), se(n), sd(n), su(n), sv(n), ratio(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto& row = ld1.Rows[i];
        dz[i] = row[0];
        se[i] = row[1];
        sd[i] = row[2];
        su[i] = row[1] + row[2];
        sv[i] = row[3];
        ratio[i] = row[3] != 0 ? su[i] / row[3] : 0.0f;
    }
    const double stress = UnitFactor(u, 0);
    TableCells cells;
    FillNumberedRows(cells, 6, static_cast<std::int32_t>(n), {dz, u.LengthFactor, Plain}, {se, stress, Plain},
        {sd, stress, Plain}, {su, stress, Plain}, {sv, stress, Plain}, {ratio, 1, Plain});
    for (std::size_t i = 0; i < n; ++i)
        if (ld1.Rows[i][3] == 0)
            cells.Cell(static_cast<std::int32_t>(i + 1), 6).clear();

    TableHeading heading = DataTableHeading(inputs, DataColumns(inputs, 140019, 0));
    return std::make_unique<SettlementSummary>(std::move(values), std::move(heading), std::move(cells));
}

} // namespace teska
