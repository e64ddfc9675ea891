// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smaller sections of the data list: the beams (10032), the nodes with
// piles (60004), the temperature loads (140175) and the reinforcement design
// parameters (90062).

#include <span>

#include "lists/Session.h"
#include "lists/data/DataSectionReaders.h"
#include "lists/data/SectionSupport.h"
#include "lists/data/TableCells.h"
#include "lists/design/DesignParameters.h"
#include "project/input/InputFiles.h"
#include "project/opening/ProjectState.h"
#include "suite/Errors.h"

namespace teska {

namespace {

class BeamSection : public SectionContent {
public:
    BeamSection(const SectionInputs& inputs, DataFileGL1 file)
        : in_(inputs)
        , file_(std::move(file))
    { }

    void WriteHead(ListWriter& writer) override { writer.WriteLines({90122L, 90121L}); }

    void WriteBody(ListWriter& writer) override
    {
        // The cross-sections: five values each; columns 3 and 4 are height
        // and width or the two moments of inertia, by the file's switch.
        ColumnContext context = DataColumnContext(in_);
        context.BeamDimensions = file_.Switch;
        ColumnDefinition sections;
        DefineListColumns(sections, 10032L, 0, context);
        const auto count = static_cast<std::int32_t>(file_.ItemsB.size());
        std::vector<float> values[5];
        for (const auto& item : file_.ItemsB)
            for (std::size_t k = 0; k < 5; ++k)
                values[k].push_back(item[k]);
        ValueColumn columns[5];
        for (int k = 0; k < 5; ++k)
            columns[k] = ValueColumn{
                std::span<const float>(values[k]), DataColumnFactor(in_, sections, k + 1), DataValuePattern};
        TableCells cells;
        FillNumberedRows(cells, 5, count, columns[0], columns[1], columns[2], columns[3], columns[4]);
        WriteDataTable(in_, writer, sections, cells);

        // The beams: their two nodes and their cross-section.
        writer.WriteLines({140102L});
        ColumnDefinition beams;
        DefineListColumns(beams, 10032L, 1, context);
        const auto beamCount = static_cast<std::int32_t>(file_.ItemsA.size());
        cells.Reset(3, beamCount);
        for (std::int32_t r = 1; r <= beamCount; ++r) {
            const auto& beam = file_.ItemsA[static_cast<std::size_t>(r - 1)];
            AppendNumberText(cells.Cell(r, 0), r);
            for (int k = 0; k < 3; ++k)
                AppendNumberText(cells.Cell(r, k + 1), beam[static_cast<std::size_t>(k)]);
        }
        WriteDataTable(in_, writer, beams, cells);
    }

private:
    SectionInputs in_;
    DataFileGL1 file_;
};

class PileNodeSection : public SectionContent {
public:
    PileNodeSection(const SectionInputs& inputs, long count)
        : in_(inputs)
        , count_(count)
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({60004L, DataCaption(in_, 90056) + "     Nex" + " = " + std::to_string(count_)});
    }

private:
    SectionInputs in_;
    long count_;
};

class TemperatureSection : public SectionContent {
public:
    TemperatureSection(const SectionInputs& inputs, TemperatureFilePT1 file)
        : in_(inputs)
        , file_(file)
    { }

    void WriteHead(ListWriter& writer) override
    {
        writer.WriteLines({140175L, DataCaption(in_, 90030) + " DT = To - Tu", 90032L});
        writer.AddNameValueRow(90030L, "DT", "[°C]", file_.DT, DataValuePattern);
        writer.AddNameValueRow(90031L, "AlfaT", "[1/°C]", file_.AlfaT, DataValuePattern);
        writer.FlushNameValueRows();
    }

private:
    SectionInputs in_;
    TemperatureFilePT1 file_;
};

class DesignSection : public SectionContent {
public:
    DesignSection(DesignParameters parameters, ProjectDesignData design)
        : parameters_(std::move(parameters))
        , design_(std::move(design))
    { }

    void WriteHead(ListWriter& writer) override { WriteDesignParameters(writer, parameters_, design_); }

private:
    DesignParameters parameters_;
    ProjectDesignData design_;
};

} // namespace

std::unique_ptr<SectionContent> ReadBeamSection(const SectionInputs& inputs)
{
    const std::string gl1 = DataSectionPath(inputs, ".GL1");
    DataFileGL1 file;
    if (!DataFileCheckRefuses(gl1, ModeInput))
        ReadDataText(inputs, gl1, [&file](FieldReader& in) { ReadDataFileGL1(in, file); });
    return std::make_unique<BeamSection>(inputs, std::move(file));
}

std::unique_ptr<SectionContent> ReadPileNodeSection(const SectionInputs& inputs)
{
    DataFilePP1 file;
    ReadDataText(
        inputs, DataSectionPath(inputs, ".PP1"), [&file](FieldReader& in) { ReadDataFilePP1(in, file); });
    return std::make_unique<PileNodeSection>(inputs, file.Count);
}

std::unique_ptr<SectionContent> ReadTemperatureSection(const SectionInputs& inputs)
{
    TemperatureFilePT1 file;
    ReadDataText(inputs, DataSectionPath(inputs, ".PT1"),
        [&file](FieldReader& in) { ReadTemperatureFilePT1(in, file); });
    return std::make_unique<TemperatureSection>(inputs, file);
}

std::unique_ptr<SectionContent> ReadDesignSection(const SectionInputs& inputs)
{
    Session& s = inputs.session;
    DesignParameters parameters;
    // The code in memory is the open project's; .P23 replaces it when it is
    // read, and it stays when an "RFT" fault ends the reading before .P23.
    ProjectDesignData design;
    design.DesignCode = inputs.project.DesignCode;
    const std::string p23 = DataSectionPath(inputs, ".P23");
    ReadDesignParameters(s, nullptr, s.environment.SettingsDirectory(), p23, parameters, design);
    // A missing .P23 aborts the run like every file of the data list.
    if (s.tools.RunState() == RunAborted)
        throw FileAccessError(p23, "the file is missing or cannot be read");
    return std::make_unique<DesignSection>(std::move(parameters), std::move(design));
}

} // namespace teska
