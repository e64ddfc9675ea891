// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mesh of the data list: the node coordinates (90054), the elements
// with their node numbers (90055) and the prescribed settlements (60003).
// Their tables are filled while the files are read, before the section
// opening, and end the head.

#include <array>
#include <span>

#include "lists/Session.h"
#include "lists/data/DataSectionReaders.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/NumberFormats.h"
#include "project/data/DataFileSupport.h"
#include "project/input/InputFiles.h"
#include "project/io/FieldReader.h"
#include "project/opening/ProjectReader.h"
#include "suite/Errors.h"

namespace teska {

namespace {

// The element count of the mesh: the count at the head of .ELM, read without
// the elements.
std::int32_t ElementCount(const std::string& stem)
{
    const std::string path = stem + ".ELM";
    std::string reason;
    if (DataFileRefused(path, ModeInput, &reason))
        throw FileAccessError(path, reason);
    FieldReader in = FieldReader::FromFile(path);
    data::ExpectSignature(in, kElementSignature);
    // An element takes at least two fields: its node count and one node.
    return data::ReadCount32(in, "elements", 2);
}

class NodeSection : public SectionContent {
public:
    NodeSection(const SectionInputs& inputs, std::int32_t nodes, std::int32_t elements, TableCells cells)
        : in_(inputs)
        , nodes_(nodes)
        , elements_(elements)
        , cells_(std::move(cells))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({90011L});
        writer.AddNameValueRow(80021L, "Nk", "", std::to_string(nodes_), "");
        writer.AddNameValueRow(80022L, "Ne", "", std::to_string(elements_), "");
        writer.FlushNameValueRows();
        writer.WriteLines({90054L});
        WriteDataTable(in_, writer, DataColumns(in_, 90054L, 0), cells_);
    }

private:
    SectionInputs in_;
    std::int32_t nodes_;
    std::int32_t elements_;
    TableCells cells_;
};

// The element table: column 0 the element number, columns 1 to 4 its node
// numbers, column 5 its number from .P21; 0 stands for an empty cell. Kept as
// numbers (24 bytes a row) and written as text row by row.
class ElementSection : public SectionContent {
public:
    using Row = std::array<std::int32_t, 5>;

    ElementSection(const SectionInputs& inputs, std::vector<Row> rows)
        : in_(inputs)
        , rows_(std::move(rows))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({90055L});
        const ColumnDefinition columns = DataColumns(in_, 90055L, 0);
        WriteGeneratedTable(writer, DataTableHeading(in_, columns), static_cast<std::int32_t>(rows_.size()),
            5, [this](std::int32_t row, int column, std::string& out) {
                if (column == 0) {
                    AppendNumberText(out, row);
                    return;
                }
                const std::int32_t value
                    = rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
                if (value != 0)
                    AppendNumberText(out, value);
            });
    }

private:
    SectionInputs in_;
    std::vector<Row> rows_;
};

class SettlementSection : public SectionContent {
public:
    SettlementSection(const SectionInputs& inputs, TableCells cells)
        : in_(inputs)
        , cells_(std::move(cells))
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({120064L});
        WriteDataTable(in_, writer, DataColumns(in_, 60003L, 0), cells_);
    }

private:
    SectionInputs in_;
    TableCells cells_;
};

} // namespace

std::unique_ptr<SectionContent> ReadNodeSection(const SectionInputs& inputs)
{
    const std::string stem = DataProjectStem(inputs);
    const NodeCoordinates nodes = ProjectReader::ReadNodes(stem);
    const std::int32_t elements = ElementCount(stem);
    const auto count = static_cast<std::int32_t>(nodes.NodeCount());
    // Both coordinates in the same length unit and the same format.
    const double factor = inputs.session.environment.Units().LengthFactor;
    const std::string& pattern = inputs.formats.Slot(CoordinateFormatSlot);
    TableCells cells;
    FillNumberedRows(cells, 2, count, ValueColumn{std::span<const float>(nodes.X), factor, pattern},
        ValueColumn{std::span<const float>(nodes.Y), factor, pattern});
    return std::make_unique<NodeSection>(inputs, count, elements, std::move(cells));
}

std::unique_ptr<SectionContent> ReadElementSection(const SectionInputs& inputs)
{
    const std::string p21 = DataSectionPath(inputs, ".P21");
    SlabFileP21 slab;
    if (!DataFileCheckRefuses(p21, ModeRecord))
        ReadDataRecords(inputs, p21, [&slab](const RecordFile& in) { slab = ReadSlabFileP21(in); });
    const std::vector<ElementNodes> elements = ProjectReader::ReadElements(DataProjectStem(inputs));

    std::vector<ElementSection::Row> rows(elements.size(), ElementSection::Row{});
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ElementNodes& element = elements[i];
        for (std::int32_t k = 0; k < element.NodeCount && k < 4; ++k)
            rows[i][static_cast<std::size_t>(k)] = element.Nodes[static_cast<std::size_t>(k)];
        // The element's number from .P21; none for 0 or past its end.
        if (i < slab.ElementNumbers.size())
            rows[i][4] = slab.ElementNumbers[i];
    }
    return std::make_unique<ElementSection>(inputs, std::move(rows));
}

std::unique_ptr<SectionContent> ReadSettlementSection(const SectionInputs& inputs)
{
    DataFilePV1 file;
    ReadDataText(
        inputs, DataSectionPath(inputs, ".PV1"), [&file](FieldReader& in) { ReadDataFilePV1(in, file); });
    const ColumnDefinition columns = DataColumns(inputs, 60003L, 0);
    const double factor = DataColumnFactor(inputs, columns, 1);
    TableCells cells;
    const auto count = static_cast<std::int32_t>(file.Values.size());
    cells.Reset(1, count);
    for (std::int32_t r = 1; r <= count; ++r) {
        AppendNumberText(cells.Cell(r, 0), r);
        cells.Cell(r, 1) = FormatNumber(
            static_cast<double>(file.Values[static_cast<std::size_t>(r - 1)]) * factor, DataValuePattern);
    }
    return std::make_unique<SettlementSection>(inputs, std::move(cells));
}

} // namespace teska
