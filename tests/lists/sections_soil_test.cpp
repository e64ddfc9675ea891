// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The soil data section (140162): the general rows, the boring table and
// the rows of each boring and layer, by the fixture's units (L factor 2,
// UnitFactor 0 = 2.5, UnitFactor 3 = 1.25).

#include <algorithm>
#include <vector>

#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

class SoilTest : public SectionsTest {
protected:
    SoilTest()
    {
        writeFile(catalogueDir.file("en"), std::string(SectionsCatalogue) + "90160\tLoad\n90159\tUnload\n");
        session->catalogue = TextCatalogue(catalogueDir.dir(), "en");
        session->catalogue.setStrict(true);
    }
    void SaveSoil(std::int16_t loadingState = 0)
    {
        SoilFileBAU soil;
        soil.Records1To3 = {0.2f, 7, 7};
        soil.Record5 = -1.5f;
        BoringBAU boring;
        boring.X = 4;
        boring.Y = 0.5f;
        boring.Name = "S1";
        boring.HeaderValue = 10;
        boring.Layers = {{3, 8, 16, 0.3f, 0.1f}};
        boring.LayerEntries = {{0.7f, 16}};
        boring.Value = 40;
        boring.LayerEntries2 = {{30, 2}};
        soil.Borings.push_back(boring);
        soil.LastNumber = loadingState;
        Save(".BAU", WriteSoilFileBAU(soil));
    }
    // The value of the row whose line starts with "  " + \p label.
    static std::string ValueOf(const std::vector<std::string>& lines, const std::string& label)
    {
        for (const std::string& line : lines)
            if (line.rfind("  " + label + " ", 0) == 0) {
                const auto at = line.find(" = ");
                return at == std::string::npos ? "<no value>" : line.substr(at + 3);
            }
        return "<" + label + " missing>";
    }
    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::size_t start = 0, end;
        while ((end = text.find("\r\n", start)) != std::string::npos) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
};

TEST_F(SoilTest, HeadIsTheHeadingAndTheBodyConvertsEveryValue)
{
    SaveSoil();
    const std::vector<std::string> lines = Lines(Written(140162, true));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "  Soil");
    EXPECT_EQ(ValueOf(lines, "Water"), "-3"); // GW x 2
    EXPECT_EQ(ValueOf(lines, "Alfa"), ".2");
    // The boring table of a method other than 3: number, name, X, Y.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Borings"), lines.end());
    const auto row = std::find_if(
        lines.begin(), lines.end(), [](const std::string& l) { return l.find("'S1'") != std::string::npos; });
    ASSERT_NE(row, lines.end());
    EXPECT_EQ(row->substr(row->size() - 1), "1"); // Y 0.5 x 2
    EXPECT_NE(row->find(" 8 "), std::string::npos) << *row; // X 4 x 2
    // The boring rows and the layer rows.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Boring: 1"), lines.end());
    EXPECT_EQ(ValueOf(lines, "Surface:"), "20");
    EXPECT_EQ(ValueOf(lines, "Layer 1"), "6");
    EXPECT_EQ(ValueOf(lines, "Es"), "20"); // 8 x 2.5
    EXPECT_EQ(ValueOf(lines, "E"), "40");
    EXPECT_EQ(ValueOf(lines, "Nue"), ".3");
    EXPECT_EQ(ValueOf(lines, "eo"), ".7");
    EXPECT_EQ(ValueOf(lines, "Gama"), "20"); // 16 x 1.25
    EXPECT_EQ(ValueOf(lines, "Fhi"), "30");
    EXPECT_EQ(ValueOf(lines, "c"), "5");
}

TEST_F(SoilTest, Method3AddsTheModulusOfEachBoringToTheTable)
{
    project.AnalysisMethod = 3;
    SaveSoil();
    const std::vector<std::string> lines = Lines(Written(140162, true));
    const auto row = std::find_if(
        lines.begin(), lines.end(), [](const std::string& l) { return l.find("'S1'") != std::string::npos; });
    ASSERT_NE(row, lines.end());
    EXPECT_NE(row->find(" 50"), std::string::npos) << *row; // ks 40 x 1.25
}

TEST_F(SoilTest, LoadingStateNamesTheModulusAndTheCompressionIndex)
{
    // The layer's E = 16 (x 2.5 = 40) and Cc = 0.1 keep their values; the
    // state picks the caption and the symbol.
    struct Case {
        std::int16_t state;
        const char* modulusLabel;
        const char* modulusSymbol;
        const char* indexLabel;
        const char* indexSymbol;
    };
    const Case cases[] = {
        {0, "E", "E'", "Cc", "Cc'"},
        {1, "E (Load)", "E'", "Cc (Load)", "Cc'"},
        {2, "E (Unload)", "W'", "Cc (Unload)", "Cr'"},
    };
    for (const Case& c : cases) {
        SaveSoil(c.state);
        const std::vector<std::string> lines = Lines(Written(140162, true));
        auto row = [&](const std::string& label) {
            for (const std::string& line : lines)
                if (line.rfind("  " + label + " ", 0) == 0)
                    return line;
            return std::string();
        };
        const std::string modulus = row(c.modulusLabel), index = row(c.indexLabel);
        EXPECT_NE(modulus.find(std::string(" ") + c.modulusSymbol + " "), std::string::npos) << modulus;
        EXPECT_EQ(ValueOf(lines, c.modulusLabel), "40") << c.state;
        EXPECT_NE(index.find(std::string(" ") + c.indexSymbol + " "), std::string::npos) << index;
        EXPECT_EQ(ValueOf(lines, c.indexLabel), ".1") << c.state;
    }
    SaveSoil(3);
    const std::string message = ErrorText<FileFormatError>([&] { Written(140162, true); });
    EXPECT_NE(message.find("SLAB.BAU: the loading state (the last whole number) is 3"), std::string::npos)
        << message;
}

TEST_F(SoilTest, LayerCountBeyondTheFileNamesBau)
{
    RecordWriter w;
    w.PutInt16(4, 1);
    w.PutString(8, "S");
    w.PutInt16(9, 500);
    w.PutSingle(12, 0);
    w.Save(Path(".BAU"));
    const std::string message = ErrorText<FileFormatError>([&] { Written(140162, true); });
    EXPECT_NE(message.find("SLAB.BAU"), std::string::npos) << message;
}

} // namespace
} // namespace teska::test
