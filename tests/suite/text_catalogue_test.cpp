// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.file("en"), test::readFile(test::dataPath("suite/en.catalogue")));
        writeFile(dir.file("de"), test::readFile(test::dataPath("suite/de.catalogue")));
    }
    TextCatalogue english() { return TextCatalogue(dir.dir(), "en"); }
    ScratchDir dir;
};

TEST_F(CatalogueTest, LooksUpEveryTextOfTheTable)
{
    const auto table = test::TableRows("suite/lookups.tsv", 4);
    const TextCatalogue catalogue = english();
    for (const std::vector<std::string>& f : table) {
        TextArgs args;
        std::istringstream items(f[2]);
        for (std::string item; std::getline(items, item, ';');)
            args.push_back(item.starts_with("#") ? TextArg(std::stol(item.substr(1))) : TextArg(item));
        EXPECT_EQ(catalogue.LookupText(std::stol(f[1]), args), test::Unescaped(f[3])) << f[0];
    }
    EXPECT_GT(table.size(), 15u);
}

TEST_F(CatalogueTest, ChosenLanguageOverridesAndFallsBackToEnglishAndLocaleFormsSelectTheirFile)
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
    // A language without a file is English.
    TextCatalogue c(dir.dir(), "fr_FR.UTF-8");
    EXPECT_EQ(c.language(), "en");
    EXPECT_EQ(c.LookupText(1), "file");
    // The locale form of a language selects its file; a path is no language.
    EXPECT_EQ(TextCatalogue(dir.dir(), "de_DE.UTF-8").LookupText(1), "Datei");
    EXPECT_EQ(TextCatalogue(dir.dir(), "DE").LookupText(1), "Datei");
    EXPECT_EQ(TextCatalogue(dir.dir(), "../de").language(), "en");
}

// A missing identifier shows as #N and is reported once as a warning; a
// strict catalogue throws instead.
TEST_F(CatalogueTest, MissingIdentifierIsReportedOnceOrThrowsWhenStrict)
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
    // One inside a value is reported too.
    EXPECT_EQ(c.LookupText(7, {std::string("|1"), 777L}), "About #777");
    EXPECT_EQ(host.warnings.size(), 3u);

    c.setStrict(true);
    try {
        c.LookupText(90076);
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_THAT(e.what(), HasSubstr("90076"));
    }
    EXPECT_EQ(c.LookupText(1), "file");
}

TEST_F(CatalogueTest, HeaderMembers)
{
    // The right-to-left flags and axis symbols of a header: the shipped
    // translations' header entries.
    TextCatalogue c = english();
    EXPECT_EQ(c.AxisName1(), "x axis");
    EXPECT_EQ(c.TerminologySwitch(), 1);
    EXPECT_EQ(c.LanguageName(), "English");
    // Defaults when the header is absent.
    writeFile(dir.file("en"), "1\tx\n");
    const TextCatalogue bare = english();
    EXPECT_EQ(bare.MessageStyleFlags(), 0);
    EXPECT_FALSE(bare.IsRightToLeft());
    EXPECT_EQ(bare.AxisSymbol1(), "x");
    EXPECT_EQ(bare.AxisName2(), "y");
    EXPECT_EQ(bare.TerminologySwitch(), 0);
    EXPECT_EQ(bare.LanguageName(), "en");
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
    test::ExpectAccessErrorNaming(dir.dir() + "en", [&] { TextCatalogue catalogue(dir.dir(), "en"); });
}

TEST(CatalogueEnvironment, TeskaLangOverridesTheSettingAndTheFolderIsChosen)
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
    {
        EnvGuard folder("TESKA_CATALOGUE_DIR", "/some/where");
        EXPECT_EQ(TextCatalogue::DefaultDirectory(), "/some/where");
    }
    EnvGuard folder("TESKA_CATALOGUE_DIR", nullptr);
    EXPECT_EQ(TextCatalogue::DefaultDirectory(), std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue");
}

// The shipped catalogues.

TEST(ShippedCatalogue, EnglishHasATextForEveryIdentifierInUse)
{
    std::set<long> ids;
    for (const std::vector<std::string>& row : test::TableRows("catalogue/identifiers.txt", 1))
        ids.insert(std::stol(row[0]));
    ASSERT_GT(ids.size(), 300u);
    TextCatalogue c(std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", "en");
    c.setStrict(true);
    std::vector<long> missing;
    for (const long id : ids)
        if (!c.Contains(id) || c.LookupText(id).empty())
            missing.push_back(id);
    EXPECT_THAT(missing, ::testing::IsEmpty());
}

// The identifiers a catalogue file defines, in file order (the loader
// checks the format; this only picks the numbers).
std::vector<long> identifiersOf(const std::string& path)
{
    std::vector<long> ids;
    std::istringstream in(test::readFile(path));
    for (std::string line; std::getline(in, line);) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos && tab > 0 && line.find_first_not_of("0123456789") == tab)
            ids.push_back(std::stol(line.substr(0, tab)));
    }
    return ids;
}

std::string shippedFile(const std::string& language)
{
    return std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue/" + language;
}

// Texts that read the same in every language: the unit labels, the blank
// caption, the program name and the two "max" formulas.
const std::set<long> kSameInEveryLanguage = {75, 76, 77, 78, 123, 160024, 10256, 10257};

struct ShippedLanguage {
    const char* code;
    const char* name; // @language
    bool rightToLeft; // @rtl
    // Words this language shares with English ("OK", "Moment" in German,
    // the list font where the language's letters are in it).
    std::set<long> sameAsEnglish;
};

void PrintTo(const ShippedLanguage& language, std::ostream* os)
{
    *os << language.code;
}

class ShippedTranslationTest : public ::testing::TestWithParam<ShippedLanguage> {
protected:
    // The language's own file alone, without the English fallback: an
    // identifier it lacks is missing here instead of showing English.
    ShippedTranslationTest()
    {
        writeFile(dir.file("en"), "# nothing: only the language's own texts count\n");
        writeFile(dir.file(GetParam().code), test::readFile(shippedFile(GetParam().code)));
        own = std::make_unique<TextCatalogue>(dir.dir(), GetParam().code);
        own->setStrict(true);
    }
    bool exempt(long id) const
    {
        return kSameInEveryLanguage.count(id) != 0 || GetParam().sameAsEnglish.count(id) != 0;
    }
    ScratchDir dir;
    TextCatalogue english{std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", "en"};
    std::unique_ptr<TextCatalogue> own;
};

// The language defines every English identifier and no other; none of its
// texts is still the English one unless it is exempt, and each keeps the
// markers of the English text, as often and no other (the program passes
// values for the English markers).
TEST_P(ShippedTranslationTest, DefinesTheEnglishIdentifiersEachTranslatedWithItsMarkers)
{
    // Each marker gets a value that shows where it stood.
    const TextArgs shown = {std::string("|1"), std::string("<1>"), std::string("|2"), std::string("<2>"),
        std::string("|3"), std::string("<3>")};
    const auto markers = [&shown](const TextCatalogue& c, long id) {
        const std::string text = c.LookupText(id, shown);
        std::string found;
        for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1))
            if (text.compare(at, 3, "<1>") == 0 || text.compare(at, 3, "<2>") == 0
                || text.compare(at, 3, "<3>") == 0)
                found += text[at + 1];
        std::sort(found.begin(), found.end());
        return found;
    };
    const std::vector<long> ids = identifiersOf(shippedFile("en"));
    ASSERT_GT(ids.size(), 300u);
    std::vector<std::string> missing, extra, untranslated, needlessExemption, changedMarkers;
    for (const long id : ids) {
        if (!own->Contains(id)) {
            missing.push_back(std::to_string(id));
            continue;
        }
        const std::string text = own->LookupText(id);
        const bool same = text == english.LookupText(id);
        if (same != exempt(id))
            (same ? untranslated : needlessExemption).push_back(std::to_string(id) + " " + text);
        if (markers(*own, id) != markers(english, id))
            changedMarkers.push_back(std::to_string(id) + " " + own->LookupText(id, shown));
    }
    for (const long id : identifiersOf(shippedFile(GetParam().code)))
        if (!english.Contains(id))
            extra.push_back(std::to_string(id));
    EXPECT_THAT(missing, ::testing::IsEmpty());
    EXPECT_THAT(extra, ::testing::IsEmpty());
    EXPECT_THAT(untranslated, ::testing::IsEmpty());
    EXPECT_THAT(needlessExemption, ::testing::IsEmpty());
    EXPECT_THAT(changedMarkers, ::testing::IsEmpty());
}

TEST_P(ShippedTranslationTest, HeaderEntries)
{
    TextCatalogue c(std::string(TESKA_SOURCE_DATA_DIR) + "/catalogue", GetParam().code);
    EXPECT_EQ(c.LanguageName(), GetParam().name);
    EXPECT_EQ(c.IsRightToLeft(), GetParam().rightToLeft);
    // Message boxes of a right-to-left language read right to left.
    EXPECT_EQ(c.MessageStyleFlags() != 0, GetParam().rightToLeft);
    EXPECT_EQ(c.AxisSymbol1(), "x");
    EXPECT_EQ(c.AxisSymbol2(), "y");
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedTranslationTest,
    ::testing::Values(ShippedLanguage{"de", "Deutsch", false, {6, 13, 21, 90051, 90077, 120050, 160017}},
        ShippedLanguage{"ar", "العربية", true, {}}),
    [](const auto& info) { return std::string(info.param.code); });

} // namespace
} // namespace teska
