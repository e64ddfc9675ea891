// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The slab data of the data list (140176, and the key TermId that the
// terminology of the design code picks): unit weight, the slab regions with
// their material and thickness, the slab axes, the temperatures of a slab
// marked "J" and the mean depth.

#include <span>

#include "lists/Session.h"
#include "lists/data/DataSectionReaders.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/Units.h"
#include "project/input/InputFiles.h"
#include "project/opening/ProjectReader.h"
#include "project/opening/ProjectState.h"

namespace teska {

namespace {

// Quantity kind of the unit weight (force per volume).
constexpr long UnitWeightKind = 3;

class SlabSection : public SectionContent {
public:
    SlabSection(const SectionInputs& inputs, long key, SlabData slab, bool markedJ)
        : in_(inputs)
        , key_(key)
        , slab_(std::move(slab))
        , markedJ_(markedJ)
    { }

    void WriteHead(ListWriter& writer) override
    {
        const UnitSettings& units = in_.session.environment.Units();
        writer.WriteLines({16396L});
        writer.AddNameValueRow(90027L, "GB", UnitLabel(units, in_.session.catalogue, UnitWeightKind),
            static_cast<double>(slab_.UnitWeight) * UnitFactor(units, UnitWeightKind), DataValuePattern);
        writer.FlushNameValueRows();
        writer.WriteLines({140099L, 90015L});
    }

    void WriteBody(ListWriter& writer) override
    {
        const ColumnDefinition columns = DataColumns(in_, key_, 0);
        std::vector<float> modulus, poisson, thickness;
        for (const SlabRegion& region : slab_.Regions) {
            modulus.push_back(region.ElasticModulus);
            poisson.push_back(region.PoissonRatio);
            thickness.push_back(region.Thickness);
        }
        TableCells cells;
        FillNumberedRows(cells, 3, static_cast<std::int32_t>(slab_.Regions.size()),
            ValueColumn{std::span<const float>(modulus), DataColumnFactor(in_, columns, 1), DataValuePattern},
            ValueColumn{std::span<const float>(poisson), DataColumnFactor(in_, columns, 2), DataValuePattern},
            ValueColumn{
                std::span<const float>(thickness), DataColumnFactor(in_, columns, 3), DataValuePattern});
        WriteDataTable(in_, writer, columns, cells);

        const int method = in_.project.AnalysisMethod;
        const bool axes = method != 15 && method != 22;
        if (axes) {
            const TextCatalogue& catalogue = in_.session.catalogue;
            const UnitSettings& units = in_.session.environment.Units();
            const double length = units.LengthFactor;
            if (catalogue.TerminologySwitch() != 0)
                writer.AddNameValueRow(90064L, "", "", std::monostate(), "");
            writer.AddNameValueRow(catalogue.LookupText(90001, {std::string("|1"), catalogue.AxisName1()}),
                "Xo", units.LengthUnit, static_cast<double>(slab_.Xo) * length, DataValuePattern);
            writer.AddNameValueRow(catalogue.LookupText(90001, {std::string("|1"), catalogue.AxisName2()}),
                "Yo", units.LengthUnit, static_cast<double>(slab_.Yo) * length, DataValuePattern);
            writer.AddNameValueRow(90080L, "Beta", "[°]", slab_.Beta, DataValuePattern);
            if (markedJ_) {
                writer.AddNameValueRow(40008L, "Tk", "[°C]", slab_.Tk, DataValuePattern);
                writer.AddNameValueRow(40009L, "Tf", "[°C]", slab_.Tf, DataValuePattern);
            }
            writer.AddNameValueRow(
                90081L, "Hm", units.LengthUnit, static_cast<double>(slab_.Hm) * length, DataValuePattern);
        }
        // The block: two empty lines and its rows, kept on one page.
        const auto rows = static_cast<std::int32_t>(writer.PendingNameValueRows());
        writer.EnsureLines(rows + 2);
        writer.State().LineOnPage += 2;
        writer.FlushNameValueRows();
    }

private:
    SectionInputs in_;
    long key_;
    SlabData slab_;
    bool markedJ_;
};

} // namespace

std::unique_ptr<SectionContent> ReadSlabSection(const SectionInputs& inputs, long key)
{
    const std::string p21 = DataSectionPath(inputs, ".P21");
    SlabFileP21 marks;
    if (!DataFileCheckRefuses(p21, ModeRecord))
        ReadDataRecords(inputs, p21, [&marks](const RecordFile& in) { marks = ReadSlabFileP21(in); });
    SlabData slab = ProjectReader::ReadSlab(DataProjectStem(inputs));
    return std::make_unique<SlabSection>(inputs, key, std::move(slab), marks.MarkedJ());
}

} // namespace teska
