// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The design parameters: class texts of the five codes (table entries and
// built texts with their rounding), reading the settings file and .P23, and
// the whole name/value table of one code worked out by hand.

#include <gtest/gtest.h>

#include <regex>

#include "lists/design/DesignParameters.h"
#include "lists/list_fixture_test.h"

namespace teska {
namespace {

TEST(DesignClasses, TableEntriesAndBuiltTextsOfEveryCode)
{
    const auto cases = test::TableRows("lists/design_classes.tsv", 5);
    ASSERT_EQ(cases.size(), 11u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2]);
        const DesignClassTexts t = DesignClasses(c[0], std::stof(c[1]), std::stof(c[2]));
        EXPECT_EQ(t.ConcreteClass + "|" + t.SteelClass, c[3] + "|" + c[4]);
        if (c[3].empty()) {
            EXPECT_EQ(t.ConcreteSymbol + t.SteelSymbol, "");
        }
    }
}

// The symbols of each code are checked through the whole tables below.
class Design : public test::ListFixture {
protected:
    Design()
        : ListFixture(test::readFile(test::dataPath("lists/design.catalogue")), 60, 200, false)
    {
        state.OutputTarget = TargetViewData;
        state.SymbolSuffix = "";
    }

    std::string Written(const DesignParameters& p, const ProjectDesignData& d)
    {
        state.ListText.clear();
        WriteDesignParameters(*writer, p, d);
        return state.ListText;
    }

    std::string p23() const { return catalogueDir.file("JOB.P23"); }

    test::ScratchDir& dir = catalogueDir;
};

ProjectDesignData Ec2Project()
{
    return {30, 500, 5, 4, 6, 3.5f, "EC 2"}; // fc, fs, d1x, d2x, d1y, d2y
}

TEST_F(Design, WholeTableOfEc2WithTheDefaults)
{
    // Widths: label 9 ("Reduction"), symbol 7 ("Gamma_c"), unit 7
    // ("[kN/m2]"), value 8 ("20% As_t"); gap 60 - 2 - 31 = 27, clamped to 8.
    test::ExpectAsStored(Written(DesignParameters{}, Ec2Project()));
    EXPECT_EQ(state.LineOnPage, 24);
}

TEST_F(Design, ClearedSkipFlagsShowTheFactorRowsOfEachCode)
{
    // Hidden by default (the tables of the other tests); cleared: Xi_lim
    // (EC 2, with the caption "Xi limit" and .45), Chi (DIN 1045), Beta1
    // and Rmax (ACI), Beta (ECP (Limit)).
    ProjectDesignData d = Ec2Project();
    DesignParameters shown;
    shown.SkipXiLim = shown.SkipChi = shown.SkipBeta1 = shown.SkipRmax = shown.SkipBeta = false;
    shown.XiLimEC = 0.45f;
    for (const char* code : {"EC 2", "DIN 1045", "ACI", "ECP (Limit)"}) {
        d.DesignCode = code;
        test::ExpectAsStored(Written(shown, d), std::string("_") + code);
    }
}

TEST_F(Design, CaptionsAndFactorRowsFollowTheCode)
{
    // ECP (Working): classes C 200 and S 24/35, the allowed and yield
    // captions, no factor rows; DIN 1045: the steel caption stays, the
    // global factor and the reduction; ACI and ECP (Limit): their factors.
    ProjectDesignData d = Ec2Project();
    d.ConcreteStrength = 8;
    d.SteelStrength = 140;
    for (const char* code : {"ECP (Working)", "DIN 1045", "ACI", "ECP (Limit)"}) {
        d.DesignCode = code;
        test::ExpectAsStored(Written(DesignParameters{}, d), std::string("_") + code);
    }
}

TEST_F(Design, StrengthsAndCoversGoThroughTheUnitFactors)
{
    // The second length unit mm (x 10), the second force unit MN (x 0.001).
    session->environment.Units() = {"[m]", 1, "[mm]", 10, "[kN]", 1, "[MN]", 0.001, 0};
    const std::string text = Written(DesignParameters{}, Ec2Project());
    EXPECT_TRUE(std::regex_search(text, std::regex("fck +\\[MN/m2\\] = \\.03\r\n")));
    EXPECT_TRUE(std::regex_search(text, std::regex("d2y +\\[mm\\] += 35\r\n")));
}

TEST_F(Design, MinimumReinforcementRules)
{
    DesignParameters p;
    p.RohT = 0.2f;
    p.AsT = 5;
    p.RohC1 = 0.1f;
    p.RohC2 = 25;
    p.AsC = 3.5f;
    const auto rules = test::TableRows("lists/reinforcement_rules.tsv", 4);
    ASSERT_EQ(rules.size(), 4u);
    for (const auto& r : rules) {
        SCOPED_TRACE(r[0]);
        p.TensionRule = r[0];
        p.CompressionRule = r[1];
        EXPECT_EQ(TensionRuleText(*session, p, "[cm2/m]"), r[2]);
        EXPECT_EQ(CompressionRuleText(*session, p, "[cm2/m]"), r[3]);
    }
    // An empty rule text leaves the row with its label and symbol only.
    p.TensionRule = "nothing known";
    const std::string text = Written(p, Ec2Project());
    EXPECT_TRUE(std::regex_search(text, std::regex("\r\n  Tension +MinAs_t *\r\n$")));
}

// Without a settings file the defaults, replacing what was in memory; with
// one its fields in order; .P23 read either way.
TEST_F(Design, SettingsFileFieldsInOrderOrTheDefaultsAndP23)
{
    test::writeFile(p23(), "25, 420, 4.5, 3, 5.5, 2\r\nECP (Limit)\r\n");
    DesignParameters p;
    p.GammaEC = 9;
    p.TensionRule = "changed";
    ProjectDesignData d;
    EXPECT_EQ(ReadDesignParameters(*session, nullptr, dir.dir(), p23(), p, d), 0);
    EXPECT_EQ(p.TensionRule + "|" + std::to_string(p.GammaEC) + "|" + std::to_string(p.SkipBeta),
        "roh_t  [%]|1.400000|1");
    EXPECT_EQ((std::vector<float>{d.ConcreteStrength, d.SteelStrength, d.D1x, d.D2x, d.D1y, d.D2y}),
        (std::vector<float>{25, 420, 4.5f, 3, 5.5f, 2}));
    EXPECT_EQ(d.DesignCode, "ECP (Limit)");
    EXPECT_TRUE(host.errors.empty()) << host.errors[0];

    test::writeFile(DesignSettingsPath(dir.dir()),
        "#FALSE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#\r\nAs_t [cm2/m]\r\nmax (1), (2) and (2)\r\n"
        "1,2,3,4,5,6,7,8,9,10\r\n11,12,13,14,15,16,17,18,19,20\r\n21,22,23,24,25\r\n");
    test::writeFile(p23(), "30,500,5,4,6,3.5\nEC 2\n");
    ReadDesignParameters(*session, nullptr, dir.dir(), p23(), p, d);
    EXPECT_EQ(
        (std::vector<bool>{p.SkipXiLim, p.SkipChi, p.SkipBeta}), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(p.TensionRule + "|" + p.CompressionRule, "As_t [cm2/m]|max (1), (2) and (2)");
    EXPECT_EQ((std::vector<float>{p.GammaEC, p.PhiACI, p.XiLimEC, p.BetaECP, p.AlfaRECP, p.RohT, p.AsT}),
        (std::vector<float>{1, 6, 10, 13, 20, 21, 25}));
    EXPECT_EQ(d.DesignCode, "EC 2");
}

TEST_F(Design, CorruptSettingsAreReportedAndP23IsNotRead)
{
    test::writeFile(
        DesignSettingsPath(dir.dir()), "#FALSE#,1,1,1,1\r\nroh_t  [%]\r\nroh_c2  [%]\r\n1.5, abc\r\n");
    test::writeFile(p23(), "30,500,5,4,6,3.5\nEC 2\n");
    DesignParameters p;
    ProjectDesignData d;
    EXPECT_EQ(ReadDesignParameters(*session, nullptr, dir.dir(), p23(), p, d), 0);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("RFT"), std::string::npos) << host.errors[0];
    EXPECT_NE(host.errors[0].find("abc"), std::string::npos) << host.errors[0];
    EXPECT_FLOAT_EQ(p.GammaEC, 1.5f); // read before the fault
    EXPECT_EQ(d.DesignCode, "");
    EXPECT_FALSE(session->file.IsOpen());
}

} // namespace
} // namespace teska
