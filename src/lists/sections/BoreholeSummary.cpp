// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/BoreholeSummary.h"

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "lists/sections/SectionFiles.h"
#include "project/results/ResultFiles.h"
#include "suite/Errors.h"

namespace teska {

namespace {

constexpr std::size_t BoringCountRecord = 4;

// The values of ReadCountedValues are printed without a pattern, as the
// result formats of these keys are left as they were (empty).
const std::string ValuePattern;

class BoreholeSummary : public SectionContent {
public:
    BoreholeSummary(TableHeading heading, TableCells cells)
        : m_heading(std::move(heading))
        , m_cells(std::move(cells))
    { }

    void WriteHead(ListWriter& writer) override { WriteCellTable(writer, m_heading, m_cells); }

private:
    TableHeading m_heading;
    TableCells m_cells;
};

} // namespace

std::vector<BoringHeader> ReadBoringHeaders(const RecordFile& in)
{
    const std::int16_t count = in.GetInt16(BoringCountRecord);
    if (count < 0)
        throw FileFormatError(in.fileName(), 0, 0, BoringCountRecord,
            "the number of borings is negative (" + std::to_string(count) + ")");
    // The name of the last boring lies in record 5n + 3.
    const std::size_t lastRecord = 5 * static_cast<std::size_t>(count) + 3;
    if (count > 0 && lastRecord > in.RecordCount() + 1)
        throw FileFormatError(in.fileName(), 0, 0, BoringCountRecord,
            std::to_string(count) + " borings need " + std::to_string(lastRecord)
                + " records, the file holds " + std::to_string(in.RecordCount()));
    std::vector<BoringHeader> borings(static_cast<std::size_t>(count));
    for (std::size_t i = 1; i <= borings.size(); ++i) {
        BoringHeader& boring = borings[i - 1];
        boring.X = in.GetSingle(5 * i + 1);
        boring.Y = in.GetSingle(5 * i + 2);
        boring.Name = in.GetString(5 * i + 3);
    }
    return borings;
}

std::unique_ptr<SectionContent> ReadBoreholeSummary(const SectionInputs& inputs, long key)
{
    const std::vector<BoringHeader> borings = ReadBoringHeaders(OpenSectionRecordFile(inputs, ".BAU"));

    const bool moduli = key == 90060;
    FieldReader valueFile = OpenSectionTextFile(inputs, moduli ? ".PW2" : ".QUB");
    const std::vector<float> values = ReadCountedValues(valueFile);
    if (values.size() < borings.size())
        throw FileFormatError(valueFile.fileName(), valueFile.line(), 0, 0,
            "one value per boring: " + std::to_string(borings.size()) + " borings, "
                + std::to_string(values.size()) + " values");

    const UnitSettings& units = inputs.session.environment.Units();
    const double valueFactor = UnitFactor(units, moduli ? 3 : 0);
    const std::string text123 = inputs.session.catalogue.LookupText(123);

    TableCells cells;
    cells.Reset(4, static_cast<std::int32_t>(borings.size()));
    for (std::size_t i = 1; i <= borings.size(); ++i) {
        const BoringHeader& boring = borings[i - 1];
        const auto r = static_cast<std::int32_t>(i);
        cells.Cell(r, 0) = std::to_string(i);
        cells.Cell(r, 1) = text123 + boring.Name + text123;
        cells.Cell(r, 2) = CellText(boring.X, units.LengthFactor, ValuePattern);
        cells.Cell(r, 3) = CellText(boring.Y, units.LengthFactor, ValuePattern);
        cells.Cell(r, 4) = CellText(values[i - 1], valueFactor, ValuePattern);
    }
    TableHeading heading = DataTableHeading(inputs, DataColumns(inputs, key, 0));
    return std::make_unique<BoreholeSummary>(std::move(heading), std::move(cells));
}

} // namespace teska
