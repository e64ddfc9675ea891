// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/SoilData.h"

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "lists/sections/SectionFiles.h"
#include "project/input/InputFiles.h"
#include "project/opening/ProjectState.h"
#include "suite/Errors.h"

namespace teska {

namespace {

const std::string Plain;
constexpr long SoilKey = 140162;

// The loading state of the layers, the last whole number of the .BAU.
enum LoadingState : std::int16_t { NotStated = 0, Loading = 1, Unloading = 2 };

// The label and symbol of a layer row that depends on the loading state.
struct StateRow {
    NameValueLabel Label;
    std::string Symbol;
};

// The modulus row (10173) or the compression index row (10174): plain
// when the state is not stated, else the caption with " (Loading)" or
// " (Unloading)" and the symbol of that state.
StateRow RowOfState(const TextCatalogue& catalogue, long caption, LoadingState state, const char* loading,
    const char* unloading)
{
    if (state == NotStated)
        return {caption, loading};
    const long stateCaption = state == Loading ? 90160 : 90159;
    return {catalogue.LookupText(caption) + " (" + catalogue.LookupText(stateCaption) + ")",
        state == Loading ? loading : unloading};
}
// The name/value rows of a boring's head and of each of its layers.
constexpr std::int32_t HeadRows = 5;
constexpr std::int32_t LayerRows = 9;

class SoilData : public SectionContent {
public:
    SoilData(SoilFileBAU soil, UnitSettings units, TableHeading heading, TableCells cells, StateRow modulus,
        StateRow index)
        : m_soil(std::move(soil))
        , m_units(std::move(units))
        , m_heading(std::move(heading))
        , m_cells(std::move(cells))
        , m_modulus(std::move(modulus))
        , m_index(std::move(index))
    { }

    void WriteHead(ListWriter& writer) override { writer.WriteLines({SoilKey}); }

    void WriteBody(ListWriter& writer) override
    {
        const TextCatalogue& catalogue = writer.SessionRef().catalogue;
        const std::string stressUnit = UnitLabel(m_units, catalogue, 0);
        const std::string weightUnit = UnitLabel(m_units, catalogue, 3);
        const double stress = UnitFactor(m_units, 0);
        const double weight = UnitFactor(m_units, 3);
        const double length = m_units.LengthFactor;
        const std::string& lengthUnit = m_units.LengthUnit;

        writer.AddNameValueRow(30011L, "GW", lengthUnit, m_soil.Record5 * length, Plain);
        writer.AddNameValueRow(160044L, "Alfa", "[-]", m_soil.Records1To3[0], Plain);
        writer.FlushNameValueRows();
        writer.WriteLines({90026L});
        WriteCellTable(writer, m_heading, m_cells);

        for (std::size_t i = 0; i < m_soil.Borings.size(); ++i) {
            const BoringBAU& boring = m_soil.Borings[i];
            // The boring's head rows and its first layer make one block;
            // every further layer is a block of its own, so that a page
            // break falls between layers. The blocks align alike: every
            // layer has the same labels, symbols and units.
            writer.EnsureLines(2 + HeadRows + LayerRows);
            writer.State().LineOnPage += 2;
            writer.AddNameValueRow(catalogue.LookupText(90022) + ": " + std::to_string(i + 1), std::string(),
                std::string(), std::monostate(), Plain);
            writer.AddNameValueRow(
                catalogue.LookupText(30087) + ": ", std::string(), std::string(), boring.Name, Plain);
            writer.AddNameValueRow(catalogue.LookupText(10283, {std::string("|1"), catalogue.AxisName1()}),
                "Xb", lengthUnit, boring.X * length, Plain);
            writer.AddNameValueRow(catalogue.LookupText(10283, {std::string("|1"), catalogue.AxisName2()}),
                "Yb", lengthUnit, boring.Y * length, Plain);
            writer.AddNameValueRow(catalogue.LookupText(90115) + ": ", std::string(), lengthUnit,
                boring.HeaderValue * length, Plain);
            for (std::size_t j = 0; j < boring.Layers.size(); ++j) {
                if (j > 0) {
                    writer.FlushNameValueRows();
                    writer.KeepTogether(LayerRows);
                }
                const auto& layer = boring.Layers[j];
                const auto& entry = boring.LayerEntries[j];
                const auto& entry2 = boring.LayerEntries2[j];
                writer.AddNameValueRow(catalogue.LookupText(40057) + " " + std::to_string(j + 1), "h",
                    lengthUnit, layer[0] * length, Plain);
                writer.AddNameValueRow(90029L, "Es", stressUnit, layer[1] * stress, Plain);
                writer.AddNameValueRow(
                    m_modulus.Label, m_modulus.Symbol, stressUnit, layer[2] * stress, Plain);
                writer.AddNameValueRow(90028L, "Nue", "[-]", layer[3], Plain);
                writer.AddNameValueRow(m_index.Label, m_index.Symbol, "[-]", layer[4], Plain);
                writer.AddNameValueRow(10175L, "eo", "[-]", entry[0], Plain);
                writer.AddNameValueRow(90254L, "Gama", weightUnit, entry[1] * weight, Plain);
                writer.AddNameValueRow(30008L, "Fhi", "[\xC2\xB0]", entry2[0], Plain);
                writer.AddNameValueRow(30009L, "c", stressUnit, entry2[1] * stress, Plain);
            }
            writer.FlushNameValueRows();
        }
    }

private:
    SoilFileBAU m_soil;
    UnitSettings m_units;
    TableHeading m_heading;
    TableCells m_cells;
    StateRow m_modulus;
    StateRow m_index;
};

} // namespace

std::unique_ptr<SectionContent> ReadSoilData(const SectionInputs& inputs)
{
    SoilFileBAU soil = ReadSoilFileBAU(OpenSectionRecordFile(inputs, ".BAU"));
    if (soil.LastNumber < NotStated || soil.LastNumber > Unloading)
        throw FileFormatError(DataSectionPath(inputs, ".BAU"), 0, 0, 0,
            "the loading state (the last whole number) is " + std::to_string(soil.LastNumber)
                + ", 0, 1 or 2 expected");
    const auto state = static_cast<LoadingState>(soil.LastNumber);
    const TextCatalogue& catalogue = inputs.session.catalogue;
    StateRow modulus = RowOfState(catalogue, 10173, state, "E", "W");
    StateRow index = RowOfState(catalogue, 10174, state, "Cc", "Cr");
    const UnitSettings& units = inputs.session.environment.Units();
    const ColumnDefinition columns = DataColumns(inputs, SoilKey, 0);
    const bool withModuli = columns.ColumnCount >= 5;
    const std::string text123 = inputs.session.catalogue.LookupText(123);

    TableCells cells;
    cells.Reset(columns.ColumnCount, static_cast<std::int32_t>(soil.Borings.size()));
    for (std::size_t i = 1; i <= soil.Borings.size(); ++i) {
        const BoringBAU& boring = soil.Borings[i - 1];
        const auto r = static_cast<std::int32_t>(i);
        cells.Cell(r, 0) = std::to_string(i);
        cells.Cell(r, 1) = text123 + boring.Name + text123;
        cells.Cell(r, 2) = CellText(boring.X, units.LengthFactor, Plain);
        cells.Cell(r, 3) = CellText(boring.Y, units.LengthFactor, Plain);
        if (withModuli)
            cells.Cell(r, 4) = CellText(boring.Value, UnitFactor(units, 3), Plain);
    }
    TableHeading heading = DataTableHeading(inputs, columns);
    return std::make_unique<SoilData>(
        std::move(soil), units, std::move(heading), std::move(cells), std::move(modulus), std::move(index));
}

} // namespace teska
