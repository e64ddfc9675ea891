// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/sections/OriginSummary.h"

#include "lists/Session.h"
#include "lists/format/NumberFormats.h"
#include "lists/sections/SectionFiles.h"
#include "lists/writer/ListWriter.h"
#include "project/input/InputFiles.h"
#include "project/opening/ProjectState.h"

namespace teska {

namespace {

// The method whose calculation leaves .PS1 behind.
constexpr int OriginMethod = 7;

class OriginSummary : public SectionContent {
public:
    OriginSummary(DataFilePS1 values, std::string deflectionUnit, std::string rotationUnit,
        std::string deflectionFormat)
        : m_values(values)
        , m_deflectionUnit(std::move(deflectionUnit))
        , m_rotationUnit(std::move(rotationUnit))
        , m_deflectionFormat(std::move(deflectionFormat))
    { }

    void WriteHead(ListWriter& writer) override
    {
        const TextCatalogue& catalogue = writer.SessionRef().catalogue;
        // w_o is stored in the length unit and shown in hundredths of it.
        writer.AddNameValueRow(
            90036L, "w_o", m_deflectionUnit, static_cast<double>(m_values.Wo) * 100, m_deflectionFormat);
        // The rotations keep their plain text form, as in the rotation
        // columns of the deflection tables.
        writer.AddNameValueRow(catalogue.LookupText(90037, {std::string("|1"), catalogue.AxisName1()}),
            "Theta_o x", m_rotationUnit, m_values.ThetaOx, std::string());
        writer.AddNameValueRow(catalogue.LookupText(90037, {std::string("|1"), catalogue.AxisName2()}),
            "Theta_o y", m_rotationUnit, m_values.ThetaOy, std::string());
        writer.FlushNameValueRows();
    }

private:
    DataFilePS1 m_values;
    std::string m_deflectionUnit;
    std::string m_rotationUnit;
    std::string m_deflectionFormat;
};

} // namespace

std::unique_ptr<SectionContent> ReadOriginSummary(const SectionInputs& inputs)
{
    DataFilePS1 values;
    if (inputs.project.AnalysisMethod == OriginMethod) {
        FieldReader in = OpenSectionTextFile(inputs, ".PS1");
        ReadDataFilePS1(in, values);
    }
    Session& session = inputs.session;
    return std::make_unique<OriginSummary>(values, session.environment.Units().Length2Unit,
        session.catalogue.LookupText(75), inputs.formats.Slot(2));
}

} // namespace teska
