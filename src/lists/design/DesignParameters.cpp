// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/design/DesignParameters.h"

#include <initializer_list>
#include <utility>

#include "lists/Session.h"
#include "lists/format/FormatNumber.h"
#include "lists/format/Units.h"
#include "lists/writer/ListWriter.h"
#include "project/input/InputOpening.h"
#include "project/io/FieldReader.h"

namespace teska {
namespace {

// The progress selector of the design files: a missing .P23 ends the run
// like every other input file.
constexpr int DesignFileSelector = 2;

std::string Whole(double value)
{
    return FormatNumber(value, "0");
}

// The text of the first pair whose strength is exactly \p value.
const char* Lookup(float value, std::initializer_list<std::pair<float, const char*>> table)
{
    for (const auto& [strength, text] : table)
        if (value == strength)
            return text;
    return nullptr;
}

} // namespace

std::string DesignSettingsPath(const std::string& settingsDirectory)
{
    return settingsDirectory + "RFT";
}

short ReadDesignParameters(Session& session, ProgressWindow* window, const std::string& settingsDirectory,
    const std::string& p23Path, DesignParameters& parameters, ProjectDesignData& design)
{
    FileServices services = session.services();
    const std::string settingsPath = DesignSettingsPath(settingsDirectory);
    if (session.environment.IsFileMissing(settingsPath, true)) {
        parameters = DesignParameters{};
    } else {
        // Fields go straight into the record, so a file cut short keeps what
        // it held up to the fault and the defaults nowhere.
        const short read = ReadTextInputFile(
            services, session.file, settingsPath, 7, window, [&parameters](FieldReader& in) {
                DesignParameters& p = parameters;
                for (bool* flag : {&p.SkipXiLim, &p.SkipChi, &p.SkipBeta1, &p.SkipRmax, &p.SkipBeta})
                    *flag = in.ReadBool();
                p.TensionRule = in.LineInput();
                p.CompressionRule = in.LineInput();
                for (float* value : {&p.GammaEC, &p.GammaSEC, &p.GammaCEC, &p.GammaDIN, &p.GammaACI,
                         &p.PhiACI, &p.GammaECP, &p.GammaSECP, &p.GammaCECP, &p.XiLimEC, &p.ChiDIN,
                         &p.RmaxACI, &p.BetaECP, &p.AlfaEC, &p.AlfaRDIN, &p.AlfaACI, &p.AlfaECP, &p.AlfaREC,
                         &p.Beta1ACI, &p.AlfaRECP, &p.RohT, &p.RohC1, &p.RohC2, &p.AsC, &p.AsT})
                    *value = in.ReadSingle();
            });
        if (read != 0)
            return 0;
    }
    ReadTextInputFile(
        services, session.file, p23Path, DesignFileSelector, window, [&design](FieldReader& in) {
            for (float* value : {&design.ConcreteStrength, &design.SteelStrength, &design.D1x, &design.D2x,
                     &design.D1y, &design.D2y})
                *value = in.ReadSingle();
            design.DesignCode = in.LineInput();
        });
    return 0;
}

DesignClassTexts DesignClasses(const std::string& code, float fc, float fs)
{
    const double c = fc;
    const double s = fs;
    DesignClassTexts t;
    if (code == CodeEC2) {
        const char* known = Lookup(fc,
            {{12.f, "C 12/15"}, {16.f, "C 16/20"}, {20.f, "C 20/25"}, {25.f, "C 25/30"}, {30.f, "C 30/37"},
                {35.f, "C 35/45"}, {40.f, "C 40/50"}, {45.f, "C 45/55"}, {50.f, "C 50/60"}});
        t.ConcreteClass = known ? known : "C " + Whole(c) + "/" + Whole(c * 1.25);
        t.SteelClass = "BSt " + Whole(s);
        t.SteelSymbol = "fyk";
        t.ConcreteSymbol = "fck";
    } else if (code == CodeDIN) {
        const char* known = Lookup(fc,
            {{3.5f, "B 5"}, {7.f, "B 10"}, {10.5f, "B 15"}, {17.5f, "B 25"}, {23.f, "B 35"}, {27.f, "B 45"},
                {30.f, "B 55"}});
        t.ConcreteClass = known ? known : "B " + Whole(c / 0.7);
        t.SteelClass = "BSt " + Whole(s);
        t.SteelSymbol = "SS";
        t.ConcreteSymbol = "SR";
    } else if (code == CodeACI) {
        t.ConcreteClass = "C " + Whole(c);
        t.SteelClass = "S " + Whole(s);
        t.SteelSymbol = "fy ";
        t.ConcreteSymbol = "f'c";
    } else if (code == CodeECPWorking) {
        const char* known = Lookup(fc,
            {{6.5f, "C 150"}, {7.f, "C 175"}, {8.f, "C 200"}, {9.f, "C 225"}, {9.5f, "C 250"},
                {10.f, "C 275"}, {10.5f, "C 300"}});
        t.ConcreteClass = known ? known : "C " + Whole(c * 26.25);
        const char* steel
            = Lookup(fs, {{140.f, "S 24/35"}, {160.f, "S 28/45"}, {200.f, "S 36/52"}, {220.f, "S 40/60"}});
        t.SteelClass = steel ? steel : "S " + Whole(s * 1.8 / 10) + "/" + Whole(s * 2.7 / 10);
        t.SteelSymbol = "fs";
        t.ConcreteSymbol = "fc";
    } else if (code == CodeECPLimit) {
        const char* known = Lookup(fc,
            {{12.f, "C 150"}, {14.f, "C 175"}, {16.f, "C 200"}, {18.f, "C 225"}, {20.f, "C 250"},
                {22.f, "C 275"}, {25.f, "C 300"}});
        t.ConcreteClass = known ? known : "C " + Whole(c * 12.5);
        const char* steel
            = Lookup(fs, {{240.f, "S 24/35"}, {280.f, "S 28/45"}, {360.f, "S 36/52"}, {400.f, "S 40/60"}});
        t.SteelClass = steel ? steel : "S " + Whole(s / 10) + "/" + Whole(s * 1.5 / 10);
        t.SteelSymbol = "fy";
        t.ConcreteSymbol = "f'c";
    }
    return t;
}

std::string TensionRuleText(const Session& session, const DesignParameters& p, const std::string& areaUnit)
{
    const std::string ofArea = FormatNumber(p.RohT, "") + "% Ac";
    const std::string perMetre = FormatNumber(p.AsT, "") + " " + areaUnit;
    if (p.TensionRule == "roh_t  [%]")
        return ofArea;
    if (p.TensionRule == "As_t [cm2/m]")
        return perMetre;
    if (p.TensionRule == "max (1) and (2)")
        return session.catalogue.LookupText(MaxOfTwoRuleId, {"|1", ofArea, "|2", perMetre});
    return {};
}

std::string CompressionRuleText(
    const Session& session, const DesignParameters& p, const std::string& areaUnit)
{
    const std::string ofArea = FormatNumber(p.RohC1, "") + "% Ac";
    const std::string ofTension = FormatNumber(p.RohC2, "") + "% As_t";
    const std::string perMetre = FormatNumber(p.AsC, "") + " " + areaUnit;
    if (p.CompressionRule == "roh_c1  [%]")
        return ofArea;
    if (p.CompressionRule == "roh_c2  [%]")
        return ofTension;
    if (p.CompressionRule == "As_c [cm2/m]")
        return perMetre;
    if (p.CompressionRule == "max (1), (2) and (2)")
        return session.catalogue.LookupText(
            MaxOfThreeRuleId, {"|1", ofArea, "|2", ofTension, "|3", perMetre});
    return {};
}

void WriteDesignParameters(ListWriter& writer, const DesignParameters& p, const ProjectDesignData& design)
{
    Session& session = writer.SessionRef();
    const TextCatalogue& catalogue = session.catalogue;
    const UnitSettings& units = session.environment.Units();
    const std::string& code = design.DesignCode;
    const DesignClassTexts classes = DesignClasses(code, design.ConcreteStrength, design.SteelStrength);

    const bool allowable = code == CodeDIN || code == CodeECPWorking;
    const long concreteCaption = allowable ? 90134 : 10281;
    const long steelCaption = code == CodeECPWorking ? 90133 : 10280;

    writer.WriteLines({90137L, std::string(), catalogue.LookupText(90135) + " " + code,
        catalogue.LookupText(10277) + " " + classes.ConcreteClass,
        catalogue.LookupText(90136) + " " + classes.SteelClass, std::string()});

    // Strengths are forces per area (quantity kind 9).
    constexpr long StressKind = 9;
    const std::string stressUnit = UnitLabel(units, catalogue, StressKind);
    const double stressFactor = UnitFactor(units, StressKind);
    writer.AddNameValueRow(concreteCaption, classes.ConcreteSymbol, stressUnit,
        static_cast<double>(design.ConcreteStrength) * stressFactor, "");
    writer.AddNameValueRow(steelCaption, classes.SteelSymbol, stressUnit,
        static_cast<double>(design.SteelStrength) * stressFactor, "");
    writer.AddNameValueRow(std::string(), "", "", std::monostate{}, "");
    writer.AddNameValueRow(10279L, "", "", std::monostate{}, "");

    // Covers are in the second length unit.
    const double coverFactor = units.Length2Factor;
    const std::string coverUnit = units.Length2Unit;
    const std::string xAxis = catalogue.AxisName1();
    const std::string yAxis = catalogue.AxisName2();
    const auto cover = [&](long caption, const std::string& axis, const char* symbol, float value) {
        writer.AddNameValueRow(catalogue.LookupText(caption, {"|1", axis}), symbol, coverUnit,
            static_cast<double>(value) * coverFactor, "");
    };
    cover(90138, xAxis, "d1x", design.D1x);
    cover(10040, xAxis, "d2x", design.D2x);
    cover(90138, yAxis, "d1y", design.D1y);
    cover(10040, yAxis, "d2y", design.D2y);

    const auto label = [&](long caption) { writer.AddNameValueRow(caption, "", "", std::monostate{}, ""); };
    const auto factor = [&](NameValueLabel caption, const char* symbol, float value) {
        writer.AddNameValueRow(caption, symbol, "[-]", value, "");
    };
    if (code == CodeEC2) {
        label(90124);
        factor(90128L, "Gamma", p.GammaEC);
        factor(90130L, "Gamma_c", p.GammaCEC);
        factor(90129L, "Gamma_s", p.GammaSEC);
        label(90126);
        factor(90131L, "Alfa", p.AlfaEC);
        factor(90132L, "Alfa_R", p.AlfaREC);
        if (!p.SkipXiLim)
            factor(10250L, "Xi_lim", p.XiLimEC);
    } else if (code == CodeDIN) {
        // One legend line names what the two symbols of the code stand for.
        writer.AddNameValueRow(
            "Alfa_R  = " + catalogue.LookupText(90131) + ", Chi  = " + catalogue.LookupText(10250), "", "",
            std::monostate{}, "");
        factor(90125L, "Gamma", p.GammaDIN);
        factor(90131L, "Alfa_R", p.AlfaRDIN);
        if (!p.SkipChi)
            factor(10250L, "Chi", p.ChiDIN);
    } else if (code == CodeECPLimit) {
        label(90124);
        factor(90128L, "Gamma", p.GammaECP);
        factor(90130L, "Gamma_c", p.GammaCECP);
        factor(90129L, "Gamma_s", p.GammaSECP);
        label(90126);
        factor(90131L, "Alfa", p.AlfaECP);
        factor(90132L, "Alfa_R", p.AlfaRECP);
        if (!p.SkipBeta)
            factor(10250L, "Beta", p.BetaECP);
    } else if (code == CodeACI) {
        label(90124);
        factor(90128L, "Gamma", p.GammaACI);
        factor(std::string(), "Phi", p.PhiACI);
        label(90126);
        factor(90131L, "Alfa", p.AlfaACI);
        if (!p.SkipBeta1)
            factor(90132L, "Beta1", p.Beta1ACI);
        if (!p.SkipRmax)
            factor(10250L, "Rmax", p.RmaxACI);
    }

    // Areas per metre are kind 8 (second length squared per length).
    const std::string areaUnit = UnitLabel(units, catalogue, 8);
    label(10253);
    writer.AddNameValueRow(10255L, "MinAs_c", "", CompressionRuleText(session, p, areaUnit), "");
    writer.AddNameValueRow(10254L, "MinAs_t", "", TensionRuleText(session, p, areaUnit), "");
    writer.FlushNameValueRows();
}

} // namespace teska
