// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fstream>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "suite/EnvGuard.h"
#include "suite/Errors.h"
#include "suite/Host.h"
#include "suite/TextCatalogue.h"
#include "support/TestSupport.h"

namespace teska {
namespace {

using test::EnvGuard;
using test::ScratchDir;
using test::writeFile;
using ::testing::HasSubstr;

const char* kEnglish = "# test catalogue\n"
                       "@language\tEnglish\n"
                       "@style\t0\n"
                       "@rtl\t0\n"
                       "@axis1\tx\n"
                       "@axis2\ty\n"
                       "@axisname1\tx axis\n"
                       "@axisname2\ty axis\n"
                       "@term\t1\n"
                       "\n"
                       "1\tfile\n"
                       "2\tCoordinate |1\n"
                       "3\tFrom |1 to |2\n"
                       "4\t|3, |2, |1\n"
                       "5\tAnalysis method: \n"
                       "6\tline one\\nline two\\ttab \\\\ back\n"
                       "7\tAbout |1\n"
                       "8\tTESKA-List\n"
                       "9\tstraße über\n"
                       "10\tEnglish only\n"
                       "11\tPrinting |1\n"
                       "12\t\n";

const char* kGerman = "@language\tDeutsch\n"
                      "@axisname1\tx-Achse\n"
                      "1\tDatei\n"
                      "11\tDrucke |1\n";

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.file("en"), kEnglish);
        writeFile(dir.file("de"), kGerman);
    }
    TextCatalogue english() { return TextCatalogue(dir.dir(), "en"); }
    ScratchDir dir;
};

struct LookupCase {
    const char* name;
    long id;
    TextArgs args;
    const char* expected;
};

class LookupTest : public CatalogueTest, public ::testing::WithParamInterface<LookupCase> { };

TEST_P(LookupTest, GivesTheExpectedText)
{
    const LookupCase& c = GetParam();
    EXPECT_EQ(english().LookupText(c.id, c.args), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Markers, LookupTest,
    ::testing::Values(LookupCase{"NoArguments", 2, {}, "Coordinate "},
        LookupCase{"OneValue", 2, {std::string("|1"), std::string("x")}, "Coordinate x"},
        LookupCase{"TwoValues", 3, {std::string("|1"), std::string("a"), std::string("|2"), std::string("b")},
            "From a to b"},
        LookupCase{"ThreeValuesInAnyOrder", 4,
            {std::string("|2"), std::string("B"), std::string("|3"), std::string("C"), std::string("|1"),
                std::string("A")},
            "C, B, A"},
        LookupCase{"ValueHoldingAMarkerIsNotSubstitutedAgain", 3,
            {std::string("|1"), std::string("|2"), std::string("|2"), std::string("z")}, "From |2 to z"},
        LookupCase{"MarkerAtTheEndWithoutValue", 2, {std::string("|1")}, "Coordinate "},
        LookupCase{"WholeNumberValueIsAnIdentifier", 7, {std::string("|1"), 8L}, "About TESKA-List"},
        LookupCase{"QuotedValue", 11, {32L, std::string("|1"), std::string("Settlements")},
            "Printing \"Settlements\""},
        LookupCase{
            "BracketedValue", 2, {48L, std::string("|1"), std::string("x axis")}, "Coordinate (x axis)"},
        LookupCase{"HelpMenuOption33", 7, {33L, std::string("|1"), 8L}, "About \"TESKA-List\""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Options, LookupTest,
    ::testing::Values(LookupCase{"Capitalise", 1, {1L}, "File"},
        LookupCase{"CapitaliseWithEllipsis", 1, {3L}, "File..."},
        LookupCase{"StripTrailingColon", 5, {4L}, "Analysis method"},
        LookupCase{"UpperCaseLatin1", 9, {8L}, "STRAßE ÜBER"},
        LookupCase{"ColumnCaptionForm", 5, {16L}, "Analysis method"},
        LookupCase{"UnknownOptionIgnored", 1, {200L}, "file"},
        LookupCase{"NegativeOptionIgnored", 1, {-1L}, "file"},
        LookupCase{"Escapes", 6, {}, "line one\nline two\ttab \\ back"}, LookupCase{"EmptyText", 12, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CatalogueTest, ChosenLanguageOverridesAndFallsBackToEnglish)
{
    TextCatalogue german(dir.dir(), "de");
    EXPECT_EQ(german.language(), "de");
    EXPECT_EQ(german.LookupText(1), "Datei");
    EXPECT_EQ(german.LookupText(10), "English only");
    EXPECT_EQ(german.LookupText(11, {std::string("|1"), std::string("Setzungen")}), "Drucke Setzungen");
    // Header: own entries win, the others come from English.
    EXPECT_EQ(german.LanguageName(), "Deutsch");
    EXPECT_EQ(german.AxisName1(), "x-Achse");
    EXPECT_EQ(german.AxisName2(), "y axis");
}

TEST_F(CatalogueTest, LanguageWithoutFileIsEnglish)
{
    TextCatalogue c(dir.dir(), "fr_FR.UTF-8");
    EXPECT_EQ(c.language(), "en");
    EXPECT_EQ(c.LookupText(1), "file");
}

TEST_F(CatalogueTest, LocaleFormOfALanguageSelectsItsFile)
{
    EXPECT_EQ(TextCatalogue(dir.dir(), "de_DE.UTF-8").LookupText(1), "Datei");
    EXPECT_EQ(TextCatalogue(dir.dir(), "DE").LookupText(1), "Datei");
    // A path is not a language.
    EXPECT_EQ(TextCatalogue(dir.dir(), "../de").language(), "en");
}

TEST_F(CatalogueTest, MissingIdentifierIsReportedOnce)
{
    RecordingHost host;
    TextCatalogue c = english();
    c.setHost(&host);
    EXPECT_EQ(c.LookupText(90074), "#90074");
    EXPECT_EQ(c.LookupText(90074, {1L}), "#90074");
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_THAT(host.warnings[0], HasSubstr("90074"));
    EXPECT_EQ(c.LookupText(90075), "#90075");
    EXPECT_EQ(host.warnings.size(), 2u);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(CatalogueTest, MissingIdentifierInsideAValueIsReportedToo)
{
    RecordingHost host;
    TextCatalogue c = english();
    c.setHost(&host);
    EXPECT_EQ(c.LookupText(7, {std::string("|1"), 777L}), "About #777");
    EXPECT_EQ(host.warnings.size(), 1u);
}

TEST_F(CatalogueTest, StrictModeThrowsForAMissingIdentifier)
{
    TextCatalogue c = english();
    c.setStrict(true);
    try {
        c.LookupText(90074);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_THAT(e.what(), HasSubstr("90074"));
    }
    EXPECT_EQ(c.LookupText(1), "file");
}

TEST_F(CatalogueTest, HeaderMembers)
{
    TextCatalogue c = english();
    EXPECT_EQ(c.MessageStyleFlags(), 0);
    EXPECT_FALSE(c.IsRightToLeft());
    EXPECT_EQ(c.AxisSymbol1(), "x");
    EXPECT_EQ(c.AxisSymbol2(), "y");
    EXPECT_EQ(c.AxisName1(), "x axis");
    EXPECT_EQ(c.TerminologySwitch(), 1);
    EXPECT_EQ(c.LanguageName(), "English");
}

TEST_F(CatalogueTest, HeaderDefaultsWhenAbsent)
{
    writeFile(dir.file("en"), "1\tx\n");
    TextCatalogue c = english();
    EXPECT_EQ(c.MessageStyleFlags(), 0);
    EXPECT_FALSE(c.IsRightToLeft());
    EXPECT_EQ(c.AxisSymbol1(), "x");
    EXPECT_EQ(c.AxisName2(), "y");
    EXPECT_EQ(c.TerminologySwitch(), 0);
    EXPECT_EQ(c.LanguageName(), "en");
}

TEST_F(CatalogueTest, CrLfAndWindows1252AreRead)
{
    writeFile(dir.file("en"),
        "1\tQuerkr\xe4"
        "fte\r\n2\tB\r\n");
    TextCatalogue c = english();
    EXPECT_EQ(c.LookupText(1), "Querkräfte");
    EXPECT_EQ(c.LookupText(2), "B");
}

TEST(CatalogueFolder, MissingEnglishFileIsAnAccessError)
{
    ScratchDir dir;
    try {
        TextCatalogue c(dir.dir(), "en");
        FAIL() << "no error";
    } catch (const FileAccessError& e) {
        EXPECT_EQ(e.file(), dir.dir() + "en");
    }
}

TEST(CatalogueLanguage, TeskaLangOverridesTheSetting)
{
    {
        EnvGuard lang("TESKA_LANG", "ar");
        EXPECT_EQ(TextCatalogue::ChooseLanguage("de"), "ar");
    }
    {
        EnvGuard lang("TESKA_LANG", nullptr);
        EXPECT_EQ(TextCatalogue::ChooseLanguage("de"), "de");
        EXPECT_EQ(TextCatalogue::ChooseLanguage(""), "en");
    }
}

TEST(CatalogueFolder, EnvironmentChoosesTheFolder)
{
    {
        EnvGuard folder("TESKA_CATALOGUE_DIR", "/some/where");
        EXPECT_EQ(TextCatalogue::DefaultDirectory(), "/some/where");
    }
    EnvGuard folder("TESKA_CATALOGUE_DIR", nullptr);
    EXPECT_EQ(TextCatalogue::DefaultDirectory(), std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue");
}

struct BadCatalogue {
    const char* name;
    const char* content;
    std::size_t line;
    const char* message;
};

class BadCatalogueTest : public ::testing::TestWithParam<BadCatalogue> { };

TEST_P(BadCatalogueTest, NamesTheFileAndTheLine)
{
    const BadCatalogue& c = GetParam();
    ScratchDir dir;
    writeFile(dir.file("en"), c.content);
    try {
        TextCatalogue catalogue(dir.dir(), "en");
        FAIL() << "no error";
    } catch (const FileFormatError& e) {
        EXPECT_EQ(e.file(), dir.file("en"));
        EXPECT_EQ(e.line(), c.line);
        EXPECT_THAT(e.what(), HasSubstr(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(Malformed, BadCatalogueTest,
    ::testing::Values(BadCatalogue{"NoTab", "1\tok\n2 missing tab\n", 2, "expected an identifier or @key"},
        BadCatalogue{"NotANumber", "# c\n\nx1\ttext\n", 3, "whole-number identifier"},
        BadCatalogue{"TooLongNumber", "1234567890\ttext\n", 1, "1 to 9 digits"},
        BadCatalogue{"Duplicate", "5\ta\n6\tb\n5\tc\n", 3, "already defined on line 1"},
        BadCatalogue{"UnknownEscape", "5\ta\\qb\n", 1, "unknown escape \\q"},
        BadCatalogue{"TrailingBackslash", "5\tab\\\n", 1, "backslash at the end"},
        BadCatalogue{"EmptyHeaderKey", "@\tvalue\n", 1, "header key"},
        BadCatalogue{"NegativeNumber", "-5\ttext\n", 1, "whole-number identifier"}),
    [](const auto& info) { return std::string(info.param.name); });

// The shipped catalogues.

std::set<long> identifiersInUse()
{
    std::ifstream in(test::dataPath("catalogue/identifiers.txt"));
    std::set<long> ids;
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            ids.insert(std::stol(line));
    return ids;
}

TEST(ShippedCatalogue, EnglishHasATextForEveryIdentifierInUse)
{
    const std::set<long> ids = identifiersInUse();
    ASSERT_GT(ids.size(), 300u);
    TextCatalogue c(std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", "en");
    c.setStrict(true);
    std::vector<long> missing;
    for (const long id : ids)
        if (!c.Contains(id) || c.LookupText(id).empty())
            missing.push_back(id);
    EXPECT_THAT(missing, ::testing::IsEmpty());
}

TEST(ShippedCatalogue, ArabicIsRightToLeftAndFallsBackToEnglish)
{
    TextCatalogue c(std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", "ar");
    EXPECT_TRUE(c.IsRightToLeft());
    EXPECT_NE(c.MessageStyleFlags(), 0);
    EXPECT_EQ(c.LookupText(107), "ملف");
    EXPECT_EQ(c.LookupText(90074), "Settlement");
    EXPECT_EQ(c.LookupText(114, {33L, std::string("|1"), 160024L}), "حول \"TESKA-List\"");
}

TEST(ShippedCatalogue, GermanLoads)
{
    TextCatalogue c(std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", "de");
    EXPECT_EQ(c.LookupText(107), "Datei");
    EXPECT_EQ(c.LookupText(90074), "Settlement");
}

} // namespace
} // namespace teska
