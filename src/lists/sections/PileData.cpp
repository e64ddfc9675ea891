// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/PileData.h"

#include <algorithm>
#include <array>
#include <vector>

#include "lists/Session.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "project/input/InputFiles.h"
#include "suite/Errors.h"

namespace teska {

namespace {

const std::string Plain;
// Quantity kinds of the columns and rows (stress, unit weight, spring).
constexpr long StressKind = 0;
constexpr long WeightKind = 3;
constexpr long SpringKind = 4;
constexpr std::int32_t PileBlockRows = 11;

enum PileKind : std::int16_t { LimitLoad = 1, Spring = 2, ByLayers = 3, LoadTest = 4 };

// One value column of a pile table: its caption, symbol and unit, and the
// factor that brings a stored value into that unit.
struct PileColumn {
    CaptionEntry Caption;
    std::string Symbol;
    UnitEntry Unit;
    double Factor = 1;
};

std::string ValueText(double value)
{
    return FormatNumber(value, Plain);
}

class PileData : public SectionContent {
public:
    PileData(const SectionInputs& inputs, PileFilePL9 pl9, PileFilePL3 pl3, PileFilePIL pil)
        : in_(inputs)
        , pl9_(std::move(pl9))
        , pl3_(std::move(pl3))
        , pil_(std::move(pil))
        , units_(inputs.session.environment.Units())
    { }

    void WriteHead(ListWriter& writer) override { writer.WriteLines({10030L}); }

    void WriteBody(ListWriter& writer) override
    {
        for (std::size_t i = 0; i < pil_.Piles.size(); ++i)
            WritePileRows(writer, pil_.Piles[i]);
        WriteLayerTable(writer);

        const UnitSettings& u = units_;
        const PileColumn d{40070L, "D", u.LengthUnit, u.LengthFactor};
        const PileColumn l{140033L, "L", u.LengthUnit, u.LengthFactor};
        const PileColumn force{40078L, "Qli", u.ForceUnit, u.ForceFactor};
        WriteKindTable(writer, LimitLoad, {d, l, force});
        WriteKindTable(writer, Spring,
            {d, l, {140221L, "kz", SpringKind, UnitFactor(u, SpringKind)},
                {150L, "qul", StressKind, Stress()}});
        WriteKindTable(writer, ByLayers, {d, l});
        PileColumn load = force;
        load.Symbol = "Q";
        WriteKindTable(writer, LoadTest, {d, l, load, {40081L, "s", u.Length2Unit, u.Length2Factor}}, 80043L);

        writer.KeepTogether(3);
        writer.WriteLines({40037L});
        writer.AddNameValueRow(
            40038L, "GP", Label(WeightKind), pil_.Value1 * UnitFactor(units_, WeightKind), Plain);
        writer.AddNameValueRow(40039L, "Ep", Label(StressKind), pil_.Value2 * Stress(), Plain);
        writer.FlushNameValueRows();
    }

private:
    double Stress() const { return UnitFactor(units_, StressKind); }
    std::string Label(long kind) const { return UnitLabel(units_, in_.session.catalogue, kind); }

    void WritePileRows(ListWriter& writer, const PileEntryPIL& pile)
    {
        const double length = units_.LengthFactor;
        const std::string& lengthUnit = units_.LengthUnit;
        const std::string stressUnit = Label(StressKind);
        // A pile's rows stay on one page: two empty lines, five rows, the
        // limits heading and five rows.
        writer.EnsureLines(2 + PileBlockRows);
        writer.State().LineOnPage += 2;
        writer.AddNameValueRow(DataCaption(in_, 10017) + ": " + pile.Line, std::string(), std::string(),
            std::monostate(), Plain);
        writer.AddNameValueRow(DataCaption(in_, 40056) + ": " + std::to_string(pile.Numbers[1]),
            std::string(), std::string(), std::monostate(), Plain);
        writer.AddNameValueRow(40070L, "D", lengthUnit, pile.Values[0] * length, Plain);
        writer.AddNameValueRow(40071L, "Df", lengthUnit, pile.Values[1] * length, Plain);
        writer.AddNameValueRow(140033L, "Lg", lengthUnit, pile.Values[2] * length, Plain);
        writer.FlushNameValueRows();
        writer.WriteLines({40068L});
        const TextCatalogue& catalogue = in_.session.catalogue;
        auto stress = [&](const char* symbol) {
            return catalogue.LookupText(40069, {std::string("|1"), std::string(symbol)});
        };
        writer.AddNameValueRow(40065L, "qs", stressUnit, pile.Values[3] * Stress(), Plain);
        writer.AddNameValueRow(40064L, "Cu", stressUnit, pile.Values[4] * Stress(), Plain);
        writer.AddNameValueRow(stress("Sig"), "Sig", stressUnit, pile.Values[5] * Stress(), Plain);
        writer.AddNameValueRow(stress("Sig1"), "Sig1", stressUnit, pile.Values[6] * Stress(), Plain);
        writer.AddNameValueRow(stress("SigGR"), "SigGR", stressUnit, pile.LastValue * Stress(), Plain);
        writer.FlushNameValueRows();
    }

    void WriteLayerTable(ListWriter& writer)
    {
        const auto rows = static_cast<std::int32_t>(pil_.Blocks.size());
        if (rows == 0)
            return;
        std::size_t levels = 0;
        for (const PileBlockPIL& block : pil_.Blocks)
            levels = std::max(levels, block.Entries.size());
        ColumnDefinition columns = ResetColumns(static_cast<int>(4 + levels));
        SetColumn(columns, 1, {40057L, "L1", units_.LengthUnit});
        SetColumn(columns, 2, {40052L, "Cu", StressKind});
        SetColumn(columns, 3, {40053L, "qs", StressKind});
        SetColumn(columns, 4, {40054L, "Tau", StressKind});
        for (std::size_t k = 1; k <= levels; ++k)
            SetColumn(columns, static_cast<int>(4 + k), {40055L, "Tau" + std::to_string(k), StressKind});

        TableCells cells;
        cells.Reset(columns.ColumnCount, rows);
        for (std::int32_t r = 1; r <= rows; ++r) {
            const PileBlockPIL& block = pil_.Blocks[static_cast<std::size_t>(r - 1)];
            AppendNumberText(cells.Cell(r, 0), r);
            cells.Cell(r, 1) = ValueText(block.Values[0] * units_.LengthFactor);
            for (int k = 1; k < 4; ++k)
                cells.Cell(r, k + 1) = ValueText(block.Values[static_cast<std::size_t>(k)] * Stress());
            for (std::size_t k = 0; k < levels; ++k)
                cells.Cell(r, static_cast<int>(5 + k))
                    = k < block.Entries.size() ? ValueText(block.Entries[k] * Stress()) : std::string("-");
        }
        WriteCaptionedTable(writer, 140097L, columns, cells);
    }

    std::int32_t CountOf(PileKind kind) const
    {
        return static_cast<std::int32_t>(std::count(
            pl3_.Numbers.begin(), pl3_.Numbers.begin() + static_cast<std::ptrdiff_t>(Piles()), kind));
    }
    std::size_t Piles() const { return pil_.Piles.size(); }

    // A table under its caption (none when \p caption is 0); the caption
    // stays with the table's heading and first row.
    void WriteCaptionedTable(
        ListWriter& writer, long caption, const ColumnDefinition& columns, const TableCells& cells) const
    {
        const std::vector<LineItem> lines
            = caption != 0 ? std::vector<LineItem>{caption} : std::vector<LineItem>{};
        WriteCaptionedCellTable(writer, lines, DataTableHeading(in_, columns), cells);
    }

    // The piles of \p kind, one row each: its node, D and L, then the values
    // of its .PL9 pair that the kind gives.
    void WriteKindTable(
        ListWriter& writer, PileKind kind, const std::vector<PileColumn>& given, long caption = 0)
    {
        const std::int32_t rows = CountOf(kind);
        if (rows == 0)
            return;
        ColumnDefinition columns = ResetColumns(static_cast<int>(given.size()));
        for (std::size_t k = 0; k < given.size(); ++k)
            SetColumn(columns, static_cast<int>(k + 1), given[k]);
        TableCells cells;
        cells.Reset(columns.ColumnCount, rows);
        std::int32_t r = 0;
        for (std::size_t i = 0; i < Piles(); ++i) {
            if (pl3_.Numbers[i] != kind)
                continue;
            ++r;
            const PileEntryPIL& pile = pil_.Piles[i];
            AppendNumberText(cells.Cell(r, 0), pil_.PileNumbers[i]);
            cells.Cell(r, 1) = ValueText(pile.Values[0] * given[0].Factor);
            cells.Cell(r, 2) = ValueText(pile.Values[2] * given[1].Factor);
            for (std::size_t k = 2; k < given.size(); ++k)
                cells.Cell(r, static_cast<int>(k + 1)) = ValueText(pl9_.Pairs[i][k - 2] * given[k].Factor);
        }
        WriteCaptionedTable(writer, caption, columns, cells);
    }

    // Every table of the section starts from these: title 80079, symbol 0
    // the text of 90000, every unit "[-]".
    ColumnDefinition ResetColumns(int count) const
    {
        ColumnDefinition columns;
        columns.ColumnCount = count;
        const auto size = static_cast<std::size_t>(count) + 1;
        columns.ColumnCaptionIds.assign(size, std::string());
        columns.ColumnSymbols.assign(size, std::string());
        columns.ColumnUnits.assign(size, std::string("[-]"));
        columns.ColumnCaptionIds[0] = 80079L;
        columns.ColumnSymbols[0] = DataCaption(in_, 90000);
        return columns;
    }
    static void SetColumn(ColumnDefinition& columns, int k, const PileColumn& column)
    {
        const auto at = static_cast<std::size_t>(k);
        columns.ColumnCaptionIds[at] = column.Caption;
        columns.ColumnSymbols[at] = column.Symbol;
        columns.ColumnUnits[at] = column.Unit;
    }

    SectionInputs in_;
    PileFilePL9 pl9_;
    PileFilePL3 pl3_;
    PileFilePIL pil_;
    UnitSettings units_;
};

} // namespace

std::unique_ptr<SectionContent> ReadPileData(const SectionInputs& inputs)
{
    PileFilePL9 pl9;
    PileFilePL3 pl3;
    PileFilePIL pil;
    const std::string pl9Path = DataSectionPath(inputs, ".PL9");
    const std::string pl3Path = DataSectionPath(inputs, ".PL3");
    const std::string pilPath = DataSectionPath(inputs, ".PIL");
    ReadDataText(inputs, pl9Path, [&pl9](FieldReader& in) { ReadPileFilePL9(in, pl9); });
    ReadDataText(inputs, pl3Path, [&pl3](FieldReader& in) { ReadPileFilePL3(in, pl3); });
    ReadDataText(inputs, pilPath, [&pil](FieldReader& in) { ReadPileFilePIL(in, pil); });

    const std::size_t piles = pil.Piles.size();
    if (pl3.Numbers.size() < piles)
        throw FileFormatError(pl3Path, 0, 0, 0,
            "a kind for each of the " + std::to_string(piles) + " piles of .PIL expected, found "
                + std::to_string(pl3.Numbers.size()));
    if (pl9.Pairs.size() < piles)
        throw FileFormatError(pl9Path, 0, 0, 0,
            "a pair for each of the " + std::to_string(piles) + " piles of .PIL expected, found "
                + std::to_string(pl9.Pairs.size()));
    for (std::size_t i = 0; i < piles; ++i)
        if (pl3.Numbers[i] < LimitLoad || pl3.Numbers[i] > LoadTest)
            throw FileFormatError(pl3Path, 0, 0, 0,
                "pile " + std::to_string(i + 1) + ": kind " + std::to_string(pl3.Numbers[i])
                    + ", 1 to 4 expected");
    return std::make_unique<PileData>(inputs, std::move(pl9), std::move(pl3), std::move(pil));
}

} // namespace teska
