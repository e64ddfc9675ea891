// SPDX-FileCopyrightText: 2026 TESKA-List developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The column load section (140169) of a tiny project: two column loads with
// their load areas, one load group, a moment and an area load of .PC1 and
// the load resultant. Fixture units: L factor 2 [m], F factor 10 [kN], so
// kind 0 (F/L2) is 2.5, kind 2 (F.L) 20, kind 4 (F/L) 5, L4 16, L3 8, L2 4.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <vector>

#include "project/io/RecordFile.h"
#include "sections_fixture_test.h"
#include "suite/Errors.h"

namespace teska::test {
namespace {

const char* ColumnTexts
    = "90038\tColumns\n10079\tGroups\n10153\tPts\n140105\tArea\n10023\tLoad\n90001\tAt |1\n10017\tDim\n"
      "10059\tSide\n90121\tsizes\n10078\tKinds\n10077\tKind\n10081\tpoint\n10082\tline\n10083\tarea\n"
      "90051\tMom\n13\tElem\n10060\tLL\n10061\tCode\n10024\tWid\n10025\tLen\n10005\tL\n10007\tR\n10006\tT\n"
      "10008\tB\n10022\tLoadsA\n40006\tLoadsF\n10307\tOnBeams\n90041\tComb\n90082\tperm\n10062\tvar\n"
      "120044\tPerm\n120046\tVar\n120048\tDead\n120047\tExtra\n120049\tWater\n140215\tWLoad\n"
      "160007\tOuter\n120050\tMom\n90118\tEcc\n90119\tInertia\n90120\tProduct\n120052\tArea\n"
      "120053\tVol\n10085\tBeam\n10086\tCode\n";

class ColumnLoadsTest : public SectionsTest {
protected:
    ColumnLoadsTest()
    {
        UseCatalogue("");
        state.LinesPerPage = 200; // the whole section on one page
    }

    // The fixture's catalogue with the texts of this section and \p header.
    void UseCatalogue(const std::string& header)
    {
        writeFile(catalogueDir.file("en"), header + SectionsCatalogue + ColumnTexts);
        SessionOptions options;
        options.settingsDirectory = catalogueDir.dir();
        options.catalogueDirectory = catalogueDir.dir();
        options.language = "en";
        options.strictCatalogue = true;
        writer.reset();
        const UnitSettings units = session->environment.Units();
        session = std::make_unique<Session>(host, options);
        session->environment.Units() = units;
        writer = std::make_unique<ListWriter>(*session, state);
    }

    void SaveProject(float waterPressure = 0)
    {
        LoadFilePCF pcf;
        pcf.Items = {{1, {1, 2, 100}}, {2, {3, 0.5f, 50}}};
        pcf.Groups = {{1, 2, 4}};
        Save(".PCF", WriteLoadFilePCF(pcf));
        LoadFilePCW pcw;
        pcw.Items = {{1, {0.5f, 0.25f}}, {2, {0.4f, 0.3f}}};
        Save(".PCW", WriteLoadFilePCW(pcw));
        LoadFilePC1 pc1;
        pc1.BlockD = {{3, 1, 1}};
        pc1.BlockB = {{2, 0, 4, 3, 0}};
        Save(".PC1", WriteLoadFilePC1(pc1));
        LoadFilePC7 pc7;
        pc7.Values = {150, 40, 190, waterPressure, 0, 2, 10, -5, 0.5f, -0.25f};
        Save(".PC7", WriteLoadFilePC7(pc7));
        LoadFilePC8 pc8;
        pc8.Values = {1, 2, 0, 12, 6};
        Save(".PC8", WriteLoadFilePC8(pc8));
    }

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.find('\r')));
        return lines;
    }
    // True when a line holds exactly \p words.
    static bool HasRow(const std::vector<std::string>& lines, const std::vector<std::string>& words)
    {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            std::istringstream in(line);
            return std::vector<std::string>(std::istream_iterator<std::string>(in), {}) == words;
        });
    }
};

TEST_F(ColumnLoadsTest, TinyProjectLineByLine)
{
    SaveProject();
    // Worked out by hand: the column loads (number, P x 10, x and y x 2, gap
    // 6, the axis name in brackets), the load areas (a, b x 2), the legend,
    // block D (Mx x 20; no default symbol or unit), block B (load x 2.5,
    // edges x 2, Pa not 0) and the resultant (label width 17, gap 8).
    std::string text = Written(140169, true);
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\n");
    EXPECT_EQ(compareWithExpected("lists/column_loads_tiny.txt", text), "");
}

TEST_F(ColumnLoadsTest, EveryPc1BlockHasItsTableInOrder)
{
    SaveProject();
    LoadFilePC1 pc1;
    pc1.BlockA = {{6, 2, 0.5f, 1, 1.5f, 2}};
    pc1.BlockB = {{2, 0, 4, 3, 0}};
    pc1.BlockC = {{9, {1, 1, 1}}};
    pc1.BlockD = {{3, 1, 1}};
    pc1.BlockE = {{4, 1, 2}};
    pc1.BlockF = {{1, 3, 0, 1, 2, 3}};
    pc1.MaxPolylinePoints = 2;
    pc1.Polylines = {{{1, 2, 3}, {2, 0, 4}}};
    Save(".PC1", WriteLoadFilePC1(pc1));
    const std::vector<std::string> lines = Lines(Written(140169, true));
    const auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const std::vector<std::ptrdiff_t> captions
        = {at("  Mom Mx:"), at("  Mom My:"), at("  LoadsA"), at("  LoadsF"), at("  Comb var")};
    EXPECT_TRUE(std::is_sorted(captions.begin(), captions.end()));
    EXPECT_LT(captions.back(), static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_TRUE(HasRow(lines, {"1", "80", "2", "4"})); // E: My x 20
    EXPECT_TRUE(HasRow(lines, {"1", "30", "2", "1", "2", "3", "4"})); // A: Pl x 5, kind, extents x 2
    EXPECT_TRUE(HasRow(lines, {"1", "10", "3", "0", "2", "4", "6"})); // F: Ml x 10
    EXPECT_TRUE(HasRow(lines, {"1", "2.5", "2", "2"})); // C: load x 2.5 at x, y
    EXPECT_TRUE(HasRow(lines, {"1", "7.5", "2", "4"})); // the polyline points: value, x, y
    EXPECT_TRUE(HasRow(lines, {"2", "10", "4", "0"}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "  OnBeams         Load      At (x)      At (y)"), 2);
}

TEST_F(ColumnLoadsTest, WaterPressureAndCodeTermsChangeTheResultantLabels)
{
    UseCatalogue("@term\t1\n");
    SaveProject(5);
    const std::vector<std::string> lines = Lines(Written(140169, true));
    EXPECT_TRUE(HasRow(lines, {"Perm", "Pe'", "[kN]", "=", "1500"}));
    EXPECT_TRUE(HasRow(lines, {"Var", "Pa'", "[kN]", "=", "400"}));
    EXPECT_TRUE(HasRow(lines, {"Sum", "(P", "=", "Pe", "+", "Pa", "-", "Pw)", "P'", "[kN]", "=", "1900"}));
    EXPECT_TRUE(HasRow(lines, {"Water", "Pw'", "[kN]", "=", "50"}));
}

TEST_F(ColumnLoadsTest, PlaneFrameListsTheLoadGroupsAndNoPlateLoads)
{
    project.AnalysisMethod = 21;
    SaveProject();
    const std::vector<std::string> lines = Lines(Written(140169, true));
    // No., Pv x 10, M x 20 (value 2 has no column).
    EXPECT_TRUE(HasRow(lines, {"Node", "Node", "Force", "Moment"}));
    EXPECT_TRUE(HasRow(lines, {"No", "No", "Pv", "M"}));
    EXPECT_TRUE(HasRow(lines, {"1", "1", "10", "2000"}));
    EXPECT_TRUE(HasRow(lines, {"2", "2", "30", "1000"}));
    // The load group: beam 1, Pd 4 x 5, load kind 2.
    EXPECT_TRUE(HasRow(lines, {"Beam", "Force", "Kind"}));
    EXPECT_TRUE(HasRow(lines, {"No", "Pd", "Code"}));
    EXPECT_TRUE(HasRow(lines, {"1", "20", "2"}));
    EXPECT_FALSE(HasRow(lines, {"Mom", "Mx:"}));
    EXPECT_FALSE(HasRow(lines, {"Comb", "var"}));

    project.AnalysisMethod = 22; // Pv and Ph only
    const std::vector<std::string> plane = Lines(Written(140169, true));
    EXPECT_TRUE(HasRow(plane, {"Node", "Force", "Force"}));
    EXPECT_TRUE(HasRow(plane, {"1", "10", "20"}));
    EXPECT_FALSE(HasRow(plane, {"1", "20", "2"}));
}

TEST_F(ColumnLoadsTest, MissingOrShortFilesAreNamedBeforeAnyLine)
{
    for (const char* extension : {".PCF", ".PCW", ".PC7", ".PC8"}) {
        SaveProject();
        std::remove(Path(extension).c_str());
        state.ListText.clear();
        const std::string message = ErrorText<FileAccessError>([&] { Written(140169, true); });
        EXPECT_NE(message.find(std::string("SLAB") + extension), std::string::npos) << message;
        EXPECT_EQ(state.ListText, "") << extension;
    }

    // A file cut short is reported once, naming it; the section is still
    // written with what was read.
    SaveProject();
    RecordWriter w;
    w.PutInt16(1, 2); // two items of block A announced, none follows
    w.Save(Path(".PC1"));
    host.errors.clear();
    EXPECT_NE(Written(140169, true), "");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("SLAB.PC1"), std::string::npos) << host.errors[0];

    SaveProject();
    writeFile(Path(".PC7"), "1, 2, 3\r\n"); // three values of ten
    host.errors.clear();
    EXPECT_NE(Written(140169, true), "");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("SLAB.PC7"), std::string::npos) << host.errors[0];
}

} // namespace
} // namespace teska::test
