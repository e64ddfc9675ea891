// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "lists/format/FormatNumber.h"
#include "lists/format/NumberFormats.h"
#include "lists/format/Units.h"
#include "project/ListFile.h"
#include "suite/Errors.h"
#include "suite/Host.h"
#include "suite/SuiteEnvironment.h"
#include "suite/SuiteTools.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

// The services of a program run with a scratch settings folder.
struct Services {
    test::ScratchDir dir;
    RecordingHost host;
    SuiteEnvironment environment{host, dir.dir()};
    SuiteTools tools;
    TextCatalogue catalogue{std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", "en"};
    ListFileSlot slot;
    FileServices services{environment, tools, catalogue};
};

std::string Lines(int count, const std::string& prefix = "P")
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += prefix + std::to_string(i) + "\r\n";
    return text;
}

// Without a file the defaults, quietly; lines 13 to 16 of a file fill the
// slots 14, 16, 15 and 13, line 17 is read and dropped: slot 17 never comes
// from the file.
TEST(LoadNumberFormats, DefaultsWithoutAFileAndTheSlotsOfItsLines)
{
    Services s;
    NumberFormats formats;
    formats.slots[11] = "garbage";
    LoadNumberFormats(s.services, s.slot, formats, s.dir.dir());
    EXPECT_EQ(FormatNumber(1.0, formats.Slot(11)), "1.0000000");
    EXPECT_EQ(formats.Slot(13) + "|" + formats.Slot(16) + "|" + formats.Slot(17), "0.0|0.00|0000E+00");
    EXPECT_EQ(formats.Slot(0) + formats.Slot(18), ""); // outside the table
    EXPECT_EQ(s.host.lastStatus, "Loading the number formats");
    EXPECT_EQ(s.environment.CurrentFileName(), s.dir.dir() + "NOFORMAT");

    test::writeFile(s.dir.file("NOFORMAT"), Lines(12) + "A\r\nB\r\nC\r\nD\r\n17th\r\n18th\r\n");
    LoadNumberFormats(s.services, s.slot, formats, s.dir.dir());
    EXPECT_TRUE(s.host.errors.empty());
    EXPECT_EQ(formats.Slot(1) + formats.Slot(12), "P1P12");
    EXPECT_EQ(formats.Slot(13) + formats.Slot(14) + formats.Slot(15) + formats.Slot(16), "DACB");
    EXPECT_EQ(formats.Slot(17), "0000E+00");
    EXPECT_FALSE(s.slot.IsOpen());
}

TEST(LoadNumberFormats, AShortFileIsReportedOnceAndTheDefaultsKept)
{
    for (const int lines : {0, 1, 12, 16, 17}) {
        Services s;
        test::writeFile(s.dir.file("NOFORMAT"), Lines(lines, "0.0#"));
        NumberFormats formats;
        LoadNumberFormats(s.services, s.slot, formats, s.dir.dir());
        ASSERT_EQ(s.host.errors.size(), 1u) << lines;
        EXPECT_NE(s.host.errors[0].find("NOFORMAT"), std::string::npos) << s.host.errors[0];
        EXPECT_EQ(formats.Slot(1) + "|" + formats.Slot(2) + "|" + formats.Slot(17), "0.0|0.00|0000E+00");
        EXPECT_FALSE(s.slot.IsOpen());
        EXPECT_FALSE(s.environment.HasPendingError());
    }
}

// Units: L factor 100 (cm per m), L2 factor 10, F factor 0.001 (MN per kN),
// F2 factor 1000.
UnitSettings TestUnits()
{
    return {"[cm]", 100, "[mm]", 10, "[MN]", 0.001, "(N)", 1000, 0};
}

TEST(UnitKinds, FactorAndLabelOfEveryKind)
{
    const auto cases = test::TableRows("lists/unit_kinds.tsv", 3);
    ASSERT_EQ(cases.size(), 15u);
    const UnitTexts texts{"(Feld)", "<Breite>", "^2", "^3"};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(UnitFactor(TestUnits(), std::stol(c[0])), std::stod(c[1])) << c[0];
        EXPECT_EQ(UnitLabel(TestUnits(), texts, std::stol(c[0])), c[2]) << c[0];
    }
}

TEST(UnitLabel, UsesTheCatalogueTexts)
{
    Services s;
    UnitSettings u;
    u.LengthUnit = "[m]";
    u.ForceUnit = "[kN]";
    const std::pair<long, const char*> cases[]
        = {{4, "[kN/m]"}, {2, "[kN.m]"}, {5, "[m4]"}, {0, "[kN/m\xC2\xB2]"}, {10, "[kN.m/rad]"}, {13, "[]"}};
    for (const auto& [kind, label] : cases)
        EXPECT_EQ(UnitLabel(u, s.catalogue, kind), label) << kind;
}

TEST(UnitLabel, AUnitTextShorterThanTwoCharactersIsAnErrorNamingIt)
{
    const auto cases = test::TableRows("lists/unit_text_errors.tsv", 3);
    ASSERT_EQ(cases.size(), 4u);
    for (const auto& c : cases) {
        UnitSettings u;
        u.LengthUnit = test::Unescaped(c[0]);
        const UnitTexts texts{"[a]", c[1], "2", "3"};
        try {
            UnitLabel(u, texts, 12);
            ADD_FAILURE() << "no error: " << c[2];
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.what(), test::Unescaped(c[2]));
        }
    }
}

TEST(UnitTexts, StripEnclosingTakesWholeCharactersAndRoundThroughTextReadsTheTextBack)
{
    EXPECT_EQ(StripEnclosing("[m]", "u"), "m");
    EXPECT_EQ(StripEnclosing("[]", "u"), "");
    EXPECT_EQ(StripEnclosing("\xC2\xABkN\xC2\xBB", "u"), "kN"); // a two-byte character at each end
    EXPECT_FLOAT_EQ(RoundThroughText(1.23456, "0.00"), 1.23f);
    EXPECT_FLOAT_EQ(RoundThroughText(-2.5, "0"), -3.0f);
    EXPECT_FLOAT_EQ(RoundThroughText(0.5, ""), 0.5f);
    EXPECT_FLOAT_EQ(RoundThroughText(12345.678, "0000E+00"), 12350.0f);
    // Literal text does not read back: the value itself, as a single.
    EXPECT_FLOAT_EQ(RoundThroughText(2.25, "0.0 \"kN\""), 2.25f);
}

} // namespace
} // namespace teska
