// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The parameters of the reinforcement design (section 90062 of the data
// list): the settings file "RFT" in the settings directory with the factors
// of each design code, the project's .P23 with strengths, covers and the
// design code, and the name/value table that shows them.

#include <string>

namespace teska {

class ListWriter;
class ProgressWindow;
class Session;

// The five design codes, by their exact names.
inline constexpr const char* CodeEC2 = "EC 2";
inline constexpr const char* CodeDIN = "DIN 1045";
inline constexpr const char* CodeACI = "ACI";
inline constexpr const char* CodeECPLimit = "ECP (Limit)";
inline constexpr const char* CodeECPWorking = "ECP (Working)";

// The settings record, fields in the order of the "RFT" file; the
// initialisers are the values used when the file is missing.
struct DesignParameters {
    bool SkipXiLim = true;
    bool SkipChi = true;
    bool SkipBeta1 = true;
    bool SkipRmax = true;
    bool SkipBeta = true;
    std::string TensionRule = "roh_t  [%]";
    std::string CompressionRule = "roh_c2  [%]";
    float GammaEC = 1.4f;
    float GammaSEC = 1.15f;
    float GammaCEC = 1.5f;
    float GammaDIN = 1.75f;
    float GammaACI = 1.6f;
    float PhiACI = 0.9f;
    float GammaECP = 1.5f;
    float GammaSECP = 1.15f;
    float GammaCECP = 1.5f;
    float XiLimEC = 0.35f;
    float ChiDIN = 0.8f;
    float RmaxACI = 0.75f;
    float BetaECP = 0.67f;
    float AlfaEC = 0.85f;
    float AlfaRDIN = 0.95f;
    float AlfaACI = 0.85f;
    float AlfaECP = 0.85f;
    float AlfaREC = 0.8f;
    float Beta1ACI = 0.8f;
    float AlfaRECP = 0.8f;
    float RohT = 0.15f; // tension, % of Ac
    float RohC1 = 0.15f; // compression, % of Ac
    float RohC2 = 20; // compression, % of As_t
    float AsC = 19; // compression area per metre
    float AsT = 19; // tension area per metre
};

// The project's design data from .P23, in file order.
struct ProjectDesignData {
    float ConcreteStrength = 0; // fc
    float SteelStrength = 0; // fs
    float D1x = 0, D2x = 0, D1y = 0, D2y = 0; // covers
    std::string DesignCode; // the whole second line
};

// The settings file name: settings directory + "RFT".
std::string DesignSettingsPath(const std::string& settingsDirectory);

// Reads the settings (defaults when the file is missing) and then \p p23Path.
// A settings file that cannot be opened or read is reported and ends the
// reading before .P23; a .P23 that cannot be read is reported likewise. The
// values read so far stay in \p parameters and \p design. Result 0.
short ReadDesignParameters(Session& session, ProgressWindow* window, const std::string& settingsDirectory,
    const std::string& p23Path, DesignParameters& parameters, ProjectDesignData& design);

// The class texts and symbols of one design code; all empty for an unknown
// code name.
struct DesignClassTexts {
    std::string ConcreteClass;
    std::string SteelClass;
    std::string SteelSymbol;
    std::string ConcreteSymbol;
};
DesignClassTexts DesignClasses(const std::string& code, float fc, float fs);

// The texts of the minimum reinforcement rows ("" for a rule text that
// matches no known rule). \p areaUnit is the unit label written after the
// area per metre.
std::string TensionRuleText(
    const Session& session, const DesignParameters& parameters, const std::string& areaUnit);
std::string CompressionRuleText(
    const Session& session, const DesignParameters& parameters, const std::string& areaUnit);

// Catalogue texts of the two combined rules: "max (|1, |2)" and its
// three-argument form.
inline constexpr long MaxOfTwoRuleId = 10256;
inline constexpr long MaxOfThreeRuleId = 10257;

// Writes the design parameters list after the section opening: heading
// lines, strengths, covers, the factors of the code and the minimum
// reinforcement, as one name/value table.
void WriteDesignParameters(
    ListWriter& writer, const DesignParameters& parameters, const ProjectDesignData& design);

} // namespace teska
